#include "app/qt_laerred.h"

#include <algorithm>
#include <cmath>

#include <QFontMetrics>
#include <QPolygon>

namespace kvistor {

QColor TilQFarve(TFarve f) { return QColor(f.R, f.G, f.B); }

TQtLaerred::TQtLaerred(QPainter& maler) : maler_(maler), skrift_(maler.font()) {
  maler_.setBrush(QBrush(Qt::white, Qt::SolidPattern));
}

void TQtLaerred::SaetPen(TPenStil stil, int bredde, TFarve farve) {
  Qt::PenStyle qs = Qt::SolidLine;
  switch (stil) {
    case TPenStil::Fuld: qs = Qt::SolidLine; break;
    case TPenStil::Prikket: qs = Qt::DotLine; break;
    case TPenStil::StregPrik: qs = Qt::DashDotLine; break;
    case TPenStil::Stiplet: qs = Qt::DashLine; break;
  }
  QPen pen(TilQFarve(farve));
  // A width of 0 or 1 is the thinnest line the device has (a cosmetic pen),
  // so thin lines stay thin on a 600 dpi printer page too.
  pen.setWidth(bredde > 1 ? bredde : 0);
  pen.setStyle(qs);
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  maler_.setPen(pen);
  penFarve_ = farve;
}

void TQtLaerred::OpdaterPensel() {
  switch (penselStil_) {
    case TPenselStil::Ingen: maler_.setBrush(Qt::NoBrush); break;
    case TPenselStil::Fuld: maler_.setBrush(QBrush(TilQFarve(penselFarve_), Qt::SolidPattern)); break;
    case TPenselStil::Kryds: maler_.setBrush(QBrush(TilQFarve(penselFarve_), Qt::DiagCrossPattern)); break;
  }
}

void TQtLaerred::SaetPenselStil(TPenselStil stil) {
  penselStil_ = stil;
  OpdaterPensel();
}

void TQtLaerred::SaetPenselFarve(TFarve farve) {
  penselFarve_ = farve;
  OpdaterPensel();
}

void TQtLaerred::FlytTil(int x, int y) { position_ = QPoint(x, y); }

void TQtLaerred::LinjeTil(int x, int y) {
  const QPoint til(x, y);
  maler_.drawLine(position_, til);
  position_ = til;
}

void TQtLaerred::Polygon(const std::vector<TPixelPunkt>& punkter) {
  QPolygon p;
  p.reserve(static_cast<int>(punkter.size()));
  for (const auto& q : punkter) p << QPoint(q.X, q.Y);
  maler_.drawPolygon(p);
}

void TQtLaerred::SaetPixel(int x, int y, TFarve farve) {
  const QPen gem = maler_.pen();
  maler_.setPen(QPen(TilQFarve(farve), 0));
  maler_.drawPoint(x, y);
  maler_.setPen(gem);
}

int TQtLaerred::TekstBredde(const std::string& tekst) {
  return maler_.fontMetrics().horizontalAdvance(QString::fromStdString(tekst));
}

int TQtLaerred::TekstHoejde(const std::string& tekst) {
  (void)tekst;
  return maler_.fontMetrics().height();
}

void TQtLaerred::SaetTekstSkala(double skala) {
  if (!std::isfinite(skala)) skala = 1;
  skala = std::clamp(skala, 0.1, 10.0);
  QFont f = skrift_;
  if (skrift_.pointSizeF() > 0)
    f.setPointSizeF(skrift_.pointSizeF() * skala);
  else
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(skrift_.pixelSize() * skala))));
  maler_.setFont(f);
}

void TQtLaerred::SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) {
  vandret_ = vandret;
  lodret_ = lodret;
}

void TQtLaerred::TekstUd(int x, int y, const std::string& tekst) {
  const QString t = QString::fromStdString(tekst);
  const QFontMetrics fm = maler_.fontMetrics();
  int venstre = x;
  if (vandret_ == TVandretJust::Midte) venstre = x - fm.horizontalAdvance(t) / 2;
  if (vandret_ == TVandretJust::Hoejre) venstre = x - fm.horizontalAdvance(t);
  const int grundlinje = lodret_ == TLodretJust::Top ? y + fm.ascent() : y - fm.descent();
  const QPen gem = maler_.pen();
  maler_.setPen(TilQFarve(tekstFarve_));
  maler_.drawText(venstre, grundlinje, t);
  maler_.setPen(gem);
}

}  // namespace kvistor
