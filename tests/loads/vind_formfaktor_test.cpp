// Pressure coefficients: roof tables with interpolation, flat roofs, wall
// zones by h/d, internal pressure and the sign limits.
#include <gtest/gtest.h>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "loads/formfaktor.h"

namespace kvistor {
namespace {

TEST(VindFormfaktor, TagVaegOgOverhaengszoner) {
  struct {
    char zone, tilf;
    double dL, dB, h, alfa, cp;
  } const tabel[] = {
      // Roof (dL = 24, dB = 11, h = 6). Worked examples: (5·(−1,2) +
      // 5·(−0,8))/10 and (7,5·0,2 + 7,5·0,7)/15.
      {'G', 'b', 24, 11, 6, 10, -1.0}, {'F', 'a', 24, 11, 6, 22.5, 0.45},
      // K takes the values of F; J pressure falls from 0,2 at 5° to 0 at 15°;
      // along the ridge G at 45° −1,4, H midway at 37,5° −0,85, no pressure.
      {'K', 'n', 24, 11, 6, 15, -0.9}, {'J', 'g', 24, 11, 6, 10, 0.1},
      {'G', 'k', 24, 11, 6, 45, -1.4}, {'H', 'w', 24, 11, 6, 37.5, -0.85},
      {'F', 'j', 24, 11, 6, 30, 0.0},
      // Below 5° the flat-roof values, F suction −1,8 in every direction; at
      // 5° the sloped table takes over.
      {'F', 'b', 24, 11, 6, 3, -1.8}, {'F', 'k', 24, 11, 6, 3, -1.8},
      {'F', 'n', 24, 11, 6, 3, -1.8}, {'F', 'w', 24, 11, 6, 3, -1.8},
      {'G', 'c', 24, 11, 6, 4.9, -1.2}, {'I', 'a', 24, 11, 6, 3, 0.2},
      {'F', 'a', 24, 11, 6, 3, 0.0}, {'F', 'b', 24, 11, 6, 5, -1.7},
      // Case b: '1', 'B' take pressure and get 0, '2', 'M' keep their
      // suction; case c the other way round. Internal pressure in case b,
      // suction in case a.
      {'1', 'b', 24, 11, 6, 30, 0.0}, {'B', 'b', 24, 11, 6, 30, 0.0},
      {'2', 'b', 24, 11, 6, 30, -1.2}, {'M', 'b', 24, 11, 6, 30, -0.5},
      {'1', 'c', 24, 11, 6, 30, -1.2}, {'2', 'c', 24, 11, 6, 30, 0.0},
      {'N', 'b', 24, 11, 6, 30, 0.2}, {'N', 'a', 24, 11, 6, 30, -0.3},
      // Walls, r = h/dB across and h/dL along the ridge. E: −0,45 − 0,05·r
      // for r ≥ 1, −0,55 at 2 and −0,95 at 10 (not limited); −7/30 − 4/15·r
      // between; −0,3 below 0,25. D: 0,7 below 0,25, 2/3 + 2/15·r up to 1,
      // 0,8 above.
      {'E', 'a', 100, 10, 20, 15, -0.55}, {'E', 'a', 100, 10, 100, 15, -0.95},
      {'E', 'a', 100, 10, 5, 15, -11.0 / 30.0}, {'E', 'b', 4, 40, 8, 15, -0.3},
      {'E', 'k', 4, 40, 8, 15, -0.55}, {'D', 'a', 100, 10, 1, 15, 0.7},
      {'D', 'j', 10, 100, 5, 15, 2.0 / 3.0 + 1.0 / 15.0}, {'D', 'j', 10, 100, 30, 15, 0.8},
  };
  TSkriptetDialog d;
  for (const auto& r : tabel) {
    SCOPED_TRACE(std::string(1, r.zone) + ' ' + r.tilf + " h " + std::to_string(r.h) + " alfa " +
                 std::to_string(r.alfa));
    EXPECT_NAER(Formfaktor(d, r.zone, r.tilf, r.dL, r.dB, r.h, r.alfa), r.cp);
  }
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindFormfaktor, StejltTagOgUgyldigZoneMeldes) {
  auto tag = [](TBrugerDialog& d, char z, char c, double alfa) {
    return Formfaktor(d, z, c, 24, 11, 6, alfa);
  };
  TSkriptetDialog d;
  EXPECT_NAER(tag(d, 'H', 'a', 75), 0.8);
  EXPECT_TRUE(d.kald.empty());
  // 90°: the 60°–75° line extended, ((75 − 90)·0,7 + 30·0,8)/15 = 0,9.
  EXPECT_NAER(tag(d, 'H', 'a', 90), 0.9);
  EXPECT_EQ(d.Tekster("Fejl"),
            std::vector<std::string>{"Taghældning skal være mindre end eller lig 75 grader."});
  // A wild angle gives a number, not a crash.
  TSkriptetDialog d2;
  EXPECT_EQ(tag(d2, 'F', 'b', 1e300), 0.0);

  TSkriptetDialog d3;
  EXPECT_EQ(tag(d3, 'A', 'a', 30), 0.0);
  EXPECT_EQ(d3.Tekster("Fejl"),
            std::vector<std::string>{"function TrykSugTilf98: Ugyldigt område: A"});
}

}  // namespace
}  // namespace kvistor
