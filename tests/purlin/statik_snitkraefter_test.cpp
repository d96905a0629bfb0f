// Discontinuity points, section forces of the worked example, zero-shear
// points, hinge forces, the curve lines and the printed table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "faelles/format.h"
#include "hjaelp/naer.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

using test::TKaede;

bool Har(const std::vector<std::string>& linier, const std::string& start) {
  return std::any_of(linier.begin(), linier.end(),
                     [&](const std::string& s) { return s.rfind(start, 0) == 0; });
}

TEST(DiskPunkter, SorteretUdenDubletterMedFlag) {
  TKaede e;
  e.Jaevn(1.0);
  TilfoejLinielast(e.l.Linielast, 4643, 0.5, 0.0);  // on the first hinge
  e.l.PL.push_back({5500, 2.0, 0.0});               // exactly on a frame
  // x, c(harnier), u(nderstøtning), type 1 mm left and right.
  std::string s;
  for (const auto& p : BygDiskPunkter(e.sd, e.u, e.c, e.l))
    s += std::to_string(p.xD) + (p.ErCharnier ? "c" : "") + (p.ErUnderstoetning ? "u" : "") + ":" +
         std::to_string(p.FagVen) + std::to_string(p.FagHoj) + " ";
  EXPECT_EQ(s, "0:11 500u:11 4643c:12 5500u:22 10643c:22 11500u:22 16643c:23 17500u:33 22500u:33 "
               "23000:33 ");
}

TEST(Snitkraefter, JaevnLastPaaEksemplet) {
  TKaede e;
  ASSERT_TRUE(e.Jaevn(1.0).Loes());
  ASSERT_EQ(e.p.size(), 10u);
  const double R1 = e.u[0].Rz;  // about −2.601671
  // Ends: nothing beyond the purlin.
  const TDiskPunkt &f = e.p.front(), &b = e.p.back();
  EXPECT_EQ((std::vector<double>{f.VzVen, f.VyVen, f.MyVen, b.VzHoj, b.VyHoj, b.MyHoj}),
            std::vector<double>(6, 0.0));
  // Right of the left gable support: by hand V = −0.501 − R1 and the
  // overhang's moment relieved by 1 mm of the reaction.
  EXPECT_NAER(e.p[1].VzHoj, -0.501 - R1);
  EXPECT_NAER(e.p[1].MyHoj, -0.501 * 0.501 / 2 - 0.001 * R1);
  // First hinge: the first piece's share of the load, about 2.04 kN, hangs
  // on the second piece; both shears negative, so F2 stays at 0.
  const TFagResultat& ke = e.tilf.FagRes[1];
  EXPECT_NAER(ke.F1, 4.644 + R1);
  EXPECT_NAER(ke.xVzCharnMin, 4.643);
  EXPECT_EQ(ke.F2, 0.0);
  // Largest sagging moment of the first piece, by hand with the upward
  // support force R = −R1 and q = 1: the shear vanishes at s = R, where
  // M = −R²/2 + (R − 0.5)·R = R²/2 − 0.5·R, about 2.0835 kNm. The zero is
  // interpolated between the points' outer millimetres, so the position
  // carries a little of that; the moment is flat there.
  const double V1 = e.p[1].VzHoj, V2 = e.p[2].VzVen;
  EXPECT_NAER(ke.xMyMax, (500 * V2 - 4643 * V1) / (V2 - V1) / 1000.0);
  EXPECT_NEAR(ke.xMyMax, -R1, 1e-3);
  EXPECT_NEAR(ke.MyMax, R1 * R1 / 2 + 0.5 * R1, 1e-6);
  // Hogging over the left gable support: the overhang's −q·0.499²/2 just
  // left of it.
  EXPECT_NAER(ke.MyMin, -0.499 * 0.499 / 2);
  EXPECT_NAER(ke.xMyMin, 0.5);
  // Stresses: bending about y only; 1.5·V/A at the largest shear, just
  // right of the support.
  EXPECT_NAER(ke.SigmaMax, ke.MyMax * 1e6 / e.sd.Wy);
  EXPECT_NAER(ke.TauMax, 1500 * e.p[1].VzHoj / 10000);
  EXPECT_NAER(ke.xTauMax, 0.5);
}

TEST(Snitkraefter, NulforskydningKunVedStriktModsatFortegn) {
  // Section forces are all zero without loads, so only the shears set by
  // hand decide where a zero-shear point is evaluated: it shows as a curve
  // line at its position.
  TKaede e;
  std::vector<TDiskPunkt> p(5);
  const std::int32_t x[] = {0, 1000, 3000, 5000, 7000};
  for (int i = 0; i < 5; ++i) {
    p[i].xD = x[i];
    p[i].FagVen = p[i].FagHoj = 1;
  }
  p[0].VzHoj = 1;  p[1].VzVen = -1;   // strictly opposite: zero at 500
  p[1].VzHoj = 0;  p[2].VzVen = 5;    // one of them exactly 0: none (it would sit at 1000)
  p[2].VzHoj = 2;  p[3].VzVen = 3;    // same sign: none at 4000
  p[3].VzHoj = -1; p[4].VzVen = 3;    // zero at 5500
  Momenter(e.sd, p, e.u, e.l, e.tilf);
  const auto& m = e.tilf.MLinier;
  EXPECT_TRUE(Har(m, "000,500"));
  EXPECT_FALSE(Har(m, "001,000"));
  EXPECT_FALSE(Har(m, "004,000"));
  EXPECT_TRUE(Har(m, "005,500"));
  EXPECT_TRUE(Har(m, "000,999"));
  EXPECT_FALSE(Har(m, "-0,001"));  // no line left of the first point
}

TEST(Snitkraefter, MomentKurveLinjer) {
  EXPECT_EQ(MomentKurveLinje(0.499, -0.1245005), "000,499   -0,1245");
  EXPECT_EQ(MomentKurveLinje(0.0, -0.00001), "000,000    0,0000");  // no minus on zero
  // Widths are minima: from 1 km on the fields run together.
  EXPECT_EQ(MomentKurveLinje(1234.5, 1234.5), "1.234,5001.234,5000");
  // Twelfths of the bays: 11 in each of the 4 bays, e.g. 500 + 5000·1 div 12.
  // 10 points give 18 lines beside them, 44 samples, 4 zero-shear points
  // (one in each bay; the 12-th samples at 3000, 8500, ... are new points).
  TKaede e;
  ASSERT_TRUE(e.Jaevn(1.0).Loes());
  EXPECT_TRUE(Har(e.tilf.MLinier, "000,916"));
  EXPECT_TRUE(Har(e.tilf.MLinier, "022,083"));
  EXPECT_EQ(e.tilf.MLinier.size(), 18u + 44u + 4u);
}

TEST(Snitkraefter, HurtigeTalSomFormat) {
  // The curve's own number texts must be those of the exact routine, ties
  // and minus signs included.
  std::mt19937 g(5);
  std::uniform_real_distribution<double> lille(-2.0, 2.0), stor(-5e6, 5e6);
  std::uniform_int_distribution<long long> hel(-99999999, 99999999);
  for (int i = 0; i < 20000; ++i)
    for (int d : {2, 3, 4}) {
      const double v[] = {lille(g), stor(g), hel(g) / 1e4, (hel(g) + 0.5) / std::pow(10.0, d),
                          hel(g) / 1000.0, std::ldexp(lille(g), -20)};
      for (double x : v) ASSERT_EQ(TalMedDecimaler(x, d), FormaterFast(x, d, true)) << x;
    }
  EXPECT_EQ(TalMedDecimaler(0.00005, 4), "0,0001");  // a tie in decimal, above it in binary
  EXPECT_EQ(TalMedDecimaler(-0.00004, 4), "0,0000");
  EXPECT_EQ(TalMedDecimaler(1234567.5, 3), "1.234.567,500");
  EXPECT_EQ(TalMedDecimaler(1e300, 4), FormaterFast(1e300, 4, true));
}

TEST(Snitkraefter, UdskriftAfTabelOgForskydningskurve) {
  TKaede e;
  ASSERT_TRUE(e.Jaevn(1.0).Loes(true));
  const auto& L = e.tilf.Linier;
  // The reactions (one block of five lines) come first, then the table:
  // an empty line, title, four lines of sign rules, heading, rule, 10 points.
  ASSERT_EQ(L.size(), 5u + 1 + 8 + 10);
  EXPECT_EQ(L[6], "Regningsmæssige snitkræfter tv og th for hvert diskontinuitetspunkt:");
  // x = 0: −0.001 kN shown without its minus; x = 0.5 by hand: −0.499;
  // −0.501 + 2.601671; −0.1245; −0.1255 + 0.0026.
  EXPECT_EQ(L[14], "    0,00    0,00    0,00    0,00    0,00    0,00    0,00            ");
  EXPECT_EQ(L[15], "    0,50   -0,50    2,10    0,00    0,00   -0,12   -0,12          x ");
  EXPECT_EQ(L[16].substr(L[16].size() - 12), "    x       ");  // the first hinge
  // Shear curve: two lines per point.
  const auto& Q = e.tilf.QLinier;
  ASSERT_EQ(Q.size(), 20u);
  EXPECT_EQ(Q[0], " -0,001      0,00");
  EXPECT_EQ(Q[3], "  0,501      2,10");
}

TEST(Snitkraefter, UdenLasterBlivesAltNul) {
  TKaede e;
  ASSERT_TRUE(e.Loes());
  for (const auto& r : e.u) EXPECT_EQ(r.Rz, 0.0);
  for (int t = 1; t <= 3; ++t) {
    const TFagResultat& f = e.tilf.FagRes[t];
    EXPECT_EQ((std::vector<double>{f.MyMax, f.MyMin, f.TauMax, f.SigmaMax, f.F1}),
              std::vector<double>(5, 0.0));
  }
  EXPECT_TRUE(e.tilf.QLinier.empty());
}

TEST(Snitkraefter, KombineretSpaending) {
  const TSupplData sd = test::EksempelSupplData(test::EksempelInddata());
  // 200 × 50: Wy = 333 333 mm³, Wz = 83 333 mm³.
  EXPECT_NAER(KombineretSpaending(sd, 0.1, -8.0), 24.0 + 0.7 * 1.2);   // σy = 24, σz = 1.2
  EXPECT_NAER(KombineretSpaending(sd, -1.0, 2.0), 0.7 * 6.0 + 12.0);   // σy = 6, σz = 12
  EXPECT_NAER(KombineretSpaending(sd, 0.5, 2.0), 6.0 + 0.7 * 6.0);     // equal: the first branch
}

}  // namespace
}  // namespace kvistor
