#pragma once
// The printer as a line device: the report's printed lines in Courier New
// 10 pt, one below the other; a page break where the report asks for one and
// wherever a page is full. Lines are never wrapped.
#include <string>
#include <vector>

#include "report/udskrift.h"

class QPrinter;

namespace kvistor {

// The report lines on the printer as on a line device; false when the
// printer could not be started or a page could not be begun.
bool SkrivLinjer(QPrinter& printer, const std::vector<TUdskriftLinje>& linjer);

// The same into a PDF file (A4), without any dialog; false when the file
// cannot be written.
bool SkrivLinjerTilPdf(const std::string& filnavn, const std::vector<TUdskriftLinje>& linjer);

}  // namespace kvistor
