// Pressure coefficients: roof tables with interpolation, flat roofs, wall
// zones by h/d, internal pressure and the sign limits.
#include <gtest/gtest.h>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "loads/formfaktor.h"

namespace kvistor {
namespace {

// The roof loop's arguments with dL = 24, dB = 11, h = 6.
double Tag(TBrugerDialog& d, char z, char c, double alfa) {
  return Formfaktor(d, z, c, 24, 11, 6, alfa);
}

TEST(VindFormfaktor, InterpolationITagtabellerne) {
  TSkriptetDialog d;
  // Worked examples: (5·(−1,2) + 5·(−0,8))/10 and (7,5·0,2 + 7,5·0,7)/15.
  EXPECT_NAER(Tag(d, 'G', 'b', 10), -1.0);
  EXPECT_NAER(Tag(d, 'F', 'a', 22.5), 0.45);
  // Table points themselves (across the ridge).
  EXPECT_NAER(Tag(d, 'F', 'b', 5), -1.7);
  EXPECT_NAER(Tag(d, 'K', 'n', 15), -0.9);
  EXPECT_NAER(Tag(d, 'H', 'a', 45), 0.6);
  EXPECT_NAER(Tag(d, 'J', 'b', 15), -1.0);
  EXPECT_NAER(Tag(d, 'H', 'm', 75), 0.8);
  // J pressure falls from 0,2 at 5° to 0 at 15°: 0,1 at 10° (case g).
  EXPECT_NAER(Tag(d, 'J', 'g', 10), 0.1);
  // Along the ridge: G suction 45° −1,4; H suction 37,5° midway −0,85;
  // every pressure coefficient 0.
  EXPECT_NAER(Tag(d, 'G', 'k', 45), -1.4);
  EXPECT_NAER(Tag(d, 'H', 'w', 37.5), -0.85);
  EXPECT_NAER(Tag(d, 'F', 'x', 75), -1.1);
  EXPECT_NAER(Tag(d, 'I', 'l', 20), -0.5);
  EXPECT_EQ(Tag(d, 'F', 'j', 30), 0.0);
  EXPECT_EQ(Tag(d, 'H', 'v', 50), 0.0);
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindFormfaktor, FladtTagUnderFemGrader) {
  TSkriptetDialog d;
  // 3°: F suction −1,8 in every direction.
  for (char c : {'b', 'k', 'n', 'w'}) EXPECT_NAER(Tag(d, 'F', c, 3), -1.8) << c;
  EXPECT_NAER(Tag(d, 'K', 'b', 0), -1.8);
  EXPECT_NAER(Tag(d, 'G', 'c', 4.9), -1.2);
  EXPECT_NAER(Tag(d, 'H', 'x', 2), -0.7);
  EXPECT_NAER(Tag(d, 'I', 'a', 3), 0.2);
  EXPECT_NAER(Tag(d, 'J', 'b', 3), -0.2);
  EXPECT_EQ(Tag(d, 'F', 'a', 3), 0.0);
  // At 5° the sloped table takes over.
  EXPECT_NAER(Tag(d, 'F', 'b', 5), -1.7);
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindFormfaktor, OverhaengszonerMedTrykFaarNul) {
  TSkriptetDialog d;
  // Case b: '1', 'B', 'C' take pressure and get 0; '2', 'L', 'M' keep their
  // suction.
  EXPECT_EQ(Tag(d, '1', 'b', 30), 0.0);
  EXPECT_EQ(Tag(d, 'B', 'b', 30), 0.0);
  EXPECT_EQ(Tag(d, 'C', 'b', 30), 0.0);
  EXPECT_NAER(Tag(d, '2', 'b', 30), -1.2);
  EXPECT_NAER(Tag(d, 'M', 'b', 30), -0.5);
  // Case c the other way round.
  EXPECT_NAER(Tag(d, '1', 'c', 30), -1.2);
  EXPECT_EQ(Tag(d, '2', 'c', 30), 0.0);
  // Across-ridge roof suction at 45° and more is 0, never positive.
  EXPECT_EQ(Tag(d, 'F', 'b', 50), 0.0);
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindFormfaktor, VaegzonerDogEEfterHoejdeDybdeForhold) {
  TSkriptetDialog d;
  // West wind: r = h/dB; north wind: r = h/dL.
  auto vest = [&](char z, double r) { return Formfaktor(d, z, 'a', 100, 10, 10 * r, 15); };
  auto nord = [&](char z, double r) { return Formfaktor(d, z, 'j', 10, 100, 10 * r, 15); };
  // E: −0,45 − 0,05·r for r ≥ 1: −0,55 at 2 and −0,95 at 10 (not limited).
  EXPECT_NAER(vest('E', 2), -0.55);
  EXPECT_NAER(vest('E', 10), -0.95);
  EXPECT_NAER(nord('E', 2), -0.55);
  EXPECT_NAER(vest('E', 0.25), -0.3);           // −7/30 − 1/15
  EXPECT_NAER(vest('E', 0.5), -11.0 / 30.0);    // −7/30 − 2/15
  EXPECT_NAER(vest('E', 1), -0.5);
  // D: 0,7 below 0,25, 2/3 + 2/15·r up to 1, 0,8 above.
  EXPECT_NAER(vest('D', 0.1), 0.7);
  EXPECT_NAER(vest('D', 0.25), 0.7);
  EXPECT_NAER(nord('D', 0.5), 2.0 / 3.0 + 1.0 / 15.0);
  EXPECT_NAER(vest('D', 1), 0.8);
  EXPECT_NAER(nord('D', 3), 0.8);
  // The ratio uses dB in wind across and dL in wind along the ridge.
  EXPECT_NAER(Formfaktor(d, 'E', 'b', 4, 40, 8, 15), -0.3);     // r = 0,2
  EXPECT_NAER(Formfaktor(d, 'E', 'k', 4, 40, 8, 15), -0.55);    // r = 2
  EXPECT_TRUE(d.kald.empty());
}

TEST(VindFormfaktor, IndvendigtTrykOgSug) {
  TSkriptetDialog d;
  EXPECT_NAER(Tag(d, 'N', 'b', 30), 0.2);
  EXPECT_NAER(Tag(d, 'N', 'a', 30), -0.3);
}

TEST(VindFormfaktor, StejltTagMeldesOgForlaenges) {
  TSkriptetDialog d;
  EXPECT_NAER(Tag(d, 'H', 'a', 75), 0.8);
  EXPECT_TRUE(d.kald.empty());
  // 90°: the 60°–75° line extended, ((75 − 90)·0,7 + 30·0,8)/15 = 0,9.
  EXPECT_NAER(Tag(d, 'H', 'a', 90), 0.9);
  EXPECT_NAER(Tag(d, 'G', 'k', 90), -1.2);
  ASSERT_EQ(d.kald.size(), 2u);
  EXPECT_EQ(d.kald[0].art, "Fejl");
  EXPECT_EQ(d.kald[0].tekst, "Taghældning skal være mindre end eller lig 75 grader.");
  // A wild angle gives a number, not a crash.
  TSkriptetDialog d2;
  EXPECT_EQ(Tag(d2, 'F', 'b', 1e300), 0.0);
}

TEST(VindFormfaktor, UgyldigZoneMeldesAfTrykSug) {
  TSkriptetDialog d;
  EXPECT_EQ(Tag(d, 'A', 'a', 30), 0.0);
  EXPECT_EQ(d.Tekster("Fejl"),
            std::vector<std::string>{"function TrykSugTilf98: Ugyldigt område: A"});
}

}  // namespace
}  // namespace kvistor
