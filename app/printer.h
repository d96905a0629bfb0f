#pragma once
// The printer as a line device: the report's printed lines in Courier New
// 10 pt, one below the other; a page break where the report asks for one and
// wherever a page is full. Lines are never wrapped.
#include <string>
#include <vector>

#include "common/dialog.h"
#include "report/udskrift.h"

class QPrinter;
class QWidget;

namespace kvistor {

// The report lines on the printer as on a line device; false when the
// printer could not be started or a page could not be begun.
bool SkrivLinjer(QPrinter& printer, const std::vector<TUdskriftLinje>& linjer);

// The same into a PDF file (A4), without any dialog; false when the file
// cannot be written.
bool SkrivLinjerTilPdf(const std::string& filnavn, const std::vector<TUdskriftLinje>& linjer);

// Prints report lines as "Udskriv" does: the print dialog (which may print
// to a file), with a warning first when no printer is installed. With
// `pdfFil` set the lines go into that PDF file without any dialog (for
// tests and tools). Failures are told through `dlg`.
void UdskrivRapportlinjer(QWidget* foraelder, const TTekstlinjer& linjer, TBrugerDialog& dlg,
                          const std::string& pdfFil = {});

}  // namespace kvistor
