#include <string_view>

#include "documents/dokumentation_dele.h"

namespace kvistor::dokumentation {

namespace {

// Groups longer than this may break inside; shorter ones move whole.
constexpr std::size_t KortGruppe = 12;

bool Tom(std::string_view l) { return l.find_first_not_of(' ') == std::string_view::npos; }
bool Indrykket(std::string_view l) { return !l.empty() && l.front() == ' '; }

// A line drawn of em dashes, hyphens or asterisks: a rule, which belongs to
// what follows it (or closes a heading box).
bool Streg(std::string_view l) {
  std::size_t tegn = 0;
  for (std::size_t i = l.find_first_not_of(' '); i < l.size();) {
    if (l.compare(i, 3, "—") == 0) i += 3;
    else if (l[i] == '-' || l[i] == '*') ++i;
    else return false;
    ++tegn;
  }
  return tegn >= 10;
}

// A title: a line at the margin with words only, no figures and no colon
// ("FORUDSÆTNINGER", "Hovedgeometri"); the report's value rows all carry a
// colon or figures.
bool Titel(std::string_view l) {
  if (l.empty() || Indrykket(l)) return false;
  for (char c : l)
    if (c == ':' || (c >= '0' && c <= '9')) return false;
  return true;
}

// What belongs with the line after it: a rule, a title, a line that ends
// in a colon.
bool Indleder(std::string_view l) {
  return Streg(l) || Titel(l) || (!l.empty() && l.back() == ':');
}

}  // namespace

std::vector<bool> RapportSideskift(const TTekstlinjer& l) {
  const std::size_t n = l.size();
  std::vector<bool> brud(n, false);
  // The groups of lines between blank lines.
  struct TGruppe {
    std::size_t a, b;
  };
  std::vector<TGruppe> grupper;
  for (std::size_t i = 0; i < n;) {
    if (Tom(l[i])) {
      ++i;
      continue;
    }
    std::size_t j = i;
    while (j < n && !Tom(l[j])) ++j;
    grupper.push_back({i, j});
    i = j;
  }
  for (std::size_t g = 0; g < grupper.size(); ++g) {
    const auto [a, b] = grupper[g];
    // Before the group: only before a title (a line that is not indented),
    // and only when the group before does not introduce this one: it ends
    // in a rule or a colon, or is a short title of its own. An indented
    // group continues the one before (a table's further columns, the
    // summary's verdicts).
    if (g > 0 && !Indrykket(l[a])) {
      const auto [pa, pb] = grupper[g - 1];
      const bool indleder = Indleder(l[pb - 1]) || (pb - pa <= 2 && !Indrykket(l[pa]));
      if (!indleder)
        for (std::size_t i = grupper[g - 1].b; i <= a; ++i) brud[i] = true;
    }
    // Inside a long group: before a title line, not right after a rule or a
    // colon, and never leaving a single line on either side.
    if (b - a > KortGruppe)
      for (std::size_t j = a + 2; j + 2 <= b; ++j)
        if (!Indrykket(l[j]) && !Indleder(l[j - 1])) brud[j] = true;
  }
  return brud;
}

TKodeblok Rapportblok(TTekstlinjer linjer) {
  TKodeblok kode;
  kode.Punkt = 9;
  kode.Linjer = std::move(linjer);
  kode.BrudFoer = RapportSideskift(kode.Linjer);
  return kode;
}

}  // namespace kvistor::dokumentation
