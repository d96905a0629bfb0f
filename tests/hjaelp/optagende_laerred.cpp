#include "hjaelp/optagende_laerred.h"


namespace kvistor {

void TOptagendeLaerred::SaetPen(TPenStil stil, int bredde, TFarve farve) {
  Kald.push_back("SaetPen");
  penStil_ = stil;
  penBredde_ = bredde;
  penFarve_ = farve;
}

void TOptagendeLaerred::SaetPenselStil(TPenselStil stil) {
  Kald.push_back("SaetPenselStil");
  penselStil_ = stil;
}

void TOptagendeLaerred::SaetPenselFarve(TFarve farve) {
  Kald.push_back("SaetPenselFarve");
  penselFarve_ = farve;
}

void TOptagendeLaerred::FlytTil(int x, int y) {
  Kald.push_back("FlytTil");
  position_ = {x, y};
}

void TOptagendeLaerred::LinjeTil(int x, int y) {
  Kald.push_back("LinjeTil");
  Streger.push_back({position_, {x, y}, penStil_, penBredde_, penFarve_});
  position_ = {x, y};
}

void TOptagendeLaerred::Polygon(const std::vector<TPixelPunkt>& punkter) {
  Kald.push_back("Polygon");
  Polygoner.push_back({punkter, penselStil_, penselFarve_, penFarve_});
}

void TOptagendeLaerred::SaetPixel(int x, int y, TFarve farve) {
  Kald.push_back("SaetPixel");
  Pixels.push_back({{x, y}, farve});
}

int TOptagendeLaerred::TekstBredde(const std::string& tekst) {
  int tegn = 0;  // characters, not bytes: UTF-8 continuation bytes do not count
  for (unsigned char b : tekst)
    if ((b & 0xC0) != 0x80) ++tegn;
  return tegnBredde_ * tegn;
}

int TOptagendeLaerred::TekstHoejde(const std::string&) { return tekstHoejde_; }

void TOptagendeLaerred::SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) {
  Kald.push_back("SaetTekstJustering");
  vandret_ = vandret;
  lodret_ = lodret;
}

void TOptagendeLaerred::SaetTekstFarve(TFarve farve) {
  Kald.push_back("SaetTekstFarve");
  tekstFarve_ = farve;
}

void TOptagendeLaerred::TekstUd(int x, int y, const std::string& tekst) {
  Kald.push_back("TekstUd");
  Tekster.push_back({{x, y}, tekst, vandret_, lodret_, tekstFarve_});
}

}  // namespace kvistor
