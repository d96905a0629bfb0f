// Texts on the PDF device: the light markup, setting a text in lines with
// pango, and drawing lines of it with their links.
#include <algorithm>
#include <cmath>

#include "graphics/pdf_dokument.h"
#include "graphics/pdf_indre.h"

namespace kvistor {

namespace {

// Links are set in a dark blue, as readers expect of a link in print too.
constexpr TFarve LinkFarve{0x1d, 0x3c, 0x6e};

struct TMarkeretTekst {
  std::string tekst;  // as shown
  PangoAttrList* attributter = nullptr;
  std::vector<TLinkOmraade> links;
};

void Tilfoej(PangoAttrList* l, PangoAttribute* a, std::size_t start, std::size_t slut) {
  a->start_index = static_cast<guint>(start);
  a->end_index = static_cast<guint>(slut);
  pango_attr_list_insert(l, a);
}

std::size_t TegnLaengde(unsigned char c) {
  if (c >= 0xF0) return 4;
  if (c >= 0xE0) return 3;
  if (c >= 0xC0) return 2;
  return 1;
}

TMarkeretTekst Fortolk(std::string_view ind, bool markering) {
  TMarkeretTekst m;
  m.attributter = pango_attr_list_new();
  if (!markering) {
    m.tekst = ind;
    return m;
  }
  std::string& ud = m.tekst;
  ud.reserve(ind.size());
  std::size_t fedStart = std::string::npos, kursivStart = std::string::npos,
              kodeStart = std::string::npos;
  std::size_t linkStart = std::string::npos, linkSlutKilde = std::string::npos;
  std::string linkMaal;
  std::size_t linkFortsaet = 0;  // where the source goes on after "(#maal)"

  for (std::size_t i = 0; i < ind.size();) {
    const char c = ind[i];
    if (linkStart != std::string::npos && i == linkSlutKilde) {
      m.links.push_back({static_cast<int>(linkStart), static_cast<int>(ud.size()), linkMaal});
      Tilfoej(m.attributter,
              pango_attr_foreground_new(LinkFarve.R * 257, LinkFarve.G * 257, LinkFarve.B * 257),
              linkStart, ud.size());
      linkStart = std::string::npos;
      i = linkFortsaet;
      continue;
    }
    if (c == '\\' && i + 1 < ind.size()) {
      const std::size_t n = TegnLaengde(static_cast<unsigned char>(ind[i + 1]));
      ud.append(ind.substr(i + 1, n));
      i += 1 + n;
      continue;
    }
    if (kodeStart != std::string::npos) {
      if (c == '`') {
        Tilfoej(m.attributter, pango_attr_family_new(SkriftMono), kodeStart, ud.size());
        kodeStart = std::string::npos;
      } else {
        ud += c;
      }
      ++i;
      continue;
    }
    if (c == '`') {
      kodeStart = ud.size();
      ++i;
      continue;
    }
    if (c == '*' && i + 1 < ind.size() && ind[i + 1] == '*') {
      if (fedStart == std::string::npos) {
        fedStart = ud.size();
      } else {
        Tilfoej(m.attributter, pango_attr_weight_new(PANGO_WEIGHT_BOLD), fedStart, ud.size());
        fedStart = std::string::npos;
      }
      i += 2;
      continue;
    }
    if (c == '*') {
      if (kursivStart == std::string::npos) {
        kursivStart = ud.size();
      } else {
        Tilfoej(m.attributter, pango_attr_style_new(PANGO_STYLE_ITALIC), kursivStart, ud.size());
        kursivStart = std::string::npos;
      }
      ++i;
      continue;
    }
    if (c == '[' && linkStart == std::string::npos) {
      // "[words](#target)"; anything else is a bracket as it stands.
      const std::size_t luk = ind.find("](#", i + 1);
      const std::size_t slut = luk == std::string_view::npos ? luk : ind.find(')', luk + 3);
      if (slut != std::string_view::npos) {
        linkStart = ud.size();
        linkSlutKilde = luk;
        linkMaal = std::string(ind.substr(luk + 3, slut - luk - 3));
        linkFortsaet = slut + 1;
        ++i;
        continue;
      }
    }
    ud += c;
    ++i;
  }
  // A mark left open runs to the end rather than showing its asterisks.
  if (fedStart != std::string::npos)
    Tilfoej(m.attributter, pango_attr_weight_new(PANGO_WEIGHT_BOLD), fedStart, ud.size());
  if (kursivStart != std::string::npos)
    Tilfoej(m.attributter, pango_attr_style_new(PANGO_STYLE_ITALIC), kursivStart, ud.size());
  if (kodeStart != std::string::npos)
    Tilfoej(m.attributter, pango_attr_family_new(SkriftMono), kodeStart, ud.size());
  return m;
}

PangoFontDescription* Beskrivelse(const TSkrift& s) {
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, s.Familie.c_str());
  pango_font_description_set_absolute_size(d, s.Punkt * PANGO_SCALE);
  pango_font_description_set_weight(d, s.Fed ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(d, s.Kursiv ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return d;
}

double Pt(int pangoEnheder) { return static_cast<double>(pangoEnheder) / PANGO_SCALE; }

TOpsatTekst Saet(TPdfDokument& pdf, std::string_view tekst, const TSkrift& skrift, double bredde,
                 TTekstJust just, double linjeafstand, bool markering) {
  TPdfIndre& indre = pdf.Indre();
  TMarkeretTekst m = Fortolk(tekst, markering);
  PangoLayout* l = pango_layout_new(indre.pango);
  PangoFontDescription* d = Beskrivelse(skrift);
  pango_layout_set_font_description(l, d);
  pango_font_description_free(d);
  if (bredde > 0) {
    pango_layout_set_width(l, static_cast<int>(std::lround(bredde * PANGO_SCALE)));
    pango_layout_set_wrap(l, PANGO_WRAP_WORD_CHAR);
  }
  pango_layout_set_alignment(l, just == TTekstJust::Midte    ? PANGO_ALIGN_CENTER
                                : just == TTekstJust::Hoejre ? PANGO_ALIGN_RIGHT
                                                             : PANGO_ALIGN_LEFT);
  if (linjeafstand != 1.0) pango_layout_set_line_spacing(l, static_cast<float>(linjeafstand));
  pango_layout_set_text(l, m.tekst.data(), static_cast<int>(m.tekst.size()));
  pango_layout_set_attributes(l, m.attributter);
  pango_attr_list_unref(m.attributter);

  TOpsatTekst t;
  t.Layout = std::shared_ptr<PangoLayout>(l, [](PangoLayout* p) { g_object_unref(p); });
  t.Links = std::move(m.links);
  PangoLayoutIter* it = pango_layout_get_iter(l);
  do {
    int y0 = 0, y1 = 0;
    pango_layout_iter_get_line_yrange(it, &y0, &y1);
    PangoRectangle logisk;
    pango_layout_iter_get_line_extents(it, nullptr, &logisk);
    TTekstLinje linje;
    linje.X = Pt(logisk.x);
    linje.Top = Pt(y0);
    linje.Hoejde = Pt(y1 - y0);
    linje.Grundlinje = Pt(pango_layout_iter_get_baseline(it));
    t.Linjer.push_back(linje);
    t.Bredde = std::max(t.Bredde, Pt(logisk.width));
  } while (pango_layout_iter_next_line(it));
  pango_layout_iter_free(it);
  return t;
}

}  // namespace

double TOpsatTekst::Hoejde(int fra, int til) const {
  fra = std::clamp(fra, 0, static_cast<int>(Linjer.size()));
  til = std::clamp(til, fra, static_cast<int>(Linjer.size()));
  if (fra == til) return 0;
  return Linjer[til - 1].Top + Linjer[til - 1].Hoejde - Linjer[fra].Top;
}

std::string VistTekst(const TOpsatTekst& t) {
  return t.Layout ? std::string(pango_layout_get_text(t.Layout.get())) : std::string();
}

TOpsatTekst SaetTekst(TPdfDokument& pdf, std::string_view tekst, const TSkrift& skrift,
                      double bredde, TTekstJust just, double linjeafstand) {
  return Saet(pdf, tekst, skrift, bredde, just, linjeafstand, true);
}

TOpsatTekst SaetRaaTekst(TPdfDokument& pdf, std::string_view tekst, const TSkrift& skrift,
                         double bredde, TTekstJust just, double linjeafstand) {
  return Saet(pdf, tekst, skrift, bredde, just, linjeafstand, false);
}

void TegnTekst(TPdfDokument& pdf, const TOpsatTekst& t, int fra, int til, double x, double y,
               TFarve farve) {
  const int antal = static_cast<int>(t.Linjer.size());
  fra = std::clamp(fra, 0, antal);
  til = std::clamp(til, fra, antal);
  if (fra == til || !t.Layout) return;
  cairo_t* cr = pdf.Indre().cr;
  PangoLayout* l = t.Layout.get();
  const double dy = y - t.Linjer[fra].Top;
  SaetKildeFarve(cr, farve);
  for (int i = fra; i < til; ++i) {
    cairo_move_to(cr, x + t.Linjer[i].X, dy + t.Linjer[i].Grundlinje);
    pango_cairo_show_layout_line(cr, pango_layout_get_line_readonly(l, i));
  }
  // Each link becomes one clickable rectangle per line it covers.
  for (const TLinkOmraade& link : t.Links) {
    for (int i = fra; i < til; ++i) {
      PangoLayoutLine* linje = pango_layout_get_line_readonly(l, i);
      const int a = std::max(link.Start, linje->start_index);
      const int b = std::min(link.Slut, linje->start_index + linje->length);
      if (a >= b) continue;
      PangoRectangle pa, pb;
      pango_layout_index_to_pos(l, a, &pa);
      double xb;
      if (b == linje->start_index + linje->length) {
        PangoRectangle logisk;
        pango_layout_line_get_extents(linje, nullptr, &logisk);
        xb = t.Linjer[i].X + Pt(logisk.width);
      } else {
        pango_layout_index_to_pos(l, b, &pb);
        xb = Pt(pb.x);
      }
      const double xa = Pt(pa.x);
      SaetLink(pdf, x + xa, dy + t.Linjer[i].Top, xb - xa, t.Linjer[i].Hoejde, link.Maal);
    }
  }
}

void SkrivTekst(TPdfDokument& pdf, double x, double grundlinje, std::string_view tekst,
                const TSkrift& skrift, TTekstJust just, TFarve farve) {
  const TOpsatTekst t = SaetRaaTekst(pdf, tekst, skrift, 0);
  if (t.Linjer.empty()) return;
  double venstre = x;
  if (just == TTekstJust::Midte) venstre = x - t.Bredde / 2;
  if (just == TTekstJust::Hoejre) venstre = x - t.Bredde;
  TegnTekst(pdf, t, 0, 1, venstre, grundlinje - t.Linjer[0].Grundlinje + t.Linjer[0].Top, farve);
}

double TekstBredde(TPdfDokument& pdf, std::string_view tekst, const TSkrift& skrift) {
  return SaetRaaTekst(pdf, tekst, skrift, 0).Bredde;
}

std::string UdenMarkering(std::string_view tekst) {
  std::string ud;
  ud.reserve(tekst.size());
  for (char c : tekst) {
    if (c == '\\' || c == '*' || c == '`' || c == '[') ud += '\\';
    ud += c;
  }
  return ud;
}

}  // namespace kvistor
