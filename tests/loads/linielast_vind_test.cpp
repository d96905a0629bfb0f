// The line-load lists of a case: dead load, wind on the roof zones, snow,
// and the printed wind table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "hjaelp/naer.h"
#include "loads/last_eksempel.h"
#include "loads/linielaster.h"

namespace kvistor {
namespace {

class LinielastTest : public test::EksempelTest {
 protected:
  static bool HarLinje(const TTilfaelde& t, const std::string& start) {
    return std::any_of(t.Linier.begin(), t.Linier.end(),
                       [&](const std::string& s) { return s.rfind(start, 0) == 0; });
  }
  static bool HarX(const TLinielastListe& l, std::int32_t x) {
    return std::any_of(l.begin(), l.end(), [&](const TLinielast& r) { return r.x == x; });
  }
};

// Worked example, west wind (case a): e = 12,2354, e10 = 1,2235, e4 = 3,0588.
constexpr double BG = 0.8128203230275508;  // (1,2235 - 0,5196)/cos 30°
constexpr double BH = 0.38717967697244926; // (1,5588 - 1,2235)/cos 30°

TEST_F(LinielastTest, VestenvindPaaAas2) {
  TTilfaelde t = Tilfaelde(2, 6, 'a');  // psi 1,5
  const TLinielastListe vind = BygVindlastTag(t, ind, sd, dlg);

  const double pG = 1.5 * 0.7 * BG;  // zones F, G, K: cp 0,7
  const double pH = 1.5 * 0.4 * BH;  // zone H: cp 0,4
  const double p1 = 1.5 * 1.2 * 1.2; // gable overhangs '1', '2': -(-1,2), b = 1,2 m
  const double pN = 1.5 * 0.18 * 1.2; // internal suction -0,3 pushes the roof down
  ASSERT_EQ(vind.size(), 5u);
  EXPECT_EQ(vind[0].x, 0);  // '2', H, K start
  EXPECT_NAER(vind[0].dqz, p1 + pH + pG);
  EXPECT_EQ(vind[1].x, 300);  // '2' ends, N starts
  EXPECT_NAER(vind[1].dqz, -p1 + pN);
  EXPECT_EQ(vind[2].x, 3059);  // K hands over to G
  EXPECT_NAER(vind[2].dqz, 0.0, 1e-9, 1e-12);
  EXPECT_EQ(vind[3].x, 21541);  // G hands over to F
  EXPECT_NAER(vind[3].dqz, 0.0, 1e-9, 1e-12);
  EXPECT_EQ(vind[4].x, 24300);  // N ends, '1' starts; nothing closes at LAas
  EXPECT_NAER(vind[4].dqz, p1 - pN);
  for (const auto& r : vind) EXPECT_EQ(r.dqy, 0.0);

  const std::vector<std::string> tabel = {
      "",
      "Detaljer vedr. vindlast på tag (Part.koeff. eller psi = 1,50):",
      "  Område   Form-      Karakt.      Last-      Regn.mæss.   y-område   ",
      "           faktor     fladelast    bredde     linielast  start   slut ",
      "     1     -1,20     1,20 kN/m2    1,20 m     2,160 kN/m 24,30 m 24,60 m",
      "     2     -1,20     1,20 kN/m2    1,20 m     2,160 kN/m  0,00 m  0,30 m",
      "     F      0,70     0,70 kN/m2    0,81 m     0,853 kN/m 21,54 m 24,60 m",
      "     G      0,70     0,70 kN/m2    0,81 m     0,853 kN/m  3,06 m 21,54 m",
      "     H      0,40     0,40 kN/m2    0,39 m     0,232 kN/m  0,00 m 24,60 m",
      "     K      0,70     0,70 kN/m2    0,81 m     0,853 kN/m  0,00 m  3,06 m",
      "     N     -0,30     0,18 kN/m2    1,20 m     0,324 kN/m  0,30 m 24,30 m",
  };
  ASSERT_GE(t.Linier.size(), tabel.size() + 2);
  EXPECT_EQ(std::vector<std::string>(t.Linier.begin(), t.Linier.begin() + tabel.size()), tabel);
  EXPECT_EQ(t.Linier[tabel.size() + 1], "Regningsmæssig linielast på åse fra vindlast (w) alene:");
  EXPECT_TRUE(dlg.kald.empty());
}

TEST_F(LinielastTest, ZonerUdenForStrimlenGiverIntet) {
  // Purlin 3 (strip 4,4608..5,5 m) lies beyond the corner and edge zones
  // F, G, K (0..1,2235 m) and the eaves overhang D; it gets H and the
  // internal pressure only (plus the gable overhangs).
  TTilfaelde t = Tilfaelde(3, 6, 'a');
  const TLinielastListe vind = BygVindlastTag(t, ind, sd, dlg);
  EXPECT_TRUE(HarLinje(t, "     H"));
  for (const char* z : {"     G", "     F", "     D"}) EXPECT_FALSE(HarLinje(t, z)) << z;
  EXPECT_FALSE(HarX(vind, 3059) || HarX(vind, 21541));

  // Wind from the north: 'D' covers the north gable overhang across the
  // whole roof; it starts at Lt - g and runs to the purlin end unclosed.
  for (int aas = 1; aas <= 3; ++aas) {
    t = Tilfaelde(aas, 6, 'j');
    const TLinielastListe nord = BygVindlastTag(t, ind, sd, dlg);
    EXPECT_TRUE(HarLinje(t, "     D")) << "aas " << aas;
    ASSERT_FALSE(nord.empty());
    EXPECT_EQ(nord.back().x, 24300) << "aas " << aas;
    EXPECT_FALSE(HarX(nord, sd.LAas));
  }
}

TEST_F(LinielastTest, EgenlastSneOgSamletListe) {
  // LK 1: the dead load alone, one change at 0, and no total list.
  TTilfaelde t = Tilfaelde(2, 1, 'a');
  TLinielastListe l = BygLinielaster(t, ind, sd, dlg);
  ASSERT_EQ(l.size(), 1u);
  EXPECT_EQ(l[0].x, 0);
  EXPECT_EQ(t.Linier.at(1), "Regningsmæssig linielast på åse fra egenlast:");
  EXPECT_FALSE(HarLinje(t, "Regningsmæssig linielast på åse fra g+s+w:"));

  // LK 11 has no dead load: its dead-load change is 0, the uniform snow
  // comes on top at the same x.
  t = Tilfaelde(2, 11, 'a');
  l = BygLinielaster(t, ind, sd, dlg);
  ASSERT_EQ(l.size(), 1u);
  EXPECT_NAER(l[0].dqz, t.sLinie * std::sqrt(3.0) / 2.0);
  EXPECT_TRUE(HarLinje(t, "Regningsmæssig linielast på åse fra snelast:"));

  // LK 3 has no wind.
  t = Tilfaelde(2, 3, 'b');
  EXPECT_TRUE(BygVindlastTag(t, ind, sd, dlg).empty());
  EXPECT_TRUE(t.Linier.empty());

  // LK 5: dead load, snow and wind, and the total.
  t = Tilfaelde(2, 5, 'a');
  l = BygLinielaster(t, ind, sd, dlg);
  EXPECT_NAER(l[0].dqz, (t.gLinie + t.sLinie) * std::sqrt(3.0) / 2.0 +
                            0.45 * (1.44 + 0.4 * BH + 0.7 * BG));
  EXPECT_NAER(l[0].dqy, (t.gLinie + t.sLinie) * 0.5);
  EXPECT_TRUE(HarLinje(t, "Regningsmæssig linielast på åse fra g+s+w:"));

  // Normal report extent: the loads without any printed line.
  ind.RappOmfang = 0;
  t = Tilfaelde(2, 5, 'a');
  l = BygLinielaster(t, ind, sd, dlg);
  EXPECT_EQ(l.size(), 5u);
  EXPECT_TRUE(t.Linier.empty());
  EXPECT_TRUE(dlg.kald.empty());
}

TEST_F(LinielastTest, OpadrettetVindLoefterTaget) {
  // LK 9 b: suction on the roof (G at 30°: -0,5), internal pressure +0,2,
  // no load on the '1' side of the gable overhangs (pressure gives 0).
  TTilfaelde t = Tilfaelde(2, 9, 'b');
  const TLinielastListe vind = BygVindlastTag(t, ind, sd, dlg);
  EXPECT_FALSE(HarLinje(t, "     1"));
  EXPECT_TRUE(HarLinje(t, "     G     -0,50    -0,50 kN/m2    0,81 m    -0,610 kN/m"));
  // Along the middle of the purlin (under G) the roof is lifted; the
  // suction under the south gable overhang '2' still pulls down at the end.
  double midt = 0.0;
  for (const auto& r : vind)
    if (r.x <= 3059) midt += r.dqz;
  EXPECT_LT(midt, 0.0);
  EXPECT_GT(vind[0].dqz, 0.0);
}

}  // namespace
}  // namespace kvistor
