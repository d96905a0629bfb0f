#include "project/katalog.h"

#include "common/dialog.h"
#include "project/inddataside.h"

namespace kvistor {

std::span<const TELData> ELTabel(int lag) {
  switch (lag) {
    case 1: return EL1Tabel;
    case 2: return EL2Tabel;
    case 3: return EL3Tabel;
    case 4: return EL4Tabel;
    default: return {};
  }
}

const TELData& ELData(int lag, int mat) {
  static constexpr TELData tom{"", 0.0};
  const std::span<const TELData> tabel = ELTabel(lag);
  if (tabel.empty()) return tom;
  // Position -1 (nothing picked) gives row 0; so does anything outside.
  if (mat < -1 || mat + 1 >= static_cast<int>(tabel.size())) return tabel[0];
  return tabel[static_cast<std::size_t>(mat + 1)];
}

const TBData* BeslagData(int beslag) {
  if (beslag < 0 || beslag >= AntalBeslag) return nullptr;
  return &BeslagTabel[static_cast<std::size_t>(beslag)];
}

bool BeslagPasser(const TBData& b, const Inddata& d) {
  if (b.HMinW > 0 && !(d.AaseHojde >= b.HMinW)) return false;
  if (b.HMinB > 0 && !(b.HMinB - 5 <= d.AaseHojde && d.AaseHojde <= b.HMinB)) return false;
  if (b.BMin > 0 && !(d.AaseBredde >= b.BMin)) return false;
  // A sloping roof gives a force parallel to the roof plane.
  if (d.TagVink > 0 && b.F3k == 0) return false;
  // Gable wind carried by the purlins puts the joint in tension.
  if (d.NormalKraftFaktor > 0 && b.Nk == 0) return false;
  return true;
}

std::vector<int> PassendeBeslag(const Inddata& d) {
  std::vector<int> r;
  for (int i = 0; i < AntalBeslag; ++i)
    if (BeslagPasser(BeslagTabel[static_cast<std::size_t>(i)], d)) r.push_back(i);
  return r;
}

namespace {

void FixELData(TListeFelt& liste, int lag) {
  liste.Elementer.clear();
  const std::span<const TELData> tabel = ELTabel(lag);
  for (std::size_t i = 1; i < tabel.size(); ++i) liste.Elementer.emplace_back(tabel[i].Navn);
}

}  // namespace

void FixEL1Data(TInddataside& side) { FixELData(side.ComboBoxEL1, 1); }
void FixEL2Data(TInddataside& side) { FixELData(side.ComboBoxEL2, 2); }
void FixEL3Data(TInddataside& side) { FixELData(side.ComboBoxEL3, 3); }
void FixEL4Data(TInddataside& side) { FixELData(side.ComboBoxEL4, 4); }

void BygComboBoxeDim(TInddataside& side, char art) {
  side.ComboBoxHojde = TListeFelt{};
  side.ComboBoxBredde = TListeFelt{};
  side.HojdeIndeks.fill(0);
  side.BreddeIndeks.fill(0);
  for (std::size_t r = 0; r < HojdeTabel.size(); ++r) {
    if (HojdeTabel[r].Art != art) continue;
    side.HojdeIndeks[side.ComboBoxHojde.Elementer.size()] = static_cast<int>(r);
    side.ComboBoxHojde.Elementer.emplace_back(HojdeTabel[r].Tekst);
  }
  for (std::size_t r = 0; r < BreddeTabel.size(); ++r) {
    if (BreddeTabel[r].Art != art) continue;
    side.BreddeIndeks[side.ComboBoxBredde.Elementer.size()] = static_cast<int>(r);
    side.ComboBoxBredde.Elementer.emplace_back(BreddeTabel[r].Tekst);
  }
}

void FixStyrkeKlasse(TInddataside& side) {
  BygComboBoxeDim(side, DimensionsArt(side.RadioGroupStyrkeKlasse));
}

void FyldBeslagListe(TInddataside& side) {
  TListeFelt& liste = side.ComboBoxBeslag;
  liste = TListeFelt{};
  side.BeslagIndeks.fill(-1);
  for (int r = 0; r < AntalBeslag; ++r) {
    const TBData& b = BeslagTabel[static_cast<std::size_t>(r)];
    if (!BeslagPasser(b, side.Inddata)) continue;
    const int p = static_cast<int>(liste.Elementer.size());
    liste.Elementer.emplace_back(b.Navn);
    side.BeslagIndeks[static_cast<std::size_t>(p)] = r;
    if (r == side.Inddata.Beslag) {
      liste.Valgt = p;
      liste.Tekst = liste.Elementer.back();
    }
  }
}

void BygComboBoxBeslag(TInddataside& side, TBrugerDialog& dlg) {
  FyldBeslagListe(side);
  TListeFelt& liste = side.ComboBoxBeslag;
  if (liste.Valgt >= 0) return;  // the current hardware still fits
  if (liste.Elementer.empty()) {
    // Beslag keeps its value; nothing is selected.
    dlg.Information(
        "Ingen beslag matcher forudsætningerne.\r\nÅsedimensionen må formentlig forøges.");
    return;
  }
  side.Inddata.Beslag = side.BeslagIndeks[0];
  liste.Valgt = 0;
  liste.Tekst = liste.Elementer.front();
  dlg.Bip();
  dlg.Information(
      "Programmet har valgt det \"mindste\" gerberbeslag der matcher forudsætningerne\r\n"
      "(åsens tværsnitsmål og snitkraftretninger).\r\n"
      "Der skal muligvis vælges et \"større\" beslag i \"rullegardinmenuen\".\r\n"
      "Bæreevnen kontrolleres dog først når der trykkes på \"Beregningsresultat\".");
}

}  // namespace kvistor
