// Load factors, kmod and the case record of the load combinations, and the
// heading every case writes.
#include <gtest/gtest.h>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "loads/lastkombinationer.h"
#include "loads/last_eksempel.h"

namespace kvistor {
namespace {

TEST(LastFaktor09, KonsekvensklasseHoejSkalererAltUndtagenGunstigEgenlast) {
  TSkriptetDialog dlg;
  // K_FI = 1,1 ("Høj").
  EXPECT_NAER(LastFaktor09('Y', 3, 2, dlg), 1.1);
  EXPECT_NAER(LastFaktor09('P', 3, 2, dlg), 1.65);
  EXPECT_NAER(LastFaktor09('Y', 9, 2, dlg), 0.9);  // the favourable 0,9 g stays
  EXPECT_NAER(LastFaktor09('B', 9, 2, dlg), 1.65);
  EXPECT_NAER(LastFaktor09('Y', 1, 2, dlg), 1.32);
  EXPECT_TRUE(dlg.kald.empty());
}

TEST(LastFaktor09, KonsekvensklasseLavOgNormal) {
  TSkriptetDialog dlg;
  // K_FI = 0,9 ("Lav").
  EXPECT_NAER(LastFaktor09('Y', 6, 0, dlg), 0.9);
  EXPECT_NAER(LastFaktor09('B', 6, 0, dlg), 1.35);
  EXPECT_NAER(LastFaktor09('A', 8, 0, dlg), 1.35);
  EXPECT_NAER(LastFaktor09('Y', 9, 0, dlg), 0.9);
  // Normal: the plain table; any wind-zone letter counts as wind.
  EXPECT_NAER(LastFaktor09('H', 5, 1, dlg), 0.45);
  EXPECT_NAER(LastFaktor09('P', 1, 1, dlg), 0.0);
  EXPECT_NAER(KFI(7), 1.0);
  EXPECT_TRUE(dlg.kald.empty());
}

TEST(LastFaktor09, UgyldigeVaerdierMeldesIFejlboksen) {
  TSkriptetDialog dlg;
  EXPECT_NAER(LastFaktor09('Y', 14, 1, dlg), 0.0);
  EXPECT_NAER(LastFaktor09('Y', 0, 1, dlg), 0.0);
  EXPECT_EQ(FindLastbidrag('x', dlg), 5);
  EXPECT_NAER(Punktlast('A', dlg), 1.5);
  EXPECT_NAER(Punktlast('Z', dlg), 2.0);
  EXPECT_NAER(Punktlast('B', dlg), 0.0);
  const std::vector<std::string> forventet = {
      "function LastFaktor09: Ugyldig lastkombination: 14. Skal være fra 1 til 13.",
      "function LastFaktor09: Ugyldig lastkombination: 0. Skal være fra 1 til 13.",
      "function FindLastbidrag: Omraade x er ugyldigt.",
      "Ugyldig punktlastplacering: B. Skal være A eller Z.",
  };
  EXPECT_EQ(dlg.Tekster("Fejl"), forventet);
  EXPECT_EQ(FindLastbidrag('V', dlg), 0);
  EXPECT_EQ(FindLastbidrag('P', dlg), 1);
  EXPECT_EQ(FindLastbidrag('N', dlg), 2);
  EXPECT_EQ(FindLastbidrag('U', dlg), 3);
  EXPECT_EQ(FindLastbidrag('Z', dlg), 4);
  EXPECT_EQ(dlg.kald.size(), 4u);
}

TEST(LKTekst, KunKombinationEtTilNi) {
  EXPECT_EQ(LKTekst(3), "1,0 g + 1,5 s + evt. Mkip");
  EXPECT_EQ(LKTekst(9), "0,9 g + 1,5 w");
  EXPECT_EQ(LKTekst(10), "");
  EXPECT_EQ(LKTekst(0), "");
}

TEST(VindTilfaelde, SnemoenstretAendrerIkkeVinden) {
  EXPECT_EQ(VindTilfaelde(5, 'b'), 'a');
  EXPECT_EQ(VindTilfaelde(5, 'c'), 'a');
  EXPECT_EQ(VindTilfaelde(5, 'k'), 'j');
  EXPECT_EQ(VindTilfaelde(5, 'n'), 'm');
  EXPECT_EQ(VindTilfaelde(5, 'w'), 'v');
  EXPECT_EQ(VindTilfaelde(5, 'j'), 'j');
  EXPECT_EQ(VindTilfaelde(9, 'b'), 'b');
}

class BygTilfaeldeTest : public ::testing::Test {
 protected:
  // A hand-made working record of the example: 30° roof, BTag = 11 m,
  // purlins at 0, 1,0392 and 4,9804 m, 0,5 kN/m² dead load.
  BygTilfaeldeTest() {
    ind = test::EksempelInddata();
    sd.CosV = std::sqrt(3.0) / 2.0;
    sd.SinV = 0.5;
    sd.TanV = sd.SinV / sd.CosV;
    sd.BTag = 11.0;
    const double w = 1.2 * sd.CosV;
    sd.xAas = {0.0, 0.0, w, 5.5 - w / 2.0};
    sd.EgenlastIalt = 0.5;
    sd.fmd = 10.0;
    sd.fvd = 2.0;
    sd.Sikkl = 1;
  }
  Inddata ind;
  TSupplData sd;
  TTilfaelde t;
};

TEST_F(BygTilfaeldeTest, StrimlerOgLinielaster) {
  const double w = 1.2 * std::sqrt(3.0) / 2.0;  // 1,0392 m
  BygTilfaelde(t, 2, 3, 'b', ind, sd);
  EXPECT_EQ(t.Aas, 2);
  EXPECT_EQ(t.LK, 3);
  EXPECT_EQ(t.LT, 'b');
  EXPECT_NAER(t.StrimmelStart, w / 2.0);       // 0,5196
  EXPECT_NAER(t.StrimmelSlut, 1.5 * w);        // 1,5588
  // Dead load on the sloped width 1,2 m: 0,6 kN/m, factor 1,0.
  EXPECT_NAER(t.gLinie, 0.6);
  // Snow 0,8 kN/m² on the horizontal width, factor 1,5: 1,5·0,8·1,0392.
  EXPECT_NAER(t.sLinie, 1.5 * 0.8 * w);
  EXPECT_NAER(t.Q, 0.0);
  EXPECT_NAER(t.kmod, 0.9);
  EXPECT_NAER(t.fmkd, 9.0);
  EXPECT_NAER(t.fvkd, 1.8);
  EXPECT_TRUE(t.Linier.empty());

  // Purlin 1 at the eaves tip carries half a spacing.
  TTilfaelde t1;
  BygTilfaelde(t1, 1, 3, 'b', ind, sd);
  EXPECT_NAER(t1.StrimmelStart, 0.0);
  EXPECT_NAER(t1.StrimmelSlut, w / 2.0);
  EXPECT_NAER(t1.gLinie, t.gLinie / 2.0);
  // Purlin 3 ends at the ridge.
  TTilfaelde t3;
  BygTilfaelde(t3, 3, 1, 'a', ind, sd);
  EXPECT_NAER(t3.StrimmelStart, 5.5 - w);  // 4,4608
  EXPECT_NAER(t3.StrimmelSlut, 5.5);
  EXPECT_NAER(t3.gLinie, 1.2 * 0.6);
  EXPECT_NAER(t3.kmod, 0.6);
}

TEST_F(BygTilfaeldeTest, ForhoejetSneKunSomJaevnSne) {
  ind.NormSneFormFak = 0;
  ind.SneFormFak = 1.2;
  const double w = 1.2 * std::sqrt(3.0) / 2.0;
  BygTilfaelde(t, 2, 3, 'b', ind, sd);
  EXPECT_NAER(t.sLinie, 1.5 * 1.2 * w);
  BygTilfaelde(t, 2, 3, 'h', ind, sd);  // Sne(1) keeps to the normal 0,8
  EXPECT_NAER(t.sLinie, 1.5 * 0.8 * w);
  BygTilfaelde(t, 2, 5, 'k', ind, sd);
  EXPECT_NAER(t.sLinie, 1.5 * 0.8 * w);
}

TEST_F(BygTilfaeldeTest, FaktorerKmodOgPunktlast) {
  sd.Sikkl = 0;  // "Lav"
  BygTilfaelde(t, 2, 8, 'a', ind, sd);
  EXPECT_NAER(t.Q, 2.025);  // 0,9·1,5·1,5 kN
  EXPECT_NAER(t.kmod, 1.1);
  BygTilfaelde(t, 2, 6, 'a', ind, sd);
  EXPECT_NAER(t.LastfaktorG, 0.9);
  EXPECT_NAER(t.LastfaktorW, 1.35);
  EXPECT_NAER(t.kmod, 1.1);
  BygTilfaelde(t, 2, 9, 'b', ind, sd);
  EXPECT_NAER(t.LastfaktorG, 0.9);
  EXPECT_NAER(t.kmod, 1.1);
  BygTilfaelde(t, 2, 5, 'a', ind, sd);
  EXPECT_NAER(t.kmod, 1.1);

  // Deflection combinations: no K_FI; LK 10 carries 1 + kdef.
  ind.AnvKlasse = 2;
  BygTilfaelde(t, 2, 10, 'a', ind, sd);
  EXPECT_NAER(t.LastfaktorG, 3.0);
  EXPECT_NAER(t.gLinie, 3.0 * 0.6);
  EXPECT_NAER(t.kmod, 1.0);
  BygTilfaelde(t, 2, 11, 'a', ind, sd);
  EXPECT_NAER(t.LastfaktorG, 0.0);
  EXPECT_NAER(t.LastfaktorS, 1.0);
  EXPECT_NAER(t.gLinie, 0.0);
  BygTilfaelde(t, 2, 12, 'b', ind, sd);
  EXPECT_NAER(t.LastfaktorG, 0.0);
  EXPECT_NAER(t.Q, 1.5);
  ind.AnvKlasse = 0;
  BygTilfaelde(t, 2, 10, 'a', ind, sd);
  EXPECT_NAER(t.LastfaktorG, 1.6);
  // Service class 3: kmod of LK 3 is 0,70.
  ind.AnvKlasse = 2;
  BygTilfaelde(t, 2, 3, 'c', ind, sd);
  EXPECT_NAER(t.kmod, 0.7);
}

TEST_F(BygTilfaeldeTest, NytRecordGenbrugerIntetFraEtTidligereTilfaelde) {
  t.Linier = {"gammel"};
  t.FagRes[2].UGBoej = 3.0;
  t.FagRes[1].N = 7.0;
  t.ErDimensionsgivende = true;
  BygTilfaelde(t, 2, 1, 'a', ind, sd);
  EXPECT_TRUE(t.Linier.empty());
  EXPECT_EQ(t.FagRes[2].UGBoej, 0.0);
  EXPECT_EQ(t.FagRes[1].N, 0.0);
  EXPECT_FALSE(t.ErDimensionsgivende);
}

TEST_F(BygTilfaeldeTest, AasUdenForTagetFaarIngenLast) {
  BygTilfaelde(t, 4, 1, 'a', ind, sd);
  EXPECT_EQ(t.gLinie, 0.0);
  // A spacing so wide that purlin 2 would lie past the ridge: empty strip,
  // never a negative load.
  sd.xAas[2] = 7.0;
  BygTilfaelde(t, 2, 3, 'b', ind, sd);
  EXPECT_NAER(t.StrimmelSlut - t.StrimmelStart, 0.0);
  EXPECT_EQ(t.gLinie, 0.0);
  EXPECT_EQ(t.sLinie, 0.0);
}

// The heading of a case.
std::vector<std::string> Overskrift(int aas, int lk, char lt) {
  std::array<std::int32_t, 7> ramme{0, 2700, 7500, 0, 0, 0, 21900};
  std::array<std::int32_t, 12> punkt{0, 1234, 9876, 0, 0, 24600, 2012, 0, 0, 0, 0, 21212};
  TTilfaelde t;
  t.Aas = aas;
  t.LK = lk;
  t.LT = lt;
  SkrivTilfaeldeTekst(t, ramme, punkt);
  return t.Linier;
}

const std::string Stjerner(63, '*');

TEST(SkrivTilfaeldeTekst, Lastkombination5kAas2) {
  const std::vector<std::string> forventet = {
      Stjerner,
      "Lastkombination 5: 1,0 g + 1,5 s + 0,45 w.",
      "Lasttilfælde k: Sne(1) + nedadrett. vind fra nord.",
      "Aas nr 2.",
      Stjerner,
  };
  EXPECT_EQ(Overskrift(2, 5, 'k'), forventet);
}

TEST(SkrivTilfaeldeTekst, LasttilfaeldeLinjer) {
  auto linje = [](int aas, int lk, char lt) { return Overskrift(aas, lk, lt)[2]; };
  EXPECT_EQ(linje(2, 1, 'a'), "Lasttilfælde a: Kun egenlast.");
  EXPECT_EQ(linje(2, 3, 'c'),
            "Lasttilfælde c: Sne(0) + primært kipn-moment i punktet x = 7,50 m");
  EXPECT_EQ(linje(2, 3, 'g'),
            "Lasttilfælde g: Sne(0) + primært kipn-moment i punktet x = 21,90 m");
  EXPECT_EQ(linje(2, 3, 'i'), "Lasttilfælde i: Sne(2) uden kipn-momenter.");
  EXPECT_EQ(linje(1, 5, 'c'), "Lasttilfælde c: Sne(2) + nedadrett. vind fra vest.");
  EXPECT_EQ(linje(3, 6, 'v'), "Lasttilfælde v: Nedadrettet vind fra syd.");
  EXPECT_EQ(linje(2, 8, 'a'), "Lasttilfælde a: Punktlast i punktet x = 1,23 m.");
  EXPECT_EQ(linje(2, 8, 'k'), "Lasttilfælde k: Punktlast i punktet x = 21,21 m.");
  EXPECT_EQ(linje(1, 9, 'o'), "Lasttilfælde o: Opadrettet vind fra øst.");
  EXPECT_EQ(linje(2, 11, 'a'), "Lasttilfælde a: Sne(0).");
  EXPECT_EQ(linje(2, 12, 'b'),
            "Lasttilfælde b: Én punktlast midt i første (sydligste) mellemfag.");
  EXPECT_EQ(Overskrift(2, 10, 'a')[1], "Lastkombination 10: 1,0 g.");
  EXPECT_EQ(Overskrift(2, 12, 'c')[1], "Lastkombination 12: 0,0 g + 1,0 Q.");
  // A combination without load cases has no load-case line.
  const std::vector<std::string> lk13 = {
      Stjerner, "Udefineret lastkombinationsbeskrivelse!", "Aas nr 2.", Stjerner};
  EXPECT_EQ(Overskrift(2, 13, 'a'), lk13);
  EXPECT_EQ(Overskrift(2, 2, 'a').size(), 4u);
}

}  // namespace
}  // namespace kvistor
