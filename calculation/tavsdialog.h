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
  void Fejl(const std::string& t) override { Gem(t); }
  void Advarsel(const std::string& t) override { Gem(t); }
  void Besked(const std::string& t) override { Gem(t); }
  void Information(const std::string& t) override { Gem(t); }
  bool InformationOkAnnuller(const std::string& t) override {
    Gem(t);
    return false;
  }
  void FejlDialog(const std::string& t) override { Gem(t); }
  bool FejlDialogOkAnnuller(const std::string& t) override {
    Gem(t);
    return false;
  }
  bool JaNej(const std::string& t) override {
    Gem(t);
    return false;
  }
  void Bip() override {}
  std::optional<std::string> AabnFilnavn(const TFilDialog&) override { return std::nullopt; }
  std::optional<std::string> GemFilnavn(const TFilDialog&) override { return std::nullopt; }

 private:
  void Gem(const std::string& t) {
    if (Foerste.empty()) Foerste = t;
  }
};

}  // namespace kvistor
