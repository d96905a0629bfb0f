#include "purlin/beslag.h"

#include <cmath>

#include "purlin/lastkombinationsarter.h"

namespace kvistor {

double FlaekningsBaereevne(double HMinW, double H1, double h, double b, double kmod,
                           double GammaMBeslag) {
  if (HMinW <= 0) return 1000.0;
  const double he = H1 - 10.0;
  // Only a hanger whose loaded edge lies inside the depth can split the wood;
  // at he >= h (or an empty section) the joint has no splitting capacity.
  if (h <= 0 || he <= 0 || he >= h || b <= 0 || GammaMBeslag <= 0) return 0.0;
  return 0.014 * b * std::sqrt(he / (1.0 - he / h)) * kmod / GammaMBeslag;
}

TBeslagBaereevner BeregnBeslagBaereevner(const TBeslagKarakteristisk& k, double AaseHojde,
                                         double AaseBredde, double kmod, double GammaMBeslag) {
  TBeslagBaereevner r;
  if (GammaMBeslag <= 0) return r;
  r.F1d = k.F1k * kmod / GammaMBeslag;
  r.F2d = k.F2k * kmod / GammaMBeslag;
  r.F3d = k.F3k * kmod / GammaMBeslag;
  r.Nd = k.Nk * kmod / GammaMBeslag;
  r.R90d = FlaekningsBaereevne(k.HMinW, k.H1, AaseHojde, AaseBredde, kmod, GammaMBeslag);
  r.F1dRed = r.R90d <= r.F1d ? r.R90d : r.F1d;
  r.F2dRed = r.R90d <= r.F2d ? r.R90d : r.F2d;
  return r;
}

double BeslagForhold(double kraft, double baereevne) {
  // A capacity that is not there (or not a number) carries nothing.
  if (!(baereevne >= 0.001)) return kraft != 0.0 ? 100.0 : 0.0;
  const double alfa = kraft / baereevne;
  return std::isnan(alfa) ? 100.0 : alfa;
}

TBeslagUdnyttelse BeregnBeslagUdnyttelse(double F1, double F2, double F3, double N,
                                         double FlytFaktor, const TBeslagBaereevner& bae) {
  TBeslagUdnyttelse u;
  // A low hanger takes F3 off-centre; moving it to the hanger's middle adds a
  // couple that both z directions have to carry.
  const double F3flyt = std::fabs(2.0 * FlytFaktor * F3);
  u.F1 = F1 + F3flyt;
  u.F2 = F2 + F3flyt;
  u.alfaF1 = BeslagForhold(u.F1, bae.F1dRed);
  u.alfaF2 = BeslagForhold(u.F2, bae.F2dRed);
  u.alfaF3 = BeslagForhold(F3, bae.F3d);
  u.alfaN = BeslagForhold(N, bae.Nd);
  const double alfaF = u.alfaF1 > u.alfaF2 ? u.alfaF1 : u.alfaF2;
  if (u.alfaN < 0.001) {
    u.UGBeslag = std::sqrt(alfaF * alfaF + u.alfaF3 * u.alfaF3);
  } else {
    u.UGsum = std::pow(std::fabs(alfaF), 1.25) +
              std::pow(std::sqrt(u.alfaF3 * u.alfaF3 + u.alfaN * u.alfaN), 1.25);
    u.UGBeslag = std::pow(u.UGsum, 0.8);
  }
  return u;
}

TBeslagKarakteristisk BeslagKarakteristisk(const TBData& b) {
  TBeslagKarakteristisk k;
  k.HMinW = b.HMinW;
  k.F1k = b.F1k;
  k.F2k = b.F2k;
  k.F3k = b.F3k;
  k.Nk = b.Nk;
  k.H1 = b.H1;
  return k;
}

void SaetBeslagBaereevner(TTilfaelde& tilf, const TBData& beslag, const TSupplData& sd,
                          double AaseHojde, double AaseBredde) {
  TBeslagBaereevner b;
  if (ErBrudLK(tilf.LK))
    b = BeregnBeslagBaereevner(BeslagKarakteristisk(beslag), AaseHojde, AaseBredde, tilf.kmod,
                               sd.GammaMBeslag);
  tilf.F1d = b.F1d;
  tilf.F2d = b.F2d;
  tilf.F3d = b.F3d;
  tilf.Nd = b.Nd;
  tilf.F1dRed = b.F1dRed;
  tilf.F2dRed = b.F2dRed;
  tilf.FdKopi = {b.F1d, b.F2d, b.F3d, b.Nd};
}

void BestemUGBeslag(TTilfaelde& tilf, const TSupplData& sd) {
  // The capacities the case was given by SaetBeslagBaereevner.
  const TBeslagBaereevner bae{tilf.F1d, tilf.F2d, tilf.F3d, tilf.Nd, 0.0, tilf.F1dRed,
                              tilf.F2dRed};
  const double N = tilf.FagRes[2].N;
  for (int t = 1; t <= 3; ++t) {
    TFagResultat& fr = tilf.FagRes[t];
    const TBeslagUdnyttelse u = BeregnBeslagUdnyttelse(fr.F1, fr.F2, fr.F3, N, sd.FlytFaktor, bae);
    fr.F1 = u.F1;
    fr.F2 = u.F2;
    fr.alfaF1 = u.alfaF1;
    fr.alfaF2 = u.alfaF2;
    fr.alfaF3 = u.alfaF3;
    fr.UGsum = u.UGsum;
    fr.UGBeslag = u.UGBeslag;
    tilf.alfaN = u.alfaN;
  }
}

}  // namespace kvistor
