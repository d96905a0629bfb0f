#pragma once
// The per-case design block of the detailed report extent: design bending
// strength, extreme moments and stresses per bay type with the bending
// utilisation, and for the ultimate load combinations the Gerber hardware
// capacities, hinge forces and utilisations. Nothing is computed here; every
// value comes from the case record.
#include <string>

#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"

namespace kvistor {

// Appends the block to tilf.Linier. beslagNavn is the catalogue name of the
// chosen hardware, printed as it stands.
void SkrivDimensionering(TTilfaelde& tilf, const TSupplData& sd, const std::string& beslagNavn);

}  // namespace kvistor
