#include "graphics/dxf_tegning.h"

#include <algorithm>
#include <cmath>

#include "graphics/kraftkurvetegning.h"
#include "graphics/visning.h"

namespace kvistor {

namespace {

// The canvas's grid is a tenth of a millimetre, coarser only where a
// drawing of absurd size would leave the range the renderer draws in.
constexpr double FinesteGitter = 10;
constexpr double StoersteKoordinat = 4e6;  // pixels

// A marker symbol is drawn in screen pixels of this size relative to the
// text height: the arrowheads of six pixels become three quarters of it.
constexpr double MarkoerPixelAfTekst = 1.0 / 8;

}  // namespace

int VaelgMaalestok(double breddeMm, double hoejdeMm) {
  const double b = std::fabs(breddeMm), h = std::fabs(hoejdeMm);
  if (!std::isfinite(b) || !std::isfinite(h)) return 1;
  for (int dekade = 1; dekade <= 100000; dekade *= 10)
    for (int n : {1, 2, 5})
      if (b / (n * dekade) <= DxfArkBredde && h / (n * dekade) <= DxfArkHoejde) return n * dekade;
  return 1000000;
}

TDxfTegning TegnDxf(const TLinjeListe& linjer, const TTekstGruppeListe& tekster,
                    double mmPrEnhedX, double mmPrEnhedY, int maalestok,
                    const TDxfLagplan& lagplan) {
  double xmin, ymin, xmax, ymax;
  FindOmraade(linjer, xmin, ymin, xmax, ymax);
  const double stoerst = std::max({std::fabs(xmin * mmPrEnhedX), std::fabs(xmax * mmPrEnhedX),
                                   std::fabs(ymin * mmPrEnhedY), std::fabs(ymax * mmPrEnhedY)});
  double pixelPrMm = FinesteGitter;
  while (pixelPrMm > 1e-6 && stoerst * pixelPrMm > StoersteKoordinat) pixelPrMm /= 10;

  const double n = maalestok > 0 ? maalestok : 1;
  const double tekstHoejde = DxfTekstHoejdePaaPapir * n;
  TDxfLaerred dxf(pixelPrMm, tekstHoejde, lagplan, n);

  // World 0 is drawing 0; a pixel is 1/pixelPrMm mm whatever the drawing's size.
  Visning v;
  v.Laerred = &dxf;
  v.SkalaX = mmPrEnhedX * pixelPrMm;
  v.SkalaY = -mmPrEnhedY * pixelPrMm;
  v.XMin = xmin;
  v.YMin = ymin;
  v.XMax = xmax;
  v.YMax = ymax;
  v.TekstHoejde = -dxf.TekstHoejde("0");
  v.TekstBredde = dxf.TekstBredde("0");
  v.MarkoerSkala = tekstHoejde * MarkoerPixelAfTekst * pixelPrMm;
  TegnListe(v, linjer, tekster);

  TDxfTegning t;
  t.Dxf = dxf.Dxf();
  t.Maalestok = static_cast<int>(n);
  t.PixelPrMm = pixelPrMm;
  t.Optaelling = dxf.Optaelling();
  return t;
}

TDxfLagplan KontroltegningLagplan() {
  TDxfLagplan p = StandardLagplan();
  p.Streg[Sort] = "KONTUR";
  p.Streg[Groen] = "TERRAEN";
  p.Fyld[Groen] = "TERRAEN";
  p.Streg[Roed] = "LASTBREDDE";
  p.Streg[Blaagroen] = "LASTBREDDE";
  p.Fyld[Trae] = "TRAE";
  p.Fyld[Beslaggraa] = "BESLAG";
  p.Streg[Beslaggraa] = "BESLAG";
  p.Fyld[Blaa] = "FIGUR";
  return p;
}

TDxfLagplan KraftkurveLagplan() {
  TDxfLagplan p = StandardLagplan();
  p.Streg[Blaa] = "KURVE";
  p.Fyld[Lyseblaa] = "KURVEFLADE";
  p.Streg[Lyseblaa] = "KURVEFLADE";
  p.Streg[Sort] = "SYSTEM";  // the axis and the supports
  p.Streg[Graa] = "CHARNIER";
  p.Streg[Roed] = "EKSTREMUM";
  return p;
}

TDxfTegning DxfKontroltegning(TKontroltegning tegning, const Inddata& ind) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  BygKontroltegning(tegning, ind, linjer, tekster);
  double xmin, ymin, xmax, ymax;
  FindOmraade(linjer, xmin, ymin, xmax, ymax);
  const int n = VaelgMaalestok((xmax - xmin) * 1000, (ymax - ymin) * 1000);
  return TegnDxf(linjer, tekster, 1000, 1000, n, KontroltegningLagplan());
}

TDxfTegning DxfKraftkurver(const std::vector<TKraftkurve>& kurver) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  TegnKraftkurver(linjer, tekster, kurver);
  return TegnDxf(linjer, tekster, KurveMmPrMeter, KurveMmPrBaand, 1, KraftkurveLagplan());
}

}  // namespace kvistor
