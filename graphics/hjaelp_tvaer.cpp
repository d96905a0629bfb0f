#include "graphics/hjaelp_tvaer.h"

#include <cmath>
#include <numbers>

namespace kvistor {

namespace {

// The building in world units: ground, the outer faces of the two columns,
// the height of the roof's top in the facade line, the eaves overhang and the
// roof angle.
constexpr double Terraen = 110;
constexpr double FacadeV = 170;
constexpr double FacadeH = 470;
constexpr double TagVedFacade = 272;
constexpr double Udhaeng = 45;
constexpr double Vinkel = 22;
constexpr double Soejle = 12;  // column width
constexpr double AaseH = 14;   // purlin depth (perpendicular to the roof)
constexpr double AaseB = 10;   // purlin width (along the roof)
constexpr double SpaerH = 16;  // rafter depth below the purlins
constexpr double Spids = 8;    // arrowheads

// Distances of the purlins' centres along the slope from the roof edge.
constexpr double AasePlacering[] = {12, 76, 140, 198};

struct TTag {
  double c, s, t;  // cos, sin, tan of the roof angle
  double midte;    // x of the ridge
  double kant;     // x of the left roof edge
  double kantY;    // roof top at the roof edge
  double kip;      // roof top at the ridge
};

TTag Tag() {
  const double v = Vinkel * std::numbers::pi / 180;
  TTag g{std::cos(v), std::sin(v), std::tan(v), (FacadeV + FacadeH) / 2, FacadeV - Udhaeng, 0, 0};
  g.kantY = TagVedFacade - Udhaeng * g.t;
  g.kip = TagVedFacade + (g.midte - FacadeV) * g.t;
  return g;
}

// Roof top at x (both slopes).
double TagY(const TTag& g, double x) {
  return x <= g.midte ? TagVedFacade + (x - FacadeV) * g.t
                      : TagVedFacade + (FacadeH - x) * g.t;
}

// x mirrored about the ridge.
double Spejl(const TTag& g, double x) { return 2 * g.midte - x; }

// A purlin section with the midpoint of its upper face at (x, y), lying on a
// slope whose downhill direction is (tx, ty); (nx, ny) points out of the roof.
void Aas(TLinjeListe& linjer, double x, double y, double tx, double ty, double nx, double ny,
         double b, double h) {
  const double hx = b / 2 * tx, hy = b / 2 * ty;
  Flade(linjer, Sort, Trae,
        {{x - hx, y - hy}, {x + hx, y + hy}, {x + hx - h * nx, y + hy - h * ny},
         {x - hx - h * nx, y - hy - h * ny}});
}

void Bygning(TLinjeListe& linjer, const TTag& g) {
  // Ground: a pale band below a thick line.
  Flade(linjer, Soelv, Soelv,
        {{60, Terraen}, {FacadeH + 70, Terraen}, {FacadeH + 70, Terraen - 10}, {60, Terraen - 10}});
  Linjestykke(linjer, Sort, 3, {60, Terraen}, {FacadeH + 70, Terraen});

  // The frame: two columns and the two rafters below the purlins.
  const double d1 = AaseH / g.c, d2 = (AaseH + SpaerH) / g.c;  // vertical depths
  for (double x : {FacadeV, FacadeH - Soejle}) {
    const double top = TagY(g, x + (x < g.midte ? Soejle : 0)) - d1;
    Flade(linjer, Sort, Soelv, {{x, Terraen}, {x + Soejle, Terraen}, {x + Soejle, top}, {x, top}});
  }
  const double kantH = Spejl(g, g.kant);
  Flade(linjer, Sort, Soelv,
        {{g.kant, g.kantY - d1}, {g.midte, g.kip - d1}, {kantH, g.kantY - d1},
         {kantH, g.kantY - d2}, {g.midte, g.kip - d2}, {g.kant, g.kantY - d2}});

  // The purlins on both slopes, their tops on the roof surface.
  for (double a : AasePlacering) {
    const double x = g.kant + a * g.c, y = g.kantY + a * g.s;
    Aas(linjer, x, y, -g.c, -g.s, -g.s, g.c, AaseB, AaseH);
    Aas(linjer, Spejl(g, x), y, g.c, -g.s, g.s, g.c, AaseB, AaseH);
  }

  // The roof covering.
  LinjeType& tag = NyLinje(linjer, TPenStil::Fuld, 3, Sort, TPenselStil::Ingen, 0, 0);
  TilfoejPunkt(tag, g.kant, g.kantY);
  TilfoejPunkt(tag, g.midte, g.kip);
  TilfoejPunkt(tag, kantH, g.kantY);
}

void Maal(TLinjeListe& linjer, TTekstGruppeListe& tekster, const TTag& g,
          const TTekstmaal& m) {
  TekstGruppeType& midt = NyTekstGruppe(tekster, Sort, 1, 1);
  TekstGruppeType& hoejre = NyTekstGruppe(tekster, Sort, 2, 1);
  TekstGruppeType& venstre = NyTekstGruppe(tekster, Sort, 0, 1);
  const double th = TekstHoejdeVerden(m);

  // Husbredde: along the ground between the columns' outer faces.
  const double yB = Terraen - 34;
  Linjestykke(linjer, Graa, 1, {FacadeV, Terraen - 12}, {FacadeV, yB - 6});
  Linjestykke(linjer, Graa, 1, {FacadeH, Terraen - 12}, {FacadeH, yB - 6});
  Maallinje(linjer, Blaa, {FacadeV, yB}, {FacadeH, yB}, Spids);
  TilfoejTekst(midt, "Husbredde", g.midte, yB - 4 - th / 2 - 2);

  // Facadehøjde: from the ground to the roof's top in the facade line.
  const double xH = g.kant - 25;
  Linjestykke(linjer, Graa, 1, {FacadeV, TagVedFacade}, {xH - 6, TagVedFacade}, TPenStil::Stiplet);
  Linjestykke(linjer, Graa, 1, {60, Terraen}, {xH - 6, Terraen});
  Maallinje(linjer, Blaa, {xH, Terraen}, {xH, TagVedFacade}, Spids);
  TilfoejTekst(hoejre, "Facadehøjde", xH - 8, (Terraen + TagVedFacade) / 2);

  // Facadeudhæng: from the right facade's outer face to the roof edge.
  const double kantH = Spejl(g, g.kant);
  const double yU = TagVedFacade + 28;
  Linjestykke(linjer, Graa, 1, {FacadeH, TagVedFacade + 4}, {FacadeH, yU + 6});
  Linjestykke(linjer, Graa, 1, {kantH, g.kantY + 4}, {kantH, yU + 6});
  Maallinje(linjer, Blaa, {FacadeH, yU}, {kantH, yU}, Spids);
  TilfoejTekst(midt, "Facadeudhæng", (FacadeH + kantH) / 2, yU + 10 + th / 2);

  // Tagvinkel: between the left slope and a horizontal through the ridge.
  const double r = 85;
  Linjestykke(linjer, Graa, 1, {g.midte, g.kip}, {g.midte - r - 15, g.kip}, TPenStil::Stiplet);
  LinjeType& bue = NyLinje(linjer, TPenStil::Fuld, 1, Blaa, TPenselStil::Ingen, 0, 0);
  for (const PunktType& p : Buepunkter(g.midte, g.kip, r, r, 180, 180 + Vinkel))
    TilfoejPunkt(bue, p.X, p.Y);
  const double am = (180 + Vinkel / 2) * std::numbers::pi / 180;
  TilfoejTekst(hoejre, "Tagvinkel", g.midte + (r + 8) * std::cos(am),
               g.kip + (r + 8) * std::sin(am));

  // Åseafstand: along the right slope, between the two purlins nearest the ridge.
  const double a1 = AasePlacering[2], a2 = AasePlacering[3];
  const double nx = g.s, ny = g.c;  // out of the right slope
  const double off = 22;
  auto paaTag = [&](double a, double ud) {
    return PunktType{Spejl(g, g.kant + a * g.c) + ud * nx, g.kantY + a * g.s + ud * ny};
  };
  Linjestykke(linjer, Graa, 1, paaTag(a1, 3), paaTag(a1, off + 6));
  Linjestykke(linjer, Graa, 1, paaTag(a2, 3), paaTag(a2, off + 6));
  Maallinje(linjer, Blaa, paaTag(a1, off), paaTag(a2, off), Spids);
  const PunktType e = paaTag((a1 + a2) / 2, off + 6);
  TilfoejTekst(venstre, "Åseafstand", e.X + 6, e.Y + th / 2);
}

// The purlin enlarged on its rafter, lying on a right-hand slope.
void Detalje(TLinjeListe& linjer, TTekstGruppeListe& tekster, const TTag& g,
             const TTekstmaal& m) {
  const double b = 40, h = 76, spaer = 30, halv = 78;
  const double tx = g.c, ty = -g.s;  // downhill
  const double nx = g.s, ny = g.c;   // out of the roof
  const PunktType p0{618, 204};      // midpoint of the purlin's lower face
  auto pt = [&](double langs, double ud) {
    return PunktType{p0.X + langs * tx + ud * nx, p0.Y + langs * ty + ud * ny};
  };

  Flade(linjer, Sort, Soelv, {pt(-halv, 0), pt(halv, 0), pt(halv, -spaer), pt(-halv, -spaer)});
  Flade(linjer, Sort, Trae, {pt(-b / 2, 0), pt(b / 2, 0), pt(b / 2, h), pt(-b / 2, h)});
  Linjestykke(linjer, Sort, 3, pt(-halv, h), pt(halv, h));

  TekstGruppeType& midt = NyTekstGruppe(tekster, Sort, 1, 1);
  TekstGruppeType& hoejre = NyTekstGruppe(tekster, Sort, 2, 1);
  const double th = TekstHoejdeVerden(m);

  // Åsebredde: parallel to the roof, above the covering.
  const double ub = h + 20;
  Linjestykke(linjer, Graa, 1, pt(-b / 2, h + 4), pt(-b / 2, ub + 6));
  Linjestykke(linjer, Graa, 1, pt(b / 2, h + 4), pt(b / 2, ub + 6));
  Maallinje(linjer, Blaa, pt(-b / 2, ub), pt(b / 2, ub), Spids);
  const PunktType lb = pt(0, ub + 8);
  TilfoejTekst(midt, "Åsebredde", lb.X, lb.Y + th / 2 + 2);

  // Åsehøjde: perpendicular to the roof, on the purlin's uphill side.
  const double sh = -b / 2 - 22;
  Linjestykke(linjer, Graa, 1, pt(-b / 2 - 3, 0), pt(sh - 6, 0));
  Linjestykke(linjer, Graa, 1, pt(-b / 2 - 3, h), pt(sh - 6, h));
  Maallinje(linjer, Blaa, pt(sh, 0), pt(sh, h), Spids);
  const PunktType lh = pt(sh - 8, h / 2);
  TilfoejTekst(hoejre, "Åsehøjde", lh.X, lh.Y);
}

}  // namespace

void TegnHjaelpTvaer(TLinjeListe& linjer, TTekstGruppeListe& tekster, const TTekstmaal& m) {
  Ramme(linjer, HjaelpTvaerBredde, HjaelpTvaerHoejde);
  const TTag g = Tag();

  Bygning(linjer, g);
  Maal(linjer, tekster, g, m);
  Detalje(linjer, tekster, g, m);

  TekstGruppeType& titel = NyTekstGruppe(tekster, Blaa, 0, 2);
  TilfoejTekst(titel, "Tværsnitsmål", 24, HjaelpTvaerHoejde - 16);
  const double y = HjaelpTvaerHoejde - 16 - 1.15 * TekstHoejdeVerden(m);
  Linjestykke(linjer, Blaa, 1, {24, y}, {24 + TekstBreddeVerden(m, "Tværsnitsmål"), y});
}

}  // namespace kvistor
