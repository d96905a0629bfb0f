#pragma once
// The design aids' results as tables, made once here: the lines above the
// table, its columns and rows, the notes below it. The command line prints
// them as fixed-pitch text and the window shows them in its dialog; neither
// words nor figures are made anywhere else.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/aaseoptimering.h"
#include "design/charnieroptimering.h"
#include "design/tvaersnitssoegning.h"
#include "graphics/charnierkurve.h"

namespace kvistor {

struct TTabel {
  std::vector<std::string> Hoved;         // lines above the table
  std::vector<std::string> Overskrifter;  // column headings
  std::vector<bool> Hoejrestillet;        // per column: figures to the right
  std::vector<std::vector<std::string>> Raekker;
  std::vector<bool> Brugbar;              // rows "Brug" may apply
  std::optional<std::size_t> Valgt;       // the row chosen at first
  std::vector<std::string> Noter;         // lines below the table
};

// The table as fixed-pitch lines: the head, an empty line, the columns each
// as wide as its widest cell (two blanks apart, two in from the margin), an
// empty line and the notes. Widths count characters.
std::vector<std::string> SkrivTabel(const TTabel& t);

// The texts the tables share.
std::string ProcentTekst(double ug);    // "85 %"; "> 999 %" above; "uendelig"
std::string SamlingTekst(double ug);    // as ProcentTekst; "bærer ikke" for a hanger that takes nothing
std::string LuTekst(int lu);            // "L/440"
std::string DomTekst(const TNoegletal& t);  // "OK" or "dumper: ås, samling"
std::string TvaersnitTekst(double hoejdeMm, double breddeMm);  // "200 x 100 mm"
std::string MeterTekst(std::int32_t mm);                       // "1,20 m"
std::string BeslagNavn(int beslag);     // the catalogue name without its trailing blanks
std::string PrisTekst(double prisPrMeter);  // the relative price per metre × 1000: "20,0"

// What the hinge scan minimises, in a sentence.
extern const char* const CharnierMaal;
// What the price column means.
extern const char* const PrisForklaring;

// "Optimer charnierforskydning". With `hver10cm` only the rows of whole
// decimetres, the chosen one and the 1/7 rule's; otherwise every row. The
// rows below the small-offset limit are left out unless the scan took them
// as candidates, the 1/7 rule's excepted.
TTabel CharnierTabel(const TCharnierScanning& s, const std::string& projektnavn, bool hver10cm);
// The rows of CharnierTabel(s, ..., false) as indices into s.Kurve.
std::vector<std::size_t> CharnierRaekker(const TCharnierScanning& s, bool hver10cm);

// The chart of the scan: every computed point.
TCharnierKurveData CharnierKurve(const TCharnierScanning& s);

// "Find billigste tværsnit".
TTabel TvaersnitsTabel(const TTvaersnitsSoegning& s, const Inddata& ind,
                       const TTvaersnitsValg& valg);

// "Find billigste åse": the first line names the best variant as
// "Bedste: 200 x 100 mm C24, <hanger>, charnierforskydning 1,06 m".
TTabel OptimeringsTabel(const TAaseOptimering& o, const Inddata& ind, const TAaseValg& valg);

}  // namespace kvistor
