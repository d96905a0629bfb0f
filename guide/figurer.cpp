#include "guide/figurer.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>
#include <vector>

#include "app/qt_laerred.h"
#include "graphics/billeder.h"
#include "graphics/displayliste.h"
#include "graphics/kontrol_laengde.h"
#include "graphics/kontroltegning.h"
#include "graphics/visning.h"

namespace kvistor {

namespace {

// The control drawings are made for a window's paint box; drawn into a
// surface of about that many pixels, with the window's text size, they look
// on paper as they do on the screen.
constexpr int SkaermSkrift = 16;

void SaetSkaermSkrift(QPainter& p, int pixel = SkaermSkrift) {
  QFont f("Liberation Sans");
  f.setPixelSize(pixel);
  p.setFont(f);
}

TFigur Kontroltegning(const TVejledningsKilde& k, TKontroltegning t, double bMm, double hMm) {
  TFigur f;
  f.BreddeMm = bMm;
  f.HoejdeMm = hMm;
  const Inddata ind = k.Side.Inddata;
  f.Tegn = [ind, t](QPainter& p, double b, double h) {
    SaetSkaermSkrift(p);
    TQtLaerred l(p);
    TegnKontroltegning(t, ind, l, static_cast<int>(b), static_cast<int>(h));
  };
  return f;
}

TFigur Charnierdetalje(const TVejledningsKilde& k) {
  TFigur f;
  f.BreddeMm = 80;
  f.HoejdeMm = 50;
  const Inddata ind = k.Side.Inddata;
  const TSupplData sd = k.Suppl;
  f.Tegn = [ind, sd](QPainter& p, double b, double h) {
    SaetSkaermSkrift(p);
    TQtLaerred l(p);
    // The detail of the longitudinal drawing, at its own place and scale,
    // alone in the frame.
    TLinjeListe linjer;
    TTekstGruppeListe tekster;
    const double u = sd.LTag / 100;
    TegnCharnierDetalje(linjer, ind, sd, sd.LTag / 2, -30 * u);
    Vis(l, static_cast<int>(b), static_cast<int>(h), linjer, tekster, true);
  };
  return f;
}

// A help picture as the help page shows it: 648 x 464 pixels at the
// window's size, here scaled to the figure.
TFigur Hjaelpebillede(TBillede b) {
  TFigur f;
  f.BreddeMm = 150;
  f.HoejdeMm = 150 * 464.0 / 648.0;
  f.LogiskBredde = 648;
  f.Tegn = [b](QPainter& p, double bredde, double hoejde) {
    SaetSkaermSkrift(p, 12);
    TQtLaerred l(p);
    TegnBillede(b, l, static_cast<int>(bredde), static_cast<int>(hoejde));
  };
  return f;
}

// The first printed page of the report: the printer's two empty lines at the
// top, ten blanks of left margin, Courier-like type at 10 points on A4. The
// surface is in points of the page.
TFigur Rapportside(const TVejledningsKilde& k) {
  TFigur f;
  f.BreddeMm = 140;
  f.HoejdeMm = 140 * 297.0 / 210.0;
  const TTekstlinjer linjer = k.Normal.Rapport;
  f.Tegn = [linjer](QPainter& p, double b, double h) {
    const double sx = b / 595.0, sy = h / 842.0;
    p.scale(sx, sy);
    QFont skrift("Liberation Mono");
    skrift.setPixelSize(10);
    p.setFont(skrift);
    p.setPen(Qt::black);
    const QFontMetricsF fm(skrift, p.device());
    const double linje = fm.lineSpacing();
    const double tegn = fm.horizontalAdvance(QString(10, ' '));
    const double top = 30, bund = 842 - 30, venstre = 20;
    double y = top + 2 * linje + fm.ascent();
    for (const std::string& s : linjer) {
      if (y > bund) break;
      p.drawText(QPointF(venstre + tegn, y), QString::fromStdString(s));
      y += linje;
    }
  };
  return f;
}

}  // namespace

std::map<QString, TFigur> GuidensFigurer(const TVejledningsKilde& k) {
  std::map<QString, TFigur> m;
  m["kontrol_tvaer"] = Kontroltegning(k, TKontroltegning::Tvaer, 165, 100);
  m["kontrol_laengde"] = Kontroltegning(k, TKontroltegning::Laengde, 165, 92);
  m["charnierdetalje"] = Charnierdetalje(k);
  m["rapportside"] = Rapportside(k);
  m["hjaelp_tvaer"] = Hjaelpebillede(TBillede::HjaelpTvaer);
  m["hjaelp_laengde"] = Hjaelpebillede(TBillede::HjaelpLaengde);
  return m;
}

QSizeF TFigurHaandtering::intrinsicSize(QTextDocument*, int, const QTextFormat& format) {
  const auto it = figurer_.find(format.property(FigurNavnEgenskab).toString());
  if (it == figurer_.end()) return QSizeF(10, 10);
  return QSizeF(it->second.BreddeMm * enhederPrMm_, it->second.HoejdeMm * enhederPrMm_);
}

void TFigurHaandtering::drawObject(QPainter* maler, const QRectF& rect, QTextDocument*, int,
                                   const QTextFormat& format) {
  const auto it = figurer_.find(format.property(FigurNavnEgenskab).toString());
  if (it == figurer_.end()) return;
  const TFigur& f = it->second;
  // The figure draws in screen-like units, the height in the figure's
  // proportions.
  const double b = f.LogiskBredde;
  const double h = f.LogiskBredde * f.HoejdeMm / f.BreddeMm;
  maler->save();
  maler->setRenderHint(QPainter::Antialiasing, true);
  maler->fillRect(rect, Qt::white);
  maler->setClipRect(rect);
  maler->translate(rect.topLeft());
  maler->scale(rect.width() / b, rect.height() / h);
  f.Tegn(*maler, b, h);
  maler->restore();
  maler->save();
  QPen ramme(QColor(150, 150, 150));
  ramme.setWidthF(0.25 * enhederPrMm_);
  maler->setPen(ramme);
  maler->setBrush(Qt::NoBrush);
  maler->drawRect(rect);
  maler->restore();
}

QStringList IndsaetFigurer(QTextDocument& doc, const TFigurHaandtering& h) {
  struct TSted {
    int pos;
    QString navn;
  };
  std::vector<TSted> steder;
  QStringList ukendte;
  for (QTextBlock blok = doc.begin(); blok.isValid(); blok = blok.next()) {
    for (auto it = blok.begin(); !it.atEnd(); ++it) {
      const QTextFragment frag = it.fragment();
      if (!frag.charFormat().isImageFormat()) continue;
      const QString navn = frag.charFormat().toImageFormat().name();
      if (!navn.startsWith("figur:")) continue;
      const QString kort = navn.mid(6);
      if (!h.Findes(kort)) {
        ukendte << kort;
        continue;
      }
      for (int i = 0; i < frag.length(); ++i) steder.push_back({frag.position() + i, kort});
    }
  }
  for (auto it = steder.rbegin(); it != steder.rend(); ++it) {
    QTextCursor c(&doc);
    c.setPosition(it->pos);
    c.setPosition(it->pos + 1, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setObjectType(FigurObjekt);
    f.setProperty(FigurNavnEgenskab, it->navn);
    c.insertText(QString(QChar::ObjectReplacementCharacter), f);
  }
  return ukendte;
}

}  // namespace kvistor
