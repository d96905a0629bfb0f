#pragma once
// "Optimer charnierforskydning": with an own hinge offset ("Nej"), the offset
// is scanned upwards from 0 in 10 mm steps, each a whole calculation. The
// objective is the governing utilisation: the larger of the cross-section's
// (bending or shear) and the joint's. The best offset is the one with the
// smallest governing utilisation among those whose deflection passes; a tie
// goes to the smaller deflection, then to the smaller offset. Offsets below
// the input page's small-offset limit leave too little room for the hanger
// and a tilting bracket, so they are no candidates unless asked for; the
// offset of the 1/7 rule ("Ja", the frame spacing / 7 as the field shows it)
// is a point of the curve and always a candidate, being the program's own
// default.
//
// The scan stops where the chain can no longer be computed, or at the first
// offset where every utilisation is above 999 %: beyond it the hinge forces
// only multiply from bay to bay.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "design/noegletal.h"
#include "design/parallel.h"
#include "project/inddata.h"
#include "project/inddataside.h"

namespace kvistor {

inline constexpr std::int32_t CharnierSkridtMm = 10;
// Below this offset the input page warns that the Gerber hardware and a
// tilting bracket may not find room; a best offset below it says the same.
inline constexpr std::int32_t LilleCharnierforskydningMm =
    static_cast<std::int32_t>(LilleCharnForsk * 1000 + 0.5);
// A utilisation shown above this many percent reads "> 999 %".
inline constexpr int StoerstVisteProcent = 999;

// That warning on one line, as the aids print it beside their result.
std::string AdvarselLilleCharnierforskydning();

// The objective: the larger of the raw cross-section and joint utilisations.
double StyrendeUdnyttelse(const TNoegletal& t);

// Whether every utilisation is beyond what the tables show (above 999 %).
bool OverSkalaen(const TNoegletal& t);

// Whether offset a is better than offset b by the objective: a deflection
// that passes first, then the smaller governing utilisation, then the
// smaller deflection (the larger L/u). Equal: neither is better, and the
// caller keeps the smaller offset.
bool BedreCharnierPunkt(const TNoegletal& a, const TNoegletal& b);

struct TCharnierPunkt {
  std::int32_t ForskydningMm = 0;
  TNoegletalResultat Resultat;
};

// Why the scan ended.
enum class TCharnierSlut {
  Spaendvidde,  // it reached the gable-bay span (or the frame spacing)
  OverSkalaen,  // every utilisation above 999 % at the last point
  Statik,       // the chain cannot be computed there (StopBesked says why)
};

struct TCharnierScanning {
  std::vector<TCharnierPunkt> Kurve;  // rising offsets, every point computed
  // Index in Kurve of the best offset when it passes all three verdicts;
  // when nothing passes, MindstDaarlige holds the least bad candidate.
  std::optional<std::size_t> Bedste;
  std::optional<std::size_t> MindstDaarlige;
  std::optional<std::size_t> Regel17;  // the 1/7 rule's offset
  std::int32_t FraMm = 0;       // candidates from this offset on (0 with Alle)
  TCharnierSlut Slut = TCharnierSlut::Spaendvidde;
  std::int32_t SlutMm = 0;      // the offset the scan ended at (not computed for Statik)
  std::string StopBesked;       // Statik: the calculation's message
  bool Annulleret = false;      // stopped by the caller: no best offset
  // The chosen point (best or least bad), if any.
  std::optional<std::size_t> Valgt() const { return Bedste ? Bedste : MindstDaarlige; }
  bool Kandidat(std::size_t i) const;
};

struct TCharnierValg {
  bool Alle = false;  // offsets below the small-offset limit are candidates too
  std::int32_t SkridtMm = CharnierSkridtMm;  // whole mm, at least 1
};

// The offset of the 1/7 rule in mm: the frame spacing / 7 rounded to
// hundredths of a metre, as the input field shows it.
std::int32_t Regel17Mm(const Inddata& ind);

// The first offset the scan does not reach: the smaller of the gable-bay
// span and the frame spacing, in whole mm; 0 when they are no lengths.
std::int32_t CharnierGraenseMm(const Inddata& ind);

// The offsets within one percentage point of the chosen one's governing
// utilisation next to it, among the candidates whose deflection passes:
// how flat the optimum is.
struct TFladtOptimum {
  std::int32_t FraMm = 0, TilMm = 0;
};
std::optional<TFladtOptimum> FladtOptimum(const TCharnierScanning& s);

// Scans the project as entered (its hanger, its section).
TCharnierScanning OptimerCharnierforskydning(const Inddata& ind, const TSoegeStyring& styring = {},
                                             const TCharnierValg& valg = {});

}  // namespace kvistor
