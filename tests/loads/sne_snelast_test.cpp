// Snow: the normal shape factor, the elevated value's exception for the
// alternating arrangements, and the snow line-load lists Sne(0), Sne(1),
// Sne(2) along the purlin.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "hjaelp/naer.h"
#include "loads/last_eksempel.h"
#include "loads/sneformfaktor.h"
#include "loads/snelast.h"

namespace kvistor {
namespace {

// The snow lists on the example's purlin, relaid with other bay counts or
// gable overhangs.
class SneTest : public test::EksempelTest {
 protected:
  void Udlaeg(int antalFag, double gavlUdh) {
    ind.AntalFag = antalFag;
    ind.GavlUdh = gavlUdh;
    sd = test::EksempelSuppl(ind);
  }
  // The snow list of load case lk, lt with design snow line load q.
  TLinielastListe Sne(std::int32_t lk, char lt, double q) {
    t = TTilfaelde{};
    t.LK = lk;
    t.LT = lt;
    t.sLinie = q;
    return BygSnelast(t, sd, ind);
  }
  // The list changes at the positions x; from x[i] on the line load is
  // niveau[i] (running sum of dqz divided by cos 30°).
  void ForventForloeb(const TLinielastListe& l, const std::vector<std::int32_t>& x,
                      const std::vector<double>& niveau) {
    ASSERT_EQ(l.size(), x.size());
    ASSERT_EQ(l.size(), niveau.size());
    double q = 0;
    for (std::size_t i = 0; i < l.size(); ++i) {
      q += l[i].dqz;
      EXPECT_EQ(l[i].x, x[i]) << i;
      EXPECT_NAER(q / sd.CosV, niveau[i]) << i;
    }
  }
  TTilfaelde t;
};

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
  EXPECT_EQ(SneFordeling(6, 'a'), TSneFordeling::Ingen);
  EXPECT_EQ(SneFordeling(5, 'l'), TSneFordeling::Ingen);
  // Sne(0) cases take the elevated value, Sne(1) and Sne(2) the normal one.
  for (auto [lk, lt] : {std::pair{3, 'g'}, {5, 'v'}, {11, 'a'}})
    EXPECT_NAER(SneFormFakTilfaelde(ind, lk, lt), 1.2) << lk << lt;
  for (auto [lk, lt] : {std::pair{3, 'h'}, {3, 'i'}, {5, 'c'}, {5, 'w'}})
    EXPECT_NAER(SneFormFakTilfaelde(ind, lk, lt), 0.8) << lk << lt;
  // Strip 1,5 m wide: 1,8 kN/m uniform, 1,2 kN/m alternating.
  EXPECT_NAER(KarakteristiskSnelinie(ind, 3, 'c', 1.5), 1.8);
  EXPECT_NAER(KarakteristiskSnelinie(ind, 3, 'h', 1.5), 1.2);

  // An "elevated" value below the normal one is used as it is.
  ind.SneFormFakForhojet = 0.5;
  ind.SneFormFak = 0.5;
  EXPECT_NAER(SneFormFakTilfaelde(ind, 3, 'h'), 0.5);
  EXPECT_NAER(SneFormFakTilfaelde(ind, 3, 'b'), 0.5);

  // With the normal value chosen every case uses SneFormFak, whatever the
  // elevated value.
  ind.NormSneFormFak = 1;
  ind.SneFormFak = 0.8;
  EXPECT_NAER(SneFormFakTilfaelde(ind, 3, 'h'), 0.8);
}

TEST_F(SneTest, JaevnSneEnEnesteAendringVedNul) {
  const TLinielastListe l = Sne(5, 'a', 2.0);
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l[0].x, 0);
  EXPECT_NAER(l[0].dqz, 2.0 * std::sqrt(3.0) / 2);  // s·cos 30°
  EXPECT_NAER(l[0].dqy, 1.0);                       // s·sin 30°
  EXPECT_EQ(t.Linier.at(1), "Regningsmæssig linielast på åse fra snelast:");

  // The normal report extent prints nothing.
  ind.RappOmfang = 0;
  EXPECT_EQ(Sne(11, 'a', 2.0).size(), 1u);
  EXPECT_TRUE(t.Linier.empty());
}

TEST_F(SneTest, SkiftendeSneEfterAntalFag) {
  // Gable overhang 300, gable bays 2400, normal bays 4800, 6 bays: LAas
  // 24600, xRammeN 21900. Sne(1): +s at 0, −s/2 at 300, +s/2 at 2700, ...,
  // −s/2 at 24300, no change at LAas; Sne(2) the opposite pattern.
  const double q = 2.0;
  const std::vector<std::int32_t> x6 = {0, 300, 2700, 7500, 12300, 17100, 21900, 24300};
  const TLinielastListe l = Sne(3, 'h', q);
  ForventForloeb(l, x6, {q, q / 2, q, q / 2, q, q / 2, q, q / 2});
  EXPECT_NAER(l.back().dqy, -q / 2 * 0.5);
  ForventForloeb(Sne(5, 'c', q), x6, {q / 2, q, q / 2, q, q / 2, q, q / 2, q});

  // 4 bays: overhang full, gable bay half, normal full, normal half, gable
  // bay full, overhang half; Sne(2) the opposite.
  Udlaeg(4, 0.3);
  const std::vector<std::int32_t> x4 = {0, 300, 2700, 7500, 12300, 14700};
  ForventForloeb(Sne(5, 'k', 1.0), x4, {1, 0.5, 1, 0.5, 1, 0.5});
  ForventForloeb(Sne(3, 'i', 1.0), x4, {0.5, 1, 0.5, 1, 0.5, 1});
  // 5 bays: the last overhang is full again in Sne(1).
  Udlaeg(5, 0.3);
  ForventForloeb(Sne(5, 'n', 1.0), {0, 300, 2700, 7500, 12300, 17100, 19500},
                 {1, 0.5, 1, 0.5, 1, 0.5, 1});
}

TEST_F(SneTest, GavludhaengNulOgIngenNormalfag) {
  // The first segment has no length; its two changes at 0 cancel and the
  // pattern starts with the second value on the gable bay. The last overhang
  // lies at LAas and adds nothing.
  Udlaeg(4, 0.0);
  ForventForloeb(Sne(3, 'h', 3.0), {0, 2400, 7200, 12000}, {1.5, 3, 1.5, 3});
  ForventForloeb(Sne(3, 'i', 3.0), {0, 2400, 7200, 12000}, {3, 1.5, 3, 1.5});

  // A layout without normal-bay length must not loop for ever.
  Udlaeg(4, 0.3);
  sd.NormFag = 0;
  sd.LAas = 5400;
  sd.xRammeN = 12000;
  const TLinielastListe l = Sne(3, 'h', 1.0);
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[3].x, 5100);
}

}  // namespace
}  // namespace kvistor
