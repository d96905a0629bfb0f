// The shipped default project computed end to end, checked against an
// independent solution of the Gerber chain written here piece by piece
// (statics of each purlin piece from the left, moments by direct sums),
// not against the program's own sweep.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hjaelp/naer.h"
#include "loads/tvaersnit.h"
#include "purlin/beregning.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

// A Gerber chain under a uniform load q (N/mm, from x = 0 to the end) and
// an optional point load P (N) at xp; lengths in mm, moments in N mm.
struct TKaede {
  std::vector<double> s;  // supports: left gable, frames, right gable
  std::vector<double> h;  // hinges, one left of every frame
  double L = 0;
  double q = 0, P = 0, xp = -1;
  std::vector<double> R;  // support reactions, upward positive
  std::vector<double> F;  // F[k]: force piece k-1 hangs on piece k (at h[k-1])

  TKaede(int antalFag, double gavlUdh, double gavlFag, double normFag, double charn) {
    s.push_back(gavlUdh);
    for (int k = 0; k <= antalFag - 2; ++k) s.push_back(gavlUdh + gavlFag + k * normFag);
    s.push_back(s.back() + gavlFag);
    L = s.back() + gavlUdh;
    for (std::size_t k = 1; k + 1 < s.size(); ++k) h.push_back(s[k] - charn);
  }
  // Load of [a, b] and its moment about c (downward loads, arm x - c).
  void Last(double a, double b, double c, double& sum, double& mom) const {
    sum = q * (b - a);
    mom = q * ((b - c) * (b - c) - (a - c) * (a - c)) / 2;
    if (P != 0 && xp >= a && xp < b) {
      sum += P;
      mom += P * (xp - c);
    }
  }
  void Loes() {
    const std::size_t n = s.size();  // pieces: n - 1
    R.assign(n, 0);
    F.assign(n, 0);
    double ind = 0;  // force hanging on the current piece's left end
    double a = 0;
    for (std::size_t k = 0; k + 2 < n; ++k) {
      const double b = h[k];
      double sum, mom;
      Last(a, b, s[k], sum, mom);
      // Moments about the piece's support: loads, the incoming force at a,
      // and the upward hinge force at b.
      const double ud = (mom + ind * (a - s[k])) / (b - s[k]);
      R[k] = sum + ind - ud;
      F[k + 1] = ud;
      ind = ud;
      a = b;
    }
    double sum, mom;
    Last(a, L, s[n - 1], sum, mom);  // moment about the right gable support
    // R_a (s[n-2]) from moments about s[n-1]: R_a*(s_b - s_a) = -(mom) + ind*(s_b - a)
    R[n - 2] = (-mom + ind * (s[n - 1] - a)) / (s[n - 1] - s[n - 2]);
    R[n - 1] = sum + ind - R[n - 2];
  }
  // Moment at x from everything left of x, within the piece that holds x.
  double M(double x) const {
    double a = 0, ind = 0;
    std::size_t k = 0;
    while (k < h.size() && x > h[k]) {
      a = h[k];
      ind = F[k + 1];
      ++k;
    }
    double m = -q * (x - a) * (x - a) / 2 - ind * (x - a);
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
  TKaede Kaede(double q) const {
    TKaede k(8, 500, 6000, 6000, 860);
    k.q = q;
    k.Loes();
    return k;
  }

  Inddata ind;
  TSupplData sd;
  TBeregning b;
  TSkriptetDialog dlg;
  const double cosV = std::cos(20 * std::numbers::pi / 180), sinV = std::sin(20 * std::numbers::pi / 180);
  // Hand: roof covering 0,20 + purlin 100*225 mm * 5 kN/m3 / 1,2 m = 0,09375.
  const double g = 0.20 + 0.09375;  // kN/m² of roof surface
  const double EI = 11000.0 * 100.0 * 225 * 225 * 225 / 12;  // N mm²
  const double L[4] = {0, 5140, 5140, 6000};  // deflection spans per bay type
};

TEST_F(Standardprojekt, Grundvaerdier) {
  EXPECT_NAER(sd.EgenlastIalt, g, 1e-12);
  EXPECT_NAER(sd.EIy, EI);
  EXPECT_EQ((std::vector<std::int32_t>{sd.LAas, sd.LKE, sd.LMF, sd.LLE}),
            (std::vector<std::int32_t>{49000, 5140, 5140, 6000}));
}

TEST_F(Standardprojekt, EgenlastLK1Aas2) {
  // 1,2 g on the full strip 1,2*cos v of purlin 2, per m of roof surface:
  // 1,2 * 1,2 * g kN/m vertical; z and y components by cos and sin.
  const TTilfaelde& c = Tilf(2, 1, 'a');
  const double qv = 1.2 * 1.2 * g;
  EXPECT_NAER(c.gLinie, qv, 1e-12);
  const TKaede k = Kaede(qv * cosV);
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
  double mMax = 0;
  for (int t = 1; t <= 3; ++t) mMax = std::max({mMax, maks[t], -min[t]});
  const double sigma = mMax * 1e6 * (1 / Wy + 0.7 * std::tan(20 * std::numbers::pi / 180) / Wz);
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
  const struct {
    int lk;
    double q;
  } tilf[] = {{10, 1.8 * 1.2 * g * cosV}, {11, 0.8 * 1.2 * cosV * cosV}};
  for (const auto& [lk, q] : tilf) {
    const TKaede k = Kaede(q);
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
      if (lk == 10) EXPECT_EQ(b.xuMaks[t][0], static_cast<int>(start) + static_cast<int>(L[t] / 2));
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
    TKaede k(8, 500, 6000, 6000, 860);
    k.P = P;
    k.xp = xp[lt - 'a' + 1];
    k.Loes();
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
