#include "graphics/kontrol_tvaer.h"

#include <algorithm>

#include "common/format.h"
#include "graphics/maal.h"
#include "graphics/visning.h"

namespace kvistor {

namespace {

LinjeType& SortLinje(TLinjeListe& linjer, int bredde = 1) {
  return NyLinje(linjer, TPenStil::Fuld, bredde, Sort, TPenselStil::Ingen, 0, 0);
}

LinjeType& FyldtLinje(TLinjeListe& linjer, int pen, int fyld) {
  return NyLinje(linjer, TPenStil::Fuld, 1, pen, TPenselStil::Fuld, fyld, 0);
}

// A point that only widens the extent of the drawing.
void Pladsholder(TLinjeListe& linjer, double x, double y) {
  TilfoejPunkt(NyLinje(linjer, TPenStil::Fuld, 1, Hvid, TPenselStil::Ingen, 0, 0), x, y);
}

// A load width along the roof line, 3 pixels wide.
void Lastbredde(TLinjeListe& linjer, const TSupplData& s, int farve, double x1, double x2) {
  LinjeType& l = NyLinje(linjer, TPenStil::Fuld, 3, farve, TPenselStil::Ingen, 0, 0);
  TilfoejPunkt(l, x1, TagHojde(s, x1));
  TilfoejPunkt(l, x2, TagHojde(s, x2));
}

}  // namespace

double TagHojde(const TSupplData& s, double x) {
  if (0 <= x && x <= s.BTag / 2) return x * s.TanV + s.HTagkant;
  if (s.BTag / 2 < x && x <= s.BTag) return (s.BTag - x) * s.TanV + s.HTagkant;
  return 0;
}

void TegnHuskrop(TLinjeListe& linjer, TTekstGruppeListe& tekster, const Inddata& ind,
                 const TSupplData& s) {
  const double BTag = s.BTag;
  // The walls are 0.35 m thick; the frame's haunch runs from the inner face
  // of the wall to 1 m inside it. A house too narrow for that (below 4,70 m)
  // gets thinner walls and a shorter haunch that stops half-way to the
  // ridge: with the full sizes the underside's slope would divide by the
  // distance from the haunch to the ridge, which is nil at 2,70 m and
  // negative below, and the haunch would shoot off as a spike.
  const double halv = ind.HusBr / 2;
  const double vaeg = std::min(0.35, halv / 3);
  const double xi = ind.FacUdh + vaeg;
  const double xk = xi + std::min(1.0, (halv - vaeg) / 2);
  const double xr = BTag / 2;

  // Inner outline: the underside of the roof structure (0.25 m deep at the
  // ridge, 0.35 m at the haunch) carried down to the knee.
  const double yr = s.HTagKip - 0.25 / s.CosV;
  const double yk = (xk - xr) * s.TanV + s.HTagKip - 0.35 / s.CosV;
  const double m = (yr - yk) / (xr - xk);
  const double yi = (xi - xr) * m + yr;
  const double yf = yi - 1;
  const double a1 = (2 * yi + yk) / 3;
  const double a2 = (2 * yk + yi) / 3;
  const double b1 = (2 * yf + yk) / 3;
  const double b2 = (2 * yk + yf) / 3;
  const PunktType voute1{(2 * xi + xk) / 3, (a1 + b1) / 2};
  const PunktType voute2{(2 * xk + xi) / 3, (3 * a2 + b2) / 4};

  // Outer outline: the roof surface and the underside of the eaves.
  const double yt = s.HTagKip - s.TanV * ind.HusBr / 2;
  const double yu = yt - 0.25 / s.CosV;
  const double yu0 = yu - s.TanV * ind.FacUdh;
  const double yt0 = yt - s.TanV * ind.FacUdh;

  LinjeType& krop = FyldtLinje(linjer, Sort, Trae);
  const PunktType foerKip[5] = {{xi, 0}, {xi, yf}, voute1, voute2, {xk, yk}};
  for (const PunktType& p : foerKip) TilfoejPunkt(krop, p.X, p.Y);
  TilfoejPunkt(krop, xr, yr);
  for (int i = 4; i >= 0; --i) TilfoejPunkt(krop, BTag - foerKip[i].X, foerKip[i].Y);
  TilfoejPunkt(krop, BTag - ind.FacUdh, 0);
  TilfoejPunkt(krop, BTag - ind.FacUdh, yu);
  TilfoejPunkt(krop, BTag, yu0);
  TilfoejPunkt(krop, BTag, yt0);
  TilfoejPunkt(krop, BTag - ind.FacUdh, yt);
  TilfoejPunkt(krop, xr, s.HTagKip);
  TilfoejPunkt(krop, ind.FacUdh, yt);
  TilfoejPunkt(krop, 0, yt0);
  TilfoejPunkt(krop, 0, yu0);
  TilfoejPunkt(krop, ind.FacUdh, yu);
  TilfoejPunkt(krop, ind.FacUdh, 0);

  const double u = std::max(BTag, s.HRef) / 50;
  const double facade = ind.FacUdh + ind.HusBr;  // outer face of the right wall

  // Leader from the facade height's dimension line to the roof's facade point.
  LinjeType& leder = SortLinje(linjer);
  TilfoejPunkt(leder, facade - 1.5, ind.FacHjd);
  TilfoejPunkt(leder, facade, ind.FacHjd);
  TilfoejPunkt(leder, facade, ind.FacHjd + 0.2);
  TilfoejPunkt(leder, facade, ind.FacHjd - 0.2);

  MaalVandret(linjer, tekster, PlaceringMidte, ind.FacUdh, facade, -4 * u, u, 2, "Husbredde");
  MaalLodret(linjer, tekster, PlaceringHoejre, 0, ind.FacHjd, facade - 1.5, u, 2,
             "Facadehøjde");
  MaalEnsidet(linjer, tekster, 2, facade, BTag, yu0 - 0.15 - u, u, "Facadeudhæng");
}

void TegnAasTvaersnit(TLinjeListe& linjer, const Inddata& ind, const TSupplData& s, double x,
                      double y, double k) {
  const double c = s.CosV;
  const double sn = s.SinV;
  const double b = ind.AaseBredde;
  const double h = ind.AaseHojde;
  // The upper face lies along the slope; the lower face is h below it,
  // perpendicular to the roof.
  const PunktType p1{x - b * c * k / 2000, y - b * sn * k / 2000};
  const PunktType p4{x + b * c * k / 2000, y + b * sn * k / 2000};
  const double dx = h * sn * k / 1000;
  const double dy = -h * c * k / 1000;
  LinjeType& aas = FyldtLinje(linjer, Sort, Trae);
  TilfoejPunkt(aas, p1.X, p1.Y);
  TilfoejPunkt(aas, p1.X + dx, p1.Y + dy);
  TilfoejPunkt(aas, p4.X + dx, p4.Y + dy);
  TilfoejPunkt(aas, p4.X, p4.Y);
}

void TegnDetalje(TLinjeListe& linjer, TTekstGruppeListe& tekster, const Inddata& ind,
                 const TSupplData& s, double x0, double y0) {
  const double c = s.CosV;
  const double sn = s.SinV;
  const double b = ind.AaseBredde;
  const double h = ind.AaseHojde;

  TegnAasTvaersnit(linjer, ind, s, x0 - 0.02 * h * sn, y0 + 0.02 * h * c, 20);

  // The note hangs from the section's lower right corner, where the support
  // line passes; it may move right and down off that line.
  TekstGruppeType& note = NyTekstGruppe(tekster, Sort, 0, 2);
  TekstType& positive =
      TilfoejTekst(note, "Positive reaktioner", x0 + 0.01 * b * c, y0 + 0.01 * b * sn);
  positive.UndvigX = 1;
  positive.UndvigY = -1;

  // The support: twice the enlarged width, along the slope under the purlin.
  LinjeType& understoetning = SortLinje(linjer);
  TilfoejPunkt(understoetning, x0 - 0.02 * b * c, y0 - 0.02 * b * sn);
  TilfoejPunkt(understoetning, x0 + 0.02 * b * c, y0 + 0.02 * b * sn);

  const double L = b / 100;
  const double H = b / 400;
  // z: perpendicular to the roof, pushing up on the lower face.
  Pil(linjer, Sort, 3, x0, y0, ind.TagVink + 90, L, H);
  // Each arrow's name hangs below its tail, and may move down off the shaft.
  TekstGruppeType& retning = NyTekstGruppe(tekster, Sort, 1, 2);
  TilfoejTekst(retning, "z-retning", x0 + L * sn, y0 - L * c).UndvigY = -1;

  // y: along the slope towards the ridge, on the left face one twentieth of
  // the enlarged depth above its lower corner.
  const double tx = x0 - 0.01 * b * c - h * sn / 1000;
  const double ty = y0 - 0.01 * b * sn + h * c / 1000;
  Pil(linjer, Sort, 3, tx, ty, ind.TagVink, L, H);
  TilfoejTekst(retning, "y-retning", tx - L * c, ty - L * sn).UndvigY = -1;
}

void TegnMand(TLinjeListe& linjer, TTekstGruppeListe& tekster, double xc, double u) {
  // The right half of the figure from the crotch to the top of the head; the
  // left half is its mirror image.
  static constexpr PunktType Halvdel[] = {{0, 0.8},    {0.15, 0},   {0.25, 0},   {0.15, 1.0},
                                          {0.15, 1.3}, {0.3, 0.85}, {0.4, 0.9},  {0.2, 1.5},
                                          {0.06, 1.5}, {0.08, 1.75}, {0, 1.8}};
  constexpr int n = sizeof Halvdel / sizeof Halvdel[0];
  LinjeType& mand = FyldtLinje(linjer, Sort, Blaa);
  for (const PunktType& p : Halvdel) TilfoejPunkt(mand, xc + p.X, p.Y);
  for (int i = n - 2; i >= 1; --i) TilfoejPunkt(mand, xc - Halvdel[i].X, Halvdel[i].Y);
  TilfoejPunkt(mand, xc + Halvdel[0].X, Halvdel[0].Y);

  TekstGruppeType& g = NyTekstGruppe(tekster, Sort, 0, 0);
  TilfoejTekst(g, "Manden er 1,8 m høj.", xc - 0.4, -2 * u);
  Pladsholder(linjer, xc - 0.4, -3 * u);
}

void TegnKontrolTvaer(TLinjeListe& linjer, TTekstGruppeListe& tekster, const Inddata& ind,
                      const TSupplData& s) {
  const double BTag = s.BTag;

  LinjeType& terraen = NyLinje(linjer, TPenStil::Fuld, 1, Groen, TPenselStil::Fuld, Groen, 0);
  TilfoejPunkt(terraen, -1, 0);
  TilfoejPunkt(terraen, -1, -0.1);
  TilfoejPunkt(terraen, BTag, -0.1);
  TilfoejPunkt(terraen, BTag, 0);

  TegnHuskrop(linjer, tekster, ind, s);

  LinjeType& tag = SortLinje(linjer);
  TilfoejPunkt(tag, 0, s.HTagkant);
  TilfoejPunkt(tag, BTag / 2, s.HRef);
  TilfoejPunkt(tag, BTag, s.HTagkant);

  TekstGruppeType& numre = NyTekstGruppe(tekster, Sort, 1, 0);
  for (int i = 1; i <= 3; ++i) {
    const double x = s.xAas[i];
    TegnAasTvaersnit(linjer, ind, s, x, TagHojde(s, x), 1);
    // Up off the roof line and the load widths, where the drawing is small.
    TilfoejTekst(numre, Format("%d", {i}), x, TagHojde(s, x) + 0.2).UndvigY = 1;
  }

  const double d = ind.AaseAfst * s.CosV / 2;  // half the horizontal purlin spacing
  Lastbredde(linjer, s, Roed, 0, s.xAas[1] + d);
  Lastbredde(linjer, s, Blaagroen, s.xAas[2] - d, s.xAas[2] + d);
  Lastbredde(linjer, s, Roed, s.xAas[3] - d, s.xAas[3] + d);

  TegnDetalje(linjer, tekster, ind, s, s.xAas[2], TagHojde(s, s.xAas[3]) + 0.4);

  // The man and the margins grow with the drawing so that they stay the same
  // size on the screen.
  double x0, y0, x1, y1;
  FindOmraade(linjer, x0, y0, x1, y1);
  const double u = std::max(x1 - x0, y1 - y0) / 50;
  TegnMand(linjer, tekster, -0.3, u);
  Pladsholder(linjer, BTag + 8 * u, 0);
  Pladsholder(linjer, -4 * u, 0);
}

}  // namespace kvistor
