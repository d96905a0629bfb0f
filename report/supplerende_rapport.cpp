#include "report/supplerende_rapport.h"

#include "calculation/projektberegning.h"
#include "report/brandafsnit.h"
#include "report/visresultat.h"

namespace kvistor {

TSupplerendeRapport BeregnSupplerendeRapport(const Inddata& ind, const TSupplerendeValg& valg,
                                             TBrugerDialog& dialog, const TUr& ur,
                                             const std::string& firmanavn) {
  TSupplerendeRapport r;
  r.Valg = valg;
  if (!valg.Nogen()) {
    r.Linjer = {"Der er ikke valgt nogen supplerende kontrol.",
                "Vælg \"Skærpet kontrol\" eller en brandmodstand i gruppen \"Supplerende kontrol\" "
                "på \"Inddata 2\"."};
    return r;
  }
  if (valg.Skaerpet) {
    TRapportResultat s;
    r.Udfald = BeregnSkaerpetRapport(s, ind, dialog, ur, firmanavn);
    if (r.Udfald != TRapportUdfald::Bygget) return r;
    r.Linjer = s.Rapport;
    r.Skaerpet = std::move(s);
  }
  if (valg.BrandMinutter > 0) {
    TProjektbrand b;
    const TBeregningsUdfald u = BeregnProjektBrand(b, ind, valg.BrandMinutter, valg.BrandSider, dialog);
    if (u != TBeregningsUdfald::Gennemfoert) {
      r.Udfald = u == TBeregningsUdfald::Afvist ? TRapportUdfald::Afvist : TRapportUdfald::Afbrudt;
      r.Linjer.clear();
      r.Skaerpet.reset();
      return r;
    }
    const TTekstlinjer afsnit = BygBrandafsnit(b.Brand);
    if (!r.Linjer.empty()) r.Linjer.push_back("");
    r.Linjer.insert(r.Linjer.end(), afsnit.begin(), afsnit.end());
    r.Brand = std::move(b.Brand);
  }
  return r;
}

}  // namespace kvistor
