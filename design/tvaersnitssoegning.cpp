#include "design/tvaersnitssoegning.h"

#include <algorithm>
#include <optional>

#include "project/katalog.h"

namespace kvistor {

std::vector<TTvaersnit> StandardTvaersnit(int styrkeKlasse, bool alleKlasser) {
  std::vector<TTvaersnit> r;
  const int fra = alleKlasser ? 0 : styrkeKlasse;
  const int til = alleKlasser ? static_cast<int>(StyrkeKlasseTekster.size()) - 1 : styrkeKlasse;
  for (int k = fra; k <= til; ++k) {
    const char art = DimensionsArt(k);
    for (const THojdeBreddeData& h : HojdeTabel) {
      if (h.Art != art) continue;
      for (const THojdeBreddeData& b : BreddeTabel)
        if (b.Art == art) r.push_back({k, h.Vaerdi, b.Vaerdi});
    }
  }
  return r;
}

TTvaersnitsProeve ProevTvaersnit(const Inddata& indtastet, const TTvaersnit& t) {
  TTvaersnitsProeve p;
  Inddata ind = indtastet;
  ind.StyrkeKlasse = t.StyrkeKlasse;
  ind.AaseHojde = t.Hoejde;
  ind.AaseBredde = t.Bredde;
  const std::vector<int> beslag = PassendeBeslag(ind);
  std::optional<TTvaersnitsVariant> foerste;
  for (int b : beslag) {
    ind.Beslag = b;
    const TNoegletalResultat r = BeregnNoegletal(ind);
    ++p.Beregninger;
    if (!r.Beregnet()) return p;  // refused or stopped: skipped
    TTvaersnitsVariant v{t.StyrkeKlasse, t.Hoejde, t.Bredde, b, r.Tal};
    if (!foerste) foerste = v;
    if (r.Tal.SamlingOk) {
      p.Variant = v;
      return p;
    }
    // The hanger enters the joint check only: when the timber or the
    // stiffness fails, it fails with every hanger of the list.
    if (!r.Tal.AasOk || !r.Tal.NedbojningOk) break;
  }
  p.Variant = foerste;
  return p;
}

TTvaersnitsSoegning FindMindsteTvaersnit(const Inddata& ind, bool alleKlasser,
                                          const TSoegeStyring& styring) {
  const std::vector<TTvaersnit> snit = StandardTvaersnit(ind.StyrkeKlasse, alleKlasser);
  std::vector<std::optional<TTvaersnitsProeve>> proever(snit.size());
  TTvaersnitsSoegning s;
  s.Annulleret = !KoerParallelt(snit.size(), styring, [&](std::size_t i) {
    proever[i] = ProevTvaersnit(ind, snit[i]);
  });
  for (const auto& p : proever) {
    if (!p) continue;  // not reached before the search was stopped
    ++s.AntalProevede;
    s.AntalBeregninger += p->Beregninger;
    if (!p->Variant)
      ++s.AntalSprunget;
    else if (p->Variant->Tal.AlleOk())
      s.Bestaaede.push_back(*p->Variant);
    else
      ++s.AntalDumpede;
  }
  // Area, then depth; equal sections in the order of the lists (the lower
  // strength class first).
  std::stable_sort(s.Bestaaede.begin(), s.Bestaaede.end(),
                   [](const TTvaersnitsVariant& a, const TTvaersnitsVariant& b) {
                     if (a.Areal() != b.Areal()) return a.Areal() < b.Areal();
                     return a.Hoejde < b.Hoejde;
                   });
  return s;
}

}  // namespace kvistor
