#include "app/qt_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStringList>
#include <QTranslator>

namespace kvistor {

namespace {

QString TilQt(const std::string& tekst) {
  QString t = QString::fromStdString(tekst);
  t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return t;
}

QMessageBox::StandardButton VisBoks(QWidget* foraelder, QMessageBox::Icon ikon, const QString& titel,
                                    const std::string& tekst, QMessageBox::StandardButtons knapper,
                                    QMessageBox::StandardButton standard) {
  QMessageBox boks(ikon, titel, TilQt(tekst), knapper, foraelder);
  boks.setDefaultButton(standard);
  return static_cast<QMessageBox::StandardButton>(boks.exec());
}

std::optional<std::string> FilDialog(QWidget* foraelder, const TFilDialog& d, bool gem) {
  QFileDialog fd(foraelder, QString::fromStdString(d.titel), QString::fromStdString(d.mappe),
                 QtFilter(d.filter));
  fd.setAcceptMode(gem ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  fd.setFileMode(gem ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!d.standardExt.empty()) fd.setDefaultSuffix(QString::fromStdString(d.standardExt));
  if (gem && !d.spoergOmOverskriv) fd.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (fd.exec() != QDialog::Accepted || fd.selectedFiles().isEmpty()) return std::nullopt;
  return fd.selectedFiles().first().toStdString();
}

}  // namespace

QString QtFilter(const std::string& filter) {
  const QStringList dele = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList ud;
  for (int i = 0; i < dele.size(); i += 2) ud << dele[i];
  return ud.join(QStringLiteral(";;"));
}

void TQtDialog::Fejl(const std::string& t) {
  VisBoks(foraelder_, QMessageBox::Critical, QStringLiteral("Fejl"), t, QMessageBox::Ok, QMessageBox::Ok);
}
void TQtDialog::Advarsel(const std::string& t) {
  VisBoks(foraelder_, QMessageBox::Warning, QStringLiteral("Advarsel"), t, QMessageBox::Ok, QMessageBox::Ok);
}
void TQtDialog::Besked(const std::string& t) {
  VisBoks(foraelder_, QMessageBox::NoIcon, QString::fromUtf8(ProgramTitel), t, QMessageBox::Ok,
          QMessageBox::Ok);
}
void TQtDialog::Information(const std::string& t) {
  VisBoks(foraelder_, QMessageBox::Information, QStringLiteral("Information"), t, QMessageBox::Ok,
          QMessageBox::Ok);
}
bool TQtDialog::InformationOkAnnuller(const std::string& t) {
  return VisBoks(foraelder_, QMessageBox::Information, QStringLiteral("Information"), t,
                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}
void TQtDialog::FejlDialog(const std::string& t) {
  VisBoks(foraelder_, QMessageBox::Critical, QStringLiteral("Fejl"), t, QMessageBox::Ok, QMessageBox::Ok);
}
bool TQtDialog::FejlDialogOkAnnuller(const std::string& t) {
  return VisBoks(foraelder_, QMessageBox::Critical, QStringLiteral("Fejl"), t,
                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}
bool TQtDialog::AdvarselOkAnnuller(const std::string& t) {
  return VisBoks(foraelder_, QMessageBox::Warning, QStringLiteral("Advarsel"), t,
                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}
bool TQtDialog::JaNej(const std::string& t) {
  return VisBoks(foraelder_, QMessageBox::Question, QStringLiteral("Bekræft"), t,
                 QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}
void TQtDialog::FejlMedTitel(const std::string& titel, const std::string& t) {
  VisBoks(foraelder_, QMessageBox::Critical, QString::fromStdString(titel), t, QMessageBox::Ok,
          QMessageBox::Ok);
}
void TQtDialog::InformationMedTitel(const std::string& titel, const std::string& t) {
  VisBoks(foraelder_, QMessageBox::Information, QString::fromStdString(titel), t, QMessageBox::Ok,
          QMessageBox::Ok);
}
void TQtDialog::Bip() { QApplication::beep(); }

std::optional<std::string> TQtDialog::AabnFilnavn(const TFilDialog& d) {
  return FilDialog(foraelder_, d, false);
}
std::optional<std::string> TQtDialog::GemFilnavn(const TFilDialog& d) {
  return FilDialog(foraelder_, d, true);
}

bool IndlaesDanskeOversaettelser(QCoreApplication& app) {
  QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
  // The translator lives as long as the application.
  auto* qt = new QTranslator(&app);
  if (!qt->load(QLocale(QLocale::Danish, QLocale::Denmark), QStringLiteral("qt"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete qt;
    return false;
  }
  app.installTranslator(qt);
  return true;
}

}  // namespace kvistor
