#include "graphics/kontrol_laengde.h"

#include <algorithm>

#include "common/format.h"
#include "graphics/maal.h"
#include "project/katalog.h"

namespace kvistor {

namespace {

LinjeType& SortLinje(TLinjeListe& linjer) {
  return NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Ingen, 0, 0);
}

// A purlin piece between a and b, as deep as the purlin.
void Aasedel(TLinjeListe& linjer, double a, double b, double halvHoejde) {
  LinjeType& l = NyLinje(linjer, TPenStil::Fuld, 1, Sort, TPenselStil::Fuld, Trae, 0);
  TilfoejPunkt(l, a, halvHoejde);
  TilfoejPunkt(l, b, halvHoejde);
  TilfoejPunkt(l, b, -halvHoejde);
  TilfoejPunkt(l, a, -halvHoejde);
  TilfoejPunkt(l, a, halvHoejde);
}

}  // namespace

void TegnUnderstoetning(TLinjeListe& linjer, double x, double y, double a) {
  LinjeType& l = SortLinje(linjer);
  TilfoejPunkt(l, x, y);
  TilfoejPunkt(l, x - a, y - 2 * a);
  TilfoejPunkt(l, x + a, y - 2 * a);
  TilfoejPunkt(l, x, y);
}

void TegnCharnier(TLinjeListe& linjer, double x, double y, double r) {
  const double d = 0.75 * r;
  LinjeType& l = SortLinje(linjer);
  TilfoejPunkt(l, x - r, y);
  TilfoejPunkt(l, x - d, y - d);
  TilfoejPunkt(l, x, y - r);
  TilfoejPunkt(l, x + d, y - d);
  TilfoejPunkt(l, x + r, y);
  TilfoejPunkt(l, x + d, y + d);
  TilfoejPunkt(l, x, y + r);
  TilfoejPunkt(l, x - d, y + d);
  TilfoejPunkt(l, x - r, y);
}

void TegnCharnierDetalje(TLinjeListe& linjer, const Inddata& ind, const TSupplData& s,
                         double x0, double y0) {
  // 400 mm of the detail span half the purlin's drawn length.
  const double sk = s.LTag / 800;
  const double h = ind.AaseHojde;
  const TBData* b = BeslagData(ind.Beslag);

  const double xa = x0 - 200 * sk;
  const double xb = x0 + 200 * sk;
  const double yb = y0 - sk * h;

  // Without hardware the joint is a plain butt of two equal pieces.
  double xh1 = x0, xh2 = x0, xh3 = x0;
  double yh1 = yb, yh2 = yb, yh3 = yb;
  if (b != nullptr) {
    xh1 = x0 + sk * b->Y1;
    xh2 = x0 + sk * b->Y2;
    xh3 = x0 + sk * b->Y3;
    yh1 = yb + sk * b->H1;
    yh2 = yb + sk * b->H2;
    yh3 = yb + sk * b->H3;
  }
  // On hardware of the types B and 2- the carried piece hangs in the
  // hardware, its upper edge at the hardware's top.
  const double yt = (b != nullptr && b->HMinB > 0) ? yh3 : y0;
  const double yb2 = yt - sk * h;

  LinjeType& trae = NyLinje(linjer, TPenStil::Fuld, 1, Trae, TPenselStil::Fuld, Trae, 0);
  for (const PunktType& p : {PunktType{xa, yb}, {xa, y0}, {x0, y0}, {x0, yt}, {xb, yt},
                             {xb, yb2}, {xh2, yb2}, {xh2, yb}, {xa, yb}})
    TilfoejPunkt(trae, p.X, p.Y);

  LinjeType& fuge = SortLinje(linjer);
  TilfoejPunkt(fuge, x0, std::max(yt, y0));
  TilfoejPunkt(fuge, x0, std::min(yb2, yb));

  const PunktType beslag[8] = {{xh1, yb},  {xh1, yh1}, {xh2, yh2}, {xh2, yh3},
                               {xh3, yh3}, {xh3, yh2}, {xh2, yh1}, {xh2, yb}};
  if (b != nullptr) {
    LinjeType& flade =
        NyLinje(linjer, TPenStil::Fuld, 1, Beslaggraa, TPenselStil::Fuld, Beslaggraa, 0);
    for (const PunktType& p : beslag) TilfoejPunkt(flade, p.X, p.Y);
  }

  LinjeType& over = SortLinje(linjer);
  for (const PunktType& p : {PunktType{xa, y0}, {x0, y0}, {x0, yt}, {xb, yt}})
    TilfoejPunkt(over, p.X, p.Y);
  LinjeType& under = SortLinje(linjer);
  for (const PunktType& p : {PunktType{xa, yb}, {x0, yb}, {x0, yb2}, {xb, yb2}})
    TilfoejPunkt(under, p.X, p.Y);

  if (b != nullptr) {
    LinjeType& omrids = SortLinje(linjer);
    for (const PunktType& p : beslag) TilfoejPunkt(omrids, p.X, p.Y);
    TilfoejPunkt(omrids, xh1, yb);
  }
}

void TegnKontrolLaengde(TLinjeListe& linjer, TTekstGruppeListe& tekster, const Inddata& ind,
                        const TSupplData& s) {
  const double LTag = s.LTag;
  const double u = LTag / 100;
  const double p = 1.5 * u;
  const double g = ind.GavlUdh;
  const double gf = ind.GavlRammeAfst;
  const double rf = ind.Rammeafstand;
  // Counted in 64 bits: AntalFag is whatever the user typed.
  const long long mellemfag = static_cast<long long>(ind.AntalFag) - 2;
  const double xc0 = g + gf - ind.CharnForsk;  // the first hinge
  auto xc = [&](long long k) { return xc0 + static_cast<double>(k) * rf; };

  // Row 1: the bays of the purlin (hinge to hinge).
  const double slutMellem = xc(mellemfag);
  MaalVandret(linjer, tekster, PlaceringMidte, 0, xc0, -6 * u, p, 2, "Kort endefag");
  MaalVandret(linjer, tekster, PlaceringMidte, xc0, slutMellem, -6 * u, p, 2,
              Format("%1d mellemfag á %1.2n m", {mellemfag, rf}));
  MaalVandret(linjer, tekster, PlaceringMidte, slutMellem, LTag, -6 * u, p, 2, "Langt endefag");

  // Row 2: the frame spacings.
  const double rammeN = g + gf + static_cast<double>(mellemfag) * rf;
  MaalVandret(linjer, tekster, PlaceringMidte, g, g + gf, -12 * u, p, 2, "Gavlrammeafstand");
  MaalVandret(linjer, tekster, PlaceringMidte, g + gf, rammeN, -12 * u, p, 2,
              Format("%1d normalrammeafstande á %1.2n m", {mellemfag, rf}));
  MaalVandret(linjer, tekster, PlaceringMidte, rammeN, LTag - g, -12 * u, p, 2,
              "Gavlrammeafstand");

  // Row 3: the whole length.
  MaalVandret(linjer, tekster, PlaceringMidte, 0, LTag, -18 * u, p, 2, "Total længde");

  // Above the purlin: the overhangs and the offset of the last hinge from
  // the last interior frame.
  const double yOver = -0.7 * (-6 * u);
  const double sidsteRamme = LTag - g - gf;
  MaalVandretUdv(linjer, tekster, PlaceringVenstre, 0, g, yOver, p, 2, "Gavludhæng ug");
  MaalVandretUdv(linjer, tekster, PlaceringHoejre, sidsteRamme - ind.CharnForsk, sidsteRamme,
                 yOver, p, 2, "Charnierforskydning");
  MaalVandretUdv(linjer, tekster, PlaceringHoejre, LTag - g, LTag, yOver, p, 2, "ug");

  const double halvHoejde = ind.AaseHojde / 2000;
  const bool hverFag = mellemfag <= MaksFagTegnet;
  if (hverFag) {
    // The pieces, with a gap of u centred on each hinge.
    double slut = xc0 - u / 2;
    Aasedel(linjer, 0, slut, halvHoejde);
    for (long long k = 0; k < mellemfag; ++k) {
      const double start = slut + u;
      slut = start + rf - u;
      Aasedel(linjer, start, slut, halvHoejde);
    }
    Aasedel(linjer, slut + u, LTag, halvHoejde);

    for (long long k = 0; k <= mellemfag; ++k) TegnCharnier(linjer, xc(k), 0, u / 2);

    TegnUnderstoetning(linjer, g, -u / 2, u);
    for (long long k = 0; k <= mellemfag; ++k)
      TegnUnderstoetning(linjer, g + gf + static_cast<double>(k) * rf, -u / 2, u);
    TegnUnderstoetning(linjer, LTag - g, -u / 2, u);
  } else {
    Aasedel(linjer, 0, LTag, halvHoejde);
    TegnUnderstoetning(linjer, g, -u / 2, u);
    TegnUnderstoetning(linjer, LTag - g, -u / 2, u);
  }

  TegnCharnierDetalje(linjer, ind, s, LTag / 2, -30 * u);
}

}  // namespace kvistor
