#pragma once
// A scripted user for tests and tools (the guide's generator, the
// screenshots, the benchmarks): records every message in order and answers
// questions from a queue, with a default answer when the queue is empty.
// Never blocks.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/dialog.h"

namespace kvistor {

struct TDialogKald {
  std::string art;   // "Fejl", "Advarsel", "Besked", "Information",
                     // "InformationOkAnnuller", "FejlDialog", "FejlDialogOkAnnuller",
                     // "AdvarselOkAnnuller", "JaNej", "JaNejAnnuller", "Bip",
                     // "AabnFilnavn", "GemFilnavn"
  std::string tekst; // the message, or the dialog's title
  std::string titel; // a box's own caption, where it has one
};

class TSkriptetDialog : public TBrugerDialog {
 public:
  std::vector<TDialogKald> kald;
  // Answers of two-button questions and, unless svarTre holds one, of
  // Yes/No/Cancel questions: true is OK or Yes, false Cancel or No.
  std::deque<bool> svar;
  std::deque<TSvar> svarTre;                       // Yes/No/Cancel questions first
  std::deque<std::optional<std::string>> filnavne; // nullopt = cancelled
  bool standardSvar = true;
  std::vector<TFilDialog> fildialoger;             // the file dialogs as asked

  TSvar Meddel(TBeskedArt art, const std::string& titel, const std::string& tekst,
               TKnapper knapper) override {
    kald.push_back({Navn(art, knapper), tekst, titel});
    switch (knapper) {
      case TKnapper::Ok: return TSvar::Ok;
      case TKnapper::OkAnnuller: return TagSvar() ? TSvar::Ok : TSvar::Annuller;
      case TKnapper::JaNej: return TagSvar() ? TSvar::Ja : TSvar::Nej;
      case TKnapper::JaNejAnnuller:
        if (!svarTre.empty()) {
          const TSvar s = svarTre.front();
          svarTre.pop_front();
          return s;
        }
        return TagSvar() ? TSvar::Ja : TSvar::Nej;
    }
    return TSvar::Ok;
  }
  std::optional<std::string> AabnFilnavn(const TFilDialog& d) override {
    kald.push_back({"AabnFilnavn", d.titel, ""});
    fildialoger.push_back(d);
    return TagFilnavn();
  }
  std::optional<std::string> GemFilnavn(const TFilDialog& d) override {
    kald.push_back({"GemFilnavn", d.titel, ""});
    fildialoger.push_back(d);
    return TagFilnavn();
  }

  // The texts of all calls of one kind, in order.
  std::vector<std::string> Tekster(const std::string& art) const {
    std::vector<std::string> r;
    for (const auto& k : kald)
      if (k.art == art) r.push_back(k.tekst);
    return r;
  }

 private:
  static std::string Navn(TBeskedArt art, TKnapper knapper) {
    const bool annuller = knapper == TKnapper::OkAnnuller;
    switch (art) {
      case TBeskedArt::Fejl: return "Fejl";
      case TBeskedArt::Advarsel: return annuller ? "AdvarselOkAnnuller" : "Advarsel";
      case TBeskedArt::Besked: return "Besked";
      case TBeskedArt::Information: return annuller ? "InformationOkAnnuller" : "Information";
      case TBeskedArt::FejlDialog: return annuller ? "FejlDialogOkAnnuller" : "FejlDialog";
      case TBeskedArt::Spoergsmaal:
        return knapper == TKnapper::JaNejAnnuller ? "JaNejAnnuller" : "JaNej";
      case TBeskedArt::Bip: return "Bip";
    }
    return "";
  }
  bool TagSvar() {
    if (svar.empty()) return standardSvar;
    const bool s = svar.front();
    svar.pop_front();
    return s;
  }
  std::optional<std::string> TagFilnavn() {
    if (filnavne.empty()) return std::nullopt;
    auto f = filnavne.front();
    filnavne.pop_front();
    return f;
  }
};

}  // namespace kvistor
