#pragma once
// Building blocks of the two help pictures and the About picture. Unlike the
// control drawings these pictures carry running text, and texts keep their
// pixel size while the picture scales: the builders therefore get the
// canvas's text measure and the scale of the fit, and break sentences and
// space lines in world units that match what the screen will show.
//
// World units are the pixels of the picture at its design size, y upwards.
// Every picture marks its frame with two invisible corner points, so that its
// extent, and with it the fit, never depends on what is drawn inside.
#include <initializer_list>
#include <string>
#include <vector>

#include "graphics/displayliste.h"
#include "graphics/laerred.h"

namespace kvistor {

// How texts measure at the present fit.
struct TTekstmaal {
  TLaerred* Laerred = nullptr;  // measures the texts; none: 7 x 14 pixels a character
  double Skala = 1;             // pixels per world unit
};

// Width and height of a text in world units.
double TekstBreddeVerden(const TTekstmaal& m, const std::string& tekst);
double TekstHoejdeVerden(const TTekstmaal& m);
// Baseline to baseline of running text, in world units.
double Linjeafstand(const TTekstmaal& m);

// Breaks a sentence at its blanks into lines no wider than `bredde` (world
// units). A single word wider than that gets a line of its own.
std::vector<std::string> BrydLinjer(const TTekstmaal& m, const std::string& tekst,
                                    double bredde);

// Writes a paragraph broken into lines, the first line's top at y, into a
// group aligned by the texts' tops. Returns the top of the line after it.
double SkrivAfsnit(TekstGruppeType& gruppe, const TTekstmaal& m, const std::string& tekst,
                   double x, double y, double bredde);

// Two points without outline at the frame's corners (0, 0) and (bredde, hoejde).
void Ramme(TLinjeListe& linjer, double bredde, double hoejde);

// A closed polygon filled with `fyld`, outlined in `pen`.
void Flade(TLinjeListe& linjer, int pen, int fyld, std::initializer_list<PunktType> punkter);
void Flade(TLinjeListe& linjer, int pen, int fyld, const std::vector<PunktType>& punkter);

// A straight line (style as in the display list).
void Linjestykke(TLinjeListe& linjer, int farve, int bredde, PunktType a, PunktType b,
                 TPenStil stil = TPenStil::Fuld);

// A filled arrowhead with its tip at `spids`, pointing along (dx, dy), as
// long as `laengde` and two thirds of that wide. It scales with the picture.
void Pilespids(TLinjeListe& linjer, int farve, PunktType spids, double dx, double dy,
               double laengde);

// A dimension line from a to b with arrowheads on both ends, tips on a and
// b, pointing outwards. A distance shorter than three heads gets its arrows
// outside, pointing inwards, with short tails.
void Maallinje(TLinjeListe& linjer, int farve, PunktType a, PunktType b, double spids);

// Points on an arc (degrees anticlockwise from the x axis, from a0 to a1,
// either way round), the x radius rx and the y radius ry.
std::vector<PunktType> Buepunkter(double cx, double cy, double rx, double ry, double a0,
                                  double a1);

// A circle as a filled polygon.
void Cirkel(TLinjeListe& linjer, int pen, int fyld, double cx, double cy, double r);

}  // namespace kvistor
