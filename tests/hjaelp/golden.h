#pragma once
// Comparing output byte for byte with a checked-in file in tests/data/golden/.
// To regenerate the files on purpose (after a deliberate change of a report,
// a calculation or a drawing) run the tests with KVISTOR_GOLDEN_OPDATER=1,
// e.g. `KVISTOR_GOLDEN_OPDATER=1 ./tests_report --gtest_filter='Golden*'`,
// and review every changed file by eye (git diff) before committing it.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/optagende_dialog.h"
#include "common/format.h"
#include "common/tegnsaet.h"

namespace kvistor::test {

// A number with six decimals after a blank, for the golden files' tables.
inline std::string Tal(double v, int decimaler = 6) { return " " + FormaterFast(v, decimaler, false); }

// The dialog's calls so far as lines ("art: titel: tekst"), and forgotten.
inline void Log(std::vector<std::string>& ud, TSkriptetDialog& dlg) {
  for (const auto& k : dlg.kald) ud.push_back("  " + k.art + ": " + k.titel + ": " + k.tekst);
  dlg.kald.clear();
}

// The first differing line, expected and actual.
inline std::string Forskel(const std::string& forventet, const std::string& faktisk) {
  const auto a = DelLinjer(Cp1252TilUtf8(forventet)), b = DelLinjer(Cp1252TilUtf8(faktisk));
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  return "første forskel i linje " + std::to_string(i + 1) + ":\n- " + (i < a.size() ? a[i] : "(slut)") +
         "\n+ " + (i < b.size() ? b[i] : "(slut)");
}

inline void SammenlignMedGolden(const std::string& navn, const std::string& bytes) {
  const auto fil = std::filesystem::path(KVISTOR_TESTDATA) / "golden" / navn;
  const char* opdater = std::getenv("KVISTOR_GOLDEN_OPDATER");
  if (opdater != nullptr && std::string(opdater) == "1") {
    std::ofstream(fil, std::ios::binary) << bytes;
    return;
  }
  std::ifstream ind(fil, std::ios::binary);
  ASSERT_TRUE(ind) << fil << " mangler; kør med KVISTOR_GOLDEN_OPDATER=1 for at lave den";
  std::ostringstream forventet;
  forventet << ind.rdbuf();
  EXPECT_TRUE(forventet.str() == bytes) << navn << ": " << Forskel(forventet.str(), bytes);
}

// Lines as the program saves them: Windows-1252, CR LF.
inline void SammenlignMedGolden(const std::string& navn, const std::vector<std::string>& linjer) {
  std::string s;
  for (const auto& l : linjer) s += Utf8TilCp1252(l) + "\r\n";
  SammenlignMedGolden(navn, s);
}

}  // namespace kvistor::test
