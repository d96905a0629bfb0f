#include "purlin/traemateriale.h"

#include <algorithm>
#include <cmath>

namespace kvistor {

const std::array<TStyrkeKlasse, AntalStyrkeKlasser> StyrkeKlasser = {{
    {"C14", 7000, 14, 3.0, 1.35, 0.060},
    {"C18", 9000, 18, 3.4, 1.35, 0.061},
    {"C24", 11000, 24, 4.0, 1.35, 0.064},
    {"C30", 12000, 30, 4.0, 1.35, 0.068},
    {"GL24c", 11600, 24, 2.2, 1.30, 0.060},
    {"GL28c", 12600, 28, 2.7, 1.30, 0.060},
    {"GL32c", 13700, 32, 3.2, 1.30, 0.062},
}};

namespace {

// Partial factors by consequence class (rows) and strength class (columns).
// The three rows are alike today; the table keeps the shape so a national
// annex that differentiates them changes data, not code.
constexpr double GammaMTabel[3][AntalStyrkeKlasser] = {
    {1.35, 1.35, 1.35, 1.35, 1.30, 1.30, 1.30},
    {1.35, 1.35, 1.35, 1.35, 1.30, 1.30, 1.30},
    {1.35, 1.35, 1.35, 1.35, 1.30, 1.30, 1.30},
};

// kmod of solid timber: service classes 1 and 2 share a row; columns are
// the load-duration classes 1..6 (6: the deflection combinations).
constexpr double KmodTabel[2][6] = {
    {0.60, 0.70, 0.80, 0.90, 1.10, 1.00},
    {0.50, 0.55, 0.65, 0.70, 0.90, 1.00},
};

std::int32_t Klem(std::int32_t v, std::int32_t lav, std::int32_t hoj) {
  return std::min(std::max(v, lav), hoj);
}

}  // namespace

const TStyrkeKlasse& StyrkeKlasseData(std::int32_t styrkeKlasse) {
  return StyrkeKlasser[static_cast<std::size_t>(Klem(styrkeKlasse, 0, AntalStyrkeKlasser - 1))];
}

double GammaM(std::int32_t sikkl, std::int32_t styrkeKlasse) {
  return GammaMTabel[Klem(sikkl, 0, 2)][Klem(styrkeKlasse, 0, AntalStyrkeKlasser - 1)];
}

double GammaMBeslag(std::int32_t sikkl) {
  // The hardware capacities take the factor of sawn timber C18 whatever the
  // purlin is made of.
  return GammaMTabel[Klem(sikkl, 0, 2)][1];
}

int LastVarighedsKlasse(std::int32_t LK) {
  if (LK == 1) return 1;
  if (LK == 2) return 3;
  if (LK == 3 || LK == 4) return 4;
  if (LK >= 5 && LK <= 9) return 5;
  if (LK >= 10 && LK <= 12) return 6;
  return 0;
}

double Kmod(std::int32_t anvKlasse, std::int32_t LK) {
  const int klasse = LastVarighedsKlasse(LK);
  if (klasse == 0) return 0;  // a combination that is never computed
  const int raekke = anvKlasse >= 2 ? 1 : 0;
  return KmodTabel[raekke][klasse - 1];
}

double KipSlankhed(double rammeafstand, double aaseHojde, double aaseBredde, double c) {
  if (aaseBredde == 0) return 1000;
  return std::sqrt(std::max(0.0, 1000.0 * rammeafstand * aaseHojde)) * c / aaseBredde;
}

double KcrAfSlankhed(double lambda) {
  if (lambda <= 0.75) return 1.0;
  if (lambda <= 1.4) return 1.56 - 0.75 * lambda;
  return 1.0 / (lambda * lambda);
}

double Kcr(const Inddata& ind) {
  const TStyrkeKlasse& k = StyrkeKlasseData(ind.StyrkeKlasse);
  // The purlin is free between the frames: the normal frame spacing is its
  // effective length.
  return KcrAfSlankhed(KipSlankhed(ind.Rammeafstand, ind.AaseHojde, ind.AaseBredde, k.c));
}

void BestemMaterialevaerdier(TSupplData& sd, const Inddata& ind) {
  const TStyrkeKlasse& k = StyrkeKlasseData(ind.StyrkeKlasse);
  sd.fmk = k.fmk;
  sd.kcr = Kcr(ind);
  sd.GammaM = GammaM(ind.Sikkl, ind.StyrkeKlasse);
  sd.GammaMBeslag = GammaMBeslag(ind.Sikkl);
  // Multiplied before the division, so the stricter value is the crack
  // factor's share of the characteristic strength, divided once.
  sd.fvd = sd.Skaerpet ? Revnefaktor * k.fvk / sd.GammaM : k.fvk / sd.GammaM;
  sd.fmd = sd.fmk * sd.kcr / sd.GammaM;
  sd.E0mean = k.E0mean;
  sd.EIy = sd.E0mean * sd.Iy;
}

void SaetKmod(TTilfaelde& tilf, const TSupplData& sd, std::int32_t anvKlasse) {
  tilf.kmod = Kmod(anvKlasse, tilf.LK);
  tilf.fmkd = sd.fmd * tilf.kmod;
  tilf.fvkd = sd.fvd * tilf.kmod;
}

void BestemUdnyttelser(TTilfaelde& tilf) {
  for (int t = 1; t <= 3; ++t) {
    TFagResultat& r = tilf.FagRes[t];
    r.UGBoej = r.SigmaMax / tilf.fmkd;
    r.UGForsk = r.TauMax / tilf.fvkd;
  }
}

}  // namespace kvistor
