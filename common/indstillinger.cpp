#include "common/indstillinger.h"

#include <sys/stat.h>

#include <cerrno>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <iterator>
#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace kvistor {

namespace {

// A settings file is a few kilobytes; anything far beyond is not one.
constexpr std::size_t MaksStoerrelse = 1 << 20;

bool ErBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool ErSaerlig(char c) {
  return c == '\n' || c == '\r' || c == '"' || c == ';' || c == '=' || c == '\\';
}
int HexVaerdi(char32_t c) {
  if (c >= '0' && c <= '9') return static_cast<int>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<int>(c - 'a' + 10);
  if (c >= 'A' && c <= 'F') return static_cast<int>(c - 'A' + 10);
  return -1;
}

void TilfoejUtf8(std::string& ud, char32_t cp) {
  if (cp >= 0xD800 && cp <= 0xDFFF) cp = 0xFFFD;
  if (cp < 0x80) {
    ud += static_cast<char>(cp);
  } else if (cp < 0x800) {
    ud += static_cast<char>(0xC0 | (cp >> 6));
    ud += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    ud += static_cast<char>(0xE0 | (cp >> 12));
    ud += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    ud += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    ud += static_cast<char>(0xF0 | (cp >> 18));
    ud += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    ud += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    ud += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The code points of UTF-8 text; a malformed byte is U+FFFD.
std::vector<char32_t> KodePunkter(std::string_view s) {
  std::vector<char32_t> ud;
  for (std::size_t i = 0; i < s.size();) {
    const auto b = static_cast<unsigned char>(s[i]);
    int n = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    char32_t cp = n == 0 ? b : n == 1 ? (b & 0x1F) : n == 2 ? (b & 0x0F) : (b & 0x07);
    bool god = n >= 0 && i + static_cast<std::size_t>(n) < s.size();
    for (int k = 1; god && k <= n; ++k) {
      const auto f = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      god = (f & 0xC0) == 0x80;
      cp = (cp << 6) | (f & 0x3F);
    }
    if (!god) {
      ud.push_back(0xFFFD);
      ++i;
    } else {
      ud.push_back(cp);
      i += static_cast<std::size_t>(n) + 1;
    }
  }
  return ud;
}

// One logical line of the file, as QSettings cuts them: a quoted value or a
// backslash before the line end runs on to the next line; ';' outside quotes
// begins a comment. Blank lines and comment lines are skipped.
struct TIniLinje {
  std::size_t start = 0, laengde = 0;
  std::size_t lighed = std::string_view::npos;  // the first '=' outside quotes
};

bool LaesIniLinje(std::string_view d, std::size_t& pos, TIniLinje& l) {
  bool iCitat = false;
  l.lighed = std::string_view::npos;
  l.start = pos;
  while (l.start < d.size() && ErBlank(d[l.start])) ++l.start;
  std::size_t i = l.start;
  while (i < d.size()) {
    char ch = d[i];
    while (!ErSaerlig(ch)) {
      if (++i == d.size()) goto slut;
      ch = d[i];
    }
    ++i;
    if (ch == '=') {
      if (!iCitat && l.lighed == std::string_view::npos) l.lighed = i - 1;
    } else if (ch == '\n' || ch == '\r') {
      if (i == l.start + 1) {
        ++l.start;
      } else if (!iCitat) {
        --i;
        goto slut;
      }
    } else if (ch == '\\') {
      if (i < d.size()) {
        const char c = d[i++];
        if (i < d.size()) {
          const char c2 = d[i];
          if ((c == '\n' && c2 == '\r') || (c == '\r' && c2 == '\n')) ++i;
        }
      }
    } else if (ch == '"') {
      iCitat = !iCitat;
    } else {  // ';'
      if (i == l.start + 1) {
        while (i < d.size() && d[i] != '\n' && d[i] != '\r') ++i;
        while (i < d.size() && ErBlank(d[i])) ++i;
        l.start = i;
      } else if (!iCitat) {
        --i;
        goto slut;
      }
    }
  }
slut:
  pos = i;
  l.laengde = i - l.start;
  return l.laengde > 0;
}

// "%XX" and "%UXXXX" are characters, a backslash is the '/' of a path.
std::string AfkodNoegle(std::string_view s) {
  std::string ud;
  for (std::size_t i = 0; i < s.size();) {
    if (s[i] == '\\') {
      ud += '/';
      ++i;
      continue;
    }
    if (s[i] != '%' || i + 1 == s.size()) {
      ud += s[i++];
      continue;
    }
    const bool u = s[i + 1] == 'U';
    const std::size_t foerste = i + (u ? 2 : 1), cifre = u ? 4 : 2;
    char32_t cp = 0;
    bool god = foerste + cifre <= s.size();
    for (std::size_t k = 0; god && k < cifre; ++k) {
      const int h = HexVaerdi(static_cast<unsigned char>(s[foerste + k]));
      god = h >= 0;
      cp = cp * 16 + static_cast<char32_t>(h);
    }
    if (!god) {
      ud += '%';
      ++i;
      continue;
    }
    TilfoejUtf8(ud, cp);
    i = foerste + cifre;
  }
  return ud;
}

// Letters, digits, '_', '-' and '.' stand as they are; '/' is a backslash;
// other characters are "%XX" (up to U+00FF) or "%UXXXX" per UTF-16 unit.
std::string KodNoegle(std::string_view s) {
  static constexpr char hex[] = "0123456789ABCDEF";
  std::string ud;
  for (char32_t cp : KodePunkter(s)) {
    auto enhed = [&](char32_t c) {
      if (c <= 0xFF) {
        ud += '%';
        ud += hex[c / 16];
        ud += hex[c % 16];
      } else {
        ud += "%U";
        for (int k = 3; k >= 0; --k) ud += hex[(c >> (4 * k)) & 0xF];
      }
    };
    if (cp == '/') {
      ud += '\\';
    } else if ((cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z') || (cp >= '0' && cp <= '9') ||
               cp == '_' || cp == '-' || cp == '.') {
      ud += static_cast<char>(cp);
    } else if (cp > 0xFFFF) {
      enhed(0xD800 + ((cp - 0x10000) >> 10));
      enhed(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      enhed(cp);
    }
  }
  return ud;
}

// A value as QSettings reads it: blanks around it dropped unless quoted,
// backslash escapes, and a comma outside quotes splitting it into a list.
struct TAfkodet {
  bool liste = false;
  std::vector<std::string> dele;
};

TAfkodet AfkodVaerdi(std::string_view s) {
  static constexpr std::pair<char, char> koder[] = {
      {'a', '\a'}, {'b', '\b'}, {'f', '\f'}, {'n', '\n'}, {'r', '\r'},  {'t', '\t'},
      {'v', '\v'}, {'"', '"'},  {'?', '?'},  {'\'', '\''}, {'\\', '\\'}};
  TAfkodet r;
  std::string cur;
  bool iCitat = false, citeret = false;
  std::size_t i = 0, graense = 0;
  auto klipBlanke = [&] {
    while (cur.size() > graense && (cur.back() == ' ' || cur.back() == '\t')) cur.pop_back();
  };
  auto springBlanke = [&] {
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    graense = cur.size();
  };
  springBlanke();
  while (i < s.size()) {
    const char c = s[i];
    if (c == '\\') {
      // A lone backslash at the very end stands for nothing.
      if (++i >= s.size()) break;
      const char e = s[i++];
      const auto kode = std::find_if(std::begin(koder), std::end(koder),
                                     [e](const auto& k) { return k.first == e; });
      if (kode != std::end(koder)) {
        cur += kode->second;
      } else if (e == 'x' || (e >= '0' && e <= '7')) {
        // "\x" takes every hex digit that follows, "\0".."\7" every octal
        // one; "\x" without a digit stands for nothing.
        const bool hexa = e == 'x';
        char32_t v = hexa ? 0 : static_cast<char32_t>(e - '0');
        std::size_t cifre = 0;
        for (; i < s.size(); ++i, ++cifre) {
          const int d = hexa ? HexVaerdi(static_cast<unsigned char>(s[i]))
                             : (s[i] >= '0' && s[i] <= '7' ? s[i] - '0' : -1);
          if (d < 0) break;
          v = v * (hexa ? 16 : 8) + static_cast<char32_t>(d);
        }
        if (!hexa || cifre > 0) TilfoejUtf8(cur, v & 0xFFFF);
      } else if (e == '\n' || e == '\r') {
        // A backslash before the line end joins the next line.
        if (i < s.size() && (s[i] == '\n' || s[i] == '\r') && s[i] != e) ++i;
      }
      graense = cur.size();
    } else if (c == '"') {
      ++i;
      citeret = true;
      iCitat = !iCitat;
      if (!iCitat) springBlanke();
    } else if (c == ',' && !iCitat) {
      if (!citeret) klipBlanke();
      r.liste = true;
      r.dele.push_back(cur);
      cur.clear();
      citeret = false;
      ++i;
      springBlanke();
    } else {
      std::size_t j = i + 1;
      while (j < s.size() && s[j] != '\\' && s[j] != '"' && s[j] != ',') ++j;
      cur.append(s.substr(i, j - i));
      i = j;
    }
  }
  if (!citeret) klipBlanke();
  r.dele.push_back(cur);
  return r;
}

// A text with QSettings' marks: "@@" is a text that began with '@',
// "@String(...)" a text with a NUL, "@ByteArray(...)" bytes. Other marks
// are values of kinds this program does not keep as text.
std::optional<std::string> TekstUdenMaerke(const std::string& s) {
  if (s.empty() || s[0] != '@') return s;
  if (s.back() == ')') {
    if (s.rfind("@ByteArray(", 0) == 0) return s.substr(11, s.size() - 12);
    if (s.rfind("@String(", 0) == 0) return s.substr(8, s.size() - 9);
    for (const char* m : {"@Variant(", "@DateTime(", "@Rect(", "@Size(", "@Point("})
      if (s.rfind(m, 0) == 0) return std::nullopt;
    if (s == "@Invalid()") return std::nullopt;
  }
  if (s.rfind("@@", 0) == 0) return s.substr(1);
  return s;
}

// A text as QSettings writes a QString: marked as above, then escaped, and
// quoted when it holds ';', ',' or '=' or begins or ends with a blank.
std::string KodTekst(std::string_view tekst) {
  std::string s(tekst);
  if (s.find('\0') != std::string::npos)
    s = "@String(" + s + ")";
  else if (!s.empty() && s[0] == '@')
    s = "@" + s;
  std::string ud;
  bool citer = false, hexEfter = false;
  auto hex = [&](char32_t c) {
    char buf[8];
    const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, static_cast<unsigned>(c), 16);
    (void)ec;
    ud += "\\x";
    ud.append(buf, p);
  };
  for (char32_t c : KodePunkter(s)) {
    if (c == ';' || c == ',' || c == '=') citer = true;
    if (hexEfter && HexVaerdi(c) >= 0) {
      hex(c);
      continue;
    }
    hexEfter = false;
    switch (c) {
      case '\0': ud += "\\0"; hexEfter = true; break;
      case '\a': ud += "\\a"; break;
      case '\b': ud += "\\b"; break;
      case '\f': ud += "\\f"; break;
      case '\n': ud += "\\n"; break;
      case '\r': ud += "\\r"; break;
      case '\t': ud += "\\t"; break;
      case '\v': ud += "\\v"; break;
      case '"':
      case '\\':
        ud += '\\';
        ud += static_cast<char>(c);
        break;
      default:
        if (c <= 0x1F) {
          hex(c);
          hexEfter = true;
        } else {
          TilfoejUtf8(ud, c);
        }
    }
  }
  if (citer || (!ud.empty() && (ud.front() == ' ' || ud.back() == ' '))) ud = '"' + ud + '"';
  return ud;
}

const TIndstillinger::TPost* Find(const TIndstillinger& ind, std::string_view noegle) {
  for (const auto& p : ind.poster)
    if (p.noegle == noegle) return &p;
  return nullptr;
}

void SaetRaa(TIndstillinger& ind, std::string_view noegle, std::string raa) {
  for (auto& p : ind.poster)
    if (p.noegle == noegle) {
      p.raa = std::move(raa);
      return;
    }
  ind.poster.push_back({std::string(noegle), std::move(raa)});
}

std::string Sektion(const std::string& noegle) {
  const std::size_t skraa = noegle.find('/');
  return skraa == std::string::npos ? std::string() : noegle.substr(0, skraa);
}

}  // namespace

std::string IndstillingsfilNavn() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  std::string mappe;
  if (xdg && *xdg) {
    mappe = xdg;
  } else {
    const char* hjem = std::getenv("HOME");
    mappe = std::string(hjem ? hjem : "") + "/.config";
  }
  return mappe + "/Kvistor/Kvistor.conf";
}

TIndstillinger FortolkIndstillinger(std::string_view d) {
  if (d.substr(0, 3) == "\xEF\xBB\xBF") d.remove_prefix(3);
  TIndstillinger ind;
  std::string sektion;  // "" for [General], else "Navn/"
  std::size_t pos = 0;
  TIniLinje l;
  while (LaesIniLinje(d, pos, l)) {
    const std::string_view linje = d.substr(l.start, l.laengde);
    if (linje.front() == '[') {
      std::size_t slut = linje.find(']');
      if (slut == std::string_view::npos) slut = linje.size();
      std::string_view navn = linje.substr(1, slut - 1);
      while (!navn.empty() && ErBlank(navn.front())) navn.remove_prefix(1);
      while (!navn.empty() && ErBlank(navn.back())) navn.remove_suffix(1);
      auto lig = [](std::string_view a, std::string_view b) {
        if (a.size() != b.size()) return false;
        for (std::size_t i = 0; i < a.size(); ++i)
          if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
        return true;
      };
      if (lig(navn, "general"))
        sektion.clear();
      else
        sektion = (lig(navn, "%general") ? std::string(navn.substr(1)) : AfkodNoegle(navn)) + "/";
      continue;
    }
    if (l.lighed == std::string_view::npos) continue;
    std::size_t noegleSlut = l.lighed;
    while (noegleSlut > l.start && (d[noegleSlut - 1] == ' ' || d[noegleSlut - 1] == '\t'))
      --noegleSlut;
    const std::string noegle = sektion + AfkodNoegle(d.substr(l.start, noegleSlut - l.start));
    SaetRaa(ind, noegle, std::string(d.substr(l.lighed + 1, l.start + l.laengde - l.lighed - 1)));
  }
  return ind;
}

std::string IndstillingerSomTekst(const TIndstillinger& ind) {
  std::vector<std::string> sektioner{""};
  for (const auto& p : ind.poster) {
    const std::string s = Sektion(p.noegle);
    if (std::find(sektioner.begin(), sektioner.end(), s) == sektioner.end()) sektioner.push_back(s);
  }
  std::string ud;
  for (const std::string& s : sektioner) {
    std::string del;
    for (const auto& p : ind.poster)
      if (Sektion(p.noegle) == s)
        del += KodNoegle(s.empty() ? p.noegle : p.noegle.substr(s.size() + 1)) + "=" + p.raa + "\n";
    if (del.empty()) continue;
    if (!ud.empty()) ud += "\n";
    ud += "[" + (s.empty() ? std::string("General") : s == "General" ? "%General" : KodNoegle(s)) +
          "]\n" + del;
  }
  return ud;
}

TFilUdfald LaesIndstillinger(const std::string& filnavn, TIndstillinger& ind) {
  ind = {};
  struct stat st {};
  if (::stat(filnavn.c_str(), &st) != 0 && errno == ENOENT) return {};
  std::string tekst;
  TFilUdfald u = LaesFil(filnavn, tekst, MaksStoerrelse);
  if (!u) return u;
  ind = FortolkIndstillinger(tekst);
  return u;
}

TFilUdfald GemIndstillinger(const std::string& filnavn, const TIndstillinger& ind) {
  std::error_code ec;
  const std::filesystem::path mappe = std::filesystem::path(filnavn).parent_path();
  if (!mappe.empty()) std::filesystem::create_directories(mappe, ec);
  if (ec) return {false, false, SystemAarsag(ec.value())};
  return SkrivFil(filnavn, IndstillingerSomTekst(ind));
}

std::optional<std::string> LaesTekst(const TIndstillinger& ind, std::string_view noegle) {
  const TIndstillinger::TPost* p = Find(ind, noegle);
  if (!p) return std::nullopt;
  const TAfkodet a = AfkodVaerdi(p->raa);
  if (a.liste) return std::nullopt;
  return TekstUdenMaerke(a.dele.front());
}

std::optional<std::vector<std::string>> LaesListe(const TIndstillinger& ind,
                                                  std::string_view noegle) {
  const TIndstillinger::TPost* p = Find(ind, noegle);
  if (!p) return std::nullopt;
  const TAfkodet a = AfkodVaerdi(p->raa);
  std::vector<std::string> ud;
  for (const std::string& d : a.dele)
    if (const auto t = TekstUdenMaerke(d)) ud.push_back(*t);
  return ud;
}

std::optional<double> LaesTal(const TIndstillinger& ind, std::string_view noegle) {
  const auto t = LaesTekst(ind, noegle);
  if (!t || t->empty()) return std::nullopt;
  double v = 0;
  const auto [p, ec] = std::from_chars(t->data(), t->data() + t->size(), v);
  if (ec != std::errc() || p != t->data() + t->size()) return std::nullopt;
  return v;
}

void SaetTekst(TIndstillinger& ind, std::string_view noegle, std::string_view vaerdi) {
  SaetRaa(ind, noegle, KodTekst(vaerdi));
}

void SaetListe(TIndstillinger& ind, std::string_view noegle,
               const std::vector<std::string>& liste) {
  // An empty list is QSettings' "@Invalid()"; a list of one is written as
  // its only text, which reads back as a list of one.
  std::string raa = liste.empty() ? "@Invalid()" : "";
  for (std::size_t i = 0; i < liste.size(); ++i) raa += (i ? ", " : "") + KodTekst(liste[i]);
  SaetRaa(ind, noegle, std::move(raa));
}

void SaetTal(TIndstillinger& ind, std::string_view noegle, double vaerdi) {
  char buf[32];
  const auto [p, ec] = std::to_chars(buf, buf + sizeof buf, vaerdi);
  (void)ec;
  SaetRaa(ind, noegle, std::string(buf, p));
}

void FjernNoegle(TIndstillinger& ind, std::string_view noegle) {
  std::erase_if(ind.poster, [&](const TIndstillinger::TPost& p) { return p.noegle == noegle; });
}

}  // namespace kvistor
