#pragma once
// What the load combinations (LK) are, asked by the case records of every
// layer from the statics up.

namespace kvistor {

// 1..9 are the ultimate combinations (design
// strengths, utilisations, joints); 10..12 the deflection combinations, one
// characteristic load each (g, s, Q); 13 is not computed.
constexpr bool ErBrudLK(int lk) { return lk >= 1 && lk <= 9; }
constexpr bool ErNedbojningsLK(int lk) { return lk >= 10 && lk <= 12; }
// The combinations that carry wind, and those that carry snow.
constexpr bool HarVindLK(int lk) { return lk == 5 || lk == 6 || lk == 9; }
constexpr bool HarSneLK(int lk) { return lk == 3 || lk == 5 || lk == 11; }
// The cases of LK 3 that put the tilting moment of one interior frame on the
// purlin: "b".."g", one frame each (TRammePlaceringer entries 1..6).
constexpr bool HarRammeKipmoment(int lk, char lt) { return lk == 3 && lt >= 'b' && lt <= 'g'; }

}  // namespace kvistor
