#pragma once
// The fire section: the fire check's requirement, method, residual section,
// strengths, combinations, utilisations per bay type, verdict and achieved
// resistance, as fixed-pitch Danish lines of at most 70 characters in the
// report's conventions (only characters Windows-1252 has).
#include "calculation/brandkontrol.h"
#include "report/rapportlinjer.h"

namespace kvistor {

// The section of a completed fire check (r.Udfald Gennemfoert); for any
// other outcome it is empty.
TTekstlinjer BygBrandafsnit(const TBrandResultat& r);

}  // namespace kvistor
