#include "graphics/visning.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <utility>

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
// A label keeps this many pixels of white between itself and a line.
constexpr int TekstLuft = 1;
// A label is set no smaller than this part of its size.
constexpr double MindsteTekstSkala = 0.5;

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

// The symbols' sizes in screen pixels, scaled for a true-size device.
double MarkoerStoerrelse(const Visning& v) {
  return v.MarkoerSkala > 0 && std::isfinite(v.MarkoerSkala) ? v.MarkoerSkala : 1.0;
}

// The strokes of marker symbol `art` at pixel p (y down), its sizes in
// pixels times k; marker 1, a single pixel, is a stroke of no length.
std::vector<std::pair<TPixelPunkt, TPixelPunkt>> MarkoerStreger(int art, TPixelPunkt p, double k) {
  const int sx = p.X;
  const int sy = p.Y;
  auto m = [k](int px) { return static_cast<int>(Round(px * k)); };
  const int m3 = m(3), m4 = m(4), m5 = m(5), m6 = m(6);
  auto kaede = [](std::initializer_list<TPixelPunkt> punkter) {
    std::vector<std::pair<TPixelPunkt, TPixelPunkt>> s;
    for (auto i = punkter.begin(); i + 1 != punkter.end(); ++i) s.push_back({*i, *(i + 1)});
    return s;
  };
  switch (art) {
    case 1: return {{p, p}};
    case 2: return {{{sx, sy - m5}, {sx, sy + m5}}, {{sx - m5, sy}, {sx + m5, sy}}};
    case 3:  // a small square (no drawing uses it)
      return kaede({{sx - m3, sy - m3}, {sx + m3, sy - m3}, {sx + m3, sy + m3}, {sx - m3, sy + m3},
                    {sx - m3, sy - m3}});
    case 4:  // a small diamond (no drawing uses it)
      return kaede({{sx, sy - m4}, {sx + m4, sy}, {sx, sy + m4}, {sx - m4, sy}, {sx, sy - m4}});
    case 5:  // a diagonal cross
      return {{{sx - m4, sy - m4}, {sx + m4, sy + m4}}, {{sx - m4, sy + m4}, {sx + m4, sy - m4}}};
    case 6: return {{{sx - m3, sy + m6}, p}, {{sx + m3, sy + m6}, p}};  // arrowhead pointing up
    case 7: return {{{sx - m3, sy - m6}, p}, {{sx + m3, sy - m6}, p}};  // pointing down
    case 8: return {{{sx + m6, sy + m3}, p}, {{sx + m6, sy - m3}, p}};  // pointing left
    case 9: return {{{sx - m6, sy + m3}, p}, {{sx - m6, sy - m3}, p}};  // pointing right
    default: return {};
  }
}

// A stroke on the surface, its pen reaching `Halv` pixels either side of it.
struct TStreg {
  TPixelPunkt A;
  TPixelPunkt B;
  int Halv = 0;
};

// Every stroke TegnListe draws for the polylines: their segments, their
// markers, and the outlines of their filled polygons, closing edge included.
std::vector<TStreg> Streger(const Visning& v, const TLinjeListe& linjer) {
  std::vector<TStreg> ud;
  std::vector<std::optional<TPixelPunkt>> p;  // nothing for a point too far out to draw
  for (const LinjeType& l : linjer) {
    const int halv = l.Bredde / 2;
    p.clear();
    for (const PunktType& q : l.Punkter) {
      TPixelPunkt r;
      p.push_back(TilPixel(v, q.X, q.Y, r) ? std::optional(r) : std::nullopt);
    }
    if (l.Markoer == 0) {
      for (std::size_t i = 1; i < p.size(); ++i)
        if (p[i - 1] && p[i]) ud.push_back({*p[i - 1], *p[i], halv});
    } else if (l.Markoer <= 9) {
      for (const auto& q : p)
        if (q)
          for (const auto& [a, b] : MarkoerStreger(l.Markoer, *q, MarkoerStoerrelse(v)))
            ud.push_back({a, b, halv});
    }
    const bool hel = std::all_of(p.begin(), p.end(), [](const auto& q) { return q.has_value(); });
    if (l.Fyld != FyldKode(TPenselStil::Ingen) && hel && !p.empty())
      for (std::size_t i = 0; i < p.size(); ++i)
        ud.push_back({*p[i], *p[(i + 1) % p.size()], halv});
  }
  return ud;
}

// A text's box in pixels, placed as the canvases place it.
struct TBoks {
  int V = 0;  // left
  int T = 0;  // top
  int B = 0;  // width
  int H = 0;  // height
};

TBoks Tekstboks(TVandretJust vandret, TLodretJust lodret, int x, int y, int b, int h) {
  const int v = vandret == TVandretJust::Venstre ? x
                : vandret == TVandretJust::Midte  ? x - b / 2
                                                  : x - b;
  return {v, lodret == TLodretJust::Top ? y : y - h, b, h};
}

bool Overlapper(const TBoks& a, const TBoks& b) {
  return a.V < b.V + b.B && b.V < a.V + a.B && a.T < b.T + b.H && b.T < a.T + a.H;
}

// Whether the stroke comes within `luft` pixels of the box's pixels.
bool Roerer(const TBoks& k, const TStreg& s, int luft) {
  const double e = luft + s.Halv;
  const double x0 = k.V - e, x1 = k.V + k.B - 1 + e;
  const double y0 = k.T - e, y1 = k.T + k.H - 1 + e;
  // Liang-Barsky: clip the segment to the rectangle.
  const double dx = s.B.X - s.A.X, dy = s.B.Y - s.A.Y;
  double t0 = 0, t1 = 1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {s.A.X - x0, x1 - s.A.X, s.A.Y - y0, y1 - s.A.Y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
    } else {
      const double t = q[i] / p[i];
      if (p[i] < 0) t0 = std::max(t0, t);
      else t1 = std::min(t1, t);
      if (t0 > t1) return false;
    }
  }
  return true;
}

// Where a text is written: its pixel and its scale; Med is false for a text
// too far out to be drawn.
struct TPlacering {
  bool Med = false;
  int X = 0;
  int Y = 0;
  double Skala = 1;
};

TVandretJust Vandret(const TekstGruppeType& g) {
  return g.VandretJust == 0   ? TVandretJust::Venstre
         : g.VandretJust == 2 ? TVandretJust::Hoejre
                              : TVandretJust::Midte;
}
TLodretJust Lodret(const TekstGruppeType& g) {
  return g.LodretJust == 0 ? TLodretJust::Bund : TLodretJust::Top;
}

bool HarOenske(const TekstType& t) { return t.MaksBredde > 0 || t.UndvigX != 0 || t.UndvigY != 0; }

double GyldigSkala(double s) { return std::isfinite(s) ? std::clamp(s, 0.1, 10.0) : 1.0; }

// The canvas's text scale, set only when it changes.
class TTekstSkala {
 public:
  explicit TTekstSkala(TLaerred& c) : c_(c) {}
  void Saet(double s) {
    if (s != nu_) c_.SaetTekstSkala(s);
    nu_ = s;
  }

 private:
  TLaerred& c_;
  double nu_ = 1;
};

// How far a vertically centred group's text stands above its point: half the
// height of "0", so that its middle is on the point (13 pixels give 6: ties
// go to the even number). At scale 1 the view's measure, at another scale the
// canvas's, which must be set to it.
int Centrering(const Visning& v, const TekstGruppeType& g, double skala) {
  if (g.LodretJust != 1) return 0;
  const double hoejde =
      skala == 1 ? std::fabs(v.TekstHoejde) : std::fabs(static_cast<double>(v.Laerred->TekstHoejde("0")));
  const double halv = hoejde / 2;
  return halv < PixelGraense ? static_cast<int>(Round(halv)) : 0;
}

// The place of a text with layout wishes: first set smaller until it stands
// between the ticks of its span, clear of them; then the largest size, down
// to half, at which it finds a free place within a text height of its point
// in the way it may give (the nearest first); failing that, its point at the
// size of its span. Free means on the surface, off every stroke by TekstLuft
// and overlapping no text already placed.
TPlacering PlacerEtiket(const Visning& v, TTekstSkala& skala, const TekstGruppeType& g,
                        const TekstType& t, TPixelPunkt p, const std::vector<TStreg>& streger,
                        const std::vector<TBoks>& optaget) {
  TLaerred& c = *v.Laerred;
  const double grund = GyldigSkala(t.Skala);
  const double mindst = MindsteTekstSkala * grund;
  double foerste = grund;
  skala.Saet(foerste);
  if (t.MaksBredde > 0) {
    const double rum = t.MaksBredde * std::fabs(v.SkalaX) - 2 * (TekstLuft + 1);
    for (int b = c.TekstBredde(t.Tekst); foerste > mindst && b > rum; b = c.TekstBredde(t.Tekst)) {
      foerste = std::max(mindst, foerste * std::min(0.97, rum > 0 ? rum / b : 0.5));
      skala.Saet(foerste);
    }
  }

  const int dx = t.UndvigX > 0 ? 1 : t.UndvigX < 0 ? -1 : 0;
  const int dy = t.UndvigY > 0 ? -1 : t.UndvigY < 0 ? 1 : 0;  // pixels run down
  const bool flyt = dx != 0 || dy != 0;

  // Only what lies within reach of the text at its largest can be in its way.
  const int h0 = c.TekstHoejde(t.Tekst);
  const int rak = flyt ? h0 : 0;
  TBoks omraade = Tekstboks(Vandret(g), Lodret(g), p.X, p.Y - Centrering(v, g, foerste),
                            c.TekstBredde(t.Tekst), h0);
  const int kant = TekstLuft + 2;
  omraade.V -= (dx < 0 ? rak : 0) + kant;
  omraade.T -= (dy < 0 ? rak : 0) + kant;
  omraade.B += (dx != 0 ? rak : 0) + 2 * kant;
  omraade.H += (dy != 0 ? rak : 0) + 2 * kant;
  std::vector<TStreg> naere;
  for (const TStreg& st : streger)
    if (Roerer(omraade, st, 0)) naere.push_back(st);
  std::vector<TBoks> naereTekster;
  for (const TBoks& k : optaget)
    if (Overlapper(omraade, k)) naereTekster.push_back(k);
  auto fri = [&](const TBoks& k) {
    if (k.V < 0 || k.T < 0 || k.V + k.B > v.Bredde || k.T + k.H > v.Hoejde) return false;
    for (const TBoks& o : naereTekster)
      if (Overlapper(k, o)) return false;
    for (const TStreg& st : naere)
      if (Roerer(k, st, TekstLuft)) return false;
    return true;
  };

  for (double s = foerste;; s = std::max(mindst, s * 0.95)) {
    skala.Saet(s);
    const int b = c.TekstBredde(t.Tekst), h = c.TekstHoejde(t.Tekst);
    const int y0 = p.Y - Centrering(v, g, s);
    // d pixels away in all, as (ix, d - ix) when the text may give both ways.
    for (int d = 0; d <= (flyt ? h : 0); ++d)
      for (int ix = dx != 0 ? d : 0; ix >= 0 && (d - ix == 0 || dy != 0); --ix) {
        const int x = p.X + ix * dx, y = y0 + (d - ix) * dy;
        if (fri(Tekstboks(Vandret(g), Lodret(g), x, y, b, h))) return {true, x, y, s};
      }
    if (s <= mindst) break;
  }
  skala.Saet(foerste);
  return {true, p.X, p.Y - Centrering(v, g, foerste), foerste};
}

// Lays the texts out and writes them. A text without layout wishes stands on
// its point, as it always has; on a surface the others then find their
// places in list order, clear of the strokes, of the texts without wishes and of those
// placed before them. The texts are written in list order.
void PlacerOgSkrivTekster(const Visning& v, const TLinjeListe& linjer,
                          const TTekstGruppeListe& tekster) {
  TLaerred& c = *v.Laerred;
  TTekstSkala skala(c);
  auto boks = [&c](const TekstGruppeType& g, const TekstType& t, const TPlacering& pl) {
    return Tekstboks(Vandret(g), Lodret(g), pl.X, pl.Y, c.TekstBredde(t.Tekst),
                     c.TekstHoejde(t.Tekst));
  };

  std::vector<std::vector<TPlacering>> plads(tekster.size());
  std::vector<TBoks> optaget;
  bool nogenOenske = false;
  for (std::size_t gi = 0; gi < tekster.size(); ++gi) {
    const TekstGruppeType& g = tekster[gi];
    plads[gi].resize(g.Tekster.size());
    for (std::size_t ti = 0; ti < g.Tekster.size(); ++ti) {
      const TekstType& t = g.Tekster[ti];
      TPixelPunkt p;
      if (!TilPixel(v, t.X, t.Y, p)) continue;
      TPlacering& pl = plads[gi][ti];
      pl = {true, p.X, p.Y, GyldigSkala(t.Skala)};
      skala.Saet(pl.Skala);
      pl.Y -= Centrering(v, g, pl.Skala);
      if (HarOenske(t))
        nogenOenske = true;
      else
        optaget.push_back(boks(g, t, pl));
    }
  }

  // A device that draws at true size has no surface to keep the texts on:
  // there they stand on their points.
  if (nogenOenske && v.Bredde > 0 && v.Hoejde > 0) {
    const std::vector<TStreg> streger = Streger(v, linjer);
    for (std::size_t gi = 0; gi < tekster.size(); ++gi) {
      const TekstGruppeType& g = tekster[gi];
      for (std::size_t ti = 0; ti < g.Tekster.size(); ++ti) {
        const TekstType& t = g.Tekster[ti];
        TPlacering& pl = plads[gi][ti];
        if (!pl.Med || !HarOenske(t)) continue;
        TPixelPunkt p;
        TilPixel(v, t.X, t.Y, p);
        pl = PlacerEtiket(v, skala, g, t, p, streger, optaget);
        optaget.push_back(boks(g, t, pl));
      }
    }
  }

  for (std::size_t gi = 0; gi < tekster.size(); ++gi) {
    const TekstGruppeType& g = tekster[gi];
    c.SaetTekstJustering(Vandret(g), Lodret(g));
    c.SaetTekstFarve(PaletteFarve(g.Farve));
    for (std::size_t ti = 0; ti < g.Tekster.size(); ++ti) {
      const TPlacering& pl = plads[gi][ti];
      if (!pl.Med) continue;
      skala.Saet(pl.Skala);
      c.TekstUd(pl.X, pl.Y, g.Tekster[ti].Tekst);
    }
  }
  skala.Saet(1);
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
  c.FlytTil(p.X, p.Y);
  if (art == 1) {
    c.SaetPixel(p.X, p.Y, c.PenFarve());
    return;
  }
  for (const auto& [a, b] : MarkoerStreger(art, p, MarkoerStoerrelse(v))) {
    c.FlytTil(a.X, a.Y);
    c.LinjeTil(b.X, b.Y);
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

  PlacerOgSkrivTekster(v, linjer, tekster);
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
