#pragma once
// "Find billigste åse": section, hanger and hinge offset chosen together,
// as the best offset often lets a smaller section through. For each
// standard section:
//   - the best offset by the hinge scan's objective (the governing
//     utilisation, deflection passing), where the joint counts with the
//     fitting hanger that carries it best at that offset;
//   - at that offset the first hanger in the list's order whose joint
//     passes;
//   - kept when the variant passes all three verdicts (and the
//     supplementary check, when one is asked for).
// The variants are ranked by price per metre, then area, then depth.
//
// The statics do not depend on the hanger: one calculation per section and
// offset serves every hanger. The offsets are scanned on a 200 mm grid from
// the small-offset limit (and the 1/7 rule's offset, always a candidate),
// then in 50 mm steps around the two best local minima and in 10 mm steps
// around the best point found. The sections are
// tried cheapest first; once enough variants pass, a section dearer than
// the last of them cannot enter the list and is not computed.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "design/charnieroptimering.h"
#include "design/noegletal.h"
#include "design/parallel.h"
#include "design/priser.h"
#include "design/tvaersnitssoegning.h"
#include "project/inddata.h"

namespace kvistor {

class TBrugerDialog;
struct TInddataside;

inline constexpr std::int32_t GrovSkridtMm = 200;
inline constexpr std::size_t AntalVarianterVist = 10;

// A section search's variant at its own hinge offset; Tal is with that
// hanger at that offset.
struct TAaseVariant : TTvaersnitsVariant {
  std::int32_t ForskydningMm = 0;
};

// The project as it stands, for the savings.
struct TAaseReference {
  TAaseVariant Variant;
  bool Beregnet = false;  // false: the project as entered cannot be computed
};

struct TAaseValg {
  bool AlleKlasser = false;
  TPrisTabel Priser = StandardPriser;
  TSupplerendeValg Supplerende = IngenSupplerende;
  std::size_t AntalVarianter = AntalVarianterVist;  // how many passing variants to rank (>= 1)
};

struct TAaseOptimering {
  // The cheapest passing variants, best first, at most AntalVarianter.
  std::vector<TAaseVariant> Bestaaede;
  TAaseReference SomIndtastet;
  // The cheapest section at the 1/7 rule with the first hanger whose joint
  // passes, as "Find billigste tværsnit" finds it with "Ja".
  std::optional<TTvaersnitsVariant> Regel17;
  std::size_t AntalTvaersnit = 0;    // standard sections of the classes searched
  std::size_t AntalRegnet = 0;       // those not dearer than the last variant listed
  std::size_t AntalBeregninger = 0;  // whole calculations made (depends on the threads)
  bool Annulleret = false;           // stopped by the caller: nothing is claimed
};

// The best variant of one section (passing or not); nullopt when no hanger
// fits it or no offset can be computed. `beregninger` counts the runs.
std::optional<TAaseVariant> OptimerTvaersnit(const Inddata& ind, const TTvaersnit& t,
                                             const TAaseValg& valg, std::size_t& beregninger);

// The whole search on the project as entered.
TAaseOptimering FindBilligsteAas(const Inddata& ind, const TAaseValg& valg = {},
                                 const TSoegeStyring& styring = {});

// "Brug": strength class, depth, width, hanger and offset ("Nej" and the
// offset typed) through the input-page model, in that order, as one step of
// the user's. Returns false, after applying what it could, when a list does
// not offer the variant's item.
bool BrugAaseVariant(TInddataside& side, const TAaseVariant& v, TBrugerDialog& dlg);

}  // namespace kvistor
