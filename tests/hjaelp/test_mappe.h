#pragma once
// A fresh folder of the test's own under the temporary folder ($TMPDIR or
// /tmp), removed afterwards, and the bytes of a file. The folder is made by
// mkdtemp, so no other test, and no other build's test run at the same
// moment, can share it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "common/tegnsaet.h"

namespace kvistor::test {

struct TTestMappe {
  std::filesystem::path sti;
  TTestMappe() {
    std::string navn = "kvistor";
    if (const auto* t = ::testing::UnitTest::GetInstance()->current_test_info())
      navn += std::string("_") + t->test_suite_name() + "_" + t->name();
    // Parameterised names hold '/'; a folder name has room for 255 bytes.
    for (char& c : navn)
      if (c == '/') c = '_';
    navn = navn.substr(0, 120) + "_XXXXXX";
    std::string skabelon = (std::filesystem::temp_directory_path() / navn).string();
    if (::mkdtemp(skabelon.data()) == nullptr) ADD_FAILURE() << "mkdtemp " << skabelon;
    sti = skabelon;
  }
  TTestMappe(const TTestMappe&) = delete;
  TTestMappe& operator=(const TTestMappe&) = delete;
  ~TTestMappe() {
    std::error_code f;
    std::filesystem::remove_all(sti, f);
  }
  std::string operator/(const std::string& navn) const { return (sti / navn).string(); }
  // The default project, as it lies beside the program.
  void KopierStandard() const {
    std::filesystem::copy_file(std::string(KVISTOR_KILDEMAPPE) + "/Standard.aid", sti / "Standard.aid");
  }
};

// A fresh folder that XDG_CONFIG_HOME points at while it lives (the settings
// file and the user's default project go there); the old value comes back
// however the test ends.
struct TKonfigmappe : TTestMappe {
  std::optional<std::string> foer;
  TKonfigmappe() {
    if (const char* f = std::getenv("XDG_CONFIG_HOME")) foer = f;
    ::setenv("XDG_CONFIG_HOME", sti.c_str(), 1);
  }
  ~TKonfigmappe() {
    if (foer)
      ::setenv("XDG_CONFIG_HOME", foer->c_str(), 1);
    else
      ::unsetenv("XDG_CONFIG_HOME");
  }
};

inline std::string Bytes(const std::string& fil) {
  std::string s;
  EXPECT_TRUE(LaesFil(fil, s)) << fil;
  return s;
}

}  // namespace kvistor::test
