#pragma once
// The purlin in fire by the reduced cross-section method: charring, the
// residual section, the fire strengths and the utilisations of one case's
// forces on that section. The forces of a case do not change while the
// section burns, so they are taken once (TSnitUdtraek) and put on the
// residual section of any minute.
#include <cstdint>

#include "project/inddata.h"
#include "purlin/statik.h"

namespace kvistor {

// Every value of the fire check's material side, in one table.
struct TBrandVaerdier {
  double BetaNNaaletrae = 0.8;  // mm/min, charring rate of sawn timber C14..C30
  double BetaNLimtrae = 0.7;    // mm/min, glulam GL24c..GL32c
  double d0 = 7.0;              // mm, the layer next to the char without strength
  double k0Minutter = 20.0;     // k0 = t/20 until 20 minutes, then 1
  double kfiNaaletrae = 1.25;   // from the 5 % fractile to the 20 % fractile
  double kfiLimtrae = 1.15;
  double GammaMfi = 1.0;
  double kmodfi = 1.0;
  int MaksMinutter = 120;       // the achieved resistance is sought up to here
};
inline constexpr TBrandVaerdier BrandVaerdier{};

// The residual section after some minutes of fire and its design strengths.
struct TBrandTvaersnit {
  int Minutter = 0;
  int Sider = 3;       // 3: underside and both sides; 4: the top too
  bool Limtrae = false;  // glulam, else sawn timber
  double BetaN = 0;    // mm/min
  double k0 = 0;
  double def = 0;      // effective charring depth βn·t + k0·d0, mm
  double bfi = 0;      // AaseBredde − 2·def, mm
  double hfi = 0;      // AaseHojde − def (3 sides) or − 2·def (4 sides), mm
  double A = 0;        // bfi·hfi, mm²
  double Wy = 0;       // bfi·hfi²/6, mm³
  double Wz = 0;       // hfi·bfi²/6, mm³
  double kfi = 0;
  double kcrfi = 0;    // the purlin's own lateral buckling on the residual section
  double fmfi = 0;     // kfi·fmk·kcr,fi (kmod,fi and γM,fi are 1), MPa
  double fvfi = 0;     // kfi·0,67·fvk, MPa
  // Nothing left of the section: the purlin has burnt through.
  bool Gennembraendt() const { return !(bfi > 0 && hfi > 0); }
};

// The residual section of the project's purlin after `minutter` minutes of
// fire on `sider` sides (4, or 3 for any other value). A burnt-through
// section keeps its (non-positive) dimensions and has no strengths.
TBrandTvaersnit BestemBrandTvaersnit(const Inddata& ind, int minutter, int sider);

// Keeps of a case's moment pairs only those that can govern on some section:
// the stress grows with |My| and with |Mz|, so a pair that another one of
// the same bay type exceeds in both is dropped. The moments become sizes.
void ReducerSnitUdtraek(TSnitUdtraek& udtraek);

// Bending utilisation of bay type fag: the largest combined stress of the
// pairs on the residual section over fm,fi; and shear: 1,5·V/A over fv,fi.
// The section must not be burnt through.
double BrandUdnyttelseBoejning(const TSnitUdtraek& udtraek, int fag, const TBrandTvaersnit& s);
double BrandUdnyttelseForskydning(const TSnitUdtraek& udtraek, int fag, const TBrandTvaersnit& s);

}  // namespace kvistor
