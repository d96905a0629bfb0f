#include "project/talrutiner.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "common/dialog.h"
#include "common/format.h"

namespace kvistor {

namespace {

constexpr const char* KonverteringsFejl = "Konverteringsfejl";

bool ErBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && ErBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && ErBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool ErCiffer(char c) { return c >= '0' && c <= '9'; }

}  // namespace

TTalTolkning TolkTal(std::string_view tekst) {
  TTalTolkning r;
  const std::string_view t = Trim(tekst);
  auto ugyldig = [&] {
    r.fejlart = KonverteringsFejl;
    r.fejltekst = "'" + std::string(tekst) + "' er ikke et gyldigt tal";
    return r;
  };
  // Check the Danish layout ourselves, then hand a C-layout copy to
  // from_chars, which does not depend on the machine's locale.
  std::string c;
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
    if (t[i] == '-') c.push_back('-');
    ++i;
  }
  int cifre = 0;
  while (i < t.size() && ErCiffer(t[i])) c.push_back(t[i++]), ++cifre;
  if (i < t.size() && t[i] == ',') {
    c.push_back('.');
    ++i;
    while (i < t.size() && ErCiffer(t[i])) c.push_back(t[i++]), ++cifre;
  }
  if (cifre == 0) return ugyldig();
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    c.push_back('e');
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) c.push_back(t[i++]);
    int eksp = 0;
    while (i < t.size() && ErCiffer(t[i])) c.push_back(t[i++]), ++eksp;
    if (eksp == 0) return ugyldig();
  }
  if (i != t.size()) return ugyldig();
  double v = 0;
  const auto [slut, fejl] = std::from_chars(c.data(), c.data() + c.size(), v);
  if (fejl == std::errc::result_out_of_range || (fejl == std::errc() && !std::isfinite(v))) {
    r.fejlart = KonverteringsFejl;
    r.fejltekst = "'" + std::string(tekst) + "' ligger uden for talområdet";
    return r;
  }
  if (fejl != std::errc() || slut != c.data() + c.size()) return ugyldig();
  r.vaerdi = v;
  return r;
}

THeltalTolkning TolkHeltal(std::string_view tekst) {
  THeltalTolkning r;
  const std::string_view t = Trim(tekst);
  std::string_view cifre = t;
  bool negativ = false;
  if (!cifre.empty() && (cifre.front() == '+' || cifre.front() == '-')) {
    negativ = cifre.front() == '-';
    cifre.remove_prefix(1);
  }
  bool gyldig = !cifre.empty();
  for (char ch : cifre) gyldig = gyldig && ErCiffer(ch);
  if (!gyldig) {
    r.fejlart = KonverteringsFejl;
    r.fejltekst = "'" + std::string(tekst) + "' er ikke et gyldigt heltal";
    return r;
  }
  long long v = 0;
  for (char ch : cifre) {
    v = v * 10 + (ch - '0');
    if (v > 2147483648LL) break;
  }
  if (negativ) v = -v;
  if (v > std::numeric_limits<int>::max() || v < std::numeric_limits<int>::min()) {
    r.fejlart = KonverteringsFejl;
    r.fejltekst = "'" + std::string(tekst) + "' ligger uden for heltalsområdet";
    return r;
  }
  r.vaerdi = static_cast<int>(v);
  return r;
}

std::optional<int> TolkHeltalUdenBesked(std::string_view tekst) { return TolkHeltal(tekst).vaerdi; }

double LaesTal(std::string_view tekst, TBrugerDialog& dlg) {
  const TTalTolkning t = TolkTal(tekst);
  if (t.vaerdi) return *t.vaerdi;
  dlg.Besked("Det indtastede er ugyldigt som tal\r\n" + t.fejlart + "\r\n" + t.fejltekst +
             "\r\nVærdien er sat til 99,00.");
  return UgyldigtTal;
}

double LaesTal(const TEditFelt& edit, TBrugerDialog& dlg) { return LaesTal(edit.Tekst, dlg); }

double TekstTilTal(std::string_view tekst, TBrugerDialog& dlg) {
  std::string t(tekst);
  if (const auto p = t.find('.'); p != std::string::npos) t[p] = ',';
  return LaesTal(t, dlg);
}

int LaesHeltal(std::string_view tekst, TBrugerDialog& dlg) {
  const THeltalTolkning t = TolkHeltal(tekst);
  if (t.vaerdi) return *t.vaerdi;
  dlg.Besked("Det indtastede er ugyldigt som heltal\r\n" + t.fejlart + "\r\n" + t.fejltekst +
             "\r\nVærdien er sat til 4.");
  return UgyldigtHeltal;
}

int LaesHeltal(const TEditFelt& edit, TBrugerDialog& dlg) { return LaesHeltal(edit.Tekst, dlg); }

void SkrivTal(int bredde, int decimaler, TEditFelt& edit, double vaerdi) {
  edit.Tekst = Format("%*.*f", {bredde, decimaler, vaerdi});
}

std::string Afkort(std::string_view utf8, std::size_t kapacitet) {
  std::size_t tegn = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    // A character starts at every byte that is not a continuation byte.
    if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
      if (tegn == kapacitet) return std::string(utf8.substr(0, i));
      ++tegn;
    }
  }
  return std::string(utf8);
}

}  // namespace kvistor
