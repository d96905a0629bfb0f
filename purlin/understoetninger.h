#pragma once
// Supports and Gerber hinges of the purlin, laid out once per calculation
// run and owned by the run. Both lists are sorted by x.
#include <array>
#include <cstdint>
#include <vector>

#include "project/antalfag.h"
#include "purlin/suppldata.h"

namespace kvistor {

// A support: the left gable support (Type 1), an interior frame (2) or the
// right gable support (3). Rz, Ry are the reactions of the current case: the
// force the support exerts on the purlin, positive in the load direction, so
// a support carrying gravity load has a negative reaction ("pos som træk").
struct TReaktion {
  std::int32_t x = 0;
  std::int32_t Type = 0;
  double Rz = 0;  // kN
  double Ry = 0;  // kN
};

// A Gerber hinge, CharnForskMm left of its interior frame. Type 1 for the
// first hinge, 3 for the last, 2 otherwise.
struct TCharnier {
  std::int32_t x = 0;
  std::int32_t Type = 0;
};

using TUnderstoetninger = std::vector<TReaktion>;
using TCharnierer = std::vector<TCharnier>;

// The interior frames that LK 3 "b".."g" put their tilting moment on:
// entries 1..5 the frames from xRamme1 in steps of NormFag while below
// xRammeN (at most five), entry 6 xRammeN; missing frames 0; entry 0 unused.
using TRammePlaceringer = std::array<std::int32_t, 7>;

// The points that LK 8 "a".."k" put their point load on, entries 1..11 (mm;
// entry 0 unused, 0 = no placement); the driver fills them once LK 3 has
// given the moment maxima.
using TPunktLastPlaceringer = std::array<std::int32_t, 12>;

// antalFag + 1 supports: left gable support at GavlUdhMm, the interior
// frames xRamme1 + k·NormFag (k = 0 .. antalFag − 2), right gable support at
// LAas − GavlUdhMm. Empty for a refused layout (LAas 0) or more than
// MaksFagIUnderstoetninger bays.
TUnderstoetninger BygUnderstoetninger(const TSupplData& sd, std::int32_t antalFag);

// antalFag − 1 hinges, one CharnForskMm left of every interior frame; empty
// when the supports are.
TCharnierer BygCharnierer(const TSupplData& sd, std::int32_t antalFag);

// Sets Rz and Ry of every support to 0 (before each case).
void NulstilReaktioner(TUnderstoetninger& understoetninger);

TRammePlaceringer RammePlaceringer(const TSupplData& sd);

}  // namespace kvistor
