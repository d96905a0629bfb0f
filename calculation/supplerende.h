#pragma once
// The supplementary checks beside the ordinary report, as a project or a
// command line asks for them: the stricter check ("Skærpet kontrol") and
// the fire check for a required resistance.
namespace kvistor {

struct TSupplerendeValg {
  bool Skaerpet = true;   // shear with the crack factor, qki with kp = 3,5
  int BrandMinutter = 0;  // required fire resistance, minutes; 0: no fire check
  int BrandSider = 3;     // 3: underside and both sides; 4: the top as well
};

}  // namespace kvistor
