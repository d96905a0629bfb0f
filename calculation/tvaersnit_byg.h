#pragma once
// The roof cross-section that every load routine and both control drawings
// build on: BestemTvaersnit turns the project record into a complete working
// record (geometry, purlin positions and strips, layout along the purlin,
// section values, wind pressures, dead load, material values). It reads the
// wind pressures of loads/ and fills the layout and material of purlin/, so
// it sits above both.
#include "project/inddata.h"
#include "purlin/suppldata.h"

namespace kvistor {

// Rebuilds `suppl` from scratch from the project record. Never fails: the
// drawings call it on whatever the user has typed, valid or not, so nonsense
// input gives nonsense numbers but no crash (a roof layer not picked points at
// its catalogue's empty row).
// With `skaerpet` the record is that of the stricter check (sd.Skaerpet):
// fvd with the crack factor and qki with the external peak factor; nothing
// else differs.
void BestemTvaersnit(const Inddata& inddata, TSupplData& suppl, bool skaerpet = false);

}  // namespace kvistor
