#pragma once
// A canvas that writes an ASCII DXF drawing (AutoCAD 2000, AC1015) for CAD
// programs: lines and polylines, filled outlines as hatches, points and
// single-line texts with their heights and alignments.
//
// The canvas's pixels are a fine grid of the drawing: `pixelPrMm` of them to
// a drawing unit of one millimetre, with y turned round (DXF y points up).
// The caller chooses the view so that a pixel is a fixed length of the
// drawing (graphics/dxf_tegning.h does it at true size), never fitted into a
// picture.
//
// One layer per colour of the palette, named by its role in the drawing
// (TDxfLagplan); texts have a layer of their own. An entity whose colour is
// its layer's takes the layer's colour, so a CAD user can recolour a layer.
// Texts and names are written in code page 1252 ($DWGCODEPAGE ANSI_1252),
// as CAD programs read R2000 files; a character outside it becomes \U+XXXX.
//
// The strokes are grouped as the SVG canvas groups them: a line that goes on
// from where the previous one ended, with the same pen, extends the same
// polyline. So the drawing has one LINE or open LWPOLYLINE per SVG subpath,
// one closed LWPOLYLINE (and a HATCH when filled) per SVG polygon, one POINT
// per pixel and one TEXT per SVG text.
#include <array>
#include <string>
#include <vector>

#include "graphics/laerred.h"
#include "graphics/visning.h"

namespace kvistor {

// The layer of each palette colour: for its strokes, for its fills, and the
// one layer of all texts. Names are ASCII capitals, as every CAD program
// takes them.
struct TDxfLagplan {
  std::array<std::string, AntalPalettefarver> Streg;
  std::array<std::string, AntalPalettefarver> Fyld;
  std::string Tekst = "TEKST";
};

// Layers named after the colours ("SORT", "TRAE", fills "FYLD-TRAE").
TDxfLagplan StandardLagplan();

// The AutoCAD colour index nearest to a palette colour (black is 7, which CAD
// shows black on white paper and white on a dark screen).
int DxfFarveindeks(int paletteindeks);

class TDxfLaerred : public TLaerred {
 public:
  // `tekstHoejde` is the height of the texts in millimetres of the drawing;
  // `linjetypeSkala` scales the dash patterns (given in millimetres on
  // paper) to the plot scale.
  TDxfLaerred(double pixelPrMm, double tekstHoejde, TDxfLagplan lag, double linjetypeSkala = 1);

  // The complete file, code page 1252 with CR LF.
  std::string Dxf() const;

  // Entities written so far, by DXF type, for whoever checks the drawing.
  struct TOptaelling {
    int Linjer = 0;         // LINE and open LWPOLYLINE
    int Omrids = 0;         // closed LWPOLYLINE
    int Skraveringer = 0;   // HATCH
    int Punkter = 0;        // POINT
    int Tekster = 0;        // TEXT
  };
  TOptaelling Optaelling() const;

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
  void SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) override;
  void SaetTekstFarve(TFarve farve) override { tekstFarve_ = farve; }
  void TekstUd(int x, int y, const std::string& tekst) override;

 private:
  struct TLag {
    std::string Navn;
    int Farve = 7;  // AutoCAD colour index
  };
  void AfslutSti();
  // The layer's name for an entity of colour `paletteindeks`, created on
  // first use with that colour; `farve` is what the entity must write (0: by
  // layer).
  const std::string& Lag(const std::string& navn, int paletteindeks, int& farve);
  void Hoved(std::string& ud, const char* type, const std::string& lag, int farve);
  void Udvid(double x, double y);
  double X(int px) const;
  double Y(int py) const;

  double pixelPrMm_;
  double tekstHoejde_;
  TDxfLagplan lagplan_;
  double linjetypeSkala_;
  std::vector<TLag> lag_;
  std::string enheder_;  // the ENTITIES section's body so far
  unsigned naesteHandle_;
  TOptaelling optaelling_;
  bool harUdstraekning_ = false;
  double minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;

  std::vector<TPixelPunkt> sti_;  // the open run of the current pen
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
};

}  // namespace kvistor
