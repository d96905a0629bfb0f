#pragma once
// A project file read as the program reads it, and the shipped default
// project (8 bays of 6 m, gable bays 6 m, overhang 0,5 m, hinge offset
// 0,86 m, 20°, C24 100 × 225, W200), as it is or with some lines changed.
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "common/optagende_dialog.h"
#include "common/tegnsaet.h"
#include "hjaelp/test_mappe.h"
#include "project/inddatafil.h"

namespace kvistor::test {

inline TInddataside LaesSide(const std::filesystem::path& fil) {
  TSkriptetDialog dlg;
  TInddataside side = NyInddataside();
  EXPECT_EQ(AabnProjekt(fil.string(), side, dlg, {.KunFejl = true}), TProjektLaesning::Laest) << fil;
  return side;
}
inline Inddata LaesProjekt(const std::filesystem::path& fil) { return LaesSide(fil).Inddata; }
inline Inddata StandardProjekt() { return LaesProjekt(std::filesystem::path(KVISTOR_KILDEMAPPE) / "Standard.aid"); }

// Standard.aid with some of its lines (counted from 0) replaced and `tilfoej`
// after them, saved in `m` as `navn`; gives the file's name.
inline std::string StandardMed(const TTestMappe& m, const std::string& navn,
                               const std::vector<std::pair<int, std::string>>& linjer,
                               const std::vector<std::string>& tilfoej = {}) {
  std::vector<std::string> l;
  EXPECT_TRUE(LaesTekstfil(std::string(KVISTOR_KILDEMAPPE) + "/Standard.aid", l));
  for (const auto& [nr, tekst] : linjer) l.at(static_cast<std::size_t>(nr)) = tekst;
  l.insert(l.end(), tilfoej.begin(), tilfoej.end());
  EXPECT_TRUE(SkrivTekstfil(m / navn, l));
  return m / navn;
}

}  // namespace kvistor::test
