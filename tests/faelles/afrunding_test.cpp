// Whole-number rounding (ties to even) and the clocks.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "faelles/afrunding.h"
#include "faelles/ur.h"

namespace kvistor {
namespace {

TEST(Round, HalveTilLigeTalOgKlemning) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct { double x; long long ventet; } fald[] = {
      {0.5, 0}, {1.5, 2}, {2.5, 2}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {-2.6, -3},
      // The largest double below 0.5: floor(x + 0.5) would wrongly give 1.
      {0.49999999999999994, 0},
      // 2^52 + 1: adding 0.5 would round the sum itself.
      {4503599627370497.0, 4503599627370497LL},
      // Outside the range: clamped; NaN: 0. 2^63 is just outside, the largest
      // double below it is whole and fits.
      {inf, LLONG_MAX}, {-inf, LLONG_MIN}, {-1e300, LLONG_MIN}, {std::nan(""), 0},
      {9223372036854775808.0, LLONG_MAX}, {-9223372036854775808.0, LLONG_MIN},
      {9223372036854774784.0, 9223372036854774784LL}};
  for (const auto& f : fald) EXPECT_EQ(Round(f.x), f.ventet) << f.x;
  // Metres to mm: 0.0125 * 1000 and 0.0135 * 1000 are ties in doubles.
  EXPECT_EQ(TilMm(7.2), 7200);
  EXPECT_EQ(TilMm(0.0125), 12);
  EXPECT_EQ(TilMm(0.0135), 14);
}

TEST(Ur, SystemUrTaellerFraEt) {
  // Months and days count from 1 and the year is the full year.
  const TTidspunkt nu = TSystemUr().Nu();
  EXPECT_GE(nu.aar, 2024);
  EXPECT_TRUE(nu.maaned >= 1 && nu.maaned <= 12 && nu.dag >= 1 && nu.dag <= 31);
  EXPECT_TRUE(nu.time <= 23 && nu.minut <= 59 && nu.sekund <= 59);
}

}  // namespace
}  // namespace kvistor
