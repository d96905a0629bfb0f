#pragma once
// The force diagrams: for each load case a shear diagram over a moment
// diagram along the whole purlin, with the supports (arrows), the hinges
// (crosses) and the extremes (marked and written). Built as a display list
// like the control drawings, so the window, the SVG export and the tests
// share it; fitted without equal scales, as a length in metres and a force
// in kN have no common unit.
//
// World coordinates: x in metres along the purlin; each diagram is a band
// one unit high, its axis at the band's middle, the largest value of the
// diagram at 0.4 from the axis. The moment is drawn on the tension side:
// a positive moment (tension in the underside) below the axis.
#include <vector>

#include "graphics/displayliste.h"
#include "graphics/laerred.h"
#include "graphics/visning.h"
#include "purlin/kraftkurver.h"

namespace kvistor {

// Height of one diagram band and the amplitude of its largest value.
inline constexpr double KurveBaand = 1.0;
inline constexpr double KurveAmplitude = 0.4;

// y of band b's axis (b = 0, 1, ... from the top).
inline double KurveAkse(int baand) { return -KurveBaand * 1.35 * baand; }

void TegnKraftkurver(TLinjeListe& linjer, TTekstGruppeListe& tekster,
                     const std::vector<TKraftkurve>& kurver);

// Builds and draws the diagrams fitted into the surface.
Visning TegnKraftkurveDiagram(const std::vector<TKraftkurve>& kurver, TLaerred& laerred,
                              int bredde, int hoejde);

}  // namespace kvistor
