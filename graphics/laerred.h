#pragma once
// The drawing surface the renderer paints on. The desktop program implements
// it on its paint boxes; the SVG canvas writes a file; the recording canvas
// serves the tests. Coordinates are whole pixels, x to the right and y down,
// (0, 0) at the upper left corner.
#include <cstdint>
#include <string>
#include <vector>

namespace kvistor {

struct TFarve {
  std::uint8_t R = 0;
  std::uint8_t G = 0;
  std::uint8_t B = 0;
  friend bool operator==(const TFarve&, const TFarve&) = default;
};

enum class TPenStil { Fuld, Prikket, StregPrik, Stiplet };
enum class TPenselStil { Ingen, Fuld, Kryds };
enum class TVandretJust { Venstre, Midte, Hoejre };
// Which edge of the text's box lies on the point given to TekstUd.
enum class TLodretJust { Top, Bund };

struct TPixelPunkt {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPixelPunkt&, const TPixelPunkt&) = default;
};

class TLaerred {
 public:
  virtual ~TLaerred() = default;

  // Pen for lines, polygon outlines and single pixels.
  virtual void SaetPen(TPenStil stil, int bredde, TFarve farve) = 0;
  virtual TFarve PenFarve() const = 0;
  // Brush for filled polygons; style and colour are set separately because a
  // polyline with an unknown fill keeps the previous style.
  virtual void SaetPenselStil(TPenselStil stil) = 0;
  virtual void SaetPenselFarve(TFarve farve) = 0;

  virtual void FlytTil(int x, int y) = 0;
  // A line from the current position to (x, y), which becomes the current position.
  virtual void LinjeTil(int x, int y) = 0;
  // A polygon through the points, closed, filled with the brush and outlined
  // with the pen.
  virtual void Polygon(const std::vector<TPixelPunkt>& punkter) = 0;
  virtual void SaetPixel(int x, int y, TFarve farve) = 0;

  // Size in pixels of a text (UTF-8) in the canvas's font at the present
  // text scale.
  virtual int TekstBredde(const std::string& tekst) = 0;
  virtual int TekstHoejde(const std::string& tekst) = 0;
  // Sets the texts that follow (and their measure) at `skala` times the size
  // of the canvas's own font; 1 restores it. Labels in a cramped drawing are
  // set smaller this way. A canvas that cannot scale its font may keep it:
  // the renderer measures after setting the scale, so its layout stays true.
  virtual void SaetTekstSkala(double skala) { (void)skala; }
  virtual void SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) = 0;
  virtual void SaetTekstFarve(TFarve farve) = 0;
  // Writes the text at (x, y) as aligned, on a transparent background.
  virtual void TekstUd(int x, int y, const std::string& tekst) = 0;
};

}  // namespace kvistor
