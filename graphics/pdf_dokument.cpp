#include "graphics/pdf_dokument.h"

#include <algorithm>
#include <cairo-pdf.h>
#include <cairo.h>
#include <cstdio>
#include <pango/pangocairo.h>

#include "graphics/pdf_indre.h"

#if defined(__SANITIZE_ADDRESS__)
// Fontconfig keeps its configuration and the font patterns pango and cairo
// have matched for the life of the process and never frees them; the leak
// checker of the sanitizer build is told so, so that it still reports ours.
// Any program that draws a PDF loads fontconfig through this file.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
#endif

namespace kvistor {

namespace {

cairo_status_t SkrivBytes(void* luk, const unsigned char* data, unsigned int laengde) {
  static_cast<std::string*>(luk)->append(reinterpret_cast<const char*>(data), laengde);
  return CAIRO_STATUS_SUCCESS;
}

std::string Iso8601(const TTidspunkt& t) {
  char b[32];
  std::snprintf(b, sizeof b, "%04d-%02d-%02dT%02d:%02d:%02d", t.aar, t.maaned, t.dag, t.time,
                t.minut, t.sekund);
  return b;
}

// A number in a cairo attribute string, always with a decimal point
// whatever the C library's locale (the desktop program may have set a
// decimal comma for it).
std::string Tal(double v) {
  char b[32];
  std::snprintf(b, sizeof b, "%.3f", v);
  for (char* p = b; *p; ++p)
    if (*p == ',') *p = '.';
  return b;
}

}  // namespace

// ---------------------------------------------------------------------------
// The document

TPdfDokument::TPdfDokument(const TPdfMetadata& m, double bredde, double hoejde)
    : indre_(std::make_unique<TPdfIndre>()) {
  TPdfIndre& i = *indre_;
  i.bredde = bredde;
  i.hoejde = hoejde;
  i.flade = cairo_pdf_surface_create_for_stream(SkrivBytes, &i.bytes, bredde, hoejde);
  i.cr = cairo_create(i.flade);
  auto meta = [&i](cairo_pdf_metadata_t art, const std::string& v) {
    if (!v.empty()) cairo_pdf_surface_set_metadata(i.flade, art, v.c_str());
  };
  meta(CAIRO_PDF_METADATA_TITLE, m.Titel);
  meta(CAIRO_PDF_METADATA_AUTHOR, m.Forfatter);
  meta(CAIRO_PDF_METADATA_SUBJECT, m.Emne);
  meta(CAIRO_PDF_METADATA_KEYWORDS, m.Noegleord);
  meta(CAIRO_PDF_METADATA_CREATOR, m.Skaber);
  if (m.Tidspunkt) {
    meta(CAIRO_PDF_METADATA_CREATE_DATE, Iso8601(*m.Tidspunkt));
    meta(CAIRO_PDF_METADATA_MOD_DATE, Iso8601(*m.Tidspunkt));
  }

  // Measured in the fonts' own outlines, unhinted and with exact glyph
  // positions, so that a text measures the same on every machine and at
  // every zoom.
  i.pango = pango_cairo_create_context(i.cr);
  cairo_font_options_t* fo = cairo_font_options_create();
  cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
  pango_cairo_context_set_font_options(i.pango, fo);
  cairo_font_options_destroy(fo);
  pango_context_set_round_glyph_positions(i.pango, FALSE);
  PangoLanguage* da = pango_language_from_string("da");
  pango_context_set_language(i.pango, da);
}

TPdfDokument::~TPdfDokument() {
  TPdfIndre& i = *indre_;
  if (i.pango) g_object_unref(i.pango);
  if (i.cr) cairo_destroy(i.cr);
  if (i.flade) cairo_surface_destroy(i.flade);
}

double TPdfDokument::Bredde() const { return indre_->bredde; }
double TPdfDokument::Hoejde() const { return indre_->hoejde; }
int TPdfDokument::Side() const { return indre_->side; }

void TPdfDokument::NySide() {
  cairo_show_page(indre_->cr);
  ++indre_->side;
}

std::optional<std::string> TPdfDokument::Afslut(std::string& fejl) {
  TPdfIndre& i = *indre_;
  cairo_status_t s = cairo_status(i.cr);
  if (s == CAIRO_STATUS_SUCCESS) {
    cairo_surface_finish(i.flade);
    s = cairo_surface_status(i.flade);
  }
  if (s != CAIRO_STATUS_SUCCESS) {
    fejl = std::string("PDF-filen kunne ikke dannes (cairo: ") + cairo_status_to_string(s) + ").";
    return std::nullopt;
  }
  return std::move(i.bytes);
}

// ---------------------------------------------------------------------------
// Lines, boxes and navigation

void TegnStreg(TPdfDokument& pdf, double x1, double y1, double x2, double y2, double bredde,
               TFarve farve) {
  cairo_t* cr = pdf.Indre().cr;
  cairo_new_path(cr);
  cairo_move_to(cr, x1, y1);
  cairo_line_to(cr, x2, y2);
  cairo_set_line_width(cr, bredde);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
  cairo_set_dash(cr, nullptr, 0, 0);
  SaetKildeFarve(cr, farve);
  cairo_stroke(cr);
}

void FyldRektangel(TPdfDokument& pdf, double x, double y, double b, double h, TFarve farve) {
  cairo_t* cr = pdf.Indre().cr;
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, b, h);
  SaetKildeFarve(cr, farve);
  cairo_fill(cr);
}

void TegnRektangel(TPdfDokument& pdf, double x, double y, double b, double h, double bredde,
                   TFarve farve) {
  cairo_t* cr = pdf.Indre().cr;
  cairo_new_path(cr);
  cairo_rectangle(cr, x, y, b, h);
  cairo_set_line_width(cr, bredde);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_set_dash(cr, nullptr, 0, 0);
  SaetKildeFarve(cr, farve);
  cairo_stroke(cr);
}

namespace {

struct TPngKilde {
  std::string_view bytes;
  std::size_t pos = 0;
};

cairo_status_t LaesPng(void* luk, unsigned char* data, unsigned int laengde) {
  auto* k = static_cast<TPngKilde*>(luk);
  if (k->bytes.size() - k->pos < laengde) return CAIRO_STATUS_READ_ERROR;
  std::copy_n(k->bytes.data() + k->pos, laengde, data);
  k->pos += laengde;
  return CAIRO_STATUS_SUCCESS;
}

// The picture, or nullptr when the bytes are no PNG.
cairo_surface_t* PngFlade(std::string_view png) {
  TPngKilde k{png};
  cairo_surface_t* f = cairo_image_surface_create_from_png_stream(LaesPng, &k);
  if (cairo_surface_status(f) != CAIRO_STATUS_SUCCESS || cairo_image_surface_get_width(f) <= 0 ||
      cairo_image_surface_get_height(f) <= 0) {
    cairo_surface_destroy(f);
    return nullptr;
  }
  return f;
}

}  // namespace

std::optional<std::pair<int, int>> PngStoerrelse(std::string_view png) {
  cairo_surface_t* f = PngFlade(png);
  if (!f) return std::nullopt;
  const std::pair<int, int> s{cairo_image_surface_get_width(f), cairo_image_surface_get_height(f)};
  cairo_surface_destroy(f);
  return s;
}

bool TegnPng(TPdfDokument& pdf, std::string_view png, double x, double y, double b, double h) {
  cairo_surface_t* f = PngFlade(png);
  if (!f) return false;
  cairo_t* cr = pdf.Indre().cr;
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, b / cairo_image_surface_get_width(f), h / cairo_image_surface_get_height(f));
  cairo_set_source_surface(cr, f, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_surface_destroy(f);
  return true;
}

void SaetMaal(TPdfDokument& pdf, const std::string& navn, double x, double y) {
  cairo_t* cr = pdf.Indre().cr;
  const std::string a = "name='" + navn + "' x=" + Tal(x) + " y=" + Tal(y);
  cairo_tag_begin(cr, CAIRO_TAG_DEST, a.c_str());
  cairo_tag_end(cr, CAIRO_TAG_DEST);
}

void SaetLink(TPdfDokument& pdf, double x, double y, double b, double h, const std::string& maal) {
  cairo_t* cr = pdf.Indre().cr;
  const std::string a = "rect=[" + Tal(x) + " " + Tal(y) + " " + Tal(b) + " " + Tal(h) +
                        "] dest='" + maal + "'";
  cairo_tag_begin(cr, CAIRO_TAG_LINK, a.c_str());
  cairo_tag_end(cr, CAIRO_TAG_LINK);
}

int TilfoejBogmaerke(TPdfDokument& pdf, int over, const std::string& tekst,
                     const std::string& maal, bool aaben) {
  const std::string a = "dest='" + maal + "'";
  return cairo_pdf_surface_add_outline(
      pdf.Indre().flade, over, tekst.c_str(), a.c_str(),
      aaben ? CAIRO_PDF_OUTLINE_FLAG_OPEN : static_cast<cairo_pdf_outline_flags_t>(0));
}

}  // namespace kvistor
