#pragma once
// The hinge-offset chart of "Optimer charnierforskydning": the utilisation
// of the cross-section (black) and of the joint (blue) against the offset,
// 100 % dashed, the chosen offset and the 1/7 rule's as vertical lines, and
// the offsets below the input page's small-offset limit shaded. Built as a
// display list like the force diagrams and fitted without equal scales.
//
// World coordinates: x the offset in metres, y the utilisation as a ratio
// (1 = 100 %). The scale reaches the largest value up to 200 %; what lies
// above (a hinge close to a support, a hanger that takes nothing) runs
// along the top edge.
#include <optional>
#include <vector>

#include "graphics/displayliste.h"
#include "graphics/laerred.h"
#include "graphics/visning.h"

namespace kvistor {

struct TCharnierKurvePunkt {
  double ForskydningM = 0;
  double Tvaersnit = 0;  // utilisations as ratios; not finite: off the scale
  double Samling = 0;
};

struct TCharnierKurveData {
  std::vector<TCharnierKurvePunkt> Punkter;  // rising offsets
  std::optional<double> ValgtM;               // the best offset (or the least bad)
  bool ValgtBestaar = true;                   // "bedst", else "mindst dårlig"
  std::optional<double> Regel17M;             // the 1/7 rule's offset
  double LilleGraenseM = 0;                   // below it: shaded
};

inline constexpr double CharnierKurveLoft = 2.0;

// The size of one pixel in the fitted chart, as a share of the offsets'
// range (x) and of the scale's top (y), and the room the labels need in
// pixels: the texts keep their distances at any size of the surface.
struct TCharnierKurvePixel {
  double X = 1.0 / 600;
  double Y = 1.04 / 230;
  int Venstre = 50;  // the scale's labels left of the axis
  int Bund = 40;     // the offsets' labels and the caption below it
};

// The pixel of a surface of that size whose canvas writes "200 %" `tekstBredde`
// and "0" `tekstHoejde` pixels large.
TCharnierKurvePixel CharnierKurvePixel(int bredde, int hoejde, int tekstBredde, int tekstHoejde);

void TegnCharnierKurve(TLinjeListe& linjer, TTekstGruppeListe& tekster,
                       const TCharnierKurveData& data, const TCharnierKurvePixel& pixel = {});

// Builds and draws the chart fitted into the surface; nothing with fewer
// than two points.
Visning TegnCharnierKurveDiagram(const TCharnierKurveData& data, TLaerred& laerred, int bredde,
                                 int hoejde);

}  // namespace kvistor
