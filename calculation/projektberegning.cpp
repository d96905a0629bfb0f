#include "calculation/projektberegning.h"

#include "calculation/tvaersnit_byg.h"

namespace kvistor {

TBeregningsUdfald BeregnProjekt(TProjektberegning& ud, const Inddata& ind, TBrugerDialog& dialog,
                                const TBeregningsValg& valg) {
  ud.Brud = FoersteBrudteRegel(ind);
  ud.Suppl = TSupplData{};
  ud.Beregning = TBeregning{};
  if (ud.Brud) {
    dialog.Fejl(ud.Brud->Besked);
    ud.Udfald = ud.Beregning.Udfald = TBeregningsUdfald::Afvist;
    return ud.Udfald;
  }
  BestemTvaersnit(ind, ud.Suppl, valg.Skaerpet);
  ud.Udfald = BeregnAlleTilfaelde(ud.Beregning, ind, ud.Suppl, dialog, valg.Omfang);
  return ud.Udfald;
}

TBeregningsUdfald BeregnProjektBrand(TProjektbrand& ud, const Inddata& ind, int minutter, int sider,
                                     TBrugerDialog& dialog) {
  ud.Brud = FoersteBrudteRegel(ind);
  ud.Brand = TBrandResultat{};
  if (ud.Brud) {
    dialog.Fejl(ud.Brud->Besked);
    ud.Brand.Udfald = TBeregningsUdfald::Afvist;
    return ud.Brand.Udfald;
  }
  TSupplData sd;
  BestemTvaersnit(ind, sd);
  ud.Brand = BeregnBrand(ind, sd, minutter, sider, dialog);
  return ud.Brand.Udfald;
}

}  // namespace kvistor
