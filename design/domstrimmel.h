#pragma once
// The live-verdict strip beside the input pages: after every accepted field
// leave, radio click or list pick the window recomputes the three governing
// figures of the record and shows them, green when they pass and red when
// they fail. The strip reads the record only: the report, the result page,
// the warning notes and InddataAendret keep their own rules. While a field
// rule is broken the strip names the field that blocks the calculation.
#include <array>
#include <optional>
#include <string>

#include "design/noegletal.h"
#include "project/inddataside.h"

namespace kvistor {

struct TStrimmelFelt {
  std::string Tekst;  // "Åsetværsnit 88 %", "Samling 88 %", "Nedbøjning L/440"
  bool Ok = false;    // green; red otherwise
};

struct TDomStrimmel {
  bool Beregnet = false;
  std::array<TStrimmelFelt, 3> Felter;  // section, joint, deflection
  // Without figures: why (the broken rule's message on one line, or the
  // message that stopped the calculation), and the blocking field if any.
  std::string Besked;
  std::optional<TKontrol> Felt;
};

// The strip of a lean calculation's result.
TDomStrimmel BygDomStrimmel(const TNoegletalResultat& r);

// The strip of the input pages' current record: BeregnNoegletal, then
// BygDomStrimmel. Changes nothing in the model.
TDomStrimmel OpdaterDomStrimmel(const TInddataside& side);

// The strip's second block, for the checks the project asks for beside the
// report: the stricter check's three figures as the first block writes
// them, and the fire verdict, "Brand R30 opfyldt (46 min)" or "Brand R30
// ikke opfyldt (24 min)". Neither when the project asks for none.
struct TSupplerendeStrimmel {
  std::optional<TDomStrimmel> Skaerpet;
  std::optional<TStrimmelFelt> Brand;
  bool Tom() const { return !Skaerpet && !Brand; }
};

TSupplerendeStrimmel BygSupplerendeStrimmel(const TSupplerendeNoegletal& s, int brandMinutter);

// The second block of the current record, by the project's own choice of
// checks. Changes nothing in the model.
TSupplerendeStrimmel OpdaterSupplerendeStrimmel(const TInddataside& side);

}  // namespace kvistor
