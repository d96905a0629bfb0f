#pragma once
// A scripted user for tests and for the command line: records every call in
// order and answers questions from a queue (a default answer when the queue
// is empty). Never blocks.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "common/dialog.h"

namespace kvistor {

struct TDialogKald {
  std::string art;   // "Fejl", "Advarsel", "Besked", "Information",
                     // "InformationOkAnnuller", "FejlDialog", "FejlDialogOkAnnuller",
                     // "AdvarselOkAnnuller",
                     // "JaNej", "Bip", "AabnFilnavn", "GemFilnavn"
  std::string tekst; // the message, or the dialog's title
  std::string titel; // a box's own caption, where it has one
};

class TSkriptetDialog : public TBrugerDialog {
 public:
  std::vector<TDialogKald> kald;
  std::deque<bool> svar;                           // OK/Yes = true
  std::deque<std::optional<std::string>> filnavne; // nullopt = cancelled
  bool standardSvar = true;

  void Fejl(const std::string& t) override { kald.push_back({"Fejl", t, ""}); }
  void Advarsel(const std::string& t) override { kald.push_back({"Advarsel", t, ""}); }
  void Besked(const std::string& t) override { kald.push_back({"Besked", t, ""}); }
  void Information(const std::string& t) override { kald.push_back({"Information", t, ""}); }
  bool InformationOkAnnuller(const std::string& t) override {
    kald.push_back({"InformationOkAnnuller", t, ""});
    return TagSvar();
  }
  void FejlDialog(const std::string& t) override { kald.push_back({"FejlDialog", t, ""}); }
  bool FejlDialogOkAnnuller(const std::string& t) override {
    kald.push_back({"FejlDialogOkAnnuller", t, ""});
    return TagSvar();
  }
  bool AdvarselOkAnnuller(const std::string& t) override {
    kald.push_back({"AdvarselOkAnnuller", t, ""});
    return TagSvar();
  }
  bool JaNej(const std::string& t) override {
    kald.push_back({"JaNej", t, ""});
    return TagSvar();
  }
  void FejlMedTitel(const std::string& titel, const std::string& t) override {
    kald.push_back({"Fejl", t, titel});
  }
  void InformationMedTitel(const std::string& titel, const std::string& t) override {
    kald.push_back({"Information", t, titel});
  }
  void Bip() override { kald.push_back({"Bip", "", ""}); }
  std::optional<std::string> AabnFilnavn(const TFilDialog& d) override {
    kald.push_back({"AabnFilnavn", d.titel, ""});
    return TagFilnavn();
  }
  std::optional<std::string> GemFilnavn(const TFilDialog& d) override {
    kald.push_back({"GemFilnavn", d.titel, ""});
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
  bool TagSvar() {
    if (svar.empty()) return standardSvar;
    bool s = svar.front();
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
