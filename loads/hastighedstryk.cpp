#include "loads/hastighedstryk.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "project/inddata.h"
#include "purlin/suppldata.h"

namespace kvistor {

namespace {

// The input offers only the four categories, but a project file may carry
// any whole number; an index beyond the table takes the nearest category, as
// the radio group does when it shows such a file, instead of reading past the
// table.
const TTerrKatData& TerrKatRaekke(int terrKat) {
  return TerrKatTabel[std::clamp(terrKat, 0, 3)];
}

}  // namespace

double BasisHastighedstryk(double afstandKm) {
  double d = afstandKm;
  if (d > 25) d = 25;
  if (d < 0) d = 0;
  // 27 m/s at the west coast, falling linearly to 24 m/s 25 km inland.
  const double vb = 24 + 0.12 * (25 - d);
  // Half the air density 1.25 kg/m³; N/m² to kN/m².
  return 0.625 * vb * vb / 1000;
}

double Hastighedstryk(int terrKat, double kp, double c0, double z, double afstandKm) {
  const TTerrKatData& k = TerrKatRaekke(terrKat);
  if (z < k.zmin) z = k.zmin;
  const double kr = 0.19 * std::exp(0.07 * std::log(k.z0 / 0.05));
  const double L = std::log(z / k.z0);
  const double cr = kr * L;
  const double middel = BasisHastighedstryk(afstandKm) * cr * cr * c0 * c0;
  const double Iv = 1 / (c0 * L);  // turbulence factor 1.0
  return (1 + 2 * kp * Iv) * middel;
}

void BestemHastighedstryk(const Inddata& ind, TSupplData& supp) {
  supp.qku = Hastighedstryk(ind.TerrKat, SpidsfaktorUdvendig, 1.0, supp.HRef, ind.AfstVesterhav);
  // The internal pressure uses the smaller peak factor, except in the
  // stricter check, where it is the peak velocity pressure itself.
  const double kpInde = supp.Skaerpet ? SpidsfaktorUdvendig : SpidsfaktorIndvendig;
  supp.qki = Hastighedstryk(ind.TerrKat, kpInde, 1.0, supp.HRef, ind.AfstVesterhav);
  if (ind.RappOmfang > 0) {
    supp.TerrKatLinie = Format("Terrænkategori: %s => qku = %4.2n kN/m2; qki = %4.2n kN/m2",
                               {TerrKatRaekke(ind.TerrKat).Navn, supp.qku, supp.qki});
  }
}

}  // namespace kvistor
