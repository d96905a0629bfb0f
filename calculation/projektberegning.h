#pragma once
// The one entry of a calculation: from the project record as the user
// entered it to a completed run. It checks the field rules and ranges first
// (a calculation never starts on a refused value), builds its own working
// record and runs every case. The report, the design aids, the live strip,
// the force curves and the command line all start here; the fire check has
// its entry beside it.
#include <optional>

#include "calculation/beregning.h"
#include "calculation/brandkontrol.h"
#include "common/dialog.h"
#include "project/feltregler.h"
#include "project/inddata.h"
#include "purlin/suppldata.h"

namespace kvistor {

// How to calculate. The supplementary checks add their switches here.
struct TBeregningsValg {
  // What the run builds beyond the numbers; the report wants all of it.
  TKoerselsOmfang Omfang;
  // The stricter check's working record: the crack factor in shear and qki
  // with the external peak factor.
  bool Skaerpet = false;
};

// One calculation of a project, owned by the caller.
struct TProjektberegning {
  TBeregningsUdfald Udfald = TBeregningsUdfald::IkkeKoert;
  // Refused before the run: the field to correct and the rule's message.
  std::optional<TBrudtRegel> Brud;
  TSupplData Suppl;     // the working record the run was made on
  TBeregning Beregning; // the cases and rankings of a completed run
};

// Checks the record's field rules and ranges (FoersteBrudteRegel); a broken
// rule is shown ("Fejl" with the rule's own message), returned in `ud.Brud`,
// and the outcome is Afvist without a run. Otherwise builds the working
// record (BestemTvaersnit) and runs every case (BeregnAlleTilfaelde), whose
// messages go through `dialog` too. `ud` is filled afresh; its outcome is
// returned and kept in ud.Udfald.
TBeregningsUdfald BeregnProjekt(TProjektberegning& ud, const Inddata& ind, TBrugerDialog& dialog,
                                const TBeregningsValg& valg = {});

// One fire check of a project, owned by the caller.
struct TProjektbrand {
  // Refused before the run: the field to correct and the rule's message.
  std::optional<TBrudtRegel> Brud;
  TBrandResultat Brand;  // Brand.Udfald is the outcome
};

// The fire check for `minutter` minutes with fire on `sider` sides, guarded
// as BeregnProjekt is: a broken field rule is shown, returned in `ud.Brud`,
// and the outcome is Afvist without a run. Otherwise builds the ordinary
// working record and runs the fire cases on it (BeregnBrand). `ud` is filled
// afresh; its outcome is returned.
TBeregningsUdfald BeregnProjektBrand(TProjektbrand& ud, const Inddata& ind, int minutter, int sider,
                                     TBrugerDialog& dialog);

}  // namespace kvistor
