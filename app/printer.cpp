#include "app/printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>

namespace kvistor {

bool SkrivLinjer(QPrinter& printer, const std::vector<TUdskriftLinje>& linjer) {
  QPainter maler;
  if (!maler.begin(&printer)) return false;
  QFont skrift(QStringLiteral("Courier New"));
  skrift.setStyleHint(QFont::TypeWriter);
  skrift.setPointSize(10);
  maler.setFont(skrift);
  const QFontMetrics fm = maler.fontMetrics();
  const int sidehoejde = printer.pageLayout().paintRectPixels(printer.resolution()).height();
  int y = fm.ascent();
  for (const TUdskriftLinje& l : linjer) {
    // A full page goes on to the next one, as a line printer would.
    if (l.Sideskift || y + fm.descent() > sidehoejde) {
      if (!printer.newPage()) return false;
      y = fm.ascent();
    }
    if (!l.Tekst.empty()) maler.drawText(0, y, QString::fromStdString(l.Tekst));
    y += fm.lineSpacing();
  }
  return maler.end();
}

bool SkrivLinjerTilPdf(const std::string& filnavn, const std::vector<TUdskriftLinje>& linjer) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(QString::fromStdString(filnavn));
  printer.setPageSize(QPageSize(QPageSize::A4));
  return SkrivLinjer(printer, linjer);
}

}  // namespace kvistor
