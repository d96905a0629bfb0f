#include "design/brug.h"

#include "faelles/format.h"
#include "project/katalog.h"

namespace kvistor {

namespace {

// The list position that shows catalogue value `vaerdi`, or -1.
template <std::size_t N, std::size_t M>
int Position(const TListeFelt& liste, const std::array<int, N>& indeks,
             const std::array<THojdeBreddeData, M>& tabel, double vaerdi) {
  for (std::size_t p = 0; p < liste.Elementer.size() && p < N; ++p) {
    const int r = indeks[p];
    if (r >= 0 && static_cast<std::size_t>(r) < M && tabel[static_cast<std::size_t>(r)].Vaerdi == vaerdi)
      return static_cast<int>(p);
  }
  return -1;
}

}  // namespace

bool BrugTvaersnitsVariant(TInddataside& side, const TTvaersnitsVariant& v, TBrugerDialog& dlg) {
  if (side.RadioGroupStyrkeKlasse != v.StyrkeKlasse)
    KlikRadio(side, TKontrol::RadioGroupStyrkeKlasse, v.StyrkeKlasse, dlg);
  const int h = Position(side.ComboBoxHojde, side.HojdeIndeks, HojdeTabel, v.Hoejde);
  if (h >= 0) VaelgListepunkt(side, TKontrol::ComboBoxHojde, h, dlg);
  const int b = Position(side.ComboBoxBredde, side.BreddeIndeks, BreddeTabel, v.Bredde);
  if (b >= 0) VaelgListepunkt(side, TKontrol::ComboBoxBredde, b, dlg);
  if (h < 0 || b < 0) return false;
  GaaIndIListe(side, TKontrol::ComboBoxBeslag, dlg);
  for (std::size_t p = 0; p < side.ComboBoxBeslag.Elementer.size(); ++p)
    if (side.BeslagIndeks[p] == v.Beslag) {
      VaelgListepunkt(side, TKontrol::ComboBoxBeslag, static_cast<int>(p), dlg);
      return true;
    }
  return false;
}

void BrugCharnierforskydning(TInddataside& side, std::int32_t forskydningMm, TBrugerDialog& dlg) {
  if (side.RadioGroupCharnForsk != 1) KlikRadio(side, TKontrol::RadioGroupCharnForsk, 1, dlg);
  // The field shows two decimals; the scan's offsets are whole centimetres.
  Indtast(side, TKontrol::EditCharnForsk, FormaterFast(forskydningMm / 1000.0, 2, false), dlg);
}

}  // namespace kvistor
