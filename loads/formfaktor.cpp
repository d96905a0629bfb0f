#include "loads/formfaktor.h"

#include <algorithm>
#include <cmath>

#include "loads/vindzoner.h"

namespace kvistor {

namespace {

// Roof coefficients cpe,10 at the roof angles 5°, 15°, 30°, 45°, 60° and 75°.
using TVinkelRaekke = double[6];

// Wind across the ridge (west, east).
constexpr TVinkelRaekke TvaersTrykFGK = {0, 0.2, 0.7, 0.7, 0.7, 0.8};
constexpr TVinkelRaekke TvaersTrykH = {0, 0.2, 0.4, 0.6, 0.7, 0.8};
constexpr TVinkelRaekke TvaersTrykI = {0, 0, 0, 0, 0, 0};
constexpr TVinkelRaekke TvaersTrykJ = {0.2, 0, 0, 0, 0, 0};
constexpr TVinkelRaekke TvaersSugFK = {-1.7, -0.9, -0.5, 0, 0, 0};
constexpr TVinkelRaekke TvaersSugG = {-1.2, -0.8, -0.5, 0, 0, 0};
constexpr TVinkelRaekke TvaersSugH = {-0.6, -0.3, -0.2, 0, 0, 0};
constexpr TVinkelRaekke TvaersSugI = {-0.6, -0.4, -0.4, -0.2, -0.2, -0.2};
constexpr TVinkelRaekke TvaersSugJ = {-0.6, -1.0, -0.5, -0.3, -0.3, -0.3};

// Wind along the ridge (north, south). Zone J has no area there; should it
// be asked for, it gets the values of I.
constexpr TVinkelRaekke LangsTryk = {0, 0, 0, 0, 0, 0};
constexpr TVinkelRaekke LangsSugFK = {-1.6, -1.3, -1.1, -1.1, -1.1, -1.1};
constexpr TVinkelRaekke LangsSugG = {-1.3, -1.3, -1.4, -1.4, -1.2, -1.2};
constexpr TVinkelRaekke LangsSugH = {-0.7, -0.6, -0.8, -0.9, -0.8, -0.8};
constexpr TVinkelRaekke LangsSugI = {-0.6, -0.5, -0.5, -0.5, -0.5, -0.5};

const TVinkelRaekke* TagRaekke(char z, bool tvaers, bool sug) {
  if (tvaers) {
    switch (z) {
      case 'F': case 'K': return sug ? &TvaersSugFK : &TvaersTrykFGK;
      case 'G': return sug ? &TvaersSugG : &TvaersTrykFGK;
      case 'H': return sug ? &TvaersSugH : &TvaersTrykH;
      case 'I': return sug ? &TvaersSugI : &TvaersTrykI;
      case 'J': return sug ? &TvaersSugJ : &TvaersTrykJ;
      default: return nullptr;
    }
  }
  if (!sug) return &LangsTryk;
  switch (z) {
    case 'F': case 'K': return &LangsSugFK;
    case 'G': return &LangsSugG;
    case 'H': return &LangsSugH;
    case 'I': case 'J': return &LangsSugI;
    default: return nullptr;
  }
}

// Linear interpolation in the angle table; above 75° the line from 60° to
// 75° is extended.
double Interpoler(const TVinkelRaekke& T, double alfa) {
  if (!(alfa >= 15)) return ((15 - alfa) * T[0] + (alfa - 5) * T[1]) / 10;
  // trunc(alfa / 15), at most 4; decided in double so that a huge angle never
  // overflows the conversion.
  const int k = alfa >= 60 ? 4 : static_cast<int>(alfa / 15);
  return (((k + 1) * 15 - alfa) * T[k] + (alfa - 15 * k) * T[k + 1]) / 15;
}

// Flat roofs (below 5°): the same values in every direction.
double FladtTag(char z, bool sug) {
  switch (z) {
    case 'F': case 'K': return sug ? -1.8 : 0;
    case 'G': return sug ? -1.2 : 0;
    case 'H': return sug ? -0.7 : 0;
    case 'I': case 'J': return sug ? -0.2 : 0.2;
    default: return 0;
  }
}

}  // namespace

double Formfaktor(TBrugerDialog& dialog, char omraade, char tilfaelde, double dL, double dB,
                  double h, double alfaGrader) {
  if (alfaGrader > 75) dialog.Fejl("Taghældning skal være mindre end eller lig 75 grader.");
  const int retning = VindRetning(tilfaelde);
  const bool tvaers = VindPaaTvaers(retning);
  const bool sug = TrykSugTilf98(dialog, omraade, tilfaelde);
  // The wall coefficients depend on the building's height over its depth in
  // the wind direction.
  const double r = tvaers ? h / dB : h / dL;

  double v = 0;
  switch (omraade) {
    case '1': case '2': v = -1.2; break;
    case 'B': case 'L': v = -0.8; break;
    case 'C': case 'M': v = -0.5; break;
    case 'D':
      if (r > 1) v = 0.8;
      else if (r >= 0.25) v = 2.0 / 3.0 + (2.0 / 15.0) * r;
      else v = 0.7;
      break;
    case 'E':
      if (r < 0.25) v = -0.3;
      else if (r < 1) v = -7.0 / 30.0 - (4.0 / 15.0) * r;
      else v = -0.45 - 0.05 * r;
      break;
    case 'N': v = sug ? -0.3 : 0.2; break;
    case 'F': case 'G': case 'H': case 'I': case 'J': case 'K':
      if (alfaGrader < 5) {
        v = FladtTag(omraade, sug);
      } else if (const TVinkelRaekke* T = TagRaekke(omraade, tvaers, sug)) {
        v = Interpoler(*T, alfaGrader);
      }
      break;
    default: break;
  }
  // A zone on the suction side never presses and vice versa: the overhang
  // zones that take pressure in a case get 0, and a negative internal value is
  // never applied as pressure.
  return sug ? std::min(v, 0.0) : std::max(v, 0.0);
}

}  // namespace kvistor
