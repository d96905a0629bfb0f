#pragma once
// The line loads of one load case along the purlin: dead load, snow and wind
// on the roof, as a sorted list of load changes (purlin/laster.h). In the
// detailed report extent the lists and the wind table go into the case's
// Linier.
#include "common/dialog.h"
#include "project/inddata.h"
#include "purlin/laster.h"
#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"

namespace kvistor {

// The design dead load gLinie over the whole purlin, overhangs included.
TLinielastListe BygEgenlast(TTilfaelde& tilfaelde, const Inddata& inddata,
                            const TSupplData& suppl);

// Wind on the roof zones for LK 5, 6 and 9 (an empty list otherwise),
// perpendicular to the roof only; prints "Detaljer vedr. vindlast på tag".
TLinielastListe BygVindlastTag(TTilfaelde& tilfaelde, const Inddata& inddata,
                               const TSupplData& suppl, TBrugerDialog& dialog);

// The case's complete list: dead load; snow in LK 3, 5 and 11; wind in LK 5,
// 6 and 9 (then the total is printed as "g+s+w").
TLinielastListe BygLinielaster(TTilfaelde& tilfaelde, const Inddata& inddata,
                               const TSupplData& suppl, TBrugerDialog& dialog);

}  // namespace kvistor
