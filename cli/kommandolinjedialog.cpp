#include "cli/kommandolinjedialog.h"

#include <ostream>

namespace kvistor {

void TKommandolinjeDialog::Skriv(const std::string& art, const std::string& tekst) {
  // Messages break their lines with CR LF, as the message boxes want; a
  // terminal wants LF.
  std::string t;
  t.reserve(tekst.size());
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    if (tekst[i] == '\r') {
      if (i + 1 < tekst.size() && tekst[i + 1] == '\n') continue;
      t += '\n';
    } else {
      t += tekst[i];
    }
  }
  fejl_ << forstavelse_ << art << t << "\n";
}

TSvar TKommandolinjeDialog::Meddel(TBeskedArt art, const std::string&, const std::string& tekst,
                                   TKnapper knapper) {
  // A warning that asks whether to go on stops the run here, so it is told
  // as the error it then is.
  const bool fejl = art == TBeskedArt::Fejl || art == TBeskedArt::FejlDialog ||
                    (art == TBeskedArt::Advarsel && knapper != TKnapper::Ok);
  if (art == TBeskedArt::Bip) return TSvar::Ok;
  if (fejl) {
    SkrivFejl(tekst);
  } else {
    Skriv(art == TBeskedArt::Advarsel ? "Advarsel: " : "", tekst);
  }
  const TSvar svar = SikkertSvar(knapper);
  if (svar == TSvar::Annuller) fejl_ << forstavelse_ << "(svaret Annuller)\n";
  if (svar == TSvar::Nej) fejl_ << forstavelse_ << "(svaret Nej)\n";
  return svar;
}

void TKommandolinjeDialog::SkrivFejl(const std::string& tekst) {
  if (!fejlVist_) foersteFejl_ = tekst;
  fejlVist_ = true;
  Skriv("Fejl: ", tekst);
}

}  // namespace kvistor
