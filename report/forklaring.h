#pragma once
// The closing sections of the result report: the assumptions
// "FORUDSÆTNINGER" and the explanation "FORKLARING" with the short
// descriptions of the load combinations that governed the detailed table.
#include <array>
#include <string>
#include <string_view>

#include "project/inddata.h"
#include "report/rapportlinjer.h"

namespace kvistor {

struct TSupplData;

// What the assumptions print besides the project record and the working
// record: the names of the chosen catalogue rows (roof layers 1..4, entry 0
// unused, and the Gerber hardware).
struct TValgteNavne {
  std::array<std::string, 5> lag;
  std::string beslag;
};

// "FORUDSÆTNINGER": cross-section, hardware, main geometry, loads, standards
// and classes, closed by a rule.
void BygForudsaetninger(TTekstlinjer& rapport, const Inddata& ind, const TSupplData& sd,
                        const TValgteNavne& navne);

// Adds "Lastkombination <lk>: <tekst>." to the sorted description list,
// unless a line equal to it (ignoring case) is already there.
void TilfoejLKBeskrivelse(TTekstlinjer& beskrivelser, int lk, std::string_view lkTekst);

// "FORKLARING": the descriptions in their sorted order, then the fixed
// explanation. The description list is emptied.
void BygForklaring(TTekstlinjer& rapport, TTekstlinjer& beskrivelser);

}  // namespace kvistor
