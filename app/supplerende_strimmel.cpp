#include "app/supplerende_strimmel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "app/domstrimmel_widget.h"

namespace kvistor {

namespace {

void Saet(QLabel* l, const TStrimmelFelt& f) {
  l->setText(QString::fromStdString(f.Tekst));
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, StrimmelFarve(f.Ok));
  l->setPalette(p);
  l->show();
}

// A figure with its verdict in words, as in the first block.
void SaetMedDom(QLabel* l, const TStrimmelFelt& f) {
  VisStrimmelFelt(l, f);
  l->show();
}

}  // namespace

TSupplerendeStrimmelVisning::TSupplerendeStrimmelVisning(QWidget* foraelder) : QFrame(foraelder) {
  setObjectName(QStringLiteral("SupplerendeStrimmel"));
  setFrameShape(QFrame::StyledPanel);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 3, 4, 3);
  v->setSpacing(1);
  auto* titel = new QLabel(QStringLiteral("Supplerende kontrol"));
  titel->setToolTip(QStringLiteral(
      "Kontrollerne valgt i gruppen \"Supplerende kontrol\" på \"Inddata 2\". De ændrer ikke "
      "rapporten; se fanebladet \"Supplerende kontrol\"."));
  v->addWidget(titel);
  skaerpet_ = new QLabel(QStringLiteral("Skærpet kontrol:"));
  v->addWidget(skaerpet_);
  for (QLabel*& l : tal_) {
    l = NyStrimmelEtiket();
    v->addWidget(l);
  }
  Vis(strimmel_);
}

void TSupplerendeStrimmelVisning::Vis(const TSupplerendeStrimmel& s) {
  strimmel_ = s;
  setVisible(!s.Tom());
  const bool skaerpet = s.Skaerpet.has_value();
  skaerpet_->setVisible(skaerpet);
  for (int i = 0; i < 3; ++i) {
    if (skaerpet && s.Skaerpet->Beregnet)
      SaetMedDom(tal_[i], s.Skaerpet->Felter[static_cast<std::size_t>(i)]);
    else
      tal_[i]->hide();
  }
  // A stricter run that stopped says why in its first line.
  if (skaerpet && !s.Skaerpet->Beregnet) Saet(tal_[0], {"Ikke beregnet: " + s.Skaerpet->Besked, false});
  if (s.Brand)
    Saet(tal_[3], *s.Brand);
  else
    tal_[3]->hide();
  TilpasHoejder();
}

void TSupplerendeStrimmelVisning::TilpasHoejder() {
  TilpasEtiketHoejder(*this, {tal_[0], tal_[1], tal_[2], tal_[3]});
}

void TSupplerendeStrimmelVisning::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  TilpasHoejder();
}

}  // namespace kvistor
