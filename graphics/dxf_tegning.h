#pragma once
// Drawings for CAD programs. The control drawings are written at true size,
// one drawing unit a millimetre of the building, with texts and symbols
// sized for a plot scale chosen so that the drawing fits an A3 sheet. The
// force diagrams, whose y is a force and not a length, are written at a
// fixed scale: 1:50 along the purlin and one band of each diagram 100 mm
// high, for a plot at 1:1.
#include <string>
#include <vector>

#include "graphics/displayliste.h"
#include "graphics/dxf_laerred.h"
#include "graphics/kontroltegning.h"
#include "calculation/kraftkurver.h"
#include "project/inddata.h"

namespace kvistor {

// Texts are this high on paper (mm), at the plot scale the drawing is made for.
inline constexpr double DxfTekstHoejdePaaPapir = 2.5;
// The drawing area of an A3 sheet in landscape within its margins (mm).
inline constexpr double DxfArkBredde = 390;
inline constexpr double DxfArkHoejde = 267;
// Force diagrams: millimetres per metre along the purlin, and per band unit.
inline constexpr double KurveMmPrMeter = 20;
inline constexpr double KurveMmPrBaand = 100;

struct TDxfTegning {
  std::string Dxf;        // the whole file (code page 1252, CR LF)
  int Maalestok = 1;      // the plot scale 1:Maalestok the texts are sized for
  double PixelPrMm = 1;   // the canvas's grid: coordinates are multiples of 1/PixelPrMm mm
  TDxfLaerred::TOptaelling Optaelling;
};

// The smallest scale 1:N of the series 1, 2, 5, 10, 20, 50, ... at which a
// drawing of the given size (mm) fits the A3 drawing area.
int VaelgMaalestok(double breddeMm, double hoejdeMm);

// Draws a display list in world coordinates scaled by mmPrEnhedX and
// mmPrEnhedY to millimetres (world 0 stays at 0), with texts and marker
// symbols sized for the plot scale 1:maalestok.
TDxfTegning TegnDxf(const TLinjeListe& linjer, const TTekstGruppeListe& tekster,
                    double mmPrEnhedX, double mmPrEnhedY, int maalestok,
                    const TDxfLagplan& lagplan);

// The control drawing of the record at true size.
TDxfTegning DxfKontroltegning(TKontroltegning tegning, const Inddata& ind);

// The force diagrams at their fixed scale.
TDxfTegning DxfKraftkurver(const std::vector<TKraftkurve>& kurver);

// The layers of the two kinds of drawing.
TDxfLagplan KontroltegningLagplan();
TDxfLagplan KraftkurveLagplan();

}  // namespace kvistor
