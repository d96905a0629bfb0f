#pragma once
// What the PDF device holds inside: the cairo surface and context and the
// pango context its texts are set in. Only the device's own files and its
// canvas include this; documents go through graphics/pdf_dokument.h.
#include <cairo.h>
#include <pango/pangocairo.h>
#include <string>

namespace kvistor {

struct TPdfIndre {
  std::string bytes;  // the file as cairo writes it
  cairo_surface_t* flade = nullptr;
  cairo_t* cr = nullptr;
  PangoContext* pango = nullptr;
  double bredde = 0;
  double hoejde = 0;
  int side = 1;
};

}  // namespace kvistor
