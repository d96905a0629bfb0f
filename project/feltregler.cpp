#include "project/feltregler.h"

#include <cmath>

#include "common/format.h"
#include "project/antalfag.h"

namespace kvistor {

namespace {

using K = TKontrol;
using R = TRegelArt;

bool ErTalfelt(const TFeltRaekke& r) {
  return r.Art == TFeltArt::Tal || r.Art == TFeltArt::Heltal;
}

}  // namespace

bool RegelHolder(TRegelArt regel, double v) {
  // A value that is not a finite number keeps no rule: an infinite length or
  // load would pass "> 0" and reach the report as INF.
  if (!std::isfinite(v)) return false;
  switch (regel) {
    case R::Ingen: return true;
    case R::Positiv: return v > 0;
    case R::IkkeNegativ: return v >= 0;
    case R::Tagvinkel: return v >= 0 && v <= 75;
    case R::MindstFire: return v >= MindsteAntalFag;
  }
  return false;
}

bool IOmraade(const TFeltRaekke& r, double v) {
  if (!std::isfinite(v)) return false;
  return !r.HarOmraade || (v >= r.Min && v <= r.Max);
}

std::string BeskedUdenforOmraade(const TFeltRaekke& r) {
  if (!r.OmraadeBesked.empty()) return std::string(r.OmraadeBesked);
  auto tal = [](double v) { return Format(v == std::floor(v) ? "%1.0n" : "%1.2n", {v}); };
  std::string t =
      std::string(r.OmraadeNavn) + " skal ligge mellem " + tal(r.Min) + " og " + tal(r.Max);
  if (!r.Enhed.empty()) t += (r.Enhed == "°" ? "" : " ") + std::string(r.Enhed);
  return t + ".";
}

std::optional<TBrudtRegel> FoersteBrudteRegel(const Inddata& d) {
  auto brud = [](K k, std::string_view besked) {
    return std::optional<TBrudtRegel>(TBrudtRegel{k, std::string(besked)});
  };
  for (int i = 0; i < AntalKontroller; ++i) {
    const K k = static_cast<K>(i);
    const TFeltRaekke& r = FeltRaekke(k);
    if (!ErTalfelt(r)) continue;
    const double v = FeltVaerdi(r, d);
    if (!RegelHolder(r.Regel, v)) return brud(k, r.Besked);
    if (!IOmraade(r, v)) return brud(k, BeskedUdenforOmraade(r));
    if (k == K::EditGavlRammeAfst && !(d.GavlRammeAfst <= d.Rammeafstand))
      return brud(k, BeskedGavlForStor);
    if (k == K::EditCharnForsk) {
      if (!(d.CharnForsk < d.Rammeafstand)) return brud(k, BeskedCharnForskRamme);
      if (!(d.CharnForsk < d.GavlRammeAfst)) return brud(k, BeskedCharnForskGavl);
    }
    if (k == K::EditKaraktSneLast) {
      // The values the file keeps beside the one in use; the report prints
      // the normal one, and the elevated one when it is chosen.
      for (const TFeltRaekke& g : FeltTabel()) {
        if (g.Art != TFeltArt::Gemt) continue;
        if (g.Tal == &Inddata::SneFormFakForhojet && d.NormSneFormFak == 1) continue;
        if (!IOmraade(g, FeltVaerdi(g, d))) return brud(k, BeskedUdenforOmraade(g));
      }
    }
  }
  return std::nullopt;
}

}  // namespace kvistor
