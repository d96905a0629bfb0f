#pragma once
// The shipped default project, read as the program reads it, for the
// benchmarks that compute whole projects.
#include <string>

#include "hjaelp/dialog_fake.h"
#include "project/inddatafil.h"

namespace kvistor {

inline Inddata StandardInddata() {
  TSkriptetDialog dlg;
  TInddataside side;
  LaesProjektfil(std::string(KVISTOR_KILDEMAPPE) + "/Standard.aid", side, dlg);
  return side.Inddata;
}

}  // namespace kvistor
