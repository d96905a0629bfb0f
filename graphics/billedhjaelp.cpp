#include "graphics/billedhjaelp.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace kvistor {

namespace {

constexpr double StandardTegnBredde = 7;
constexpr double StandardTekstHoejde = 14;

// A scale that is not a positive number is taken as one pixel per unit, so
// that a surface without area never divides by zero.
double Skala(const TTekstmaal& m) {
  return std::isfinite(m.Skala) && m.Skala > 0 ? m.Skala : 1;
}

}  // namespace

double TekstBreddeVerden(const TTekstmaal& m, const std::string& tekst) {
  double px = 0;
  if (m.Laerred != nullptr) {
    px = m.Laerred->TekstBredde(tekst);
  } else {
    for (unsigned char b : tekst)
      if ((b & 0xC0) != 0x80) px += StandardTegnBredde;
  }
  return px / Skala(m);
}

double TekstHoejdeVerden(const TTekstmaal& m) {
  const double px =
      m.Laerred != nullptr ? m.Laerred->TekstHoejde("ÅÆØgj") : StandardTekstHoejde;
  return px / Skala(m);
}

double Linjeafstand(const TTekstmaal& m) { return 1.3 * TekstHoejdeVerden(m); }

std::vector<std::string> BrydLinjer(const TTekstmaal& m, const std::string& tekst,
                                    double bredde) {
  std::vector<std::string> linjer;
  std::string linje;
  std::size_t i = 0;
  while (i < tekst.size()) {
    const std::size_t slut = std::min(tekst.find(' ', i), tekst.size());
    const std::string ord = tekst.substr(i, slut - i);
    i = slut + 1;
    if (ord.empty()) continue;
    const std::string proeve = linje.empty() ? ord : linje + " " + ord;
    if (linje.empty() || TekstBreddeVerden(m, proeve) <= bredde) {
      linje = proeve;
    } else {
      linjer.push_back(linje);
      linje = ord;
    }
  }
  if (!linje.empty()) linjer.push_back(linje);
  return linjer;
}

double SkrivAfsnit(TekstGruppeType& gruppe, const TTekstmaal& m, const std::string& tekst,
                   double x, double y, double bredde) {
  const double l = Linjeafstand(m);
  for (const std::string& linje : BrydLinjer(m, tekst, bredde)) {
    TilfoejTekst(gruppe, linje, x, y);
    y -= l;
  }
  return y;
}

void Ramme(TLinjeListe& linjer, double bredde, double hoejde) {
  TilfoejPunkt(NyLinje(linjer, TPenStil::Fuld, 1, Hvid, TPenselStil::Ingen, 0, 0), 0, 0);
  TilfoejPunkt(NyLinje(linjer, TPenStil::Fuld, 1, Hvid, TPenselStil::Ingen, 0, 0), bredde, hoejde);
}

void Flade(TLinjeListe& linjer, int pen, int fyld, const std::vector<PunktType>& punkter) {
  LinjeType& l = NyLinje(linjer, TPenStil::Fuld, 1, pen, TPenselStil::Fuld, fyld, 0);
  for (const PunktType& p : punkter) TilfoejPunkt(l, p.X, p.Y);
  if (!punkter.empty()) TilfoejPunkt(l, punkter.front().X, punkter.front().Y);
}

void Flade(TLinjeListe& linjer, int pen, int fyld, std::initializer_list<PunktType> punkter) {
  Flade(linjer, pen, fyld, std::vector<PunktType>(punkter));
}

void Linjestykke(TLinjeListe& linjer, int farve, int bredde, PunktType a, PunktType b,
                 TPenStil stil) {
  LinjeType& l = NyLinje(linjer, stil, bredde, farve, TPenselStil::Ingen, 0, 0);
  TilfoejPunkt(l, a.X, a.Y);
  TilfoejPunkt(l, b.X, b.Y);
}

void Pilespids(TLinjeListe& linjer, int farve, PunktType spids, double dx, double dy,
               double laengde) {
  const double n = std::hypot(dx, dy);
  if (!(n > 0)) return;
  const double ux = dx / n, uy = dy / n;
  const double bx = spids.X - laengde * ux, by = spids.Y - laengde * uy;
  const double h = laengde / 3;
  Flade(linjer, farve, farve, {spids, {bx - h * uy, by + h * ux}, {bx + h * uy, by - h * ux}});
}

void Maallinje(TLinjeListe& linjer, int farve, PunktType a, PunktType b, double spids) {
  const double dx = b.X - a.X, dy = b.Y - a.Y;
  const double n = std::hypot(dx, dy);
  if (!(n > 0)) return;
  const double ux = dx / n, uy = dy / n;
  if (n >= 3 * spids) {
    Linjestykke(linjer, farve, 1, a, b);
    Pilespids(linjer, farve, a, -ux, -uy, spids);
    Pilespids(linjer, farve, b, ux, uy, spids);
  } else {
    const double hale = 2.5 * spids;
    Linjestykke(linjer, farve, 1, {a.X - hale * ux, a.Y - hale * uy}, b);
    Linjestykke(linjer, farve, 1, a, {b.X + hale * ux, b.Y + hale * uy});
    Pilespids(linjer, farve, a, ux, uy, spids);
    Pilespids(linjer, farve, b, -ux, -uy, spids);
  }
}

std::vector<PunktType> Buepunkter(double cx, double cy, double rx, double ry, double a0,
                                  double a1) {
  // About one point every 6 degrees, at least two.
  const int n = std::max(2, static_cast<int>(std::ceil(std::fabs(a1 - a0) / 6)) + 1);
  std::vector<PunktType> p;
  p.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double a = (a0 + (a1 - a0) * i / (n - 1)) * std::numbers::pi / 180;
    p.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  return p;
}

void Cirkel(TLinjeListe& linjer, int pen, int fyld, double cx, double cy, double r) {
  std::vector<PunktType> p = Buepunkter(cx, cy, r, r, 0, 360);
  p.pop_back();  // the closing point is added by Flade
  Flade(linjer, pen, fyld, p);
}

}  // namespace kvistor
