#pragma once
// The picture of the help page "Hjælp, tvær": a portal-frame building in
// cross-section on the ground with purlins on both roof slopes, the measures
// the user enters marked with dimension arrows, and a purlin on its rafter
// enlarged to show its width and depth.
#include "graphics/billedhjaelp.h"
#include "graphics/displayliste.h"

namespace kvistor {

// The frame of the picture in world units.
constexpr double HjaelpTvaerBredde = 720;
constexpr double HjaelpTvaerHoejde = 440;

void TegnHjaelpTvaer(TLinjeListe& linjer, TTekstGruppeListe& tekster, const TTekstmaal& m);

}  // namespace kvistor
