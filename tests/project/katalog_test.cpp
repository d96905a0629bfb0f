// The catalogues and the routines that fill the lists from them.
#include <gtest/gtest.h>

#include "common/optagende_dialog.h"
#include "hjaelp/golden.h"
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

// The catalogue rows offered for purlins around the limits of the W types'
// depths, the B types' 5 mm windows (e.g. 124..129 for rows 26 and 27) and
// widths (row 27 needs 62 mm), with and without roof slope (F3k) and normal
// force (Nk); the smallest that fits chosen with a beep and a message when
// the chosen one does not fit, none when nothing fits; and the depth and
// width lists of every strength class, switched from the one before (the
// choice cleared): compared with the golden file.
TEST(Golden, Kataloglister) {
  std::vector<std::string> ud;
  TSkriptetDialog dlg;
  for (double h : {90.0, 123.0, 124.0, 127.0, 129.0, 130.0, 199.0, 200.0, 220.0, 280.0})
    for (double b : {60.0, 62.0, 75.0})
      for (auto [vinkel, nk] : {std::pair{0.0, 0.0}, {20.0, 0.0}, {20.0, 1.0}}) {
        const TInddataside s = Byg(h, b, vinkel, nk, 5, dlg);
        std::string l = test::Tal(h, 0) + " x" + test::Tal(b, 0) + "," + test::Tal(vinkel, 0) +
                        "°, Nk-faktor" + test::Tal(nk, 0) + ": valgt " + std::to_string(s.Inddata.Beslag) +
                        "/" + std::to_string(s.ComboBoxBeslag.Valgt) + ", rækker";
        for (std::size_t i = 0; i < s.ComboBoxBeslag.Elementer.size(); ++i)
          l += " " + std::to_string(s.BeslagIndeks[i]);
        const std::size_t n = s.ComboBoxBeslag.Elementer.size();
        ud.push_back(l + (n < static_cast<std::size_t>(AntalBeslag) && s.BeslagIndeks[n] != -1 ? " (ikke slut)" : ""));
        test::Log(ud, dlg);
      }
  TInddataside s = NyInddataside();
  for (int klasse : {4, 2, 6, 0}) {
    s.ComboBoxHojde.Valgt = 2;
    s.RadioGroupStyrkeKlasse = klasse;
    FixStyrkeKlasse(s);
    std::string l = std::to_string(klasse) + ": '" + s.ComboBoxHojde.Tekst + "' " + std::to_string(s.ComboBoxHojde.Valgt);
    for (const auto* liste : {&s.ComboBoxHojde.Elementer, &s.ComboBoxBredde.Elementer})
      for (const auto& e : *liste) l += " " + e;
    for (int i : s.HojdeIndeks) l += " " + std::to_string(i);
    ud.push_back(l);
  }
  test::SammenlignMedGolden("kataloglister.txt", ud);
}

TEST(Beslagkatalog, OpslagOgFladtTagKraeverIkkeF3k) {
  EXPECT_EQ(BeslagData(-1), nullptr);
  EXPECT_EQ(BeslagData(34), nullptr);
  EXPECT_EQ(BeslagData(33), &BeslagTabel[33]);
  TSkriptetDialog dlg;
  Inddata d = Byg(200, 75, 0, 0, 5, dlg).Inddata;
  TBData udenF3 = BeslagTabel[0];
  udenF3.F3k = 0;
  EXPECT_TRUE(BeslagPasser(udenF3, d));
  d.TagVink = 0.5;
  EXPECT_FALSE(BeslagPasser(udenF3, d));
}

TEST(Materialer, ListerOgRaekker) {
  const TInddataside s = NyInddataside();
  EXPECT_EQ(s.ComboBoxEL1.Tekst, "Vælg materiale");
  // Position p shows row p + 1; -1 and anything outside the list give row 0.
  EXPECT_NAER(ELData(3, 5).Egenlast, 0.12);
  const std::pair<int, int> tomme[] = {{4, -1}, {4, 5}, {1, -7}, {9, 0}};
  for (const auto& [lag, mat] : tomme) EXPECT_EQ(ELData(lag, mat).Navn, "") << lag << " " << mat;
}

}  // namespace
}  // namespace kvistor
