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

}  // namespace kvistor
