#pragma once
// Dimension lines and arrows for the display list. Every dimension line
// writes two labels: the given text and the measured distance, formatted as
// "%*.*f" with width 2 and the given decimals (decimal comma, no thousands
// points), the text above the line and the distance below it. Their polylines
// are black, solid, 1 pixel wide and unfilled; their text groups black and
// vertically centred. Tick size p is in world units, so ticks scale with the
// drawing while the arrowheads (marker symbols) keep their pixel size. The
// labels carry their layout wishes (graphics/displayliste.h): where the
// drawing is cramped the renderer moves the text up and the distance down,
// off the line and its arrowheads, and sets a label wider than the span
// between the ticks smaller.
#include <string>

#include "graphics/displayliste.h"

namespace kvistor {

// Label placement of the dimension lines.
constexpr int PlaceringVenstre = 0;
constexpr int PlaceringMidte = 1;
constexpr int PlaceringHoejre = 2;

// Horizontal dimension from x1 to x2 at height y, arrows inside pointing out
// onto the ticks. Placement 0 labels at the left end, 1 in the middle, 2 at
// the right end, anything else no labels.
void MaalVandret(TLinjeListe& linjer, TTekstGruppeListe& tekster, int placering, double x1,
                 double x2, double y, double p, int decimaler, const std::string& tekst);

// Horizontal dimension with the arrows outside, for short distances.
// Placement 0 labels to the right of the right end, 1 in the middle, 2 to the
// left of the left end.
void MaalVandretUdv(TLinjeListe& linjer, TTekstGruppeListe& tekster, int placering,
                    double x1, double x2, double y, double p, int decimaler,
                    const std::string& tekst);

// One-sided dimension: a reference cross at the left end, an outside arrow at
// the right end, labels to the right of it.
void MaalEnsidet(TLinjeListe& linjer, TTekstGruppeListe& tekster, int decimaler, double x1,
                 double x2, double y, double p, const std::string& tekst);

// Vertical dimension from y1 to y2 at x, arrows inside. Placement 0 labels to
// the right, 1 centred on the line, 2 to the left.
void MaalLodret(TLinjeListe& linjer, TTekstGruppeListe& tekster, int placering, double y1,
                double y2, double x, double p, int decimaler, const std::string& tekst);

// An arrow ending at (x, y) and pointing in the direction `vinkel` (degrees,
// anticlockwise from the positive x axis): a shaft of `laengde` and a head
// `hoved` long and as wide.
void Pil(TLinjeListe& linjer, int farve, int bredde, double x, double y, double vinkel,
         double laengde, double hoved);

}  // namespace kvistor
