#pragma once
// The rules of the number fields, as the field table gives them: what a
// value must hold, its range, and the rules that tie two fields together.
// The input pages check one field as it is left; before a calculation the
// whole record is checked, so that no calculation starts on a value that was
// refused and left standing.
#include <optional>
#include <string>
#include <string_view>

#include "project/felttabel.h"
#include "project/inddata.h"

namespace kvistor {

// Whether a value keeps a rule (a value that is not a finite number keeps
// none).
bool RegelHolder(TRegelArt regel, double v);

// Whether a value lies within the row's range (always, for a row without
// one; never, for a value that is not a finite number).
bool IOmraade(const TFeltRaekke& r, double v);

// "Huskropbredden skal ligge mellem 0 og 500 m." (or the row's own message).
std::string BeskedUdenforOmraade(const TFeltRaekke& r);

// Messages of the rules that tie two fields together.
inline constexpr std::string_view BeskedCharnForskRamme =
    "Charnierforskydningen skal være mindre end Rammeafstanden";
inline constexpr std::string_view BeskedCharnForskGavl =
    "Charnierforskydningen skal være mindre end gavlrammeafstanden";
// Leaving the field reduces the gable-bay span and says so; a record that
// is checked whole (before a calculation, a file on the command line) is
// refused as it stands, and the message says what to correct instead.
inline constexpr std::string_view BeskedGavlForStor =
    "Gavlrammeafstanden må ikke være større end normalrammeafstanden.\r\n"
    "Ret gavlrammeafstanden eller normalrammeafstanden.";
inline constexpr std::string_view BeskedGavlReduceret =
    "Gavlrammeafstanden må ikke være større end normalrammeafstanden.\r\nDen er derfor reduceret.";
inline constexpr std::string_view BeskedRammeReduceret =
    "Normalrammeafstanden må ikke være mindre end gavlrammeafstanden.\r\n"
    "Gavlrammeafstanden er derfor reduceret.";

// A broken rule: the field to correct and the message that says why.
struct TBrudtRegel {
  TKontrol Felt;
  std::string Besked;
  friend bool operator==(const TBrudtRegel&, const TBrudtRegel&) = default;
};

// Checks all field rules of a record in the order of the input pages and
// returns the first one broken, or nothing. Besides each field's own rule
// and range: the gable-bay span may not exceed the normal frame spacing, and
// the hinge offset must be less than both the normal frame spacing and the
// gable-bay span (a hinge must lie inside the bay); the snow values the
// report prints (the normal one, and the elevated one when chosen) lie
// within their ranges.
std::optional<TBrudtRegel> FoersteBrudteRegel(const Inddata& d);

}  // namespace kvistor
