#pragma once
// The normal snow shape factor of a roof angle. It also serves as the
// characteristic snow load in kN/m² on the horizontal projection (ground snow
// 1,0 kN/m²). Kept in a header of its own so that the input pages can update
// the snow value when the roof angle is entered without linking the loads.

namespace kvistor {

// 0,8 up to 30°, falling linearly to 0 at 60°; 0 above 60° and for a
// negative angle (which the roof-angle field refuses anyway).
inline double NormalSneFormfaktor(double tagVinkel) {
  if (tagVinkel < 0.0) return 0.0;
  if (tagVinkel <= 30.0) return 0.8;
  if (tagVinkel <= 60.0) return 0.8 * (60.0 - tagVinkel) / 30.0;
  return 0.0;
}

}  // namespace kvistor
