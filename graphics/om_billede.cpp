#include "graphics/om_billede.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kvistor {

namespace {

// The letters: cap height, x-height, stroke and spacing.
constexpr double Versal = 56;
constexpr double Minuskel = 40;
constexpr double Streg = 8;
constexpr double Mellemrum = 6;

void Rektangel(TLinjeListe& linjer, int pen, int fyld, double x0, double y0, double x1,
               double y1) {
  Flade(linjer, pen, fyld, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

// A slanting stroke from (xa, ya) to (xb, yb), cut level at both ends and
// Streg thick across.
void Skraa(TLinjeListe& linjer, int f, double xa, double ya, double xb, double yb) {
  const double w = Streg * std::hypot(xb - xa, yb - ya) / std::fabs(yb - ya) / 2;
  Flade(linjer, f, f, {{xa - w, ya}, {xa + w, ya}, {xb + w, yb}, {xb - w, yb}});
}

// A curved stroke along an arc of radius r (x stretched by sx) from a0 to a1 degrees.
void Bue(TLinjeListe& linjer, int f, double cx, double cy, double r, double sx, double a0,
         double a1) {
  const double y = r + Streg / 2, i = r - Streg / 2;
  std::vector<PunktType> p = Buepunkter(cx, cy, y * sx, y, a0, a1);
  const std::vector<PunktType> ind = Buepunkter(cx, cy, i * sx, i, a1, a0);
  p.insert(p.end(), ind.begin(), ind.end());
  Flade(linjer, f, f, p);
}

// Each letter draws itself with its left edge at x and returns its width.
double K(TLinjeListe& l, int f, double x, double y) {
  Rektangel(l, f, f, x, y, x + Streg, y + Versal);
  Skraa(l, f, x + Streg / 2 + 4, y + 0.28 * Versal, x + 0.64 * Versal, y + Versal);
  Skraa(l, f, x + 0.30 * Versal, y + 0.50 * Versal, x + 0.66 * Versal, y);
  return 0.66 * Versal + 5;
}

double V(TLinjeListe& l, int f, double x, double y) {
  const double b = 0.8 * Minuskel;
  Skraa(l, f, x + 4, y + Minuskel, x + b / 2, y);
  Skraa(l, f, x + b / 2, y, x + b - 4, y + Minuskel);
  return b;
}

double I(TLinjeListe& l, int f, double x, double y) {
  Rektangel(l, f, f, x, y, x + Streg, y + Minuskel);
  Rektangel(l, f, f, x, y + Minuskel + 8, x + Streg, y + Minuskel + 8 + Streg);
  return Streg;
}

double S(TLinjeListe& l, int f, double x, double y) {
  const double r = (Minuskel - Streg) / 4, sx = 1.1;
  const double cx = x + (r + Streg / 2) * sx;
  Bue(l, f, cx, y + Minuskel - Streg / 2 - r, r, sx, 25, 270);
  Bue(l, f, cx, y + Streg / 2 + r, r, sx, 90, -155);
  return 2 * (r + Streg / 2) * sx;
}

double T(TLinjeListe& l, int f, double x, double y) {
  Rektangel(l, f, f, x + 6, y, x + 6 + Streg, y + Minuskel + 12);
  Rektangel(l, f, f, x, y + Minuskel - Streg, x + 22, y + Minuskel);
  return 22;
}

double O(TLinjeListe& l, int f, double x, double y) {
  const double r = (Minuskel - Streg) / 2;
  const double cx = x + r + Streg / 2, cy = y + Minuskel / 2;
  Bue(l, f, cx, cy, r, 1, 90, -90);
  Bue(l, f, cx, cy, r, 1, 90, 270);
  return 2 * r + Streg;
}

double R(TLinjeListe& l, int f, double x, double y) {
  const double r = 13;
  Rektangel(l, f, f, x, y, x + Streg, y + Minuskel);
  Bue(l, f, x + Streg / 2 + r, y + Minuskel - Streg / 2 - r, r, 1, 180, 55);
  return Streg / 2 + r + (r + Streg / 2) * std::cos(55 * std::numbers::pi / 180);
}

using TBogstav = double (*)(TLinjeListe&, int, double, double);
constexpr TBogstav Navn[] = {K, V, I, S, T, O, R};

// The roof motif: a portal frame on the ground with purlins on both slopes.
void Tag(TLinjeListe& linjer, double xm, double jord) {
  const double v = 25 * std::numbers::pi / 180;
  const double c = std::cos(v), s = std::sin(v), t = std::tan(v);
  const double halv = 95, udh = 22, facade = 58, aas = 10, spaer = 11;
  const double tagF = jord + facade;                  // roof top at the facades
  const double kant = xm - halv - udh, kantY = tagF - udh * t;
  const double kip = tagF + halv * t;
  const double d1 = aas / c, d2 = (aas + spaer) / c;

  for (double x : {xm - halv, xm + halv - 9}) {
    const double top = tagF + 9 * t - d1;  // the rafter over the column's inner face
    Rektangel(linjer, Sort, Soelv, x, jord, x + 9, top);
  }
  Flade(linjer, Sort, Soelv,
        {{kant, kantY - d1}, {xm, kip - d1}, {2 * xm - kant, kantY - d1},
         {2 * xm - kant, kantY - d2}, {xm, kip - d2}, {kant, kantY - d2}});
  const double laengde = (halv + udh) / c;
  for (int i = 0; i < 5; ++i) {
    const double a = 8 + i * (laengde - 16) / 4;
    const double x = kant + a * c, y = kantY + a * s;
    for (double side : {-1.0, 1.0}) {
      const double px = side < 0 ? x : 2 * xm - x;
      const double tx = side < 0 ? c : -c;  // uphill along the slope
      const double nx = side < 0 ? -s : s;  // out of the roof
      const double b = 4;
      Flade(linjer, Sort, Trae,
            {{px - b * tx, y - b * s}, {px + b * tx, y + b * s},
             {px + b * tx - aas * nx, y + b * s - aas * c},
             {px - b * tx - aas * nx, y - b * s - aas * c}});
    }
  }
  LinjeType& tag = NyLinje(linjer, TPenStil::Fuld, 3, Sort, TPenselStil::Ingen, 0, 0);
  TilfoejPunkt(tag, kant, kantY);
  TilfoejPunkt(tag, xm, kip);
  TilfoejPunkt(tag, 2 * xm - kant, kantY);
}

// A Gerber purlin on four supports, hinges left of the interior ones.
void Fodlinje(TLinjeListe& linjer, double x0, double x1, double y) {
  const double halvDybde = 4, udh = 22;
  const double fag = (x1 - x0 - 2 * udh) / 3;
  double fra = x0;
  for (int i = 1; i <= 3; ++i) {
    const double til = i < 3 ? x0 + udh + i * fag - 12 : x1;
    Rektangel(linjer, Graa, Trae, fra, y - halvDybde, til, y + halvDybde);
    fra = til;
  }
  for (int i = 0; i <= 3; ++i) {
    const double s = x0 + udh + i * fag;
    Flade(linjer, Graa, Hvid, {{s, y - halvDybde}, {s - 6, y - halvDybde - 12},
                               {s + 6, y - halvDybde - 12}});
    if (i > 0 && i < 3) Cirkel(linjer, Graa, Hvid, s - 12, y, 3.5);
  }
}

}  // namespace

void TegnNavn(TLinjeListe& linjer, int farve, double x, double y) {
  // Measure first (into a scratch list), then draw centred.
  TLinjeListe kladde;
  double bredde = 0;
  for (TBogstav b : Navn) bredde += b(kladde, farve, 0, 0) + Mellemrum;
  bredde -= Mellemrum;
  double xb = x - bredde / 2;
  for (TBogstav b : Navn) xb += b(linjer, farve, xb, y) + Mellemrum;
}

void TegnOmBillede(TLinjeListe& linjer, TTekstGruppeListe& tekster, const TTekstmaal& m) {
  const double B = OmBilledeBredde, H = OmBilledeHoejde, xm = B / 2;
  Ramme(linjer, B, H);
  Rektangel(linjer, Soelv, Hvid, 0, 0, B, H);

  // Sky, ground and the roof.
  const double jord = 345;
  Rektangel(linjer, Lyseblaa, Lyseblaa, 1, jord, B - 1, H - 1);
  Rektangel(linjer, Soelv, Soelv, 1, jord - 14, B - 1, jord);
  Linjestykke(linjer, Sort, 3, {1, jord}, {B - 1, jord});
  Tag(linjer, xm, jord);

  // The name, and below it the texts, spaced by the font at this fit.
  const double navn = 254;
  TegnNavn(linjer, Blaagroen, xm, navn);
  const double l = std::max(24.0, Linjeafstand(m));
  TekstGruppeType& midt = NyTekstGruppe(tekster, Sort, 1, 1);
  TekstGruppeType& kontakt = NyTekstGruppe(tekster, Blaagroen, 1, 1);
  double y = navn - 30;
  TilfoejTekst(midt, "Dimensionering af åse- og gerberforbindelser", xm, y);
  y -= l;
  TilfoejTekst(midt, "Version 1.0", xm, y);
  y -= 0.9 * l;
  Linjestykke(linjer, Soelv, 1, {xm - 120, y}, {xm + 120, y});
  y -= 0.9 * l;
  TilfoejTekst(midt, "Kvistor udgives af", xm, y);
  y -= l;
  TilfoejTekst(kontakt, "Kvarnløkkedata", xm, y);
  y -= l;
  TilfoejTekst(midt, "Telefon 86 24 51 70", xm, y);

  Fodlinje(linjer, 70, B - 70, std::min(48.0, y - l));
}

}  // namespace kvistor
