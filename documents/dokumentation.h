#pragma once
// "Statisk dokumentation": the calculation of one project as the PDF an
// engineer hands to the building authority or the checking engineer (part
// "A2.2 Statiske beregninger" of the structural documentation). Cover with
// the names and signature fields, contents, assumptions, loads, load
// combinations, the static model (both control drawings), the report
// itself, the force diagrams of the cases governing bending, the
// supplementary checks when they are on, references, and the detailed part
// as an appendix when the project asks for it. Every figure and number
// comes from the program's own data and calculation.
//
// One builder serves the command line and the window; the bytes are saved
// by the one safe writer.
#include <optional>
#include <string>
#include <vector>

#include "common/dialog.h"
#include "common/ur.h"
#include "project/inddata.h"
#include "report/rapport.h"
#include "report/rapportlinjer.h"
#include "report/resume.h"
#include "report/supplerende_rapport.h"

namespace kvistor {

struct TDokumentationsNavne {
  std::string Firma;           // as the report's head shows it; the callers take it from the settings
  std::string UdfoertAf;       // empty: an empty line to write on
  std::string KontrolleretAf;  // empty: an empty line to write on
  std::string Sag;             // case number
};

struct TRevision {
  std::string Rev;
  std::string Dato;
  std::string Beskrivelse;
  std::string UdfoertAf;
  std::string KontrolleretAf;
};

// A check beyond the report's own method (the stricter check's summary, the
// fire section) as that check prints it.
struct TSupplerendeAfsnit {
  std::string Titel;        // the section's heading
  std::string Indledning;   // a paragraph before the lines (markup); may be empty
  TTekstlinjer Linjer;      // fixed-pitch lines
};

struct TDokumentationsGrundlag {
  Inddata Ind;
  std::string ProjektBytes;  // the project file as read, for its SHA-256
  std::string Projektfil;    // its name as shown on the cover (no folder)
  TDokumentationsNavne Navne;
  std::vector<TRevision> Revisioner;  // empty: revision 0, "Første udgave", on the date
  std::vector<TSupplerendeAfsnit> Supplerende;  // empty: the section is left out
};

// The sections of the checks a computed TSupplerendeRapport holds: the
// stricter check's summary, then the fire section. Empty when it holds
// none, so the document leaves the chapter out.
std::vector<TSupplerendeAfsnit> SupplerendeAfsnit(const TSupplerendeRapport& r);

// The document's words as the headings show them, in their order.
inline constexpr const char* DokumentTitel = "Statisk dokumentation";
inline constexpr const char* DokumentUndertitel =
    "A2.2 Statiske beregninger – tagåse (gerbersystem)";

// How the calculation behind a document ended, and the verdicts of its
// report (the window's red notes, the command line's exit code).
struct TDokumentationsStatus {
  TRapportUdfald Beregning = TRapportUdfald::Afvist;
  TAdvarselsnoter Noter;
};

// Builds the PDF, dated by the clock (a fixed clock gives the same bytes on
// every run). nullopt after a message through `dialog` when the project
// breaks a field rule, the calculation stops, or the PDF cannot be made.
std::optional<std::string> BygDokumentation(const TDokumentationsGrundlag& g, const TUr& ur,
                                            TBrugerDialog& dialog,
                                            TDokumentationsStatus* status = nullptr);

// Builds it and saves it under `filnavn` through the one safe writer; a
// failure is told through `dialog` with the system's reason. True when the
// file was written.
bool GemDokumentation(const std::string& filnavn, const TDokumentationsGrundlag& g,
                      const TUr& ur, TBrugerDialog& dialog,
                      TDokumentationsStatus* status = nullptr);

}  // namespace kvistor
