// kvistor-cli tegning tvaer|laengde PROJEKT.aid -o FIL.svg|.dxf: one of the
// two control drawings of a project, the same drawing the program shows on
// its pages "Kontrol, tvær" and "Kontrol, længde": an SVG picture of a
// given size, or a DXF drawing at true size for a CAD program.
#include <optional>
#include <ostream>
#include <string>

#include "cli/kommandoer.h"
#include "cli/projektlaesning.h"
#include "cli/uddatakontrol.h"
#include "cli/uddata.h"
#include "graphics/dxf_tegning.h"
#include "graphics/kontroltegning.h"
#include "graphics/svg_laerred.h"
#include "project/feltregler.h"

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
  if (const auto sammenstoed = FindSammenstoed({projekt}, {{udfil, "Tegningen"}})) {
    dlg.Fejl(*sammenstoed);
    return KodeBrug;
  }
  const auto format = BestemTegneformat(kald);
  if (const auto* tekst = std::get_if<std::string>(&format)) return kald.BrugsFejl(*tekst);
  // A file that cannot be read at all is a file error; one that can be read
  // but is not a project file is refused input.
  TInddataside side = NyInddataside();
  if (const int kode = LaesProjektTilKommando(projekt, kald.Har("--tolerant"), side, dlg);
      kode != KodeOk)
    return kode;
  // A house no rule allows (a negative width) is no drawing of a project.
  if (const auto brud = FoersteBrudteRegel(side.Inddata)) {
    dlg.Fejl(brud->Besked);
    return KodeAfvist;
  }

  if (std::get<TTegneformat>(format) == TTegneformat::Dxf)
    return SkrivUddata(kald, udfil, DxfKontroltegning(tegning, side.Inddata).Dxf, dlg);
  TSvgLaerred svg(bredde, hoejde);
  TegnKontroltegning(tegning, side.Inddata, svg, bredde, hoejde);
  return SkrivUddata(kald, udfil, svg.Svg(), dlg);
}

}  // namespace kvistor
