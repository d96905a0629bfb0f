// The hinge-offset chart, compared byte for byte with its golden SVG (see
// hjaelp/golden.h): a curve that falls to a flat optimum and climbs off the
// scale, the joint falling from beyond 200 %, a point without a number, the
// chosen offset, the 1/7 rule's and the shaded offsets below the limit.
#include <gtest/gtest.h>

#include <cmath>

#include "graphics/charnierkurve.h"
#include "graphics/svg_laerred.h"
#include "hjaelp/golden.h"

namespace kvistor {
namespace {

TEST(Golden, Charnierkurve) {
  TCharnierKurveData d;
  for (int i = 0; i <= 36; ++i) {
    const double x = i / 10.0;
    const double snit = 0.35 + 0.25 * (x - 1.2) * (x - 1.2) + (x > 2.5 ? std::pow(x - 2.5, 3) : 0.0);
    const double samling = 2.6 / (1 + 3 * x);
    d.Punkter.push_back({x, i == 36 ? HUGE_VAL : snit, samling});
  }
  d.ValgtM = 1.3;
  d.Regel17M = 0.86;
  d.LilleGraenseM = 0.4;
  TSvgLaerred svg(760, 300);
  TegnCharnierKurveDiagram(d, svg, 760, 300);
  test::SammenlignMedGolden("charnierkurve.svg", svg.Svg());

  // Fewer than two points: nothing to draw.
  TCharnierKurveData en;
  en.Punkter.push_back({1.0, 0.5, 0.5});
  TSvgLaerred tom(760, 300);
  TegnCharnierKurveDiagram(en, tom, 760, 300);
  EXPECT_EQ(tom.Svg().find("<path"), std::string::npos);
}

}  // namespace
}  // namespace kvistor
