#pragma once
// The supplementary checks beside the ordinary report, as a project or a
// command line asks for them: the stricter check ("Skærpet kontrol") and
// the fire check for a required resistance.
#include "project/inddata.h"

namespace kvistor {

struct TSupplerendeValg {
  bool Skaerpet = true;   // shear with the crack factor, qki with kp = 3,5
  int BrandMinutter = 0;  // required fire resistance, minutes; 0: no fire check
  int BrandSider = 3;     // 3: underside and both sides; 4: the top as well
  bool Nogen() const { return Skaerpet || BrandMinutter > 0; }
};

// The checks the project's own settings (group "Supplerende kontrol" on
// "Inddata 2", the project file's extension lines) ask for.
inline TSupplerendeValg ProjektetsSupplerendeValg(const Inddata& ind) {
  return {ind.SkaerpetKontrol != 0, ind.Brandmodstand, ind.BrandSider};
}

}  // namespace kvistor
