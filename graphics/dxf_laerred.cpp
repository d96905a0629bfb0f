#include "graphics/dxf_laerred.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <tuple>

#include "common/tegnsaet.h"
#include "graphics/displayliste.h"

namespace kvistor {

namespace {

// The palette's colours by name, in palette order.
constexpr std::array<const char*, AntalPalettefarver> Farvenavne{
    "SORT",     "BLAA",   "GROEN",    "BLAAGROEN", "ROED",   "LILLA", "BRUN",
    "SOELV",    "GRAA",   "CYAN",     "LYSGROEN",  "TURKIS", "ROSA",  "MAGENTA",
    "GUL",      "HVID",   "TRAE",     "BESLAG",    "LYSEBLAA"};

// The nearest AutoCAD colour to each palette colour; the pale ones by hue
// rather than by distance, which would make them grey.
constexpr std::array<int, AntalPalettefarver> Farveindeks{
    7, 5, 94, 134, 1, 214, 14, 9, 8, 4, 3, 132, 11, 212, 2, 7, 41, 253, 151};

// Handles of the fixed table entries; layers and entities count on from
// their own starts, so the numbers never meet.
constexpr unsigned HBlokTabel = 0x1, HLagTabel = 0x2, HStilTabel = 0x3, HLinjetypeTabel = 0x5,
                   HVisTabel = 0x6, HUcsTabel = 0x7, HVportTabel = 0x8, HAppTabel = 0x9,
                   HDimTabel = 0xA, HRodordbog = 0xC, HGruppeordbog = 0xD, HVport = 0x10,
                   HLinjetype = 0x11, HStil = 0x17, HApp = 0x18, HDimStil = 0x19,
                   HPapirBlok = 0x1B, HPapirStart = 0x1C, HPapirSlut = 0x1D,
                   HModelBlok = 0x1F, HModelStart = 0x20, HModelSlut = 0x21, HLag = 0x40,
                   HEnheder = 0x100;

// The pen styles as line types, dash lengths in millimetres on paper.
struct TLinjetype {
  const char* navn;
  const char* beskrivelse;
  std::vector<double> moenster;
};
const std::array<TLinjetype, 6>& Linjetyper() {
  static const std::array<TLinjetype, 6> t{{
      {"ByBlock", "", {}},
      {"ByLayer", "", {}},
      {"Continuous", "Solid line", {}},
      {"DOT", ". . . .", {0.0, -1.5}},
      {"DASHDOT", "__ . __ .", {6.0, -1.5, 0.0, -1.5}},
      {"DASHED", "__ __ __", {6.0, -3.0}},
  }};
  return t;
}

const char* LinjetypeNavn(TPenStil stil) {
  switch (stil) {
    case TPenStil::Prikket: return "DOT";
    case TPenStil::StregPrik: return "DASHDOT";
    case TPenStil::Stiplet: return "DASHED";
    case TPenStil::Fuld: break;
  }
  return "";
}

// Line weights in hundredths of a millimetre: the screen's thin pen and its
// wide one (the load widths, the force curves) as the usual CAD weights.
int Linjevaegt(int pixel) { return pixel <= 1 ? 25 : pixel == 2 ? 35 : 50; }

// A number as DXF wants it: a point for decimals whatever the locale, at
// most four decimals (a tenth of a micrometre), no "-0".
std::string Tal(double v) {
  if (!std::isfinite(v)) v = 0;
  char b[64];
  const auto r = std::to_chars(b, b + sizeof b, v, std::chars_format::fixed, 4);
  std::string s(b, r.ptr);
  if (s.find('.') != std::string::npos) {
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
  }
  if (s == "-0") s = "0";
  return s;
}

std::string Hex(unsigned h) {
  char b[16];
  std::snprintf(b, sizeof b, "%X", h);
  return b;
}

void G(std::string& ud, int kode, std::string_view v) {
  char b[8];
  std::snprintf(b, sizeof b, "%3d", kode);
  ud += b;
  ud += "\r\n";
  ud += v;
  ud += "\r\n";
}
void G(std::string& ud, int kode, int v) { G(ud, kode, std::to_string(v)); }
void G(std::string& ud, int kode, double v) { G(ud, kode, Tal(v)); }

int Paletteindeks(TFarve f) {
  for (int i = 0; i < AntalPalettefarver; ++i)
    if (PaletteFarve(i) == f) return i;
  return -1;
}

// A text for a TEXT entity in code page 1252: control characters become
// blanks, a character the code page lacks becomes \U+XXXX, a caret is
// written "^ " (a caret before a letter is a control character in DXF), and
// where "%%" would start a control code each percent sign is written as its
// own code "%%%".
std::string DxfTekst(const std::string& utf8) {
  std::string ren;
  const std::string r = RensTekst(utf8);
  const bool procentkode = r.find("%%") != std::string::npos;
  for (std::size_t i = 0; i < r.size();) {
    const unsigned char c = static_cast<unsigned char>(r[i]);
    const std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
    const std::string tegn = r.substr(i, n);
    i += n;
    if (n == 1) {
      if (tegn == "^") ren += "^ ";
      else if (tegn == "%" && procentkode) ren += "%%%";
      else ren += tegn;
      continue;
    }
    const std::string b = Utf8TilCp1252(tegn);
    if (b != "?") {
      ren += b;
      continue;
    }
    unsigned kp = c & (n == 2 ? 0x1F : n == 3 ? 0x0F : 0x07);
    for (std::size_t k = 1; k < tegn.size(); ++k) kp = (kp << 6) | (tegn[k] & 0x3F);
    char u[16];
    std::snprintf(u, sizeof u, "\\U+%04X", kp);
    ren += u;
  }
  return ren;
}

}  // namespace

TDxfLagplan StandardLagplan() {
  TDxfLagplan p;
  for (int i = 0; i < AntalPalettefarver; ++i) {
    p.Streg[i] = Farvenavne[i];
    p.Fyld[i] = std::string("FYLD-") + Farvenavne[i];
  }
  return p;
}

int DxfFarveindeks(int paletteindeks) {
  if (paletteindeks < 0 || paletteindeks >= AntalPalettefarver) return 7;
  return Farveindeks[static_cast<std::size_t>(paletteindeks)];
}

TDxfLaerred::TDxfLaerred(double pixelPrMm, double tekstHoejde, TDxfLagplan lag,
                         double linjetypeSkala)
    : pixelPrMm_(pixelPrMm > 0 ? pixelPrMm : 1),
      tekstHoejde_(tekstHoejde > 0 ? tekstHoejde : 2.5),
      lagplan_(std::move(lag)),
      linjetypeSkala_(linjetypeSkala > 0 ? linjetypeSkala : 1),
      naesteHandle_(HEnheder) {
  lag_.push_back({"0", 7});
}

double TDxfLaerred::X(int px) const { return px / pixelPrMm_; }
double TDxfLaerred::Y(int py) const { return -py / pixelPrMm_; }

void TDxfLaerred::Udvid(double x, double y) {
  if (!harUdstraekning_) {
    minX_ = maxX_ = x;
    minY_ = maxY_ = y;
    harUdstraekning_ = true;
    return;
  }
  minX_ = std::min(minX_, x);
  maxX_ = std::max(maxX_, x);
  minY_ = std::min(minY_, y);
  maxY_ = std::max(maxY_, y);
}

const std::string& TDxfLaerred::Lag(const std::string& navn, int paletteindeks, int& farve) {
  const int aci = DxfFarveindeks(paletteindeks);
  auto it = std::find_if(lag_.begin(), lag_.end(), [&](const TLag& l) { return l.Navn == navn; });
  if (it == lag_.end()) {
    lag_.push_back({navn, aci});
    it = lag_.end() - 1;
  }
  farve = aci == it->Farve ? 0 : aci;
  return it->Navn;
}

void TDxfLaerred::Hoved(std::string& ud, const char* type, const std::string& lag, int farve) {
  G(ud, 0, type);
  G(ud, 5, Hex(naesteHandle_++));
  G(ud, 330, Hex(HModelBlok));
  G(ud, 100, "AcDbEntity");
  G(ud, 8, lag);
  if (farve != 0) G(ud, 62, farve);
}

void TDxfLaerred::AfslutSti() {
  if (sti_.size() >= 2) {
    const int p = Paletteindeks(penFarve_);
    const std::string navn = p >= 0 ? lagplan_.Streg[static_cast<std::size_t>(p)] : "OEVRIGE";
    int farve = 0;
    const std::string lag = Lag(navn, p, farve);
    const bool linje = sti_.size() == 2;
    Hoved(enheder_, linje ? "LINE" : "LWPOLYLINE", lag, farve);
    // Like the screen's thin pens: only 1-pixel pens are dotted or dashed.
    const char* lt = penBredde_ == 1 ? LinjetypeNavn(penStil_) : "";
    if (*lt) G(enheder_, 6, lt);
    G(enheder_, 370, Linjevaegt(penBredde_));
    if (linje) {
      G(enheder_, 100, "AcDbLine");
      G(enheder_, 10, X(sti_[0].X));
      G(enheder_, 20, Y(sti_[0].Y));
      G(enheder_, 30, 0.0);
      G(enheder_, 11, X(sti_[1].X));
      G(enheder_, 21, Y(sti_[1].Y));
      G(enheder_, 31, 0.0);
    } else {
      G(enheder_, 100, "AcDbPolyline");
      G(enheder_, 90, static_cast<int>(sti_.size()));
      G(enheder_, 70, 0);
      for (const TPixelPunkt& q : sti_) {
        G(enheder_, 10, X(q.X));
        G(enheder_, 20, Y(q.Y));
      }
    }
    for (const TPixelPunkt& q : sti_) Udvid(X(q.X), Y(q.Y));
    ++optaelling_.Linjer;
  }
  sti_.clear();
  stiHarPosition_ = false;
}

void TDxfLaerred::SaetPen(TPenStil stil, int bredde, TFarve farve) {
  bredde = std::clamp(bredde, 1, 100);
  if (stil == penStil_ && bredde == penBredde_ && farve == penFarve_) return;
  AfslutSti();
  penStil_ = stil;
  penBredde_ = bredde;
  penFarve_ = farve;
}

void TDxfLaerred::FlytTil(int x, int y) {
  // As in the SVG canvas: a move to where the pen already is goes on with
  // the same polyline; any other move ends it.
  if (stiHarPosition_ && position_ == TPixelPunkt{x, y}) return;
  AfslutSti();
  position_ = {x, y};
}

void TDxfLaerred::LinjeTil(int x, int y) {
  if (!stiHarPosition_) {
    sti_.push_back(position_);
    stiHarPosition_ = true;
  }
  sti_.push_back({x, y});
  position_ = {x, y};
}

void TDxfLaerred::Polygon(const std::vector<TPixelPunkt>& punkter) {
  AfslutSti();
  if (punkter.empty()) return;

  // The fill first, so that its outline stands on top of it.
  std::vector<TPixelPunkt> rand;
  for (const TPixelPunkt& q : punkter)
    if (rand.empty() || !(rand.back() == q)) rand.push_back(q);
  while (rand.size() > 1 && rand.front() == rand.back()) rand.pop_back();
  if (penselStil_ != TPenselStil::Ingen && rand.size() >= 3) {
    const int p = Paletteindeks(penselFarve_);
    int farve = 0;
    const std::string lag =
        Lag(p >= 0 ? lagplan_.Fyld[static_cast<std::size_t>(p)] : "FYLD-OEVRIGE", p, farve);
    Hoved(enheder_, "HATCH", lag, farve);
    G(enheder_, 100, "AcDbHatch");
    G(enheder_, 10, 0.0);
    G(enheder_, 20, 0.0);
    G(enheder_, 30, 0.0);
    G(enheder_, 210, 0.0);
    G(enheder_, 220, 0.0);
    G(enheder_, 230, 1.0);
    const bool fuld = penselStil_ == TPenselStil::Fuld;
    G(enheder_, 2, fuld ? "SOLID" : "_USER");
    G(enheder_, 70, fuld ? 1 : 0);
    G(enheder_, 71, 0);
    G(enheder_, 91, 1);
    G(enheder_, 92, 3);  // an outer boundary given as a polyline
    G(enheder_, 72, 0);
    G(enheder_, 73, 1);
    G(enheder_, 93, static_cast<int>(rand.size()));
    for (const TPixelPunkt& q : rand) {
      G(enheder_, 10, X(q.X));
      G(enheder_, 20, Y(q.Y));
    }
    G(enheder_, 97, 0);
    G(enheder_, 75, 0);  // odd parity, as a polygon that crosses itself fills on screen
    if (fuld) {
      G(enheder_, 76, 1);
    } else {
      // The screen's cross-hatch: lines both ways, 2 mm apart on paper.
      const double afstand = 2.0 * linjetypeSkala_;
      G(enheder_, 76, 0);
      G(enheder_, 52, 0.0);
      G(enheder_, 41, afstand);
      G(enheder_, 77, 1);
      G(enheder_, 78, 1);
      G(enheder_, 53, 0.0);
      G(enheder_, 43, 0.0);
      G(enheder_, 44, 0.0);
      G(enheder_, 45, 0.0);
      G(enheder_, 46, afstand);
      G(enheder_, 79, 0);
    }
    G(enheder_, 98, 0);
    ++optaelling_.Skraveringer;
  }

  const int p = Paletteindeks(penFarve_);
  int farve = 0;
  const std::string lag =
      Lag(p >= 0 ? lagplan_.Streg[static_cast<std::size_t>(p)] : "OEVRIGE", p, farve);
  Hoved(enheder_, "LWPOLYLINE", lag, farve);
  const char* lt = penBredde_ == 1 ? LinjetypeNavn(penStil_) : "";
  if (*lt) G(enheder_, 6, lt);
  G(enheder_, 370, Linjevaegt(penBredde_));
  G(enheder_, 100, "AcDbPolyline");
  G(enheder_, 90, static_cast<int>(punkter.size()));
  G(enheder_, 70, 1);
  for (const TPixelPunkt& q : punkter) {
    G(enheder_, 10, X(q.X));
    G(enheder_, 20, Y(q.Y));
    Udvid(X(q.X), Y(q.Y));
  }
  ++optaelling_.Omrids;
}

void TDxfLaerred::SaetPixel(int x, int y, TFarve farve) {
  AfslutSti();
  const int p = Paletteindeks(farve);
  int f = 0;
  const std::string lag =
      Lag(p >= 0 ? lagplan_.Streg[static_cast<std::size_t>(p)] : "OEVRIGE", p, f);
  Hoved(enheder_, "POINT", lag, f);
  G(enheder_, 100, "AcDbPoint");
  G(enheder_, 10, X(x));
  G(enheder_, 20, Y(y));
  G(enheder_, 30, 0.0);
  Udvid(X(x), Y(y));
  ++optaelling_.Punkter;
}

int TDxfLaerred::TekstBredde(const std::string& tekst) {
  // An average letter of a sans-serif font is about 0,6 of the text height.
  return static_cast<int>(std::lround(0.6 * tekstHoejde_ * pixelPrMm_ *
                                      static_cast<double>(AntalTegn(tekst))));
}

int TDxfLaerred::TekstHoejde(const std::string&) {
  return static_cast<int>(std::lround(tekstHoejde_ * pixelPrMm_));
}

void TDxfLaerred::SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) {
  vandret_ = vandret;
  lodret_ = lodret;
}

void TDxfLaerred::TekstUd(int x, int y, const std::string& tekst) {
  AfslutSti();
  // All texts share one black layer; a coloured text keeps its colour.
  int ignoreret = 0;
  const std::string lag = Lag(lagplan_.Tekst, Sort, ignoreret);
  const int aci = DxfFarveindeks(Paletteindeks(tekstFarve_));
  const int farve = aci == DxfFarveindeks(Sort) ? 0 : aci;
  const double px = X(x), py = Y(y);
  Hoved(enheder_, "TEXT", lag, farve);
  G(enheder_, 100, "AcDbText");
  G(enheder_, 10, px);
  G(enheder_, 20, py);
  G(enheder_, 30, 0.0);
  G(enheder_, 40, tekstHoejde_);
  G(enheder_, 1, DxfTekst(tekst));
  G(enheder_, 72, vandret_ == TVandretJust::Venstre ? 0 : vandret_ == TVandretJust::Midte ? 1 : 2);
  G(enheder_, 11, px);
  G(enheder_, 21, py);
  G(enheder_, 31, 0.0);
  G(enheder_, 100, "AcDbText");
  G(enheder_, 73, lodret_ == TLodretJust::Top ? 3 : 1);

  // The extent takes the text's box as the measuring rule gives it.
  const double b = TekstBredde(tekst) / pixelPrMm_;
  const double x0 = vandret_ == TVandretJust::Venstre ? px
                    : vandret_ == TVandretJust::Midte ? px - b / 2
                                                      : px - b;
  const double y0 = lodret_ == TLodretJust::Top ? py - tekstHoejde_ : py;
  Udvid(x0, y0);
  Udvid(x0 + b, y0 + tekstHoejde_);
  ++optaelling_.Tekster;
}

TDxfLaerred::TOptaelling TDxfLaerred::Optaelling() const {
  TDxfLaerred kopi = *this;
  kopi.AfslutSti();
  return kopi.optaelling_;
}

std::string TDxfLaerred::Dxf() const {
  // The strokes of the last pen are still open; write them into a copy.
  TDxfLaerred k = *this;
  k.AfslutSti();
  const std::string h = Hex(k.naesteHandle_);
  const double x0 = k.harUdstraekning_ ? k.minX_ : 0, y0 = k.harUdstraekning_ ? k.minY_ : 0;
  const double x1 = k.harUdstraekning_ ? k.maxX_ : 0, y1 = k.harUdstraekning_ ? k.maxY_ : 0;

  std::string s;
  G(s, 0, "SECTION");
  G(s, 2, "HEADER");
  auto Var = [&s](const char* navn) { G(s, 9, navn); };
  Var("$ACADVER"), G(s, 1, "AC1015");
  Var("$DWGCODEPAGE"), G(s, 3, "ANSI_1252");
  Var("$INSBASE"), G(s, 10, 0.0), G(s, 20, 0.0), G(s, 30, 0.0);
  Var("$EXTMIN"), G(s, 10, x0), G(s, 20, y0), G(s, 30, 0.0);
  Var("$EXTMAX"), G(s, 10, x1), G(s, 20, y1), G(s, 30, 0.0);
  Var("$LIMMIN"), G(s, 10, x0), G(s, 20, y0);
  Var("$LIMMAX"), G(s, 10, x1), G(s, 20, y1);
  Var("$LTSCALE"), G(s, 40, k.linjetypeSkala_);
  Var("$TEXTSIZE"), G(s, 40, k.tekstHoejde_);
  Var("$TEXTSTYLE"), G(s, 7, "Standard");
  Var("$CLAYER"), G(s, 8, "0");
  Var("$DIMSCALE"), G(s, 40, k.linjetypeSkala_);
  Var("$LUNITS"), G(s, 70, 2);
  Var("$LUPREC"), G(s, 70, 1);
  Var("$INSUNITS"), G(s, 70, 4);  // millimetres
  Var("$MEASUREMENT"), G(s, 70, 1);
  Var("$LWDISPLAY"), G(s, 290, 1);
  Var("$PSTYLEMODE"), G(s, 290, 1);
  Var("$HANDSEED"), G(s, 5, h);
  G(s, 0, "ENDSEC");

  G(s, 0, "SECTION");
  G(s, 2, "CLASSES");
  G(s, 0, "ENDSEC");

  G(s, 0, "SECTION");
  G(s, 2, "TABLES");
  auto Tabel = [&s](const char* navn, unsigned handle, int antal) {
    G(s, 0, "TABLE");
    G(s, 2, navn);
    G(s, 5, Hex(handle));
    G(s, 330, "0");
    G(s, 100, "AcDbSymbolTable");
    G(s, 70, antal);
  };
  auto Post = [&s](const char* type, unsigned handle, unsigned ejer, const char* underklasse,
                   const std::string& navn, int handlekode = 5) {
    G(s, 0, type);
    G(s, handlekode, Hex(handle));
    G(s, 330, Hex(ejer));
    G(s, 100, "AcDbSymbolTableRecord");
    G(s, 100, underklasse);
    G(s, 2, navn);
    G(s, 70, 0);
  };

  Tabel("VPORT", HVportTabel, 1);
  Post("VPORT", HVport, HVportTabel, "AcDbViewportTableRecord", "*Active");
  G(s, 10, 0.0), G(s, 20, 0.0), G(s, 11, 1.0), G(s, 21, 1.0);
  G(s, 12, (x0 + x1) / 2), G(s, 22, (y0 + y1) / 2);
  G(s, 40, std::max(y1 - y0, 1.0) * 1.1), G(s, 41, 1.5);
  G(s, 0, "ENDTAB");

  Tabel("LTYPE", HLinjetypeTabel, static_cast<int>(Linjetyper().size()));
  unsigned lt = HLinjetype;
  for (const TLinjetype& t : Linjetyper()) {
    Post("LTYPE", lt++, HLinjetypeTabel, "AcDbLinetypeTableRecord", t.navn);
    G(s, 3, t.beskrivelse);
    G(s, 72, 65);
    G(s, 73, static_cast<int>(t.moenster.size()));
    double laengde = 0;
    for (double d : t.moenster) laengde += std::fabs(d);
    G(s, 40, laengde);
    for (double d : t.moenster) G(s, 49, d), G(s, 74, 0);
  }
  G(s, 0, "ENDTAB");

  Tabel("LAYER", HLagTabel, static_cast<int>(k.lag_.size()));
  unsigned lh = HLag;
  for (const TLag& l : k.lag_) {
    Post("LAYER", lh++, HLagTabel, "AcDbLayerTableRecord", l.Navn);
    G(s, 62, l.Farve);
    G(s, 6, "Continuous");
    G(s, 370, -3);
  }
  G(s, 0, "ENDTAB");

  Tabel("STYLE", HStilTabel, 1);
  Post("STYLE", HStil, HStilTabel, "AcDbTextStyleTableRecord", "Standard");
  G(s, 40, 0.0), G(s, 41, 1.0), G(s, 50, 0.0), G(s, 71, 0), G(s, 42, k.tekstHoejde_);
  G(s, 3, "arial.ttf"), G(s, 4, "");
  G(s, 0, "ENDTAB");

  Tabel("VIEW", HVisTabel, 0);
  G(s, 0, "ENDTAB");
  Tabel("UCS", HUcsTabel, 0);
  G(s, 0, "ENDTAB");

  Tabel("APPID", HAppTabel, 1);
  Post("APPID", HApp, HAppTabel, "AcDbRegAppTableRecord", "ACAD");
  G(s, 0, "ENDTAB");

  Tabel("DIMSTYLE", HDimTabel, 1);
  G(s, 100, "AcDbDimStyleTable");
  Post("DIMSTYLE", HDimStil, HDimTabel, "AcDbDimStyleTableRecord", "Standard", 105);
  G(s, 40, k.linjetypeSkala_), G(s, 41, 2.5), G(s, 42, 0.625), G(s, 43, 3.75), G(s, 44, 1.25);
  G(s, 140, 2.5), G(s, 141, 2.5), G(s, 147, 0.625);
  G(s, 0, "ENDTAB");

  Tabel("BLOCK_RECORD", HBlokTabel, 2);
  G(s, 0, "BLOCK_RECORD"), G(s, 5, Hex(HModelBlok)), G(s, 330, Hex(HBlokTabel));
  G(s, 100, "AcDbSymbolTableRecord"), G(s, 100, "AcDbBlockTableRecord"), G(s, 2, "*Model_Space");
  G(s, 0, "BLOCK_RECORD"), G(s, 5, Hex(HPapirBlok)), G(s, 330, Hex(HBlokTabel));
  G(s, 100, "AcDbSymbolTableRecord"), G(s, 100, "AcDbBlockTableRecord"), G(s, 2, "*Paper_Space");
  G(s, 0, "ENDTAB");
  G(s, 0, "ENDSEC");

  G(s, 0, "SECTION");
  G(s, 2, "BLOCKS");
  for (auto [navn, blok, start, slut] :
       {std::tuple{"*Model_Space", HModelBlok, HModelStart, HModelSlut},
        std::tuple{"*Paper_Space", HPapirBlok, HPapirStart, HPapirSlut}}) {
    G(s, 0, "BLOCK"), G(s, 5, Hex(start)), G(s, 330, Hex(blok)), G(s, 100, "AcDbEntity");
    G(s, 8, "0"), G(s, 100, "AcDbBlockBegin"), G(s, 2, navn), G(s, 70, 0);
    G(s, 10, 0.0), G(s, 20, 0.0), G(s, 30, 0.0), G(s, 3, navn), G(s, 1, "");
    G(s, 0, "ENDBLK"), G(s, 5, Hex(slut)), G(s, 330, Hex(blok)), G(s, 100, "AcDbEntity");
    G(s, 8, "0"), G(s, 100, "AcDbBlockEnd");
  }
  G(s, 0, "ENDSEC");

  G(s, 0, "SECTION");
  G(s, 2, "ENTITIES");
  s += k.enheder_;
  G(s, 0, "ENDSEC");

  G(s, 0, "SECTION");
  G(s, 2, "OBJECTS");
  G(s, 0, "DICTIONARY"), G(s, 5, Hex(HRodordbog)), G(s, 330, "0"), G(s, 100, "AcDbDictionary");
  G(s, 281, 1), G(s, 3, "ACAD_GROUP"), G(s, 350, Hex(HGruppeordbog));
  G(s, 0, "DICTIONARY"), G(s, 5, Hex(HGruppeordbog)), G(s, 330, Hex(HRodordbog));
  G(s, 100, "AcDbDictionary"), G(s, 281, 1);
  G(s, 0, "ENDSEC");
  G(s, 0, "EOF");
  return s;
}

}  // namespace kvistor
