// The catalogues and the routines that fill the lists from them.
#include <gtest/gtest.h>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "project/inddataside.h"
#include "project/katalog.h"

namespace kvistor {
namespace {

TInddataside Side(double hojde, double bredde, double vinkel, double nkFaktor, int beslag = -1) {
  TInddataside s = NyInddataside();
  s.Inddata.AaseHojde = hojde;
  s.Inddata.AaseBredde = bredde;
  s.Inddata.TagVink = vinkel;
  s.Inddata.NormalKraftFaktor = nkFaktor;
  s.Inddata.Beslag = beslag;
  return s;
}

std::vector<int> Raekker(const TInddataside& s) {
  std::vector<int> r;
  for (std::size_t p = 0; p < s.ComboBoxBeslag.Elementer.size(); ++p) r.push_back(s.BeslagIndeks[p]);
  return r;
}

TEST(Beslagkatalog, RaekkerMedNavneOgVaerdier) {
  ASSERT_EQ(BeslagTabel.size(), 34u);
  // Names are kept with their two trailing blanks.
  EXPECT_EQ(BeslagTabel[1].Navn, "Simpson GER W90 fuldt udsømmet  ");
  EXPECT_EQ(BeslagTabel[33].Navn, "Paslode 2-200 Fuldt udsømmet");
  const TBData& b = BeslagTabel[31];  // "Paslode 2-180 Fuldt udsømmet"
  EXPECT_NAER(b.HMinB, 180);
  EXPECT_NAER(b.BMin, 66);
  EXPECT_NAER(b.F2k, 3.71);
  EXPECT_NAER(b.F3k, 6.82);
  EXPECT_NAER(b.H1, 63);
  EXPECT_NAER(b.Y1, -95);
  EXPECT_NAER(BeslagTabel[24].Nk, 84.2);
  EXPECT_EQ(BeslagData(-1), nullptr);
  EXPECT_EQ(BeslagData(34), nullptr);
  EXPECT_EQ(BeslagData(0), &BeslagTabel[0]);
}

TEST(BygComboBoxBeslag, EksemplerMedHoejdeBreddeOgVinkel) {
  TSkriptetDialog dlg;
  // 200 x 75 at 20°: rows 0..17 (HMinW <= 200) and the B200/2-200 window.
  TInddataside s = Side(200, 75, 20, 0, 5);
  BygComboBoxBeslag(s, dlg);
  std::vector<int> ventet;
  for (int r = 0; r <= 17; ++r) ventet.push_back(r);
  ventet.push_back(32);
  ventet.push_back(33);
  EXPECT_EQ(Raekker(s), ventet);
  EXPECT_EQ(s.ComboBoxBeslag.Elementer[19], "Paslode 2-200 Fuldt udsømmet");
  // Row 5 still fits: it stays chosen, silently.
  EXPECT_EQ(s.Inddata.Beslag, 5);
  EXPECT_EQ(s.ComboBoxBeslag.Valgt, 5);
  EXPECT_TRUE(dlg.kald.empty());
  for (int p = 20; p < AntalBeslag; ++p) EXPECT_EQ(s.BeslagIndeks[p], -1);

  // 127 x 75: window 124..129 of rows 26 and 27.
  s = Side(127, 75, 20, 0, 0);
  BygComboBoxBeslag(s, dlg);
  EXPECT_EQ(Raekker(s), (std::vector<int>{0, 1, 26, 27}));
  s = Side(127, 60, 20, 0, 0);
  BygComboBoxBeslag(s, dlg);
  EXPECT_EQ(Raekker(s), (std::vector<int>{0, 1, 26}));  // row 27 needs 62 mm
  s = Side(123, 75, 20, 0, 0);
  BygComboBoxBeslag(s, dlg);
  EXPECT_EQ(Raekker(s), (std::vector<int>{0, 1}));

  // Normal force: only hangers with a tension capacity.
  s = Side(200, 75, 20, 1, 2);
  BygComboBoxBeslag(s, dlg);
  EXPECT_EQ(Raekker(s), (std::vector<int>{2, 6, 10, 14}));
}

TEST(BygComboBoxBeslag, FladtTagTesterIkkeF3k) {
  // With 0° even hardware without F3k would qualify; all rows here have one,
  // so the list is the same as at 20° for 200 x 75.
  Inddata d;
  d.AaseHojde = 200;
  d.AaseBredde = 75;
  d.TagVink = 0;
  TBData udenF3 = BeslagTabel[0];
  udenF3.F3k = 0;
  EXPECT_TRUE(BeslagPasser(udenF3, d));
  d.TagVink = 0.5;
  EXPECT_FALSE(BeslagPasser(udenF3, d));
}

TEST(BygComboBoxBeslag, VaelgerMindsteMedBipOgBesked) {
  TSkriptetDialog dlg;
  TInddataside s = Side(200, 75, 20, 0, 25);  // W260 needs 280 mm
  BygComboBoxBeslag(s, dlg);
  EXPECT_EQ(s.Inddata.Beslag, 0);
  EXPECT_EQ(s.ComboBoxBeslag.Valgt, 0);
  ASSERT_EQ(dlg.kald.size(), 2u);
  EXPECT_EQ(dlg.kald[0].art, "Bip");
  EXPECT_EQ(dlg.kald[1].art, "Information");
  EXPECT_EQ(dlg.kald[1].tekst,
            "Programmet har valgt det \"mindste\" gerberbeslag der matcher forudsætningerne\r\n"
            "(åsens tværsnitsmål og snitkraftretninger).\r\n"
            "Der skal muligvis vælges et \"større\" beslag i \"rullegardinmenuen\".\r\n"
            "Bæreevnen kontrolleres dog først når der trykkes på \"Beregningsresultat\".");
}

TEST(BygComboBoxBeslag, IngenPasserBeholderBeslag) {
  TSkriptetDialog dlg;
  TInddataside s = Side(90, 75, 20, 0, 7);
  BygComboBoxBeslag(s, dlg);
  EXPECT_EQ(s.Inddata.Beslag, 7);
  EXPECT_EQ(s.ComboBoxBeslag.Valgt, -1);
  EXPECT_TRUE(s.ComboBoxBeslag.Elementer.empty());
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "Information");
  EXPECT_EQ(dlg.kald[0].tekst,
            "Ingen beslag matcher forudsætningerne.\r\nÅsedimensionen må formentlig forøges.");
}

TEST(Dimensionslister, KonstruktionstraeOgLimtrae) {
  TInddataside s = NyInddataside();  // C18 at start
  EXPECT_EQ(s.ComboBoxHojde.Elementer,
            (std::vector<std::string>{"125 mm", "150 mm", "175 mm", "200 mm", "225 mm", "250 mm"}));
  EXPECT_EQ(s.ComboBoxBredde.Elementer,
            (std::vector<std::string>{"75 mm", "100 mm", "125 mm", "150 mm", "200 mm"}));
  s.RadioGroupStyrkeKlasse = 4;  // GL24c
  FixStyrkeKlasse(s);
  ASSERT_EQ(s.ComboBoxHojde.Elementer.size(), 9u);
  EXPECT_EQ(s.ComboBoxHojde.Elementer.front(), "133 mm");
  EXPECT_EQ(s.ComboBoxHojde.Elementer.back(), "400 mm");
  EXPECT_EQ(s.HojdeIndeks[0], 6);
  EXPECT_EQ(s.HojdeIndeks[8], 14);
  EXPECT_EQ(s.HojdeIndeks[9], 0);  // the map is cleared beyond the list
  EXPECT_EQ(s.ComboBoxBredde.Elementer,
            (std::vector<std::string>{"65 mm", "90 mm", "115 mm", "140 mm"}));
  EXPECT_EQ(s.BreddeIndeks[3], 8);
  s.ComboBoxHojde.Valgt = 2;
  s.RadioGroupStyrkeKlasse = 2;
  FixStyrkeKlasse(s);
  EXPECT_EQ(s.ComboBoxHojde.Elementer.size(), 6u);
  EXPECT_EQ(s.ComboBoxHojde.Valgt, -1);
  EXPECT_EQ(s.ComboBoxHojde.Tekst, "");
}

TEST(Materialer, ListerOgRaekker) {
  TInddataside s = NyInddataside();
  EXPECT_EQ(s.ComboBoxEL1.Elementer.size(), 4u);
  EXPECT_EQ(s.ComboBoxEL1.Elementer[2], "Beton ell. vingetegl, lægter, sek.spær");
  EXPECT_EQ(s.ComboBoxEL3.Elementer.size(), 7u);
  EXPECT_EQ(s.ComboBoxEL1.Tekst, "Vælg materiale");
  // Position p shows row p + 1; -1 and anything outside the list give row 0.
  EXPECT_NAER(ELData(1, 1).Egenlast, 0.20);
  EXPECT_EQ(ELData(2, 2).Navn, "18 mm krydsfinér med 1 lag pap");
  EXPECT_NAER(ELData(3, 5).Egenlast, 0.12);
  EXPECT_EQ(ELData(4, -1).Navn, "");
  EXPECT_EQ(ELData(4, 5).Navn, "");
  EXPECT_EQ(ELData(1, -7).Navn, "");
  EXPECT_EQ(ELData(9, 0).Navn, "");
}

}  // namespace
}  // namespace kvistor
