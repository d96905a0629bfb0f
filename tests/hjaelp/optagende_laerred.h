#pragma once
// A canvas that records what it is asked to draw, with the pen, brush and
// text state in force at the time, so tests can check the pixels the
// renderer produces. On its own it paints nothing and texts measure a fixed
// width per character and a fixed height (both times the text scale,
// rounded up); made on another canvas it passes every call on to it, which
// draws and measures the texts.
#include <string>
#include <vector>

#include "graphics/laerred.h"

namespace kvistor {

struct TOptagetStreg {
  TPixelPunkt Fra;
  TPixelPunkt Til;
  TPenStil Stil = TPenStil::Fuld;
  int Bredde = 1;
  TFarve Farve;
};

struct TOptagetPolygon {
  std::vector<TPixelPunkt> Punkter;
  int Bredde = 1;  // the pen's
  TPenselStil PenselStil = TPenselStil::Ingen;
  TFarve PenselFarve;
  TFarve PenFarve;
};

struct TOptagetPixel {
  TPixelPunkt Punkt;
  TFarve Farve;
};

struct TOptagetTekst {
  TPixelPunkt Punkt;
  std::string Tekst;
  TVandretJust Vandret = TVandretJust::Venstre;
  TLodretJust Lodret = TLodretJust::Top;
  TFarve Farve;
  double Skala = 1;
  // The text's box as measured when it was written: left, top, width, height.
  int V = 0, T = 0, B = 0, H = 0;
};

class TOptagendeLaerred : public TLaerred {
 public:
  explicit TOptagendeLaerred(int tegnBredde = 7, int tekstHoejde = 13)
      : tegnBredde_(tegnBredde), tekstHoejde_(tekstHoejde) {}
  explicit TOptagendeLaerred(TLaerred& videre) : videre_(&videre) {}

  std::vector<TOptagetStreg> Streger;
  std::vector<TOptagetPolygon> Polygoner;
  std::vector<TOptagetPixel> Pixels;
  std::vector<TOptagetTekst> Tekster;
  // Every call by name, in order ("SaetPen", "FlytTil", "LinjeTil", ...), to
  // check the order of drawing.
  std::vector<std::string> Kald;

  void SaetPen(TPenStil stil, int bredde, TFarve farve) override;
  TFarve PenFarve() const override { return penFarve_; }
  void SaetPenselStil(TPenselStil stil) override;
  void SaetPenselFarve(TFarve farve) override;
  void FlytTil(int x, int y) override;
  void LinjeTil(int x, int y) override;
  void Polygon(const std::vector<TPixelPunkt>& punkter) override;
  void SaetPixel(int x, int y, TFarve farve) override;
  int TekstBredde(const std::string& tekst) override;
  int TekstHoejde(const std::string& tekst) override;
  void SaetTekstSkala(double skala) override;
  void SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) override;
  void SaetTekstFarve(TFarve farve) override;
  void TekstUd(int x, int y, const std::string& tekst) override;

 private:
  TLaerred* videre_ = nullptr;
  int tegnBredde_ = 7;
  int tekstHoejde_ = 13;
  double tekstSkala_ = 1;
  TPenStil penStil_ = TPenStil::Fuld;
  int penBredde_ = 1;
  TFarve penFarve_;
  TPenselStil penselStil_ = TPenselStil::Fuld;
  TFarve penselFarve_{255, 255, 255};
  TPixelPunkt position_;
  TVandretJust vandret_ = TVandretJust::Venstre;
  TLodretJust lodret_ = TLodretJust::Top;
  TFarve tekstFarve_;
};

// What a user would see as a fault in a drawing: a text whose box lies partly
// outside the surface, touches a pixel of a line, a marker or an outline, or
// overlaps another text. One line for each, naming the texts; none for a
// clean drawing.
std::vector<std::string> Tekstkonflikter(const TOptagendeLaerred& l, int bredde, int hoejde);

}  // namespace kvistor
