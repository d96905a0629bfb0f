#include "report/rapportlinjer.h"

#include "common/format.h"

namespace kvistor {

void SkrivLinje(TTekstlinjer& rapport, std::string_view tekst) {
  rapport.emplace_back(tekst);
}

std::string Streg(int n) {
  std::string s;
  if (n <= 0) return s;
  s.reserve(static_cast<std::size_t>(n) * 3);
  for (int i = 0; i < n; ++i) s += "\u2014";
  return s;
}

std::string Blanke(int n) {
  return n <= 0 ? std::string() : std::string(static_cast<std::size_t>(n), ' ');
}

namespace {
std::string ToCifre(int v) {
  std::string s = std::to_string(v);
  return s.size() < 2 ? "0" + s : s;
}
std::string AarTekst(int aar) {
  std::string s = std::to_string(aar);
  while (s.size() < 4) s = "0" + s;
  return s;
}
}  // namespace

std::string DatoOgTid(const TTidspunkt& t) {
  return AarTekst(t.aar) + "-" + ToCifre(t.maaned) + "-" + ToCifre(t.dag) + "," +
         ToCifre(t.time) + ":" + ToCifre(t.minut) + ":" + ToCifre(t.sekund);
}

std::string DatoOgTidKort(const TTidspunkt& t) {
  return AarTekst(t.aar) + "-" + ToCifre(t.maaned) + "-" + ToCifre(t.dag) + ", " +
         ToCifre(t.time) + ":" + ToCifre(t.minut);
}

std::string ForsteTegn(std::string_view utf8, std::size_t n) {
  std::size_t tegn = 0, i = 0;
  while (i < utf8.size()) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    if ((c & 0xC0) != 0x80) {  // a lead byte starts a new character
      if (tegn == n) break;
      ++tegn;
    }
    ++i;
  }
  return std::string(utf8.substr(0, i));
}

}  // namespace kvistor
