#pragma once
// Setting a document onto PDF pages: a list of blocks (headings,
// paragraphs, lists, tables, monospaced blocks, figures, the contents) laid
// out on pages of one size with a header and a footer. The calculation
// document and the user guide share it.
//
// The rules a reader of printed engineering documents expects:
// - a heading never stands last on a page: it goes with the start of what
//   follows it (the first lines, a table's head and first row, a figure);
// - a paragraph leaves no single line behind at the foot or alone at the
//   top of a page;
// - a table breaks only between rows, with its head repeated on the next
//   page, and leaves at least two rows on either side of a break;
// - a monospaced block breaks only between lines, and only where it allows
//   (the report's table heads stay with their first rows);
// - a figure is scaled to the text width (and to the page when it is too
//   tall) and never split;
// - headings are numbered (1, 1.1, 1.1.1) and each gets an outline entry and
//   a link target; the contents lists them with their page numbers as links.
//
// The whole document is laid out first, so the page count and every
// heading's page are known before the first page is drawn ("Side 3 af 17").
#include <functional>
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "graphics/laerred.h"
#include "graphics/pdf_dokument.h"

namespace kvistor {

enum class TSatsJust { Venstre, Midte, Hoejre };

struct TOverskriftBlok {
  int Niveau = 1;  // 1..3
  // Markup allowed. Shown after its number.
  std::string Tekst;
  bool Nummereret = true;  // numbered 1, 1.1, 1.1.1 in document order
  // A number of its own ("B.1"), shown as given; the counting goes on
  // without it.
  std::string Nummer;
  bool IIndhold = true;    // listed in the contents (levels 1 and 2) and the outline
  bool NySide = false;     // starts a new page
  // The link target; empty gives "afsnit-<n>".
  std::string Maal;
};

struct TAfsnitBlok {
  std::string Tekst;  // light markup (graphics/pdf_dokument.h); "\n" breaks a line
  double Punkt = 10;
  bool Fed = false;
  bool Kursiv = false;
  TSatsJust Just = TSatsJust::Venstre;
  double LuftFoer = 0;     // points above
  double LuftEfter = 5;    // points below
  double Indrykning = 0;   // points from the left
  TFarve Farve{};
  bool HoldMedNaeste = false;  // introduces what follows (a table, a figure)
};

struct TPunktlisteBlok {
  std::vector<std::string> Punkter;  // light markup
  double Punkt = 10;
  bool Nummereret = false;  // "1." "2." ... instead of bullets
};

struct TTabelBlok {
  // Relative widths of the columns, shared out over the text width.
  std::vector<double> Bredder;
  std::vector<TSatsJust> Just;          // per column; missing columns are left-aligned
  std::vector<std::vector<std::string>> Hoved;   // rows of the head (light markup)
  std::vector<std::vector<std::string>> Raekker; // rows of the body (light markup)
  double Punkt = 9;
};

struct TKodeblok {
  std::vector<std::string> Linjer;  // shown as they stand, monospaced
  // BrudFoer[i]: a page may begin with line i. Empty: before any line.
  std::vector<bool> BrudFoer;
  double Punkt = 8.6;
  double LuftEfter = 6;
};

struct TFigurBlok {
  // Draws the picture into a canvas of the size it is given.
  std::function<void(TLaerred&, int bredde, int hoejde)> Tegn;
  double Forhold = 0.6;  // height over width
  double Bredde = 1.0;   // share of the text width
  std::string Tekst;     // the caption below it (markup), may be empty
  double Enhed = 0;      // points per canvas unit; 0: the canvas's default
};

// A picture from PNG bytes (a screenshot), scaled to its share of the text
// width (and to the page when too tall), never split.
struct TBilledBlok {
  std::string Png;
  double Bredde = 1.0;  // share of the text width
  std::string Tekst;    // the caption below it (markup), may be empty
};

// An invisible mark: a link target whose page the register can name.
struct TMaerkeBlok {
  std::string Navn;
};

// A register (an index): each word with the pages of its marks, each page
// number a link to its mark.
struct TRegisterBlok {
  struct TOpslag {
    std::string Ord;                  // markup allowed
    std::vector<std::string> Maerker; // names of TMaerkeBlok blocks or of headings
  };
  std::vector<TOpslag> Opslag;
  double Punkt = 9.5;
};

// The contents: every heading with IIndhold of level 1 and 2, its number,
// its words and its page, each entry a link.
struct TIndholdBlok {};

struct TSideskiftBlok {};

struct TLuftBlok {
  double Punkt = 12;
};

// Space that pushes the blocks after it, up to the next page break, down
// to the foot of the page (a cover's sign-off block). Only paragraphs,
// tables, fixed blocks and space may follow it there.
struct TFyldBlok {};

// Anything else of a fixed height, drawn by the caller (a cover's
// signature fields).
struct TFriBlok {
  double Hoejde = 0;
  std::function<void(TPdfDokument&, double x, double y, double bredde)> Tegn;
};

using TBlok = std::variant<TOverskriftBlok, TAfsnitBlok, TPunktlisteBlok, TTabelBlok, TKodeblok, TFigurBlok,
                           TBilledBlok, TIndholdBlok, TSideskiftBlok, TLuftBlok, TFyldBlok, TFriBlok, TMaerkeBlok,
                           TRegisterBlok>;

struct TSideopsaetning {
  double Bredde = A4BreddePt;
  double Hoejde = A4HoejdePt;
  // The text area; the wider left margin leaves room for binding.
  double Venstre = 25 * PtPrMm;
  double Hoejre = 18 * PtPrMm;
  double Top = 24 * PtPrMm;
  double Bund = 22 * PtPrMm;
  double TekstBredde() const { return Bredde - Venstre - Hoejre; }
};

struct TSideInfo {
  int Side = 1;   // from 1
  int Antal = 1;  // pages of the document
};

// Draws a page's header or footer in the margins.
using TSidemoebel = std::function<void(TPdfDokument&, const TSideopsaetning&, const TSideInfo&)>;

struct TDokument {
  TSideopsaetning Side;
  std::vector<TBlok> Blokke;
  TSidemoebel Sidehoved;  // may be empty
  TSidemoebel Sidefod;    // may be empty
};

struct TSatOverskrift {
  std::string Nummer;  // "2.1"; empty when not numbered
  std::string Tekst;
  int Niveau = 1;
  int Side = 1;
  std::string Maal;
};

struct TSatsResultat {
  int Sider = 0;
  std::vector<TSatOverskrift> Overskrifter;  // in document order
  std::map<std::string, int> Maal;           // every heading's and mark's page
};

// Lays the document out and draws it onto the PDF, from its open page on
// (which should be empty); the last page is left open.
TSatsResultat SaetDokument(TPdfDokument& pdf, const TDokument& dokument);

}  // namespace kvistor
