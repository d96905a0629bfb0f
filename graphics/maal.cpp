#include "graphics/maal.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "common/format.h"

namespace kvistor {

namespace {

LinjeType& SortLinje(TLinjeListe& linjer, int markoer) {
  return NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, markoer);
}

std::string Afstand(double afstand, int decimaler) {
  return Format("%*.*f", {2, decimaler, afstand});
}

// The three groups every two-ended dimension line creates, in the order
// left, centre, right; all black and centred vertically on their points.
struct TreGrupper {
  TekstGruppeType* venstre;
  TekstGruppeType* midte;
  TekstGruppeType* hoejre;
};

TreGrupper NyeGrupper(TTekstGruppeListe& tekster) {
  TreGrupper g{};
  g.venstre = &NyTekstGruppe(tekster, Sort, 0, 1);
  g.midte = &NyTekstGruppe(tekster, Sort, 1, 1);
  g.hoejre = &NyTekstGruppe(tekster, Sort, 2, 1);
  return g;
}

// Text above and distance below a common x, p being the tick size. The
// renderer may move the text further up and the distance further down (and
// both further out, -1 or +1 in `ud`, off a vertical line), and set them
// smaller to fit `spaend`, the span between the ticks (0: any width).
void Etiketter(TekstGruppeType& gruppe, const std::string& tekst, const std::string& afstand,
               double x, double y, double p, double spaend = 0, int ud = 0) {
  for (const auto& [t, side] : {std::pair{&tekst, 1}, std::pair{&afstand, -1}}) {
    TekstType& e = TilfoejTekst(gruppe, *t, x, y + side * p);
    e.MaksBredde = spaend;
    e.UndvigX = ud;
    e.UndvigY = side;
  }
}

}  // namespace

void MaalVandret(TLinjeListe& linjer, TTekstGruppeListe& tekster, int placering, double x1,
                 double x2, double y, double p, int decimaler, const std::string& tekst) {
  if (x1 > x2) std::swap(x1, x2);
  LinjeType& venstrePil = SortLinje(linjer, 8);
  TilfoejPunkt(venstrePil, x1, y);
  LinjeType& hoejrePil = SortLinje(linjer, 9);
  const TreGrupper g = NyeGrupper(tekster);

  LinjeType& linje = SortLinje(linjer, 0);
  TilfoejPunkt(linje, x1, y - p);
  TilfoejPunkt(linje, x1, y + p);
  TilfoejPunkt(linje, x1, y);
  TilfoejPunkt(linje, x2, y);
  TilfoejPunkt(linje, x2, y - p);
  TilfoejPunkt(linje, x2, y + p);
  TilfoejPunkt(hoejrePil, x2, y);

  const std::string afstand = Afstand(x2 - x1, decimaler);
  switch (placering) {
    case PlaceringVenstre:
      Etiketter(*g.venstre, tekst, afstand, x1 + p / 2, y, p, x2 - x1 - p / 2);
      break;
    case PlaceringMidte: Etiketter(*g.midte, tekst, afstand, (x1 + x2) / 2, y, p, x2 - x1); break;
    case PlaceringHoejre:
      Etiketter(*g.hoejre, tekst, afstand, x2 - p / 2, y, p, x2 - x1 - p / 2);
      break;
    default: break;
  }
}

void MaalVandretUdv(TLinjeListe& linjer, TTekstGruppeListe& tekster, int placering,
                    double x1, double x2, double y, double p, int decimaler,
                    const std::string& tekst) {
  if (x1 > x2) std::swap(x1, x2);
  LinjeType& venstrePil = SortLinje(linjer, 8);
  LinjeType& hoejrePil = SortLinje(linjer, 9);
  const TreGrupper g = NyeGrupper(tekster);

  // Each end has its tick and a short stub outside it; the arrows point
  // inwards onto the ticks, and nothing joins the two ends.
  LinjeType& venstre = SortLinje(linjer, 0);
  TilfoejPunkt(venstre, x1, y - p);
  TilfoejPunkt(venstre, x1, y + p);
  TilfoejPunkt(venstre, x1, y);
  TilfoejPunkt(venstre, x1 - 2 * p, y);
  TilfoejPunkt(hoejrePil, x1, y);

  LinjeType& hoejre = SortLinje(linjer, 0);
  TilfoejPunkt(hoejre, x2, y - p);
  TilfoejPunkt(hoejre, x2, y + p);
  TilfoejPunkt(hoejre, x2, y);
  TilfoejPunkt(hoejre, x2 + 2 * p, y);
  TilfoejPunkt(venstrePil, x2, y);

  const std::string afstand = Afstand(x2 - x1, decimaler);
  switch (placering) {
    case PlaceringVenstre: Etiketter(*g.venstre, tekst, afstand, x2 + p / 2, y, p); break;
    case PlaceringMidte: Etiketter(*g.midte, tekst, afstand, (x1 + x2) / 2, y, p, x2 - x1); break;
    case PlaceringHoejre: Etiketter(*g.hoejre, tekst, afstand, x1 - p / 2, y, p); break;
    default: break;
  }
}

void MaalEnsidet(TLinjeListe& linjer, TTekstGruppeListe& tekster, int decimaler, double x1,
                 double x2, double y, double p, const std::string& tekst) {
  if (x1 > x2) std::swap(x1, x2);
  LinjeType& pil = SortLinje(linjer, 8);
  LinjeType& kryds = SortLinje(linjer, 2);
  TilfoejPunkt(kryds, x1, y);
  TekstGruppeType& gruppe = NyTekstGruppe(tekster, Sort, 0, 1);

  LinjeType& linje = SortLinje(linjer, 0);
  TilfoejPunkt(linje, x2, y - p);
  TilfoejPunkt(linje, x2, y + p);
  TilfoejPunkt(linje, x2, y);
  TilfoejPunkt(linje, x2 + 2 * p, y);
  TilfoejPunkt(pil, x2, y);

  Etiketter(gruppe, tekst, Afstand(x2 - x1, decimaler), x2 + p / 2, y, p);
}

void MaalLodret(TLinjeListe& linjer, TTekstGruppeListe& tekster, int placering, double y1,
                double y2, double x, double p, int decimaler, const std::string& tekst) {
  if (y1 > y2) std::swap(y1, y2);
  LinjeType& op = SortLinje(linjer, 6);
  LinjeType& ned = SortLinje(linjer, 7);
  const TreGrupper g = NyeGrupper(tekster);

  LinjeType& linje = SortLinje(linjer, 0);
  TilfoejPunkt(linje, x - p, y2);
  TilfoejPunkt(linje, x + p, y2);
  TilfoejPunkt(linje, x, y2);
  TilfoejPunkt(linje, x, y1);
  TilfoejPunkt(linje, x - p, y1);
  TilfoejPunkt(linje, x + p, y1);
  TilfoejPunkt(op, x, y2);
  TilfoejPunkt(ned, x, y1);

  const double m = (y1 + y2) / 2;
  const std::string afstand = Afstand(y2 - y1, decimaler);
  switch (placering) {
    case PlaceringVenstre: Etiketter(*g.venstre, tekst, afstand, x + p / 2, m, p, 0, 1); break;
    case PlaceringMidte: Etiketter(*g.midte, tekst, afstand, x, m, p, 0, 1); break;
    case PlaceringHoejre: Etiketter(*g.hoejre, tekst, afstand, x - p / 2, m, p, 0, -1); break;
    default: break;
  }
}

void Pil(TLinjeListe& linjer, int farve, int bredde, double x, double y, double vinkel,
         double laengde, double hoved) {
  const double a = vinkel * std::numbers::pi / 180;
  const double c = std::cos(a);
  const double s = std::sin(a);
  const double L = laengde;
  const double H = hoved;
  LinjeType& pil = NyLinje(linjer, TPenStil::Fuld, bredde, farve, TPenselStil::Ingen, 0, 0);
  TilfoejPunkt(pil, x - L * c, y - L * s);
  TilfoejPunkt(pil, x, y);
  TilfoejPunkt(pil, x - H * c - H * s / 2, y - H * s + H * c / 2);
  TilfoejPunkt(pil, x, y);
  TilfoejPunkt(pil, x - H * c + H * s / 2, y - H * s - H * c / 2);
}

}  // namespace kvistor
