// Gerber hardware: design capacities, the splitting limit, the combined
// utilisation and the per-case design block.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hjaelp/naer.h"
#include "project/katalog.h"
#include "purlin/beslag.h"
#include "purlin/dimensionering.h"
#include "purlin/tilfaelde.h"

namespace kvistor {
namespace {

TBeslagBaereevner Baereevner(int raekke, double h, double b, double kmod) {
  return BeregnBeslagBaereevner(BeslagKarakteristisk(BeslagTabel[raekke]), h, b, kmod, 1.35);
}

TEST(BeslagBaereevner, DesignvaerdierOgFlaekning) {
  // W90 m. 4 søm (row 0) in LK 5, service class 2: kmod 1,1, gamma 1,35:
  // 3,7·1,1/1,35; 2,7·1,1/1,35 = 2,2; Nk = 0. With he = 80, h = 200,
  // b = 75: R90,d = 0,014·75·√(80/0,6)·1,1/1,35 = 9,879.. > F1d, no limit.
  TBeslagBaereevner b = Baereevner(0, 200, 75, 1.1);
  EXPECT_NAER(b.F1d, 3.7 * 1.1 / 1.35);
  EXPECT_NAER(b.F2d, 3.7 * 1.1 / 1.35);
  EXPECT_NAER(b.F3d, 2.2);
  EXPECT_EQ(b.Nd, 0.0);
  EXPECT_NAER(b.R90d, 0.014 * 75 * std::sqrt(80.0 / 0.6) * 1.1 / 1.35);
  EXPECT_NAER(b.F1dRed, b.F1d);
  // Worked example, W120 fuldt udsømmet: b = 54, h = 200, H1 = 120, kmod 0,9:
  // R90,d = 0,014·54·√(110/0,45)·0,9/1,35 = 7,880 kN < 20,9·0,9/1,35 = 13,93 kN.
  ASSERT_EQ(BeslagTabel[4].Navn, "Simpson GER W120 fuldt udsømmet  ");
  b = Baereevner(4, 200, 54, 0.9);
  EXPECT_NAER(b.F1d, 13.9333333333333, 1e-12);
  EXPECT_NAER(b.R90d, 7.880, 1e-3);
  EXPECT_NAER(b.F1dRed, b.R90d);
  EXPECT_NAER(b.F2dRed, b.R90d);
  EXPECT_NAER(b.F3d, 7.4 * 0.9 / 1.35);
  // The B types have no splitting limit.
  for (int r = 26; r < AntalBeslag; ++r) {
    b = Baereevner(r, 200, 75, 0.9);
    EXPECT_EQ(b.R90d, 1000.0) << r;
    EXPECT_NAER(b.F1dRed, b.F1d);
  }
}

TEST(BeslagBaereevner, BeslagLigeSaaHoejtSomAasenKanIkkeBaereNoget) {
  // W260 (H1 = 260) kept on a 250 mm purlin: he = 250 = h; the expression
  // has no value there, the joint has no splitting capacity.
  EXPECT_EQ(FlaekningsBaereevne(280, 260, 250, 75, 0.9, 1.35), 0.0);
  EXPECT_EQ(FlaekningsBaereevne(280, 260, 240, 75, 0.9, 1.35), 0.0);
  const TBeslagBaereevner b = Baereevner(25, 250, 75, 0.9);
  EXPECT_EQ(b.F1dRed, 0.0);
  EXPECT_EQ(b.F2dRed, 0.0);
  EXPECT_TRUE(std::isfinite(b.R90d));
  // Any downward hinge force is then "not taken at all" (100 = 10 000 %).
  const TBeslagUdnyttelse u = BeregnBeslagUdnyttelse(1.0, 0.0, 0.0, 0.0, 0.0, b);
  EXPECT_EQ(u.alfaF1, 100.0);
  EXPECT_GE(u.UGBeslag, 100.0);
}

TEST(BeslagUdnyttelse, W90UdenOgMedTraek) {
  const TBeslagBaereevner b = Baereevner(0, 200, 75, 1.1);
  const double aF = 1.5 / b.F1d;
  // No tension: quadratic, alfaF3 = 1,1/2,2.
  TBeslagUdnyttelse u = BeregnBeslagUdnyttelse(1.5, 0.5, 1.1, 0.0, 0.0, b);
  EXPECT_EQ(u.alfaN, 0.0);
  EXPECT_NAER(u.alfaF3, 0.5);
  EXPECT_NAER(u.UGBeslag, std::hypot(aF, 0.5));
  EXPECT_EQ(u.UGsum, 0.0);
  // Nk = 0 and a hinge tension: alfaN = 100, UG ≥ 100^(1,25·0,8) = 100.
  u = BeregnBeslagUdnyttelse(1.5, 0.5, 1.1, 0.3, 0.0, b);
  EXPECT_EQ(u.alfaN, 100.0);
  const double sum = std::pow(aF, 1.25) + std::pow(std::hypot(0.5, 100.0), 1.25);
  EXPECT_NAER(u.UGsum, sum);
  EXPECT_NAER(u.UGBeslag, std::pow(sum, 0.8));
}

TEST(BeslagUdnyttelse, FlytningsbidragOgVagt) {
  TBeslagBaereevner b;
  b.F1dRed = 10;
  b.F2dRed = 5;
  b.F3d = 4;
  b.Nd = 20;
  // FlytFaktor 0 leaves F1 and F2 alone.
  TBeslagUdnyttelse u = BeregnBeslagUdnyttelse(3.0, 1.0, 2.0, 0.0, 0.0, b);
  EXPECT_EQ(u.F1, 3.0);
  EXPECT_EQ(u.F2, 1.0);
  // FlytFaktor 0,25, F3 = 2: F3,flyt = |2·0,25·2| = 1 on both z forces.
  u = BeregnBeslagUdnyttelse(3.0, 1.0, 2.0, 0.0, 0.25, b);
  EXPECT_NAER(u.F1, 4.0);
  EXPECT_NAER(u.F2, 2.0);
  EXPECT_NAER(u.alfaF1, 0.4);
  EXPECT_NAER(u.alfaF2, 0.4);
  // alfaF2 wins only when strictly larger; with tension the 1,25 power sum.
  u = BeregnBeslagUdnyttelse(1.0, 4.0, 2.0, 10.0, 0.0, b);
  EXPECT_NAER(u.alfaN, 0.5);
  EXPECT_NAER(u.UGBeslag, std::pow(std::pow(0.8, 1.25) + std::pow(std::hypot(0.5, 0.5), 1.25), 0.8));
  // Guard: capacity under 0,001 kN gives 100 for a force, 0 for none; no
  // value is never a small one.
  EXPECT_EQ(BeslagForhold(0.0, 0.0005), 0.0);
  EXPECT_EQ(BeslagForhold(0.2, 0.0005), 100.0);
  EXPECT_NAER(BeslagForhold(0.2, 0.001), 200.0);
  EXPECT_EQ(BeslagForhold(0.2, std::nan("")), 100.0);
  EXPECT_EQ(BeslagForhold(std::nan(""), 5.0), 100.0);
}

TEST(BeslagTilfaelde, DeformationskombinationerHarIngenBaereevner) {
  TTilfaelde c;
  TSupplData sd;
  sd.GammaMBeslag = 1.35;
  c.LK = 11;
  c.kmod = 1.0;
  c.F1d = 7;
  SaetBeslagBaereevner(c, BeslagTabel[4], sd, 200, 54);
  EXPECT_EQ((std::vector<double>{c.F1d, c.F1dRed, c.FdKopi[0]}), std::vector<double>(3, 0.0));
  c.LK = 3;
  c.kmod = 0.9;
  SaetBeslagBaereevner(c, BeslagTabel[4], sd, 200, 54);
  EXPECT_NAER(c.FdKopi[0], c.F1d);
  EXPECT_NAER(c.F1dRed, 7.880, 1e-3);
}

// The design block: line formats, R90,d line only when reduced, guarded
// ratio printed as 100,00.
TEST(Dimensionering, BrudkombinationMedReduktionOgVagt) {
  TTilfaelde c;
  TSupplData sd;
  sd.GammaMBeslag = 1.35;
  sd.fmd = 10.125;
  c.LK = 5;
  c.kmod = 0.9;
  c.fmkd = 9.1125;
  SaetBeslagBaereevner(c, BeslagTabel[4], sd, 200, 54);
  c.FagRes[1].MyMax = 1234.5;
  c.FagRes[1].xMyMax = 2.5;
  c.FagRes[2].UGBoej = 0.876;
  c.FagRes[2].N = 1.0;
  c.FagRes[1].VzCharnMin = -2.0;
  c.FagRes[1].F1 = 2.0;
  c.FagRes[3].F3 = 0.5;
  BestemUGBeslag(c, sd);
  c.FagRes[1].alfaF3 = 100.0;  // as the guard gives for a missing capacity
  SkrivDimensionering(c, sd, BeslagTabel[4].Navn.data());
  const auto& L = c.Linier;
  ASSERT_GE(L.size(), 46u);
  EXPECT_EQ(L[2], "  fmd = 10,13 MPa; kmod = 0,90 => fmkd = fmd*kmod = 9,11 MPa");
  EXPECT_EQ(L[7], "  Pos. mom.:    værdi  1.234,50 kNm      0,00 kNm      0,00 kNm");
  EXPECT_EQ(L[15], "  Udnyttelsesgrad             0 %          88 %           0 %  ");
  EXPECT_EQ(L[21], "  F1d skal reduceres til flækningsbæreevnen R90,d = 7,88 kN");
  EXPECT_EQ(L[41], "  alfaF3 = F3/F3d        100,00          0,00          0,10    ");
  // Nd = 0 with tension: UG at least 10.000 %.
  EXPECT_EQ(L.back().substr(0, 21), "  UG                 ");
  EXPECT_NE(L.back().find("10.0"), std::string::npos) << L.back();
}

TEST(Dimensionering, DeformationstilfaeldeOgIngenFlaekningsgraense) {
  // A deflection case writes the section forces only.
  TTilfaelde c;
  TSupplData sd;
  c.LK = 10;
  SkrivDimensionering(c, sd, "x");
  ASSERT_EQ(c.Linier.size(), 8u);
  EXPECT_EQ(c.Linier[1], "Udvalgte regningsmæssige snitkræfter:");
  EXPECT_EQ(c.Linier[3], "Maksimale momenter om åsens y-akse:");
  // B200 has no splitting limit: no R90,d line.
  TTilfaelde b;
  sd.GammaMBeslag = 1.35;
  b.LK = 3;
  b.kmod = 0.9;
  SaetBeslagBaereevner(b, BeslagTabel[32], sd, 200, 75);
  SkrivDimensionering(b, sd, "B");
  for (const auto& l : b.Linier) EXPECT_EQ(l.find("R90,d"), std::string::npos) << l;
}

}  // namespace
}  // namespace kvistor
