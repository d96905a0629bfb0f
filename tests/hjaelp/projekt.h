#pragma once
// A project file read as the program reads it, and the shipped default
// project (8 bays of 6 m, gable bays 6 m, overhang 0,5 m, hinge offset
// 0,86 m, 20°, C24 100 × 225, W200).
#include <filesystem>

#include <gtest/gtest.h>

#include "common/optagende_dialog.h"
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

}  // namespace kvistor::test
