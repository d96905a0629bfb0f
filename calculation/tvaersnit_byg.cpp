#include "calculation/tvaersnit_byg.h"

#include <cmath>
#include <numbers>

#include "loads/hastighedstryk.h"
#include "loads/tvaersnit.h"
#include "project/katalog.h"
#include "purlin/gerbermodel.h"
#include "purlin/traemateriale.h"

namespace kvistor {

void BestemTvaersnit(const Inddata& ind, TSupplData& sd, bool skaerpet) {
  sd = TSupplData{};
  sd.Skaerpet = skaerpet;

  // The roof layers as chosen; a layer not picked (or a damaged position)
  // points at the catalogue's empty row, never outside it.
  sd.EL1Data = &EL1Data(ind);
  sd.EL2Data = &EL2Data(ind);
  sd.EL3Data = &EL3Data(ind);
  sd.EL4Data = &EL4Data(ind);

  const double alfa = ind.TagVink * std::numbers::pi / 180.0;
  sd.CosV = std::cos(alfa);
  sd.SinV = std::sin(alfa);
  sd.TanV = sd.SinV / sd.CosV;

  sd.BTag = 2.0 * ind.FacUdh + ind.HusBr;
  sd.LHus = (static_cast<double>(ind.AntalFag) - 2) * ind.Rammeafstand + 2.0 * ind.GavlRammeAfst;
  sd.LTag = sd.LHus + 2.0 * ind.GavlUdh;

  // The wind reference height is the top of the purlins at the ridge: the
  // roof surface plus the purlin's depth measured vertically.
  sd.HTagKip = 0.5 * ind.HusBr * sd.TanV + ind.FacHjd;
  sd.HRef = ind.AaseHojde / (1000.0 * sd.CosV) + sd.HTagKip;
  sd.HTagkant = sd.HRef - sd.BTag / 2.0 * sd.TanV;

  // Purlin 1 at the tip of the eaves, purlin 2 one spacing further up,
  // purlin 3 half a spacing below the ridge.
  const double afstVandret = ind.AaseAfst * sd.CosV;
  sd.xAas[1] = 0.0;
  sd.xAas[2] = afstVandret;
  sd.xAas[3] = sd.BTag / 2.0 - afstVandret / 2.0;

  // The part of each purlin's strip that lies over a gable wall: the wall
  // begins at the facade line, so the band never reaches into the eaves
  // overhang. Its height is half the mean wall height along the band, the
  // share of the wall that the purlin end carries.
  const double w2 = afstVandret / 2.0;
  for (int p = 1; p <= 3; ++p) {
    sd.GavlFeltStart[p] = std::max(sd.xAas[p] - w2, ind.FacUdh);
    sd.GavlFeltSlut[p] = std::max(sd.xAas[p] + w2, ind.FacUdh);
    sd.GavlFeltHojde[p] =
        (TaglinjeHojde(sd, sd.GavlFeltStart[p]) + TaglinjeHojde(sd, sd.GavlFeltSlut[p])) / 4.0;
  }

  BestemLaengdeLayout(sd, ind);

  const TBData* beslag = BeslagData(ind.Beslag);
  BestemTvaersnitsvaerdier(sd, ind, beslag ? beslag->H3 : 0.0);

  BestemHastighedstryk(ind, sd);

  // Timber weighs 5 kN/m³; spread over the purlin spacing.
  sd.AaseEgenlast = ind.AaseAfst != 0.0 ? sd.A * 5.0 / (ind.AaseAfst * 1.0e6) : 1.0;
  sd.EgenlastIalt = ind.EL1 + ind.EL2 + ind.EL3 + ind.EL4 + sd.AaseEgenlast;

  BestemMaterialevaerdier(sd, ind);
  sd.Sikkl = ind.Sikkl;
}

}  // namespace kvistor
