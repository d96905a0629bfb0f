// kvistor-cli tegning tvaer|laengde PROJEKT.aid -o FIL.svg [--bredde B --hoejde H]
// Writes one of the two control drawings of a project as an SVG picture, the
// same drawing the program shows on its pages "Kontrol, tvær" and
// "Kontrol, længde".
#include <cstdio>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>

#include "cli/kommandoer.h"
#include "faelles/dialog.h"
#include "faelles/tegnsaet.h"
#include "graphics/kontroltegning.h"
#include "graphics/svg_laerred.h"
#include "project/inddatafil.h"
#include "project/inddataside.h"

namespace kvistor {

namespace {

// About the size of the paint boxes on the two pages.
constexpr int StandardBredde = 760;
constexpr int StandardHoejde = 520;
// A picture larger than this is a typing error, not a drawing.
constexpr int MaksPixel = 20000;

const char* const Brug =
    "Brug: kvistor-cli tegning tvaer|laengde PROJEKT.aid -o FIL.svg "
    "[--bredde B --hoejde H]\n";

// Messages of the project-file reader go to the error stream; there is no
// one to answer questions, so they get their default answers.
class TStroemDialog : public TBrugerDialog {
 public:
  explicit TStroemDialog(std::ostream& fejl) : fejl_(fejl) {}
  void Fejl(const std::string& t) override { Skriv(t); }
  void Advarsel(const std::string& t) override { Skriv(t); }
  void Besked(const std::string& t) override { Skriv(t); }
  void Information(const std::string& t) override { Skriv(t); }
  bool InformationOkAnnuller(const std::string& t) override {
    Skriv(t);
    return true;
  }
  void FejlDialog(const std::string& t) override { Skriv(t); }
  bool FejlDialogOkAnnuller(const std::string& t) override {
    Skriv(t);
    return false;
  }
  bool JaNej(const std::string& t) override {
    Skriv(t);
    return false;
  }
  void Bip() override {}
  std::optional<std::string> AabnFilnavn(const TFilDialog&) override { return std::nullopt; }
  std::optional<std::string> GemFilnavn(const TFilDialog&) override { return std::nullopt; }

 private:
  void Skriv(const std::string& t) {
    for (const std::string& linje : DelLinjer(t)) fejl_ << linje << "\n";
  }
  std::ostream& fejl_;
};

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

int TegningKommando(const std::vector<std::string>& argumenter, std::ostream&,
                    std::ostream& fejl) {
  std::optional<TKontroltegning> tegning;
  std::string projekt, udfil;
  int bredde = StandardBredde;
  int hoejde = StandardHoejde;

  std::vector<std::string> frie;
  for (std::size_t i = 0; i < argumenter.size(); ++i) {
    const std::string& a = argumenter[i];
    const bool harVaerdi = i + 1 < argumenter.size();
    if (a == "-o" || a == "--bredde" || a == "--hoejde") {
      if (!harVaerdi) {
        fejl << "Der mangler en værdi efter " << a << ".\n" << Brug;
        return 1;
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
        return 1;
      }
      (a == "--bredde" ? bredde : hoejde) = *px;
    } else if (a.size() > 1 && a[0] == '-') {
      fejl << "Ukendt tilvalg: " << a << "\n" << Brug;
      return 1;
    } else {
      frie.push_back(a);
    }
  }
  if (frie.size() != 2 || udfil.empty()) {
    fejl << Brug;
    return 1;
  }
  if (frie[0] == "tvaer" || frie[0] == "tvær") {
    tegning = TKontroltegning::Tvaer;
  } else if (frie[0] == "laengde" || frie[0] == "længde") {
    tegning = TKontroltegning::Laengde;
  } else {
    fejl << "Ukendt tegning: " << frie[0] << " (tvaer eller laengde).\n" << Brug;
    return 1;
  }
  projekt = frie[1];

  // A file that cannot be read at all is a file error; one that can be read
  // but is not a project file is refused input.
  std::string indhold;
  if (!LaesFil(projekt, indhold)) {
    fejl << BeskedKanIkkeHente(projekt) << "\n";
    return 1;
  }
  TStroemDialog dlg(fejl);
  TInddataside side = NyInddataside();
  if (!LaesProjektfil(projekt, side, dlg)) return 2;

  TSvgLaerred svg(bredde, hoejde);
  TegnKontroltegning(*tegning, side.Inddata, svg, bredde, hoejde);

  // Written beside the target first and renamed into place, so a failed
  // write never leaves half a picture where a good one was.
  const std::string midlertidig = udfil + ".tmp";
  {
    std::ofstream ud(midlertidig, std::ios::binary | std::ios::trunc);
    ud << svg.Svg();
    ud.flush();
    if (!ud) {
      ud.close();
      std::remove(midlertidig.c_str());
      fejl << "Kan ikke skrive filen " << udfil << "\n";
      return 1;
    }
  }
  if (std::rename(midlertidig.c_str(), udfil.c_str()) != 0) {
    std::remove(midlertidig.c_str());
    fejl << "Kan ikke skrive filen " << udfil << "\n";
    return 1;
  }
  return 0;
}

}  // namespace kvistor
