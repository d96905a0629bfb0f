#pragma once
// The parts of the calculation document's builder, shared by its files.
#include <string>
#include <vector>

#include "calculation/beregning.h"
#include "documents/dokumentation.h"
#include "documents/sats.h"
#include "purlin/suppldata.h"
#include "report/rapport.h"

// The builder's own helpers sit in a namespace of their own: their short
// names (Tal, Tekst) are for these files only.
namespace kvistor::dokumentation {

// What one document is made from: the project, its working record and the
// calculation's results, computed once.
struct TDokumentationsKilde {
  explicit TDokumentationsKilde(const TDokumentationsGrundlag& grundlag)
      : g(grundlag), ind(grundlag.Ind) {}
  const TDokumentationsGrundlag& g;
  const Inddata& ind;
  TSupplData sd;
  TRapportResultat rapport;
  std::size_t rapportLinjer = 0;  // lines of the report before its extended part
  TBeregning beregning;           // the normal run, for its governing cases
  TTidspunkt nu;
  std::string dato;   // yyyy-MM-dd
  std::string firma;  // as the report's head shows it
};

// Where a page may begin in the fixed-pitch report: between its sections and
// tables, never inside a table's head or a case's heading, never leaving a
// title or a rule at the foot of a page, and never a single line alone.
std::vector<bool> RapportSideskift(const TTekstlinjer& linjer);
// Report lines as they stand, in the report's small fixed-pitch type, with
// those page breaks.
TKodeblok Rapportblok(TTekstlinjer linjer);

// "CC1 (lav)", "CC2 (normal)", "CC3 (høj)".
const char* KonsekvensklasseNavn(int sikkl);

// The sections after the contents, in the document's order.
void TilfoejForudsaetninger(TDokument& d, const TDokumentationsKilde& k);
void TilfoejLaster(TDokument& d, const TDokumentationsKilde& k);
void TilfoejLastkombinationer(TDokument& d, const TDokumentationsKilde& k);
void TilfoejReferencer(TDokument& d);

// A number as the documents show it: Danish, with the given decimals.
std::string Tal(double v, int decimaler);

// A heading (with its link target) and a paragraph of the document.
TOverskriftBlok Overskrift(int niveau, std::string tekst, std::string maal = {});
TAfsnitBlok Tekst(std::string tekst, double punkt = 10, bool fed = false);

}  // namespace kvistor::dokumentation
