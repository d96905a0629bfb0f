#include "graphics/visning.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "common/afrunding.h"

namespace kvistor {

namespace {

// The indices the drawings name are in graphics/displayliste.h.
constexpr std::array<TFarve, AntalPalettefarver> Palette{{
    {0, 0, 0},        // 0 black
    {0, 0, 255},      // 1 blue
    {0, 128, 0},      // 2 green
    {0, 128, 128},    // 3 teal
    {255, 0, 0},      // 4 red
    {128, 0, 128},    // 5 purple
    {128, 0, 0},      // 6 maroon
    {192, 192, 192},  // 7 silver
    {128, 128, 128},  // 8 grey
    {0, 255, 255},    // 9 aqua
    {0, 255, 0},      // 10 lime
    {0, 192, 192},    // 11
    {255, 204, 204},  // 12 pale red
    {192, 0, 192},    // 13
    {255, 255, 0},    // 14 yellow
    {255, 255, 255},  // 15 white
    {245, 219, 115},  // 16 timber
    {155, 155, 155},  // 17 hardware grey
    {216, 228, 248},  // 18 pale blue
}};
static_assert(Palette[Trae] == TFarve{245, 219, 115} && Palette[Lyseblaa] == TFarve{216, 228, 248});

// Absurd input can put a point anywhere; a pixel coordinate further out than
// this is left out of the drawing rather than handed to the canvas.
constexpr double PixelGraense = 1e7;
// TilX and TilY hold their results within this, so the rounding never overflows.
constexpr double TilGraense = 1e9;
// FindOmraade starts from this sentinel; points beyond a tenth of it cannot be
// told from "no point at all".
constexpr double Uendeligt = 1e38;

int Klem(double v) {
  if (std::isnan(v)) return 0;
  if (v > TilGraense) v = TilGraense;
  if (v < -TilGraense) v = -TilGraense;
  return static_cast<int>(Round(v));
}

bool Tegnbar(double pixel) { return std::isfinite(pixel) && std::fabs(pixel) <= PixelGraense; }

// The pixel of a world point, or false when it lies too far out (or is not
// a number) to be drawn.
bool TilPixel(const Visning& v, double x, double y, TPixelPunkt& p) {
  const double px = x * v.SkalaX + v.ForskydningX;
  const double py = y * v.SkalaY + v.ForskydningY;
  if (!Tegnbar(px) || !Tegnbar(py)) return false;
  p = {static_cast<int>(Round(px)), static_cast<int>(Round(py))};
  return true;
}

bool Medregnes(double k) { return std::isfinite(k) && std::fabs(k) <= Uendeligt / 10; }

}  // namespace

TFarve PaletteFarve(int indeks) {
  if (indeks < 0 || indeks >= AntalPalettefarver) return Palette[0];
  return Palette[static_cast<std::size_t>(indeks)];
}

void FindOmraade(const TLinjeListe& linjer, double& xmin, double& ymin, double& xmax,
                 double& ymax) {
  xmin = ymin = Uendeligt;
  xmax = ymax = -Uendeligt;
  for (const LinjeType& l : linjer) {
    for (const PunktType& p : l.Punkter) {
      if (Medregnes(p.X)) {
        if (p.X < xmin) xmin = p.X;
        if (p.X > xmax) xmax = p.X;
      }
      if (Medregnes(p.Y)) {
        if (p.Y < ymin) ymin = p.Y;
        if (p.Y > ymax) ymax = p.Y;
      }
    }
  }
  if (xmin > Uendeligt / 10) {
    xmin = 0;
    xmax = 1;
  }
  if (ymin > Uendeligt / 10) {
    ymin = 0;
    ymax = 1;
  }
  if (xmin == xmax) {
    xmin -= 1;
    xmax += 1;
  }
  if (ymin == ymax) {
    ymin -= 1;
    ymax += 1;
  }
}

void Udvid(double& lo, double& hi, double procent) {
  if (std::fabs(procent) < 0.01) procent = 0.01;
  const double k = (100 - procent) / (2 * procent);
  const double d = hi - lo;
  lo -= k * d;
  hi += k * d;
}

void SaetVisning(Visning& v, TLaerred& laerred, int bredde, int hoejde, double xmin,
                 double ymin, double xmax, double ymax) {
  if (xmax == xmin) xmax = xmin + 1;
  if (ymax == ymin) ymax = ymin + 1;
  v.Laerred = &laerred;
  v.Bredde = bredde;
  v.Hoejde = hoejde;
  v.Venstre = 0;
  v.Bund = hoejde;
  v.Hoejre = bredde;
  v.Top = 0;
  v.XMin = xmin;
  v.YMin = ymin;
  v.XMax = xmax;
  v.YMax = ymax;
  v.SkalaX = bredde / (xmax - xmin);
  v.SkalaY = -hoejde / (ymax - ymin);
  v.ForskydningX = -v.SkalaX * xmin;
  v.ForskydningY = hoejde - v.SkalaY * ymin;
  v.TekstHoejde = -laerred.TekstHoejde("0");
  v.TekstBredde = laerred.TekstBredde("0");
}

void TilpasLige(Visning& v, TLaerred& laerred, int bredde, int hoejde, double xmin,
                double ymin, double xmax, double ymax) {
  const double cx = (xmin + xmax) / 2;
  const double cy = (ymin + ymax) / 2;
  const double dx = std::fabs(xmax - xmin);
  const double dy = std::fabs(ymax - ymin);
  // A surface without width or height has no shape to keep; one pixel keeps
  // the division finite.
  const double forhold = static_cast<double>(hoejde > 0 ? hoejde : 1) / (bredde > 0 ? bredde : 1);
  const double halvBredde = (dx == 0 || dy / dx > forhold) ? dy / (2 * forhold) : dx / 2;
  const double halvHoejde = forhold * halvBredde;
  SaetVisning(v, laerred, bredde, hoejde, cx - halvBredde, cy - halvHoejde, cx + halvBredde,
              cy + halvHoejde);
}

int TilX(const Visning& v, double x) { return Klem(x * v.SkalaX + v.ForskydningX); }

int TilY(const Visning& v, double y) { return Klem(y * v.SkalaY + v.ForskydningY); }

void TegnMarkoer(const Visning& v, int art, double x, double y) {
  TPixelPunkt p;
  if (v.Laerred == nullptr || !TilPixel(v, x, y, p)) return;
  TLaerred& c = *v.Laerred;
  const int sx = p.X;
  const int sy = p.Y;
  // The symbols' sizes in screen pixels, scaled for a true-size device.
  const double k = v.MarkoerSkala > 0 && std::isfinite(v.MarkoerSkala) ? v.MarkoerSkala : 1.0;
  auto m = [k](int px) { return static_cast<int>(Round(px * k)); };
  const int m3 = m(3), m4 = m(4), m5 = m(5), m6 = m(6);
  auto streg = [&c](int x1, int y1, int x2, int y2) {
    c.FlytTil(x1, y1);
    c.LinjeTil(x2, y2);
  };
  c.FlytTil(sx, sy);
  switch (art) {
    case 1: c.SaetPixel(sx, sy, c.PenFarve()); break;
    case 2:
      streg(sx, sy - m5, sx, sy + m5);
      streg(sx - m5, sy, sx + m5, sy);
      break;
    case 3:  // a small square (no drawing uses it)
      c.FlytTil(sx - m3, sy - m3);
      c.LinjeTil(sx + m3, sy - m3);
      c.LinjeTil(sx + m3, sy + m3);
      c.LinjeTil(sx - m3, sy + m3);
      c.LinjeTil(sx - m3, sy - m3);
      break;
    case 4:  // a small diamond (no drawing uses it)
      c.FlytTil(sx, sy - m4);
      c.LinjeTil(sx + m4, sy);
      c.LinjeTil(sx, sy + m4);
      c.LinjeTil(sx - m4, sy);
      c.LinjeTil(sx, sy - m4);
      break;
    case 5:  // a diagonal cross (no drawing uses it)
      streg(sx - m4, sy - m4, sx + m4, sy + m4);
      streg(sx - m4, sy + m4, sx + m4, sy - m4);
      break;
    case 6:  // arrowhead pointing up
      streg(sx - m3, sy + m6, sx, sy);
      streg(sx + m3, sy + m6, sx, sy);
      break;
    case 7:  // pointing down
      streg(sx - m3, sy - m6, sx, sy);
      streg(sx + m3, sy - m6, sx, sy);
      break;
    case 8:  // pointing left
      streg(sx + m6, sy + m3, sx, sy);
      streg(sx + m6, sy - m3, sx, sy);
      break;
    case 9:  // pointing right
      streg(sx - m6, sy + m3, sx, sy);
      streg(sx - m6, sy - m3, sx, sy);
      break;
    default: break;
  }
}

void TegnListe(const Visning& v, const TLinjeListe& linjer, const TTekstGruppeListe& tekster) {
  if (v.Laerred == nullptr) return;
  TLaerred& c = *v.Laerred;

  std::vector<TPixelPunkt> polygon;
  for (const LinjeType& l : linjer) {
    c.SaetPen(PenStilAfKode(l.Stil), l.Bredde, PaletteFarve(l.Farve));
    if (const std::optional<TPenselStil> s = PenselStilAfKode(l.Fyld)) c.SaetPenselStil(*s);
    c.SaetPenselFarve(PaletteFarve(l.FyldFarve));

    if (l.Markoer == 0) {
      // Separate strokes, so a single point draws nothing and a point that
      // cannot be drawn takes only its own two segments with it.
      for (std::size_t i = 1; i < l.Punkter.size(); ++i) {
        TPixelPunkt a, b;
        if (!TilPixel(v, l.Punkter[i - 1].X, l.Punkter[i - 1].Y, a)) continue;
        if (!TilPixel(v, l.Punkter[i].X, l.Punkter[i].Y, b)) continue;
        c.FlytTil(a.X, a.Y);
        c.LinjeTil(b.X, b.Y);
      }
    } else if (l.Markoer <= 9) {
      for (const PunktType& p : l.Punkter) TegnMarkoer(v, l.Markoer, p.X, p.Y);
    }

    if (l.Fyld != FyldKode(TPenselStil::Ingen) && !l.Punkter.empty()) {
      polygon.clear();
      bool hel = true;
      for (const PunktType& p : l.Punkter) {
        TPixelPunkt q;
        if (!TilPixel(v, p.X, p.Y, q)) {
          hel = false;
          break;
        }
        polygon.push_back(q);
      }
      if (hel) c.Polygon(polygon);
    }
  }

  // Half the height of "0", so that a vertically centred group stands with
  // its middle on the point (13 pixels give 6: ties go to the even number).
  const double halv = std::fabs(v.TekstHoejde) / 2;
  const int forskydning = halv < PixelGraense ? static_cast<int>(Round(halv)) : 0;
  for (const TekstGruppeType& g : tekster) {
    const TVandretJust vandret = g.VandretJust == 0   ? TVandretJust::Venstre
                                 : g.VandretJust == 2 ? TVandretJust::Hoejre
                                                      : TVandretJust::Midte;
    const TLodretJust lodret = g.LodretJust == 0 ? TLodretJust::Bund : TLodretJust::Top;
    c.SaetTekstJustering(vandret, lodret);
    c.SaetTekstFarve(PaletteFarve(g.Farve));
    const int op = g.LodretJust == 1 ? forskydning : 0;
    for (const TekstType& t : g.Tekster) {
      TPixelPunkt p;
      if (!TilPixel(v, t.X, t.Y, p)) continue;
      c.TekstUd(p.X, p.Y - op, t.Tekst);
    }
  }
}

Visning Vis(TLaerred& laerred, int bredde, int hoejde, const TLinjeListe& linjer,
            const TTekstGruppeListe& tekster, bool bevarForhold) {
  Visning v;
  v.Laerred = &laerred;
  if (bredde <= 0 || hoejde <= 0) return v;
  double xmin, ymin, xmax, ymax;
  FindOmraade(linjer, xmin, ymin, xmax, ymax);
  Udvid(xmin, xmax, 90);
  Udvid(ymin, ymax, 90);
  if (bevarForhold)
    TilpasLige(v, laerred, bredde, hoejde, xmin, ymin, xmax, ymax);
  else
    SaetVisning(v, laerred, bredde, hoejde, xmin, ymin, xmax, ymax);
  TegnListe(v, linjer, tekster);
  return v;
}

}  // namespace kvistor
