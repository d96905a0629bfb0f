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

void TKommandolinjeDialog::SkrivFejl(const std::string& tekst) {
  if (!fejlVist_) foersteFejl_ = tekst;
  fejlVist_ = true;
  Skriv("Fejl: ", tekst);
}

void TKommandolinjeDialog::Fejl(const std::string& tekst) { SkrivFejl(tekst); }
void TKommandolinjeDialog::Advarsel(const std::string& tekst) { Skriv("Advarsel: ", tekst); }
void TKommandolinjeDialog::Besked(const std::string& tekst) { Skriv("", tekst); }
void TKommandolinjeDialog::Information(const std::string& tekst) { Skriv("", tekst); }
bool TKommandolinjeDialog::InformationOkAnnuller(const std::string& tekst) {
  Skriv("", tekst);
  fejl_ << forstavelse_ << "(svaret Annuller)\n";
  return false;
}
void TKommandolinjeDialog::FejlDialog(const std::string& tekst) { SkrivFejl(tekst); }
bool TKommandolinjeDialog::FejlDialogOkAnnuller(const std::string& tekst) {
  SkrivFejl(tekst);
  fejl_ << forstavelse_ << "(svaret Annuller)\n";
  return false;
}
bool TKommandolinjeDialog::JaNej(const std::string& tekst) {
  Skriv("", tekst);
  fejl_ << forstavelse_ << "(svaret Nej)\n";
  return false;
}

}  // namespace kvistor
