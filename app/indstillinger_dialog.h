#pragma once
// The settings in one place: the dialog "Indstillinger" (the firm, "Udført
// af", "Kontrolleret af") and the window's way into the settings file. The
// file is the one the core reads without Qt (common/indstillinger.h), so the
// report's firm and the command line's firm are the same.
#include <memory>

#include <QDialog>

class QLineEdit;
class QSettings;

namespace kvistor {

// The settings file, $XDG_CONFIG_HOME/Kvistor/Kvistor.conf (else
// ~/.config/...), as QSettings for organisation and application "Kvistor"
// names it; the name is looked up afresh each time.
std::unique_ptr<QSettings> AabnIndstillinger();

class TIndstillingsDialog : public QDialog {
 public:
  explicit TIndstillingsDialog(QWidget* foraelder = nullptr);

  // The three fields: firm, "Udført af", "Kontrolleret af".
  QLineEdit* Felt(int i) const { return felter_[i]; }

  // OK: the three texts are stored.
  void accept() override;

 private:
  QLineEdit* felter_[3] = {};
};

}  // namespace kvistor
