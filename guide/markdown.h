#pragma once
// The guide's Markdown, turned into the HTML subset that QTextDocument reads.
// Only what the guide uses is understood: headings (#, ##, ###), paragraphs,
// bullet and numbered lists, pipe tables, fenced code blocks, figures
// (![caption](figur:name)), a forced page break (a line "\newpage") and the
// inline marks **bold**, *italic* and `code`. Anything else stays as text.
#include <QString>
#include <QStringList>
#include <vector>

namespace kvistor {

struct TOverskrift {
  int Niveau = 1;   // 1..3
  QString Nummer;   // "3.2", "B.1"; empty for an unnumbered heading
  QString Tekst;    // the heading's words without the number
};

struct TMarkdownResultat {
  QString Html;
  std::vector<TOverskrift> Overskrifter;  // in document order
  QStringList Figurer;                    // figure names in document order
  QStringList Fejl;                       // what could not be understood
};

// Lengths in the HTML are document units; `pxSkala` turns a length given in
// screen pixels (1/96 inch) into them, so the page keeps its proportions at
// the PDF writer's resolution.
TMarkdownResultat MarkdownTilHtml(const QString& md, double pxSkala);

// A line of inline Markdown as HTML (escaped, with bold, italic and code).
QString IndlejretTilHtml(const QString& tekst);

}  // namespace kvistor
