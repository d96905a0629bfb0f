#include "app/billedtegner.h"

namespace kvistor {

TTegner BilledTegner(TBilledvalg valg) {
  (void)valg;
  // The pictures are drawn by the graphics folder's builders; until they are
  // in, the pages stay white.
  return [](TLaerred&, int, int) {};
}

}  // namespace kvistor
