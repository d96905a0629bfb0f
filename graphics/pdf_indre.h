#pragma once
// What the PDF device holds inside: the cairo surface and context and the
// pango context its texts are set in. Only the device's own files and its
// canvas include this; documents go through graphics/pdf_dokument.h.
#include <cairo.h>
#include <pango/pangocairo.h>
#include <string>

#include "graphics/laerred.h"

namespace kvistor {

// The colour cairo paints with next.
inline void SaetKildeFarve(cairo_t* cr, TFarve f) {
  cairo_set_source_rgb(cr, f.R / 255.0, f.G / 255.0, f.B / 255.0);
}

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
