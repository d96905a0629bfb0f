#pragma once
// The report head: the title, the company and project identification and
// when and by whom the result was computed.
#include <array>
#include <string>
#include <string_view>

#include "common/indstillinger.h"
#include "common/ur.h"
#include "project/inddata.h"
#include "report/rapportlinjer.h"

namespace kvistor {

// The seven head lines: title, empty line, rule, "Firma:", "Sag/Projekt:",
// "Afsnit/Delprojekt:", "Beregnet:".
using TRapportHoved = std::array<std::string, 7>;

// A company name from outside (the settings file, --firma) made fit for
// the head line: control and separator characters become blanks (a line
// break would split the report's lines), cut to its 70 characters.
std::string RensFirmanavn(std::string_view navn);

// The company name of the settings ("Firma"), made fit as above; empty when
// the settings hold none.
std::string FirmanavnFraIndstillinger(const TIndstillinger& ind);

TRapportHoved BygRapportHoved(const Inddata& ind, const std::string& firmanavn,
                              const TTidspunkt& nu);

// Appends a rule, the seven head lines and the rule once more.
void SkrivHoved(TTekstlinjer& rapport, const TRapportHoved& hoved);

}  // namespace kvistor
