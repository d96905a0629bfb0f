#pragma once
// A fresh folder of the test's own under the temporary folder, removed
// afterwards, and the bytes of a file. Shared by the report and command-line
// tests.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "common/tegnsaet.h"

namespace kvistor::test {

struct TTestMappe {
  std::filesystem::path sti;
  TTestMappe() {
    const auto* t = ::testing::UnitTest::GetInstance()->current_test_info();
    sti = std::filesystem::temp_directory_path() /
          ("kvistor_" + std::string(t->test_suite_name()) + "_" + t->name() + "_" +
           std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    std::filesystem::create_directories(sti);
  }
  ~TTestMappe() { std::filesystem::remove_all(sti); }
  std::string operator/(const std::string& navn) const { return (sti / navn).string(); }
};

inline std::string Bytes(const std::string& fil) {
  std::string s;
  EXPECT_TRUE(LaesFil(fil, s)) << fil;
  return s;
}

}  // namespace kvistor::test
