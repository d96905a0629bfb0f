#include "calculation/beslagskift.h"

#include <algorithm>
#include <cmath>

#include "purlin/beslag.h"
#include "purlin/gerbermodel.h"
#include "purlin/lastkombinationsarter.h"

namespace kvistor {

TBeslagGrundlag BygBeslagGrundlag(const TBeregning& beregning, const Inddata& inddata,
                                  const TSupplData& suppl) {
  TBeslagGrundlag g;
  g.AaseHojde = inddata.AaseHojde;
  g.AaseBredde = inddata.AaseBredde;
  g.GammaMBeslag = suppl.GammaMBeslag;
  g.Tilfaelde.reserve(beregning.Tilfaelde.size());
  for (const TTilfaelde& c : beregning.Tilfaelde) {
    if (!ErBrudLK(c.LK)) continue;
    TBeslagGrundlag::TTilfaelde k;
    k.kmod = c.kmod;
    k.N = c.FagRes[2].N;
    for (int t = 1; t <= 3; ++t) {
      // The forces as the shear left them, before the joint check added
      // the displacement term to F1 and F2.
      const TFagResultat& f = c.FagRes[t];
      k.F1[t - 1] = -f.VzCharnMin;
      k.F2[t - 1] = f.VzCharnMax;
      k.F3[t - 1] = f.F3;
    }
    g.Tilfaelde.push_back(k);
  }
  return g;
}

TBeslagKontrol KontrollerBeslag(const TBeslagGrundlag& g, const TBData& beslag) {
  TBeslagKontrol k;
  k.UGBeslagUafrundet = -HUGE_VAL;
  const TBeslagKarakteristisk kar = BeslagKarakteristisk(beslag);
  const double flyt = FlytFaktor(g.AaseHojde, g.AaseBredde, beslag.H3);
  // Cases share a few values of kmod: the capacities of the last one are kept.
  double kmod = NAN;
  TBeslagBaereevner bae;
  for (const TBeslagGrundlag::TTilfaelde& c : g.Tilfaelde) {
    if (!(c.kmod == kmod)) {
      kmod = c.kmod;
      bae = BeregnBeslagBaereevner(kar, g.AaseHojde, g.AaseBredde, kmod, g.GammaMBeslag);
      // The run keeps the capacities of the case and its check reads them
      // back without the splitting capacity.
      bae.R90d = 0;
      for (double v : {bae.F1d, bae.F2d, bae.F3d, bae.Nd, bae.F1dRed, bae.F2dRed})
        if (!std::isfinite(v)) k.Endelig = false;
    }
    for (int t = 0; t < 3; ++t) {
      const TBeslagUdnyttelse u = BeregnBeslagUdnyttelse(c.F1[t], c.F2[t], c.F3[t], c.N, flyt, bae);
      for (double v : {u.F1, u.F2, u.alfaF1, u.alfaF2, u.alfaF3, u.alfaN, u.UGsum, u.UGBeslag})
        if (!std::isfinite(v)) k.Endelig = false;
      k.UGBeslagUafrundet = std::max(k.UGBeslagUafrundet, u.UGBeslag);
    }
  }
  // Rounding is monotone, so the largest rounded value is the rounded
  // largest one.
  k.UGBeslag = AfrundetVaerdi(k.UGBeslagUafrundet);
  return k;
}

}  // namespace kvistor
