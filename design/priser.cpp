#include "design/priser.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "common/format.h"
#include "common/tegnsaet.h"
#include "project/talrutiner.h"

namespace kvistor {

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

bool SammeUdenStore(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

int KlasseAfNavn(std::string_view navn) {
  for (int k = 0; k < AntalStyrkeKlasser; ++k)
    if (SammeUdenStore(navn, KlasseNavn(k))) return k;
  return -1;
}

std::string AlleKlasser() {
  std::string s;
  for (const TStyrkeKlasse& k : StyrkeKlasser) s += (s.empty() ? "" : ", ") + std::string(k.Navn);
  return s;
}

// The price of class k from a value's text, or nothing and the reason.
std::optional<double> LaesPris(std::string_view vaerdi, std::size_t k, std::string& hvad) {
  const std::string klasse(StyrkeKlasser[k].Navn);
  const std::optional<double> tal = TolkTal(vaerdi).vaerdi;
  if (!tal || !std::isfinite(*tal)) {
    hvad = "prisen for " + klasse + " er ikke et tal: \"" + std::string(vaerdi) + "\"";
    if (vaerdi.find('.') != std::string_view::npos) hvad += "; brug komma som decimaltegn";
    hvad += ".";
    return std::nullopt;
  }
  if (*tal < MindstePris || *tal > StoerstePris) {
    hvad = "prisen for " + klasse + " skal ligge mellem " + FormaterFast(MindstePris, 2, false) +
           " og " + FormaterFast(StoerstePris, 2, false) + ", ikke " + std::string(vaerdi) + ".";
    return std::nullopt;
  }
  return tal;
}

}  // namespace

std::string_view KlasseNavn(int k) {
  return k >= 0 && k < AntalStyrkeKlasser ? StyrkeKlasser[static_cast<std::size_t>(k)].Navn
                                          : std::string_view("?");
}

std::string PrisNoegle(int k) { return "Priser/" + std::string(KlasseNavn(k)); }

double PrisPrMeter(const TPrisTabel& priser, int k, double hoejdeMm, double breddeMm) {
  const double pris = k >= 0 && k < static_cast<int>(priser.PrisPrM3.size())
                          ? priser.PrisPrM3[static_cast<std::size_t>(k)]
                          : HUGE_VAL;
  // The area first, in mm² (exact for whole millimetres), so that equal
  // areas of one class cost exactly the same.
  return pris * (hoejdeMm * breddeMm) / 1e6;
}

TPrisLaesning LaesPriser(std::string_view tekst, const std::string& kilde) {
  TPrisLaesning r;
  if (tekst.size() >= 3 && tekst.substr(0, 3) == "\xEF\xBB\xBF") tekst.remove_prefix(3);
  if (tekst.find('\0') != std::string_view::npos) {
    r.Fejl = kilde + " er ingen prisfil (den indeholder binære data).";
    return r;
  }
  TPrisTabel p = StandardPriser;
  std::array<int, AntalStyrkeKlasser> linjeFor{};
  bool nogen = false;
  const std::vector<std::string> linjer = DelLinjer(tekst);
  for (std::size_t i = 0; i < linjer.size(); ++i) {
    const int nr = static_cast<int>(i) + 1;
    const std::string_view l = Trim(linjer[i]);
    auto fejl = [&](const std::string& hvad) {
      r.Fejl = kilde + ", linje " + std::to_string(nr) + ": " + hvad;
      return r;
    };
    if (l.empty() || l.front() == ';' || l.front() == '#') continue;
    if (l.front() == '[') {
      if (!SammeUdenStore(l, "[Priser]"))
        return fejl("\"" + std::string(l) + "\" er ikke afsnittet [Priser].");
      continue;
    }
    const std::size_t lig = l.find('=');
    if (lig == std::string_view::npos)
      return fejl("\"" + std::string(l) + "\" mangler \"=\" (skriv fx C24=1,00).");
    const std::string_view navn = Trim(l.substr(0, lig));
    std::string_view vaerdi = Trim(l.substr(lig + 1));
    // As the settings write a value with a comma: in quotes.
    if (vaerdi.size() >= 2 && vaerdi.front() == '"' && vaerdi.back() == '"')
      vaerdi = Trim(vaerdi.substr(1, vaerdi.size() - 2));
    const int k = KlasseAfNavn(navn);
    if (k < 0)
      return fejl("\"" + std::string(navn) + "\" er ikke en styrkeklasse (" + AlleKlasser() + ").");
    const auto ku = static_cast<std::size_t>(k);
    if (linjeFor[ku] != 0)
      return fejl(std::string(StyrkeKlasser[ku].Navn) + " har allerede en pris i linje " +
                  std::to_string(linjeFor[ku]) + ".");
    std::string hvad;
    const std::optional<double> tal = LaesPris(vaerdi, ku, hvad);
    if (!tal) return fejl(hvad);
    p.PrisPrM3[ku] = *tal;
    linjeFor[ku] = nr;
    nogen = true;
  }
  if (!nogen) {
    r.Fejl = kilde + " indeholder ingen priser (skriv fx C24=1,00).";
    return r;
  }
  r.Priser = p;
  return r;
}

TPrisLaesning LaesPriserFraIndstillinger(const TIndstillinger& ind, const std::string& kilde) {
  TPrisLaesning r;
  TPrisTabel p = StandardPriser;
  for (std::size_t k = 0; k < StyrkeKlasser.size(); ++k) {
    const std::string noegle = PrisNoegle(static_cast<int>(k));
    // "1,10" without quotes is a list of two to the settings: the comma
    // joins it again.
    const std::optional<std::vector<std::string>> dele = LaesListe(ind, noegle);
    if (!dele) continue;
    std::string vaerdi;
    for (const std::string& d : *dele) vaerdi += (vaerdi.empty() ? "" : ",") + d;
    std::string hvad;
    std::optional<double> tal = LaesPris(vaerdi, k, hvad);
    // A number as the settings write one, with a point ("1.1").
    if (!tal && vaerdi.find(',') == std::string::npos)
      if (const std::optional<double> t = LaesTal(ind, noegle); t && std::isfinite(*t)) {
        std::string igen;
        tal = LaesPris(FormaterFast(*t, 6, false), k, igen);
        if (!tal) hvad = igen;
      }
    if (!tal) {
      r.Fejl = kilde + ", " + noegle + ": " + hvad;
      return r;
    }
    p.PrisPrM3[k] = *tal;
  }
  r.Priser = p;
  return r;
}

std::string PrisGrundlag(const TPrisTabel& priser) {
  std::string s = priser == StandardPriser ? "Standardpriser" : "Egne priser";
  s += " pr. m³ træ:";
  for (std::size_t k = 0; k < StyrkeKlasser.size(); ++k)
    s += " " + std::string(StyrkeKlasser[k].Navn) + " " + FormaterFast(priser.PrisPrM3[k], 2, false);
  return s + ".";
}

std::string SkrivPrisfil(const TPrisTabel& priser) {
  std::string s =
      "; Relative priser pr. m³ træ efter styrkeklasse, med komma som decimaltegn.\n[Priser]\n";
  for (std::size_t k = 0; k < StyrkeKlasser.size(); ++k)
    s += std::string(StyrkeKlasser[k].Navn) + "=" + FormaterFast(priser.PrisPrM3[k], 2, false) + "\n";
  return s;
}

}  // namespace kvistor
