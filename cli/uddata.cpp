#include "cli/uddata.h"

#include <ostream>

#include "cli/kommandoer.h"
#include "cli/projektlaesning.h"
#include "common/filer.h"

namespace kvistor {

std::variant<TTegneformat, std::string> BestemTegneformat(const TKald& kald) {
  const std::string udfil = kald.Tekst("-o").value_or(Standardstroem);
  const std::optional<std::string> valgt = kald.Tekst("--format");
  const std::string ext = udfil == Standardstroem ? "" : Efternavn(udfil);
  std::string navn = valgt.value_or("svg");
  if (ext == "svg" || ext == "dxf") {
    if (valgt && *valgt != ext)
      return "--format " + *valgt + " passer ikke til filnavnet " + udfil + ".";
    navn = ext;
  }
  if (navn == "dxf")
    for (const char* t : {"--bredde", "--hoejde"})
      if (kald.Har(t))
        return std::string(t) +
               " gælder kun SVG-billedet; en DXF-tegning tegnes i mål og har ingen størrelse i "
               "pixel.";
  return navn == "dxf" ? TTegneformat::Dxf : TTegneformat::Svg;
}

int SkrivUddata(TKald& kald, const std::string& udfil, std::string_view bytes,
                TBrugerDialog& dlg) {
  if (udfil == Standardstroem) {
    kald.ud << bytes;
    return KodeOk;
  }
  return MeldGemning(SkrivFil(udfil, bytes), udfil, dlg);
}

int MeldGemning(const TFilUdfald& u, const std::string& navn, TBrugerDialog& dlg) {
  if (!u) {
    dlg.Fejl(BeskedKanIkkeGemme(navn, u));
    return KodeBrug;
  }
  if (!u.note.empty()) dlg.Advarsel(u.note);
  return KodeOk;
}

void SkrivNoter(const TAdvarselsnoter& noter, std::ostream& fejl, const std::string& forstavelse) {
  if (noter.Aas) fejl << forstavelse << "Bemærk: Åsedimensionen er utilstrækkelig\n";
  if (noter.Samling) fejl << forstavelse << "Bemærk: Gerbersamlingen er utilstrækkelig\n";
  if (noter.Nedbojn) fejl << forstavelse << "Bemærk: Største relative nedbøjning er for stor\n";
}

}  // namespace kvistor
