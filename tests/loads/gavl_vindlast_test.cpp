// Wind on the gable walls: partial loads, hinge tension and compression, and
// the printed table.
#include <gtest/gtest.h>

#include "hjaelp/naer.h"
#include "loads/gavlvind.h"
#include "loads/last_eksempel.h"

namespace kvistor {
namespace {

class GavlvindTest : public test::EksempelTest {
 protected:
  TTilfaelde Gavlvind(int aas, int lk, char lt) {
    TTilfaelde t = Tilfaelde(aas, lk, lt);
    BygVindlastGavl(t, ind, sd, dlg);
    return t;
  }
  void ForventIngenNormalkraft(const TTilfaelde& t) {
    for (int f = 1; f <= 3; ++f) {
      EXPECT_EQ(t.FagRes[f].N, 0.0) << f;
      EXPECT_EQ(t.FagRes[f].NTryk, 0.0) << f;
    }
  }
};

// Purlin 2's band on the wall: 1,0392 m wide, 1,7711 m high (hand).
constexpr double Areal = 1.0392304845413265 * 1.7711324865405187;
// h/L = 6,1177/24 = 0,2549: cp(D) = 2/3 + 2/15·r, cp(E) = -7/30 - 4/15·r.
constexpr double R = 6.117691453623979 / 24.0;
constexpr double CpD = 2.0 / 3.0 + 2.0 / 15.0 * R;
constexpr double CpE = -7.0 / 30.0 - 4.0 / 15.0 * R;

TEST_F(GavlvindTest, VindFraNordTrykkerNordgavlenIOgsaaLK5) {
  const TTilfaelde t = Gavlvind(2, 6, 'j');  // LK 6: psi 1,5
  // South gable: suction on E (tension) and internal suction on N.
  const double syd = 1.5 * (-1.0 * CpE) * Areal + 1.5 * (0.6 * -0.3) * Areal;  // +0,3349
  // North gable: pressure on D and internal suction: compression.
  const double nord = 1.5 * (-1.0 * CpD) * Areal + 1.5 * (0.6 * -0.3) * Areal;  // -2,4314
  EXPECT_NAER(t.FagRes[1].N, syd);
  EXPECT_EQ(t.FagRes[1].NTryk, 0.0);
  EXPECT_EQ(t.FagRes[3].N, 0.0);
  EXPECT_NAER(t.FagRes[3].NTryk, -nord);
  EXPECT_NAER(t.FagRes[2].N, syd);
  EXPECT_NAER(t.FagRes[2].NTryk, -nord);

  const std::vector<std::string> forventet = {
      "",
      "Detaljer vedr. vindlast på gavlvægge (Part.koeff. eller psi = 1,50):",
      "  Normalkraftfaktor = 1,00",
      "  Kar. hastighedstryk ude/inde = 1,00/0,60 kN/m2:",
      "  Område N er inde, øvrige delområder er ude.",
      "  Område   Form-      Karakt.      Del-       Regn.mæss.",
      "           faktor     fladelast    areal      dellast",
      "  Kort yderfag, vind fra Nord:",
      "     E     -0,30     0,30 kN/m2    1,84 m2     0,83 kN",
      "     N     -0,30    -0,18 kN/m2    1,84 m2    -0,50 kN",
      "  Langt yderfag, vind fra Nord:",
      "     D      0,70    -0,70 kN/m2    1,84 m2    -1,93 kN",
      "     N     -0,30    -0,18 kN/m2    1,84 m2    -0,50 kN",
  };
  EXPECT_EQ(t.Linier, forventet);
  EXPECT_TRUE(dlg.kald.empty());

  // LK 5 k is Sne(1) with the wind of case j; psi 0,45.
  EXPECT_NAER(Gavlvind(2, 5, 'k').FagRes[3].NTryk, 0.45 * (CpD + 0.18) * Areal);

  // The normal report extent: the same forces, the heading only.
  ind.RappOmfang = 0;
  const TTilfaelde n = Gavlvind(2, 6, 'j');
  EXPECT_NAER(n.FagRes[3].NTryk, -nord);
  EXPECT_EQ(n.Linier.size(), 7u);
}

TEST_F(GavlvindTest, OpadrettetVindFraVestKunIndrePaaNordgavlen) {
  // LK 9 b: '1', 'B', 'C' take pressure and get 0, so the north gable keeps
  // only the internal pressure; the south gable gets the suction of '2'.
  const TTilfaelde t = Gavlvind(2, 9, 'b');
  const double indre = 1.5 * 0.6 * 0.2 * Areal;
  const double zone2 = 1.5 * 1.2 * Areal;
  EXPECT_NAER(t.FagRes[3].N, indre);
  EXPECT_NAER(t.FagRes[1].N, zone2 + indre);
  EXPECT_NAER(t.FagRes[2].N, zone2 + indre);
  EXPECT_EQ(t.FagRes[2].NTryk, 0.0);
  // The long end's sub-list holds only its title and 'N': not printed.
  ASSERT_EQ(t.Linier.size(), 10u);
  EXPECT_EQ(t.Linier[7], "  Kort yderfag, vind på tværs:");
}

TEST_F(GavlvindTest, OestenvindPaaTvaersBelasterBeggeGavle) {
  // LK 6 m: e = min(2h, L) = 12,2354 m exceeds the 10 m wide wall, so 'C'
  // and 'M' have no width and 'B'/'L' ([0,5; 8,0529] after clipping) cover
  // purlin 2's whole band. 'L' loads the south gable, 'B' the north gable,
  // exactly as in west wind; cp(B) = cp(L) = -0,8 and internal suction -0,3.
  const TTilfaelde t = Gavlvind(2, 6, 'm');
  const double hver = 1.5 * (0.8 - 0.18) * Areal;  // +1,7117 kN, hand
  EXPECT_NAER(t.FagRes[1].N, hver);
  EXPECT_NAER(t.FagRes[3].N, hver);
  ASSERT_EQ(t.Linier.size(), 13u);
  EXPECT_EQ(t.Linier[7], "  Kort yderfag, vind på tværs:");
  EXPECT_EQ(t.Linier[8], "     L     -0,80     0,80 kN/m2    1,84 m2     2,21 kN");
  EXPECT_EQ(t.Linier[11], "     B     -0,80     0,80 kN/m2    1,84 m2     2,21 kN");
}

TEST_F(GavlvindTest, IngenNormalkraftUdenFaktorVindEllerBaand) {
  ind.NormalKraftFaktor = 0.0;
  TTilfaelde t = Gavlvind(2, 6, 'a');
  ForventIngenNormalkraft(t);
  EXPECT_TRUE(t.Linier.empty());

  ind.NormalKraftFaktor = 1.0;
  t = Gavlvind(2, 3, 'b');  // no wind in LK 3
  ForventIngenNormalkraft(t);
  EXPECT_TRUE(t.Linier.empty());

  // Values left over from before are cleared.
  t.LK = 1;
  t.FagRes[2].N = 5.0;
  t.FagRes[3].NTryk = 5.0;
  BygVindlastGavl(t, ind, sd, dlg);
  ForventIngenNormalkraft(t);

  // Half a spacing (0,5196 m) shorter than the eaves overhang: purlin 1's
  // band on the wall has no length, so no partial load and no zone line.
  ind.FacUdh = 0.6;
  sd = test::EksempelSuppl(ind);
  t = Gavlvind(1, 6, 'j');
  ForventIngenNormalkraft(t);
  EXPECT_EQ(t.Linier.size(), 7u);
}

}  // namespace
}  // namespace kvistor
