#pragma once
// The user dialogs of the desktop program: message boxes with the captions
// and icons of the message kinds, the common file dialogs and the beep. The
// texts come from the core with CR LF line breaks.
#include <QWidget>

#include "faelles/dialog.h"

class QCoreApplication;

namespace kvistor {

class TQtDialog : public TBrugerDialog {
 public:
  // Boxes are centred over `forælder` once it is set.
  void SaetForaelder(QWidget* foraelder) { foraelder_ = foraelder; }

  void Fejl(const std::string& tekst) override;
  void Advarsel(const std::string& tekst) override;
  void Besked(const std::string& tekst) override;
  void Information(const std::string& tekst) override;
  bool InformationOkAnnuller(const std::string& tekst) override;
  void FejlDialog(const std::string& tekst) override;
  bool FejlDialogOkAnnuller(const std::string& tekst) override;
  bool AdvarselOkAnnuller(const std::string& tekst) override;
  bool JaNej(const std::string& tekst) override;
  void FejlMedTitel(const std::string& titel, const std::string& tekst) override;
  void InformationMedTitel(const std::string& titel, const std::string& tekst) override;
  void Bip() override;
  std::optional<std::string> AabnFilnavn(const TFilDialog& d) override;
  std::optional<std::string> GemFilnavn(const TFilDialog& d) override;

 private:
  QWidget* foraelder_ = nullptr;
};

// The program's caption, also the caption of its plain messages.
inline constexpr const char* ProgramTitel = "Kvistor";

// A filter in the "Navn (*.ext)|*.ext" form as Qt writes it: "Navn (*.ext)".
QString QtFilter(const std::string& filter);

// Qt's own Danish texts (standard buttons, file and print dialogs) and the
// Danish number settings; false when the translations are not installed.
bool IndlaesDanskeOversaettelser(QCoreApplication& app);

}  // namespace kvistor
