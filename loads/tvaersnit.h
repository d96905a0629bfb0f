#pragma once
// The roof line of the cross-section, which the roof and gable loads read
// off the working record that calculation/tvaersnit_byg.h builds.
#include "purlin/suppldata.h"

namespace kvistor {


// Height above ground of the roof line at the horizontal distance y from the
// west roof edge (the roof is symmetric about BTag/2).
double TaglinjeHojde(const TSupplData& suppl, double y);

// Length of the common part of [a1, a2] and [b1, b2], each given with its
// bounds in any order; 0 when they are disjoint or only touch.
double Overlap(double a1, double a2, double b1, double b2);

}  // namespace kvistor
