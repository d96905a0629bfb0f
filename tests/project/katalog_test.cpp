// The catalogues and the routines that fill the lists from them.
#include <gtest/gtest.h>

#include <numeric>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "project/inddataside.h"
#include "project/katalog.h"

namespace kvistor {
namespace {

// A purlin depth x width at a roof angle with a normal-force factor and the
// hardware chosen so far, with the hardware list built for it.
TInddataside Byg(double hojde, double bredde, double vinkel, double nkFaktor, int beslag,
                 TSkriptetDialog& dlg) {
  TInddataside s = NyInddataside();
  s.Inddata.AaseHojde = hojde;
  s.Inddata.AaseBredde = bredde;
  s.Inddata.TagVink = vinkel;
  s.Inddata.NormalKraftFaktor = nkFaktor;
  s.Inddata.Beslag = beslag;
  BygComboBoxBeslag(s, dlg);
  return s;
}

// The catalogue rows behind the list positions.
std::vector<int> Raekker(double hojde, double bredde, double nkFaktor = 0) {
  TSkriptetDialog dlg;
  const TInddataside s = Byg(hojde, bredde, 20, nkFaktor, 0, dlg);
  return {s.BeslagIndeks.begin(), s.BeslagIndeks.begin() + s.ComboBoxBeslag.Elementer.size()};
}

TEST(Beslagkatalog, StikproeverOgOpslag) {
  ASSERT_EQ(BeslagTabel.size(), 34u);
  // Names are kept with their two trailing blanks.
  EXPECT_EQ(BeslagTabel[1].Navn, "Simpson GER W90 fuldt udsømmet  ");
  const TBData& b = BeslagTabel[31];  // "Paslode 2-180 Fuldt udsømmet"
  EXPECT_NAER(b.HMinB, 180);
  EXPECT_NAER(b.F2k, 3.71);
  EXPECT_NAER(b.Y1, -95);
  EXPECT_NAER(BeslagTabel[24].Nk, 84.2);
  EXPECT_EQ(BeslagData(-1), nullptr);
  EXPECT_EQ(BeslagData(34), nullptr);
  EXPECT_EQ(BeslagData(33), &BeslagTabel[33]);
}

TEST(BygComboBoxBeslag, EksemplerMedHoejdeBreddeOgVinkel) {
  // 200 x 75 at 20°: rows 0..17 (HMinW <= 200) and the B200/2-200 window.
  std::vector<int> ventet(18);
  std::iota(ventet.begin(), ventet.end(), 0);
  ventet.insert(ventet.end(), {32, 33});
  EXPECT_EQ(Raekker(200, 75), ventet);
  // 127 x 75: window 124..129 of rows 26 and 27; row 27 needs 62 mm.
  EXPECT_EQ(Raekker(127, 75), (std::vector<int>{0, 1, 26, 27}));
  EXPECT_EQ(Raekker(127, 60), (std::vector<int>{0, 1, 26}));
  EXPECT_EQ(Raekker(123, 75), (std::vector<int>{0, 1}));
  // Normal force: only hangers with a tension capacity.
  EXPECT_EQ(Raekker(200, 75, 1), (std::vector<int>{2, 6, 10, 14}));

  // Row 5 still fits: it stays chosen, silently; positions beyond the list hold -1.
  TSkriptetDialog dlg;
  const TInddataside s = Byg(200, 75, 20, 0, 5, dlg);
  EXPECT_EQ(s.ComboBoxBeslag.Elementer[19], "Paslode 2-200 Fuldt udsømmet");
  EXPECT_EQ(s.Inddata.Beslag, 5);
  EXPECT_EQ(s.ComboBoxBeslag.Valgt, 5);
  EXPECT_TRUE(dlg.kald.empty());
  EXPECT_EQ(s.BeslagIndeks[20], -1);
  EXPECT_EQ(s.BeslagIndeks[AntalBeslag - 1], -1);

  // A flat roof does not ask for F3k.
  Inddata d = s.Inddata;
  TBData udenF3 = BeslagTabel[0];
  udenF3.F3k = 0;
  d.TagVink = 0;
  EXPECT_TRUE(BeslagPasser(udenF3, d));
  d.TagVink = 0.5;
  EXPECT_FALSE(BeslagPasser(udenF3, d));
}

TEST(BygComboBoxBeslag, VaelgerMindsteEllerMelderAtIngenPasser) {
  TSkriptetDialog dlg;
  TInddataside s = Byg(200, 75, 20, 0, 25, dlg);  // W260 needs 280 mm
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

  dlg.kald.clear();
  s = Byg(90, 75, 20, 0, 7, dlg);  // no row fits: the hardware is kept
  EXPECT_EQ(s.Inddata.Beslag, 7);
  EXPECT_EQ(s.ComboBoxBeslag.Valgt, -1);
  EXPECT_TRUE(s.ComboBoxBeslag.Elementer.empty());
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "Information");
  EXPECT_EQ(dlg.kald[0].tekst,
            "Ingen beslag matcher forudsætningerne.\r\nÅsedimensionen må formentlig forøges.");
}

TEST(Dimensionslister, KonstruktionstraeOgLimtrae) {
  TInddataside s = NyInddataside();
  s.RadioGroupStyrkeKlasse = 4;  // GL24c
  FixStyrkeKlasse(s);
  ASSERT_EQ(s.ComboBoxHojde.Elementer.size(), 9u);
  EXPECT_EQ(s.ComboBoxHojde.Elementer.front(), "133 mm");
  EXPECT_EQ(s.ComboBoxHojde.Elementer.back(), "400 mm");
  EXPECT_EQ(s.HojdeIndeks[0], 6);
  EXPECT_EQ(s.HojdeIndeks[9], 0);  // the map is cleared beyond the list
  EXPECT_EQ(s.ComboBoxBredde.Elementer,
            (std::vector<std::string>{"65 mm", "90 mm", "115 mm", "140 mm"}));
  // Back to sawn timber (C24): the "K" rows again, nothing chosen.
  s.ComboBoxHojde.Valgt = 2;
  s.RadioGroupStyrkeKlasse = 2;
  FixStyrkeKlasse(s);
  EXPECT_EQ(s.ComboBoxHojde.Elementer.front(), "125 mm");
  EXPECT_EQ(s.ComboBoxHojde.Elementer.size(), 6u);
  EXPECT_EQ(s.ComboBoxBredde.Elementer.size(), 5u);
  EXPECT_EQ(s.ComboBoxHojde.Valgt, -1);
  EXPECT_EQ(s.ComboBoxHojde.Tekst, "");
}

TEST(Materialer, ListerOgRaekker) {
  const TInddataside s = NyInddataside();
  EXPECT_EQ(s.ComboBoxEL3.Elementer.size(), 7u);
  EXPECT_EQ(s.ComboBoxEL1.Elementer[2], "Beton ell. vingetegl, lægter, sek.spær");
  EXPECT_EQ(s.ComboBoxEL1.Tekst, "Vælg materiale");
  // Position p shows row p + 1; -1 and anything outside the list give row 0.
  EXPECT_NAER(ELData(1, 1).Egenlast, 0.20);
  EXPECT_NAER(ELData(3, 5).Egenlast, 0.12);
  const std::pair<int, int> tomme[] = {{4, -1}, {4, 5}, {1, -7}, {9, 0}};
  for (const auto& [lag, mat] : tomme) EXPECT_EQ(ELData(lag, mat).Navn, "") << lag << " " << mat;
}

}  // namespace
}  // namespace kvistor
