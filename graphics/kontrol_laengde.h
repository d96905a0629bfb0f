#pragma once
// The longitudinal control drawing: one purlin along the building as a
// Gerber chain (pieces, hinges as circles, supports as triangles), three rows
// of dimension lines below it, the gable overhangs and the hinge offset above
// it, and a large detail of one hinge with the chosen Gerber hardware.
//
// World coordinates in metres: x along the purlin from its left end (the tip
// of the left gable overhang, 0) to LTag, y up from the purlin's axis. Symbols
// and spacings scale with u = LTag/100; texts and arrowheads keep their pixel
// size. Like the cross-section drawing it is built from whatever the project
// record holds.
#include "graphics/displayliste.h"
#include "project/inddata.h"
#include "purlin/suppldata.h"

namespace kvistor {

// Above this many bays the pieces, hinges and interior supports would be far
// narrower than a pixel, and their number is the user's typing, not a
// building: the purlin is then drawn as one bar on its two gable supports.
constexpr long long MaksFagTegnet = 1000;

// Builds the whole drawing into the two lists (normally empty on entry).
void TegnKontrolLaengde(TLinjeListe& linjer, TTekstGruppeListe& tekster, const Inddata& ind,
                        const TSupplData& s);

// A support triangle 2a wide and 2a high hanging from its apex at (x, y).
void TegnUnderstoetning(TLinjeListe& linjer, double x, double y, double a);

// A hinge circle of radius r, drawn as an octagon.
void TegnCharnier(TLinjeListe& linjer, double x, double y, double r);

// The hinge enlarged, 200 mm of timber each side of the joint at x0, the
// upper edge of the left piece at y0, with the hardware of the chosen
// catalogue row. While no hardware is chosen (Beslag -1, or a value outside
// the catalogue) it shows the two timber pieces alone.
void TegnCharnierDetalje(TLinjeListe& linjer, const Inddata& ind, const TSupplData& s,
                         double x0, double y0);

}  // namespace kvistor
