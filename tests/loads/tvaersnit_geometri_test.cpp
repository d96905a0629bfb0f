// The roof cross-section built from the project record, and Overlap.
#include <gtest/gtest.h>

#include <cmath>

#include "hjaelp/naer.h"
#include "loads/hastighedstryk.h"
#include "loads/last_eksempel.h"
#include "loads/tvaersnit.h"
#include "project/katalog.h"

namespace kvistor {
namespace {

TEST(BestemTvaersnit, GeometriAfEksemplet) {
  const Inddata d = test::EksempelInddata();
  TSupplData sd;
  BestemTvaersnit(d, sd);
  const double w = 1.2 * std::sqrt(3.0) / 2.0;  // spacing horizontally, 1,0392 m

  EXPECT_NAER(sd.BTag, 11.0);
  EXPECT_NAER(sd.LHus, 24.0);
  EXPECT_NAER(sd.LTag, 24.6);
  EXPECT_EQ(sd.LAas, 24600);  // layout filled in
  // Worked example: HTagKip = 5,8868, HRef = 6,1177 (hand: 5·tan 30° + 3,
  // + 0,2/cos 30°).
  EXPECT_NAER(sd.HTagKip, 5.886751345948129);
  EXPECT_NAER(sd.HRef, 6.117691453623979);
  EXPECT_NAER(sd.HTagkant, 6.117691453623979 - 5.5 / std::sqrt(3.0));
  // Purlins at 0; 1,0392; 4,9804 m.
  EXPECT_NAER(sd.xAas[1], 0.0);
  EXPECT_NAER(sd.xAas[2], 1.0392304845413265);
  EXPECT_NAER(sd.xAas[3], 4.980384757729337);
  // Gable-wall bands never reach outside the facade line at 0,5 m; purlin
  // 3's band ends at the ridge. (Purlin 2's band is checked through the
  // gable-wind loads.)
  EXPECT_NAER(sd.GavlFeltStart[1], 0.5);
  EXPECT_NAER(sd.GavlFeltSlut[1], w / 2.0);
  EXPECT_NAER(sd.GavlFeltHojde[3], (2.0 * sd.HTagkant + (11.0 - w) / std::sqrt(3.0)) / 4.0);
  // The roof line is symmetric about the ridge.
  EXPECT_NAER(TaglinjeHojde(sd, 0.0), sd.HTagkant);
  EXPECT_NAER(TaglinjeHojde(sd, 5.5), sd.HRef);
  EXPECT_NAER(TaglinjeHojde(sd, 2.0), TaglinjeHojde(sd, 9.0));

  // Own weight 0,01 m² · 5 kN/m³ / 1,2 m; dead load 0,48 + 0,03 + that.
  EXPECT_NAER(sd.AaseEgenlast, 0.05 / 1.2);
  EXPECT_NAER(sd.EgenlastIalt, 0.51 + 0.05 / 1.2);

  EXPECT_NAER(sd.qku, Hastighedstryk(1, 3.5, 1.0, sd.HRef, 10.0));
  EXPECT_EQ(sd.Sikkl, 1);
  ASSERT_NE(sd.EL1Data, nullptr);
  EXPECT_EQ(sd.EL1Data->Navn, "Beton ell. vingetegl, lægter, sek.spær");
}

TEST(BestemTvaersnit, Graensetilfaelde) {
  Inddata d = test::EksempelInddata();
  // No purlin spacing: the purlin's own weight is taken as 1,0 kN/m².
  d.AaseAfst = 0.0;
  TSupplData sd;
  BestemTvaersnit(d, sd);
  EXPECT_NAER(sd.AaseEgenlast, 1.0);
  EXPECT_NAER(sd.EgenlastIalt, 1.51);

  // Half a spacing shorter than the eaves overhang: purlin 1's band on the
  // gable wall has zero length at the facade line.
  d = test::EksempelInddata();
  d.FacUdh = 0.6;
  BestemTvaersnit(d, sd);
  EXPECT_NAER(sd.GavlFeltStart[1], 0.6);
  EXPECT_NAER(sd.GavlFeltSlut[1], 0.6);

  // A fresh record every time: nothing of a previous project survives, and a
  // damaged record (layers not picked, no hardware, no bays) still gives a
  // record without crashing, as the drawings need.
  Inddata tom;
  tom.EL1Mat = 99;
  tom.EL2Mat = -1;
  tom.Beslag = 77;
  BestemTvaersnit(tom, sd);
  ASSERT_NE(sd.EL1Data, nullptr);
  EXPECT_EQ(sd.EL1Data->Navn, "");
  EXPECT_EQ(sd.EL2Data->Navn, "");
  EXPECT_EQ(sd.TerrKatLinie, "");
}

TEST(Overlap, FaellesDel) {
  EXPECT_NAER(Overlap(2.0, 0.0, 3.0, 1.0), 1.0);  // bounds in any order
  EXPECT_NAER(Overlap(0.0, 5.0, 1.0, 2.0), 1.0);  // one inside the other
  EXPECT_EQ(Overlap(0.0, 1.0, 1.0, 2.0), 0.0);    // only touching
  EXPECT_EQ(Overlap(0.0, 1.0, 3.0, 2.0), 0.0);    // disjoint
  EXPECT_EQ(Overlap(1.0, 1.0, 0.0, 2.0), 0.0);    // empty interval
}

}  // namespace
}  // namespace kvistor
