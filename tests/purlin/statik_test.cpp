// The Gerber chain's statics: the example's printed results and consistency
// messages, random loads against the plain sums, zero-shear points, the
// curve lines' number texts and the combined stress.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>

#include "common/format.h"
#include "hjaelp/golden.h"
#include "hjaelp/naer.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

using test::DirekteSnit;
using test::TKaede;

bool Har(const std::vector<std::string>& linier, const std::string& start) {
  return std::any_of(linier.begin(), linier.end(),
                     [&](const std::string& s) { return s.rfind(start, 0) == 0; });
}

// The example's chain under 1 kN/m, and again with a load change on the
// first hinge and a point load on a frame: reactions, the section-force
// table of the discontinuity points, the shear and moment curves and each
// bay type's extremes to six decimals. The reactions were checked against an
// independent finite-element model of the chain (the closing pair takes the
// shear 1 mm beyond the purlin's end and so carries that millimetre's load),
// the largest sagging moment of the first piece by hand (R²/2 − 0,5·R at
// s = R), the shear stress as 1,5·V/A just right of the support.
TEST(Golden, StatikEksempel) {
  std::vector<std::string> ud;
  for (bool ekstra : {false, true}) {
    TKaede k;
    k.Jaevn(1.0);
    if (ekstra) {
      TilfoejLinielast(k.l.Linielast, 4643, 0.5, 0.0);  // on the first hinge
      k.l.PL.push_back({5500, 2.0, 0.0});               // exactly on a frame
    }
    ASSERT_TRUE(k.Loes(true));
    EXPECT_TRUE(k.dialog.kald.empty());
    for (const auto* l : {&k.tilf.Linier, &k.tilf.QLinier, &k.tilf.MLinier}) ud.insert(ud.end(), l->begin(), l->end());
    for (int t = 1; t <= 3; ++t) {
      const TFagResultat& f = k.tilf.FagRes[t];
      std::string linje = "type " + std::to_string(t) + ":";
      for (double v : {f.RzMin, f.RzMax, f.MyMax, f.xMyMax, f.MyMin, f.xMyMin, f.SigmaMax, f.TauMax,
                       f.xTauMax, f.F1, f.F2, f.xVzCharnMin})
        linje += " " + FormaterFast(v, 6, false);
      ud.push_back(linje);
    }
  }
  // One hinge too few: reported, and the case goes on. Down to one support,
  // and none: nothing carries the purlin, so the case is given up after the
  // message instead of reporting zero reactions.
  TKaede k;
  k.c.pop_back();
  k.Jaevn(1.0);
  EXPECT_TRUE(k.Reakt());
  k.u.resize(1);
  EXPECT_FALSE(k.Reakt());
  k.u.clear();
  EXPECT_FALSE(k.Reakt(true));
  ud.push_back(k.tilf.Linier.back());
  test::Log(ud, k.dialog);
  // The field rules let the hinge offset equal the gable-bay span: the first
  // hinge then sits on the left gable support and the first piece has no
  // lever arm. The case is given up with a message, not a division by zero.
  Inddata ind = test::EksempelInddata();
  ind.GavlRammeAfst = 0.857;
  TKaede h(ind);
  ASSERT_EQ(h.c[0].x, h.u[0].x);
  EXPECT_FALSE(h.Jaevn(1.0).Loes());
  EXPECT_TRUE(h.p.empty());
  test::Log(ud, h.dialog);
  test::SammenlignMedGolden("statik eksempel.txt", ud);
}

TEST(Statik, TilfaeldigeLasterSvarerTilSummerne) {
  // On random loads: equilibrium, no moment at the hinges nor beyond the
  // end, and the sweep and every point's forces equal to the sums evaluated
  // term by term.
  std::mt19937 g(20261206);
  for (int n = 0; n < 150; ++n) {
    TKaede k(test::EksempelInddata(4 + n % 7));
    k.l = test::TilfaeldigeLaster(g, k.sd, k.u);
    TSnitUdtraek ud;
    ASSERT_TRUE(LoesTilfaelde(k.sd, k.u, k.c, k.l, k.tilf, false, k.dialog, k.p, true, &ud));
    // The largest stresses are, to the last bit, the plain maxima over every
    // pair of moments and every shear the case looks at.
    std::array<double, 4> sigma{};
    for (const TMomentPunkt& m : ud.Momenter)
      sigma[m.Fag] = std::max(sigma[m.Fag], KombineretSpaending(k.sd, m.Mz, m.My));
    for (int t = 1; t <= 3; ++t) {
      EXPECT_EQ(k.tilf.FagRes[t].SigmaMax, sigma[t]) << t;
      EXPECT_EQ(k.tilf.FagRes[t].TauMax, Forskydningsspaending(k.sd.A, ud.VMaks[t])) << t;
    }
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

// The discontinuity points against their plain definition: every position of
// the start, the supports, hinges, loads and the end once, sorted, with the
// flags of all that lie there. Loads on points of the chain, between them and
// at one place together; then lists out of order, as a damaged chain has them.
// A run finds the chain's points once and merges each case's loads into them:
// both ways give the same list.
TEST(Statik, DiskontinuitetspunkterSomDefineret) {
  auto Forventet = [](const TKaede& e) {
    std::map<std::int32_t, std::pair<bool, bool>> m{{0, {}}, {e.sd.LAas, {}}};
    for (const TReaktion& r : e.u) m[r.x].second = true;
    for (const TCharnier& c : e.c) m[c.x].first = true;
    for (const TLinielast& q : e.l.Linielast) m[q.x];
    for (const TPunktlast& p : e.l.PL) m[p.x];
    std::vector<TDiskPunkt> v;
    for (const auto& [x, flag] : m) {
      TDiskPunkt d;
      d.xD = x;
      d.FagVen = static_cast<std::uint8_t>(FagTypeVedCharnierer(e.sd, x - 1.0));
      d.FagHoj = static_cast<std::uint8_t>(FagTypeVedCharnierer(e.sd, x + 1.0));
      d.ErCharnier = flag.first;
      d.ErUnderstoetning = flag.second;
      v.push_back(d);
    }
    return v;
  };
  auto Sammenlign = [](const std::vector<TDiskPunkt>& a, const std::vector<TDiskPunkt>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
      SCOPED_TRACE(a[i].xD);
      EXPECT_EQ(a[i].xD, b[i].xD);
      EXPECT_EQ(a[i].FagVen, b[i].FagVen);
      EXPECT_EQ(a[i].FagHoj, b[i].FagHoj);
      EXPECT_EQ(a[i].ErCharnier, b[i].ErCharnier);
      EXPECT_EQ(a[i].ErUnderstoetning, b[i].ErUnderstoetning);
    }
  };
  for (int variant = 0; variant < 3; ++variant) {
    SCOPED_TRACE(variant);
    TKaede e;
    const std::int32_t h = e.c[0].x, s = e.u[1].x;
    if (variant == 0) {
      e.Jaevn(1.0);
    } else if (variant == 1) {
      for (std::int32_t x : {0, h + 7, s, e.sd.LAas - 1}) TilfoejLinielast(e.l.Linielast, x, 1.0, 0.0);
      e.l.PL = {{h + 7, 1.0, 0.0}, {s, 1.0, 0.0}};
    } else {
      std::reverse(e.u.begin(), e.u.end());
      e.l.Linielast = {{s + 300, 1.0, 0.0}, {0, 1.0, 0.0}, {h, 1.0, 0.0}};
      e.l.PL = {{h + 9, 1.0, 0.0}};
    }
    Sammenlign(BygDiskPunkter(e.sd, e.u, e.c, e.l), Forventet(e));
    std::vector<TDiskPunkt> punkter(3);  // a list from an earlier case is replaced
    BygDiskPunkter(e.sd, BygKaedepunkter(e.sd, e.u, e.c), e.l, punkter);
    Sammenlign(punkter, Forventet(e));
  }
}

TEST(Snitkraefter, NulforskydningKunVedStriktModsatFortegn) {
  // Section forces are all zero without loads, so only the shears set by
  // hand decide where a zero-shear point is evaluated: it shows as a curve
  // line at its position.
  TKaede e;
  std::vector<TDiskPunkt> p(5);
  const std::int32_t x[] = {0, 1000, 3000, 5000, 7000};
  for (int i = 0; i < 5; ++i) {
    p[i] = NyDiskPunkt(e.sd, x[i], false, false);
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

TEST(Snitkraefter, UdenLasterBlivesAltNul) {
  TKaede e;
  ASSERT_TRUE(e.Loes());
  for (const auto& r : e.u) EXPECT_EQ(r.Rz, 0.0);
  for (int t = 1; t <= 3; ++t) EXPECT_EQ(e.tilf.FagRes[t].MyMax + e.tilf.FagRes[t].F1, 0.0);
  EXPECT_TRUE(e.tilf.QLinier.empty());
}

TEST(Snitkraefter, KurveLinjerOgKombineretSpaending) {
  // Widths are minima: from 1 km on the fields run together.
  EXPECT_EQ(MomentKurveLinje(1234.5, 1234.5), "1.234,5001.234,5000");
  // 200 × 50: Wy = 333 333 mm³, Wz = 83 333 mm³.
  const TSupplData sd = test::EksempelSupplData(test::EksempelInddata());
  EXPECT_NAER(KombineretSpaending(sd, 0.1, -8.0), 24.0 + 0.7 * 1.2);  // σy = 24, σz = 1.2
  EXPECT_NAER(KombineretSpaending(sd, -1.0, 2.0), 0.7 * 6.0 + 12.0);  // σy = 6, σz = 12
  EXPECT_NAER(KombineretSpaending(sd, 0.5, 2.0), 6.0 + 0.7 * 6.0);    // equal: the first branch
}

}  // namespace
}  // namespace kvistor
