#pragma once
// Whole-number rounding used by the algorithms: to nearest, ties to even
// (Round(2.5) == 2, Round(3.5) == 4, Round(-2.5) == -2).
#include <cstdint>

namespace kvistor {

long long Round(double v);

// A length in metres as integer millimetres, ties to even.
inline long long TilMm(double meter) { return Round(meter * 1000.0); }

}  // namespace kvistor
