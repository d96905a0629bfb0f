// kvistor-cli tegning tvaer|laengde PROJEKT.aid -o FIL.svg [--bredde B --hoejde H]
// Writes one of the two control drawings of a project as an SVG picture, the
// same drawing the program shows on its pages "Kontrol, tvær" and
// "Kontrol, længde".
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
// A picture larger than this is a typing error, not a drawing.
constexpr int MaksPixel = 20000;

const char* const Brug =
    "Brug: kvistor-cli tegning tvaer|laengde PROJEKT.aid -o FIL.svg "
    "[--bredde B --hoejde H] [--tolerant]\n";

// A whole number of pixels in 1..MaksPixel, or nothing.
std::optional<int> LaesPixel(const std::string& s) {
  if (s.empty() || s.size() > 6) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v < 1 || v > MaksPixel) return std::nullopt;
  return v;
}

}  // namespace

int TegningKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                    std::ostream& fejl) {
  std::optional<TKontroltegning> tegning;
  std::string projekt, udfil;
  int bredde = StandardBredde;
  int hoejde = StandardHoejde;
  bool tolerant = false;

  std::vector<std::string> frie;
  for (std::size_t i = 0; i < argumenter.size(); ++i) {
    const std::string& a = argumenter[i];
    const bool harVaerdi = i + 1 < argumenter.size();
    if (a == "-o" || a == "--bredde" || a == "--hoejde") {
      if (!harVaerdi) {
        fejl << "Der mangler en værdi efter " << a << ".\n" << Brug;
        return KodeBrug;
      }
      const std::string& v = argumenter[++i];
      if (a == "-o") {
        udfil = v;
        continue;
      }
      const std::optional<int> px = LaesPixel(v);
      if (!px) {
        fejl << "Ugyldig " << (a == "--bredde" ? "bredde" : "højde") << ": " << v
             << " (et helt antal pixel fra 1 til " << MaksPixel << ").\n";
        return KodeBrug;
      }
      (a == "--bredde" ? bredde : hoejde) = *px;
    } else if (a == "--help" || a == "-h") {
      SkrivHjaelp(ud);
      return KodeOk;
    } else if (a == "--tolerant") {
      tolerant = true;
    } else if (a.size() > 1 && a[0] == '-') {
      fejl << "Ukendt tilvalg: " << a << "\n" << Brug;
      return KodeBrug;
    } else {
      frie.push_back(a);
    }
  }
  if (frie.size() != 2 || udfil.empty()) {
    fejl << Brug;
    return KodeBrug;
  }
  if (frie[0] == "tvaer" || frie[0] == "tvær") {
    tegning = TKontroltegning::Tvaer;
  } else if (frie[0] == "laengde" || frie[0] == "længde") {
    tegning = TKontroltegning::Laengde;
  } else {
    fejl << "Ukendt tegning: " << frie[0] << " (tvaer eller laengde).\n" << Brug;
    return KodeBrug;
  }
  projekt = frie[1];

  // The drawing must never overwrite the project it was drawn from.
  if (ErProjektfilen(ProjektIdentitet(projekt), udfil)) {
    fejl << "Fejl: Tegningen kan ikke gemmes oven i projektfilen " << projekt << "\n";
    return KodeBrug;
  }
  // A file that cannot be read at all is a file error; one that can be read
  // but is not a project file is refused input.
  TKommandolinjeDialog dlg(fejl);
  TInddataside side = NyInddataside();
  if (const int kode = LaesProjektTilKommando(projekt, tolerant, side, dlg); kode != KodeOk)
    return kode;

  TSvgLaerred svg(bredde, hoejde);
  TegnKontroltegning(*tegning, side.Inddata, svg, bredde, hoejde);

  if (udfil == Standardstroem) {
    ud << svg.Svg();
    ud.flush();
    if (!ud) {
      dlg.Fejl("Tegningen kan ikke skrives på standard-output.");
      return KodeBrug;
    }
    return KodeOk;
  }
  if (const TFilUdfald u = SkrivFil(udfil, svg.Svg()); !u) {
    dlg.Fejl(BeskedKanIkkeGemme(udfil, u));
    return KodeBrug;
  } else if (!u.note.empty()) {
    dlg.Advarsel(u.note);
  }
  return KodeOk;
}

}  // namespace kvistor
