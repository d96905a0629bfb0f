#pragma once
// The one comparison of doubles in the tests: relative tolerance, with an
// absolute floor for values near zero.
#include <cmath>
#include <gtest/gtest.h>

namespace kvistor::test {

inline ::testing::AssertionResult Naer(double faktisk, double forventet,
                                       double relativ = 1e-9, double absolut = 1e-12) {
  const double fejl = std::fabs(faktisk - forventet);
  const double graense = std::max(absolut, relativ * std::fabs(forventet));
  if (fejl <= graense) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "faktisk " << faktisk << ", forventet " << forventet << " (afvigelse " << fejl
         << ", tilladt " << graense << ")";
}

}  // namespace kvistor::test

// EXPECT_NAER(a, b) or EXPECT_NAER(a, b, relativ)
#define EXPECT_NAER(...) EXPECT_TRUE(::kvistor::test::Naer(__VA_ARGS__))
