#pragma once
// The report head: the title, the company and project identification and
// when and by whom the result was computed.
#include <array>
#include <string>

#include "common/ur.h"
#include "project/inddata.h"
#include "report/rapportlinjer.h"

namespace kvistor {

// The seven head lines: title, empty line, rule, "Firma:", "Sag/Projekt:",
// "Afsnit/Delprojekt:", "Beregnet:".
using TRapportHoved = std::array<std::string, 7>;

// The company name this installation was built with (CMake cache variable
// KVISTOR_FIRMANAVN; empty by default), cut to its 70 characters.
std::string StandardFirmanavn();

TRapportHoved BygRapportHoved(const Inddata& ind, const std::string& firmanavn,
                              const TTidspunkt& nu);

// Appends a rule, the seven head lines and the rule once more.
void SkrivHoved(TTekstlinjer& rapport, const TRapportHoved& hoved);

}  // namespace kvistor
