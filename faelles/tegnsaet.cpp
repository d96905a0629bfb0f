#include "faelles/tegnsaet.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

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

bool LaesFil(const std::string& filnavn, std::string& indhold) {
  std::FILE* f = std::fopen(filnavn.c_str(), "rb");
  if (f == nullptr) return false;
  std::string data;
  char buf[65536];
  bool ok = true;
  for (;;) {
    const std::size_t n = std::fread(buf, 1, sizeof buf, f);
    data.append(buf, n);
    if (n < sizeof buf) {
      // A directory opens but fails on the first read; a short read that is
      // not the end of the file is an error too.
      ok = std::ferror(f) == 0 && std::feof(f) != 0;
      break;
    }
  }
  std::fclose(f);
  if (!ok) return false;
  indhold = std::move(data);
  return true;
}

namespace {

// Pushes the file's data to the disk before it replaces the old file, so a
// power cut right after the save cannot leave an empty file in its place.
bool TilDisk(std::FILE* f) {
#if defined(_WIN32)
  return _commit(_fileno(f)) == 0;
#else
  return ::fsync(::fileno(f)) == 0;
#endif
}

}  // namespace

bool SkrivTekstfil(const std::string& filnavnIndtastet, const std::vector<std::string>& linjer) {
  namespace fs = std::filesystem;
  // Saving through a symbolic link writes the file it points to, rather
  // than replacing the link itself with a file.
  std::string filnavn = filnavnIndtastet;
  {
    std::error_code ec;
    if (fs::is_symlink(fs::path(filnavn), ec)) {
      const fs::path maal = fs::weakly_canonical(fs::path(filnavn), ec);
      if (!ec) filnavn = maal.string();
    }
  }
  std::string data;
  {
    std::size_t n = 0;
    for (const auto& l : linjer) n += l.size() + 2;
    data.reserve(n);
    for (const auto& l : linjer) {
      data += Utf8TilCp1252(l);
      data += "\r\n";
    }
  }

  // The temporary file lies beside the target so the final rename stays on
  // one file system and replaces the old file in one step. It is created
  // exclusively so that two saves, or a stray file of that name, never share it.
  std::string tmp;
  std::FILE* f = nullptr;
  for (int forsoeg = 0; forsoeg < 100 && f == nullptr; ++forsoeg) {
    tmp = filnavn + ".~" + std::to_string(forsoeg) + ".tmp";
    f = std::fopen(tmp.c_str(), "wbx");
    if (f == nullptr) {
      std::error_code ec;
      // Only try further names while the name was taken; any other failure
      // (missing folder, no permission) will not be mended by a new name.
      if (!fs::exists(fs::path(tmp), ec)) return false;
    }
  }
  if (f == nullptr) return false;

  bool ok = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  ok = (std::fflush(f) == 0) && ok;
  ok = ok && TilDisk(f);
  ok = (std::fclose(f) == 0) && ok;

  std::error_code ec;
  if (ok) {
    // Keep the permissions of the file being replaced.
    const auto status = fs::status(fs::path(filnavn), ec);
    if (!ec && fs::is_regular_file(status))
      fs::permissions(fs::path(tmp), status.permissions(), ec);
    ec.clear();
    fs::rename(fs::path(tmp), fs::path(filnavn), ec);
    ok = !ec;
  }
  if (!ok) {
    std::error_code ignoreret;
    fs::remove(fs::path(tmp), ignoreret);
  }
  return ok;
}

bool LaesTekstfil(const std::string& filnavn, std::vector<std::string>& linjer) {
  std::string bytes;
  if (!LaesFil(filnavn, bytes)) return false;
  linjer = DelLinjer(Cp1252TilUtf8(bytes));
  return true;
}

}  // namespace kvistor
