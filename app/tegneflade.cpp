#include "app/tegneflade.h"

#include <QPainter>

#include "app/qt_laerred.h"

namespace kvistor {

TTegneflade::TTegneflade(TTegner tegner, QWidget* foraelder)
    : QWidget(foraelder), tegner_(std::move(tegner)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMinimumSize(120, 80);
}

void TTegneflade::SaetTegner(TTegner tegner) {
  tegner_ = std::move(tegner);
  update();
}

void TegnMed(QPainter& maler, const TTegner& tegner, int bredde, int hoejde) {
  maler.fillRect(0, 0, bredde, hoejde, Qt::white);
  if (!tegner) return;
  maler.setRenderHint(QPainter::Antialiasing, true);
  maler.setRenderHint(QPainter::TextAntialiasing, true);
  // Whole-pixel coordinates sit on pixel centres, so thin lines stay sharp
  // under antialiasing.
  maler.translate(0.5, 0.5);
  TQtLaerred laerred(maler);
  tegner(laerred, bredde, hoejde);
}

void TTegneflade::paintEvent(QPaintEvent*) {
  QPainter maler(this);
  TegnMed(maler, tegner_, width(), height());
}

}  // namespace kvistor
