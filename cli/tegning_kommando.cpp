// kvistor-cli tegning tvaer|laengde PROJEKT.aid -o FIL.svg: one of the two
// control drawings of a project as an SVG picture, the same drawing the
// program shows on its pages "Kontrol, tvær" and "Kontrol, længde".
#include <optional>
#include <ostream>
#include <string>

#include "cli/kommandoer.h"
#include "cli/projektlaesning.h"
#include "graphics/kontroltegning.h"
#include "graphics/svg_laerred.h"

namespace kvistor {

namespace {

// About the size of the paint boxes on the two pages.
constexpr int StandardBredde = 760;
constexpr int StandardHoejde = 520;

}  // namespace

int TegningKommando(TKald& kald) {
  const TKontroltegning tegning =
      kald.ord == "tvaer" ? TKontroltegning::Tvaer : TKontroltegning::Laengde;
  const std::string& projekt = kald.projekter.front();
  const std::string udfil = *kald.Tekst("-o");
  const int bredde = kald.Heltal("--bredde").value_or(StandardBredde);
  const int hoejde = kald.Heltal("--hoejde").value_or(StandardHoejde);

  TKommandolinjeDialog dlg(kald.fejl);
  // The drawing must never overwrite the project it was drawn from.
  if (ErProjektfilen(ProjektIdentitet(projekt), udfil)) {
    dlg.Fejl("Tegningen kan ikke gemmes oven i projektfilen " + projekt);
    return KodeBrug;
  }
  // A file that cannot be read at all is a file error; one that can be read
  // but is not a project file is refused input.
  TInddataside side = NyInddataside();
  if (const int kode = LaesProjektTilKommando(projekt, kald.Har("--tolerant"), side, dlg);
      kode != KodeOk)
    return kode;

  TSvgLaerred svg(bredde, hoejde);
  TegnKontroltegning(tegning, side.Inddata, svg, bredde, hoejde);

  // Whether the standard output took it all is checked at the end of the call.
  if (udfil == Standardstroem) {
    kald.ud << svg.Svg();
    return KodeOk;
  }
  if (const TFilUdfald u = SkrivFil(udfil, svg.Svg()); !u) {
    dlg.Fejl(BeskedKanIkkeGemme(udfil, u));
    return KodeBrug;
  }
  return KodeOk;
}

}  // namespace kvistor
