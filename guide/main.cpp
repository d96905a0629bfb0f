// Sets the user guide: reads the Markdown source, fills its generated parts
// from the program's own tables and a calculation of Standard.aid, and
// writes an A4 PDF with a title page, a table of contents with page numbers,
// numbered headings, page numbers in the footer and the program's own
// figures. Runs at build time without a display.
//
//   kvistor_vejledning_generator KILDE.md Standard.aid UD.pdf
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "guide/figurer.h"
#include "guide/kilde.h"
#include "guide/markdown.h"
#include "guide/pladsholdere.h"

using namespace kvistor;

namespace {

constexpr double Oploesning = 600;  // dpi of the PDF's coordinates
constexpr double EnhPrMm = Oploesning / 25.4;
// With the PDF writer as the layout's paint device, QTextDocument scales every
// length of the HTML and of the frame formats from screen pixels (1/96 inch)
// to the device itself; only the page size and object sizes are in device
// units.
constexpr double PxSkala = 1.0;
constexpr double PxPrMm = 96 / 25.4;
constexpr double SideB = 210 * EnhPrMm, SideH = 297 * EnhPrMm;
constexpr double MargVenstre = 22, MargHoejre = 20, MargTop = 20, MargBund = 24;  // mm

const QString ProgramNavn = "Kvistor 1.0";

int Fejl(const QString& t) {
  std::fprintf(stderr, "kvistor_vejledning_generator: %s\n", t.toUtf8().constData());
  return 1;
}

QString Px(double v) { return QString::number(v * PxSkala, 'f', 1) + "px"; }

QString Titelside() {
  QString h;
  h += QString("<p align=\"center\" style=\"margin-top:%1; font-size:34pt; font-weight:bold; "
               "color:#1d3c6e;\">Kvistor 1.0</p>\n")
           .arg(Px(210));
  h += QString("<p align=\"center\" style=\"margin-top:%1; font-size:22pt;\">Brugervejledning</p>\n")
           .arg(Px(10));
  h += QString("<p align=\"center\" style=\"margin-top:%1; font-size:13pt;\">Dimensionering af "
               "åse- og gerberforbindelser</p>\n")
           .arg(Px(30));
  h += QString("<p align=\"center\" style=\"margin-top:%1; font-size:10.5pt;\">Tagåse lagt som "
               "gerberkæde på rammer, saddeltag<br/>EN 1990, EN 1991-1-3, EN 1991-1-4 og EN "
               "1995-1-1 med danske nationale annekser</p>\n")
           .arg(Px(16));
  h += QString("<p align=\"center\" style=\"margin-top:%1;\"><img src=\"figur:kontrol_tvaer\" /></p>\n")
           .arg(Px(40));
  h += QString("<p align=\"center\" style=\"margin-top:%1; font-size:9pt; color:#444444;\">"
               "Vejledningen sættes af programmet selv, når det bygges: alle tabeller over "
               "kataloger, materialer, lastkombinationer og lasttilfælde, alle eksempler og alle "
               "figurer kommer fra programmets egne tabeller og beregninger af Standard.aid.</p>\n")
           .arg(Px(40));
  return h;
}

QString Indholdsfortegnelse(const std::vector<TOverskrift>& o) {
  QString h = QString("<p style=\"page-break-before:always; font-size:17pt; font-weight:bold; "
                      "color:#1d3c6e; margin-bottom:%1;\">Indhold</p>\n")
                  .arg(Px(12));
  h += QString("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"%1\" border=\"0\" "
               "style=\"font-size:10pt;\">\n")
           .arg(1.5 * PxSkala, 0, 'f', 1);
  for (const TOverskrift& x : o) {
    if (x.Niveau > 2) continue;
    const bool top = x.Niveau == 1;
    const QString stil = top ? QString("font-weight:bold; padding-top:%1;").arg(Px(7)) : QString();
    h += QString("<tr><td width=\"9%\" style=\"%1\">%2</td><td style=\"%1\">%3</td>"
                 "<td width=\"7%\" align=\"right\" style=\"%1\">000</td></tr>\n")
             .arg(stil, top ? x.Nummer : "&nbsp;&nbsp;&nbsp;" + x.Nummer, IndlejretTilHtml(x.Tekst));
  }
  h += "</table>\n";
  return h;
}

// Absolute top of a block's first line and bottom of its last line.
void LinjeGraenser(const QTextDocument& doc, const QTextBlock& b, double& top, double& bund) {
  const QRectF r = doc.documentLayout()->blockBoundingRect(b);
  const QTextLayout* l = b.layout();
  top = r.top();
  bund = r.bottom();
  if (l && l->lineCount() > 0) {
    top = r.top() + l->lineAt(0).y();
    const QTextLine sidste = l->lineAt(l->lineCount() - 1);
    bund = r.top() + sidste.y() + sidste.height();
  }
}

// Lays out the whole document afresh. After an edit the layout redoes only a
// stretch from the edit on and leaves later blocks unplaced until something
// asks for them, and the page count alone does not ask; so the whole
// document from `fraPosition` on is marked dirty (-1: nothing was edited since
// the last layout) and every block is asked for.
int LaegUd(QTextDocument& doc, int fraPosition = 0) {
  if (fraPosition >= 0) doc.markContentsDirty(fraPosition, doc.characterCount() - fraPosition);
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next())
    doc.documentLayout()->blockBoundingRect(b);
  return doc.pageCount();
}

int SideAf(double y) { return static_cast<int>(std::floor(y / SideH)); }

bool ErFigurblok(const QTextBlock& b) { return b.text() == QString(QChar::ObjectReplacementCharacter); }

struct TLinjer {
  double forsteTop = 0, forsteBund = 0;  // the first line, absolute
  double sidsteTop = 0, sidsteBund = 0;  // the last line
  std::vector<double> toppe;             // every line's top
};

TLinjer Linjer(const QTextDocument& doc, const QTextBlock& b) {
  TLinjer l;
  const QRectF r = doc.documentLayout()->blockBoundingRect(b);
  const QTextLayout* lay = b.layout();
  l.forsteTop = l.sidsteTop = r.top();
  l.forsteBund = l.sidsteBund = r.bottom();
  if (!lay || lay->lineCount() == 0) return l;
  for (int i = 0; i < lay->lineCount(); ++i) l.toppe.push_back(r.top() + lay->lineAt(i).y());
  const QTextLine f = lay->lineAt(0), s = lay->lineAt(lay->lineCount() - 1);
  l.forsteTop = r.top() + f.y();
  l.forsteBund = l.forsteTop + f.height();
  l.sidsteTop = r.top() + s.y();
  l.sidsteBund = l.sidsteTop + s.height();
  return l;
}

bool ErKode(const QTextBlock& b) { return b.isValid() && b.blockFormat().nonBreakableLines(); }

// A heading, a figure or a paragraph that ends in a colon: it belongs with
// what follows it.
bool ErIndleder(const QTextBlock& b) {
  return b.blockFormat().headingLevel() > 0 || ErFigurblok(b) ||
         (!ErKode(b) && b.text().trimmed().endsWith(':'));
}

bool IForsteLinjeAfSide(double top) {
  const double iSiden = top - SideAf(top + 1) * SideH;
  return iSiden < MargTop * EnhPrMm + 3 * EnhPrMm;
}

// Whether block b must go to the next page:
// - a heading, a figure or a paragraph that ends in a colon never stays at
//   the foot of a page while what it introduces starts on the next;
// - a short code block (a report excerpt) is not split;
// - a paragraph leaves neither its first nor its last line alone on a page.
bool SkalFlyttes(const QTextDocument& doc, const QTextBlock& b) {
  if (b.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) return false;
  if (doc.frameAt(b.position()) != doc.rootFrame()) return false;  // inside a table
  const TLinjer l = Linjer(doc, b);
  if (IForsteLinjeAfSide(l.forsteTop)) return false;
  const int side = SideAf(l.forsteTop + 1);
  const bool kode = ErKode(b);
  const bool indleder = ErIndleder(b);
  const QTextBlock naeste = b.next();
  if (indleder && naeste.isValid()) {
    const TLinjer n = Linjer(doc, naeste);
    if (SideAf(n.forsteBund - 1) > SideAf(l.sidsteTop + 1)) return true;
  }
  if (kode && !ErKode(b.previous())) {
    QTextBlock slut = b;
    int antal = 1;
    while (ErKode(slut.next())) {
      slut = slut.next();
      ++antal;
    }
    const TLinjer s = Linjer(doc, slut);
    const double hoejde = s.sidsteBund - l.forsteTop;
    if (SideAf(s.sidsteBund - 1) > side && hoejde < 0.6 * SideH) return true;
  }
  if (!kode && l.toppe.size() >= 2 && l.toppe.size() <= 15) {
    int paaForste = 0;
    for (double t : l.toppe)
      if (SideAf(t + 1) == side) ++paaForste;
    const int resten = static_cast<int>(l.toppe.size()) - paaForste;
    if (resten > 0 && (paaForste == 1 || resten == 1)) return true;
  }
  return false;
}

// Moves blocks to the next page until no heading stands alone at the foot of
// a page, no figure leaves its caption, no short report excerpt is split and
// no paragraph leaves a single line behind. Repeated, since one move can push
// another block down.
int FlytEnligeOverskrifter(QTextDocument& doc, int beskidtFra) {
  int flyttet = 0;
  int fra = doc.findBlock(std::max(0, beskidtFra)).blockNumber();  // nothing before has changed
  for (int runde = 0; runde < 500; ++runde) {
    LaegUd(doc, beskidtFra);
    bool aendret = false;
    for (QTextBlock b = doc.findBlockByNumber(fra); b.isValid(); b = b.next()) {
      if (!SkalFlyttes(doc, b)) continue;
      // What introduces the block goes with it: the heading over a paragraph
      // that ends in a colon over a table moves as one.
      QTextBlock start = b;
      while (!(start.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)) {
        const QTextBlock forrige = start.previous();
        if (!forrige.isValid() || !ErIndleder(forrige) ||
            doc.frameAt(forrige.position()) != doc.rootFrame())
          break;
        start = forrige;
      }
      if (start.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) continue;
      if (IForsteLinjeAfSide(Linjer(doc, start).forsteTop)) continue;
      QTextCursor c(start);
      QTextBlockFormat f = start.blockFormat();
      f.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      c.setBlockFormat(f);
      ++flyttet;
      aendret = true;
      fra = start.blockNumber();
      beskidtFra = start.position();
      break;
    }
    if (!aendret) break;
  }
  return flyttet;
}

// Page number (1 = title page) of every heading, in document order.
// The document must be laid out.
std::vector<int> OverskriftSider(QTextDocument& doc) {
  std::vector<int> s;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    if (b.blockFormat().headingLevel() <= 0) continue;
    double top, bund;
    LinjeGraenser(doc, b, top, bund);
    s.push_back(SideAf(top + 1) + 1);
  }
  return s;
}

QTextTable* FindIndholdstabel(QTextDocument& doc) {
  for (QTextFrame* f : doc.rootFrame()->childFrames())
    if (auto* t = qobject_cast<QTextTable*>(f)) return t;
  return nullptr;
}

bool UdfyldIndhold(QTextDocument& doc, const std::vector<TOverskrift>& o, const std::vector<int>& sider) {
  QTextTable* t = FindIndholdstabel(doc);
  const auto poster = std::count_if(o.begin(), o.end(), [](const TOverskrift& x) { return x.Niveau <= 2; });
  if (!t || t->rows() != poster) return false;
  // One edit block, so the document is laid out once for all the numbers,
  // not once for each.
  QTextCursor blok(&doc);
  blok.beginEditBlock();
  int raekke = 0;
  for (std::size_t i = 0; i < o.size(); ++i) {
    if (o[i].Niveau > 2) continue;
    const QTextTableCell celle = t->cellAt(raekke++, 2);
    QTextCursor c = celle.firstCursorPosition();
    c.setPosition(celle.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    const QTextCharFormat f = c.charFormat();
    c.insertText(QString::number(sider[i]), f);
  }
  blok.endEditBlock();
  return true;
}

void TegnSidefod(QPainter& p, int side, int antal) {
  QFont f("Liberation Sans");
  f.setPointSizeF(8.5);
  p.setFont(f);
  p.setPen(QColor(90, 90, 90));
  const double y = SideH - (MargBund - 10) * EnhPrMm;
  QPen streg(QColor(170, 170, 170));
  streg.setWidthF(0.2 * EnhPrMm);
  p.save();
  p.setPen(streg);
  p.drawLine(QPointF(MargVenstre * EnhPrMm, y - 4.5 * EnhPrMm),
             QPointF(SideB - MargHoejre * EnhPrMm, y - 4.5 * EnhPrMm));
  p.restore();
  const QRectF felt(MargVenstre * EnhPrMm, y - 4 * EnhPrMm,
                    SideB - (MargVenstre + MargHoejre) * EnhPrMm, 6 * EnhPrMm);
  p.drawText(felt, Qt::AlignLeft | Qt::AlignVCenter, ProgramNavn + "  ·  Brugervejledning");
  p.drawText(felt, Qt::AlignRight | Qt::AlignVCenter,
             QString("Side %1 af %2").arg(side).arg(antal));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList arg = app.arguments();
  if (arg.size() != 4) return Fejl("brug: kvistor_vejledning_generator KILDE.md PROJEKT.aid UD.pdf");

  QFile kilde(arg[1]);
  if (!kilde.open(QIODevice::ReadOnly)) return Fejl("kan ikke læse " + arg[1]);
  const QString md = QString::fromUtf8(kilde.readAll());

  QString fejl;
  const auto k = ByggKilde(arg[2], fejl);
  if (!k) return Fejl(fejl);

  QStringList mangler;
  const QString udfyldt = UdfyldPladsholdere(md, *k, mangler);
  if (!mangler.isEmpty()) return Fejl(mangler.join("\n"));
  const TMarkdownResultat r = MarkdownTilHtml(udfyldt, PxSkala);
  if (!r.Fejl.isEmpty()) return Fejl(r.Fejl.join("\n"));

  const QString tmp = arg[3] + ".tmp";
  QPdfWriter pdf(tmp);
  pdf.setResolution(static_cast<int>(Oploesning));
  pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  pdf.setTitle(ProgramNavn + " – Brugervejledning");
  pdf.setCreator("kvistor_vejledning_generator");

  QTextDocument doc;
  doc.setUseDesignMetrics(true);
  doc.documentLayout()->setPaintDevice(&pdf);
  QFont grund("Liberation Sans");
  grund.setPointSizeF(10);
  doc.setDefaultFont(grund);
  TFigurHaandtering figurer(GuidensFigurer(*k), EnhPrMm);
  doc.documentLayout()->registerHandler(FigurObjekt, &figurer);
  doc.setHtml("<html><body>" + Titelside() + Indholdsfortegnelse(r.Overskrifter) + r.Html +
              "</body></html>");
  QTextFrameFormat rod = doc.rootFrame()->frameFormat();
  rod.setLeftMargin(MargVenstre * PxPrMm);
  rod.setRightMargin(MargHoejre * PxPrMm);
  rod.setTopMargin(MargTop * PxPrMm);
  rod.setBottomMargin(MargBund * PxPrMm);
  doc.rootFrame()->setFrameFormat(rod);
  // The page size last: the layout takes the margins into account only when
  // the page size is set after them.
  doc.setPageSize(QSizeF(SideB, SideH));

  const QStringList ukendte = IndsaetFigurer(doc, figurer);
  if (!ukendte.isEmpty()) return Fejl("ukendte figurer: " + ukendte.join(", "));

  FlytEnligeOverskrifter(doc, 0);
  std::vector<int> sider = OverskriftSider(doc);
  if (sider.size() != r.Overskrifter.size())
    return Fejl(QString("%1 overskrifter i kilden, %2 i dokumentet")
                    .arg(r.Overskrifter.size())
                    .arg(sider.size()));
  // The numbers take no more room than their placeholders, so filling them in
  // moves nothing; checked all the same.
  if (!UdfyldIndhold(doc, r.Overskrifter, sider)) return Fejl("indholdsfortegnelsen passer ikke");
  FlytEnligeOverskrifter(doc, 0);
  if (OverskriftSider(doc) != sider) return Fejl("sidetallene flyttede sig, da indholdet blev udfyldt");

  QPainter p;
  if (!p.begin(&pdf)) return Fejl("kan ikke skrive " + tmp);
  const int antal = LaegUd(doc, -1);
  for (int s = 0; s < antal; ++s) {
    if (s > 0) pdf.newPage();
    p.save();
    p.translate(0, -s * SideH);
    const QRectF felt(0, s * SideH, SideB, SideH);
    p.setClipRect(felt);
    QAbstractTextDocumentLayout::PaintContext ctx;
    ctx.clip = felt;
    ctx.palette.setColor(QPalette::Text, Qt::black);
    doc.documentLayout()->draw(&p, ctx);
    p.restore();
    if (s > 0) TegnSidefod(p, s + 1, antal);
  }
  if (!p.end()) return Fejl("kan ikke skrive " + tmp);

  QFile::remove(arg[3]);
  if (!QFile::rename(tmp, arg[3])) return Fejl("kan ikke omdøbe " + tmp + " til " + arg[3]);
  std::printf("Brugervejledningen er sat: %d sider, %zu figurer\n", antal,
              static_cast<std::size_t>(r.Figurer.size()));
  return 0;
}
