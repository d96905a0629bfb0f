#include "app/omvindue.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "app/billedtegner.h"

namespace kvistor {

TOmVindue::TOmVindue(QWidget* foraelder) : QWidget(foraelder, Qt::Window) {
  setWindowTitle(QStringLiteral("Om Kvistor"));
  setObjectName(QStringLiteral("InfoForm"));
  setFixedSize(540, 558);
  auto* lag = new QVBoxLayout(this);
  lag->setContentsMargins(0, 0, 0, 0);
  billede_ = new TTegneflade(BilledTegner(TBilledvalg::Om), this);
  lag->addWidget(billede_);
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
