#include "common/afrunding.h"

#include <climits>
#include <cmath>

namespace kvistor {

// Nearest whole number, ties to even, worked out by hand so that the answer
// does not hang on the floating-point environment's rounding mode. Values
// outside the range of long long are clamped to its ends; NaN gives 0, so a
// damaged input never leads to undefined behaviour further on.
long long Round(double v) {
  if (std::isnan(v)) return 0;
  // 2^63 is exactly representable; anything at or beyond it does not fit.
  constexpr double graense = 9223372036854775808.0;
  if (v >= graense) return LLONG_MAX;
  if (v <= -graense) return LLONG_MIN;
  const double gulv = std::floor(v);
  const double rest = v - gulv;  // exact: v and its floor share the binade
  double r;
  if (rest > 0.5)
    r = gulv + 1.0;
  else if (rest < 0.5)
    r = gulv;
  else
    r = (std::fmod(gulv, 2.0) == 0.0) ? gulv : gulv + 1.0;
  // r can only reach 2^63 from below when v is just under it, and there the
  // doubles are whole numbers already (rest == 0), so r < 2^63 holds.
  if (r >= graense) return LLONG_MAX;
  return static_cast<long long>(r);
}

}  // namespace kvistor
