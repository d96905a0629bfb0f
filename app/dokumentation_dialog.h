#pragma once
// "Gem dokumentation (PDF) ...": a small dialog with the names on the
// cover (firm, "Udført af", "Kontrolleret af", case number), filled in from
// the program's settings and changeable for this document; then the file
// name, and the calculation document built and saved by the core.
#include <string>

#include <QDialog>

#include "common/dialog.h"
#include "common/ur.h"
#include "project/inddataside.h"

class QLineEdit;

namespace kvistor {

struct TDokumentationsNavne;

class TDokumentationDialog : public QDialog {
 public:
  // The fields in the order Firma, Udført af, Kontrolleret af, Sag.
  static constexpr int AntalFelter = 4;
  TDokumentationDialog(const std::string (&navne)[AntalFelter], QWidget* foraelder = nullptr);
  QLineEdit* Felt(int i) const { return felter_[i]; }
  std::string Navn(int i) const;

 private:
  QLineEdit* felter_[AntalFelter] = {};
};

// The names the settings hold, the firm as the report's head has it (the
// installation's firm when the settings have none); the case number is
// empty. Settings that cannot be read are told and left out.
void IndstilledeNavne(const TInddataside& side, TBrugerDialog& dlg,
                      std::string (&navne)[TDokumentationDialog::AntalFelter]);

// Asks for the file name and saves the document of the record as it
// stands. `projektfil` is the file the record was read from or saved to,
// for the cover; the fingerprint there is that of the record as it would
// be saved now. True when the file was written.
bool GemDokumentationsPdf(const TInddataside& side,
                          const std::string (&navne)[TDokumentationDialog::AntalFelter],
                          const TUr& ur, TBrugerDialog& dlg, const std::string& projektfil = {});

// The command: opens the dialog window-modal, without a nested event loop,
// and runs GemDokumentationsPdf when it is accepted. `side`, `ur` and `dlg`
// outlive the dialog (the window owns them); it deletes itself on closing.
TDokumentationDialog* AabnGemDokumentation(QWidget* foraelder, const TInddataside& side, const TUr& ur,
                                           TBrugerDialog& dlg, const std::string& projektfil = {});

}  // namespace kvistor
