#include "loads/tvaersnit.h"

#include <algorithm>
#include <cmath>


namespace kvistor {

double TaglinjeHojde(const TSupplData& suppl, double y) {
  // The east half is the mirror image of the west half.
  const double fraKant = y > suppl.BTag / 2.0 ? suppl.BTag - y : y;
  return fraKant * suppl.TanV + suppl.HTagkant;
}

double Overlap(double a1, double a2, double b1, double b2) {
  if (a1 > a2) std::swap(a1, a2);
  if (b1 > b2) std::swap(b1, b2);
  const double faelles = std::min(a2, b2) - std::max(a1, b1);
  return faelles > 0.0 ? faelles : 0.0;
}

}  // namespace kvistor
