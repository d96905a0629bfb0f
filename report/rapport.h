#pragma once
// The result report: runs the calculation and writes the head and summary,
// the detailed table, the assumptions, the explanation and, with the report
// extent "Detaljeret", the extended report and the two curve-data lists.
//
// Nothing here is global: one rebuild works on a TRapportByg that refers to
// the project record, the working record, the calculation run and the clock,
// and the finished report is handed back as a TRapportResultat.
#include <array>
#include <string>

#include "common/dialog.h"
#include "common/ur.h"
#include "project/inddata.h"
#include "calculation/beregning.h"
#include "purlin/suppldata.h"
#include "report/hoved.h"
#include "report/rapportlinjer.h"
#include "report/resume.h"
#include "calculation/tvaersnit_byg.h"

namespace kvistor {

// A finished report with its curve data and the three notes its verdicts
// raised.
struct TRapportResultat {
  TTekstlinjer Rapport;
  TTekstlinjer QKurver;  // shear-curve data, only with "Detaljeret"
  TTekstlinjer MKurver;  // moment-curve data, only with "Detaljeret"
  TAdvarselsnoter Noter;
};

// The state one rebuild's builders share.
struct TRapportByg {
  const Inddata& ind;
  const TSupplData& sd;
  TBeregning& ber;
  const TUr& ur;
  std::string firmanavn;

  TRapportResultat ud;
  TRapportHoved RapportHoved;
  TTekstlinjer LKBeskrivelser;  // sorted, no duplicates; filled by BygDetaljer
  // Lateral deflections (mm) and their ratios L/w per bay type 1..3 (entry 0
  // unused), for dead load and for snow; written by BygResultat.
  std::array<double, 4> wEgen{};
  std::array<double, 4> wSne{};
  std::array<int, 4> LwEgen{};
  std::array<int, 4> LwSne{};
};

// How a request for a report ended.
enum class TRapportUdfald {
  Bygget,   // the report is complete
  Afvist,   // the calculation was refused before it started (message shown)
  Afbrudt,  // the calculation stopped on an internal inconsistency
};

// The head and summary: fills RapportHoved, the lateral deflections and the
// notes, and appends them.
void BygResultat(TRapportByg& b);

// The summary's numbers, gathered from the run's rankings and deflections
// (after the lateral deflections of BygResultat).
TResume SamlResume(const TRapportByg& b);

// Head and body of the detailed table; the body marks the governing cases and
// fills LKBeskrivelser.
void BygDetaljeHoved(TRapportByg& b);
void BygDetaljer(TRapportByg& b);

// The extended report: intermediate results of the governing cases and of all
// deflection cases, and the two curve-data lists with their 14-line heads.
void BygUdvidetRapport(TRapportByg& b);

// The 14 head lines of a curve-data list; kurve 'Q' (shear) or 'M' (moment).
TTekstlinjer KurveHoved(char kurve, const TTidspunkt& nu);

// After a completed run: all sections in their order. The run's cases and
// rankings are released at the end.
void SkrivRapport(TRapportByg& b);

// The report of a completed run (BeregnProjekt) into `ud`: all sections in
// their order. The run's cases and rankings are released at the end.
void BygRapport(TRapportResultat& ud, const Inddata& ind, const TSupplData& sd, TBeregning& ber,
                const TUr& ur, const std::string& firmanavn);

}  // namespace kvistor
