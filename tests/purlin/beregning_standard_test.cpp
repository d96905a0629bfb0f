// The shipped default project computed end to end, checked against an
// independent solution of the Gerber chain written here piece by piece
// (statics of each purlin piece from the left, moments by direct sums),
// not against the program's own sweep.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "hjaelp/naer.h"
#include "loads/tvaersnit.h"
#include "purlin/beregning.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

// The default project's chain (supports every 6000 mm from 500 to 48500,
// hinges 860 mm left of the frames) under a uniform load q (N/mm) and an
// optional point load P (N) at xp; lengths in mm, moments in N mm, forces
// upward positive.
struct TKaede {
  std::vector<double> s, h;  // supports, hinges
  std::vector<double> R, F;  // reactions; F[k]: force piece k-1 hangs on piece k (at h[k-1])
  double L = 49000, q, P, xp;

  explicit TKaede(double q_, double P_ = 0, double xp_ = -1) : q(q_), P(P_), xp(xp_) {
    for (int k = 0; k <= 8; ++k) s.push_back(500 + 6000.0 * k);
    for (std::size_t k = 1; k + 1 < s.size(); ++k) h.push_back(s[k] - 860);
    const std::size_t n = s.size();
    R.assign(n, 0);
    F.assign(n, 0);
    double a = 0;  // left end of the current piece, where F[k] hangs
    for (std::size_t k = 0; k + 2 < n; ++k) {
      // Moments about the piece's support: loads, the incoming force at a,
      // and the upward hinge force at h[k].
      const auto [sum, mom] = Last(a, h[k], s[k]);
      F[k + 1] = (mom + F[k] * (a - s[k])) / (h[k] - s[k]);
      R[k] = sum + F[k] - F[k + 1];
      a = h[k];
    }
    // The last piece: moments about the right gable support, then the sum.
    const auto [sum, mom] = Last(a, L, s[n - 1]);
    R[n - 2] = (-mom + F[n - 2] * (s[n - 1] - a)) / (s[n - 1] - s[n - 2]);
    R[n - 1] = sum + F[n - 2] - R[n - 2];
  }
  // Load of [a, b] and its moment about c (downward loads, arm x - c).
  std::pair<double, double> Last(double a, double b, double c) const {
    const double p = P != 0 && xp >= a && xp < b ? P : 0;
    return {q * (b - a) + p, q * ((b - c) * (b - c) - (a - c) * (a - c)) / 2 + p * (xp - c)};
  }
  // Moment at x from everything left of x, within the piece that holds x.
  double M(double x) const {
    std::size_t k = 0;
    while (k < h.size() && x > h[k]) ++k;
    const double a = k ? h[k - 1] : 0;
    double m = -q * (x - a) * (x - a) / 2 - F[k] * (x - a);
    if (P != 0 && xp >= a && xp < x) m -= P * (x - xp);
    for (std::size_t i = 0; i < s.size(); ++i)
      if (s[i] >= a && s[i] < x) m += R[i] * (x - s[i]);
    return m;
  }
};

// L/u rounded to tens below 1000 and hundreds above (ties to even).
int Forhold(double Lt, double u) {
  const double r = Lt / std::fabs(u);
  return r < 1000 ? static_cast<int>(10 * std::nearbyint(r / 10))
                  : static_cast<int>(100 * std::nearbyint(r / 100));
}

class Standardprojekt : public ::testing::Test {
 protected:
  void SetUp() override {
    // The project as shipped: 8 bays of 6 m, gable bays 6 m, overhang 0,5 m,
    // hinge offset 0,86 m, 20°, spacing 1,2 m, C24 100 x 225, W200.
    ind = test::StandardProjekt();
    ASSERT_EQ(ind.AntalFag, 8);
    ASSERT_EQ(ind.Beslag, 19);
    BestemTvaersnit(ind, sd);
    ASSERT_EQ(BeregnAlleTilfaelde(b, ind, sd, dlg), TBeregningsUdfald::Gennemfoert);
  }
  const TTilfaelde& Tilf(int aas, int lk, char lt) const {
    for (const auto& c : b.Tilfaelde)
      if (c.Aas == aas && c.LK == lk && c.LT == lt) return c;
    ADD_FAILURE();
    return b.Tilfaelde.front();
  }

  Inddata ind;
  TSupplData sd;
  TBeregning b;
  TSkriptetDialog dlg;
  const double v = 20 * std::numbers::pi / 180, cosV = std::cos(v);
  // Hand: roof covering 0,20 + purlin 100*225 mm * 5 kN/m3 / 1,2 m = 0,09375.
  const double g = 0.20 + 0.09375;  // kN/m² of roof surface
  const double EI = 11000.0 * 100.0 * 225 * 225 * 225 / 12;  // N mm²
  const double L[4] = {0, 5140, 5140, 6000};  // deflection spans per bay type
};

TEST_F(Standardprojekt, EgenlastLK1Aas2) {
  EXPECT_NAER(sd.EgenlastIalt, g, 1e-12);
  EXPECT_NAER(sd.EIy, EI);
  EXPECT_EQ((std::vector<std::int32_t>{sd.LAas, sd.LKE, sd.LMF, sd.LLE}),
            (std::vector<std::int32_t>{49000, 5140, 5140, 6000}));
  // 1,2 g on the full strip 1,2*cos v of purlin 2, per m of roof surface:
  // 1,2 * 1,2 * g kN/m vertical; z and y components by cos and sin.
  const TTilfaelde& c = Tilf(2, 1, 'a');
  const double qv = 1.2 * 1.2 * g;
  EXPECT_NAER(c.gLinie, qv, 1e-12);
  const TKaede k(qv * cosV);
  // Reactions: the program keeps the force on the purlin (negative), in kN.
  // The chain's closing equation takes the end shear 1 mm beyond the purlin
  // end, which adds q*(1 + 500/6000) N to the right gable support and takes
  // q*500/6000 N from the last frame (0,4 N, 0,03 N): hence 1e-3 and 1e-4.
  EXPECT_NAER(c.FagRes[1].RzMin, -k.R[0] / 1000, 1e-9);
  EXPECT_NAER(c.FagRes[3].RzMin, -k.R.back() / 1000, 1e-3);
  EXPECT_NAER(c.FagRes[2].RzMin, -*std::max_element(k.R.begin() + 1, k.R.end() - 1) / 1000, 1e-4);
  EXPECT_EQ(c.FagRes[2].RzMax, 0.0);
  // Moment extremes per bay type (by hinges), sampled every mm except on
  // the supports themselves, where the program looks 1 mm to either side,
  // plus the crowns of the sagging spans, by ternary search between supports.
  double maks[4] = {0, 0, 0, 0}, min[4] = {0, 0, 0, 0};
  auto tag = [&](double x) {
    const int t = x < k.h.front() ? 1 : x > k.h.back() ? 3 : 2;
    maks[t] = std::max(maks[t], k.M(x) / 1e6);
    min[t] = std::min(min[t], k.M(x) / 1e6);
  };
  for (int x = 1; x < 49000; ++x)
    if (std::find(k.s.begin(), k.s.end(), double(x)) == k.s.end()) tag(x);
  for (std::size_t i = 0; i < k.s.size(); ++i) {
    double lo = k.s[i] + 1, hi = (i + 1 < k.s.size()) ? k.s[i + 1] - 1 : 49000;
    for (int it = 0; it < 100; ++it) {
      const double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
      if (k.M(m1) < k.M(m2)) lo = m1;
      else hi = m2;
    }
    tag((lo + hi) / 2);
  }
  // (The long end bay's moments carry the 0,03 N of its frame reaction:
  // 110 N mm in 1,35 kNm.)
  for (int t = 1; t <= 3; ++t) {
    EXPECT_NAER(c.FagRes[t].MyMax, maks[t], t == 3 ? 1e-4 : 1e-6) << t;
    EXPECT_NAER(c.FagRes[t].MyMin, min[t], t == 3 ? 1e-4 : 1e-6) << t;
  }
  // Bending: sigma_z/sigma_y = tan v * Wy/Wz = 0,82 < 1, so
  // sigma = |My| (1/Wy + 0,7 tan v/Wz) at the largest |My| (the program
  // takes Mz at the support itself, My 1 mm beside it: 1e-3 tolerance).
  // C24: lambda = sqrt(6000*225)*0,064/100 = 0,744 <= 0,75, kcr = 1;
  // fmkd = 24/1,35 * 0,6 (LK 1, service class 2) = 10,667 MPa.
  const double Wy = 100.0 * 225 * 225 / 6, Wz = 225.0 * 100 * 100 / 6;
  const double mMax = std::max({maks[1], maks[2], maks[3], -min[1], -min[2], -min[3]});
  const double sigma = mMax * 1e6 * (1 / Wy + 0.7 * std::tan(v) / Wz);
  EXPECT_NAER(std::max({c.FagRes[1].SigmaMax, c.FagRes[2].SigmaMax, c.FagRes[3].SigmaMax}), sigma, 1e-3);
  EXPECT_NAER(c.fmkd, 24 / 1.35 * 0.6, 1e-12);
  EXPECT_NAER(std::max({c.FagRes[1].UGBoej, c.FagRes[2].UGBoej, c.FagRes[3].UGBoej}),
              sigma / (24 / 1.35 * 0.6), 1e-3);
}

TEST_F(Standardprojekt, NedbojningEgenlastLK10OgSneLK11) {
  // Dead load (1 + kdef) g with kdef = 0,8 (service class 2), no K_FI; snow
  // 0,8 kN/m² on the horizontal strip 1,2 cos v. The span of each bay type
  // starts at its support; the end moment is the moment 1 mm into the span.
  // Short end bay: the left gable support. Middle bays and long end bay:
  // the support left of the largest sagging moment.
  for (const auto& [lk, q] : {std::pair{10, 1.8 * 1.2 * g * cosV}, std::pair{11, 0.8 * 1.2 * cosV * cosV}}) {
    const TKaede k(q);
    const TTilfaelde& c = Tilf(2, lk, 'a');
    for (int t = 1; t <= 3; ++t) {
      SCOPED_TRACE(testing::Message() << "LK " << lk << ", type " << t);
      double start = k.s[0];
      for (double s : k.s)
        if (s < c.FagRes[t].xMyMax * 1000) start = s;
      const double u = 5 * q * std::pow(L[t], 4) / (384 * EI) + k.M(start + 1) * L[t] * L[t] / (16 * EI);
      EXPECT_NAER(lk == 10 ? c.FagRes[t].uG : c.FagRes[t].uS, u, 1e-6);
      EXPECT_NAER(b.uMaks[t][lk - 10], u, 1e-6);
      EXPECT_EQ(b.LuForhold[t][lk - 10], Forhold(L[t], u));
      if (lk == 10) {
        EXPECT_EQ(b.xuMaks[t][0], static_cast<int>(start) + static_cast<int>(L[t] / 2));
      }
    }
  }
  // The long end bay starts at the last frame.
  EXPECT_EQ(b.xuMaks[3][0], 42500 + 3000);
}

TEST_F(Standardprojekt, NedbojningPunktlastLK12) {
  // 1,5 kN vertical, 1,5 cos v perpendicular to the roof, in the middle of
  // the short end span, the first middle span and the long end bay.
  const double P = 1500 * cosV;
  const double xp[4] = {0, 500 + 5140 / 2, 6500 + 5140 / 2, 42500 + 3000};
  const double start[4] = {0, 500, 6500, 42500};
  double uMaks[4] = {-1000, -1000, -1000, -1000};
  for (char lt : {'a', 'b', 'c'}) {
    const TKaede k(0, P, xp[lt - 'a' + 1]);
    const TTilfaelde& c = Tilf(2, 12, lt);
    for (int t = 1; t <= 3; ++t) {
      const bool her = t == lt - 'a' + 1;
      const double M5 = her ? k.M(start[t] + 1) : 0.0;
      const double M6 = t == 3 ? k.M(48499) : 0.0;  // 1 mm left of the right gable support
      const double u = (M5 + M6) * L[t] * L[t] / (16 * EI) + (her ? P * std::pow(L[t], 3) / (48 * EI) : 0.0);
      EXPECT_NAER(c.FagRes[t].uQ, u, 1e-9, 1e-12) << lt << t;
      uMaks[t] = std::max(uMaks[t], u);
    }
  }
  for (int t = 1; t <= 3; ++t) {
    EXPECT_NAER(b.uMaks[t][2], uMaks[t], 1e-9) << t;
    EXPECT_EQ(b.LuForhold[t][2], Forhold(L[t], uMaks[t])) << t;
  }
  // Hand check of the long end bay: simply supported 6 m, P/2 at each end
  // 1 mm in: u = P L^3/48EI + P L^2/(16 EI) = 3,46 mm.
  EXPECT_NAER(b.uMaks[3][2], P * 216e9 / (48 * EI) + P * 36e6 / (16 * EI), 1e-6);
}

}  // namespace
}  // namespace kvistor
