// Layout of the Gerber chain in integer mm, bay-type boundaries, frame
// placements, the line-load list, and kcr and kmod at their limits with
// damaged indices. The material values of each class reach the golden reports.
#include <gtest/gtest.h>

#include <utility>

#include "hjaelp/naer.h"
#include "purlin/laster.h"
#include "purlin/statik_hjaelp.h"
#include "purlin/traemateriale.h"

namespace kvistor {
namespace {

using test::EksempelInddata;
using test::EksempelSupplData;
using TPar = std::vector<std::pair<std::int32_t, int>>;

TEST(GerberLayout, EksempletMedFireFag) {
  const TSupplData sd = EksempelSupplData(EksempelInddata());
  EXPECT_EQ((std::vector<std::int32_t>{sd.NormFag, sd.GavlFag, sd.CharnForskMm, sd.GavlUdhMm,
                                       sd.LAas, sd.xRamme1, sd.xRammeN, sd.LKE, sd.LMF, sd.LLE}),
            (std::vector<std::int32_t>{6000, 5000, 857, 500, 23000, 5500, 17500, 4143, 5143, 5000}));
  TPar u, c;  // (x, type)
  for (const auto& r : BygUnderstoetninger(sd, 4)) u.push_back({r.x, r.Type});
  for (const auto& h : BygCharnierer(sd, 4)) c.push_back({h.x, h.Type});
  EXPECT_EQ(u, (TPar{{500, 1}, {5500, 2}, {11500, 2}, {17500, 2}, {22500, 3}}));
  EXPECT_EQ(c, (TPar{{4643, 1}, {10643, 2}, {16643, 3}}));
  // Hinges at 4643 and 16643 (on them: type 2), frames at 5500 and 17500.
  EXPECT_EQ((std::vector<int>{FagTypeVedCharnierer(sd, 4642.999), FagTypeVedCharnierer(sd, 4643.0),
                              FagTypeVedCharnierer(sd, 16643.0), FagTypeVedCharnierer(sd, 16643.001),
                              FagTypeVedRammer(sd, 5499), FagTypeVedRammer(sd, 5500),
                              FagTypeVedRammer(sd, 17499), FagTypeVedRammer(sd, 17500)}),
            (std::vector<int>{1, 2, 2, 3, 1, 2, 2, 3}));
  // Nine bays, eight frames: the first five, then the last.
  EXPECT_EQ(RammePlaceringer(EksempelSupplData(EksempelInddata(9))),
            (TRammePlaceringer{0, 5500, 11500, 17500, 23500, 29500, 47500}));
}

TEST(GerberLayout, UdenGavludhaengOgAfrunding) {
  Inddata ind = EksempelInddata(5);
  ind.GavlUdh = 0;
  ind.CharnForsk = 0.8575;  // 857.5 mm: ties go to the even millimetre
  const TSupplData sd = EksempelSupplData(ind);
  EXPECT_EQ(sd.CharnForskMm, 858);
  EXPECT_EQ(sd.LAas, 3 * 6000 + 2 * 5000);
  const TUnderstoetninger u = BygUnderstoetninger(sd, ind.AntalFag);
  ASSERT_EQ(u.size(), 6u);
  EXPECT_EQ(u.front().x, 0);
  EXPECT_EQ(u.back().x, sd.LAas);
  EXPECT_NAER(FlytFaktor(200, 50, 150), 0.3);  // e = (200 − 150)/2 − 10 = 15 mm over 50 mm
  EXPECT_EQ(FlytFaktor(160, 50, 150), 0.0);    // e negative, raised to 0
  EXPECT_EQ(FlytFaktor(200, 0, 150), 0.0);
}

TEST(GerberLayout, AfviserUmuligeLaengder) {
  // 1 800 km still fits int32 mm ...
  TSupplData sd;
  EXPECT_TRUE(BestemLaengdeLayout(sd, EksempelInddata(300000)));
  EXPECT_EQ(sd.xRammeN, 500 + 5000 + 299998 * 6000);
  // ... 2 400 km does not; neither do one bay, no frame spacing, 2·10⁹ bays
  // or more bays than allowed even on 1 mm frames. A refused layout leaves
  // no supports and no hinges, whatever the record had before.
  Inddata nan = EksempelInddata(), mange = EksempelInddata(MaksFagIUnderstoetninger + 1);
  nan.Rammeafstand = std::nan("");
  mange.Rammeafstand = 0.001;
  for (const Inddata& ind : {EksempelInddata(400000), EksempelInddata(1), nan,
                             EksempelInddata(2000000000), mange}) {
    SCOPED_TRACE(ind.AntalFag);
    TSupplData sd = EksempelSupplData(EksempelInddata());
    EXPECT_FALSE(BestemLaengdeLayout(sd, ind));
    EXPECT_EQ(sd.LAas, 0);
    EXPECT_TRUE(BygUnderstoetninger(sd, ind.AntalFag).empty());
    EXPECT_TRUE(BygCharnierer(sd, ind.AntalFag).empty());
  }
}

TEST(Linielast, SorteretOgSummeret) {
  TLinielastListe l;
  TilfoejLinielast(l, 5000, 1.0, 0.5);
  TilfoejLinielast(l, 0, 2.0, 0.0);
  TilfoejLinielast(l, 5000, -0.25, 0.25);
  TLinielastListe kilde;
  TilfoejLinielast(kilde, 5000, 1.0, 1.0);  // onto an existing x
  TilfoejLinielast(kilde, 7000, 3.0, 0.0);
  FletLinielast(l, kilde);
  EXPECT_TRUE(kilde.empty());
  FletLinielast(l, l);  // into itself: no doubling
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ((std::vector<std::int32_t>{l[0].x, l[1].x, l[2].x}), (std::vector<std::int32_t>{0, 5000, 7000}));
  EXPECT_EQ(l[1].dqz, 1.75);
  EXPECT_EQ(l[1].dqy, 1.75);
  // An empty list is said to be empty.
  std::vector<std::string> linier;
  SkrivLinielast(linier, "snelast", {}, 24.0);
  EXPECT_EQ(linier.back(), "  Listen er tom.");
}

TEST(Kcr, EksemplerOgGraenser) {
  // C24, 200 × 50, frames 6 m: λ = √1 200 000·0.064/50 = 1.4022 > 1.4, so
  // kcr = 1/λ² = 0.5086 (worked example).
  EXPECT_NEAR(Kcr(test::EksempelInddata()), 0.5086, 1e-4);
  EXPECT_EQ(KcrAfSlankhed(0.75), 1.0);
  EXPECT_NAER(KcrAfSlankhed(0.75000001), 1.56 - 0.75 * 0.75000001);
  EXPECT_NAER(KcrAfSlankhed(1.4), 1.56 - 1.05);  // 0.51, still the straight line
  EXPECT_NAER(KcrAfSlankhed(2.0), 0.25);
  EXPECT_EQ(KipSlankhed(6.0, 200, 0, 0.064), 1000.0);  // no width
}

TEST(Kmod, AnvendelsesklasserOgVarighed) {
  EXPECT_NAER(Kmod(2, 3), 0.70);  // service class 3, short-term
  EXPECT_NAER(Kmod(1, 5), 1.10);  // service class 2, instantaneous
  EXPECT_NAER(Kmod(0, 1), 0.60);
  for (int LK = 10; LK <= 12; ++LK)
    for (int a = 0; a <= 2; ++a) EXPECT_EQ(Kmod(a, LK), 1.0);
  EXPECT_EQ(LastVarighedsKlasse(13), 0);
  // A damaged index stays in the table.
  EXPECT_STREQ(StyrkeKlasseData(99).Navn, "GL32c");
  EXPECT_STREQ(StyrkeKlasseData(-1).Navn, "C14");
  EXPECT_EQ(GammaM(7, 5), 1.30);
  EXPECT_EQ(GammaMBeslag(-3), 1.35);  // the hardware keeps 1,35 for glulam too
}

}  // namespace
}  // namespace kvistor
