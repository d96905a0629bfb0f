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

// The physical range of a numeric field. The field rules say what a value
// must be at least; beyond these upper bounds (chosen so generously that no
// real building reaches them) a value is a typing error, and a calculation
// on it would give a report whose columns run into each other. The lower
// bound is the one of the field's own rule.
struct TTalOmraade {
  double Inddata::*felt;
  double min;
  double max;
  std::string_view navn;   // the field as the messages name it
  std::string_view enhed;  // "" for a pure number
};

inline constexpr TTalOmraade TalOmraader[] = {
    {&Inddata::HusBr, 0, 500, "Huskropbredden", "m"},
    {&Inddata::FacHjd, 0, 100, "Facadehøjden", "m"},
    {&Inddata::AaseAfst, 0, 10, "Åseafstanden", "m"},
    {&Inddata::FacUdh, 0, 20, "Facadeudhænget", "m"},
    {&Inddata::Rammeafstand, 0, 50, "Normalrammeafstanden", "m"},
    {&Inddata::GavlRammeAfst, 0, 50, "Gavlrammeafstanden", "m"},
    {&Inddata::CharnForsk, 0, 50, "Charnierforskydningen", "m"},
    {&Inddata::GavlUdh, 0, 20, "Gavludhænget", "m"},
    {&Inddata::EL1, 0, 100, "Egenlasten af tagdækning", "kN/m²"},
    {&Inddata::EL2, 0, 100, "Egenlasten af undertag", "kN/m²"},
    {&Inddata::EL3, 0, 100, "Egenlasten af isolering", "kN/m²"},
    {&Inddata::EL4, 0, 100, "Egenlasten af loftbeklædning", "kN/m²"},
    {&Inddata::AfstVesterhav, 0, 1000, "Afstanden fra Vesterhavet eller Ringkøbing Fjord", "km"},
    {&Inddata::SneFormFak, 0, 10, "Formfaktoren for snelast", ""},
    {&Inddata::AaseHojde, 0, 3000, "Åsehøjden", "mm"},
    {&Inddata::AaseBredde, 0, 1000, "Åsebredden", "mm"},
    {&Inddata::NormalKraftFaktor, 0, 100, "Normalkraftfaktoren", ""},
    {&Inddata::KipnMoment, 0, 1000, "Kipningsmomentet", "kNm"},
};

// "Huskropbredden skal ligge mellem 0 og 500 m."
std::string BeskedUdenforOmraade(const TTalOmraade& o);

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
// frame spacing and the gable-bay span (a hinge must lie inside the bay);
// and every field must lie within its range of TalOmraader.
std::optional<std::string> FoersteBrudteRegel(const Inddata& d);

}  // namespace kvistor
