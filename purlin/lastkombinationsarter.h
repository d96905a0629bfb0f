#pragma once
// What the load combinations (LK) are, asked by the case records of every
// layer from the statics up.

namespace kvistor {

// 1..9 are the ultimate combinations (design
// strengths, utilisations, joints); 10..12 the deflection combinations, one
// characteristic load each (g, s, Q); 13 is not computed. 14 and 15 are the
// accidental combinations of the fire check, which the ordinary run never
// computes: 14 carries snow as LK 3 does (without tilting moments), 15 wind
// as LK 6 does.
constexpr bool ErBrudLK(int lk) { return lk >= 1 && lk <= 9; }
constexpr bool ErNedbojningsLK(int lk) { return lk >= 10 && lk <= 12; }
constexpr bool ErBrandLK(int lk) { return lk == 14 || lk == 15; }
// The combinations that carry wind, and those that carry snow.
constexpr bool HarVindLK(int lk) { return lk == 5 || lk == 6 || lk == 9 || lk == 15; }
constexpr bool HarSneLK(int lk) { return lk == 3 || lk == 5 || lk == 11 || lk == 14; }
// The cases of LK 3 that put the tilting moment of one interior frame on the
// purlin: "b".."g", one frame each (TRammePlaceringer entries 1..6).
constexpr bool HarRammeKipmoment(int lk, char lt) { return lk == 3 && lt >= 'b' && lt <= 'g'; }

}  // namespace kvistor
