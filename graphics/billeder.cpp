#include "graphics/billeder.h"

#include <cmath>

#include "common/afrunding.h"
#include "graphics/billedhjaelp.h"
#include "graphics/displayliste.h"
#include "graphics/hjaelp_laengde.h"
#include "graphics/hjaelp_tvaer.h"
#include "graphics/om_billede.h"

namespace kvistor {

namespace {

void Byg(TBillede billede, TLinjeListe& linjer, TTekstGruppeListe& tekster,
         const TTekstmaal& m) {
  switch (billede) {
    case TBillede::HjaelpTvaer: TegnHjaelpTvaer(linjer, tekster, m); break;
    case TBillede::HjaelpLaengde: TegnHjaelpLaengde(linjer, tekster, m); break;
    case TBillede::Om: TegnOmBillede(linjer, tekster, m); break;
  }
}

// The view Vis will use for these polylines.
Visning Tilpas(const TLinjeListe& linjer, TLaerred& laerred, int bredde, int hoejde) {
  double xmin, ymin, xmax, ymax;
  FindOmraade(linjer, xmin, ymin, xmax, ymax);
  Udvid(xmin, xmax, 90);
  Udvid(ymin, ymax, 90);
  Visning v;
  TilpasLige(v, laerred, bredde, hoejde, xmin, ymin, xmax, ymax);
  return v;
}

// Whether the text's box, placed as TegnListe places it, lies wholly on the surface.
bool StaarInde(const Visning& v, TLaerred& laerred, const TekstGruppeType& g,
               const TekstType& t) {
  const double b = laerred.TekstBredde(t.Tekst);
  const double h = laerred.TekstHoejde(t.Tekst);
  const double x = TilX(v, t.X);
  double y = TilY(v, t.Y);
  if (g.LodretJust == 1) y -= static_cast<double>(Round(std::fabs(v.TekstHoejde) / 2));
  const double x0 = g.VandretJust == 0 ? x : g.VandretJust == 2 ? x - b : x - b / 2;
  const double y0 = g.LodretJust == 0 ? y - h : y;
  return x0 >= 0 && x0 + b <= v.Bredde && y0 >= 0 && y0 + h <= v.Hoejde;
}

}  // namespace

Visning TegnBillede(TBillede billede, TLaerred& laerred, int bredde, int hoejde) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  if (bredde <= 0 || hoejde <= 0) return Vis(laerred, bredde, hoejde, linjer, tekster, true);

  // The help text gets more lines at a smaller scale, and the picture grows
  // to hold them, which makes the scale smaller again: build until the scale
  // the texts were laid out for is the scale of the fit. Pictures whose
  // frame is fixed settle in the second round.
  TTekstmaal m{&laerred, 1e6};  // first as if texts took no room: the smallest frame
  Byg(billede, linjer, tekster, m);
  m.Skala = Tilpas(linjer, laerred, bredde, hoejde).SkalaX;
  for (int runde = 0; runde < 6; ++runde) {
    FrigivLinjer(linjer);
    FrigivTekster(tekster);
    Byg(billede, linjer, tekster, m);
    const double skala = Tilpas(linjer, laerred, bredde, hoejde).SkalaX;
    if (std::fabs(skala - m.Skala) <= 1e-9 * m.Skala) break;
    m.Skala = skala;
  }

  const Visning v = Tilpas(linjer, laerred, bredde, hoejde);
  for (TekstGruppeType& g : tekster)
    std::erase_if(g.Tekster,
                  [&](const TekstType& t) { return !StaarInde(v, laerred, g, t); });
  return Vis(laerred, bredde, hoejde, linjer, tekster, true);
}

}  // namespace kvistor
