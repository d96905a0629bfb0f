#include "graphics/kraftkurvetegning.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"

namespace kvistor {

namespace {

constexpr int PilOp = 6;
constexpr int Kryds = 5;
constexpr int Plus = 2;

struct TDiagram {
  const char* titel;
  const char* enhed;
  double (*vaerdi)(const TKurvePunkt&);
  double fortegn;  // +1: positive up; -1: positive down (tension side)
  double maks, xMaks, min, xMin;
};

void TegnDiagram(TLinjeListe& linjer, TTekstGruppeListe& tekster, const TKraftkurve& k,
                 const TDiagram& d, double y0) {
  const double stoerst = std::max({std::fabs(d.maks), std::fabs(d.min), 1e-9});
  const double skala = KurveAmplitude / stoerst * d.fortegn;
  auto Y = [&](double v) { return y0 + v * skala; };

  // The curve as a filled area against the axis, then its outline.
  LinjeType& flade = NyLinje(linjer, TPenStil::Fuld, 1, Lyseblaa, TPenselStil::Fuld, Lyseblaa, 10);
  TilfoejPunkt(flade, 0, y0);
  for (const TKurvePunkt& p : k.Punkter) TilfoejPunkt(flade, p.x, Y(d.vaerdi(p)));
  TilfoejPunkt(flade, k.LAas, y0);
  LinjeType& kurve = NyLinje(linjer, TPenStil::Fuld, 3, Blaa, TPenselStil::Ingen, 0, 0);
  for (const TKurvePunkt& p : k.Punkter) TilfoejPunkt(kurve, p.x, Y(d.vaerdi(p)));

  // Axis, supports below it, hinges on it.
  LinjeType& akse = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, 0);
  TilfoejPunkt(akse, 0, y0);
  TilfoejPunkt(akse, k.LAas, y0);
  LinjeType& stoetter = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, PilOp);
  for (double x : k.Understoetninger) TilfoejPunkt(stoetter, x, y0);
  LinjeType& charn = NyLinje(linjer, TPenStil::Fuld, 1, Graa, TPenselStil::Ingen, 0, Kryds);
  for (double x : k.Charnierer) TilfoejPunkt(charn, x, y0);

  // The extremes, marked and written beside the curve.
  LinjeType& ekstremer = NyLinje(linjer, TPenStil::Fuld, 1, Roed, TPenselStil::Ingen, 0, Plus);
  TekstGruppeType& over = NyTekstGruppe(tekster, Roed, 1, 0);
  TekstGruppeType& under = NyTekstGruppe(tekster, Roed, 1, 2);
  for (auto [v, x] : {std::pair{d.maks, d.xMaks}, std::pair{d.min, d.xMin}}) {
    if (v == 0) continue;
    TilfoejPunkt(ekstremer, x, Y(v));
    TekstGruppeType& g = Y(v) >= y0 ? over : under;
    TilfoejTekst(g, Format("%1.2n %s i x = %1.2n m", {v, std::string(d.enhed), x}), x, Y(v));
  }

  // An outline nobody sees keeps the title and the labels inside the fitted view.
  LinjeType& ramme = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, 255);
  TilfoejPunkt(ramme, 0, y0 + 0.68 * KurveBaand);
  TilfoejPunkt(ramme, k.LAas, y0 - 0.55 * KurveBaand);

  // The title stands above the band, clear of an extreme's label written
  // above the highest point of the curve.
  TekstGruppeType& titel = NyTekstGruppe(tekster, Sort, 0, 0);
  TilfoejTekst(titel, TilfaeldeNavn(k.Tilfaelde) + ": " + d.titel + " (" + d.enhed + ")", 0,
               y0 + 0.54 * KurveBaand);
}

}  // namespace

void TegnKraftkurver(TLinjeListe& linjer, TTekstGruppeListe& tekster,
                     const std::vector<TKraftkurve>& kurver) {
  int baand = 0;
  for (const TKraftkurve& k : kurver) {
    const TDiagram v{"forskydningskraft Vz", "kN", [](const TKurvePunkt& p) { return p.V; },
                     1.0, k.VzMax, k.xVzMax, k.VzMin, k.xVzMin};
    const TDiagram m{"moment My, tegnet på træksiden", "kNm",
                     [](const TKurvePunkt& p) { return p.M; }, -1.0, k.MyMax, k.xMyMax,
                     k.MyMin, k.xMyMin};
    TegnDiagram(linjer, tekster, k, v, KurveAkse(baand++));
    TegnDiagram(linjer, tekster, k, m, KurveAkse(baand++));
  }
}

Visning TegnKraftkurveDiagram(const std::vector<TKraftkurve>& kurver, TLaerred& laerred,
                              int bredde, int hoejde) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  TegnKraftkurver(linjer, tekster, kurver);
  return Vis(laerred, bredde, hoejde, linjer, tekster, false);
}

}  // namespace kvistor
