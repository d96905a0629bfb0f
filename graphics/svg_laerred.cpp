#include "graphics/svg_laerred.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kvistor {

namespace {

std::string Tal(int v) { return std::to_string(v); }

// A pixel's centre, v + 0.5, written without the C library's locale (the
// desktop program may have set a decimal comma for it).
std::string Midt(int v) {
  if (v >= 0) return std::to_string(v) + ".5";
  if (v == -1) return "-0.5";
  return "-" + std::to_string(-(v + 1)) + ".5";
}

// A size with two decimals and a full stop, whatever the C library's locale.
std::string Decimaltal(double v) {
  const long long hundrededele = std::llround(v * 100);
  std::string s = std::to_string(hundrededele / 100) + ".";
  const long long rest = hundrededele % 100;
  if (rest < 10) s += '0';
  return s + std::to_string(rest);
}

// A measure at the text scale, rounded up to a whole pixel.
int Skaleret(double maal, double skala) {
  return static_cast<int>(std::ceil(maal * skala - 1e-9));
}

std::string Hex(TFarve f) {
  char b[8];
  std::snprintf(b, sizeof b, "#%02x%02x%02x", f.R, f.G, f.B);
  return b;
}

std::string XmlTekst(const std::string& s) {
  std::string ud;
  ud.reserve(s.size());
  for (char c : s) {
    switch (c) {
      case '&': ud += "&amp;"; break;
      case '<': ud += "&lt;"; break;
      case '>': ud += "&gt;"; break;
      case '"': ud += "&quot;"; break;
      default:
        // Control characters are not allowed in XML 1.0 text.
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t') ud += ' ';
        else ud += c;
    }
  }
  return ud;
}

std::string StregMoenster(TPenStil stil) {
  switch (stil) {
    case TPenStil::Prikket: return "2,2";
    case TPenStil::StregPrik: return "8,3,2,3";
    case TPenStil::Stiplet: return "6,3";
    case TPenStil::Fuld: break;
  }
  return "";
}

}  // namespace

TSvgLaerred::TSvgLaerred(int bredde, int hoejde)
    : bredde_(std::max(bredde, 1)), hoejde_(std::max(hoejde, 1)) {}

std::string TSvgLaerred::PenAttributter() const {
  std::string a = " stroke=\"" + Hex(penFarve_) + "\" stroke-width=\"" + Tal(penBredde_) + "\"";
  // Like the screen's thin pens: only 1-pixel pens are dotted or dashed.
  const std::string m = StregMoenster(penStil_);
  if (!m.empty() && penBredde_ == 1) a += " stroke-dasharray=\"" + m + "\"";
  return a;
}

void TSvgLaerred::AfslutSti() {
  if (!sti_.empty()) {
    // A thin line covers its end pixels, as on the screen; wide pens end and
    // turn round.
    krop_ += "<path d=\"" + sti_ + "\" fill=\"none\"" + PenAttributter() +
             (penBredde_ == 1 ? " stroke-linecap=\"square\""
                              : " stroke-linecap=\"round\" stroke-linejoin=\"round\"") +
             "/>\n";
    sti_.clear();
  }
  stiHarPosition_ = false;
}

void TSvgLaerred::SaetPen(TPenStil stil, int bredde, TFarve farve) {
  if (stil == penStil_ && bredde == penBredde_ && farve == penFarve_) return;
  AfslutSti();
  penStil_ = stil;
  penBredde_ = std::clamp(bredde, 1, 100);
  penFarve_ = farve;
}

void TSvgLaerred::FlytTil(int x, int y) {
  // The renderer draws every segment as a move and a line; a move to where
  // the pen already is continues the path instead of starting a new one.
  if (stiHarPosition_ && position_ == TPixelPunkt{x, y}) return;
  position_ = {x, y};
  stiHarPosition_ = false;
}

void TSvgLaerred::LinjeTil(int x, int y) {
  if (!stiHarPosition_) {
    sti_ += "M" + Midt(position_.X) + " " + Midt(position_.Y);
    stiHarPosition_ = true;
  }
  sti_ += "L" + Midt(x) + " " + Midt(y);
  position_ = {x, y};
}

void TSvgLaerred::Polygon(const std::vector<TPixelPunkt>& punkter) {
  AfslutSti();
  if (punkter.empty()) return;
  std::string p;
  for (const TPixelPunkt& q : punkter) {
    if (!p.empty()) p += ' ';
    p += Midt(q.X) + "," + Midt(q.Y);
  }
  std::string fyld = "none";
  if (penselStil_ == TPenselStil::Fuld) {
    fyld = Hex(penselFarve_);
  } else if (penselStil_ == TPenselStil::Kryds) {
    const std::string h = Hex(penselFarve_).substr(1);
    krydsFarver_.insert(h);
    fyld = "url(#kryds" + h + ")";
  }
  krop_ += "<polygon points=\"" + p + "\" fill=\"" + fyld + "\"" + PenAttributter() +
           " stroke-linejoin=\"miter\"/>\n";
}

void TSvgLaerred::SaetPixel(int x, int y, TFarve farve) {
  AfslutSti();
  krop_ += "<rect x=\"" + Tal(x) + "\" y=\"" + Tal(y) + "\" width=\"1\" height=\"1\" fill=\"" +
           Hex(farve) + "\"/>\n";
}

int TSvgLaerred::TekstBredde(const std::string& tekst) {
  int tegn = 0;  // characters, not bytes
  for (unsigned char b : tekst)
    if ((b & 0xC0) != 0x80) ++tegn;
  return Skaleret(SvgTegnBredde * tegn, tekstSkala_);
}

int TSvgLaerred::TekstHoejde(const std::string&) { return Skaleret(SvgTekstHoejde, tekstSkala_); }

void TSvgLaerred::SaetTekstSkala(double skala) {
  // Nothing smaller than a tenth, and no nonsense, reaches the picture.
  tekstSkala_ = std::isfinite(skala) ? std::clamp(skala, 0.1, 10.0) : 1.0;
}

void TSvgLaerred::SaetTekstJustering(TVandretJust vandret, TLodretJust lodret) {
  vandret_ = vandret;
  lodret_ = lodret;
}

void TSvgLaerred::TekstUd(int x, int y, const std::string& tekst) {
  AfslutSti();
  const int over = static_cast<int>(std::lround(SvgOverLinje * tekstSkala_));
  const int grundlinje =
      lodret_ == TLodretJust::Top ? y + over : y - (TekstHoejde(tekst) - over);
  const char* anker = vandret_ == TVandretJust::Venstre ? "start"
                      : vandret_ == TVandretJust::Hoejre ? "end"
                                                          : "middle";
  krop_ += "<text x=\"" + Tal(x) + "\" y=\"" + Tal(grundlinje) + "\" text-anchor=\"" + anker +
           "\" fill=\"" + Hex(tekstFarve_) + "\"" +
           (tekstSkala_ != 1 ? " font-size=\"" + Decimaltal(SvgSkriftHoejde * tekstSkala_) + "px\""
                             : std::string()) +
           ">" + XmlTekst(tekst) + "</text>\n";
}

std::string TSvgLaerred::Svg() const {
  // The strokes of the last pen are still pending; write them into a copy.
  TSvgLaerred kopi = *this;
  kopi.AfslutSti();
  std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  s += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + Tal(bredde_) + "\" height=\"" +
       Tal(hoejde_) + "\" viewBox=\"0 0 " + Tal(bredde_) + " " + Tal(hoejde_) +
       "\" font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\" font-size=\"" +
       Tal(SvgSkriftHoejde) + "px\">\n";
  if (!kopi.krydsFarver_.empty()) {
    s += "<defs>\n";
    for (const std::string& h : kopi.krydsFarver_) {
      s += "<pattern id=\"kryds" + h +
           "\" width=\"8\" height=\"8\" patternUnits=\"userSpaceOnUse\"><path d=\"M0 0.5H8M0.5 "
           "0V8\" stroke=\"#" +
           h + "\" stroke-width=\"1\"/></pattern>\n";
    }
    s += "</defs>\n";
  }
  s += "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n";
  s += kopi.krop_;
  s += "</svg>\n";
  return s;
}

}  // namespace kvistor
