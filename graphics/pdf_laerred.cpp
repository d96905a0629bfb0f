#include "graphics/pdf_laerred.h"

#include <algorithm>
#include <cmath>

#include "graphics/pdf_indre.h"

namespace kvistor {

namespace {

// A window pixel is 0,75 pt; on paper a one-pixel pen prints as a fine but
// clear line and the wide pen of the curves and load widths stands out.
double PenPt(int bredde) { return bredde <= 1 ? 0.45 : 0.4 * bredde; }

// The hatch of a cross-hatched fill, in points.
constexpr double KrydsAfstand = 3.0;

}  // namespace

TPdfLaerred::TPdfLaerred(TPdfDokument& pdf, double x, double y, int bredde, int hoejde,
                         double enhed, TSkrift skrift)
    : pdf_(pdf), x0_(x), y0_(y), enhed_(enhed), skrift_(std::move(skrift)),
      grundPunkt_(skrift_.Punkt) {
  cairo_t* cr = pdf_.Indre().cr;
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, std::max(bredde, 1) * enhed, std::max(hoejde, 1) * enhed);
  cairo_clip(cr);
}

TPdfLaerred::~TPdfLaerred() {
  Streg();
  cairo_restore(pdf_.Indre().cr);
}

void TPdfLaerred::SaetStregStil() {
  cairo_t* cr = pdf_.Indre().cr;
  cairo_set_line_width(cr, PenPt(penBredde_));
  SaetKildeFarve(cr, penFarve_);
  // As on the screen, only thin pens are dotted or dashed; a thin line
  // covers its end points, wide ones end and turn round.
  static const double prikket[] = {0.8, 1.2};
  static const double stregPrik[] = {4.0, 1.5, 0.8, 1.5};
  static const double stiplet[] = {3.0, 1.5};
  const double* m = nullptr;
  int n = 0;
  if (penBredde_ <= 1) {
    switch (penStil_) {
      case TPenStil::Prikket: m = prikket, n = 2; break;
      case TPenStil::StregPrik: m = stregPrik, n = 4; break;
      case TPenStil::Stiplet: m = stiplet, n = 2; break;
      case TPenStil::Fuld: break;
    }
  }
  cairo_set_dash(cr, m, n, 0);
  if (penBredde_ <= 1) {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  } else {
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  }
}

void TPdfLaerred::Streg() {
  if (stykker_.empty()) return;
  cairo_t* cr = pdf_.Indre().cr;
  cairo_new_path(cr);
  // The renderer draws a polyline as separate segments; one that starts
  // where the last ended continues the path, so corners are joined.
  bool harEnde = false;
  TPixelPunkt ende;
  for (const TStykke& s : stykker_) {
    if (!harEnde || !(s.fra == ende)) cairo_move_to(cr, X(s.fra.X), Y(s.fra.Y));
    cairo_line_to(cr, X(s.til.X), Y(s.til.Y));
    ende = s.til;
    harEnde = true;
  }
  SaetStregStil();
  cairo_stroke(cr);
  stykker_.clear();
}

void TPdfLaerred::SaetPen(TPenStil stil, int bredde, TFarve farve) {
  bredde = std::clamp(bredde, 1, 100);
  if (stil == penStil_ && bredde == penBredde_ && farve == penFarve_) return;
  Streg();
  penStil_ = stil;
  penBredde_ = bredde;
  penFarve_ = farve;
}

void TPdfLaerred::FlytTil(int x, int y) { position_ = {x, y}; }

void TPdfLaerred::LinjeTil(int x, int y) {
  stykker_.push_back({position_, {x, y}});
  position_ = {x, y};
}

void TPdfLaerred::Polygon(const std::vector<TPixelPunkt>& punkter) {
  Streg();
  if (punkter.empty()) return;
  cairo_t* cr = pdf_.Indre().cr;
  auto sti = [&] {
    cairo_new_path(cr);
    cairo_move_to(cr, X(punkter[0].X), Y(punkter[0].Y));
    for (std::size_t i = 1; i < punkter.size(); ++i) cairo_line_to(cr, X(punkter[i].X), Y(punkter[i].Y));
    cairo_close_path(cr);
  };
  if (penselStil_ == TPenselStil::Fuld) {
    sti();
    SaetKildeFarve(cr, penselFarve_);
    cairo_fill(cr);
  } else if (penselStil_ == TPenselStil::Kryds) {
    // Drawn as lines inside the polygon, so the hatch stays a vector.
    sti();
    double x1, y1, x2, y2;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    cairo_save(cr);
    cairo_clip(cr);
    cairo_new_path(cr);
    for (double x = std::floor(x1 / KrydsAfstand) * KrydsAfstand; x <= x2; x += KrydsAfstand) {
      cairo_move_to(cr, x, y1);
      cairo_line_to(cr, x, y2);
    }
    for (double y = std::floor(y1 / KrydsAfstand) * KrydsAfstand; y <= y2; y += KrydsAfstand) {
      cairo_move_to(cr, x1, y);
      cairo_line_to(cr, x2, y);
    }
    cairo_set_line_width(cr, 0.3);
    cairo_set_dash(cr, nullptr, 0, 0);
    SaetKildeFarve(cr, penselFarve_);
    cairo_stroke(cr);
    cairo_restore(cr);
  }
  sti();
  SaetStregStil();
  cairo_stroke(cr);
}

void TPdfLaerred::SaetPixel(int x, int y, TFarve farve) {
  Streg();
  cairo_t* cr = pdf_.Indre().cr;
  // A pixel would be a speck on paper; it prints as a small dot.
  const double r = std::max(enhed_, 0.6) / 2;
  cairo_new_path(cr);
  cairo_rectangle(cr, X(x) - r, Y(y) - r, 2 * r, 2 * r);
  SaetKildeFarve(cr, farve);
  cairo_fill(cr);
}

int TPdfLaerred::TekstBredde(const std::string& tekst) {
  return static_cast<int>(std::ceil(kvistor::TekstBredde(pdf_, tekst, skrift_) / enhed_));
}

int TPdfLaerred::TekstHoejde(const std::string& tekst) {
  const TOpsatTekst t = SaetRaaTekst(pdf_, tekst.empty() ? std::string("0") : tekst, skrift_, 0);
  return static_cast<int>(std::ceil(t.Hoejde() / enhed_));
}

void TPdfLaerred::SaetTekstSkala(double skala) {
  const double s = std::isfinite(skala) && skala > 0 ? skala : 1.0;
  skrift_.Punkt = std::max(std::min(PdfMindsteSkrift, grundPunkt_), grundPunkt_ * s);
}

void TPdfLaerred::SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) {
  vandret_ = vandret;
  lodret_ = lodret;
}

void TPdfLaerred::TekstUd(int x, int y, const std::string& tekst) {
  Streg();
  const TOpsatTekst t = SaetRaaTekst(pdf_, tekst, skrift_, 0);
  if (t.Linjer.empty()) return;
  const double px = x0_ + x * enhed_;
  const double py = y0_ + y * enhed_;
  double venstre = px;
  if (vandret_ == TVandretJust::Midte) venstre = px - t.Bredde / 2;
  if (vandret_ == TVandretJust::Hoejre) venstre = px - t.Bredde;
  const double top = lodret_ == TLodretJust::Top ? py : py - t.Hoejde();
  TegnTekst(pdf_, t, venstre, top, tekstFarve_);
}

void TegnPdfFigur(TPdfDokument& pdf, double x, double y, double bredde, double hoejde,
                  const std::function<void(TLaerred&, int, int)>& tegn, double enhed) {
  const int b = std::max(1, static_cast<int>(std::floor(bredde / enhed)));
  const int h = std::max(1, static_cast<int>(std::floor(hoejde / enhed)));
  TPdfLaerred laerred(pdf, x, y, b, h, enhed);
  tegn(laerred, b, h);
}

}  // namespace kvistor
