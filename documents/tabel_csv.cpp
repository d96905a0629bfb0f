// The result tables as CSV for Danish spreadsheet programs.

#include "common/filer.h"
#include "common/format.h"
#include "documents/tabelskrivning.h"

namespace kvistor {

namespace {

// A text a spreadsheet would read as a formula or a number sign stays text.
std::string MedFormelvaern(const std::string& s) {
  if (!s.empty() && (s[0] == '=' || s[0] == '+' || s[0] == '-' || s[0] == '@')) return "'" + s;
  return s;
}

std::string Felt(const std::string& s) {
  if (s.find_first_of(";\"\r\n") == std::string::npos && (s.empty() || (s.front() != ' ' && s.back() != ' ')))
    return s;
  std::string q = "\"";
  for (char c : s) q += c == '"' ? std::string("\"\"") : std::string(1, c);
  return q + "\"";
}

}  // namespace

std::string CelleTekst(const TKolonne& k, const TCelle& c) {
  if (const auto* t = std::get_if<std::string>(&c)) return *t;
  if (const auto* b = std::get_if<bool>(&c)) return *b ? "OK" : "Ikke OK";
  if (const auto* v = std::get_if<double>(&c)) {
    switch (k.Art) {
      case TKolonneArt::Andel: return Format("%1.*f", {k.Decimaler, *v * 100});
      case TKolonneArt::Heltal: return Format("%1.0f", {*v});
      default: return Format("%1.*f", {k.Decimaler, *v});
    }
  }
  return "";
}

std::optional<TTabelFormat> TabelFormatAfFilnavn(const std::string& filnavn) {
  const std::string ext = Efternavn(filnavn);
  if (ext == "xlsx") return TTabelFormat::Xlsx;
  if (ext == "csv") return TTabelFormat::Csv;
  if (ext == "json") return TTabelFormat::Json;
  return std::nullopt;
}

std::optional<std::string> TabellerSomFil(const TResultattabeller& t, TTabelFormat format,
                                          std::string& aarsag) {
  switch (format) {
    case TTabelFormat::Xlsx: return TabellerSomXlsx(t, aarsag);
    case TTabelFormat::Csv: return TabelSomCsv(t.Oversigt);
    case TTabelFormat::Json: return TabellerSomJson(t);
  }
  return std::nullopt;
}

std::string TabelSomCsv(const TEksportTabel& t) {
  std::string s = "\xEF\xBB\xBF";
  auto Linje = [&s](const std::vector<std::string>& felter) {
    for (std::size_t i = 0; i < felter.size(); ++i) s += (i ? ";" : "") + Felt(felter[i]);
    s += "\r\n";
  };
  std::vector<std::string> f;
  for (const TKolonne& k : t.Kolonner) f.push_back(KolonneOverskrift(k));
  Linje(f);
  for (const auto& r : t.Raekker) {
    f.clear();
    for (std::size_t i = 0; i < r.size() && i < t.Kolonner.size(); ++i) {
      const bool tekst = std::holds_alternative<std::string>(r[i]);
      const std::string c = CelleTekst(t.Kolonner[i], r[i]);
      f.push_back(tekst ? MedFormelvaern(c) : c);
    }
    Linje(f);
  }
  return s;
}

}  // namespace kvistor
