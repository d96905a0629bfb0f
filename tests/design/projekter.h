#pragma once
// The projects the design-aid tests compute: the shipped default project and
// the test projects beside the golden reports.
#include <string>

#include "common/optagende_dialog.h"
#include "project/inddatafil.h"

namespace kvistor::test {

inline Inddata LaesProjekt(const std::string& sti) {
  TSkriptetDialog dlg;
  TInddataside side = NyInddataside();
  EXPECT_EQ(AabnProjekt(sti, side, dlg, {.KunFejl = true}), TProjektLaesning::Laest) << sti;
  return side.Inddata;
}

inline Inddata Standardprojekt() { return LaesProjekt(std::string(KVISTOR_KILDEMAPPE) + "/Standard.aid"); }

inline Inddata Testprojekt(const std::string& navn) {
  return LaesProjekt(std::string(KVISTOR_TESTDATA) + "/" + navn);
}

}  // namespace kvistor::test
