#pragma once
// The cross-section control drawing: the building body in section with its
// eaves overhangs, the ground, the roof line at the top of the purlins, the
// three purlins with their numbers and load widths, dimension lines, a purlin
// enlarged 20 times with the directions of its positive reactions, and a man
// 1.8 m tall for scale.
//
// World coordinates in metres: x across the building from the outer edge of
// the left eaves overhang (0) to the right edge (BTag), y up from the ground.
// The purlin's depth and width are in mm. The drawing reads the project
// record and the working record that BestemTvaersnit has just rebuilt from
// it, whatever their values: nonsense input gives a nonsense picture, never a
// crash.
#include "graphics/displayliste.h"
#include "project/inddata.h"
#include "purlin/suppldata.h"
#include "calculation/tvaersnit_byg.h"

namespace kvistor {

// Builds the whole drawing into the two lists (normally empty on entry).
void TegnKontrolTvaer(TLinjeListe& linjer, TTekstGruppeListe& tekster, const Inddata& ind,
                      const TSupplData& s);

// Height of the roof line (top of the purlins) at x; 0 outside the roof.
double TagHojde(const TSupplData& s, double x);

// The building body: walls, frames and roof as one outline, with the
// dimension lines for the width, the facade height and the eaves overhang.
void TegnHuskrop(TLinjeListe& linjer, TTekstGruppeListe& tekster, const Inddata& ind,
                 const TSupplData& s);

// A purlin section, `k` times enlarged, lying along the left roof slope with
// the midpoint of its upper face at (x, y).
void TegnAasTvaersnit(TLinjeListe& linjer, const Inddata& ind, const TSupplData& s, double x,
                      double y, double k);

// The purlin enlarged 20 times on its support, the midpoint of its lower face
// at (x0, y0), with the arrows of the positive reactions in z and y.
void TegnDetalje(TLinjeListe& linjer, TTekstGruppeListe& tekster, const Inddata& ind,
                 const TSupplData& s, double x0, double y0);

// A man 1.8 m tall standing on the ground at xc, with his caption 2u below
// the ground.
void TegnMand(TLinjeListe& linjer, TTekstGruppeListe& tekster, double xc, double u);

}  // namespace kvistor
