#pragma once
// The PDF device: one document of pages drawn with cairo, texts and
// paragraphs set with pango in embedded fonts, the document's outline,
// internal links and metadata. It knows nothing of what a document holds;
// documents/ composes pages on it, and display-list drawings reach it
// through the canvas of graphics/pdf_laerred.h.
//
// Lengths are PDF points (1/72 inch), x to the right and y down from the
// upper left corner of the page. Texts are UTF-8.
//
// A paragraph's text may carry a light markup: **bold**, *italic*, `code`
// (the monospaced font) and [words](#target), a link to a target set with
// SaetMaal. A backslash takes the next character as it stands; UdenMarkering
// escapes a text that must be shown as it is (a project name, a file name).
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/ur.h"
#include "graphics/laerred.h"

struct _PangoLayout;

namespace kvistor {

inline constexpr double PtPrMm = 72.0 / 25.4;
inline constexpr double A4BreddePt = 210 * PtPrMm;
inline constexpr double A4HoejdePt = 297 * PtPrMm;

// The Liberation fonts are metric twins of the common office fonts, so a
// document set here measures the same wherever it is opened.
inline constexpr const char* SkriftSans = "Liberation Sans";
inline constexpr const char* SkriftSerif = "Liberation Serif";
inline constexpr const char* SkriftMono = "Liberation Mono";

struct TSkrift {
  std::string Familie = SkriftSans;
  double Punkt = 10;
  bool Fed = false;
  bool Kursiv = false;
};

struct TPdfMetadata {
  std::string Titel;
  std::string Forfatter;
  std::string Emne;
  std::string Noegleord;
  std::string Skaber;
  // Written as both the creation and the modification date; a fixed time
  // gives the same file on every run.
  std::optional<TTidspunkt> Tidspunkt;
};

struct TPdfIndre;

class TPdfDokument {
 public:
  // An empty document whose first page is open.
  explicit TPdfDokument(const TPdfMetadata& metadata, double bredde = A4BreddePt,
                        double hoejde = A4HoejdePt);
  ~TPdfDokument();
  TPdfDokument(const TPdfDokument&) = delete;
  TPdfDokument& operator=(const TPdfDokument&) = delete;

  double Bredde() const;
  double Hoejde() const;
  // Number of the open page, from 1.
  int Side() const;
  // Closes the open page and opens the next.
  void NySide();
  // Closes the document (the open page is its last) and hands back the
  // bytes; nullopt with the reason in Danish when cairo failed.
  std::optional<std::string> Afslut(std::string& fejl);

  TPdfIndre& Indre() { return *indre_; }

 private:
  std::unique_ptr<TPdfIndre> indre_;
};

// ---------------------------------------------------------------------------
// Texts

enum class TTekstJust { Venstre, Midte, Hoejre };

struct TTekstLinje {
  double X = 0;           // left edge, from the text's left edge (alignment)
  double Top = 0;         // from the top of the text
  double Hoejde = 0;
  double Grundlinje = 0;  // from the top of the text
};

struct TLinkOmraade {
  int Start = 0;  // bytes of the text as shown
  int Slut = 0;
  std::string Maal;
};

// A text set in lines (a paragraph broken to a width, or lines as they
// stand), ready to be drawn whole or a few lines at a time.
struct TOpsatTekst {
  std::shared_ptr<_PangoLayout> Layout;
  std::vector<TTekstLinje> Linjer;
  std::vector<TLinkOmraade> Links;
  double Bredde = 0;  // of the widest line
  // Height of lines fra..til-1 as they stand one below the other.
  double Hoejde(int fra, int til) const;
  double Hoejde() const { return Hoejde(0, static_cast<int>(Linjer.size())); }
};

// The words of a set text as shown (markup taken out).
std::string VistTekst(const TOpsatTekst& t);

// Sets a text with the light markup. bredde > 0 breaks it into lines of at
// most that width (words are never split unless one is wider than the line);
// bredde <= 0 keeps each line of the text (split at '\n') as it is.
// linjeafstand is the distance of the baselines as a multiple of the font's
// own line height.
TOpsatTekst SaetTekst(TPdfDokument& pdf, std::string_view tekst, const TSkrift& skrift,
                      double bredde, TTekstJust just = TTekstJust::Venstre,
                      double linjeafstand = 1.0);
// The same without markup: every character shown as it stands.
TOpsatTekst SaetRaaTekst(TPdfDokument& pdf, std::string_view tekst, const TSkrift& skrift,
                         double bredde, TTekstJust just = TTekstJust::Venstre,
                         double linjeafstand = 1.0);

// Draws lines fra..til-1 with the top of line fra at y, the text's left edge
// at x, and marks its links.
void TegnTekst(TPdfDokument& pdf, const TOpsatTekst& t, int fra, int til, double x, double y,
               TFarve farve = {});
inline void TegnTekst(TPdfDokument& pdf, const TOpsatTekst& t, double x, double y,
                      TFarve farve = {}) {
  TegnTekst(pdf, t, 0, static_cast<int>(t.Linjer.size()), x, y, farve);
}

// One line of plain text with its baseline at y: from x (Venstre), centred
// on x (Midte) or ending at x (Hoejre).
void SkrivTekst(TPdfDokument& pdf, double x, double grundlinje, std::string_view tekst,
                const TSkrift& skrift, TTekstJust just = TTekstJust::Venstre, TFarve farve = {});
double TekstBredde(TPdfDokument& pdf, std::string_view tekst, const TSkrift& skrift);

// A text escaped so that it shows as it stands in a text with markup.
std::string UdenMarkering(std::string_view tekst);

// ---------------------------------------------------------------------------
// Lines and boxes

void TegnStreg(TPdfDokument& pdf, double x1, double y1, double x2, double y2, double bredde,
               TFarve farve = {});
void FyldRektangel(TPdfDokument& pdf, double x, double y, double b, double h, TFarve farve);
void TegnRektangel(TPdfDokument& pdf, double x, double y, double b, double h, double bredde,
                   TFarve farve = {});

// A picture given as PNG bytes (a screenshot), scaled into the box. False
// when the bytes are no PNG. Its size in pixels, or nothing.
bool TegnPng(TPdfDokument& pdf, std::string_view png, double x, double y, double b, double h);
std::optional<std::pair<int, int>> PngStoerrelse(std::string_view png);

// ---------------------------------------------------------------------------
// Navigation

// A named target at (x, y) of the open page, for links and outline entries.
// Names are letters, digits, '-' and '_'.
void SaetMaal(TPdfDokument& pdf, const std::string& navn, double x, double y);
// The rectangle of the open page links to the named target.
void SaetLink(TPdfDokument& pdf, double x, double y, double b, double h, const std::string& maal);
// An outline entry (bookmark) under the entry `over` (0: at the top level)
// leading to the named target; returns its id for entries below it.
int TilfoejBogmaerke(TPdfDokument& pdf, int over, const std::string& tekst,
                     const std::string& maal, bool aaben = false);

}  // namespace kvistor
