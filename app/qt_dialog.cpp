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

std::optional<std::string> FilDialog(QWidget* foraelder, const TFilDialog& d, bool gem) {
  QFileDialog fd(foraelder, QString::fromStdString(d.titel), QString::fromStdString(d.mappe),
                 QtFilter(d.filter));
  fd.setAcceptMode(gem ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  fd.setFileMode(gem ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (!d.standardExt.empty()) fd.setDefaultSuffix(QString::fromStdString(d.standardExt));
  if (gem && !d.spoergOmOverskriv) fd.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!d.forslag.empty()) fd.selectFile(QString::fromStdString(d.forslag));
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

TSvar TQtDialog::Meddel(TBeskedArt art, const std::string& titel, const std::string& tekst,
                       TKnapper knapper) {
  if (art == TBeskedArt::Bip) {
    QApplication::beep();
    return TSvar::Ok;
  }
  QMessageBox::Icon ikon = QMessageBox::NoIcon;
  QString standardTitel;
  switch (art) {
    case TBeskedArt::Fejl:
    case TBeskedArt::FejlDialog: ikon = QMessageBox::Critical; standardTitel = QStringLiteral("Fejl"); break;
    case TBeskedArt::Advarsel: ikon = QMessageBox::Warning; standardTitel = QStringLiteral("Advarsel"); break;
    case TBeskedArt::Besked: standardTitel = QString::fromUtf8(ProgramTitel); break;
    case TBeskedArt::Information:
      ikon = QMessageBox::Information;
      standardTitel = QStringLiteral("Information");
      break;
    case TBeskedArt::Spoergsmaal: ikon = QMessageBox::Question; standardTitel = QStringLiteral("Bekræft"); break;
    case TBeskedArt::Bip: break;
  }
  QMessageBox::StandardButtons knapperQt = QMessageBox::Ok;
  QMessageBox::StandardButton standard = QMessageBox::Ok, flugt = QMessageBox::Ok;
  switch (knapper) {
    case TKnapper::Ok: break;
    case TKnapper::OkAnnuller:
      knapperQt = QMessageBox::Ok | QMessageBox::Cancel;
      flugt = QMessageBox::Cancel;
      break;
    case TKnapper::JaNej:
      knapperQt = QMessageBox::Yes | QMessageBox::No;
      standard = QMessageBox::Yes;
      flugt = QMessageBox::No;
      break;
    case TKnapper::JaNejAnnuller:
      knapperQt = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      standard = QMessageBox::Yes;
      flugt = QMessageBox::Cancel;
      break;
  }
  QMessageBox boks(ikon, titel.empty() ? standardTitel : QString::fromStdString(titel), TilQt(tekst),
                   knapperQt, foraelder_);
  boks.setDefaultButton(standard);
  // Escape and the close box give the answer that keeps everything as it is.
  boks.setEscapeButton(flugt);
  switch (static_cast<QMessageBox::StandardButton>(boks.exec())) {
    case QMessageBox::Cancel: return TSvar::Annuller;
    case QMessageBox::Yes: return TSvar::Ja;
    case QMessageBox::No: return TSvar::Nej;
    case QMessageBox::Ok: return TSvar::Ok;
    default: return SikkertSvar(knapper);
  }
}

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
