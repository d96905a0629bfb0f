#pragma once
// The record of one computed load case: its identification, load data,
// design values, the text lines it produced and its results per bay type.
// Records live in the driver's case list until the report is written.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kvistor {

// Results of one bay type ("KE", "MF", "LE"). All 0 when the case is
// created; positions ("x" fields) in m.
struct TFagResultat {
  double RzMax = 0;
  double RyMax = 0;
  double RzMin = 0;
  double RyMin = 0;
  double N = 0;       // hinge tension, kN
  double NTryk = 0;   // hinge compression, kN
  double TauMax = 0;  // MPa
  double xTauMax = 0;
  double VzCharnMin = 0;
  double xVzCharnMin = 0;
  double VzCharnMax = 0;
  double xVzCharnMax = 0;
  double VyCharnMin = 0;
  double F1 = 0;
  double F2 = 0;
  double F3 = 0;
  double MyMax = 0;
  double MyMin = 0;
  double xMyMax = 0;
  double xMyMin = 0;
  double SigmaMax = 0;  // MPa
  double xSigmaMax = 0;
  double alfaF1 = 0;
  double alfaF2 = 0;
  double alfaF3 = 0;
  double UGsum = 0;
  double UGBoej = 0;    // ratio, 1 = 100 %
  double UGForsk = 0;
  double UGBeslag = 0;
  double uG = 0;  // mm, LK 10
  double uS = 0;  // mm, LK 11
  double uQ = 0;  // mm, LK 12
};

struct TTilfaelde {
  std::vector<std::string> Linier;   // detailed per-case output
  std::vector<std::string> QLinier;  // shear-curve data
  std::vector<std::string> MLinier;  // moment-curve data
  std::int32_t Aas = 0;  // purlin 1..3
  std::int32_t LK = 0;   // load combination
  char LT = 'a';         // load-case letter 'a'..'x'
  double AasPlacering = 0;
  double StrimmelStart = 0;
  double StrimmelSlut = 0;
  double LastfaktorG = 0;
  double LastfaktorS = 0;
  double LastfaktorQ = 0;
  double LastfaktorW = 0;
  double gLinie = 0;  // kN/m, vertical
  double sLinie = 0;  // kN/m, vertical
  double Q = 0;       // kN, vertical
  double kmod = 0;
  double fmkd = 0;  // fmd·kmod, MPa
  double fvkd = 0;  // fvd·kmod, MPa
  std::array<double, 4> FdKopi{};  // F1d, F2d, F3d, Nd (0 for LK above 9)
  double F1d = 0;
  double F2d = 0;
  double F3d = 0;
  double Nd = 0;
  double F1dRed = 0;
  double F2dRed = 0;
  double alfaN = 0;
  bool ErDimensionsgivende = false;
  // Bay types 1..3 ("KE", "MF", "LE"); entry 0 unused.
  std::array<TFagResultat, 4> FagRes{};
};

}  // namespace kvistor
