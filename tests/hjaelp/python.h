#pragma once
// Running Debian's Python on a file the program wrote, so that an
// independent reader (ezdxf, openpyxl, the csv and json modules) judges it.
// A machine without the reader skips the test and says which module is
// missing; scripts/install-deps.sh installs them.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

#include <gtest/gtest.h>

namespace kvistor::test {

inline constexpr const char* Python = "/usr/bin/python3";

// Whether Debian's Python can import the module.
inline bool PythonHar(const std::string& modul) {
  if (!std::filesystem::exists(Python)) return false;
  const std::string k =
      std::string(Python) + " -c 'import " + modul + "' >/dev/null 2>&1";
  return std::system(k.c_str()) == 0;
}

struct TPythonUdfald {
  int kode = -1;
  std::string ud;  // standard output and standard error together
};

// Runs a script from tests/<mappe>/ with the arguments (each quoted for the
// shell) and returns its exit code and what it printed.
inline TPythonUdfald KoerPython(const std::filesystem::path& script,
                                const std::vector<std::string>& argumenter,
                                const std::filesystem::path& mappe) {
  auto Citer = [](const std::string& s) {
    std::string c = "'";
    for (char t : s) c += t == '\'' ? std::string("'\\''") : std::string(1, t);
    return c + "'";
  };
  const std::filesystem::path log = mappe / "python.log";
  std::string k = std::string(Python) + " " + Citer(script.string());
  for (const std::string& a : argumenter) k += " " + Citer(a);
  k += " >" + Citer(log.string()) + " 2>&1";
  TPythonUdfald u;
  const int r = std::system(k.c_str());
  u.kode = WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  std::ifstream f(log);
  std::stringstream ss;
  ss << f.rdbuf();
  u.ud = ss.str();
  return u;
}

}  // namespace kvistor::test

// Skips the test when Debian's Python lacks the module.
#define KRAEV_PYTHON_MODUL(modul)                                                        \
  do {                                                                                   \
    if (!::kvistor::test::PythonHar(modul))                                              \
      GTEST_SKIP() << "Debians python3 mangler modulet " << (modul)                      \
                   << " (installeres af scripts/install-deps.sh); filen læses ikke.";   \
  } while (0)
