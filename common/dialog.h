#pragma once
// Everything the program says to the user goes through this interface, which
// the caller passes in: the desktop program shows real message boxes, the
// command line prints to stderr and answers by its options, and tests and
// tools use the recording dialog of common/optagende_dialog.h.
//
// An implementation gives three things: one routine that shows a message of
// a kind with its buttons and returns the answer, and the two file dialogs.
// The message kinds the program has always used are plain routines on top.
#include <optional>
#include <string>

namespace kvistor {

struct TFilDialog {
  std::string titel;       // "Gem projektdata"
  std::string filter;      // "Kvistor-projekter (*.aid)|*.aid"
  std::string standardExt; // default extension without dot, "aid"
  std::string mappe;       // initial folder
  bool spoergOmOverskriv = false;
  std::string forslag;     // proposed file name, without folder; empty for none
};

// What kind of box a message is shown in.
enum class TBeskedArt {
  Fejl,         // error box, caption "Fejl", error icon
  Advarsel,     // warning box, caption "Advarsel", warning icon
  Besked,       // plain message with the program's caption
  Information,  // information dialog
  FejlDialog,   // error dialog
  Spoergsmaal,  // a question, caption "Bekræft"
  Bip,          // no box: the system beep (text and buttons unused)
};

// Which buttons a box offers.
enum class TKnapper { Ok, OkAnnuller, JaNej, JaNejAnnuller };

// The button the user chose. Escape and the close box of a box count as
// Annuller where there is one, else as its last button (Nej, Ok).
enum class TSvar { Ok, Annuller, Ja, Nej };

class TBrugerDialog {
 public:
  virtual ~TBrugerDialog() = default;

  // Shows one message and returns the answer. `titel` empty: the kind's own
  // caption.
  virtual TSvar Meddel(TBeskedArt art, const std::string& titel, const std::string& tekst,
                       TKnapper knapper) = 0;
  // Common open and save dialogs; nullopt when cancelled.
  virtual std::optional<std::string> AabnFilnavn(const TFilDialog& d) = 0;
  virtual std::optional<std::string> GemFilnavn(const TFilDialog& d) = 0;

  // The message kinds by their old names.
  void Fejl(const std::string& tekst) { Meddel(TBeskedArt::Fejl, {}, tekst, TKnapper::Ok); }
  void Advarsel(const std::string& tekst) {
    Meddel(TBeskedArt::Advarsel, {}, tekst, TKnapper::Ok);
  }
  void Besked(const std::string& tekst) { Meddel(TBeskedArt::Besked, {}, tekst, TKnapper::Ok); }
  void Information(const std::string& tekst) {
    Meddel(TBeskedArt::Information, {}, tekst, TKnapper::Ok);
  }
  // True for OK.
  bool InformationOkAnnuller(const std::string& tekst) {
    return Meddel(TBeskedArt::Information, {}, tekst, TKnapper::OkAnnuller) == TSvar::Ok;
  }
  void FejlDialog(const std::string& tekst) {
    Meddel(TBeskedArt::FejlDialog, {}, tekst, TKnapper::Ok);
  }
  bool FejlDialogOkAnnuller(const std::string& tekst) {
    return Meddel(TBeskedArt::FejlDialog, {}, tekst, TKnapper::OkAnnuller) == TSvar::Ok;
  }
  bool AdvarselOkAnnuller(const std::string& tekst) {
    return Meddel(TBeskedArt::Advarsel, {}, tekst, TKnapper::OkAnnuller) == TSvar::Ok;
  }
  // Confirmation with Yes and No; true for Yes.
  bool JaNej(const std::string& tekst) {
    return Meddel(TBeskedArt::Spoergsmaal, {}, tekst, TKnapper::JaNej) == TSvar::Ja;
  }
  // A question with Yes, No and Cancel.
  TSvar JaNejAnnuller(const std::string& tekst) {
    return Meddel(TBeskedArt::Spoergsmaal, {}, tekst, TKnapper::JaNejAnnuller);
  }
  // Error box or information box with a caption of its own.
  void FejlMedTitel(const std::string& titel, const std::string& tekst) {
    Meddel(TBeskedArt::Fejl, titel, tekst, TKnapper::Ok);
  }
  void InformationMedTitel(const std::string& titel, const std::string& tekst) {
    Meddel(TBeskedArt::Information, titel, tekst, TKnapper::Ok);
  }
  void Bip() { Meddel(TBeskedArt::Bip, {}, {}, TKnapper::Ok); }
};

// The answer a dialog with nobody to ask gives: Annuller where there is
// one, else No, else OK; the safe choice, which never loses input.
inline TSvar SikkertSvar(TKnapper k) {
  switch (k) {
    case TKnapper::Ok: return TSvar::Ok;
    case TKnapper::JaNej: return TSvar::Nej;
    default: return TSvar::Annuller;
  }
}

}  // namespace kvistor
