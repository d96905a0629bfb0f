// Discontinuity points, shear and moments per point, zero-shear points,
// extremes per bay type, hinge forces, the curve lines and the printed table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "faelles/format.h"

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

using test::EksempelInddata;
using test::EksempelSupplData;

struct TEksempel {
  Inddata ind = EksempelInddata();
  TSupplData sd = EksempelSupplData(ind);
  TUnderstoetninger u = BygUnderstoetninger(sd, ind.AntalFag);
  TCharnierer c = BygCharnierer(sd, ind.AntalFag);
  TTilfaeldeLaster l;
  TTilfaelde tilf;
  TSkriptetDialog dialog;
  std::vector<TDiskPunkt> p;
  bool Loes(bool detaljeret) {
    return LoesTilfaelde(sd, u, c, l, tilf, detaljeret, dialog, p);
  }
};

TEST(DiskPunkter, SorteretUdenDubletterMedFlag) {
  TEksempel e;
  TilfoejLinielast(e.l.Linielast, 0, 1.0, 0.0);
  TilfoejLinielast(e.l.Linielast, 4643, 0.5, 0.0);  // on the first hinge
  e.l.PL.push_back({5500, 2.0, 0.0});               // exactly on a frame
  const auto p = BygDiskPunkter(e.sd, e.u, e.c, e.l);
  const std::int32_t x[] = {0, 500, 4643, 5500, 10643, 11500, 16643, 17500, 22500, 23000};
  ASSERT_EQ(p.size(), 10u);
  for (std::size_t i = 0; i < p.size(); ++i) EXPECT_EQ(p[i].xD, x[i]);
  EXPECT_TRUE(p[2].ErCharnier);
  EXPECT_FALSE(p[2].ErUnderstoetning);
  EXPECT_TRUE(p[3].ErUnderstoetning);
  EXPECT_FALSE(p[3].ErCharnier);
  EXPECT_FALSE(p[0].ErCharnier || p[0].ErUnderstoetning);
  EXPECT_FALSE(p[9].ErCharnier || p[9].ErUnderstoetning);
  // Types of the neighbouring millimetres: the first hinge starts type 2,
  // the last hinge ends it.
  EXPECT_EQ(p[2].FagVen, 1);
  EXPECT_EQ(p[2].FagHoj, 2);
  EXPECT_EQ(p[6].FagVen, 2);
  EXPECT_EQ(p[6].FagHoj, 3);
  EXPECT_EQ(p[0].FagVen, 1);
  EXPECT_EQ(p[9].FagHoj, 3);
}

TEST(Snitkraefter, JaevnLastPaaEksemplet) {
  TEksempel e;
  TilfoejLinielast(e.l.Linielast, 0, 1.0, 0.0);
  ASSERT_TRUE(e.Loes(false));
  ASSERT_EQ(e.p.size(), 10u);
  const double R1 = e.u[0].Rz;  // about −2.601671

  // Ends: nothing beyond the purlin.
  EXPECT_EQ(e.p.front().VzVen, 0.0);
  EXPECT_EQ(e.p.front().VyVen, 0.0);
  EXPECT_EQ(e.p.front().MyVen, 0.0);
  EXPECT_EQ(e.p.back().VzHoj, 0.0);
  EXPECT_EQ(e.p.back().VyHoj, 0.0);
  EXPECT_EQ(e.p.back().MyHoj, 0.0);

  // Left gable support: by hand V = −0.499 and −0.501 − R1.
  EXPECT_NAER(e.p[1].VzVen, -0.499);
  EXPECT_NAER(e.p[1].VzHoj, -0.501 - R1);
  EXPECT_NAER(e.p[1].MyVen, -0.499 * 0.499 / 2);
  EXPECT_NAER(e.p[1].MyHoj, -0.501 * 0.501 / 2 - 0.001 * R1);

  // First hinge: the first piece's share of the load, about 2.04 kN, hangs
  // on the second piece: F1 = −(smallest Vz at hinge type 1).
  EXPECT_NAER(e.p[2].VzVen, -4.642 - R1);
  EXPECT_NAER(e.p[2].VzHoj, -4.644 - R1);
  const TFagResultat& ke = e.tilf.FagRes[1];
  EXPECT_NAER(ke.VzCharnMin, -4.644 - R1);
  EXPECT_NAER(ke.xVzCharnMin, 4.643);
  EXPECT_NAER(ke.F1, 4.644 + R1);
  EXPECT_EQ(ke.VzCharnMax, 0.0);  // both shears negative: stays at 0
  EXPECT_EQ(ke.F2, 0.0);
  EXPECT_EQ(ke.F3, 0.0);

  // Largest sagging moment of the first piece, by hand with the upward
  // support force R = −R1 and q = 1: the shear vanishes at s = R, where
  // M = −R²/2 + (R − 0.5)·R = R²/2 − 0.5·R, about 2.0835 kNm.
  // The zero is interpolated between the points' outer millimetres, so the
  // position carries a little of that; the moment is flat there.
  const double V1 = e.p[1].VzHoj, V2 = e.p[2].VzVen;
  const double x0 = (500 * V2 - 4643 * V1) / (V2 - V1);
  EXPECT_NAER(ke.xMyMax, x0 / 1000.0);
  EXPECT_NEAR(ke.xMyMax, -R1, 1e-3);
  EXPECT_NEAR(ke.MyMax, R1 * R1 / 2 + 0.5 * R1, 1e-6);
  // Hogging over the left gable support: the overhang's −q·0.499²/2 just
  // left of it (right of it the reaction already relieves 0.001·R1).
  EXPECT_NAER(ke.MyMin, -0.499 * 0.499 / 2);
  EXPECT_NAER(ke.xMyMin, 0.5);

  // Stresses: bending about y only; 1.5·V/A.
  EXPECT_NAER(ke.SigmaMax, ke.MyMax * 1e6 / e.sd.Wy);
  EXPECT_NAER(ke.xSigmaMax, ke.xMyMax);
  double vMax = 0;
  for (const auto& p : e.p)
    if (p.FagVen == 1) vMax = std::max(vMax, std::fabs(p.VzVen));
  for (const auto& p : e.p)
    if (p.FagHoj == 1) vMax = std::max(vMax, std::fabs(p.VzHoj));
  EXPECT_NAER(ke.TauMax, 1500 * vMax / e.sd.A);

  // Every bay type has a sagging maximum and a hogging minimum.
  for (int t = 1; t <= 3; ++t) {
    EXPECT_GT(e.tilf.FagRes[t].MyMax, 0.0);
    EXPECT_LT(e.tilf.FagRes[t].MyMin, 0.0);
  }
}

TEST(Snitkraefter, TilfaeldigeLasterMatcherSummerneIAllePunkter) {
  std::mt19937 g(99);
  for (int n = 0; n < 60; ++n) {
    TEksempel e;
    e.ind = EksempelInddata(4 + n % 4);
    e.sd = EksempelSupplData(e.ind);
    e.u = BygUnderstoetninger(e.sd, e.ind.AntalFag);
    e.c = BygCharnierer(e.sd, e.ind.AntalFag);
    e.l = test::TilfaeldigeLaster(g, e.sd, e.u);
    ASSERT_TRUE(e.Loes(false));
    double skala = 1;
    for (const auto& r : e.u) skala = std::max(skala, std::fabs(r.Rz) * e.sd.LAas / 1000.0);
    for (const auto& p : e.p) {
      if (p.xD >= 1) {
        const TSnit d = test::DirekteSnit(e.l, e.u, (p.xD - 1) / 1000.0);
        EXPECT_NEAR(p.VzVen, d.Vz, 1e-9 * skala);
        EXPECT_NEAR(p.VyVen, d.Vy, 1e-9 * skala);
        EXPECT_NEAR(p.MyVen, d.My, 1e-9 * skala);
      }
      if (p.xD < e.sd.LAas) {
        const TSnit d = test::DirekteSnit(e.l, e.u, (p.xD + 1) / 1000.0);
        EXPECT_NEAR(p.VzHoj, d.Vz, 1e-9 * skala);
        EXPECT_NEAR(p.MyHoj, d.My, 1e-9 * skala);
      }
    }
    // The curve is in position order and has no duplicate lines.
    EXPECT_TRUE(std::is_sorted(e.tilf.MLinier.begin(), e.tilf.MLinier.end()));
    EXPECT_EQ(std::adjacent_find(e.tilf.MLinier.begin(), e.tilf.MLinier.end()),
              e.tilf.MLinier.end());
  }
}

TEST(Snitkraefter, NulforskydningKunVedStriktModsatFortegn) {
  // Section forces are all zero without loads, so only the shears set by
  // hand decide where a zero-shear point is evaluated: it shows as a curve
  // line at its position.
  TEksempel e;
  std::vector<TDiskPunkt> p(5);
  const std::int32_t x[] = {0, 1000, 3000, 5000, 7000};
  for (int i = 0; i < 5; ++i) {
    p[i].xD = x[i];
    p[i].FagVen = p[i].FagHoj = 1;
  }
  p[0].VzHoj = 1;  p[1].VzVen = -1;   // strictly opposite: zero at 500
  p[1].VzHoj = 0;  p[2].VzVen = 5;    // one of them exactly 0: none at 2000
  p[2].VzHoj = 2;  p[3].VzVen = 3;    // same sign: none at 4000
  p[3].VzHoj = -1; p[4].VzVen = 3;    // zero at 5500
  Momenter(e.sd, p, e.u, e.l, e.tilf);
  auto Har = [&](const std::string& pos) {
    return std::any_of(e.tilf.MLinier.begin(), e.tilf.MLinier.end(),
                       [&](const std::string& s) { return s.rfind(pos, 0) == 0; });
  };
  EXPECT_TRUE(Har("000,500"));
  EXPECT_FALSE(Har("002,000"));
  EXPECT_FALSE(Har("004,000"));
  EXPECT_TRUE(Har("005,500"));
  EXPECT_TRUE(Har("000,999"));
  EXPECT_FALSE(Har("-0,001"));  // no line left of the first point
}

TEST(Snitkraefter, MomentKurveLinjer) {
  EXPECT_EQ(MomentKurveLinje(0.499, -0.1245005), "000,499   -0,1245");
  EXPECT_EQ(MomentKurveLinje(12.5, 2.08351), "012,500    2,0835");
  EXPECT_EQ(MomentKurveLinje(0.0, -0.00001), "000,000    0,0000");  // no minus on zero
  // Widths are minima: from 1 km on the fields run together.
  EXPECT_EQ(MomentKurveLinje(1234.5, 1234.5), "1.234,5001.234,5000");
  // Twelfths of the bays: 11 in each of the 4 bays, e.g. 500 + 5000·1 div 12.
  TEksempel e;
  TilfoejLinielast(e.l.Linielast, 0, 1.0, 0.0);
  ASSERT_TRUE(e.Loes(false));
  const auto& m = e.tilf.MLinier;
  EXPECT_TRUE(std::any_of(m.begin(), m.end(),
                          [](const std::string& s) { return s.rfind("000,916", 0) == 0; }));
  EXPECT_TRUE(std::any_of(m.begin(), m.end(),
                          [](const std::string& s) { return s.rfind("022,083", 0) == 0; }));
  // 10 points give 18 lines beside them, 44 samples, 4 zero-shear points
  // (one in each bay; the 12-th samples at 3000, 8500, ... are new points).
  EXPECT_EQ(m.size(), 18u + 44u + 4u);
}

TEST(Snitkraefter, HurtigeTalSomFormat) {
  // The curve's own number texts must be those of the exact routine, ties
  // and minus signs included.
  std::mt19937 g(5);
  std::uniform_real_distribution<double> lille(-2.0, 2.0), stor(-5e6, 5e6);
  std::uniform_int_distribution<long long> hel(-99999999, 99999999);
  for (int i = 0; i < 20000; ++i) {
    for (int d : {2, 3, 4}) {
      const double v[] = {lille(g), stor(g), hel(g) / 1e4, (hel(g) + 0.5) / std::pow(10.0, d),
                          hel(g) / 1000.0, std::ldexp(lille(g), -20)};
      for (double x : v) ASSERT_EQ(TalMedDecimaler(x, d), FormaterFast(x, d, true)) << x;
    }
  }
  EXPECT_EQ(TalMedDecimaler(0.00005, 4), "0,0001");   // a tie in decimal, above it in binary
  EXPECT_EQ(TalMedDecimaler(-0.00004, 4), "0,0000");
  EXPECT_EQ(TalMedDecimaler(1234567.5, 3), "1.234.567,500");
  EXPECT_EQ(TalMedDecimaler(1e300, 4), FormaterFast(1e300, 4, true));
}

TEST(Snitkraefter, UdskriftAfTabelOgForskydningskurve) {
  TEksempel e;
  TilfoejLinielast(e.l.Linielast, 0, 1.0, 0.0);
  ASSERT_TRUE(e.Loes(true));
  const auto& L = e.tilf.Linier;
  // The reactions (one block) come first, then the table.
  const auto start = std::find(L.begin(), L.end(),
                               "Regningsmæssige snitkræfter tv og th for hvert diskontinuitetspunkt:");
  ASSERT_NE(start, L.end());
  const std::vector<std::string> hoved = {
      "Regningsmæssige snitkræfter tv og th for hvert diskontinuitetspunkt:",
      "  Fortegnsdefinitioner for snitkræfter er de klassiske, altså:",
      "  Ved positiv forskydningskraft V påvirkes åsedelen til venstre",
      "  for snittet nedad og åsedelen til højre for snittet opad.",
      "  Ved positivt moment M er der træk i undersiden af åsen.",
      "      xD   VzVen   VzHoj   VyVen   VyHoj   MyVen   MyHoj  char- under-",
      "       m      kN      kN      kN      kN     kNm     kNm  nier  støtn",
      "  --------------------------------------------------------------------",
      // x = 0: −0.001 kN shown without its minus.
      "    0,00    0,00    0,00    0,00    0,00    0,00    0,00            ",
      // x = 0.5 by hand: −0.499; −0.501 + 2.601671; −0.1245; −0.1255 + 0.0026.
      "    0,50   -0,50    2,10    0,00    0,00   -0,12   -0,12          x ",
  };
  ASSERT_GE(L.end() - start, 10 + 8);
  EXPECT_EQ(std::vector<std::string>(start, start + 10), hoved);
  const std::string& charnier = start[10];  // x = 4.643
  EXPECT_EQ(charnier.substr(0, 8), "    4,64");
  EXPECT_EQ(charnier.substr(charnier.size() - 12), "    x       ");
  EXPECT_EQ(L.end() - start, 8 + 10);
  EXPECT_EQ(*(start - 1), "");
  EXPECT_EQ(L.front(), "");
  EXPECT_EQ(L[1], "Regningsmæssige reaktioner (pos som træk):");
  EXPECT_EQ(L[2], "  x (m)         0,50    5,50   11,50   17,50   22,50");
  EXPECT_EQ(L[3], "  z-retn(kN)   -2,60   -5,88   -6,02   -5,91   -2,59");
  EXPECT_EQ(L[4], "  y-retn(kN)    0,00    0,00    0,00    0,00    0,00");

  // Shear curve: two lines per point.
  ASSERT_EQ(e.tilf.QLinier.size(), 20u);
  EXPECT_EQ(e.tilf.QLinier[0], " -0,001      0,00");
  EXPECT_EQ(e.tilf.QLinier[1], "  0,001      0,00");
  EXPECT_EQ(e.tilf.QLinier[2], "  0,499     -0,50");
  EXPECT_EQ(e.tilf.QLinier[3], "  0,501      2,10");
  EXPECT_EQ(e.tilf.QLinier[19], " 23,001      0,00");
}

TEST(Snitkraefter, UdenLasterBlivesAltNul) {
  TEksempel e;
  ASSERT_TRUE(e.Loes(false));
  for (const auto& r : e.u) EXPECT_EQ(r.Rz, 0.0);
  for (int t = 1; t <= 3; ++t) {
    const TFagResultat& f = e.tilf.FagRes[t];
    EXPECT_EQ(f.MyMax, 0.0);
    EXPECT_EQ(f.MyMin, 0.0);
    EXPECT_EQ(f.TauMax, 0.0);
    EXPECT_EQ(f.SigmaMax, 0.0);
    EXPECT_EQ(f.F1, 0.0);
  }
  EXPECT_TRUE(e.tilf.Linier.empty());
  EXPECT_TRUE(e.tilf.QLinier.empty());
}

TEST(Snitkraefter, KombineretSpaending) {
  TEksempel e;  // 200 × 50: Wy = 333 333 mm³, Wz = 83 333 mm³
  // σy = 24 MPa, σz = 1.2 MPa: σy + 0.7·σz.
  EXPECT_NAER(KombineretSpaending(e.sd, 0.1, -8.0), 24.0 + 0.7 * 1.2);
  // σy = 6, σz = 12: 0.7·σy + σz.
  EXPECT_NAER(KombineretSpaending(e.sd, -1.0, 2.0), 0.7 * 6.0 + 12.0);
  // Equal stresses take the first branch.
  EXPECT_NAER(KombineretSpaending(e.sd, 0.5, 2.0), 6.0 + 0.7 * 6.0);
}

}  // namespace
}  // namespace kvistor
