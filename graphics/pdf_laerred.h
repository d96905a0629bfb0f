#pragma once
// A canvas on a box of a PDF page, so that every display-list drawing (the
// control drawings, the force diagrams, the help pictures) goes into a
// document as vectors.
//
// The renderer works in whole pixels; here a pixel is a small unit of the
// page (PdfFigurEnhed points by default, about a seventh of a millimetre),
// so the rounding to whole units is far below what print or a reader's zoom
// shows. The marker symbols keep their size in units (an arrowhead is six
// units long), which sets how small the unit may be. Pens, dashes and texts
// are given in points, so a thin line prints thin and a drawing's text is
// as large as the document's small print whatever the drawing's scale.
#include <functional>
#include <memory>
#include <vector>

#include "graphics/laerred.h"
#include "graphics/pdf_dokument.h"

namespace kvistor {

inline constexpr double PdfFigurEnhed = 0.4;  // points per canvas unit
inline constexpr double PdfFigurSkrift = 8.5; // points, the drawings' texts
// A label the renderer sets smaller to fit never goes below this on paper.
inline constexpr double PdfMindsteSkrift = 8.0;

class TPdfLaerred : public TLaerred {
 public:
  // A surface of bredde x hoejde units with its upper left corner at (x, y)
  // points on the open page. Nothing shows outside it.
  TPdfLaerred(TPdfDokument& pdf, double x, double y, int bredde, int hoejde,
              double enhed = PdfFigurEnhed, TSkrift skrift = {SkriftSans, PdfFigurSkrift});
  // Draws what is pending and lifts the clip.
  ~TPdfLaerred() override;
  TPdfLaerred(const TPdfLaerred&) = delete;
  TPdfLaerred& operator=(const TPdfLaerred&) = delete;

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
  // Smaller labels, but never below PdfMindsteSkrift: print must stay
  // legible, and the renderer measures after setting the scale, so its
  // layout holds with the size kept.
  void SaetTekstSkala(double skala) override;
  void SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) override;
  void SaetTekstFarve(TFarve farve) override { tekstFarve_ = farve; }
  void TekstUd(int x, int y, const std::string& tekst) override;

 private:
  double X(double u) const { return x0_ + (u + 0.5) * enhed_; }
  double Y(double u) const { return y0_ + (u + 0.5) * enhed_; }
  void Streg();  // strokes the lines drawn since the pen was last set
  void SaetStregStil();

  TPdfDokument& pdf_;
  double x0_, y0_, enhed_;
  TSkrift skrift_;
  double grundPunkt_;  // the font's own size, before any scale
  struct TStykke {
    TPixelPunkt fra, til;
  };
  std::vector<TStykke> stykker_;  // lines of the current pen not yet stroked
  TPixelPunkt position_;
  TPenStil penStil_ = TPenStil::Fuld;
  int penBredde_ = 1;
  TFarve penFarve_;
  TPenselStil penselStil_ = TPenselStil::Fuld;
  TFarve penselFarve_{255, 255, 255};
  TVandretJust vandret_ = TVandretJust::Venstre;
  TLodretJust lodret_ = TLodretJust::Top;
  TFarve tekstFarve_;
};

// Draws a picture into a box of bredde x hoejde points at (x, y) of the open
// page: `tegn` gets a canvas and its size in units (as a paint handler gets
// its paint box) and fits the picture into it.
void TegnPdfFigur(TPdfDokument& pdf, double x, double y, double bredde, double hoejde,
                  const std::function<void(TLaerred&, int bredde, int hoejde)>& tegn,
                  double enhed = PdfFigurEnhed);

}  // namespace kvistor
