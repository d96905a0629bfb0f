#pragma once
// Computing the result for the input pages: the field rules of the whole
// record first, then the working record, the calculation and the report.
#include <string>

#include "common/dialog.h"
#include "common/ur.h"
#include "project/inddata.h"
#include "project/inddataside.h"
#include "report/rapport.h"

namespace kvistor {

// The calculation (BeregnProjekt, which refuses a record that breaks a
// field rule with the rule's own message: outcome Afvist), then the report
// of a completed run. `ud` is emptied first in any case.
TRapportUdfald BeregnRapport(TRapportResultat& ud, const Inddata& ind, TBrugerDialog& dialog,
                             const TUr& ur, const std::string& firmanavn);

// The same report computed as the stricter check ("Skærpet kontrol"): the
// whole calculation on a working record with fvd = 0,67·fvk/GammaM and qki
// with kp = 3,5, in the record's extent with its curve data; the three lines
// of SkaerpetIndledning follow "RESULTAT". Everything else is the report's.
TRapportUdfald BeregnSkaerpetRapport(TRapportResultat& ud, const Inddata& ind,
                                     TBrugerDialog& dialog, const TUr& ur,
                                     const std::string& firmanavn);

// Called when the result page is shown. Does nothing and returns false when
// the input is unchanged since it was loaded, saved or started and a report
// exists. Otherwise computes afresh; a new report is kept in the model with
// its curve data and the three warning notes, and true is returned. When the
// calculation is refused or stops, no report is kept (the previous result is
// discarded) and false is returned. InddataAendret is left as it is.
bool BeregnOgVisResultat(TInddataside& side, TBrugerDialog& dialog, const TUr& ur,
                         TRapportUdfald* udfald = nullptr);

}  // namespace kvistor
