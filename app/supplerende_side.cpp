#include "app/supplerende_side.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/printer.h"
#include "app/sidebyg.h"
#include "calculation/tavsdialog.h"
#include "project/inddatafil.h"
#include "report/gem.h"

namespace kvistor {

TSupplerendeSide::TSupplerendeSide(TBrugerDialog& dlg, const TUr& ur, QWidget* foraelder)
    : QWidget(foraelder), dlg_(dlg), ur_(ur) {
  setObjectName(QStringLiteral("SupplerendeKontrol"));
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(6, 4, 6, 0);
  v->setSpacing(4);
  auto* linje = new QHBoxLayout;
  titel_ = new QLabel;
  titel_->setWordWrap(true);
  titel_->setTextFormat(Qt::PlainText);
  titel_->setText(QStringLiteral(
      "Skærpet kontrol og brandmodstand, ved siden af rapporten, som de ikke ændrer. "
      "Kontrollerne vælges på \"Inddata 2\"."));
  udskriv_ = new QPushButton(QStringLiteral("Udskriv ..."));
  gem_ = new QPushButton(QStringLiteral("Gem som ..."));
  udskriv_->setToolTip(QStringLiteral("Udskriver siden som resultatet udskrives"));
  gem_->setToolTip(QStringLiteral("Gemmer siden som tekstfil"));
  linje->addWidget(titel_, 1);
  linje->addWidget(udskriv_);
  linje->addWidget(gem_);
  v->addLayout(linje);
  tekst_ = new QPlainTextEdit;
  tekst_->setReadOnly(true);
  tekst_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  tekst_->setLineWrapMode(QPlainTextEdit::NoWrap);
  tekst_->setFrameShape(QFrame::NoFrame);
  tekst_->setFont(RapportSkrift());  // as the result page
  v->addWidget(tekst_, 1);
  connect(udskriv_, &QPushButton::clicked, this, [this] { Udskriv(); });
  connect(gem_, &QPushButton::clicked, this, [this] { Gem(); });
  udskriv_->setEnabled(false);
  gem_->setEnabled(false);
}

void TSupplerendeSide::Vis(const TInddataside& side) {
  mappe_ = FildialogMappe(side);
  if (beregnet_ && *beregnet_ == side.Inddata && firma_ == side.Firmanavn) return;
  beregnet_ = side.Inddata;
  firma_ = side.Firmanavn;
  TTavsDialog tavs;
  rapport_ = BeregnSupplerendeRapport(side.Inddata, ProjektetsSupplerendeValg(side.Inddata), tavs,
                                      ur_, side.Firmanavn);
  harLinjer_ = rapport_.Udfald == TRapportUdfald::Bygget && rapport_.Valg.Nogen();
  if (rapport_.Udfald == TRapportUdfald::Bygget)
    tekst_->setPlainText(SomTekst(rapport_.Linjer));
  else
    tekst_->setPlainText(QStringLiteral("Ikke beregnet: ") + Q(tavs.Foerste));
  udskriv_->setEnabled(harLinjer_);
  gem_->setEnabled(harLinjer_);
}

void TSupplerendeSide::Udskriv() {
  if (!harLinjer_) return;
  UdskrivRapportlinjer(this, rapport_.Linjer, dlg_, pdfUdskrift_);
}

void TSupplerendeSide::Gem() {
  if (!harLinjer_) return;
  TRapportResultat r;
  r.Rapport = rapport_.Linjer;
  GemResultat(&r, 0, mappe_, dlg_);
}

}  // namespace kvistor
