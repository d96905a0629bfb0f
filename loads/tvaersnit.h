#pragma once
// The roof cross-section that every load routine and both control drawings
// build on: BestemTvaersnit turns the project record into a complete working
// record (geometry, purlin positions and strips, layout along the purlin,
// section values, wind pressures, dead load, material values).
#include "project/inddata.h"
#include "purlin/suppldata.h"

namespace kvistor {

// Rebuilds `suppl` from scratch from the project record. Never fails: the
// drawings call it on whatever the user has typed, valid or not, so nonsense
// input gives nonsense numbers but no crash (a roof layer not picked points at
// its catalogue's empty row).
void BestemTvaersnit(const Inddata& inddata, TSupplData& suppl);

// Height above ground of the roof line at the horizontal distance y from the
// west roof edge (the roof is symmetric about BTag/2).
double TaglinjeHojde(const TSupplData& suppl, double y);

// Length of the common part of [a1, a2] and [b1, b2], each given with its
// bounds in any order; 0 when they are disjoint or only touch.
double Overlap(double a1, double a2, double b1, double b2);

}  // namespace kvistor
