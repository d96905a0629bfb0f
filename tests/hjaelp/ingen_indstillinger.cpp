// No test may read or write the user's own settings file: before main(),
// XDG_CONFIG_HOME of every test program (and of the programs the tests
// start) points at a folder of its own that does not exist. A test that
// needs settings holds a TKonfigmappe (hjaelp/test_mappe.h).
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

const bool IngenIndstillinger = [] {
  std::error_code ec;
  std::filesystem::path mappe = std::filesystem::temp_directory_path(ec);
  if (ec) mappe = "/tmp";
  mappe /= "kvistor-ingen-indstillinger-" + std::to_string(::getpid());
  return ::setenv("XDG_CONFIG_HOME", mappe.c_str(), 1) == 0;
}();

}  // namespace
