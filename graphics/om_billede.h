#pragma once
// The picture of the About window: a roof in cross-section with its purlins,
// the program's name in large drawn letters, what the program does, its
// version, the publisher's contact block and, as a footing, a Gerber purlin
// on its supports.
#include "graphics/billedhjaelp.h"
#include "graphics/displayliste.h"

namespace kvistor {

// The frame of the picture in world units.
constexpr double OmBilledeBredde = 530;
constexpr double OmBilledeHoejde = 530;

void TegnOmBillede(TLinjeListe& linjer, TTekstGruppeListe& tekster, const TTekstmaal& m);

// "Kvistor" in drawn letters of cap height 56 world units with the baseline
// at y, centred on x. The letters are filled polygons, so the name scales
// with the picture while texts keep the canvas's font size.
void TegnNavn(TLinjeListe& linjer, int farve, double x, double y);

}  // namespace kvistor
