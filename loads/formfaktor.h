#pragma once
// Pressure coefficients (cpe,10 and internal cpi) of the wind zones.
#include "common/dialog.h"

namespace kvistor {

// The coefficient of zone `omraade` in wind case `tilfaelde`. dL and dB are
// the building's length and width used for the ratio h/d of the wall zones
// 'D' and 'E' (h/dB in wind across the ridge, h/dL along it); alfaGrader is
// the roof angle for the roof zones 'F'..'K'. The roof loop passes
// dL = LHus, dB = BTag and the roof angle; the gable walls pass dL = LHus,
// dB = HusBr and 15°. A suction coefficient is never positive and a pressure
// coefficient never negative. A roof angle above 75° is reported in the error
// box and the coefficient is extrapolated from the 60°..75° values.
double Formfaktor(TBrugerDialog& dialog, char omraade, char tilfaelde, double dL, double dB,
                  double h, double alfaGrader);

}  // namespace kvistor
