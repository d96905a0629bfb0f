// Load factors, kmod and the case record of the load combinations, and the
// heading every case writes.
#include <gtest/gtest.h>

#include <cmath>

#include "hjaelp/naer.h"
#include "loads/last_eksempel.h"
#include "loads/lastkombinationer.h"

namespace kvistor {
namespace {

TEST(LastFaktor09, KonsekvensklasseSkalererAltUndtagenGunstigEgenlast) {
  struct {
    char bogstav;
    int lk, sikkl;
    double faktor;
  } const tabel[] = {
      // "Høj", K_FI = 1,1: the favourable 0,9 g of LK 9 stays.
      {'Y', 3, 2, 1.1}, {'P', 3, 2, 1.65}, {'Y', 9, 2, 0.9}, {'B', 9, 2, 1.65}, {'Y', 1, 2, 1.32},
      // "Lav", K_FI = 0,9.
      {'Y', 6, 0, 0.9}, {'B', 6, 0, 1.35},
      // Normal: the plain table; any wind-zone letter counts as wind.
      {'H', 5, 1, 0.45}, {'P', 1, 1, 0.0},
  };
  TSkriptetDialog dlg;
  for (const auto& r : tabel)
    EXPECT_NAER(LastFaktor09(r.bogstav, r.lk, r.sikkl, dlg), r.faktor)
        << r.bogstav << " LK " << r.lk << " Sikkl " << r.sikkl;
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
  EXPECT_EQ(dlg.kald.size(), 4u);
}

TEST(VindTilfaelde, SnemoenstretAendrerIkkeVinden) {
  const std::string fra = "bcknwj", til = "aajmvj";
  for (std::size_t i = 0; i < fra.size(); ++i) EXPECT_EQ(VindTilfaelde(5, fra[i]), til[i]) << fra[i];
  EXPECT_EQ(VindTilfaelde(9, 'b'), 'b');
}

class BygTilfaeldeTest : public test::EksempelTest {
 protected:
  const double w = 1.2 * std::sqrt(3.0) / 2.0;  // spacing horizontally, 1,0392 m
  const double g = 1.2 * sd.EgenlastIalt;       // dead load on the sloped 1,2 m
  TTilfaelde t;
};

TEST_F(BygTilfaeldeTest, StrimlerOgLinielaster) {
  t = Tilfaelde(2, 3, 'b');
  EXPECT_NAER(t.StrimmelStart, w / 2.0);  // 0,5196
  EXPECT_NAER(t.StrimmelSlut, 1.5 * w);   // 1,5588
  EXPECT_NAER(t.gLinie, g);               // factor 1,0
  // Snow 0,8 kN/m² on the horizontal width, factor 1,5: 1,5·0,8·1,0392.
  EXPECT_NAER(t.sLinie, 1.5 * 0.8 * w);
  EXPECT_NAER(t.kmod, 0.9);
  EXPECT_NAER(t.fmkd, 0.9 * sd.fmd);

  // Purlin 1 at the eaves tip carries half a spacing.
  t = Tilfaelde(1, 3, 'b');
  EXPECT_NAER(t.StrimmelStart, 0.0);
  EXPECT_NAER(t.StrimmelSlut, w / 2.0);
  EXPECT_NAER(t.gLinie, g / 2.0);
  // Purlin 3 ends at the ridge.
  t = Tilfaelde(3, 1, 'a');
  EXPECT_NAER(t.StrimmelStart, 5.5 - w);  // 4,4608
  EXPECT_NAER(t.StrimmelSlut, 5.5);
  EXPECT_NAER(t.gLinie, 1.2 * g);
  EXPECT_NAER(t.kmod, 0.6);

  // The elevated snow value only as uniform snow; Sne(1) keeps to 0,8.
  ind.NormSneFormFak = 0;
  ind.SneFormFak = 1.2;
  EXPECT_NAER(Tilfaelde(2, 3, 'b').sLinie, 1.5 * 1.2 * w);
  EXPECT_NAER(Tilfaelde(2, 3, 'h').sLinie, 1.5 * 0.8 * w);
}

TEST_F(BygTilfaeldeTest, FaktorerKmodOgPunktlast) {
  sd.Sikkl = 0;  // "Lav"
  t = Tilfaelde(2, 8, 'a');
  EXPECT_NAER(t.Q, 2.025);  // 0,9·1,5·1,5 kN
  EXPECT_NAER(Tilfaelde(2, 6, 'a').LastfaktorW, 1.35);
  for (auto [lk, lt] : {std::pair{5, 'a'}, {6, 'a'}, {8, 'a'}, {9, 'b'}})
    EXPECT_NAER(Tilfaelde(2, lk, lt).kmod, 1.1) << "LK " << lk;

  // Deflection combinations: no K_FI; LK 10 carries 1 + kdef.
  ind.AnvKlasse = 2;
  t = Tilfaelde(2, 10, 'a');
  EXPECT_NAER(t.LastfaktorG, 3.0);
  EXPECT_NAER(t.kmod, 1.0);
  t = Tilfaelde(2, 11, 'a');
  EXPECT_NAER(t.LastfaktorG, 0.0);
  EXPECT_NAER(t.LastfaktorS, 1.0);
  t = Tilfaelde(2, 12, 'b');
  EXPECT_NAER(t.LastfaktorG, 0.0);
  EXPECT_NAER(t.Q, 1.5);
  // Service class 3: kmod of LK 3 is 0,70; class 1: LK 10 carries 1,6 g.
  EXPECT_NAER(Tilfaelde(2, 3, 'c').kmod, 0.7);
  ind.AnvKlasse = 0;
  EXPECT_NAER(Tilfaelde(2, 10, 'a').LastfaktorG, 1.6);
}

TEST_F(BygTilfaeldeTest, NytRecordUdenResterOgIngenNegativLast) {
  t.Linier = {"gammel"};
  t.FagRes[2].UGBoej = 3.0;
  t.FagRes[1].N = 7.0;
  t.ErDimensionsgivende = true;
  BygTilfaelde(t, 2, 1, 'a', ind, sd);
  EXPECT_TRUE(t.Linier.empty());
  EXPECT_EQ(t.FagRes[2].UGBoej, 0.0);
  EXPECT_EQ(t.FagRes[1].N, 0.0);
  EXPECT_FALSE(t.ErDimensionsgivende);

  // A purlin outside the roof gets no load.
  EXPECT_EQ(Tilfaelde(4, 1, 'a').gLinie, 0.0);
  // A spacing so wide that purlin 2 would lie past the ridge: empty strip,
  // never a negative load.
  sd.xAas[2] = 7.0;
  t = Tilfaelde(2, 3, 'b');
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

TEST(SkrivTilfaeldeTekst, OverskriftOgLinjer) {
  const std::vector<std::string> forventet = {
      Stjerner,
      "Lastkombination 5: 1,0 g + 1,5 s + 0,45 w.",
      "Lasttilfælde k: Sne(1) + nedadrett. vind fra nord.",
      "Aas nr 2.",
      Stjerner,
  };
  EXPECT_EQ(Overskrift(2, 5, 'k'), forventet);
  // Positions from the placement tables, a fixed combination line, the
  // bay words of LK 12.
  EXPECT_EQ(Overskrift(2, 3, 'c').at(2),
            "Lasttilfælde c: Sne(0) + primært kipn-moment i punktet x = 7,50 m");
  EXPECT_EQ(Overskrift(2, 8, 'k').at(2), "Lasttilfælde k: Punktlast i punktet x = 21,21 m.");
  EXPECT_EQ(Overskrift(2, 12, 'b').at(1), "Lastkombination 12: 0,0 g + 1,0 Q.");
  EXPECT_EQ(Overskrift(2, 12, 'b').at(2),
            "Lasttilfælde b: Én punktlast midt i første (sydligste) mellemfag.");
  // A combination without load cases has no load-case line.
  const std::vector<std::string> lk13 = {
      Stjerner, "Udefineret lastkombinationsbeskrivelse!", "Aas nr 2.", Stjerner};
  EXPECT_EQ(Overskrift(2, 13, 'a'), lk13);
  EXPECT_EQ(Overskrift(2, 2, 'a').size(), 4u);
}

}  // namespace
}  // namespace kvistor
