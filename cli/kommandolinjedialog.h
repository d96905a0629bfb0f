#pragma once
// The user dialog of the command line: every message is printed on the
// error stream, and questions get a fixed answer, since nobody is there to
// click. OK/Cancel and Yes/No questions are answered "Annuller"/"Nej", and
// Yes/No/Cancel questions "Annuller": the only such questions a calculation
// asks follow an internal inconsistency, and a batch run should stop there
// rather than print numbers nobody has looked at. File dialogs are
// cancelled.
#include <iosfwd>
#include <string>

#include "common/dialog.h"

namespace kvistor {

class TKommandolinjeDialog : public TBrugerDialog {
 public:
  explicit TKommandolinjeDialog(std::ostream& fejl, std::string forstavelse = "")
      : fejl_(fejl), forstavelse_(std::move(forstavelse)) {}

  TSvar Meddel(TBeskedArt art, const std::string& titel, const std::string& tekst,
               TKnapper knapper) override;
  std::optional<std::string> AabnFilnavn(const TFilDialog&) override { return std::nullopt; }
  std::optional<std::string> GemFilnavn(const TFilDialog&) override { return std::nullopt; }

  // Whether any error has been printed.
  bool FejlVist() const { return fejlVist_; }

 private:
  void Skriv(const std::string& art, const std::string& tekst);
  std::ostream& fejl_;
  std::string forstavelse_;
  bool fejlVist_ = false;
};

}  // namespace kvistor
