#include "app/domstrimmel_widget.h"

#include <QLabel>
#include <QVBoxLayout>

namespace kvistor {

namespace {

void SaetFarve(QLabel* l, const QColor& c) {
  QPalette p = l->palette();
  p.setColor(QPalette::WindowText, c);
  l->setPalette(p);
}

}  // namespace

QColor StrimmelFarve(bool ok) { return ok ? QColor(0, 128, 0) : QColor(Qt::red); }

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
    l = new QLabel;
    l->setTextFormat(Qt::PlainText);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
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
    // The verdict in words as well as in colour, for those who cannot tell
    // red from green, and on a black-and-white print of the screen.
    const TStrimmelFelt& f = s.Felter[static_cast<std::size_t>(i)];
    tal_[i]->setText(QString::fromStdString(f.Tekst) + (f.Ok ? QStringLiteral(" – OK") : QStringLiteral(" – IKKE OK")));
    SaetFarve(tal_[i], StrimmelFarve(s.Felter[static_cast<std::size_t>(i)].Ok));
  }
  besked_->setVisible(!s.Beregnet);
  besked_->setText(QStringLiteral("Ikke beregnet: ") + QString::fromStdString(s.Besked));
  besked_->setToolTip(besked_->text());
  TilpasHoejder();
}

void TDomStrimmelVisning::TilpasHoejder() {
  // A wrapped label in the fixed-width column does not pass its height up
  // through the layouts by itself (a rule's message): each takes the height
  // it needs at the strip's width.
  const int b = contentsRect().width() - 8;
  if (b <= 0) return;
  for (QLabel* l : {tal_[0], tal_[1], tal_[2], besked_}) {
    const int h = l->isHidden() ? 0 : l->heightForWidth(b);
    if (l->minimumHeight() != h) l->setMinimumHeight(h);
  }
}

void TDomStrimmelVisning::resizeEvent(QResizeEvent* e) {
  QFrame::resizeEvent(e);
  TilpasHoejder();
}

}  // namespace kvistor
