// The result tables as JSON for scripts.
#include <charconv>
#include <cmath>
#include <cstdio>

#include "common/version.h"
#include "documents/tabelskrivning.h"

namespace kvistor {

namespace {

std::string JsonTekst(const std::string& s) {
  std::string q = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"': q += "\\\""; break;
      case '\\': q += "\\\\"; break;
      case '\n': q += "\\n"; break;
      case '\r': q += "\\r"; break;
      case '\t': q += "\\t"; break;
      default:
        if (c < 0x20) {
          char b[8];
          std::snprintf(b, sizeof b, "\\u%04x", c);
          q += b;
        } else {
          q += static_cast<char>(c);
        }
    }
  }
  return q + "\"";
}

// Ten significant digits: a percentage computed from a rounded ratio
// (0,83 · 100) reads 83, not 83.00000000000001.
std::string JsonTal(double v) {
  if (!std::isfinite(v)) return "null";
  char b[64];
  const auto r = std::to_chars(b, b + sizeof b, v, std::chars_format::general, 10);
  std::string s(b, r.ptr);
  return s == "-0" ? "0" : s;
}

std::string JsonVaerdi(const TKolonne& k, const TCelle& c) {
  if (const auto* t = std::get_if<std::string>(&c)) return JsonTekst(*t);
  if (const auto* b = std::get_if<bool>(&c)) return *b ? "true" : "false";
  if (const auto* v = std::get_if<double>(&c))
    return JsonTal(k.Art == TKolonneArt::Andel ? *v * 100 : *v);
  return "null";
}

// The fields of one row from `fra` on, each on its own line.
void Felter(std::string& s, const TEksportTabel& t, const std::vector<TCelle>& r, std::size_t fra,
            const std::string& indryk) {
  for (std::size_t i = fra; i < r.size() && i < t.Kolonner.size(); ++i) {
    if (i > fra) s += ",\n";
    s += indryk + JsonTekst(t.Kolonner[i].JsonNavn) + ": " + JsonVaerdi(t.Kolonner[i], r[i]);
  }
}

}  // namespace

std::string TabellerSomJson(const TResultattabeller& t) {
  std::string s = "{\n  \"Program\": \"Kvistor\",\n  \"Version\": " +
                  JsonTekst(std::string(ProgramVersion)) + ",\n  \"Projekter\": [";
  for (std::size_t p = 0; p < t.Oversigt.Raekker.size(); ++p) {
    s += p ? ",\n    {\n" : "\n    {\n";
    Felter(s, t.Oversigt, t.Oversigt.Raekker[p], 0, "      ");
    s += ",\n      \"Fagtyper\": [";
    bool foerste = true;
    for (std::size_t i = 0; i < t.Fagtyper.Raekker.size(); ++i) {
      if (i >= t.Fagtyper.Projekt.size() || t.Fagtyper.Projekt[i] != p) continue;
      s += foerste ? "\n        {\n" : ",\n        {\n";
      // The file is the project's own, said once above.
      Felter(s, t.Fagtyper, t.Fagtyper.Raekker[i], 1, "          ");
      s += "\n        }";
      foerste = false;
    }
    s += foerste ? "]\n    }" : "\n      ]\n    }";
  }
  s += t.Oversigt.Raekker.empty() ? "]\n}\n" : "\n  ]\n}\n";
  return s;
}

}  // namespace kvistor
