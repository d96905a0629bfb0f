#pragma once
// The user dialogs of the desktop program: message boxes with the captions,
// icons and buttons of the message kinds, the common file dialogs and the
// beep. The
// texts come from the core with CR LF line breaks.
#include <QWidget>

#include "common/dialog.h"

class QCoreApplication;

namespace kvistor {

class TQtDialog : public TBrugerDialog {
 public:
  // Boxes are centred over `forælder` once it is set.
  void SaetForaelder(QWidget* foraelder) { foraelder_ = foraelder; }

  TSvar Meddel(TBeskedArt art, const std::string& titel, const std::string& tekst,
               TKnapper knapper) override;
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
