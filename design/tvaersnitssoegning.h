#pragma once
// "Find mindste tværsnit": every standard depth and width of the strength
// class (or of every class), each with the first hanger in the hardware
// list's order whose joint passes, computed as a whole project; the variants
// that pass all three verdicts ranked by cross-section area, then depth.
#include <cstddef>
#include <vector>

#include "design/noegletal.h"
#include "design/parallel.h"
#include "project/inddata.h"

namespace kvistor {

struct TTvaersnitsVariant {
  int StyrkeKlasse = 0;
  double Hoejde = 0;  // mm
  double Bredde = 0;  // mm
  int Beslag = -1;    // hardware catalogue row
  TNoegletal Tal;
  double Areal() const { return Hoejde * Bredde; }
};

struct TTvaersnitsSoegning {
  std::vector<TTvaersnitsVariant> Bestaaede;  // best first
  std::size_t AntalProevede = 0;  // sections tried
  std::size_t AntalDumpede = 0;   // computed, but some verdict fails with every hanger
  std::size_t AntalSprunget = 0;  // no hanger fits, refused or stopped calculation
  std::size_t AntalBeregninger = 0;  // whole calculations made
  bool Annulleret = false;        // stopped by the caller; the counts are partial
};

// The sections tried, in the order of the lists: class by class, depth by
// depth, width by width.
struct TTvaersnit {
  int StyrkeKlasse;
  double Hoejde, Bredde;
};
std::vector<TTvaersnit> StandardTvaersnit(int styrkeKlasse, bool alleKlasser);

// One section of the project: the first hanger the list offers whose joint
// passes, else the first hanger (the variant then fails). nullopt when no
// hanger fits the section or the calculation is refused or stops.
struct TTvaersnitsProeve {
  std::optional<TTvaersnitsVariant> Variant;
  std::size_t Beregninger = 0;
};
TTvaersnitsProeve ProevTvaersnit(const Inddata& ind, const TTvaersnit& t);

// The whole search on the project as entered (section and hanger of the
// record are ignored).
TTvaersnitsSoegning FindMindsteTvaersnit(const Inddata& ind, bool alleKlasser,
                                          const TSoegeStyring& styring = {});

}  // namespace kvistor
