#include "project/feltregler.h"

#include <array>
#include <cmath>

#include "common/format.h"
#include "project/antalfag.h"

namespace kvistor {

namespace {

using K = TKontrol;
using R = TRegelArt;

constexpr std::array<TTalFelt, 20> Felter{{
    {K::EditHusBr, &Inddata::HusBr, 2, R::Positiv, "Huskropbredden skal være positiv"},
    {K::EditFacHjd, &Inddata::FacHjd, 2, R::Positiv, "Facadehøjden skal være positiv"},
    {K::EditTagVink, &Inddata::TagVink, 0, R::Tagvinkel,
     "Tagvinklen skal være mellem 0 og 75 grader"},
    {K::EditAaseAfst, &Inddata::AaseAfst, 2, R::Positiv, "Aaseafstanden skal være positiv"},
    {K::EditFacUdh, &Inddata::FacUdh, 2, R::IkkeNegativ, "Facadeudhænget må ikke være negativt"},
    {K::EditAntalFag, nullptr, -1, R::MindstFire, TekstForFaaFag},
    {K::EditRammeafstand, &Inddata::Rammeafstand, 2, R::Positiv,
     "Normalrammeafstanden skal være positiv"},
    {K::EditGavlRammeAfst, &Inddata::GavlRammeAfst, 2, R::Positiv,
     "Gavlrammeafstanden skal være positiv"},
    {K::EditCharnForsk, &Inddata::CharnForsk, 2, R::IkkeNegativ,
     "Charnierforskydningen må ikke være negativ"},
    {K::EditGavlUdh, &Inddata::GavlUdh, 2, R::IkkeNegativ, "Gavludhænget må ikke være negativt"},
    {K::EditEL1, &Inddata::EL1, 2, R::IkkeNegativ, "Egenlast af tagdækning må ikke være negativ"},
    {K::EditEL2, &Inddata::EL2, 2, R::IkkeNegativ, "Egenlast af undertag må ikke være negativ"},
    {K::EditEL3, &Inddata::EL3, 2, R::IkkeNegativ, "Egenlast af isolering må ikke være negativ"},
    {K::EditEL4, &Inddata::EL4, 2, R::IkkeNegativ,
     "Egenlast af loftbeklædning må ikke være negativ"},
    {K::EditAfstVesterhav, &Inddata::AfstVesterhav, 0, R::IkkeNegativ,
     "Afstand fra Vesterhavet ell Ringk. Fjord må ikke være negativ"},
    // The snow field writes both the elevated factor and the factor in use;
    // the rule is checked on the one in use.
    {K::EditKaraktSneLast, &Inddata::SneFormFak, 2, R::IkkeNegativ,
     "Formfaktoren for snelast må ikke være negativ"},
    {K::EditAaseHojde, &Inddata::AaseHojde, 0, R::Positiv, "Åsehøjden skal være positiv"},
    {K::EditAaseBredde, &Inddata::AaseBredde, 0, R::Positiv, "Åsebredden skal være positiv"},
    {K::EditNormalKraftFaktor, &Inddata::NormalKraftFaktor, 2, R::IkkeNegativ,
     "Normalkraftfaktoren må ikke være negativ"},
    {K::EditKipnMoment, &Inddata::KipnMoment, 2, R::IkkeNegativ,
     "Kipningsmomentet må ikke være negativt"},
}};

}  // namespace

std::span<const TTalFelt> TalFelter() { return Felter; }

const TTalFelt* FindTalFelt(TKontrol k) {
  for (const TTalFelt& f : Felter)
    if (f.kontrol == k) return &f;
  return nullptr;
}

bool RegelHolder(TRegelArt regel, double v) {
  // A value that is not a finite number keeps no rule: an infinite length or
  // load would pass "> 0" and reach the report as INF.
  if (!std::isfinite(v)) return false;
  switch (regel) {
    case R::Positiv: return v > 0;
    case R::IkkeNegativ: return v >= 0;
    case R::Tagvinkel: return v >= 0 && v <= 75;
    case R::MindstFire: return v >= MindsteAntalFag;
  }
  return false;
}

std::string BeskedUdenforOmraade(const TTalOmraade& o) {
  auto tal = [](double v) { return Format(v == std::floor(v) ? "%1.0n" : "%1.2n", {v}); };
  std::string t = std::string(o.navn) + " skal ligge mellem " + tal(o.min) + " og " + tal(o.max);
  if (!o.enhed.empty()) t += " " + std::string(o.enhed);
  return t + ".";
}

std::optional<std::string> FoersteBrudteRegel(const Inddata& d) {
  for (const TTalFelt& f : Felter) {
    const double v = f.felt ? d.*f.felt : static_cast<double>(d.AntalFag);
    if (!RegelHolder(f.regel, v)) return std::string(f.besked);
    for (const TTalOmraade& o : TalOmraader)
      if (o.felt == f.felt && f.felt && (v < o.min || v > o.max)) return BeskedUdenforOmraade(o);
    if (f.kontrol == K::EditGavlRammeAfst && !(d.GavlRammeAfst <= d.Rammeafstand))
      return std::string(BeskedGavlReduceret);
    if (f.kontrol == K::EditCharnForsk) {
      if (!(d.CharnForsk < d.Rammeafstand)) return std::string(BeskedCharnForskRamme);
      if (!(d.CharnForsk < d.GavlRammeAfst)) return std::string(BeskedCharnForskGavl);
    }
  }
  return std::nullopt;
}

}  // namespace kvistor
