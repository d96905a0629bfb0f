#include "app/omvindue.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QShortcut>
#include <QScreen>
#include <QVBoxLayout>

#include "app/billedtegner.h"

namespace kvistor {

TOmVindue::TOmVindue(QWidget* foraelder) : QWidget(foraelder, Qt::Window) {
  setWindowTitle(QStringLiteral("Om Kvistor"));
  setObjectName(QStringLiteral("InfoForm"));
  auto* lag = new QVBoxLayout(this);
  lag->setContentsMargins(0, 0, 0, 8);
  billede_ = new TTegneflade(BilledTegner(TBilledvalg::Om), this);
  billede_->setFixedSize(540, 558);
  lag->addWidget(billede_);
  luk_ = new QPushButton(QStringLiteral("Luk"));
  luk_->setDefault(true);
  connect(luk_, &QPushButton::clicked, this, &QWidget::close);
  lag->addWidget(luk_, 0, Qt::AlignHCenter);
  auto* flugt = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(flugt, &QShortcut::activated, this, &QWidget::close);
  setFixedSize(sizeHint());
}

void TOmVindue::Vis() {
  if (!isVisible()) {
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
      QRect r = frameGeometry();
      r.moveCenter(s->availableGeometry().center());
      move(r.topLeft());
    }
  }
  show();
  raise();
  activateWindow();
}

}  // namespace kvistor
