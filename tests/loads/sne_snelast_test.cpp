// Snow: the normal shape factor, the elevated value's exception for the
// alternating arrangements, and the snow line-load lists Sne(0), Sne(1),
// Sne(2) along the purlin.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "hjaelp/naer.h"
#include "loads/sneformfaktor.h"
#include "loads/snelast.h"
#include "project/inddata.h"
#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"

namespace kvistor {
namespace {

// A purlin layout as the cross-section routine lays it out: gable overhang,
// gable bay and antalFag − 2 normal bays, roof angle 30°.
TSupplData Udlaeg(std::int32_t gavlUdh, std::int32_t gavlFag, std::int32_t normFag, int antalFag) {
  TSupplData s;
  s.CosV = std::cos(30 * M_PI / 180);
  s.SinV = std::sin(30 * M_PI / 180);
  s.GavlUdhMm = gavlUdh;
  s.GavlFag = gavlFag;
  s.NormFag = normFag;
  s.LAas = (antalFag - 2) * normFag + 2 * (gavlUdh + gavlFag);
  s.xRamme1 = gavlUdh + gavlFag;
  s.xRammeN = s.LAas - gavlUdh - gavlFag;
  s.LTag = s.LAas / 1000.0;
  return s;
}

TTilfaelde Tilfaelde(std::int32_t lk, char lt, double sLinie) {
  TTilfaelde t;
  t.LK = lk;
  t.LT = lt;
  t.sLinie = sLinie;
  return t;
}

// The line load on each stretch: running sums of dqz divided by cos.
std::vector<double> Forloeb(const TLinielastListe& l, const TSupplData& s) {
  std::vector<double> r;
  double q = 0;
  for (const auto& e : l) {
    q += e.dqz;
    r.push_back(q / s.CosV);
  }
  return r;
}

std::vector<std::int32_t> Positioner(const TLinielastListe& l) {
  std::vector<std::int32_t> r;
  for (const auto& e : l) r.push_back(e.x);
  return r;
}

void ForventForloeb(const std::vector<double>& faktisk, const std::vector<double>& forventet) {
  ASSERT_EQ(faktisk.size(), forventet.size());
  for (std::size_t i = 0; i < faktisk.size(); ++i) EXPECT_NAER(faktisk[i], forventet[i]) << i;
}

TEST(SneFormfaktor, NormalvaerdiEfterTaghaeldningen) {
  EXPECT_NAER(NormalSneFormfaktor(0), 0.8);
  EXPECT_NAER(NormalSneFormfaktor(30), 0.8);
  EXPECT_NAER(NormalSneFormfaktor(45), 0.4);  // 0,8·15/30
  EXPECT_EQ(NormalSneFormfaktor(60), 0.0);
  EXPECT_EQ(NormalSneFormfaktor(70), 0.0);
  EXPECT_EQ(NormalSneFormfaktor(-5), 0.0);
}

TEST(SneFormfaktor, ForhoejetVaerdiKunSomJaevnSne) {
  Inddata ind;
  ind.NormSneFormFak = 0;  // "Forhøjet"
  ind.SneFormFakForhojet = 1.2;
  ind.SneFormFakNormal = 0.8;
  ind.SneFormFak = 1.2;
  EXPECT_EQ(SneFordeling(3, 'b'), TSneFordeling::Sne0);
  EXPECT_EQ(SneFordeling(3, 'h'), TSneFordeling::Sne1);
  EXPECT_EQ(SneFordeling(3, 'i'), TSneFordeling::Sne2);
  EXPECT_EQ(SneFordeling(5, 'w'), TSneFordeling::Sne1);
  EXPECT_EQ(SneFordeling(5, 'c'), TSneFordeling::Sne2);
  EXPECT_EQ(SneFordeling(11, 'a'), TSneFordeling::Sne0);
  EXPECT_EQ(SneFordeling(6, 'a'), TSneFordeling::Ingen);
  EXPECT_EQ(SneFordeling(5, 'l'), TSneFordeling::Ingen);
  // Sne(0) cases take the elevated value, Sne(1) and Sne(2) the normal one.
  for (auto [lk, lt] : {std::pair{3, 'b'}, {3, 'g'}, {5, 'a'}, {5, 'j'}, {5, 'm'}, {5, 'v'}, {11, 'a'}})
    EXPECT_NAER(SneFormFakTilfaelde(ind, lk, lt), 1.2) << lk << lt;
  for (auto [lk, lt] : {std::pair{3, 'h'}, {3, 'i'}, {5, 'b'}, {5, 'c'}, {5, 'k'}, {5, 'n'}, {5, 'w'}})
    EXPECT_NAER(SneFormFakTilfaelde(ind, lk, lt), 0.8) << lk << lt;
  // Strip 1,5 m wide: 1,8 kN/m uniform, 1,2 kN/m alternating.
  EXPECT_NAER(KarakteristiskSnelinie(ind, 3, 'c', 1.5), 1.8);
  EXPECT_NAER(KarakteristiskSnelinie(ind, 3, 'h', 1.5), 1.2);

  // An "elevated" value below the normal one is used as it is.
  ind.SneFormFakForhojet = 0.5;
  ind.SneFormFak = 0.5;
  EXPECT_NAER(SneFormFakTilfaelde(ind, 3, 'h'), 0.5);
  EXPECT_NAER(SneFormFakTilfaelde(ind, 3, 'b'), 0.5);

  // With the normal value chosen every case uses SneFormFak.
  ind.NormSneFormFak = 1;
  ind.SneFormFak = 0.8;
  ind.SneFormFakForhojet = 1.2;
  EXPECT_NAER(SneFormFakTilfaelde(ind, 3, 'h'), 0.8);
  EXPECT_NAER(SneFormFakTilfaelde(ind, 5, 'a'), 0.8);
}

TEST(SneLinielast, JaevnSneEnEnesteAendringVedNul) {
  const TSupplData s = Udlaeg(300, 2400, 4800, 6);
  Inddata ind;
  ind.RappOmfang = 1;
  TTilfaelde t = Tilfaelde(5, 'a', 2.0);
  const TLinielastListe l = BygSnelast(t, s, ind);
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l[0].x, 0);
  EXPECT_NAER(l[0].dqz, 2.0 * std::sqrt(3.0) / 2);  // s·cos 30°
  EXPECT_NAER(l[0].dqy, 1.0);                       // s·sin 30°
  const std::vector<std::string> linier = {
      "",
      "Regningsmæssig linielast på åse fra snelast:",
      "  x (m)         0,00   24,60",
      "  z-retn (kN/m)    1,732",
      "  y-retn (kN/m)    1,000",
  };
  EXPECT_EQ(t.Linier, linier);

  // The normal report extent prints nothing.
  ind.RappOmfang = 0;
  TTilfaelde t2 = Tilfaelde(11, 'a', 2.0);
  EXPECT_EQ(BygSnelast(t2, s, ind).size(), 1u);
  EXPECT_TRUE(t2.Linier.empty());
}

TEST(SneLinielast, SkiftendeSneMedSeksFag) {
  // GavlUdhMm 300, GavlFag 2400, NormFag 4800, 6 bays: LAas 24600, xRammeN 21900.
  const TSupplData s = Udlaeg(300, 2400, 4800, 6);
  ASSERT_EQ(s.LAas, 24600);
  ASSERT_EQ(s.xRammeN, 21900);
  Inddata ind;
  const double q = 2.0;
  const std::vector<std::int32_t> x = {0, 300, 2700, 7500, 12300, 17100, 21900, 24300};

  TTilfaelde t1 = Tilfaelde(3, 'h', q);  // Sne(1)
  const TLinielastListe l1 = BygSnelast(t1, s, ind);
  EXPECT_EQ(Positioner(l1), x);
  ForventForloeb(Forloeb(l1, s), {q, q / 2, q, q / 2, q, q / 2, q, q / 2});
  // Changes +s at 0, −s/2 at 300, +s/2 at 2700, ..., −s/2 at 24300.
  EXPECT_NAER(l1.front().dqz, q * s.CosV);
  EXPECT_NAER(l1[1].dqz, -q / 2 * s.CosV);
  EXPECT_NAER(l1[2].dqz, q / 2 * s.CosV);
  EXPECT_NAER(l1.back().dqz, -q / 2 * s.CosV);
  EXPECT_NAER(l1.back().dqy, -q / 2 * s.SinV);

  TTilfaelde t2 = Tilfaelde(5, 'c', q);  // Sne(2)
  const TLinielastListe l2 = BygSnelast(t2, s, ind);
  EXPECT_EQ(Positioner(l2), x);
  ForventForloeb(Forloeb(l2, s), {q / 2, q, q / 2, q, q / 2, q, q / 2, q});
  // No change at the purlin end.
  EXPECT_LT(l2.back().x, s.LAas);
}

TEST(SneLinielast, FireOgFemFag) {
  Inddata ind;
  const double q = 1.0;
  // 4 bays: overhang full, gable bay half, normal full, normal half, gable
  // bay full, overhang half.
  const TSupplData s4 = Udlaeg(300, 2400, 4800, 4);
  TTilfaelde t = Tilfaelde(5, 'k', q);
  TLinielastListe l = BygSnelast(t, s4, ind);
  EXPECT_EQ(Positioner(l), (std::vector<std::int32_t>{0, 300, 2700, 7500, 12300, 14700}));
  ForventForloeb(Forloeb(l, s4), {q, q / 2, q, q / 2, q, q / 2});
  t = Tilfaelde(3, 'i', q);
  ForventForloeb(Forloeb(BygSnelast(t, s4, ind), s4), {q / 2, q, q / 2, q, q / 2, q});
  // 5 bays: the last overhang is full again in Sne(1).
  const TSupplData s5 = Udlaeg(300, 2400, 4800, 5);
  t = Tilfaelde(5, 'n', q);
  l = BygSnelast(t, s5, ind);
  ForventForloeb(Forloeb(l, s5), {q, q / 2, q, q / 2, q, q / 2, q});
  EXPECT_EQ(l.back().x, s5.LAas - 300);
}

TEST(SneLinielast, GavludhaengNul) {
  // The first segment has no length; its two changes at 0 cancel and the
  // pattern starts with the second value on the gable bay. The last overhang
  // lies at LAas and adds nothing.
  const TSupplData s = Udlaeg(0, 2400, 4800, 4);
  ASSERT_EQ(s.LAas, 14400);
  Inddata ind;
  const double q = 3.0;
  TTilfaelde t = Tilfaelde(3, 'h', q);
  const TLinielastListe l = BygSnelast(t, s, ind);
  EXPECT_EQ(Positioner(l), (std::vector<std::int32_t>{0, 2400, 7200, 12000}));
  ForventForloeb(Forloeb(l, s), {q / 2, q, q / 2, q});
  t = Tilfaelde(3, 'i', q);
  ForventForloeb(Forloeb(BygSnelast(t, s, ind), s), {q, q / 2, q, q / 2});
}

TEST(SneLinielast, UdenNormalfagEndesLoekken) {
  // A layout without normal-bay length must not loop for ever.
  TSupplData s = Udlaeg(300, 2400, 0, 4);
  s.xRammeN = 12000;
  Inddata ind;
  TTilfaelde t = Tilfaelde(3, 'h', 1.0);
  const TLinielastListe l = BygSnelast(t, s, ind);
  EXPECT_EQ(Positioner(l), (std::vector<std::int32_t>{0, 300, 2700, 5100}));
}

}  // namespace
}  // namespace kvistor
