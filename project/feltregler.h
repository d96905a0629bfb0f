#pragma once
// The rules of the numeric input fields: how many decimals a field shows,
// which record field it writes, what it must hold and the message when it
// does not. The field handlers check one field as it is left; before a
// calculation the whole record is checked, so that no calculation starts on
// a value that was refused and left standing.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "project/inddata.h"
#include "project/inddataside.h"

namespace kvistor {

enum class TRegelArt {
  Positiv,      // > 0
  IkkeNegativ,  // >= 0
  Tagvinkel,    // 0 .. 75 degrees
  MindstFire,   // whole number >= 4
};

struct TTalFelt {
  TKontrol kontrol;
  double Inddata::*felt;  // nullptr for the whole-number field AntalFag
  int decimaler;          // shown decimals; -1 for a whole number
  TRegelArt regel;
  std::string_view besked;  // the error when the rule is broken
};

// Every numeric edit field in the order of the input pages.
std::span<const TTalFelt> TalFelter();

// The description of one numeric edit field; nullptr for other controls.
const TTalFelt* FindTalFelt(TKontrol k);

// Whether a value keeps a rule (a value that is not a finite number keeps
// none).
bool RegelHolder(TRegelArt regel, double v);

// Messages of the rules that tie two fields together.
inline constexpr std::string_view BeskedCharnForskRamme =
    "Charnierforskydningen skal være mindre end Rammeafstanden";
inline constexpr std::string_view BeskedCharnForskGavl =
    "Charnierforskydningen skal være mindre end gavlrammeafstanden";
inline constexpr std::string_view BeskedGavlReduceret =
    "Gavlrammeafstanden må ikke være større end normalrammeafstanden.\r\nDen er derfor reduceret.";
inline constexpr std::string_view BeskedRammeReduceret =
    "Normalrammeafstanden må ikke være mindre end gavlrammeafstanden.\r\n"
    "Gavlrammeafstanden er derfor reduceret.";

// Checks all field rules of a record in the order of the input pages and
// returns the message of the first one broken, or nothing. Besides the
// rules of the single fields: the gable-bay span may not exceed the normal
// frame spacing, and the hinge offset must be less than both the normal
// frame spacing and the gable-bay span (a hinge must lie inside the bay).
std::optional<std::string> FoersteBrudteRegel(const Inddata& d);

}  // namespace kvistor
