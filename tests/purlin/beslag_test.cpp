// Gerber hardware: the capacities of the catalogue, the guards of the
// combined utilisation and the design block's lines that only an unusual
// joint writes. The ordinary blocks reach the golden reports.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "common/format.h"
#include "hjaelp/golden.h"
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

// The design capacities of every catalogue row on a few purlins, among them
// the worked example W120 fuldt udsømmet on 200 × 54 with kmod 0,9:
// R90,d = 0,014·54·√(110/0,45)·0,9/1,35 = 7,880 kN < F1d = 13,93 kN, so F1d
// and F2d are reduced to it; the B types have no splitting limit (1000).
TEST(Golden, BeslagBaereevner) {
  std::vector<std::string> ud;
  for (int r = 0; r < AntalBeslag; ++r)
    for (auto [h, b] : {std::pair{200.0, 54.0}, {200.0, 75.0}, {127.0, 75.0}, {300.0, 100.0}})
      for (double kmod : {0.9, 1.1}) {
        const TBeslagBaereevner e = Baereevner(r, h, b, kmod);
        std::string l = std::to_string(r) + " " + std::string(BeslagTabel[r].Navn);
        for (double v : {h, b, kmod, e.F1d, e.F2d, e.F3d, e.Nd, e.R90d, e.F1dRed, e.F2dRed})
          l += " " + FormaterFast(v, 6, false);
        ud.push_back(l);
      }
  // The design block of a joint reduced to R90,d, with the guard's 100,00
  // and at least 10.000 % for tension without capacity; and of a B200,
  // which has no splitting limit: no R90,d line.
  TTilfaelde c, d;
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
  d.LK = 3;
  d.kmod = 0.9;
  SaetBeslagBaereevner(d, BeslagTabel[32], sd, 200, 75);
  SkrivDimensionering(d, sd, "B");
  for (const auto* l : {&c.Linier, &d.Linier}) ud.insert(ud.end(), l->begin(), l->end());
  // A deflection combination has no capacities.
  TTilfaelde e;
  e.LK = 11;
  e.kmod = 1.0;
  e.F1d = 7;
  SaetBeslagBaereevner(e, BeslagTabel[4], sd, 200, 54);
  ud.push_back(test::Tal(e.F1d) + test::Tal(e.F1dRed) + test::Tal(e.FdKopi[0]));
  test::SammenlignMedGolden("beslag baereevner.txt", ud);
}

TEST(BeslagBaereevner, BeslagLigeSaaHoejtSomAasenKanIkkeBaereNoget) {
  // W260 (H1 = 260) kept on a 250 mm purlin: he = 250 = h; the expression
  // has no value there, the joint has no splitting capacity.
  EXPECT_EQ(FlaekningsBaereevne(280, 260, 250, 75, 0.9, 1.35), 0.0);
  EXPECT_EQ(FlaekningsBaereevne(280, 260, 240, 75, 0.9, 1.35), 0.0);
  const TBeslagBaereevner b = Baereevner(25, 250, 75, 0.9);
  EXPECT_EQ(b.F1dRed, 0.0);
  EXPECT_TRUE(std::isfinite(b.R90d));
  // Any downward hinge force is then "not taken at all" (100 = 10 000 %).
  const TBeslagUdnyttelse u = BeregnBeslagUdnyttelse(1.0, 0.0, 0.0, 0.0, 0.0, b);
  EXPECT_EQ(u.alfaF1, 100.0);
  EXPECT_GE(u.UGBeslag, 100.0);
}

TEST(BeslagUdnyttelse, TraekFlytningOgVagt) {
  TBeslagBaereevner b;
  b.F1dRed = 10;
  b.F2dRed = 5;
  b.F3d = 4;
  b.Nd = 20;
  // No tension: quadratic; FlytFaktor 0,25 with F3 = 2 adds |2·0,25·2| = 1
  // to both z forces.
  TBeslagUdnyttelse u = BeregnBeslagUdnyttelse(3.0, 1.0, 2.0, 0.0, 0.25, b);
  EXPECT_NAER(u.F1, 4.0);
  EXPECT_NAER(u.F2, 2.0);
  EXPECT_NAER(u.UGBeslag, std::hypot(0.4, 0.5));
  EXPECT_EQ(u.UGsum, 0.0);
  // alfaF2 wins only when strictly larger; with tension the 1,25 power sum.
  u = BeregnBeslagUdnyttelse(1.0, 4.0, 2.0, 10.0, 0.0, b);
  EXPECT_NAER(u.alfaN, 0.5);
  EXPECT_NAER(u.UGBeslag, std::pow(std::pow(0.8, 1.25) + std::pow(std::hypot(0.5, 0.5), 1.25), 0.8));
  // Nk = 0 and a hinge tension: alfaN = 100.
  b.Nd = 0;
  EXPECT_EQ(BeregnBeslagUdnyttelse(1.0, 0.0, 0.0, 0.3, 0.0, b).alfaN, 100.0);
  // Guard: capacity under 0,001 kN gives 100 for a force, 0 for none; no
  // value is never a small one.
  EXPECT_EQ(BeslagForhold(0.0, 0.0005), 0.0);
  EXPECT_EQ(BeslagForhold(0.2, 0.0005), 100.0);
  EXPECT_NAER(BeslagForhold(0.2, 0.001), 200.0);
  EXPECT_EQ(BeslagForhold(0.2, std::nan("")), 100.0);
  EXPECT_EQ(BeslagForhold(std::nan(""), 5.0), 100.0);
}

}  // namespace
}  // namespace kvistor
