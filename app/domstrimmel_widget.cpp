#include "app/domstrimmel_widget.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kvistor {

QColor StrimmelFarve(bool ok) { return ok ? QColor(0, 128, 0) : QColor(Qt::red); }

QLabel* NyStrimmelEtiket() {
  auto* l = new QLabel;
  l->setTextFormat(Qt::PlainText);
  l->setWordWrap(true);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  return l;
}

void VisStrimmelFelt(QLabel* etiket, const TStrimmelFelt& felt) {
  etiket->setText(QString::fromStdString(felt.Tekst) +
                  (felt.Ok ? QStringLiteral(" – OK") : QStringLiteral(" – IKKE OK")));
  QPalette p = etiket->palette();
  p.setColor(QPalette::WindowText, StrimmelFarve(felt.Ok));
  etiket->setPalette(p);
}

void TilpasEtiketHoejder(const QFrame& ramme, std::initializer_list<QLabel*> etiketter) {
  const int b = ramme.contentsRect().width() - 8;
  if (b <= 0) return;
  for (QLabel* l : etiketter) {
    const int h = l->isHidden() ? 0 : l->heightForWidth(b);
    if (l->minimumHeight() != h) l->setMinimumHeight(h);
  }
}

TDomStrimmelVisning::TDomStrimmelVisning(QWidget* foraelder) : QFrame(foraelder) {
  setObjectName(QStringLiteral("DomStrimmel"));
  setFrameShape(QFrame::StyledPanel);
  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(4, 3, 4, 3);
  v->setSpacing(1);
  auto* titel = new QLabel(QStringLiteral("Løbende kontrol"));
  titel->setToolTip(QStringLiteral(
      "Beregnes efter hver ændring af inddata. Rapporten dannes først på fanebladet "
      "\"Beregningsresultat\"."));
  v->addWidget(titel);
  for (QLabel*& l : tal_) {
    l = NyStrimmelEtiket();
    v->addWidget(l);
  }
  besked_ = new QLabel;
  besked_->setTextFormat(Qt::PlainText);
  besked_->setWordWrap(true);
  v->addWidget(besked_);
  Vis(strimmel_);
}

void TDomStrimmelVisning::Vis(const TDomStrimmel& s) {
  strimmel_ = s;
  for (int i = 0; i < 3; ++i) {
    tal_[i]->setVisible(s.Beregnet);
    if (!s.Beregnet) continue;
    VisStrimmelFelt(tal_[i], s.Felter[static_cast<std::size_t>(i)]);
  }
  besked_->setVisible(!s.Beregnet);
  besked_->setText(QStringLiteral("Ikke beregnet: ") + QString::fromStdString(s.Besked));
  besked_->setToolTip(besked_->text());
  TilpasHoejder();
}

void TDomStrimmelVisning::TilpasHoejder() {
  TilpasEtiketHoejder(*this, {tal_[0], tal_[1], tal_[2], besked_});
}

void TDomStrimmelVisning::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  TilpasHoejder();
}

}  // namespace kvistor
