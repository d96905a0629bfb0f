#pragma once
// The display list of the control drawings: polylines and text groups in
// world coordinates (metres, y upwards), built by the drawing routines and
// then fitted and drawn by Vis (graphics/visning.h). It knows nothing of
// purlins or buildings.
//
// The lists are values owned by the caller. They are deques rather than
// vectors because the builders hand back a reference to the element they have
// just appended and keep filling it while appending further elements (a
// dimension line appends its right arrowhead's point after the line itself);
// appending to a deque never moves the elements already in it.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "graphics/laerred.h"

namespace kvistor {

struct PunktType {
  double X = 0;
  double Y = 0;
};

struct LinjeType {
  std::uint16_t Stil = 0;       // 0 solid, 1 dotted, 2 dash-dot, 3 dashed
  std::uint16_t Bredde = 1;     // pen width in pixels: 1 or 3
  std::uint16_t Farve = 0;      // pen colour, palette index
  std::uint16_t Fyld = 0;       // 0 none, 1 solid, 12 cross-hatched; non-zero fills
  std::uint16_t FyldFarve = 0;  // fill colour, palette index
  std::uint8_t Markoer = 0;     // 0 joined, 1..9 a symbol at every point, 10+ no outline
  std::vector<PunktType> Punkter;  // in order
};

struct TekstType {
  double X = 0;
  double Y = 0;
  std::string Tekst;  // UTF-8
  // How a label is laid out in the fitted view; only the renderer knows the
  // pixels. Skala sets the text at that part of the canvas's font size.
  // MaksBredde (world units; 0: any width) is the span between the ticks of
  // the dimension it labels: a wider text is set smaller, down to half size,
  // so that it stands between them, clear of them. UndvigX and UndvigY (-1, 0
  // or +1: the way of falling world x and y, or rising) let the renderer move
  // the text that way from its point, a pixel at a time, until it touches no
  // line, no marker and no other text, and stays on the surface; where no
  // such place lies within a text height it tries a smaller size. Points and
  // lines never move.
  double Skala = 1;
  double MaksBredde = 0;
  int UndvigX = 0;
  int UndvigY = 0;
};

struct TekstGruppeType {
  std::uint16_t Farve = 0;  // text colour, palette index
  int VandretJust = 1;      // 0 left, 1 centre, 2 right; other values centre
  int LodretJust = 0;       // 0 bottom on the point, 1 centred, 2 and above top on the point
  std::vector<TekstType> Tekster;
};

using TLinjeListe = std::deque<LinjeType>;
using TTekstGruppeListe = std::deque<TekstGruppeType>;

// The palette indices the drawings name (PaletteFarve in graphics/visning.h
// gives their colours; the palette has more).
inline constexpr int Sort = 0;
inline constexpr int Blaa = 1;
inline constexpr int Groen = 2;
inline constexpr int Blaagroen = 3;
inline constexpr int Roed = 4;
inline constexpr int Soelv = 7;
inline constexpr int Graa = 8;
inline constexpr int Hvid = 15;
inline constexpr int Trae = 16;
inline constexpr int Beslaggraa = 17;
inline constexpr int Lyseblaa = 18;

// The codes a polyline stores for the canvas's pen styles (Stil) and fills
// (Fyld).
constexpr std::uint16_t StilKode(TPenStil stil) {
  switch (stil) {
    case TPenStil::Prikket: return 1;
    case TPenStil::StregPrik: return 2;
    case TPenStil::Stiplet: return 3;
    case TPenStil::Fuld: break;
  }
  return 0;
}
constexpr TPenStil PenStilAfKode(std::uint16_t stil) {
  switch (stil) {
    case 1: return TPenStil::Prikket;
    case 2: return TPenStil::StregPrik;
    case 3: return TPenStil::Stiplet;
    default: return TPenStil::Fuld;
  }
}
constexpr std::uint16_t FyldKode(TPenselStil fyld) {
  switch (fyld) {
    case TPenselStil::Fuld: return 1;
    case TPenselStil::Kryds: return 12;
    case TPenselStil::Ingen: break;
  }
  return 0;
}
// Nothing for any other non-zero code: the polyline fills, but keeps the
// brush style of the polyline before.
constexpr std::optional<TPenselStil> PenselStilAfKode(std::uint16_t fyld) {
  switch (fyld) {
    case 0: return TPenselStil::Ingen;
    case 1: return TPenselStil::Fuld;
    case 12: return TPenselStil::Kryds;
    default: return std::nullopt;
  }
}

// Appends a polyline without points.
LinjeType& NyLinje(TLinjeListe& linjer, TPenStil stil, int bredde, int farve, TPenselStil fyld,
                   int fyldFarve, int markoer);
// The same with the stored codes themselves. A style outside 0..3 is stored
// as solid, a width other than 3 as 1. Colours and fills outside 0..65535 are
// stored as black and as a solid fill (a non-zero fill stays non-zero); a
// marker outside 0..255 as 255 (no outline), so that no value wraps round
// into another meaning.
LinjeType& NyLinje(TLinjeListe& linjer, int stil, int bredde, int farve, int fyld,
                   int fyldFarve, int markoer);

void TilfoejPunkt(LinjeType& linje, double x, double y);

// Appends an empty text group.
TekstGruppeType& NyTekstGruppe(TTekstGruppeListe& grupper, int farve, int vandretJust,
                               int lodretJust);

// Returns the new text, to set its layout; the reference holds until the
// group's next text is appended.
TekstType& TilfoejTekst(TekstGruppeType& gruppe, std::string tekst, double x, double y);

// Empties the lists (the drawing is rebuilt for every painting).
void FrigivLinjer(TLinjeListe& linjer);
void FrigivTekster(TTekstGruppeListe& grupper);

}  // namespace kvistor
