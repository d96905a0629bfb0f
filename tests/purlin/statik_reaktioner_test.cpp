// Reactions of the Gerber chain: worked values, equilibrium, zero moment at
// the hinges, the sweep and the points against the plain sums, and the
// consistency messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "hjaelp/naer.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

using test::DirekteSnit;
using test::EksempelInddata;
using test::TKaede;

TEST(Reaktioner, JaevnLastPaaEksemplet) {
  TKaede k;
  ASSERT_TRUE(k.Jaevn(1.0).Reakt());
  EXPECT_TRUE(k.dialog.kald.empty());
  // Reactions of an independent finite-element model of the chain (kN). The
  // closing pair takes the shear 1 mm beyond the purlin's end, so it also
  // carries the load of that millimetre, 0.001 kN: by hand, a takes
  // +500·0.001/5000 = +0.0001 and b the rest, −0.0011, of the model's values.
  const double fem[] = {-2.601671, -5.881387, -6.019765, -5.912448 + 0.0001, -2.584729 - 0.0011};
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(k.u[i].Rz, fem[i], 1e-6) << i;
    EXPECT_EQ(k.u[i].Ry, 0.0);
  }
  // Extremes per support type, strict comparisons from 0.
  const double rzMin[] = {0, fem[0], fem[2], fem[4]};
  for (int t = 1; t <= 3; ++t) {
    const TFagResultat& f = k.tilf.FagRes[t];
    EXPECT_NEAR(f.RzMin, rzMin[t], 1e-6);
    EXPECT_EQ(f.RzMax, 0.0);
    EXPECT_EQ(f.RyMax, 0.0);
    EXPECT_EQ(f.RyMin, 0.0);
  }
}

TEST(Reaktioner, LigeFagOgJaevnLast) {
  // Gable bays as long as the frame spacing, no overhang: the first piece,
  // a simple span 0..5143 mm hanging at the first hinge, gives by hand
  // Rz = −q·L/2 = −5.143 kN and the same shear at the hinge; no hinge takes
  // a moment.
  Inddata ind = EksempelInddata(6);
  ind.GavlRammeAfst = 6.0;
  ind.GavlUdh = 0;
  TKaede k(ind);
  ASSERT_TRUE(k.Jaevn(2.0).Reakt());
  EXPECT_NEAR(k.u[0].Rz, -5.143, 1e-9);
  EXPECT_NEAR(DirekteSnit(k.l, k.u, k.c[0].x / 1000.0).Vz, -5.143, 1e-9);
  for (const auto& c : k.c) EXPECT_NEAR(DirekteSnit(k.l, k.u, c.x / 1000.0).My, 0.0, 1e-9);
}

TEST(Statik, TilfaeldigeLasterSvarerTilSummerne) {
  // On random loads: equilibrium, no moment at the hinges nor beyond the
  // end, and the sweep and every point's forces equal to the sums evaluated
  // term by term.
  std::mt19937 g(20261206);
  for (int n = 0; n < 150; ++n) {
    TKaede k(EksempelInddata(4 + n % 7));
    k.l = test::TilfaeldigeLaster(g, k.sd, k.u);
    ASSERT_TRUE(k.Loes());
    double skala = 1;
    for (const auto& r : k.u) skala = std::max({skala, std::fabs(r.Rz), std::fabs(r.Ry)});
    const double tolV = 1e-9 * skala * k.u.size(), mSkala = skala * k.sd.LAas / 1000.0;
    // Equilibrium: nothing left 1 mm beyond the end (the closing pair counts
    // the line load to there); no moment at the end nor at any hinge.
    const TSnit efter = DirekteSnit(k.l, k.u, (k.sd.LAas + 1) / 1000.0);
    EXPECT_NEAR(efter.Vz, 0.0, tolV);
    EXPECT_NEAR(efter.Vy, 0.0, tolV);
    std::vector<double> s = {k.sd.LAas / 1000.0};
    for (const auto& c : k.c) s.push_back(c.x / 1000.0);
    for (double v : s) {
      EXPECT_NEAR(DirekteSnit(k.l, k.u, v).My, 0.0, 1e-9 * mSkala);
      EXPECT_NEAR(DirekteSnit(k.l, k.u, v).Mz, 0.0, 1e-9 * mSkala);
    }

    // The points' own forces 1 mm to either side.
    for (const auto& p : k.p) {
      const TSnit v = DirekteSnit(k.l, k.u, (p.xD - 1) / 1000.0);
      const TSnit h = DirekteSnit(k.l, k.u, (p.xD + 1) / 1000.0);
      if (p.xD >= 1) {
        EXPECT_NEAR(p.VzVen, v.Vz, 1e-9 * mSkala);
        EXPECT_NEAR(p.VyVen, v.Vy, 1e-9 * mSkala);
        EXPECT_NEAR(p.MyVen, v.My, 1e-9 * mSkala);
      }
      if (p.xD < k.sd.LAas) {
        EXPECT_NEAR(p.VzHoj, h.Vz, 1e-9 * mSkala);
        EXPECT_NEAR(p.MyHoj, h.My, 1e-9 * mSkala);
      }
    }
    // The curve is in position order and has no duplicate lines.
    const auto& m = k.tilf.MLinier;
    EXPECT_TRUE(std::is_sorted(m.begin(), m.end()));
    EXPECT_EQ(std::adjacent_find(m.begin(), m.end()), m.end());

    // The sweep, at and beside the points and at arbitrary rising positions;
    // asking backwards restarts it.
    TSnitkraefter sweep(k.l.Linielast, k.l.PL, k.u, k.l.KipMomenter);
    s.clear();
    for (const auto& p : k.p)
      for (int d = -1; d <= 1; ++d) s.push_back((p.xD + d) / 1000.0);
    std::uniform_real_distribution<double> pos(0, k.sd.LAas / 1000.0);
    for (int i = 0; i < 50; ++i) s.push_back(pos(g));
    std::sort(s.begin(), s.end());
    s.push_back(s[s.size() / 2]);
    for (double v : s) {
      const TSnit a = sweep.Ved(v), d = DirekteSnit(k.l, k.u, v);
      EXPECT_NEAR(a.Vz, d.Vz, 1e-9 * mSkala) << v;
      EXPECT_NEAR(a.Vy, d.Vy, 1e-9 * mSkala) << v;
      EXPECT_NEAR(a.My, d.My, 1e-9 * mSkala) << v;
      EXPECT_NEAR(a.Mz, d.Mz, 1e-9 * mSkala) << v;
    }
  }
}

TEST(Reaktioner, ForkertAntalUnderstoetningerMeldesOgBeregningenFortsaetter) {
  TKaede k;
  k.c.pop_back();
  k.Jaevn(1.0);
  EXPECT_TRUE(k.Reakt());
  ASSERT_EQ(k.dialog.kald.size(), 2u);
  EXPECT_EQ(k.dialog.kald[0].art, "Fejl");
  EXPECT_EQ(k.dialog.kald[0].tekst, "procedure Reaktioner:\r\n5 reaktioner og 2 charnierer");
  EXPECT_EQ(k.dialog.kald[0].titel, "Fejl i kædelængder");
  EXPECT_EQ(k.dialog.kald[1].art, "Information");
  EXPECT_EQ(k.dialog.kald[1].titel, "R-koordinater");
  EXPECT_EQ(k.dialog.kald[1].tekst, "Proc Reaktioner: ;  0,50;  5,50; 11,50; 17,50; 22,50");
  // Down to one support, and none: nothing carries the purlin, so the case
  // is given up after the message instead of reporting zero reactions.
  k.u.resize(1);
  k.u[0].Rz = 0;
  EXPECT_FALSE(k.Reakt());
  EXPECT_EQ(k.u[0].Rz, 0.0);
  k.u.clear();
  EXPECT_FALSE(k.Reakt(true));
  EXPECT_EQ(k.tilf.Linier.back(), "  Der foreligger ingen reaktioner!");
  EXPECT_EQ(k.dialog.Tekster("Fejl").back(), "procedure Reaktioner:\r\n0 reaktioner og 2 charnierer");
}

TEST(Reaktioner, CharnierOvenPaaSinUnderstoetningAfbryderTilfaeldet) {
  // The field rules let the hinge offset equal the gable-bay span: the
  // first hinge then sits on the left gable support and the first piece
  // has no lever arm. The case is given up with a message instead of
  // dividing by zero.
  Inddata ind = EksempelInddata();
  ind.GavlRammeAfst = 0.857;
  TKaede k(ind);
  ASSERT_EQ(k.c[0].x, k.u[0].x);
  EXPECT_FALSE(k.Jaevn(1.0).Loes());
  ASSERT_EQ(k.dialog.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(k.dialog.Tekster("Fejl")[0].rfind("procedure Reaktioner:\r\n", 0), 0u);
  EXPECT_TRUE(k.p.empty());
}

TEST(Reaktioner, UdskriftAfReaktioner) {
  // Eight supports: a block of seven and a block of one.
  TKaede k(EksempelInddata(7));
  ASSERT_TRUE(k.Jaevn(1.0, 0.5).Reakt(true));
  const auto& L = k.tilf.Linier;
  ASSERT_EQ(L.size(), 9u);
  EXPECT_EQ(L[1], "Regningsmæssige reaktioner (pos som træk):");
  EXPECT_EQ(L[2], "  x (m)         0,50    5,50   11,50   17,50   23,50   29,50   35,50");
  EXPECT_EQ(L[3].substr(0, 20), "  z-retn(kN)   -2,60");
  EXPECT_EQ(L[6], "  x (m)        40,50");
}

}  // namespace
}  // namespace kvistor
