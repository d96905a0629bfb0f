#include "graphics/kraftkurvetegning.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "common/format.h"

namespace kvistor {

namespace {

constexpr int PilOp = 6;
constexpr int Kryds = 5;
constexpr int Plus = 2;

// The layout in pixels.
constexpr int Kant = 6;           // white above the first band and below the last
constexpr int Sidekant = 2;       // white beside a label pushed in from the edge
constexpr int MarkoerLuft = 7;    // from an extreme to its label: the marker reaches 5
constexpr int TitelLuft = 2;      // between a title and the label row under it
constexpr int Mellemrum = 12;     // between two bands
constexpr int MindsteUdslag = 10; // the least amplitude worth setting the texts smaller for
constexpr double MindsteSkala = 0.6;

struct TDiagram {
  const char* titel;
  const char* enhed;
  double (*vaerdi)(const TKurvePunkt&);
  double fortegn;  // +1: positive up; -1: positive down (tension side)
  double maks, xMaks, min, xMin;
};

// An extreme's label: its text, where the extreme lies, and whether it is
// the curve's highest point (written above) or its lowest (below).
struct TEtiket {
  std::string tekst;
  double x = 0;
  double v = 0;
  bool over = true;
};

struct TBaand {
  const TKraftkurve* kurve;
  TDiagram d;
  std::string titel;
  std::vector<TEtiket> etiketter;
  bool faellesRaekke = false;  // the title shares its row with the upper label
};

// A label's horizontal place: centred on its extreme, or pushed in from an
// edge and then aligned by that edge, so that a viewer whose font runs wider
// than the canvas's measure still keeps it on the surface.
struct TVandret {
  int just = 1;  // 0 left, 1 centre, 2 right
  int x = 0;     // the pixel the alignment refers to
  int venstre = 0, hoejre = 0;
};

TVandret PlacerVandret(int px, int bredde, int flade) {
  TVandret p{1, px, px - bredde / 2, px - bredde / 2 + bredde};
  if (p.venstre < Sidekant) p = {0, Sidekant, Sidekant, Sidekant + bredde};
  else if (p.hoejre > flade - Sidekant)
    p = {2, flade - Sidekant, flade - Sidekant - bredde, flade - Sidekant};
  return p;
}

// The diagram's polylines but its extremes: the curve as a filled area
// against the axis and its outline, the axis, the supports below it and the
// hinges on it. A value v stands at y = akse + v·yPrVaerdi.
void TegnKurve(TLinjeListe& linjer, const TKraftkurve& k, const TDiagram& d, double akse,
               double yPrVaerdi) {
  auto Y = [&](const TKurvePunkt& p) { return akse + d.vaerdi(p) * yPrVaerdi; };
  LinjeType& flade = NyLinje(linjer, TPenStil::Fuld, 1, Lyseblaa, TPenselStil::Fuld, Lyseblaa, 10);
  TilfoejPunkt(flade, 0, akse);
  for (const TKurvePunkt& p : k.Punkter) TilfoejPunkt(flade, p.x, Y(p));
  TilfoejPunkt(flade, k.LAas, akse);
  LinjeType& kurve = NyLinje(linjer, TPenStil::Fuld, 3, Blaa, TPenselStil::Ingen, 0, 0);
  for (const TKurvePunkt& p : k.Punkter) TilfoejPunkt(kurve, p.x, Y(p));

  LinjeType& akselinje = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, 0);
  TilfoejPunkt(akselinje, 0, akse);
  TilfoejPunkt(akselinje, k.LAas, akse);
  LinjeType& stoetter = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, PilOp);
  for (double x : k.Understoetninger) TilfoejPunkt(stoetter, x, akse);
  LinjeType& charn = NyLinje(linjer, TPenStil::Fuld, 1, Graa, TPenselStil::Ingen, 0, Kryds);
  for (double x : k.Charnierer) TilfoejPunkt(charn, x, akse);
}

double Stoerst(const TDiagram& d) { return std::max({std::fabs(d.maks), std::fabs(d.min), 1e-9}); }

std::vector<TBaand> Baand(const std::vector<TKraftkurve>& kurver) {
  std::vector<TBaand> ud;
  for (const TKraftkurve& k : kurver) {
    const TDiagram v{"forskydningskraft Vz", "kN", [](const TKurvePunkt& p) { return p.V; },
                     1.0, k.VzMax, k.xVzMax, k.VzMin, k.xVzMin};
    const TDiagram m{"moment My, tegnet på træksiden", "kNm",
                     [](const TKurvePunkt& p) { return p.M; }, -1.0, k.MyMax, k.xMyMax,
                     k.MyMin, k.xMyMin};
    for (const TDiagram& d : {v, m}) {
      TBaand b{&k, d, TilfaeldeNavn(k.Tilfaelde) + ": " + d.titel + " (" + d.enhed + ")", {}};
      // The one drawn higher is written above the curve, the other below.
      const bool maksOver = d.maks * d.fortegn >= d.min * d.fortegn;
      for (TEtiket e : {TEtiket{"", d.xMaks, d.maks, maksOver}, TEtiket{"", d.xMin, d.min, !maksOver}}) {
        if (e.v == 0) continue;
        e.tekst = Format("%1.2n %s i x = %1.2n m", {e.v, std::string(d.enhed), e.x});
        b.etiketter.push_back(e);
      }
      ud.push_back(std::move(b));
    }
  }
  return ud;
}

}  // namespace

Visning TegnKraftkurver(TLinjeListe& linjer, TTekstGruppeListe& tekster,
                        const std::vector<TKraftkurve>& kurver, TLaerred& laerred, int bredde,
                        int hoejde) {
  // The purlin's length across the width, a twentieth of the width to spare
  // each side; y in pixels downwards is minus the world's y.
  double laengde = 0;
  for (const TKraftkurve& k : kurver) laengde = std::max(laengde, k.LAas);
  if (!(laengde > 0)) laengde = 1;
  Visning v;
  v.Laerred = &laerred;
  if (bredde <= 0 || hoejde <= 0) return v;
  SaetVisning(v, laerred, bredde, hoejde, -laengde / 18, -hoejde, laengde + laengde / 18, 0);
  auto px = [&v](double x) { return TilX(v, x); };
  auto verdenX = [&v](int p) { return (p - v.ForskydningX) / v.SkalaX; };

  std::vector<TBaand> baand = Baand(kurver);
  const int n = static_cast<int>(baand.size());
  if (n == 0) return v;

  // The largest text size that leaves the curves room, each title sharing
  // the row of its upper label where the two stand apart.
  double skala = 1;
  int th = 0, udslag = 0;
  for (;;) {
    laerred.SaetTekstSkala(skala);
    th = laerred.TekstHoejde("0");
    const int luft = laerred.TekstBredde("0");
    bool forBred = false;
    int raekker = 0;
    for (TBaand& b : baand) {
      const int titelBredde = laerred.TekstBredde(b.titel);
      forBred = forBred || px(0) + titelBredde > bredde - Sidekant;
      b.faellesRaekke = true;
      for (const TEtiket& e : b.etiketter) {
        const int eb = laerred.TekstBredde(e.tekst);
        forBred = forBred || eb > bredde - 2 * Sidekant;
        const TVandret p = PlacerVandret(px(e.x), eb, bredde);
        if (e.over && p.venstre < px(0) + titelBredde + luft) b.faellesRaekke = false;
      }
      raekker += (b.faellesRaekke ? th : 2 * th + TitelLuft) + 2 * MarkoerLuft + th + Mellemrum;
    }
    udslag = (hoejde - 2 * Kant - raekker + Mellemrum) / (2 * n);
    if ((udslag >= MindsteUdslag && !forBred) || skala <= MindsteSkala) break;
    skala = std::max(MindsteSkala, skala * 0.95);
  }
  udslag = std::max(udslag, 1);

  int y = Kant;  // the top of the next band, in pixels
  for (const TBaand& b : baand) {
    const TKraftkurve& k = *b.kurve;
    const TDiagram& d = b.d;
    const int titelTop = y;
    const int kurveTop = y + (b.faellesRaekke ? th : 2 * th + TitelLuft) + MarkoerLuft;
    const int akse = kurveTop + udslag;
    // World y of a value: pixels from the top, negated.
    const double yPrVaerdi = d.fortegn * udslag / Stoerst(d);
    auto Y = [&](double vaerdi) { return -akse + vaerdi * yPrVaerdi; };
    TegnKurve(linjer, k, d, -akse, yPrVaerdi);

    TekstGruppeType& titel = NyTekstGruppe(tekster, Sort, 0, 0);
    TilfoejTekst(titel, b.titel, 0, -(titelTop + th)).Skala = skala;

    // The extremes, marked, and written above the highest point or below the
    // lowest, clear of the marker and of the curve under the whole label.
    LinjeType& ekstremer = NyLinje(linjer, TPenStil::Fuld, 1, Roed, TPenselStil::Ingen, 0, Plus);
    for (const TEtiket& e : b.etiketter) {
      TilfoejPunkt(ekstremer, e.x, Y(e.v));
      const TVandret p = PlacerVandret(px(e.x), laerred.TekstBredde(e.tekst), bredde);
      int yderst = static_cast<int>(std::lround(-Y(e.v)));
      for (const TKurvePunkt& q : k.Punkter) {
        const int qx = px(q.x);
        if (qx < p.venstre - 2 || qx > p.hoejre + 2) continue;
        const int qy = static_cast<int>(std::lround(-Y(d.vaerdi(q))));
        yderst = e.over ? std::min(yderst, qy) : std::max(yderst, qy);
      }
      TekstGruppeType& g = NyTekstGruppe(tekster, Roed, p.just, e.over ? 0 : 2);
      TekstType& t = TilfoejTekst(g, e.tekst, verdenX(p.x),
                                  -(e.over ? yderst - MarkoerLuft : yderst + MarkoerLuft));
      t.Skala = skala;
      t.UndvigY = e.over ? 1 : -1;
    }
    y = akse + udslag + MarkoerLuft + th + Mellemrum;
  }
  laerred.SaetTekstSkala(1);
  return v;
}

void TegnKraftkurver(TLinjeListe& linjer, TTekstGruppeListe& tekster,
                     const std::vector<TKraftkurve>& kurver) {
  int nr = 0;
  for (const TBaand& b : Baand(kurver)) {
    const double y0 = KurveAkse(nr++);
    const double yPrVaerdi = KurveAmplitude / Stoerst(b.d) * b.d.fortegn;
    TegnKurve(linjer, *b.kurve, b.d, y0, yPrVaerdi);
    LinjeType& ekstremer = NyLinje(linjer, TPenStil::Fuld, 1, Roed, TPenselStil::Ingen, 0, Plus);
    TekstGruppeType& over = NyTekstGruppe(tekster, Roed, 1, 0);
    TekstGruppeType& under = NyTekstGruppe(tekster, Roed, 1, 2);
    for (const TEtiket& e : b.etiketter) {
      TilfoejPunkt(ekstremer, e.x, y0 + e.v * yPrVaerdi);
      TilfoejTekst(e.over ? over : under, e.tekst, e.x, y0 + e.v * yPrVaerdi);
    }
    // An outline nobody sees keeps the title and the labels inside the extent.
    LinjeType& ramme = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, 255);
    TilfoejPunkt(ramme, 0, y0 + 0.68 * KurveBaand);
    TilfoejPunkt(ramme, b.kurve->LAas, y0 - 0.55 * KurveBaand);
    TilfoejTekst(NyTekstGruppe(tekster, Sort, 0, 0), b.titel, 0, y0 + 0.54 * KurveBaand);
  }
}

Visning TegnKraftkurveDiagram(const std::vector<TKraftkurve>& kurver, TLaerred& laerred,
                              int bredde, int hoejde) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  const Visning v = TegnKraftkurver(linjer, tekster, kurver, laerred, bredde, hoejde);
  TegnListe(v, linjer, tekster);
  return v;
}

}  // namespace kvistor
