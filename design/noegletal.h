#pragma once
// The three governing figures of a whole project and their verdicts, from a
// lean calculation: normal extent, no case headings, no rankings, no report.
// The design aids call it thousands of times, and the window's live-verdict
// strip after every accepted change. The figures and verdicts are exactly
// those of the report's summary.
#include <optional>
#include <string>

#include "calculation/beslagskift.h"
#include "project/inddata.h"
#include "project/inddataside.h"

namespace kvistor {

struct TNoegletal {
  // As the summary shows them: ratios rounded to hundredths (1.0 = 100 %).
  double UGTvaersnit = 0;    // largest bending or shear utilisation
  double UGBeslag = 0;       // largest Gerber-joint utilisation
  int LuMindst = 1000000;    // smallest L/u for dead load or snow
  // The same largest utilisations before rounding, for searches that must
  // tell two variants apart within a hundredth.
  double UGTvaersnitUafrundet = 0;
  double UGBeslagUafrundet = 0;
  // The verdicts; false raises the window's red note.
  bool AasOk = false;
  bool SamlingOk = false;   // false also when the hanger takes nothing of a force
  bool NedbojningOk = false;
  bool AlleOk() const { return AasOk && SamlingOk && NedbojningOk; }
};

enum class TNoegletalUdfald {
  Beregnet,  // Tal holds the figures
  Afvist,    // a field rule is broken, or the calculation refused to start
  Afbrudt,   // the calculation stopped on an internal inconsistency
};

struct TNoegletalResultat {
  TNoegletalUdfald Udfald = TNoegletalUdfald::Afvist;
  TNoegletal Tal;
  // Refused or stopped: the first message the calculation would have shown
  // (for a broken field rule the rule's own message).
  std::string Besked;
  // A broken field rule: the field that blocks the calculation.
  std::optional<TKontrol> Felt;
  bool Beregnet() const { return Udfald == TNoegletalUdfald::Beregnet; }
};

// Checks the field rules (the check that guards every calculation), builds
// the working record and runs every load case in the normal extent. Shows
// nothing: messages end up in Besked. Safe to call from several threads at
// once on different records. With `beslagGrundlag` a run that went through
// also hands back what the joint check of another hanger needs.
TNoegletalResultat BeregnNoegletal(const Inddata& ind, TBeslagGrundlag* beslagGrundlag = nullptr);

// The figures of the same project with hanger `beslag` instead, from the
// hanger basis of its run: the same numbers to the bit as a run of its own,
// without solving the chain again. nullopt when that run would have
// stopped on numbers too large to show, or the hanger is no catalogue row.
std::optional<TNoegletal> NoegletalMedBeslag(const TNoegletal& tal, const TBeslagGrundlag& grundlag,
                                             int beslag);

// The field rules and the bay limit alone, as BeregnNoegletal checks them
// first: nothing when a calculation may start, else the refusal.
std::optional<TNoegletalResultat> AfvisInddata(const Inddata& ind);

}  // namespace kvistor
