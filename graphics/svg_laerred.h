#pragma once
// A canvas that writes a standalone SVG picture with the same pixel geometry
// as the paint boxes: one SVG user unit per pixel, y down, lines on pixel
// centres.
//
// Texts are set in a sans-serif font of SvgSkriftHoejde pixels. SVG leaves the
// real glyph widths to the viewer, so the measuring rule is fixed here: every
// text is SvgTekstHoejde pixels high (SvgOverLinje above its baseline, the
// rest below) and SvgTegnBredde pixels wide per character. Horizontal
// alignment is left to the viewer (text-anchor), so the rule only matters for
// the view's measure of "0" and for the vertical placement: a text aligned by
// its top has its baseline SvgOverLinje pixels below the point, one aligned
// by its bottom has it SvgTekstHoejde - SvgOverLinje pixels above. A text
// scale (SaetTekstSkala) scales the font size and all three measures; the
// widths and heights are rounded up to whole pixels.
//
// The picture is UTF-8 (SVG's own encoding), not the code page of the
// program's text files.
#include <set>
#include <string>
#include <vector>

#include "graphics/laerred.h"

namespace kvistor {

constexpr int SvgSkriftHoejde = 12;  // font-size in px
constexpr int SvgTekstHoejde = 14;
constexpr int SvgOverLinje = 11;
constexpr int SvgTegnBredde = 7;

class TSvgLaerred : public TLaerred {
 public:
  // A surface of at least 1 x 1 pixels on a white background.
  TSvgLaerred(int bredde, int hoejde);

  // The complete document.
  std::string Svg() const;

  void SaetPen(TPenStil stil, int bredde, TFarve farve) override;
  TFarve PenFarve() const override { return penFarve_; }
  void SaetPenselStil(TPenselStil stil) override { penselStil_ = stil; }
  void SaetPenselFarve(TFarve farve) override { penselFarve_ = farve; }
  void FlytTil(int x, int y) override;
  void LinjeTil(int x, int y) override;
  void Polygon(const std::vector<TPixelPunkt>& punkter) override;
  void SaetPixel(int x, int y, TFarve farve) override;
  int TekstBredde(const std::string& tekst) override;
  int TekstHoejde(const std::string& tekst) override;
  void SaetTekstSkala(double skala) override;
  void SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) override;
  void SaetTekstFarve(TFarve farve) override { tekstFarve_ = farve; }
  void TekstUd(int x, int y, const std::string& tekst) override;

 private:
  void AfslutSti();
  std::string PenAttributter() const;

  int bredde_;
  int hoejde_;
  std::string krop_;   // the drawing so far
  std::string sti_;    // strokes of the current pen not yet written
  bool stiHarPosition_ = false;
  TPixelPunkt position_;
  TPenStil penStil_ = TPenStil::Fuld;
  int penBredde_ = 1;
  TFarve penFarve_;
  TPenselStil penselStil_ = TPenselStil::Fuld;
  TFarve penselFarve_{255, 255, 255};
  TVandretJust vandret_ = TVandretJust::Venstre;
  TLodretJust lodret_ = TLodretJust::Top;
  TFarve tekstFarve_;
  double tekstSkala_ = 1;
  std::set<std::string> krydsFarver_;  // hatch patterns to define, by colour
};

}  // namespace kvistor
