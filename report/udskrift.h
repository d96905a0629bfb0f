#pragma once
// The printed form of the report, for a printer used as a line-oriented text
// device: what to send, line by line. The desktop program feeds it to the
// printer (Courier New, 10 points); the device breaks pages by itself when a
// page is full, besides the page breaks asked for here.
#include <string>
#include <vector>

#include "common/dialog.h"
#include "report/rapportlinjer.h"

namespace kvistor {

struct TUdskriftLinje {
  bool Sideskift = false;  // start a new page before this line's text
  std::string Tekst;       // the whole line as printed, left margin included
};

// Two empty lines as top margin; then every report line behind a left
// margin of 10 blanks. A line that begins with a form feed (code 12) starts a
// new page, which again opens with two empty lines; the form feed itself is
// not printed. Lines are never wrapped.
std::vector<TUdskriftLinje> UdskriftForloeb(const TTekstlinjer& rapport);

// Whether there is a result to print or save; without one the error dialog
// "Resultatet er endnu ikke beregnet" is shown.
bool ResultatFindes(const TTekstlinjer* rapport, TBrugerDialog& dialog);

}  // namespace kvistor
