#pragma once
// "Statisk dokumentation": the calculation of one project as the PDF an
// engineer hands to the building authority or the checking engineer (part
// "A2.2 Statiske beregninger" of the structural documentation). Cover with
// the names and signature fields, contents, assumptions, loads, load
// combinations, the static model (both control drawings), the report
// itself, the force diagrams of the cases governing bending, the
// supplementary checks the project asks for (its lines SkaerpetKontrol,
// Brandmodstand and BrandSider), references, and the detailed part
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

struct TDokumentationsGrundlag {
  Inddata Ind;
  std::string ProjektBytes;  // the project file as read, for its SHA-256
  std::string Projektfil;    // its name as shown on the cover (no folder)
  TDokumentationsNavne Navne;
  std::vector<TRevision> Revisioner;  // empty: revision 0, "Første udgave", on the date
};

// The document's words as the headings show them, in their order.
inline constexpr const char* DokumentTitel = "Statisk dokumentation";
inline constexpr const char* DokumentUndertitel =
    "A2.2 Statiske beregninger – tagåse (gerbersystem)";

// How the calculation behind a document ended, and the verdicts of its
// report (the window's red notes, the command line's exit code).
struct TDokumentationsStatus {
  TRapportUdfald Beregning = TRapportUdfald::Afvist;
  TAdvarselsnoter Noter;
  // What fails of the supplementary checks the document shows, one
  // sentence each ("Brandmodstanden R30 er ikke opfyldt (opnået 24 min)").
  std::vector<std::string> SupplerendeNoter;
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
