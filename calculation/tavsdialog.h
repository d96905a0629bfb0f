#pragma once
// A dialog that shows nothing: it keeps the first message and answers every
// question with Cancel (or No), as the command line does. A calculation
// asks only after an inconsistency, and whoever computes in the background
// (the design aids' searches, the live strip, the page of diagrams) must
// not go on with numbers nobody has looked at.
#include <optional>
#include <string>

#include "common/dialog.h"

namespace kvistor {

class TTavsDialog : public TBrugerDialog {
 public:
  std::string Foerste;  // the first message, empty when there was none
  TSvar Meddel(TBeskedArt art, const std::string&, const std::string& t,
               TKnapper knapper) override {
    if (art != TBeskedArt::Bip && Foerste.empty()) Foerste = t;
    return SikkertSvar(knapper);
  }
  std::optional<std::string> AabnFilnavn(const TFilDialog&) override { return std::nullopt; }
  std::optional<std::string> GemFilnavn(const TFilDialog&) override { return std::nullopt; }
};

}  // namespace kvistor
