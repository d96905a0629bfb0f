#include "graphics/displayliste.h"

#include <utility>

namespace kvistor {

namespace {

std::uint16_t SomOrd(int v, std::uint16_t udenfor) {
  if (v < 0 || v > 0xFFFF) return udenfor;
  return static_cast<std::uint16_t>(v);
}

}  // namespace

LinjeType& NyLinje(TLinjeListe& linjer, int stil, int bredde, int farve, int fyld,
                   int fyldFarve, int markoer) {
  LinjeType l;
  l.Stil = (stil >= 0 && stil <= 3) ? static_cast<std::uint16_t>(stil) : 0;
  l.Bredde = bredde == 3 ? 3 : 1;
  l.Farve = SomOrd(farve, 0);
  l.Fyld = SomOrd(fyld, FyldKode(TPenselStil::Fuld));
  l.FyldFarve = SomOrd(fyldFarve, 0);
  l.Markoer = (markoer >= 0 && markoer <= 255) ? static_cast<std::uint8_t>(markoer) : 255;
  linjer.push_back(std::move(l));
  return linjer.back();
}

LinjeType& NyLinje(TLinjeListe& linjer, TPenStil stil, int bredde, int farve, TPenselStil fyld,
                   int fyldFarve, int markoer) {
  return NyLinje(linjer, StilKode(stil), bredde, farve, FyldKode(fyld), fyldFarve, markoer);
}

void TilfoejPunkt(LinjeType& linje, double x, double y) { linje.Punkter.push_back({x, y}); }

TekstGruppeType& NyTekstGruppe(TTekstGruppeListe& grupper, int farve, int vandretJust,
                               int lodretJust) {
  TekstGruppeType g;
  g.Farve = SomOrd(farve, 0);
  g.VandretJust = vandretJust;
  g.LodretJust = lodretJust;
  grupper.push_back(std::move(g));
  return grupper.back();
}

TekstType& TilfoejTekst(TekstGruppeType& gruppe, std::string tekst, double x, double y) {
  TekstType t;
  t.X = x;
  t.Y = y;
  t.Tekst = std::move(tekst);
  gruppe.Tekster.push_back(std::move(t));
  return gruppe.Tekster.back();
}

void FrigivLinjer(TLinjeListe& linjer) { linjer.clear(); }

void FrigivTekster(TTekstGruppeListe& grupper) { grupper.clear(); }

}  // namespace kvistor
