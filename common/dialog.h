#pragma once
// Everything the program says to the user goes through this interface, which
// the caller passes in: the desktop program shows real message boxes, the
// command line prints to stderr and answers by its options, and the tests use
// the scripted fake in tests/hjaelp/dialog_fake.h.
#include <optional>
#include <string>

namespace kvistor {

struct TFilDialog {
  std::string titel;       // "Gem projektdata"
  std::string filter;      // "DeduDovIvir (*.aid)|*.aid"
  std::string standardExt; // default extension without dot, "åpd"
  std::string mappe;       // initial folder
  bool spoergOmOverskriv = false;
};

class TBrugerDialog {
 public:
  virtual ~TBrugerDialog() = default;
  // Error box, caption "Fejl", error icon, OK.
  virtual void Fejl(const std::string& tekst) = 0;
  // Warning box, caption "Advarsel", warning icon, OK.
  virtual void Advarsel(const std::string& tekst) = 0;
  // Plain message with the program's caption, OK.
  virtual void Besked(const std::string& tekst) = 0;
  // Information dialog with OK only.
  virtual void Information(const std::string& tekst) = 0;
  // Information dialog with OK and Cancel; true for OK.
  virtual bool InformationOkAnnuller(const std::string& tekst) = 0;
  // Error dialog with OK.
  virtual void FejlDialog(const std::string& tekst) = 0;
  // Error dialog with OK and Cancel; true for OK.
  virtual bool FejlDialogOkAnnuller(const std::string& tekst) = 0;
  // Warning dialog with OK and Cancel; true for OK. By default the error
  // dialog with the same buttons.
  virtual bool AdvarselOkAnnuller(const std::string& tekst) { return FejlDialogOkAnnuller(tekst); }
  // Confirmation with Yes and No; true for Yes.
  virtual bool JaNej(const std::string& tekst) = 0;
  // Error box or information box with a caption of its own instead of
  // "Fejl" or the program's name. Without a window there is no caption to
  // show, so by default they are the plain error and information boxes.
  virtual void FejlMedTitel(const std::string& titel, const std::string& tekst) {
    (void)titel;
    Fejl(tekst);
  }
  virtual void InformationMedTitel(const std::string& titel, const std::string& tekst) {
    (void)titel;
    Information(tekst);
  }
  // The system beep.
  virtual void Bip() = 0;
  // Common open and save dialogs; nullopt when cancelled.
  virtual std::optional<std::string> AabnFilnavn(const TFilDialog& d) = 0;
  virtual std::optional<std::string> GemFilnavn(const TFilDialog& d) = 0;
};

}  // namespace kvistor
