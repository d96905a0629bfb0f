#include "design/tvaersnitssoegning.h"

#include <algorithm>
#include <optional>

#include "project/katalog.h"

namespace kvistor {

bool BilligereTvaersnit(double prisA, double arealA, double hoejdeA, double prisB, double arealB,
                        double hoejdeB) {
  if (prisA != prisB) return prisA < prisB;
  if (arealA != arealB) return arealA < arealB;
  return hoejdeA < hoejdeB;
}

TSupplerendeKontrol SupplerendeKontrol(const TSupplerendeValg& valg) {
  if (!valg.Nogen()) return {};
  return [valg](const Inddata& ind) { return BeregnSupplerendeNoegletal(ind, valg).AlleOk(); };
}

std::string SupplerendeKravTekst(const TSupplerendeValg& valg) {
  std::string krav;
  if (valg.Skaerpet) krav = "skærpet kontrol";
  if (valg.BrandMinutter > 0)
    krav += (krav.empty() ? "" : " og ") + std::string("brandmodstand R") +
            std::to_string(valg.BrandMinutter) + " (" + std::to_string(valg.BrandSider) +
            " sider)";
  return krav.empty() ? krav : "Varianterne skal også bestå " + krav + ".";
}

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

TTvaersnitsProeve ProevTvaersnit(const Inddata& indtastet, const TTvaersnit& t,
                                 const TSupplerendeKontrol& supplerende) {
  TTvaersnitsProeve p;
  Inddata ind = indtastet;
  ind.StyrkeKlasse = t.StyrkeKlasse;
  ind.AaseHojde = t.Hoejde;
  ind.AaseBredde = t.Bredde;
  const std::vector<int> beslag = PassendeBeslag(ind);
  if (beslag.empty()) return p;

  TNoegletalPerBeslag figurer(ind, beslag.front(), p.Beregninger);
  const TNoegletalResultat& foersteRes = figurer.Foerste();
  if (!foersteRes.Beregnet()) return p;  // refused or stopped: skipped
  // The hanger enters the joint check only: when the timber or the
  // stiffness fails, it fails with every hanger of the list.
  bool supplerendeDumpet = false;
  if (foersteRes.Tal.AasOk && foersteRes.Tal.NedbojningOk) {
    for (int b : beslag) {
      const std::optional<TNoegletal> tal = figurer.Med(b);
      if (!tal) return p;  // its own run was refused or stopped: skipped
      if (!tal->SamlingOk) continue;
      ind.Beslag = b;
      if (supplerende && !supplerende(ind)) {
        supplerendeDumpet = true;
        continue;
      }
      p.Variant = TTvaersnitsVariant{t.StyrkeKlasse, t.Hoejde, t.Bredde, b, *tal, 0, true};
      return p;
    }
  }
  p.Variant = TTvaersnitsVariant{t.StyrkeKlasse, t.Hoejde, t.Bredde, beslag.front(),
                                 foersteRes.Tal, 0, !supplerendeDumpet};
  return p;
}

TTvaersnitsSoegning FindMindsteTvaersnit(const Inddata& ind, const TTvaersnitsValg& valg,
                                          const TSoegeStyring& styring) {
  const std::vector<TTvaersnit> snit = StandardTvaersnit(ind.StyrkeKlasse, valg.AlleKlasser);
  std::vector<std::optional<TTvaersnitsProeve>> proever(snit.size());
  const TSupplerendeKontrol supplerende = SupplerendeKontrol(valg.Supplerende);
  TTvaersnitsSoegning s;
  s.Annulleret = !KoerParallelt(snit.size(), styring, [&](std::size_t i) {
    proever[i] = ProevTvaersnit(ind, snit[i], supplerende);
  });
  for (const auto& p : proever) {
    if (!p) continue;  // not reached before the search was stopped
    ++s.AntalProevede;
    s.AntalBeregninger += p->Beregninger;
    if (!p->Variant) {
      ++s.AntalSprunget;
    } else if (p->Variant->Bestaar()) {
      TTvaersnitsVariant v = *p->Variant;
      v.Pris = PrisPrMeter(valg.Priser, v.StyrkeKlasse, v.Hoejde, v.Bredde);
      s.Bestaaede.push_back(v);
    } else {
      ++s.AntalDumpede;
    }
  }
  // Equal on price, area and depth: in the order of the lists (the lower
  // strength class first).
  std::stable_sort(s.Bestaaede.begin(), s.Bestaaede.end(),
                   [](const TTvaersnitsVariant& a, const TTvaersnitsVariant& b) {
                     return BilligereTvaersnit(a.Pris, a.Areal(), a.Hoejde, b.Pris, b.Areal(),
                                               b.Hoejde);
                   });
  return s;
}

}  // namespace kvistor
