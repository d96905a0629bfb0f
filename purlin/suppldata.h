#pragma once
// The working record of one calculation or drawing: everything derived from
// the project record that the load routines, the statics and the checks read.
// BestemTvaersnit rebuilds it from scratch every time; afterwards it is read
// only. The caller owns the one instance (no global).
//
// Positions along the purlin are integer mm from the left purlin end (the tip
// of the left gable overhang, x = 0). Arrays that the program has always
// indexed by purlin number 1..3 keep that indexing: entry 0 is unused.
#include <array>
#include <cstdint>
#include <string>

namespace kvistor {

struct TELData;  // a roof-layer catalogue row (project/)

struct TSupplData {
  // The stricter check ("Skærpet kontrol"): shear on the cracked width
  // (fvd with the crack factor) and the internal wind pressure with the
  // external peak factor. Set first by BestemTvaersnit; the wind pressures
  // and the material values read it.
  bool Skaerpet = false;

  // The chosen catalogue rows of the four roof layers; they point into the
  // constant catalogue tables, nullptr until chosen.
  const TELData* EL1Data = nullptr;
  const TELData* EL2Data = nullptr;
  const TELData* EL3Data = nullptr;
  const TELData* EL4Data = nullptr;

  // Trigonometry of the roof angle TagVink.
  double TanV = 0;
  double CosV = 0;
  double SinV = 0;

  double BTag = 0;  // horizontal roof width, 2·FacUdh + HusBr, m
  double LHus = 0;  // between the outer gable frames, m
  double LTag = 0;  // roof length, LHus + 2·GavlUdh, m

  // Heights of the roof cross-section, m.
  double HTagKip = 0;   // roof surface at the ridge
  double HRef = 0;      // wind reference height
  double HTagkant = 0;  // top of the purlins at the roof edge

  // Purlins 1..3 (entry 0 unused): horizontal position from the west roof
  // edge and the part of its strip that lies over a gable wall, m.
  std::array<double, 4> xAas{};
  std::array<double, 4> GavlFeltStart{};
  std::array<double, 4> GavlFeltSlut{};
  std::array<double, 4> GavlFeltHojde{};

  // Layout along the purlin, integer mm.
  std::int32_t NormFag = 0;       // normal frame spacing
  std::int32_t GavlFag = 0;       // gable-bay span
  std::int32_t CharnForskMm = 0;  // hinge offset: hinge to the interior frame on its right
  std::int32_t GavlUdhMm = 0;     // gable overhang; also x of the left gable support
  std::int32_t LAas = 0;          // purlin length
  std::int32_t xRamme1 = 0;       // first interior frame
  std::int32_t xRammeN = 0;       // last interior frame
  std::int32_t LKE = 0;           // deflection span, short end bay
  std::int32_t LMF = 0;           // deflection span, middle bay
  std::int32_t LLE = 0;           // deflection span, long end bay

  double FlytFaktor = 0;  // e/b of the F3 displacement term of the hardware check

  // Rectangular section (mm², mm³, mm⁴).
  double A = 0;
  double Wy = 0;
  double Wz = 0;
  double Iy = 0;

  // Characteristic peak velocity pressures, external and internal, kN/m².
  double qku = 0;
  double qki = 0;

  // Material values of the strength class (MPa) and partial factors.
  double fmk = 0;
  double kcr = 0;
  double GammaM = 0;
  double GammaMBeslag = 0;
  double fmd = 0;     // fmk·kcr/GammaM, before kmod
  double fvd = 0;     // fvk/GammaM (stricter: 0,67·fvk/GammaM), before kmod
  double E0mean = 0;
  double EIy = 0;     // E0mean·Iy, N·mm²

  std::string TerrKatLinie;  // terrain summary line of the extended report

  double AaseEgenlast = 0;  // purlin self-weight per m² of roof, kN/m²
  double EgenlastIalt = 0;  // total dead load per m² of roof surface, kN/m²

  std::int32_t Sikkl = 0;  // copy of the project's consequence-class index
};

}  // namespace kvistor
