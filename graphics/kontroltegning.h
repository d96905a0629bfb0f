#pragma once
// One call for a paint handler or an export: recompute the cross-section
// geometry from the project record, build the chosen control drawing and draw
// it fitted into the surface with equal scales.
#include "graphics/displayliste.h"
#include "graphics/laerred.h"
#include "graphics/visning.h"
#include "project/inddata.h"

namespace kvistor {

enum class TKontroltegning { Tvaer, Laengde };

// The display list alone, from the geometry recomputed from the record.
void BygKontroltegning(TKontroltegning tegning, const Inddata& ind, TLinjeListe& linjer,
                       TTekstGruppeListe& tekster);

Visning TegnKontroltegning(TKontroltegning tegning, const Inddata& ind, TLaerred& laerred,
                           int bredde, int hoejde);

}  // namespace kvistor
