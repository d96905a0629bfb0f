// kvistor-cli brand: the fire check of one project by the reduced
// cross-section method, printed as the fire section on standard output.
#include <ostream>
#include <string>

#include "calculation/projektberegning.h"
#include "cli/kommandoer.h"
#include "cli/kommandolinjedialog.h"
#include "cli/projektlaesning.h"
#include "report/brandafsnit.h"

namespace kvistor {

int BrandKommando(TKald& kald) {
  const std::string& projekt = kald.projekter.front();
  TKommandolinjeDialog dlg(kald.fejl, "");
  TInddataside side = NyInddataside();
  if (const int kode = LaesProjektTilKommando(projekt, kald.Har("--tolerant"), side, dlg);
      kode != KodeOk)
    return kode;
  const Inddata& ind = side.Inddata;

  // The project's own requirement (its lines Brandmodstand and BrandSider),
  // unless the options give another.
  const int minutter = kald.Tekst("--R") ? std::stoi(*kald.Tekst("--R")) : ind.Brandmodstand;
  const int sider = kald.Tekst("--sider") ? std::stoi(*kald.Tekst("--sider")) : ind.BrandSider;
  if (minutter == 0) {
    kald.fejl << "Der er ikke angivet nogen brandmodstand, hverken i projektet eller med --R; der "
                 "er ikke regnet brandkontrol (angiv --R 15, 30 eller 60).\n";
    return KodeOk;
  }

  TProjektbrand b;
  const TBeregningsUdfald u = BeregnProjektBrand(b, ind, minutter, sider, dlg);
  if (u == TBeregningsUdfald::Afvist) return KodeAfvist;
  if (u != TBeregningsUdfald::Gennemfoert) return KodeAfbrudt;
  const TBrandResultat& r = b.Brand;

  for (const std::string& linje : BygBrandafsnit(r)) kald.ud << linje << "\n";
  if (r.KravOpfyldt()) return KodeOk;
  kald.fejl << "Bemærk: Brandmodstanden R" << minutter << " er ikke opfyldt (opnået "
            << r.OpnaaetMinutter << " min)\n";
  return KodeAdvarsel;
}

}  // namespace kvistor
