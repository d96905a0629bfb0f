#include "documents/sats.h"

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <numeric>

#include "graphics/pdf_laerred.h"

namespace kvistor {

namespace {

constexpr TFarve Overskriftsfarve{0x1d, 0x3c, 0x6e};
constexpr TFarve Stregfarve{0x80, 0x80, 0x80};
constexpr TFarve Hovedfyld{0xe4, 0xe8, 0xee};
constexpr double CellePadX = 3.5;
constexpr double CellePadY = 2.2;
constexpr double TabelLuft = 8;
constexpr double FigurLuft = 8;
constexpr double PunktInd = 14;   // a bullet list's text from the margin
constexpr double PunktMellem = 2; // between the points of a list

struct TOverskriftStil {
  double punkt, foer, efter;
};
constexpr std::array<TOverskriftStil, 4> OverskriftStile{{
    {14, 18, 7}, {14, 18, 7}, {11.5, 12, 4}, {10, 9, 3}}};

TTekstJust Tj(TSatsJust j) {
  return j == TSatsJust::Midte ? TTekstJust::Midte : j == TSatsJust::Hoejre ? TTekstJust::Hoejre
                                                                   : TTekstJust::Venstre;
}

using TTekstRef = std::shared_ptr<const TOpsatTekst>;
using TTegning = std::function<void()>;

// A table's row, set: the cells and the row's height.
struct TSatRaekke {
  std::vector<TTekstRef> celler;
  double hoejde = 0;
};

// Each block prepared for layout: its texts set once and shared by the
// measuring and the drawing.
struct TForberedt {
  TTekstRef tekst;                    // heading, paragraph, monospaced block
  std::vector<TTekstRef> punkter;     // list
  std::vector<TSatRaekke> hoved, raekker;  // table
  std::vector<double> kolonner;       // table: column widths
  std::vector<bool> brudFoer;         // monospaced block
  std::vector<bool> tvungetBrud;      // monospaced block: a form feed starts a page
  std::vector<bool> tom;              // monospaced block: blank lines
  int overskrift = -1;                // heading: its index among the headings
  double figurB = 0, figurH = 0;      // figure, as it will be drawn
  TTekstRef figurTekst;
};

struct TSats {
  TPdfDokument& pdf;
  const TDokument& dok;
  double x0, bredde, yTop, yBund;
  std::vector<TForberedt> forberedt;
  std::vector<TSatOverskrift> overskrifter;
  std::vector<std::vector<TTegning>> sider;
  double y = 0;
  bool sideTom = true;
  std::vector<bool> iIndhold;           // per heading
  std::map<std::string, int> maal;      // page of every heading and mark
  // Outline entries of the levels above, while drawing.
  std::array<int, 4> bogmaerker{};

  TSats(TPdfDokument& p, const TDokument& d)
      : pdf(p),
        dok(d),
        x0(d.Side.Venstre),
        bredde(d.Side.TekstBredde()),
        yTop(d.Side.Top),
        yBund(d.Side.Hoejde - d.Side.Bund) {
    NySide();
  }

  void NySide() {
    sider.emplace_back();
    y = yTop;
    sideTom = true;
  }
  double Plads() const { return yBund - y; }
  double SideHoejde() const { return yBund - yTop; }
  int SideNr() const { return static_cast<int>(sider.size()); }
  void Placer(TTegning t) {
    sider.back().push_back(std::move(t));
    sideTom = false;
  }
  // Space above a block; none at the top of a page.
  double Foer(double pt) const { return sideTom ? 0 : pt; }
};

// ---------------------------------------------------------------------------
// Preparing

void NummererOverskrifter(TSats& s) {
  std::array<int, 4> taeller{};
  int n = 0;
  for (const TBlok& b : s.dok.Blokke) {
    const auto* o = std::get_if<TOverskriftBlok>(&b);
    if (!o) continue;
    const int niveau = std::clamp(o->Niveau, 1, 3);
    TSatOverskrift so;
    so.Niveau = niveau;
    so.Tekst = o->Tekst;
    so.Maal = o->Maal.empty() ? "afsnit-" + std::to_string(n + 1) : o->Maal;
    s.iIndhold.push_back(o->IIndhold);
    if (!o->Nummer.empty()) {
      so.Nummer = o->Nummer;
    } else if (o->Nummereret) {
      ++taeller[niveau];
      for (int k = niveau + 1; k <= 3; ++k) taeller[k] = 0;
      for (int k = 1; k <= niveau; ++k)
        so.Nummer += (k > 1 ? "." : "") + std::to_string(taeller[k]);
    }
    s.overskrifter.push_back(so);
    ++n;
  }
}

TSatRaekke SaetRaekke(TSats& s, const std::vector<std::string>& celler, const TTabelBlok& t,
                      const std::vector<double>& kolonner, bool hoved) {
  TSatRaekke r;
  TSkrift skrift{SkriftSans, t.Punkt, hoved};
  for (std::size_t k = 0; k < kolonner.size(); ++k) {
    const std::string tekst = k < celler.size() ? celler[k] : std::string();
    const TSatsJust j = k < t.Just.size() ? t.Just[k] : TSatsJust::Venstre;
    auto c = std::make_shared<TOpsatTekst>(
        SaetTekst(s.pdf, tekst, skrift, kolonner[k] - 2 * CellePadX, Tj(j)));
    r.hoejde = std::max(r.hoejde, c->Hoejde() + 2 * CellePadY);
    r.celler.push_back(std::move(c));
  }
  return r;
}

void ForberedFigur(TSats& s, TForberedt& f, double bredde, double forhold,
                   const std::string& tekst) {
  f.figurB = s.bredde * std::clamp(bredde, 0.05, 1.0);
  f.figurH = f.figurB * forhold;
  if (!tekst.empty())
    f.figurTekst = std::make_shared<TOpsatTekst>(
        SaetTekst(s.pdf, tekst, {SkriftSans, 9, false, true}, s.bredde, TTekstJust::Midte));
  // Never taller than a page with its caption.
  const double tekstH = f.figurTekst ? f.figurTekst->Hoejde() + 4 : 0;
  const double maks = s.SideHoejde() - tekstH - 2;
  if (f.figurH > maks && forhold > 0) {
    f.figurH = maks;
    f.figurB = maks / forhold;
  }
}

void Forbered(TSats& s) {
  int overskrift = 0;
  for (const TBlok& b : s.dok.Blokke) {
    TForberedt f;
    if (std::holds_alternative<TOverskriftBlok>(b)) {
      const TSatOverskrift& so = s.overskrifter[static_cast<std::size_t>(overskrift)];
      f.overskrift = overskrift++;
      const std::string tekst = so.Nummer.empty() ? so.Tekst : so.Nummer + "  " + so.Tekst;
      const TSkrift skrift{SkriftSans, OverskriftStile[so.Niveau].punkt, true};
      f.tekst = std::make_shared<TOpsatTekst>(SaetTekst(s.pdf, tekst, skrift, s.bredde));
    } else if (const auto* a = std::get_if<TAfsnitBlok>(&b)) {
      const TSkrift skrift{SkriftSans, a->Punkt, a->Fed, a->Kursiv};
      f.tekst = std::make_shared<TOpsatTekst>(
          SaetTekst(s.pdf, a->Tekst, skrift, s.bredde - a->Indrykning, Tj(a->Just), 1.1));
    } else if (const auto* l = std::get_if<TPunktlisteBlok>(&b)) {
      for (const std::string& p : l->Punkter)
        f.punkter.push_back(std::make_shared<TOpsatTekst>(
            SaetTekst(s.pdf, p, {SkriftSans, l->Punkt}, s.bredde - PunktInd,
                      TTekstJust::Venstre, 1.1)));
    } else if (const auto* t = std::get_if<TTabelBlok>(&b)) {
      const double sum = std::accumulate(t->Bredder.begin(), t->Bredder.end(), 0.0);
      for (double w : t->Bredder) f.kolonner.push_back(sum > 0 ? s.bredde * w / sum : 0);
      for (const auto& r : t->Hoved) f.hoved.push_back(SaetRaekke(s, r, *t, f.kolonner, true));
      for (const auto& r : t->Raekker)
        f.raekker.push_back(SaetRaekke(s, r, *t, f.kolonner, false));
    } else if (const auto* k = std::get_if<TKodeblok>(&b)) {
      std::string alle;
      const std::size_t n = k->Linjer.size();
      f.brudFoer.assign(n, true);
      f.tvungetBrud.assign(n, false);
      f.tom.assign(n, false);
      for (std::size_t i = 0; i < n; ++i) {
        std::string_view linje = k->Linjer[i];
        // A form feed at the head of a line asks for a new page there.
        if (!linje.empty() && linje.front() == '\f') {
          f.tvungetBrud[i] = true;
          linje.remove_prefix(1);
        }
        if (i < k->BrudFoer.size()) f.brudFoer[i] = k->BrudFoer[i];
        f.tom[i] = linje.find_first_not_of(' ') == std::string_view::npos;
        if (i) alle += '\n';
        alle += linje;
      }
      if (n > 0)
        f.tekst = std::make_shared<TOpsatTekst>(
            SaetRaaTekst(s.pdf, alle, {SkriftMono, k->Punkt}, 0));
    } else if (const auto* fig = std::get_if<TFigurBlok>(&b)) {
      ForberedFigur(s, f, fig->Bredde, fig->Forhold, fig->Tekst);
    } else if (const auto* bf = std::get_if<TBilledBlok>(&b)) {
      const auto str = PngStoerrelse(bf->Png);
      ForberedFigur(s, f, bf->Bredde,
                    str ? static_cast<double>(str->second) / str->first : 0.0, bf->Tekst);
    }
    s.forberedt.push_back(std::move(f));
  }
}

// ---------------------------------------------------------------------------
// Measuring what must go with what

double FigurHoejde(const TForberedt& f) {
  return f.figurH + (f.figurTekst ? f.figurTekst->Hoejde() + 4 : 0);
}

// The smallest start of block i that may stand at the foot of a page: what
// a heading or an introducing paragraph before it needs below it.
double ForsteStykke(const TSats& s, std::size_t i) {
  if (i >= s.dok.Blokke.size()) return 0;
  const TBlok& b = s.dok.Blokke[i];
  const TForberedt& f = s.forberedt[i];
  if (const auto* o = std::get_if<TOverskriftBlok>(&b)) {
    const auto& st = OverskriftStile[std::clamp(o->Niveau, 1, 3)];
    return st.foer + f.tekst->Hoejde() + st.efter + ForsteStykke(s, i + 1);
  }
  if (const auto* a = std::get_if<TAfsnitBlok>(&b)) {
    if (a->HoldMedNaeste)
      return a->LuftFoer + f.tekst->Hoejde() + a->LuftEfter + ForsteStykke(s, i + 1);
    return a->LuftFoer + f.tekst->Hoejde(0, 2);
  }
  if (std::holds_alternative<TPunktlisteBlok>(b))
    return f.punkter.empty() ? 0 : f.punkter.front()->Hoejde(0, 2);
  if (std::holds_alternative<TTabelBlok>(b)) {
    double h = 0;
    for (const auto& r : f.hoved) h += r.hoejde;
    // The space above, the head and two rows (PlacerTabel leaves no single
    // row behind).
    for (std::size_t r = 0; r < f.raekker.size() && r < 2; ++r) h += f.raekker[r].hoejde;
    return 2 + h;
  }
  if (std::holds_alternative<TKodeblok>(b)) {
    if (!f.tekst) return 0;
    const int n = static_cast<int>(f.brudFoer.size());
    int j = 2;
    while (j < n && !f.brudFoer[static_cast<std::size_t>(j)]) ++j;
    return f.tekst->Hoejde(0, std::min(j, n));
  }
  if (std::holds_alternative<TFigurBlok>(b) || std::holds_alternative<TBilledBlok>(b))
    return FigurHoejde(f);
  if (std::holds_alternative<TMaerkeBlok>(b)) return ForsteStykke(s, i + 1);
  if (std::holds_alternative<TRegisterBlok>(b)) return 30;
  if (std::holds_alternative<TIndholdBlok>(b)) return 30;
  if (const auto* fri = std::get_if<TFriBlok>(&b)) return fri->Hoejde;
  return 0;
}

// ---------------------------------------------------------------------------
// Laying out

// Places lines of a set text, breaking between lines and leaving no single
// line alone on either side of a break. `foerste` draws what goes with the
// first line (a list's bullet).
void PlacerLinjer(TSats& s, const TTekstRef& t, double x, TFarve farve,
                  const std::function<void(double y)>& foerste = {}) {
  const int n = static_cast<int>(t->Linjer.size());
  int i = 0;
  while (i < n) {
    int k = 0;
    while (i + k < n && t->Hoejde(i, i + k + 1) <= s.Plads() + 0.01) ++k;
    if (i + k < n) {
      const int rest = n - i - k;
      if (rest < 2 && k > 2) k = n - i - 2;
      else if (rest < 2) k = 0;
      if (k < 2 && !s.sideTom) {
        s.NySide();
        continue;
      }
      k = std::max(k, 1);  // a page less than two lines high: one at a time
    }
    const double y = s.y;
    const int fra = i, til = i + k;
    auto& pdf = s.pdf;
    s.Placer([&pdf, t, fra, til, x, y, farve, foerste] {
      TegnTekst(pdf, *t, fra, til, x, y, farve);
      if (fra == 0 && foerste) foerste(y);
    });
    s.y += t->Hoejde(fra, til);
    i = til;
    if (i < n) s.NySide();
  }
}

void PlacerOverskrift(TSats& s, std::size_t i, const TOverskriftBlok& o, const TForberedt& f) {
  if (o.NySide && !s.sideTom) s.NySide();
  const auto& st = OverskriftStile[std::clamp(o.Niveau, 1, 3)];
  const double behov = s.Foer(st.foer) + f.tekst->Hoejde() + st.efter + ForsteStykke(s, i + 1);
  if (behov > s.Plads() && !s.sideTom) s.NySide();
  s.y += s.Foer(st.foer);
  TSatOverskrift& so = s.overskrifter[static_cast<std::size_t>(f.overskrift)];
  so.Side = s.SideNr();
  s.maal[so.Maal] = so.Side;
  const double y = s.y;
  const double x = s.x0;
  TTekstRef t = f.tekst;
  const bool iOutline = o.IIndhold;
  TSats* sp = &s;
  const int nr = f.overskrift;
  s.Placer([sp, t, x, y, nr, iOutline] {
    const TSatOverskrift& h = sp->overskrifter[static_cast<std::size_t>(nr)];
    SaetMaal(sp->pdf, h.Maal, x, y);
    if (iOutline) {
      const int over = h.Niveau > 1 ? sp->bogmaerker[static_cast<std::size_t>(h.Niveau - 1)] : 0;
      sp->bogmaerker[static_cast<std::size_t>(h.Niveau)] =
          TilfoejBogmaerke(sp->pdf, over, VistTekst(*t), h.Maal, h.Niveau == 1);
    }
    TegnTekst(sp->pdf, *t, x, y, Overskriftsfarve);
  });
  s.y += f.tekst->Hoejde() + st.efter;
}

void PlacerAfsnit(TSats& s, std::size_t i, const TAfsnitBlok& a, const TForberedt& f) {
  if (a.HoldMedNaeste) {
    const double behov =
        s.Foer(a.LuftFoer) + f.tekst->Hoejde() + a.LuftEfter + ForsteStykke(s, i + 1);
    if (behov > s.Plads() && !s.sideTom) s.NySide();
  }
  s.y += s.Foer(a.LuftFoer);
  PlacerLinjer(s, f.tekst, s.x0 + a.Indrykning, a.Farve);
  s.y += a.LuftEfter;
}

void PlacerPunktliste(TSats& s, const TPunktlisteBlok& l, const TForberedt& f) {
  auto& pdf = s.pdf;
  const double x = s.x0;
  int nr = 0;
  for (const TTekstRef& p : f.punkter) {
    const double grund = p->Linjer.empty() ? 0 : p->Linjer[0].Grundlinje - p->Linjer[0].Top;
    const double punkt = l.Punkt;
    const std::string maerke = l.Nummereret ? std::to_string(++nr) + "." : "•";
    const double mx = l.Nummereret ? x + PunktInd - 3 : x + 4;
    const TTekstJust mj = l.Nummereret ? TTekstJust::Hoejre : TTekstJust::Venstre;
    PlacerLinjer(s, p, x + PunktInd, {}, [&pdf, mx, mj, grund, punkt, maerke](double y) {
      SkrivTekst(pdf, mx, y + grund, maerke, {SkriftSans, punkt}, mj);
    });
    s.y += PunktMellem;
  }
  s.y += 3;
}

// One page's part of a table: its head and rows fra..til-1, filled, framed
// and written.
void PlacerTabelstykke(TSats& s, const TForberedt& f, std::size_t fra, std::size_t til) {
  const double y0 = s.y;
  const double x0 = s.x0;
  double h = 0;
  for (const auto& r : f.hoved) h += r.hoejde;
  const double hovedH = h;
  for (std::size_t r = fra; r < til; ++r) h += f.raekker[r].hoejde;
  const TForberedt* fp = &f;
  auto& pdf = s.pdf;
  s.Placer([&pdf, fp, x0, y0, h, hovedH, fra, til] {
    const TForberedt& f = *fp;
    double bredde = 0;
    for (double k : f.kolonner) bredde += k;
    if (hovedH > 0) FyldRektangel(pdf, x0, y0, bredde, hovedH, Hovedfyld);
    double y = y0;
    auto raekke = [&](const TSatRaekke& r, bool sidste) {
      double x = x0;
      for (std::size_t k = 0; k < r.celler.size(); ++k) {
        TegnTekst(pdf, *r.celler[k], x + CellePadX, y + CellePadY);
        x += f.kolonner[k];
      }
      y += r.hoejde;
      if (!sidste) TegnStreg(pdf, x0, y, x0 + bredde, y, 0.3, Stregfarve);
    };
    for (const auto& r : f.hoved) raekke(r, false);
    for (std::size_t r = fra; r < til; ++r) raekke(f.raekker[r], r + 1 == til);
    // The head is set off from the body by a stronger rule.
    if (hovedH > 0) TegnStreg(pdf, x0, y0 + hovedH, x0 + bredde, y0 + hovedH, 0.8, Stregfarve);
    double x = x0;
    for (std::size_t k = 0; k + 1 < f.kolonner.size(); ++k) {
      x += f.kolonner[k];
      TegnStreg(pdf, x, y0, x, y0 + h, 0.3, Stregfarve);
    }
    TegnRektangel(pdf, x0, y0, bredde, h, 0.6, Stregfarve);
  });
  s.y += h;
}

void PlacerTabel(TSats& s, const TForberedt& f) {
  double hovedH = 0;
  for (const auto& r : f.hoved) hovedH += r.hoejde;
  const std::size_t n = f.raekker.size();
  s.y += s.Foer(2);
  // Never a head alone (an empty framed band) at the foot of a page.
  const double start = hovedH + (n ? f.raekker[0].hoejde : 0);
  if (start > s.Plads() && !s.sideTom) s.NySide();
  // Nor a single row under a head on either side of a break: the table
  // then starts on the next page, or leaves two rows for it.
  if (n >= 2 && !s.sideTom) {
    double h = hovedH;
    std::size_t passer = 0;
    while (passer < n && h + f.raekker[passer].hoejde <= s.Plads() + 0.01) h += f.raekker[passer++].hoejde;
    if (passer < 2 && passer < n) s.NySide();
  }
  std::size_t fra = 0;
  while (fra < n || (n == 0 && fra == 0)) {
    std::size_t til = fra;
    double h = hovedH;
    while (til < n && h + f.raekker[til].hoejde <= s.Plads() + 0.01) h += f.raekker[til++].hoejde;
    if (til < n && n - til < 2 && til - fra > 2) --til;
    if (til == fra && til < n) ++til;  // a row taller than a page stands alone
    PlacerTabelstykke(s, f, fra, til);
    if (n == 0) break;
    fra = til;
    if (fra < n) s.NySide();
  }
  s.y += TabelLuft;
}

void PlacerKodeblok(TSats& s, const TKodeblok& k, const TForberedt& f) {
  if (!f.tekst) return;
  const int n = static_cast<int>(f.brudFoer.size());
  const TTekstRef t = f.tekst;
  auto& pdf = s.pdf;
  int i = 0;
  while (i < n) {
    if (f.tvungetBrud[static_cast<std::size_t>(i)] && !s.sideTom) s.NySide();
    // A page does not open with blank lines.
    if (s.sideTom && i > 0)
      while (i < n && f.tom[static_cast<std::size_t>(i)]) ++i;
    if (i >= n) break;
    int slut = i + 1;  // the next line that must begin a page
    while (slut < n && !f.tvungetBrud[static_cast<std::size_t>(slut)]) ++slut;
    int k2 = 0;
    while (i + k2 < slut && t->Hoejde(i, i + k2 + 1) <= s.Plads() + 0.01) ++k2;
    int til = i + k2;
    if (til < slut) {
      // Break before the last line that allows it within what fits.
      int j = til;
      while (j > i && !f.brudFoer[static_cast<std::size_t>(j)]) --j;
      if (j > i) {
        til = j;
      } else if (!s.sideTom) {
        s.NySide();  // the whole stretch goes to the next page
        continue;
      } else {
        til = std::max(til, i + 1);  // longer than a page: it must break somewhere
      }
    }
    const double y = s.y;
    const double x = s.x0;
    const int fra = i;
    s.Placer([&pdf, t, fra, til, x, y] { TegnTekst(pdf, *t, fra, til, x, y); });
    s.y += t->Hoejde(fra, til);
    i = til;
    if (i < n && !f.tvungetBrud[static_cast<std::size_t>(i)]) s.NySide();
  }
  s.y += k.LuftEfter;
}

// A drawing (fig) or a picture (png), with its caption.
void PlacerFigur(TSats& s, const TFigurBlok* fig, const TBilledBlok* png, const TForberedt& f) {
  const double h = FigurHoejde(f);
  s.y += s.Foer(4);
  if (h > s.Plads() && !s.sideTom) s.NySide();
  const double x = s.x0 + (s.bredde - f.figurB) / 2;
  const double y = s.y;
  const double b = f.figurB, fh = f.figurH;
  const double tx = s.x0;
  auto& pdf = s.pdf;
  const TTekstRef tekst = f.figurTekst;
  s.Placer([&pdf, fig, png, x, y, b, fh, tx, tekst] {
    if (fig && fig->Tegn) {
      if (fig->Enhed > 0)
        TegnPdfFigur(pdf, x, y, b, fh, fig->Tegn, fig->Enhed);
      else
        TegnPdfFigur(pdf, x, y, b, fh, fig->Tegn);
    }
    if (png) TegnPng(pdf, png->Png, x, y, b, fh);
    if (tekst) TegnTekst(pdf, *tekst, tx, y + fh + 4);
  });
  s.y += h + FigurLuft;
}

void PlacerIndhold(TSats& s) {
  TSats* sp = &s;
  for (std::size_t k = 0; k < s.overskrifter.size(); ++k) {
    const TSatOverskrift& o = s.overskrifter[k];
    if (!s.iIndhold[k] || o.Niveau > 2) continue;
    const bool top = o.Niveau == 1;
    const TSkrift skrift{SkriftSans, top ? 10.5 : 10, top};
    const double foer = top ? 5 : 1;
    const double hoejde = skrift.Punkt * 1.45;
    if (s.Foer(foer) + hoejde > s.Plads()) s.NySide();
    s.y += s.Foer(foer);
    const double y = s.y;
    s.Placer([sp, k, y, skrift, hoejde] {
      const TSatOverskrift& o = sp->overskrifter[k];
      auto& pdf = sp->pdf;
      const double x0 = sp->x0, x1 = sp->x0 + sp->bredde;
      const double grund = y + skrift.Punkt * 1.05;
      const double ind = o.Niveau == 1 ? 0 : 10 * PtPrMm;
      const double tekstX = x0 + ind + (o.Niveau == 1 ? 9 : 12) * PtPrMm;
      if (!o.Nummer.empty()) SkrivTekst(pdf, x0 + ind, grund, o.Nummer, skrift);
      const std::string side = std::to_string(o.Side);
      const TOpsatTekst t = SaetTekst(pdf, o.Tekst, skrift, 0);
      const double tekstBredde = std::min(t.Bredde, x1 - tekstX - 30);
      TegnTekst(pdf, t, 0, 1, tekstX, grund - (t.Linjer.empty() ? 0 : t.Linjer[0].Grundlinje));
      SkrivTekst(pdf, x1, grund, side, skrift, TTekstJust::Hoejre);
      // Dot leaders from the words to the page number.
      const double sideBredde = TekstBredde(pdf, side, skrift);
      const TSkrift prik{SkriftSans, skrift.Punkt};
      const double prikB = TekstBredde(pdf, ". ", prik);
      const double fra = tekstX + tekstBredde + 6, til = x1 - sideBredde - 6;
      if (til > fra && prikB > 0) {
        const int antal = static_cast<int>((til - fra) / prikB);
        std::string prikker;
        for (int i = 0; i < antal; ++i) prikker += ". ";
        SkrivTekst(pdf, til, grund, prikker, prik, TTekstJust::Hoejre, {0x70, 0x70, 0x70});
      }
      SaetLink(pdf, x0, y, x1 - x0, hoejde, o.Maal);
    });
    s.y += hoejde;
  }
  s.y += 6;
}

void PlacerMaerke(TSats& s, std::size_t i, const TMaerkeBlok& m) {
  // The mark goes where what follows it begins.
  if (ForsteStykke(s, i + 1) > s.Plads() && !s.sideTom) s.NySide();
  s.maal[m.Navn] = s.SideNr();
  const double y = s.y, x = s.x0;
  auto& pdf = s.pdf;
  const std::string navn = m.Navn;
  // Drawn without marking the page as begun: a mark takes no room.
  s.sider.back().push_back([&pdf, navn, x, y] { SaetMaal(pdf, navn, x, y); });
}

void PlacerRegister(TSats& s, const TRegisterBlok& r) {
  TSats* sp = &s;
  const TSkrift skrift{SkriftSans, r.Punkt};
  const double hoejde = r.Punkt * 1.4;
  for (const TRegisterBlok::TOpslag& o : r.Opslag) {
    if (hoejde > s.Plads()) s.NySide();
    const double y = s.y;
    auto ord = std::make_shared<TOpsatTekst>(SaetTekst(s.pdf, o.Ord, skrift, 0));
    const std::vector<std::string> maerker = o.Maerker;
    s.Placer([sp, ord, maerker, y, skrift, hoejde] {
      auto& pdf = sp->pdf;
      const double grund = y + skrift.Punkt * 1.05;
      const double top = ord->Linjer.empty() ? 0 : ord->Linjer[0].Grundlinje;
      TegnTekst(pdf, *ord, 0, 1, sp->x0, grund - top);
      double x = sp->x0 + ord->Bredde + 8;
      for (std::size_t i = 0; i < maerker.size(); ++i) {
        const auto side = sp->maal.find(maerker[i]);
        if (side == sp->maal.end()) continue;
        const std::string tal = std::to_string(side->second) + (i + 1 < maerker.size() ? "," : "");
        const double b = TekstBredde(pdf, tal, skrift);
        SkrivTekst(pdf, x, grund, tal, skrift);
        SaetLink(pdf, x, y, b, hoejde, maerker[i]);
        x += b + 4;
      }
    });
    s.y += hoejde;
  }
  s.y += 6;
}

// The height the blocks after i take up to the next page break, as they
// are placed on one page.
double HoejdeTilSideskift(const TSats& s, std::size_t i) {
  double h = 0;
  for (std::size_t j = i + 1; j < s.dok.Blokke.size(); ++j) {
    const TBlok& b = s.dok.Blokke[j];
    const TForberedt& f = s.forberedt[j];
    if (std::holds_alternative<TSideskiftBlok>(b)) break;
    if (const auto* a = std::get_if<TAfsnitBlok>(&b)) h += a->LuftFoer + f.tekst->Hoejde() + a->LuftEfter;
    else if (const auto* l = std::get_if<TLuftBlok>(&b)) h += l->Punkt;
    else if (const auto* fri = std::get_if<TFriBlok>(&b)) h += fri->Hoejde;
    else if (std::holds_alternative<TTabelBlok>(b)) {
      h += 2 + TabelLuft;
      for (const auto& r : f.hoved) h += r.hoejde;
      for (const auto& r : f.raekker) h += r.hoejde;
    }
  }
  return h;
}

void PlacerFri(TSats& s, const TFriBlok& fri) {
  if (fri.Hoejde > s.Plads() && !s.sideTom) s.NySide();
  const double y = s.y, x = s.x0, b = s.bredde;
  auto& pdf = s.pdf;
  const TFriBlok* fp = &fri;
  s.Placer([&pdf, fp, x, y, b] {
    if (fp->Tegn) fp->Tegn(pdf, x, y, b);
  });
  s.y += fri.Hoejde;
}

}  // namespace

TSatsResultat SaetDokument(TPdfDokument& pdf, const TDokument& dok) {
  TSats s(pdf, dok);
  NummererOverskrifter(s);
  Forbered(s);

  for (std::size_t i = 0; i < dok.Blokke.size(); ++i) {
    const TBlok& b = dok.Blokke[i];
    const TForberedt& f = s.forberedt[i];
    if (const auto* o = std::get_if<TOverskriftBlok>(&b)) PlacerOverskrift(s, i, *o, f);
    else if (const auto* a = std::get_if<TAfsnitBlok>(&b)) PlacerAfsnit(s, i, *a, f);
    else if (const auto* l = std::get_if<TPunktlisteBlok>(&b)) PlacerPunktliste(s, *l, f);
    else if (std::holds_alternative<TTabelBlok>(b)) PlacerTabel(s, f);
    else if (const auto* k = std::get_if<TKodeblok>(&b)) PlacerKodeblok(s, *k, f);
    else if (const auto* fig = std::get_if<TFigurBlok>(&b)) PlacerFigur(s, fig, nullptr, f);
    else if (const auto* bf = std::get_if<TBilledBlok>(&b)) PlacerFigur(s, nullptr, bf, f);
    else if (const auto* m = std::get_if<TMaerkeBlok>(&b)) PlacerMaerke(s, i, *m);
    else if (const auto* reg = std::get_if<TRegisterBlok>(&b)) PlacerRegister(s, *reg);
    else if (std::holds_alternative<TIndholdBlok>(b)) PlacerIndhold(s);
    else if (std::holds_alternative<TSideskiftBlok>(b)) {
      if (!s.sideTom) s.NySide();
    } else if (const auto* l2 = std::get_if<TLuftBlok>(&b)) s.y += s.Foer(l2->Punkt);
    else if (std::holds_alternative<TFyldBlok>(b)) s.y += std::max(0.0, s.Plads() - HoejdeTilSideskift(s, i));
    else if (const auto* fri = std::get_if<TFriBlok>(&b)) PlacerFri(s, *fri);
  }
  // A last page left empty by a closing break is no page.
  if (s.sider.size() > 1 && s.sideTom) s.sider.pop_back();

  const int antal = static_cast<int>(s.sider.size());
  for (int p = 0; p < antal; ++p) {
    if (p > 0) pdf.NySide();
    const TSideInfo info{p + 1, antal};
    if (dok.Sidehoved) dok.Sidehoved(pdf, dok.Side, info);
    if (dok.Sidefod) dok.Sidefod(pdf, dok.Side, info);
    for (const TTegning& t : s.sider[static_cast<std::size_t>(p)]) t();
  }
  return {antal, s.overskrifter, s.maal};
}

}  // namespace kvistor
