// The building body of the cross-section drawing for narrow houses: at a
// width of 2,70 m the underside's slope divided by nil, and below it the
// haunches shot off as spikes. Every width the field rules accept must give
// an outline that stays inside the house's own section.
#include <cmath>

#include <gtest/gtest.h>

#include "graphics/kontrol_tvaer.h"
#include "calculation/tvaersnit_byg.h"

namespace kvistor {
namespace {

TEST(SmaltHus, KroppenBliverIHusetForEnhverBredde) {
  for (const double bredde : {10.0, 4.7, 2.7, 2.0, 1.0, 0.5, 0.01}) {
    Inddata d = StartInddata();
    d.HusBr = bredde;
    d.FacHjd = 3;
    d.TagVink = 30;
    d.AaseAfst = 1.2;
    d.FacUdh = 0.5;
    d.AaseHojde = 200;
    d.AaseBredde = 75;
    TSupplData s;
    BestemTvaersnit(d, s);
    TLinjeListe linjer;
    TTekstGruppeListe tekster;
    TegnHuskrop(linjer, tekster, d, s);
    ASSERT_FALSE(linjer.empty());
    const auto& p = linjer.front().Punkter;
    ASSERT_EQ(p.size(), 22u);
    // The inner outline from the left wall's foot to the ridge: x grows
    // towards the ridge, y stays between the ground and the roof surface.
    for (std::size_t i = 0; i <= 5; ++i) {
      ASSERT_TRUE(std::isfinite(p[i].X) && std::isfinite(p[i].Y)) << bredde << " punkt " << i;
      EXPECT_GE(p[i].X, d.FacUdh) << bredde << " punkt " << i;
      EXPECT_LE(p[i].X, s.BTag / 2 + 1e-12) << bredde << " punkt " << i;
      if (i > 1) {
        EXPECT_GT(p[i].X, p[i - 1].X) << bredde << " punkt " << i;
      }
      EXPECT_GT(p[i].Y, -d.FacHjd) << bredde << " punkt " << i;
      EXPECT_LT(p[i].Y, s.HTagKip) << bredde << " punkt " << i;
    }
    // Wide houses keep the full walls and haunch.
    if (bredde >= 4.7) {
      EXPECT_DOUBLE_EQ(p[4].X, d.FacUdh + 1.35) << bredde;
    }
  }
}

}  // namespace
}  // namespace kvistor
