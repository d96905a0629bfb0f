#include "app/dokumentation_dialog.h"

#include <filesystem>

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/indstillinger.h"
#include "common/tegnsaet.h"
#include "documents/dokumentation.h"
#include "project/inddatafil.h"
#include "report/hoved.h"

namespace kvistor {

namespace {

const char* const Ledetekster[TDokumentationDialog::AntalFelter] = {"&Firma:", "&Udført af:",
                                                                    "&Kontrolleret af:", "&Sag nr.:"};

}  // namespace

TDokumentationDialog::TDokumentationDialog(const std::string (&navne)[AntalFelter], QWidget* foraelder)
    : QDialog(foraelder) {
  setWindowTitle(QStringLiteral("Gem dokumentation (PDF)"));
  setObjectName(QStringLiteral("Dokumentation"));
  auto* v = new QVBoxLayout(this);
  auto* forklaring = new QLabel(QStringLiteral(
      "Navnene står på forsiden og i sidehovedet. De er hentet fra programmets indstillinger "
      "og kan rettes her for dette dokument. Et tomt navn giver en tom linje at skrive på."));
  forklaring->setWordWrap(true);
  v->addWidget(forklaring);
  auto* f = new QFormLayout;
  for (int i = 0; i < AntalFelter; ++i) {
    felter_[i] = new QLineEdit(QString::fromStdString(navne[i]));
    felter_[i]->setMinimumWidth(felter_[i]->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    f->addRow(QString::fromUtf8(Ledetekster[i]), felter_[i]);
  }
  v->addLayout(f);
  auto* knapper = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  knapper->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Gem ..."));
  knapper->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Annuller"));
  v->addWidget(knapper);
  connect(knapper, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knapper, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::string TDokumentationDialog::Navn(int i) const { return felter_[i]->text().trimmed().toStdString(); }

void IndstilledeNavne(const TInddataside& side, TBrugerDialog& dlg,
                      std::string (&navne)[TDokumentationDialog::AntalFelter]) {
  const std::string fil = IndstillingsfilNavn();
  TIndstillinger ind;
  if (const TFilUdfald u = LaesIndstillinger(fil, ind); !u) {
    dlg.Advarsel("Indstillingerne kan ikke læses:\r\n" + fil + "\r\n" + u.aarsag);
    ind = {};
  }
  const std::string firma = FirmanavnFraIndstillinger(ind);
  navne[0] = firma.empty() ? side.Firmanavn : firma;
  navne[1] = LaesTekst(ind, NoegleUdfoertAf).value_or("");
  navne[2] = LaesTekst(ind, NoegleKontrolleretAf).value_or("");
  navne[3].clear();
}

bool GemDokumentationsPdf(const TInddataside& side,
                          const std::string (&navne)[TDokumentationDialog::AntalFelter],
                          const TUr& ur, TBrugerDialog& dlg, const std::string& projektfil) {
  TFilDialog d;
  d.titel = "Gem dokumentation (PDF)";
  d.filter = "PDF-dokument (*.pdf)|*.pdf";
  d.standardExt = "pdf";
  d.mappe = FildialogMappe(side);
  d.spoergOmOverskriv = true;
  d.forslag = projektfil.empty() ? FilnavnForslag(side, ".pdf")
                                 : std::filesystem::path(projektfil).stem().string() + ".pdf";
  const std::optional<std::string> fil = dlg.GemFilnavn(d);
  if (!fil) return false;

  TDokumentationsGrundlag g;
  g.Ind = side.Inddata;
  std::vector<std::string> linjer;
  SkrivInddatafil(side, linjer);
  g.ProjektBytes = Utf8TilCp1252(SamlLinjerCrLf(linjer));
  g.Projektfil = projektfil.empty() ? "(ikke gemt)"
                                    : std::filesystem::path(projektfil).filename().string() +
                                          (side.InddataAendret ? " (ændret siden)" : "");
  g.Navne = {navne[0], navne[1], navne[2], navne[3]};
  return GemDokumentation(*fil, g, ur, dlg);
}

TDokumentationDialog* AabnGemDokumentation(QWidget* foraelder, const TInddataside& side, const TUr& ur,
                                           TBrugerDialog& dlg, const std::string& projektfil) {
  std::string navne[TDokumentationDialog::AntalFelter];
  IndstilledeNavne(side, dlg, navne);
  auto* d = new TDokumentationDialog(navne, foraelder);
  d->setAttribute(Qt::WA_DeleteOnClose);
  QObject::connect(d, &QDialog::accepted, d, [d, &side, &ur, &dlg, projektfil] {
    std::string valgte[TDokumentationDialog::AntalFelter];
    for (int i = 0; i < TDokumentationDialog::AntalFelter; ++i) valgte[i] = d->Navn(i);
    GemDokumentationsPdf(side, valgte, ur, dlg, projektfil);
  });
  d->open();
  return d;
}

}  // namespace kvistor
