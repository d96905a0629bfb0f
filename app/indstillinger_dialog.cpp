#include "app/indstillinger_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QVBoxLayout>

#include "common/indstillinger.h"
#include "project/inddata.h"

namespace kvistor {

namespace {

struct TFeltValg {
  std::string_view noegle;
  const char* ledetekst;
  const char* hint;
};

const TFeltValg Felter[3] = {
    {NoegleFirma, "&Firma", "Firmanavnet i rapportens og dokumentationens hoved"},
    {NoegleUdfoertAf, "&Udført af", "Den, der har udført beregningen"},
    {NoegleKontrolleretAf, "&Kontrolleret af", "Den, der har kontrolleret beregningen"},
};

QString Noegle(std::string_view n) { return QString::fromUtf8(n.data(), static_cast<qsizetype>(n.size())); }

}  // namespace

std::unique_ptr<QSettings> AabnIndstillinger() {
  return std::make_unique<QSettings>(QString::fromStdString(IndstillingsfilNavn()), QSettings::IniFormat);
}

TIndstillingsDialog::TIndstillingsDialog(QWidget* foraelder) : QDialog(foraelder) {
  setWindowTitle(QStringLiteral("Indstillinger"));
  setObjectName(QStringLiteral("Indstillinger"));
  auto* lag = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  const auto s = AabnIndstillinger();
  for (int i = 0; i < 3; ++i) {
    auto* e = new QLineEdit(s->value(Noegle(Felter[i].noegle)).toString());
    e->setObjectName(Noegle(Felter[i].noegle));
    e->setToolTip(QString::fromUtf8(Felter[i].hint));
    e->setMinimumWidth(e->fontMetrics().averageCharWidth() * 40);
    if (i == 0) e->setMaxLength(KapFirmanavn);
    felter_[i] = e;
    form->addRow(QString::fromUtf8(Felter[i].ledetekst), e);
  }
  lag->addLayout(form);
  auto* note = new QLabel(QStringLiteral("Indstillingerne gælder både vinduet og kommandolinjen."));
  note->setWordWrap(true);
  lag->addWidget(note);
  auto* knapper = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(knapper, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(knapper, &QDialogButtonBox::rejected, this, &QDialog::reject);
  lag->addWidget(knapper);
}

void TIndstillingsDialog::accept() {
  const auto s = AabnIndstillinger();
  for (int i = 0; i < 3; ++i) {
    const QString t = felter_[i]->text().trimmed();
    if (t.isEmpty()) s->remove(Noegle(Felter[i].noegle));
    else s->setValue(Noegle(Felter[i].noegle), t);
  }
  s->sync();
  QDialog::accept();
}

}  // namespace kvistor
