#include "graphics/kontroltegning.h"

#include "graphics/displayliste.h"
#include "graphics/kontrol_laengde.h"
#include "graphics/kontrol_tvaer.h"
#include "calculation/tvaersnit_byg.h"
#include "purlin/suppldata.h"

namespace kvistor {

void BygKontroltegning(TKontroltegning tegning, const Inddata& ind, TLinjeListe& linjer,
                       TTekstGruppeListe& tekster) {
  // Always from the current input, computed or not.
  TSupplData s;
  BestemTvaersnit(ind, s);
  if (tegning == TKontroltegning::Tvaer)
    TegnKontrolTvaer(linjer, tekster, ind, s);
  else
    TegnKontrolLaengde(linjer, tekster, ind, s);
}

Visning TegnKontroltegning(TKontroltegning tegning, const Inddata& ind, TLaerred& laerred,
                           int bredde, int hoejde) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  BygKontroltegning(tegning, ind, linjer, tekster);
  return Vis(laerred, bredde, hoejde, linjer, tekster, true);
}

}  // namespace kvistor
