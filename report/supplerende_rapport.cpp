#include "report/supplerende_rapport.h"

#include "calculation/tvaersnit_byg.h"
#include "project/feltregler.h"
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
  // The fire check builds its working record without asking the rules.
  if (const auto brud = FoersteBrudteRegel(ind)) {
    dialog.Fejl(brud->Besked);
    r.Udfald = TRapportUdfald::Afvist;
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
    TSupplData sd;
    BestemTvaersnit(ind, sd);
    TBrandResultat b = BeregnBrand(ind, sd, valg.BrandMinutter, valg.BrandSider, dialog);
    if (b.Udfald != TBeregningsUdfald::Gennemfoert) {
      r.Udfald = b.Udfald == TBeregningsUdfald::Afvist ? TRapportUdfald::Afvist : TRapportUdfald::Afbrudt;
      r.Linjer.clear();
      r.Skaerpet.reset();
      return r;
    }
    r.Brandafsnit = BygBrandafsnit(b);
    if (!r.Linjer.empty()) r.Linjer.push_back("");
    r.Linjer.insert(r.Linjer.end(), r.Brandafsnit.begin(), r.Brandafsnit.end());
    r.Brand = std::move(b);
  }
  return r;
}

}  // namespace kvistor
