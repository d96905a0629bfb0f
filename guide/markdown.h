#pragma once
// The guide's Markdown, turned into the blocks of the shared document layout
// (documents/sats.h). Only what the guide uses is understood:
// - headings (#, ##, ###), numbered 1, 1.1, 1.1.1 and, from a chapter
//   "Bilag X" on, X.1, X.1.1; "{#navn}" at the end gives a heading its link
//   target, so the text can link to it with [ord](#navn); "{#navn}" alone
//   on a line marks the place of what follows;
// - paragraphs, bullet and numbered lists, pipe tables, fenced code blocks;
// - figures "![caption](figur:navn)" drawn by the program and screenshots
//   "![caption](skaermbillede:navn)", a PNG the program took of itself;
// - a forced page break (a line "\newpage");
// - the index: a fenced block "register" of lines "word | target, target";
// - the inline marks **bold**, *italic*, `code` and links [words](#target).
// Anything else stays as text.
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "documents/sats.h"

namespace kvistor {

struct TOverskrift {
  int Niveau = 1;   // 1..3
  QString Nummer;   // "3.2", "B.1"; empty for an unnumbered heading
  QString Tekst;    // the heading's words without the number
  QString Maal;     // its link target
};

// What a picture reference of the source becomes; nullopt when the name is
// unknown.
struct TBilledKilder {
  // A figure drawn by the program, with its caption (markup) below it.
  std::function<std::optional<TBlok>(const QString& navn, const std::string& tekst)> Figur;
  std::function<std::optional<TBilledBlok>(const QString& navn)> Skaermbillede;
};

struct TMarkdownResultat {
  std::vector<TBlok> Blokke;
  std::vector<TOverskrift> Overskrifter;  // in document order
  QStringList Figurer;                    // picture names in document order
  QStringList Maal;                       // every link target the text uses
  QStringList Maerker;                    // the marks "{#navn}" on lines of their own
  QStringList Fejl;                       // what could not be understood
};

// `tekstBredde`: the width of the text in points, which the tables share out.
TMarkdownResultat MarkdownTilBlokke(const QString& md, const TBilledKilder& billeder,
                                    double tekstBredde);

// A line of inline Markdown in the layout's light markup.
std::string IndlejretTilMarkering(const QString& tekst);

}  // namespace kvistor
