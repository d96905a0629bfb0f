#include "graphics/charnierkurve.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"

namespace kvistor {

namespace {

constexpr int LyseRoed = 12;

}  // namespace

TCharnierKurvePixel CharnierKurvePixel(int bredde, int hoejde, int tekstBredde, int tekstHoejde) {
  TCharnierKurvePixel p;
  p.Venstre = tekstBredde + 12;
  p.Bund = 2 * tekstHoejde + 14;
  // The fitting widens the extent by 1/18 on each side: the outline fills
  // nine tenths of the surface, the labels' room included.
  p.X = 1.0 / std::max(0.9 * bredde - p.Venstre, 20.0);
  p.Y = 1.04 / std::max(0.9 * hoejde - p.Bund, 20.0);
  return p;
}

void TegnCharnierKurve(TLinjeListe& linjer, TTekstGruppeListe& tekster,
                       const TCharnierKurveData& d, const TCharnierKurvePixel& px) {
  if (d.Punkter.size() < 2) return;
  const double x0 = d.Punkter.front().ForskydningM, x1 = d.Punkter.back().ForskydningM;
  const double dx = std::max(x1 - x0, 1e-6);
  double ymax = 1.0;
  for (const TCharnierKurvePunkt& p : d.Punkter)
    for (double ug : {p.Tvaersnit, p.Samling})
      if (std::isfinite(ug)) ymax = std::max(ymax, std::min(ug, CharnierKurveLoft));
  const double trin = ymax > 1.6 ? 0.5 : 0.2;
  ymax = std::ceil(ymax / trin - 1e-9) * trin;
  auto Y = [ymax](double ug) { return std::isfinite(ug) ? std::clamp(ug, 0.0, ymax) : ymax; };
  // Pixels in world units.
  auto PX = [&](double pixel) { return pixel * px.X * dx; };
  auto PY = [&](double pixel) { return pixel * px.Y * ymax; };

  // Room for the scale's labels left of the axis and below it: an outline
  // nobody sees, which the fitting takes into account.
  LinjeType& ramme = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, 255);
  TilfoejPunkt(ramme, x0 - PX(px.Venstre), -PY(px.Bund));
  TilfoejPunkt(ramme, x1, ymax * 1.04);

  // The offsets the input page warns about.
  const bool lille = d.LilleGraenseM > x0;
  if (lille) {
    const double g = std::min(d.LilleGraenseM, x1);
    LinjeType& felt =
        NyLinje(linjer, TPenStil::Fuld, 1, LyseRoed, TPenselStil::Fuld, LyseRoed, 10);
    for (auto [x, y] : {std::pair{x0, 0.0}, {g, 0.0}, {g, ymax}, {x0, ymax}}) TilfoejPunkt(felt, x, y);
    LinjeType& graense = NyLinje(linjer, TPenStil::Prikket, 1, Roed, TPenselStil::Ingen, 0, 0);
    TilfoejPunkt(graense, g, 0);
    TilfoejPunkt(graense, g, ymax);
  }

  // Axes, scales and 100 %.
  LinjeType& akser = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, 0);
  TilfoejPunkt(akser, x0, ymax);
  TilfoejPunkt(akser, x0, 0);
  TilfoejPunkt(akser, x1, 0);
  TekstGruppeType& yTal = NyTekstGruppe(tekster, Sort, 2, 1);
  for (int i = 0; i * trin <= ymax + 1e-9; ++i) {
    const double t = i * trin;
    LinjeType& streg = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, 0);
    TilfoejPunkt(streg, x0 - PX(4), t);
    TilfoejPunkt(streg, x0, t);
    TilfoejTekst(yTal, Format("%1.0f %%", {t * 100}), x0 - PX(6), t);
  }
  LinjeType& hundrede = NyLinje(linjer, TPenStil::Stiplet, 1, Graa, TPenselStil::Ingen, 0, 0);
  TilfoejPunkt(hundrede, x0, 1.0);
  TilfoejPunkt(hundrede, x1, 1.0);
  const double skridt = dx > 4 ? 1.0 : dx > 2 ? 0.5 : dx > 0.8 ? 0.2 : 0.1;
  TekstGruppeType& xTal = NyTekstGruppe(tekster, Sort, 1, 2);
  for (long i = std::lround(std::ceil(x0 / skridt - 1e-9)); i * skridt <= x1 + 1e-9; ++i) {
    const double m = i * skridt;
    LinjeType& streg = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, 0);
    TilfoejPunkt(streg, m, 0);
    TilfoejPunkt(streg, m, -PY(4));
    TilfoejTekst(xTal, Format("%1.1n", {m}), m, -PY(5));
  }
  TekstGruppeType& titel = NyTekstGruppe(tekster, Sort, 2, 0);
  TilfoejTekst(titel, "Charnierforskydning [m]", x1, -PY(px.Bund));
  TekstGruppeType& forklaring = NyTekstGruppe(tekster, Sort, 0, 0);
  TilfoejTekst(forklaring,
               "Åsetværsnit (sort), samling (blå)" +
                   (lille ? Format("; under %1.2n m (rødt): lille forskydning", {d.LilleGraenseM})
                          : std::string()),
               x0 - PX(px.Venstre), -PY(px.Bund));

  // The chosen offset and the 1/7 rule's, their labels at the top, on the
  // sides that keep them apart.
  const bool r17Venstre = d.Regel17M && d.ValgtM && *d.Regel17M < *d.ValgtM;
  auto markering = [&](std::optional<double> x, int farve, const char* tekst, bool venstre) {
    if (!x) return;
    LinjeType& l = NyLinje(linjer, TPenStil::Stiplet, 1, farve, TPenselStil::Ingen, 0, 0);
    TilfoejPunkt(l, *x, 0);
    TilfoejPunkt(l, *x, ymax);
    TekstGruppeType& t = NyTekstGruppe(tekster, farve, venstre ? 2 : 0, 2);
    TilfoejTekst(t, tekst, *x + PX(venstre ? -4 : 4), ymax - PY(2));
  };
  markering(d.Regel17M, Roed, "1/7-reglen", r17Venstre);
  markering(d.ValgtM, Groen, d.ValgtBestaar ? "bedst" : "mindst dårlig", !r17Venstre);

  // The two curves.
  auto kurve = [&](int farve, double TCharnierKurvePunkt::*felt) {
    LinjeType& l = NyLinje(linjer, TPenStil::Fuld, 3, farve, TPenselStil::Ingen, 0, 0);
    for (const TCharnierKurvePunkt& p : d.Punkter) TilfoejPunkt(l, p.ForskydningM, Y(p.*felt));
  };
  kurve(Sort, &TCharnierKurvePunkt::Tvaersnit);
  kurve(Blaa, &TCharnierKurvePunkt::Samling);
}

Visning TegnCharnierKurveDiagram(const TCharnierKurveData& data, TLaerred& laerred, int bredde,
                                 int hoejde) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  TegnCharnierKurve(linjer, tekster, data,
                    CharnierKurvePixel(bredde, hoejde, laerred.TekstBredde("200 %"),
                                       laerred.TekstHoejde("0")));
  if (linjer.empty()) return Visning{};
  return Vis(laerred, bredde, hoejde, linjer, tekster, false);
}

}  // namespace kvistor
