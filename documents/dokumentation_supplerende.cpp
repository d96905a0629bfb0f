// The chapter "Supplerende kontrol" of the calculation document, from the
// same computation as the window's page of that name.
#include "common/format.h"
#include "documents/dokumentation.h"

namespace kvistor {

std::vector<TSupplerendeAfsnit> SupplerendeAfsnit(const TSupplerendeRapport& r) {
  std::vector<TSupplerendeAfsnit> ud;
  if (r.Udfald != TRapportUdfald::Bygget) return ud;
  if (r.Skaerpet)
    ud.push_back({"Skærpet kontrol",
                  "Hele beregningen gentaget med revnefaktor 0,67 i forskydning og indre vindtryk "
                  "med spidsfaktor 3,5. Resumé:",
                  SkaerpetResume(r.Skaerpet->Rapport)});
  if (r.Brand)
    ud.push_back({Format("Brandmodstand R%d", {r.Valg.BrandMinutter}), "", r.Brandafsnit});
  return ud;
}

}  // namespace kvistor
