#include "app/printer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

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

void UdskrivRapportlinjer(QWidget* foraelder, const TTekstlinjer& linjer, TBrugerDialog& dlg,
                          const std::string& pdfFil) {
  const std::vector<TUdskriftLinje> forloeb = UdskriftForloeb(linjer);
  if (!pdfFil.empty()) {
    if (!SkrivLinjerTilPdf(pdfFil, forloeb)) dlg.Besked("Kan ikke udskrive til filen \r\n" + pdfFil);
    return;
  }
  if (QPrinterInfo::availablePrinters().isEmpty())
    dlg.Advarsel("Der er ingen printer installeret.\r\n"
                 "Resultatet kan i stedet udskrives til en PDF-fil.");
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog d(&printer, foraelder);
  d.setOption(QAbstractPrintDialog::PrintToFile, true);
  if (d.exec() != QDialog::Accepted) return;
  if (!SkrivLinjer(printer, forloeb)) dlg.Fejl("Resultatet kunne ikke udskrives på den valgte printer.");
}

}  // namespace kvistor
