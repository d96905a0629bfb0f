#pragma once
// Comparing a polyline's points with a hand-worked list, point by point.
#include <vector>

#include <gtest/gtest.h>

#include "graphics/displayliste.h"
#include "hjaelp/naer.h"

namespace kvistor::test {

inline void ForventPunkter(const std::vector<PunktType>& faktisk,
                           const std::vector<PunktType>& forventet) {
  ASSERT_EQ(faktisk.size(), forventet.size());
  for (std::size_t i = 0; i < faktisk.size(); ++i) {
    EXPECT_NAER(faktisk[i].X, forventet[i].X, 1e-9, 1e-12) << "punkt " << i;
    EXPECT_NAER(faktisk[i].Y, forventet[i].Y, 1e-9, 1e-12) << "punkt " << i;
  }
}

}  // namespace kvistor::test
