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

  // Whether any error has been printed, and the first one's text (a
  // table's row gives it as the reason a project has no figures).
  bool FejlVist() const { return fejlVist_; }
  const std::string& FoersteFejl() const { return foersteFejl_; }

 private:
  void Skriv(const std::string& art, const std::string& tekst);
  void SkrivFejl(const std::string& tekst);
  std::ostream& fejl_;
  std::string forstavelse_;
  bool fejlVist_ = false;
  std::string foersteFejl_;
};

}  // namespace kvistor
