#pragma once
// The force diagrams: for each load case a shear diagram over a moment
// diagram along the whole purlin, with the supports (arrows), the hinges
// (crosses) and the extremes (marked and written). Built as a display list
// like the control drawings, so the window, the SVG export and the tests
// share it; fitted without equal scales, as a length in metres and a force
// in kN have no common unit.
//
// The diagrams are laid out for the surface they are drawn on, in its
// pixels and with its canvas's text measure, so that every text stays on
// the surface and clear of the curves and markers: each diagram is a band
// with its title above, a row for the label of the curve's highest point, the
// curve, and a row for the label of its lowest point. The curves take the
// height the texts leave; on a surface too low for that the texts are set
// smaller. World coordinates: x in metres along the purlin, y in pixels
// upwards from the top edge (so y is 0 to minus the height). The moment is
// drawn on the tension side: a positive moment (tension in the underside)
// below the axis.
#include <vector>

#include "graphics/displayliste.h"
#include "graphics/laerred.h"
#include "graphics/visning.h"
#include "calculation/kraftkurver.h"

namespace kvistor {

// The diagrams for a device that draws at a fixed scale (DXF) and has no
// surface to fit: each diagram a band one unit high, its axis at the band's
// middle and its largest value 0.4 from the axis, band b's axis at
// -1.35·b; the title above the band, each extreme's text on its point.
inline constexpr double KurveBaand = 1.0;
inline constexpr double KurveAmplitude = 0.4;
inline double KurveAkse(int baand) { return -KurveBaand * 1.35 * baand; }
void TegnKraftkurver(TLinjeListe& linjer, TTekstGruppeListe& tekster,
                     const std::vector<TKraftkurve>& kurver);

// Builds the diagrams for a surface of the given size, measuring the texts
// with `laerred`, and returns the view that draws them (TegnListe).
Visning TegnKraftkurver(TLinjeListe& linjer, TTekstGruppeListe& tekster,
                        const std::vector<TKraftkurve>& kurver, TLaerred& laerred, int bredde,
                        int hoejde);

// Builds and draws the diagrams on the surface.
Visning TegnKraftkurveDiagram(const std::vector<TKraftkurve>& kurver, TLaerred& laerred,
                              int bredde, int hoejde);

}  // namespace kvistor
