// Reactions of the Gerber chain: worked values, equilibrium, zero moment at
// the hinges, the sweep against the plain sums, and the consistency messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

using test::DirekteSnit;
using test::EksempelInddata;
using test::EksempelSupplData;

struct TKaede {
  Inddata ind;
  TSupplData sd;
  TUnderstoetninger u;
  TCharnierer c;
  explicit TKaede(const Inddata& i) : ind(i), sd(EksempelSupplData(i)) {
    u = BygUnderstoetninger(sd, ind.AntalFag);
    c = BygCharnierer(sd, ind.AntalFag);
  }
};

TEST(Reaktioner, JaevnLastPaaEksemplet) {
  TKaede k(EksempelInddata());
  TTilfaeldeLaster l;
  TilfoejLinielast(l.Linielast, 0, 1.0, 0.0);
  TTilfaelde tilf;
  TSkriptetDialog dialog;
  ASSERT_TRUE(Reaktioner(k.sd, k.u, k.c, l, tilf, false, dialog));
  EXPECT_TRUE(dialog.kald.empty());
  // Reactions of an independent finite-element model of the chain (kN).
  EXPECT_NEAR(k.u[0].Rz, -2.601671, 1e-6);
  EXPECT_NEAR(k.u[1].Rz, -5.881387, 1e-6);
  EXPECT_NEAR(k.u[2].Rz, -6.019765, 1e-6);
  // The closing pair takes the shear 1 mm beyond the purlin's end, so it
  // also carries the load of that millimetre, 0.001 kN: by hand, a takes
  // +500·0.001/5000 = +0.0001 and b the rest, −0.0011, of the model's values.
  EXPECT_NEAR(k.u[3].Rz, -5.912448 + 0.0001, 1e-6);
  EXPECT_NEAR(k.u[4].Rz, -2.584729 - 0.0011, 1e-6);
  for (const auto& r : k.u) EXPECT_EQ(r.Ry, 0.0);

  // Extremes per support type, strict comparisons from 0.
  EXPECT_NEAR(tilf.FagRes[1].RzMin, -2.601671, 1e-6);
  EXPECT_NEAR(tilf.FagRes[2].RzMin, -6.019765, 1e-6);
  EXPECT_NEAR(tilf.FagRes[3].RzMin, -2.585829, 1e-6);
  for (int t = 1; t <= 3; ++t) {
    EXPECT_EQ(tilf.FagRes[t].RzMax, 0.0);
    EXPECT_EQ(tilf.FagRes[t].RyMax, 0.0);
    EXPECT_EQ(tilf.FagRes[t].RyMin, 0.0);
  }
}

TEST(Reaktioner, LigevaegtOgNulmomentICharniererneForTilfaeldigeLaster) {
  std::mt19937 g(20261206);
  for (int n = 0; n < 200; ++n) {
    TKaede k(EksempelInddata(4 + n % 5));
    const TTilfaeldeLaster l = test::TilfaeldigeLaster(g, k.sd, k.u);
    TTilfaelde tilf;
    TSkriptetDialog dialog;
    ASSERT_TRUE(Reaktioner(k.sd, k.u, k.c, l, tilf, false, dialog));

    // Total load, the line load counted to 1 mm beyond the end as the
    // closing pair does.
    const double ende = (k.sd.LAas + 1) / 1000.0;
    double lastZ = 0, lastY = 0, skala = 1;
    for (const auto& q : l.Linielast) {
      lastZ += (ende - q.x / 1000.0) * q.dqz;
      lastY += (ende - q.x / 1000.0) * q.dqy;
    }
    for (const auto& p : l.PL) {
      lastZ += p.Pz;
      lastY += p.Py;
    }
    double sumZ = 0, sumY = 0;
    for (const auto& r : k.u) {
      sumZ += r.Rz;
      sumY += r.Ry;
      skala = std::max({skala, std::fabs(r.Rz), std::fabs(r.Ry)});
    }
    EXPECT_NEAR(sumZ, -lastZ, 1e-9 * skala * k.u.size());
    EXPECT_NEAR(sumY, -lastY, 1e-9 * skala * k.u.size());

    // No moment at any hinge, and none left at the purlin's end.
    const double mSkala = skala * k.sd.LAas / 1000.0;
    for (const auto& c : k.c) {
      const TSnit s = DirekteSnit(l, k.u, c.x / 1000.0);
      EXPECT_NEAR(s.My, 0.0, 1e-9 * mSkala);
      EXPECT_NEAR(s.Mz, 0.0, 1e-9 * mSkala);
    }
    const TSnit slut = DirekteSnit(l, k.u, k.sd.LAas / 1000.0);
    EXPECT_NEAR(slut.My, 0.0, 1e-9 * mSkala);
    EXPECT_NEAR(slut.Mz, 0.0, 1e-9 * mSkala);
    const TSnit efter = DirekteSnit(l, k.u, ende);
    EXPECT_NEAR(efter.Vz, 0.0, 1e-9 * skala);
  }
}

TEST(Reaktioner, LigeFagOgJaevnLast) {
  // Gable bays as long as the frame spacing, no overhang: the first piece
  // spans from the gable support to the first hinge and hangs there on the
  // next piece; the shear at the hinge is its reaction share, the moment 0.
  Inddata ind = EksempelInddata(6);
  ind.GavlRammeAfst = 6.0;
  ind.GavlUdh = 0;
  TKaede k(ind);
  TTilfaeldeLaster l;
  TilfoejLinielast(l.Linielast, 0, 2.0, 0.0);
  TTilfaelde tilf;
  TSkriptetDialog dialog;
  ASSERT_TRUE(Reaktioner(k.sd, k.u, k.c, l, tilf, false, dialog));
  // The first piece: simple span 0..5143 mm supported at 0 and hanging at the
  // hinge, so by hand Rz = −q·L/2 = −5.143 kN and the hinge force q·L/2.
  EXPECT_NEAR(k.u[0].Rz, -5.143, 1e-9);
  const TSnit vedCharnier = DirekteSnit(l, k.u, k.c[0].x / 1000.0);
  EXPECT_NEAR(vedCharnier.My, 0.0, 1e-9);
  EXPECT_NEAR(vedCharnier.Vz, -5.143, 1e-9);  // the suspended piece's share
  for (const auto& c : k.c) EXPECT_NEAR(DirekteSnit(l, k.u, c.x / 1000.0).My, 0.0, 1e-9);
}

TEST(Reaktioner, ForkertAntalUnderstoetningerMeldesOgBeregningenFortsaetter) {
  TKaede k(EksempelInddata());
  k.c.pop_back();
  TTilfaeldeLaster l;
  TilfoejLinielast(l.Linielast, 0, 1.0, 0.0);
  TTilfaelde tilf;
  TSkriptetDialog dialog;
  EXPECT_TRUE(Reaktioner(k.sd, k.u, k.c, l, tilf, false, dialog));
  ASSERT_EQ(dialog.kald.size(), 2u);
  EXPECT_EQ(dialog.kald[0].art, "Fejl");
  EXPECT_EQ(dialog.kald[0].tekst, "procedure Reaktioner:\r\n5 reaktioner og 2 charnierer");
  EXPECT_EQ(dialog.kald[0].titel, "Fejl i kædelængder");
  EXPECT_EQ(dialog.kald[1].art, "Information");
  EXPECT_EQ(dialog.kald[1].titel, "R-koordinater");
  EXPECT_EQ(dialog.kald[1].tekst,
            "Proc Reaktioner: ;  0,50;  5,50; 11,50; 17,50; 22,50");

  // Down to one support, and none: nothing carries the purlin, so the case
  // is given up after the message instead of reporting zero reactions.
  k.u.resize(1);
  k.u[0].Rz = 0;
  EXPECT_FALSE(Reaktioner(k.sd, k.u, k.c, l, tilf, false, dialog));
  EXPECT_EQ(k.u[0].Rz, 0.0);
  k.u.clear();
  EXPECT_FALSE(Reaktioner(k.sd, k.u, k.c, l, tilf, true, dialog));
  EXPECT_EQ(tilf.Linier.back(), "  Der foreligger ingen reaktioner!");
  EXPECT_EQ(dialog.Tekster("Fejl").back(), "procedure Reaktioner:\r\n0 reaktioner og 2 charnierer");
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
  TTilfaeldeLaster l;
  TilfoejLinielast(l.Linielast, 0, 1.0, 0.0);
  TTilfaelde tilf;
  TSkriptetDialog dialog;
  EXPECT_FALSE(Reaktioner(k.sd, k.u, k.c, l, tilf, false, dialog));
  ASSERT_EQ(dialog.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(dialog.Tekster("Fejl")[0].rfind("procedure Reaktioner:\r\n", 0), 0u);
  std::vector<TDiskPunkt> p;
  EXPECT_FALSE(LoesTilfaelde(k.sd, k.u, k.c, l, tilf, false, dialog, p));
  EXPECT_TRUE(p.empty());
}

TEST(Reaktioner, UdskriftAfReaktioner) {
  // Eight supports: a block of seven and a block of one.
  TKaede k(EksempelInddata(7));
  TTilfaeldeLaster l;
  TilfoejLinielast(l.Linielast, 0, 1.0, 0.5);
  TTilfaelde tilf;
  TSkriptetDialog dialog;
  ASSERT_TRUE(Reaktioner(k.sd, k.u, k.c, l, tilf, true, dialog));
  ASSERT_EQ(tilf.Linier.size(), 9u);
  EXPECT_EQ(tilf.Linier[0], "");
  EXPECT_EQ(tilf.Linier[1], "Regningsmæssige reaktioner (pos som træk):");
  EXPECT_EQ(tilf.Linier[2],
            "  x (m)         0,50    5,50   11,50   17,50   23,50   29,50   35,50");
  EXPECT_EQ(tilf.Linier[3].substr(0, 20), "  z-retn(kN)   -2,60");
  EXPECT_EQ(tilf.Linier[4].substr(0, 20), "  y-retn(kN)   -1,30");
  EXPECT_EQ(tilf.Linier[5], "");
  EXPECT_EQ(tilf.Linier[6], "  x (m)        40,50");
  EXPECT_EQ(tilf.Linier[7].size(), 20u);
}

TEST(Snitkraefter, SweepSvarerTilSummerne) {
  // The sweep against the sums evaluated term by term, on random loads, at
  // the points the statics asks for and at arbitrary rising positions.
  std::mt19937 g(7);
  for (int n = 0; n < 100; ++n) {
    TKaede k(EksempelInddata(4 + n % 7));
    const TTilfaeldeLaster l = test::TilfaeldigeLaster(g, k.sd, k.u);
    TTilfaelde tilf;
    TSkriptetDialog dialog;
    ASSERT_TRUE(Reaktioner(k.sd, k.u, k.c, l, tilf, false, dialog));
    TSnitkraefter sweep(l.Linielast, l.PL, k.u, l.KipMomenter);
    std::vector<double> s;
    for (const auto& p : BygDiskPunkter(k.sd, k.u, k.c, l)) {
      s.push_back((p.xD - 1) / 1000.0);
      s.push_back(p.xD / 1000.0);
      s.push_back((p.xD + 1) / 1000.0);
    }
    std::uniform_real_distribution<double> pos(0, k.sd.LAas / 1000.0);
    for (int i = 0; i < 50; ++i) s.push_back(pos(g));
    std::sort(s.begin(), s.end());
    double skala = 1;
    for (double v : s) {
      const TSnit d = DirekteSnit(l, k.u, v);
      skala = std::max({skala, std::fabs(d.My), std::fabs(d.Mz), std::fabs(d.Vz), std::fabs(d.Vy)});
    }
    for (double v : s) {
      const TSnit a = sweep.Ved(v), d = DirekteSnit(l, k.u, v);
      EXPECT_NEAR(a.Vz, d.Vz, 1e-9 * skala) << v;
      EXPECT_NEAR(a.Vy, d.Vy, 1e-9 * skala) << v;
      EXPECT_NEAR(a.My, d.My, 1e-9 * skala) << v;
      EXPECT_NEAR(a.Mz, d.Mz, 1e-9 * skala) << v;
    }
    // Asking backwards restarts the sweep and stays right.
    const TSnit a = sweep.Ved(s[s.size() / 2]), d = DirekteSnit(l, k.u, s[s.size() / 2]);
    EXPECT_NEAR(a.My, d.My, 1e-9 * skala);
  }
}

}  // namespace
}  // namespace kvistor
