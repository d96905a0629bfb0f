#pragma once
// "Optimer charnierforskydning": with an own hinge offset ("Nej"), the offset
// is scanned from 0 to below the gable-bay span (and the frame spacing) in
// 10 mm steps, each a whole calculation; the best offset is the one with the
// smallest largest bending/shear utilisation, then the smallest joint
// utilisation. The offset of the 1/7 rule ("Ja", the frame spacing / 7 as
// the field shows it, whole centimetres) is a point of the same curve.
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

// That warning on one line, as the aids print it beside their result.
std::string AdvarselLilleCharnierforskydning();

struct TCharnierPunkt {
  std::int32_t ForskydningMm = 0;
  TNoegletalResultat Resultat;
};

struct TCharnierScanning {
  std::vector<TCharnierPunkt> Kurve;  // rising offsets, every point computed
  std::optional<std::size_t> Bedste;  // index in Kurve of the best offset
  std::optional<std::size_t> Regel17; // index in Kurve of the 1/7 rule's offset
  bool Annulleret = false;            // stopped by the caller: no best offset
};

// The offset of the 1/7 rule in mm: the frame spacing / 7 rounded to
// hundredths of a metre, as the input field shows it.
std::int32_t Regel17Mm(const Inddata& ind);

// Whether computed point a is better than b (a computed point beats one
// that is not).
bool BedreCharnierPunkt(const TNoegletalResultat& a, const TNoegletalResultat& b);

// Scans the offsets start, start + skridt, ... below the limit; the 1/7
// offset is always among them. skridt in whole mm (>= 1).
TCharnierScanning OptimerCharnierforskydning(const Inddata& ind, const TSoegeStyring& styring = {},
                                             std::int32_t skridtMm = CharnierSkridtMm);

}  // namespace kvistor
