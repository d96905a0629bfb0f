// Wind on the roof and the gable walls: zone rectangles and intervals with
// their clipping, pressure or suction per case, and the pressure
// coefficients. The full tables for a few buildings (among them the worked
// example with Bt = 12, Lt = 30, h = 6: e = 12, e10 = 1,2, e4 = 3, and a
// short and a long narrow building that need clipping) and for every zone,
// case and a range of roof angles are compared with the golden file; the
// messages of invalid arguments are part of the file.
#include <gtest/gtest.h>

#include <string>

#include "common/optagende_dialog.h"
#include "common/format.h"
#include "hjaelp/golden.h"
#include "loads/formfaktor.h"
#include "loads/vindzoner.h"

namespace kvistor {
namespace {

TEST(Golden, VindzonerOgFormfaktorer) {
  TSkriptetDialog d;
  std::vector<std::string> ud;
  auto tal = [](double v) { return " " + FormaterFast(v, 4, false); };
  const std::string zoner = TagZoner;
  // Gable overhang g, eaves overhang u, length L, width B, height h.
  const double bygninger[][5] = {{1, 1, 28, 10, 6}, {0.5, 0.5, 8, 10, 6}, {0, 0.5, 100, 10, 20},
                                 {0.3, 0.5, 100, 10, 20}, {0.5, 0.5, 28, 30, 6}, {0.5, 0.5, 5, 30, 6}};
  for (const auto& b : bygninger)
    for (char c = 'a'; c <= 'x'; ++c)
      for (char z : zoner) {
        std::string l = std::string(1, c) + " " + z + ":";
        for (double v : b) l += tal(v);
        const TZoneRektangel r = VindlastOmraade09(d, z, c, 0, b[0], b[1], b[2], b[3], b[4]);
        const TGavlInterval iv = GavlZone(z, c, b[1], b[2], b[3], b[4]);
        ud.push_back(l + " tag" + tal(r.y1) + tal(r.y2) + tal(r.x1) + tal(r.x2) + " gavl" + tal(iv.a1) +
                     tal(iv.a2) + (TrykSugTilf98(d, z, c) ? " sug" : " tryk"));
      }
  // Roof (dL = 24, dB = 11, h = 6) at angles from flat to 75°, walls by h/d.
  for (double alfa : {0.0, 3.0, 4.9, 5.0, 10.0, 15.0, 22.5, 30.0, 37.5, 45.0, 60.0, 75.0})
    for (char c = 'a'; c <= 'x'; ++c)
      for (char z : zoner)
        ud.push_back(std::string(1, c) + " " + z + tal(alfa) + tal(Formfaktor(d, z, c, 24, 11, 6, alfa)));
  for (double h : {1.0, 2.5, 5.0, 8.0, 20.0, 30.0, 100.0})
    for (char c : {'a', 'b', 'j', 'k'})
      for (char z : {'D', 'E'})
        ud.push_back(std::string(1, c) + " " + z + tal(h) + tal(Formfaktor(d, z, c, 100, 10, h, 15)) +
                     tal(Formfaktor(d, z, c, 10, 100, h, 15)));
  test::Log(ud, d);
  // Invalid arguments are reported and the routines go on (an unknown case
  // letter as west wind); angles beyond 75° extend the 60°–75° line.
  ud.push_back("ugyldigt:");
  const TZoneRektangel r = VindlastOmraade09(d, 'A', 'y', -0.1, -2, -0.25, 0, -10, 0);
  const TZoneRektangel vest = VindlastOmraade09(d, 'D', 'z', 0, 1, 1, 28, 10, 6);
  ud.push_back(tal(r.y1) + tal(r.y2) + tal(r.x1) + tal(r.x2) + tal(vest.y2) + tal(vest.x2));
  for (auto [z, c] : {std::pair{'A', 'a'}, {'F', 'z'}, {'E', 'z'}, {'D', '?'}})
    ud.push_back(TrykSugTilf98(d, z, c) ? "sug" : "tryk");
  for (double alfa : {90.0, 1e300}) ud.push_back(tal(Formfaktor(d, 'H', 'a', 24, 11, 6, alfa)));
  ud.push_back(tal(Formfaktor(d, 'A', 'a', 24, 11, 6, 30)));
  test::Log(ud, d);
  test::SammenlignMedGolden("vindzoner og formfaktorer.txt", ud);
}

}  // namespace
}  // namespace kvistor
