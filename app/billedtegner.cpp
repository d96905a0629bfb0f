#include "app/billedtegner.h"

#include "graphics/billeder.h"

namespace kvistor {

TTegner BilledTegner(TBilledvalg valg) {
  const TBillede billede = valg == TBilledvalg::HjaelpTvaer     ? TBillede::HjaelpTvaer
                           : valg == TBilledvalg::HjaelpLaengde ? TBillede::HjaelpLaengde
                                                                : TBillede::Om;
  return [billede](TLaerred& l, int b, int h) { TegnBillede(billede, l, b, h); };
}

}  // namespace kvistor
