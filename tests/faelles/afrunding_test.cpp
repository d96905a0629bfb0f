// Whole-number rounding (ties to even) and the clocks.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "faelles/afrunding.h"
#include "faelles/ur.h"

namespace kvistor {
namespace {

TEST(Round, HalveGaarTilLigeTal) {
  EXPECT_EQ(Round(0.5), 0);
  EXPECT_EQ(Round(1.5), 2);
  EXPECT_EQ(Round(2.5), 2);
  EXPECT_EQ(Round(3.5), 4);
  EXPECT_EQ(Round(-0.5), 0);
  EXPECT_EQ(Round(-1.5), -2);
  EXPECT_EQ(Round(-2.5), -2);
  EXPECT_EQ(Round(2.4), 2);
  EXPECT_EQ(Round(-2.6), -3);
  // The largest double below 0.5: floor(x + 0.5) would wrongly give 1.
  EXPECT_EQ(Round(0.49999999999999994), 0);
  // 2^52 + 1: adding 0.5 would round the sum itself.
  EXPECT_EQ(Round(4503599627370497.0), 4503599627370497LL);
}

TEST(Round, UdenforOmraadetKlemmesOgNaNGiverNul) {
  EXPECT_EQ(Round(1e300), LLONG_MAX);
  EXPECT_EQ(Round(-1e300), LLONG_MIN);
  EXPECT_EQ(Round(std::numeric_limits<double>::infinity()), LLONG_MAX);
  EXPECT_EQ(Round(-std::numeric_limits<double>::infinity()), LLONG_MIN);
  EXPECT_EQ(Round(std::nan("")), 0);
  EXPECT_EQ(Round(9223372036854775808.0), LLONG_MAX);  // 2^63
  EXPECT_EQ(Round(-9223372036854775808.0), LLONG_MIN);
  // The largest double below 2^63 is whole and fits.
  EXPECT_EQ(Round(9223372036854774784.0), 9223372036854774784LL);
}

TEST(Round, MeterTilMillimeter) {
  EXPECT_EQ(TilMm(7.2), 7200);
  EXPECT_EQ(TilMm(0.0125), 12);  // 0.0125 * 1000 is 12.5 in doubles: tie to even
  EXPECT_EQ(TilMm(0.0135), 14);  // 13.5: tie to even
  EXPECT_EQ(TilMm(-0.3), -300);
}

TEST(Ur, FastUrOgSystemUr) {
  const TFastUr fast({2024, 3, 7, 14, 5, 9});
  const TTidspunkt t = fast.Nu();
  EXPECT_EQ(t.aar, 2024);
  EXPECT_EQ(t.maaned, 3);
  EXPECT_EQ(t.dag, 7);
  EXPECT_EQ(t.time, 14);
  EXPECT_EQ(t.minut, 5);
  EXPECT_EQ(t.sekund, 9);

  const TTidspunkt nu = TSystemUr().Nu();
  EXPECT_GE(nu.aar, 2024);
  EXPECT_GE(nu.maaned, 1);
  EXPECT_LE(nu.maaned, 12);
  EXPECT_GE(nu.dag, 1);
  EXPECT_LE(nu.dag, 31);
  EXPECT_LE(nu.time, 23);
  EXPECT_LE(nu.minut, 59);
  EXPECT_LE(nu.sekund, 59);
}

}  // namespace
}  // namespace kvistor
