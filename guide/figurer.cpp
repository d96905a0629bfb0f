#include "guide/figurer.h"

#include "graphics/billeder.h"
#include "graphics/displayliste.h"
#include "graphics/kontrol_laengde.h"
#include "graphics/kontroltegning.h"
#include "graphics/visning.h"

namespace kvistor {

namespace {

TFigurBlok Kontroltegning(const TVejledningsKilde& k, TKontroltegning t, double forhold) {
  TFigurBlok f;
  const Inddata ind = k.Side.Inddata;
  f.Tegn = [ind, t](TLaerred& l, int b, int h) { TegnKontroltegning(t, ind, l, b, h); };
  f.Forhold = forhold;
  return f;
}

TFigurBlok Charnierdetalje(const TVejledningsKilde& k) {
  TFigurBlok f;
  const Inddata ind = k.Side.Inddata;
  const TSupplData sd = k.Suppl;
  f.Tegn = [ind, sd](TLaerred& l, int b, int h) {
    // The detail of the longitudinal drawing, at its own place and scale,
    // alone in the frame.
    TLinjeListe linjer;
    TTekstGruppeListe tekster;
    const double u = sd.LTag / 100;
    TegnCharnierDetalje(linjer, ind, sd, sd.LTag / 2, -30 * u);
    Vis(l, b, h, linjer, tekster, true);
  };
  f.Bredde = 0.55;
  f.Forhold = 0.62;
  return f;
}

// A help picture in the proportions of the help page (648 x 464 pixels).
TFigurBlok Hjaelpebillede(TBillede b) {
  TFigurBlok f;
  f.Tegn = [b](TLaerred& l, int bredde, int hoejde) { TegnBillede(b, l, bredde, hoejde); };
  f.Bredde = 0.8;
  f.Forhold = 464.0 / 648.0;
  return f;
}

// The first printed page of the report as the printer sets it: two empty
// lines at the top, ten blanks of left margin, a 10-point fixed-pitch type
// on A4; drawn at 0,72 of its size, framed, with the caption below.
TFriBlok Rapportside(const TVejledningsKilde& k, const std::string& tekst) {
  constexpr double Skala = 0.72;  // the type prints at 7,2 points
  constexpr double Bredde = A4BreddePt * Skala, Hoejde = A4HoejdePt * Skala;
  TFriBlok f;
  f.Hoejde = Hoejde + 26;
  const TTekstlinjer linjer = k.Normal.Rapport;
  f.Tegn = [linjer, tekst](TPdfDokument& pdf, double x, double y, double bredde) {
    const double x0 = x + (bredde - Bredde) / 2;
    TegnRektangel(pdf, x0, y, Bredde, Hoejde, 0.5, {0x96, 0x96, 0x96});
    const TSkrift mono{SkriftMono, 10 * Skala};
    const double linje = 11.3 * Skala;  // the printer's line pitch for 10 points
    const double tegn = TekstBredde(pdf, "0000000000", mono);
    double grund = y + (30 + 2 * 11.3 + 9) * Skala;
    const double bund = y + Hoejde - 30 * Skala;
    for (const std::string& s : linjer) {
      if (grund > bund) break;
      SkrivTekst(pdf, x0 + 20 * Skala + tegn, grund, s, mono);
      grund += linje;
    }
    const TOpsatTekst t = SaetTekst(pdf, tekst, {SkriftSans, 9, false, true}, bredde, TTekstJust::Midte);
    TegnTekst(pdf, t, x, y + Hoejde + 5);
  };
  return f;
}

}  // namespace

std::optional<TBlok> GuidensFigur(const TVejledningsKilde& k, const std::string& navn,
                                  const std::string& tekst) {
  std::optional<TFigurBlok> f;
  if (navn == "kontrol_tvaer") f = Kontroltegning(k, TKontroltegning::Tvaer, 0.61);
  else if (navn == "kontrol_laengde") f = Kontroltegning(k, TKontroltegning::Laengde, 0.56);
  else if (navn == "charnierdetalje") f = Charnierdetalje(k);
  else if (navn == "hjaelp_tvaer") f = Hjaelpebillede(TBillede::HjaelpTvaer);
  else if (navn == "hjaelp_laengde") f = Hjaelpebillede(TBillede::HjaelpLaengde);
  else if (navn == "rapportside") return Rapportside(k, tekst);
  if (!f) return std::nullopt;
  f->Tekst = tekst;
  return *f;
}

}  // namespace kvistor
