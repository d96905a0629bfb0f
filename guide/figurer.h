#pragma once
// The guide's figures, drawn by the program at build time through the same
// canvas as the window: the control drawings of Standard.aid, the hinge
// detail, a printed page of its result report. They are drawn as vectors
// straight into the PDF page by a text-object handler, so they are sharp at
// any zoom and cannot drift from the program.
#include <QObject>
#include <QSizeF>
#include <QString>
#include <QTextObjectInterface>
#include <functional>
#include <map>

#include "guide/kilde.h"

class QPainter;
class QTextDocument;

namespace kvistor {

struct TFigur {
  double BreddeMm = 160;  // printed size
  double HoejdeMm = 100;
  // Units across the surface the figure draws into: a window's paint box is
  // about 1100 pixels wide, a help page 648.
  double LogiskBredde = 1100;
  // Draws the figure into a surface of `bredde` x `hoejde` units.
  std::function<void(QPainter&, double bredde, double hoejde)> Tegn;
};

// Every figure the guide can show, by the name used in "![...](figur:navn)".
std::map<QString, TFigur> GuidensFigurer(const TVejledningsKilde& k);

inline constexpr int FigurObjekt = QTextFormat::UserObject + 1;
inline constexpr int FigurNavnEgenskab = QTextFormat::UserProperty + 1;

class TFigurHaandtering : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  // `enhederPrMm`: document units per millimetre of the page.
  TFigurHaandtering(std::map<QString, TFigur> figurer, double enhederPrMm)
      : figurer_(std::move(figurer)), enhederPrMm_(enhederPrMm) {}

  QSizeF intrinsicSize(QTextDocument* doc, int pos, const QTextFormat& format) override;
  void drawObject(QPainter* maler, const QRectF& rect, QTextDocument* doc, int pos,
                  const QTextFormat& format) override;

  bool Findes(const QString& navn) const { return figurer_.count(navn) > 0; }

 private:
  std::map<QString, TFigur> figurer_;
  double enhederPrMm_;
};

// Replaces every image "figur:navn" of the document by the figure object.
// Returns the names that are not figures of the guide.
QStringList IndsaetFigurer(QTextDocument& doc, const TFigurHaandtering& h);

}  // namespace kvistor
