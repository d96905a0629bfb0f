#pragma once
// Material values of the timber strength classes, the partial factors, kmod,
// the reduction kcr for the purlin's own lateral-torsional buckling, and the
// two utilisations of the cross-section.
#include <array>
#include <cstdint>

#include "project/inddata.h"
#include "purlin/suppldata.h"
#include "purlin/tilfaelde.h"

namespace kvistor {

struct TStyrkeKlasse {
  const char* Navn;
  double E0mean;  // MPa
  double fmk;     // MPa
  double fvk;     // MPa
  double GammaM;
  double c;       // constant of the slenderness λ
};

constexpr int AntalStyrkeKlasser = 7;
// Index StyrkeKlasse 0..6: C14, C18, C24, C30, GL24c, GL28c, GL32c.
extern const std::array<TStyrkeKlasse, AntalStyrkeKlasser> StyrkeKlasser;

// Strength class of an index, clamped into 0..6 so a damaged index never
// reads outside the table.
const TStyrkeKlasse& StyrkeKlasseData(std::int32_t styrkeKlasse);

// Crack factor kcr of the shear strength: the characteristic shear strengths
// of the table go with an effective width 0,67·b. The ordinary report checks
// shear on the full width; the stricter check and the fire check apply it.
constexpr double Revnefaktor = 0.67;

// Partial factor of the timber member, by consequence class and strength class.
double GammaM(std::int32_t sikkl, std::int32_t styrkeKlasse);
// Partial factor of the Gerber hardware capacities (the C18 column).
double GammaMBeslag(std::int32_t sikkl);

// Load-duration class 1..6 of a load combination (0 for one that has none).
int LastVarighedsKlasse(std::int32_t LK);
// kmod of the service-class index (0..2) and load combination.
double Kmod(std::int32_t anvKlasse, std::int32_t LK);

// Slenderness λ and kcr; the effective length is the normal frame spacing.
double KipSlankhed(double rammeafstand, double aaseHojde, double aaseBredde, double c);
double KcrAfSlankhed(double lambda);
double Kcr(const Inddata& ind);

// fmk, kcr, GammaM, GammaMBeslag, fmd, fvd, E0mean, EIy (Iy must be set).
// With sd.Skaerpet, fvd = Revnefaktor·fvk/GammaM.
void BestemMaterialevaerdier(TSupplData& sd, const Inddata& ind);

// kmod, fmkd, fvkd of a case (LK and the working record's fmd, fvd).
void SaetKmod(TTilfaelde& tilf, const TSupplData& sd, std::int32_t anvKlasse);

// UGBoej = SigmaMax/fmkd and UGForsk = TauMax/fvkd for each bay type.
void BestemUdnyttelser(TTilfaelde& tilf);

}  // namespace kvistor
