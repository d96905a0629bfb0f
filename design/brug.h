#pragma once
// "Brug": a variant chosen in an aid's result table is applied through the
// input-page model, as if the user had clicked and picked it, so the field
// rules, the coupled updates (dimension lists, hardware list, hinge-offset
// field) and their messages run as they always do.
#include <cstdint>

#include "design/tvaersnitssoegning.h"
#include "project/inddataside.h"

namespace kvistor {

class TBrugerDialog;

// Strength class (radio group), depth and width (their lists), then the
// hanger (its list, rebuilt on entry). Returns false, after applying what it
// could, when a list does not offer the variant's item.
bool BrugTvaersnitsVariant(TInddataside& side, const TTvaersnitsVariant& v, TBrugerDialog& dlg);

// "Nej" in the hinge-offset group, then the offset typed into its field.
void BrugCharnierforskydning(TInddataside& side, std::int32_t forskydningMm, TBrugerDialog& dlg);

}  // namespace kvistor
