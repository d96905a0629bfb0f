#include "hjaelp/optagende_laerred.h"

#include <cmath>
#include <cstdlib>

namespace kvistor {

void TOptagendeLaerred::SaetPen(TPenStil stil, int bredde, TFarve farve) {
  Kald.push_back("SaetPen");
  penStil_ = stil;
  penBredde_ = bredde;
  penFarve_ = farve;
  if (videre_) videre_->SaetPen(stil, bredde, farve);
}

void TOptagendeLaerred::SaetPenselStil(TPenselStil stil) {
  Kald.push_back("SaetPenselStil");
  penselStil_ = stil;
  if (videre_) videre_->SaetPenselStil(stil);
}

void TOptagendeLaerred::SaetPenselFarve(TFarve farve) {
  Kald.push_back("SaetPenselFarve");
  penselFarve_ = farve;
  if (videre_) videre_->SaetPenselFarve(farve);
}

void TOptagendeLaerred::FlytTil(int x, int y) {
  Kald.push_back("FlytTil");
  position_ = {x, y};
  if (videre_) videre_->FlytTil(x, y);
}

void TOptagendeLaerred::LinjeTil(int x, int y) {
  Kald.push_back("LinjeTil");
  Streger.push_back({position_, {x, y}, penStil_, penBredde_, penFarve_});
  position_ = {x, y};
  if (videre_) videre_->LinjeTil(x, y);
}

void TOptagendeLaerred::Polygon(const std::vector<TPixelPunkt>& punkter) {
  Kald.push_back("Polygon");
  Polygoner.push_back({punkter, penBredde_, penselStil_, penselFarve_, penFarve_});
  if (videre_) videre_->Polygon(punkter);
}

void TOptagendeLaerred::SaetPixel(int x, int y, TFarve farve) {
  Kald.push_back("SaetPixel");
  Pixels.push_back({{x, y}, farve});
  if (videre_) videre_->SaetPixel(x, y, farve);
}

int TOptagendeLaerred::TekstBredde(const std::string& tekst) {
  if (videre_) return videre_->TekstBredde(tekst);
  int tegn = 0;  // characters, not bytes: UTF-8 continuation bytes do not count
  for (unsigned char b : tekst)
    if ((b & 0xC0) != 0x80) ++tegn;
  return static_cast<int>(std::ceil(tegnBredde_ * tegn * tekstSkala_ - 1e-9));
}

int TOptagendeLaerred::TekstHoejde(const std::string& tekst) {
  if (videre_) return videre_->TekstHoejde(tekst);
  return static_cast<int>(std::ceil(tekstHoejde_ * tekstSkala_ - 1e-9));
}

void TOptagendeLaerred::SaetTekstSkala(double skala) {
  Kald.push_back("SaetTekstSkala");
  tekstSkala_ = skala;
  if (videre_) videre_->SaetTekstSkala(skala);
}

void TOptagendeLaerred::SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) {
  Kald.push_back("SaetTekstJustering");
  vandret_ = vandret;
  lodret_ = lodret;
  if (videre_) videre_->SaetTekstJustering(vandret, lodret);
}

void TOptagendeLaerred::SaetTekstFarve(TFarve farve) {
  Kald.push_back("SaetTekstFarve");
  tekstFarve_ = farve;
  if (videre_) videre_->SaetTekstFarve(farve);
}

void TOptagendeLaerred::TekstUd(int x, int y, const std::string& tekst) {
  Kald.push_back("TekstUd");
  TOptagetTekst t{{x, y}, tekst, vandret_, lodret_, tekstFarve_, tekstSkala_};
  t.B = TekstBredde(tekst);
  t.H = TekstHoejde(tekst);
  // As the canvases place a text by its alignment.
  t.V = vandret_ == TVandretJust::Venstre ? x
        : vandret_ == TVandretJust::Midte  ? x - t.B / 2
                                           : x - t.B;
  t.T = lodret_ == TLodretJust::Top ? y : y - t.H;
  Tekster.push_back(t);
  if (videre_) videre_->TekstUd(x, y, tekst);
}

namespace {

// Whether a stroke from a to b, `halv` pixels either side, covers a pixel
// of the text's box: the line is followed in quarter-pixel steps.
bool Daekker(const TOptagetTekst& t, TPixelPunkt a, TPixelPunkt b, int halv) {
  const int trin = 4 * std::max(std::abs(b.X - a.X), std::abs(b.Y - a.Y)) + 1;
  for (int i = 0; i <= trin; ++i) {
    const double x = a.X + (b.X - a.X) * static_cast<double>(i) / trin;
    const double y = a.Y + (b.Y - a.Y) * static_cast<double>(i) / trin;
    const long px = std::lround(x), py = std::lround(y);
    if (px + halv >= t.V && px - halv < t.V + t.B && py + halv >= t.T && py - halv < t.T + t.H)
      return true;
  }
  return false;
}

std::string Navn(const TOptagetTekst& t) {
  return "'" + t.Tekst + "' (" + std::to_string(t.V) + ", " + std::to_string(t.T) + ", " +
         std::to_string(t.B) + " x " + std::to_string(t.H) + ")";
}

}  // namespace

std::vector<std::string> Tekstkonflikter(const TOptagendeLaerred& l, int bredde, int hoejde) {
  std::vector<std::string> ud;
  for (std::size_t i = 0; i < l.Tekster.size(); ++i) {
    const TOptagetTekst& t = l.Tekster[i];
    if (t.V < 0 || t.T < 0 || t.V + t.B > bredde || t.T + t.H > hoejde)
      ud.push_back(Navn(t) + " rager ud over tegningen");
    for (const TOptagetStreg& s : l.Streger)
      if (Daekker(t, s.Fra, s.Til, s.Bredde / 2)) {
        ud.push_back(Navn(t) + " rører stregen (" + std::to_string(s.Fra.X) + ", " +
                     std::to_string(s.Fra.Y) + ") - (" + std::to_string(s.Til.X) + ", " +
                     std::to_string(s.Til.Y) + ")");
        break;
      }
    for (const TOptagetPolygon& p : l.Polygoner)
      for (std::size_t k = 0; k < p.Punkter.size(); ++k)
        if (Daekker(t, p.Punkter[k], p.Punkter[(k + 1) % p.Punkter.size()], p.Bredde / 2)) {
          ud.push_back(Navn(t) + " rører en flades omrids");
          k = p.Punkter.size();
        }
    for (const TOptagetPixel& p : l.Pixels)
      if (Daekker(t, p.Punkt, p.Punkt, 0)) ud.push_back(Navn(t) + " rører en markør");
    for (std::size_t j = i + 1; j < l.Tekster.size(); ++j) {
      const TOptagetTekst& u = l.Tekster[j];
      if (t.V < u.V + u.B && u.V < t.V + t.B && t.T < u.T + u.H && u.T < t.T + t.H)
        ud.push_back(Navn(t) + " overlapper " + Navn(u));
    }
  }
  return ud;
}

}  // namespace kvistor
