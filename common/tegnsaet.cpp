#include "common/tegnsaet.h"


namespace kvistor {

namespace {

// Code points of the bytes 0x80..0x9F in Windows-1252. The five bytes the
// code page leaves undefined map to the C1 control of the same number, so
// that any file reads in and writes out unchanged.
constexpr char32_t kC1[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr char32_t kFejl = 0xFFFFFFFF;

// Decodes one character at s[i]; returns the number of bytes it took. A
// byte that does not begin a well-formed character (stray continuation,
// overlong form, surrogate, beyond U+10FFFF, cut short) gives kFejl and
// takes that one byte only, so each bad byte counts once.
std::size_t Afkod(std::string_view s, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  }
  std::size_t laengde;
  char32_t v;
  char32_t mindst;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    laengde = 2; v = b0 & 0x1F; mindst = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    laengde = 3; v = b0 & 0x0F; mindst = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    laengde = 4; v = b0 & 0x07; mindst = 0x10000;
  } else {
    cp = kFejl;
    return 1;
  }
  if (s.size() - i < laengde) {
    cp = kFejl;
    return 1;
  }
  for (std::size_t k = 1; k < laengde; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if ((b & 0xC0) != 0x80) {
      cp = kFejl;
      return 1;
    }
    v = (v << 6) | (b & 0x3F);
  }
  if (v < mindst || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) {
    cp = kFejl;
    return 1;
  }
  cp = v;
  return laengde;
}

void SkrivUtf8(char32_t cp, std::string& ud) {
  if (cp < 0x80) {
    ud.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    ud.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    ud.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    // Everything 1252 holds lies below U+10000.
    ud.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    ud.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    ud.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

char TilCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int k = 0; k < 32; ++k)
    if (kC1[k] == cp) return static_cast<char>(0x80 + k);
  return '?';
}

}  // namespace

std::string Cp1252TilUtf8(std::string_view cp1252) {
  std::string ud;
  ud.reserve(cp1252.size() + cp1252.size() / 8);
  for (const char c : cp1252) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x80)
      ud.push_back(c);
    else if (b < 0xA0)
      SkrivUtf8(kC1[b - 0x80], ud);
    else
      SkrivUtf8(b, ud);
  }
  return ud;
}

std::string Utf8TilCp1252(std::string_view utf8) {
  std::string ud;
  ud.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp;
    i += Afkod(utf8, i, cp);
    ud.push_back(cp == kFejl ? '?' : TilCp1252(cp));
  }
  return ud;
}

std::string RensTekst(std::string_view utf8) {
  std::string ud;
  ud.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    char32_t cp;
    const std::size_t n = Afkod(utf8, i, cp);
    if (cp == kFejl)
      ud.push_back('?');
    else if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F) || cp == 0x2028 || cp == 0x2029 ||
             (cp >= 0x202A && cp <= 0x202E) || (cp >= 0x2066 && cp <= 0x2069))
      ud.push_back(' ');
    else
      ud.append(utf8.substr(i, n));
    i += n;
  }
  return ud;
}

bool ErGyldigUtf8(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    char32_t cp = 0;
    i += Afkod(s, i, cp);
    if (cp == kFejl) return false;
  }
  return true;
}

std::size_t AntalTegn(std::string_view utf8) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < utf8.size(); ++n) {
    char32_t cp;
    i += Afkod(utf8, i, cp);
  }
  return n;
}

std::string KlipTilTegn(std::string_view utf8, std::size_t antal) {
  std::size_t i = 0;
  for (std::size_t n = 0; n < antal && i < utf8.size(); ++n) {
    char32_t cp;
    i += Afkod(utf8, i, cp);
  }
  return std::string(utf8.substr(0, i));
}

std::string UdfyldHoejre(std::string_view utf8, std::size_t bredde) {
  std::string ud(utf8);
  const std::size_t n = AntalTegn(utf8);
  if (n < bredde) ud.append(bredde - n, ' ');
  return ud;
}

std::string UdfyldVenstre(std::string_view utf8, std::size_t bredde) {
  const std::size_t n = AntalTegn(utf8);
  std::string ud;
  if (n < bredde) ud.assign(bredde - n, ' ');
  ud.append(utf8);
  return ud;
}

std::vector<std::string> DelLinjer(std::string_view tekst) {
  std::vector<std::string> linjer;
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < tekst.size()) {
    const char c = tekst[i];
    if (c == '\r' || c == '\n') {
      linjer.emplace_back(tekst.substr(start, i - start));
      ++i;
      if (c == '\r' && i < tekst.size() && tekst[i] == '\n') ++i;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < tekst.size()) linjer.emplace_back(tekst.substr(start));
  return linjer;
}

std::string SamlLinjerCrLf(const std::vector<std::string>& linjer) {
  std::size_t n = 0;
  for (const auto& l : linjer) n += l.size() + 2;
  std::string ud;
  ud.reserve(n);
  for (const auto& l : linjer) {
    ud += l;
    ud += "\r\n";
  }
  return ud;
}

TFilUdfald SkrivTekstfil(const std::string& filnavn, const std::vector<std::string>& linjer) {
  std::string data;
  std::size_t n = 0;
  for (const auto& l : linjer) n += l.size() + 2;
  data.reserve(n);
  for (const auto& l : linjer) {
    data += Utf8TilCp1252(l);
    data += "\r\n";
  }
  return SkrivFil(filnavn, data);
}

TFilUdfald LaesTekstfil(const std::string& filnavn, std::vector<std::string>& linjer) {
  std::string bytes;
  TFilUdfald u = LaesFil(filnavn, bytes);
  if (u) linjer = DelLinjer(Cp1252TilUtf8(bytes));
  return u;
}

}  // namespace kvistor
