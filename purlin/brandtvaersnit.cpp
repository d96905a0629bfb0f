#include "purlin/brandtvaersnit.h"

#include <algorithm>
#include <cmath>

#include "project/katalog.h"
#include "purlin/traemateriale.h"

namespace kvistor {

TBrandTvaersnit BestemBrandTvaersnit(const Inddata& ind, int minutter, int sider) {
  const TBrandVaerdier& v = BrandVaerdier;
  TBrandTvaersnit s;
  s.Minutter = minutter;
  s.Sider = sider == 4 ? 4 : 3;
  s.Limtrae = ErLimtrae(ind.StyrkeKlasse);
  s.BetaN = s.Limtrae ? v.BetaNLimtrae : v.BetaNNaaletrae;
  // The layer without strength builds up over the first twenty minutes.
  const double t = minutter;
  s.k0 = t < v.k0Minutter ? t / v.k0Minutter : 1.0;
  s.def = s.BetaN * t + s.k0 * v.d0;
  s.bfi = ind.AaseBredde - 2.0 * s.def;
  // The roof covers the top face unless the fire reaches it too.
  s.hfi = ind.AaseHojde - (s.Sider == 4 ? 2.0 : 1.0) * s.def;
  s.kfi = s.Limtrae ? v.kfiLimtrae : v.kfiNaaletrae;
  if (s.Gennembraendt()) return s;

  s.A = s.bfi * s.hfi;
  s.Wy = s.bfi * s.hfi * s.hfi / 6.0;
  s.Wz = s.hfi * s.bfi * s.bfi / 6.0;
  const TStyrkeKlasse& k = StyrkeKlasseData(ind.StyrkeKlasse);
  // The slenderness of the purlin's own lateral buckling grows as the
  // section narrows; the effective length stays the frame spacing.
  s.kcrfi = KcrAfSlankhed(KipSlankhed(ind.Rammeafstand, s.hfi, s.bfi, k.c));
  s.fmfi = v.kmodfi * s.kfi * k.fmk * s.kcrfi / v.GammaMfi;
  s.fvfi = v.kmodfi * s.kfi * Revnefaktor * k.fvk / v.GammaMfi;
  return s;
}

void ReducerSnitUdtraek(TSnitUdtraek& u) {
  auto& m = u.Momenter;
  for (TMomentPunkt& p : m) {
    p.My = std::fabs(p.My);
    p.Mz = std::fabs(p.Mz);
  }
  // Per bay type, largest |My| first: a pair is kept only when its |Mz|
  // exceeds that of every pair before it.
  std::sort(m.begin(), m.end(), [](const TMomentPunkt& a, const TMomentPunkt& b) {
    if (a.Fag != b.Fag) return a.Fag < b.Fag;
    if (a.My != b.My) return a.My > b.My;
    return a.Mz > b.Mz;
  });
  std::vector<TMomentPunkt> behold;
  int fag = -1;
  double mzMaks = 0;
  for (const TMomentPunkt& p : m) {
    if (p.Fag != fag) {
      fag = p.Fag;
      behold.push_back(p);
      mzMaks = p.Mz;
    } else if (p.Mz > mzMaks) {
      behold.push_back(p);
      mzMaks = p.Mz;
    }
  }
  m = std::move(behold);
}

double BrandUdnyttelseBoejning(const TSnitUdtraek& u, int fag, const TBrandTvaersnit& s) {
  double sigma = 0;
  for (const TMomentPunkt& p : u.Momenter)
    if (p.Fag == fag) sigma = std::max(sigma, KombineretSpaending(s.Wy, s.Wz, p.Mz, p.My));
  return sigma / s.fmfi;
}

double BrandUdnyttelseForskydning(const TSnitUdtraek& u, int fag, const TBrandTvaersnit& s) {
  return Forskydningsspaending(s.A, u.VMaks[static_cast<std::size_t>(std::clamp(fag, 1, 3))]) /
         s.fvfi;
}

}  // namespace kvistor
