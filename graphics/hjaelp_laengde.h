#pragma once
// The picture of the help page "Hjælp, længde": the assumptions about the
// purlins' supports in three short paragraphs, and below them an example
// purlin on six supports (triangles) with five bays, a hinge (a small circle)
// a little to the left of every interior support, and the names of the
// length measures the user enters.
#include "graphics/billedhjaelp.h"
#include "graphics/displayliste.h"

namespace kvistor {

// The frame of the picture in world units. When the text needs more lines
// than fit above the example (a small window), the frame grows upwards.
constexpr double HjaelpLaengdeBredde = 720;
constexpr double HjaelpLaengdeHoejde = 420;
constexpr int HjaelpLaengdeUnderstoetninger = 6;

void TegnHjaelpLaengde(TLinjeListe& linjer, TTekstGruppeListe& tekster, const TTekstmaal& m);

}  // namespace kvistor
