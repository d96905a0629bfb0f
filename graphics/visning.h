#pragma once
// Fitting a display list into a drawing surface and drawing it.
#include "graphics/displayliste.h"
#include "graphics/laerred.h"

namespace kvistor {

// The fitted view: how world coordinates map onto the surface.
struct Visning {
  TLaerred* Laerred = nullptr;
  int Bredde = 0;  // surface size in pixels
  int Hoejde = 0;
  double Venstre = 0;  // surface corners in pixels: 0, height, width, 0
  double Bund = 0;
  double Hoejre = 0;
  double Top = 0;
  double XMin = 0;  // the world rectangle mapped onto the whole surface
  double YMin = 0;
  double XMax = 0;
  double YMax = 0;
  double ForskydningX = 0;  // screen position of world 0
  double ForskydningY = 0;
  double SkalaX = 0;  // pixels per world unit; SkalaY < 0 (world y up)
  double SkalaY = 0;
  double TekstHoejde = 0;  // minus the pixel height of "0" in the canvas's font
  double TekstBredde = 0;  // pixel width of "0"
  // Pixels per pixel of the marker symbols. On the screen a marker keeps its
  // pixel size whatever the drawing's scale; a device that draws at true
  // size (DXF) makes the symbols as large as its texts call for instead.
  double MarkoerSkala = 1;
};

// The palette of the display list's colour indices; any other index is black.
constexpr int AntalPalettefarver = 19;
TFarve PaletteFarve(int indeks);

// Extent of all points of all polylines (texts do not count). No point gives
// 0..1; an empty range is widened by 1 each way. Coordinates that are not
// finite, or beyond 1e37 in size, are no points for this purpose.
void FindOmraade(const TLinjeListe& linjer, double& xmin, double& ymin, double& xmax,
                 double& ymax);

// Widens lo..hi so that the old range fills `procent` percent of the new one.
void Udvid(double& lo, double& hi, double procent);

// Maps the rectangle onto the whole surface and measures the canvas's "0".
void SaetVisning(Visning& v, TLaerred& laerred, int bredde, int hoejde, double xmin,
                 double ymin, double xmax, double ymax);

// Equal scales in x and y, the rectangle centred on the surface.
void TilpasLige(Visning& v, TLaerred& laerred, int bredde, int hoejde, double xmin,
                double ymin, double xmax, double ymax);

// World to pixel, rounded to the nearest whole pixel with ties to even. A
// value beyond a billion pixels is held there, and NaN gives 0, so absurd
// coordinates never overflow; TegnListe leaves out whatever lies that far.
int TilX(const Visning& v, double x);
int TilY(const Visning& v, double y);

// Draws the polylines, then the texts.
void TegnListe(const Visning& v, const TLinjeListe& linjer, const TTekstGruppeListe& tekster);

// Draws marker symbol `art` (1..9) at the world point (x, y) with the current pen.
void TegnMarkoer(const Visning& v, int art, double x, double y);

// Finds the extent, widens it by 1/18 on each side, fits the view (with equal
// scales when `bevarForhold`) and draws. A surface without area draws nothing.
// Returns the view used.
Visning Vis(TLaerred& laerred, int bredde, int hoejde, const TLinjeListe& linjer,
            const TTekstGruppeListe& tekster, bool bevarForhold);

}  // namespace kvistor
