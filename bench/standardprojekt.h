#pragma once
// The shipped default project, read as the program reads it, for the
// benchmarks that compute whole projects.
#include <string>

#include "common/optagende_dialog.h"
#include "project/inddatafil.h"

namespace kvistor {

inline Inddata StandardInddata() {
  TSkriptetDialog dlg;
  TInddataside side = NyInddataside();
  AabnProjekt(std::string(KVISTOR_KILDEMAPPE) + "/Standard.aid", side, dlg, {.KunFejl = true});
  return side.Inddata;
}

}  // namespace kvistor
