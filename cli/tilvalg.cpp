#include "cli/tilvalg.h"

#include <algorithm>
#include <new>
#include <ostream>
#include <stdexcept>

#include "cli/kommandoer.h"
#include "common/tegnsaet.h"
#include "common/version.h"

namespace kvistor {

namespace {

const TTilvalg* FindTilvalg(const TKommando& k, std::string_view navn) {
  for (const TTilvalg& t : k.tilvalg)
    if (t.navn == navn) return &t;
  return nullptr;
}

const TTilvalg& TilvalgIKommando(const TKommando& k, std::string_view navn) {
  if (const TTilvalg* t = FindTilvalg(k, navn)) return *t;
  throw std::logic_error("kvistor-cli " + k.navn + " har ikke tilvalget " + std::string(navn));
}

std::string Bogstav(int c) { return std::string(1, static_cast<char>(c)); }

std::string Opregning(const std::vector<std::string>& ord, const std::string& og) {
  std::string s;
  for (std::size_t i = 0; i < ord.size(); ++i)
    s += (i == 0 ? "" : i + 1 == ord.size() ? " " + og + " " : ", ") + ord[i];
  return s;
}

// Whether a value fits its option; the refusal's text otherwise.
std::optional<std::string> KontrollerVaerdi(const TTilvalg& t, const std::string& v) {
  switch (t.art) {
    case TVaerdiArt::Ingen: return std::nullopt;
    case TVaerdiArt::Tekst: return t.kontrol ? t.kontrol(v) : std::nullopt;
    case TVaerdiArt::Heltal: {
      bool god = !v.empty() && v.size() <= 9 &&
                 std::all_of(v.begin(), v.end(), [](char c) { return c >= '0' && c <= '9'; });
      if (god) {
        const int n = std::stoi(v);
        god = n >= t.fra && n <= t.til;
      }
      if (god) return std::nullopt;
      return t.navn + " skal være et helt tal fra " + std::to_string(t.fra) + " til " +
             std::to_string(t.til) + ", ikke \"" + v + "\".";
    }
    case TVaerdiArt::Bogstav:
      if (v.size() == 1 && v[0] >= t.fra && v[0] <= t.til) return std::nullopt;
      return t.navn + " skal være et bogstav fra " + Bogstav(t.fra) + " til " + Bogstav(t.til) +
             ", ikke \"" + v + "\".";
    case TVaerdiArt::Valg:
      if (std::find(t.valg.begin(), t.valg.end(), v) != t.valg.end()) return std::nullopt;
      return t.navn + " skal være " + Opregning(t.valg, "eller") + ", ikke \"" + v + "\".";
  }
  return std::nullopt;
}

bool Givet(const TFortolkning& f, const std::string& navn) {
  return std::any_of(f.vaerdier.begin(), f.vaerdier.end(),
                     [&](const auto& v) { return v.first == navn; });
}

// "-o RAPPORT.txt", "--kurver".
std::string Etiket(const TTilvalg& t) {
  return t.vaerdinavn.empty() ? t.navn : t.navn + " " + t.vaerdinavn;
}

// The synopsis of one command as folded lines, the first after `foran`.
std::vector<std::string> KommandoSynopsis(const TKommando& k, std::size_t bredde,
                                          std::string_view foran) {
  const std::string start = std::string(foran) + "kvistor-cli " + k.navn;
  std::vector<std::string> dele;
  if (!k.ord.empty()) {
    std::string ord;
    for (std::size_t i = 0; i < k.ord.size(); ++i) ord += (i ? "|" : "") + k.ord[i];
    dele.push_back(ord);
  }
  dele.push_back("PROJEKT.aid");
  if (k.maksProjekter != 1) dele.push_back("[PROJEKT2.aid ...]");
  for (const TTilvalg& t : k.tilvalg)
    dele.push_back(t.paakraevet ? Etiket(t) : "[" + Etiket(t) + "]");
  std::vector<std::string> linjer{start};
  const std::size_t indryk = AntalTegn(start) + 1;
  for (const std::string& d : dele) {
    if (AntalTegn(linjer.back()) + 1 + AntalTegn(d) > bredde && AntalTegn(linjer.back()) > indryk)
      linjer.push_back(std::string(indryk - 1, ' '));
    linjer.back() += " " + d;
  }
  return linjer;
}

// The option list of a help: the labels in a column, the texts beside.
void SkrivTilvalgsliste(std::ostream& ud, const std::vector<std::pair<std::string, std::string>>& l) {
  std::size_t kolonne = 0;
  for (const auto& [etiket, tekst] : l) kolonne = std::max(kolonne, AntalTegn(etiket));
  kolonne = std::min<std::size_t>(kolonne, 18) + 4;
  for (const auto& [etiket, tekst] : l) {
    std::string linje = "  " + etiket;
    if (AntalTegn(linje) + 2 > kolonne) {
      ud << linje << "\n";
      linje.clear();
    }
    linje = UdfyldHoejre(linje, kolonne);
    ud << Ombryd(tekst, 79, kolonne, AntalTegn(linje)).insert(0, linje) << "\n";
  }
}

struct TSlutkode {
  int kode;
  const char* tekst;
};
// The general meaning of each exit code, in the order of the help.
constexpr TSlutkode Slutkoder[] = {
    {KodeOk, "alt er skrevet, og alle tre konklusioner er OK"},
    {KodeAdvarsel, "skrevet, men en konklusion holder ikke (en rød advarsel)"},
    {KodeAfvist, "inddata er afvist (brudt feltregel, værdi uden for sit område, defekt "
                 "projektfil, værdi der ikke kan læses, intet gerberbeslag)"},
    {KodeAfbrudt, "beregningen er afbrudt"},
    {KodeBrug, "forkert brug, eller en fil kan ikke læses eller skrives (også standard-output)"},
};

void SkrivSlutkoder(std::ostream& ud, const TKommando* k) {
  ud << "Slutkoder:\n";
  for (const TSlutkode& s : Slutkoder) {
    std::string tekst = s.tekst;
    if (k && s.kode == KodeOk) tekst = k->kode0;
    if (k && s.kode == KodeAdvarsel) {
      if (k->kode4.empty()) continue;
      tekst = k->kode4;
    }
    ud << Ombryd(tekst, 79, 7, 7).insert(0, UdfyldHoejre("  " + std::to_string(s.kode), 7)) << "\n";
  }
  std::vector<std::string> stoppes;
  for (const TKommando& c : Kommandoer())
    if (c.kanStoppes && (!k || k == &c)) stoppes.push_back(c.navn);
  if (!stoppes.empty())
    ud << "  " << KodeStoppet << "  stoppet med Ctrl+C"
       << (k ? std::string() : " (" + Opregning(stoppes, "og") + ")") << "\n";
  if (!k || k->maksProjekter != 1)
    ud << "  Med flere projektfiler gælder den alvorligste: 3, 2, 1, 4, 0.\n";
}

// What every command shares, for the helps.
const char* const FaellesTekst =
    "Projektfilen - er standard-input, og -o - skriver på standard-output. En fil "
    "gemmes aldrig oven i projektfilen.";
const char* const TolerantTekst =
    "En værdi i projektfilen, som ikke kan bruges som den står (fx \"12.00\" med "
    "punktum), afviser filen med én linie pr. værdi; med --tolerant regnes der som i "
    "vinduet med den erstattede værdi.";

const char* const MeddelelsesTekst =
    "Meddelelser fra indlæsning og beregning skrives på standard-error, og det samme gør "
    "de røde advarsler (\"Bemærk: ...\"). Spørgsmål besvares med Annuller eller Nej.";

void SkrivAfsnit(std::ostream& ud, std::string_view tekst) {
  std::size_t start = 0;
  while (start <= tekst.size()) {
    std::size_t slut = tekst.find("\n\n", start);
    if (slut == std::string_view::npos) slut = tekst.size();
    ud << Ombryd(tekst.substr(start, slut - start), 79, 0) << "\n";
    if (slut == tekst.size()) break;
    ud << "\n";
    start = slut + 2;
  }
}

}  // namespace

std::string Ombryd(std::string_view tekst, std::size_t bredde, std::size_t indryk,
                   std::size_t forste) {
  std::string ud;
  std::size_t kolonne = forste;
  bool linjestart = true;
  std::size_t i = 0;
  while (i < tekst.size()) {
    while (i < tekst.size() && tekst[i] == ' ') ++i;
    if (i >= tekst.size()) break;
    std::size_t j = tekst.find(' ', i);
    if (j == std::string_view::npos) j = tekst.size();
    const std::string_view ord = tekst.substr(i, j - i);
    const std::size_t n = AntalTegn(ord);
    if (!linjestart && kolonne + 1 + n > bredde) {
      ud += "\n" + std::string(indryk, ' ');
      kolonne = indryk;
      linjestart = true;
    }
    if (!linjestart) {
      ud += ' ';
      ++kolonne;
    }
    ud += ord;
    kolonne += n;
    linjestart = false;
    i = j;
  }
  return ud;
}

std::string Omraadetekst(const TTilvalg& t) {
  switch (t.art) {
    case TVaerdiArt::Heltal:
      return "Et helt tal fra " + std::to_string(t.fra) + " til " + std::to_string(t.til) + ".";
    case TVaerdiArt::Bogstav:
      return "Et bogstav fra " + Bogstav(t.fra) + " til " + Bogstav(t.til) + ".";
    case TVaerdiArt::Valg: return "Et af ordene " + Opregning(t.valg, "eller") + ".";
    default: return "";
  }
}

const TKommando* FindKommando(std::string_view navn) {
  for (const TKommando& k : Kommandoer())
    if (k.navn == navn) return &k;
  return nullptr;
}

int AlvorligsteKode(int a, int b) {
  auto alvor = [](int kode) {
    switch (kode) {
      case KodeStoppet: return 5;
      case KodeAfbrudt: return 4;
      case KodeAfvist: return 3;
      case KodeBrug: return 2;
      case KodeAdvarsel: return 1;
      default: return 0;
    }
  };
  return alvor(b) > alvor(a) ? b : a;
}

std::optional<TFortolkning> FortolkArgumenter(const TKommando& k,
                                              const std::vector<std::string>& a,
                                              std::string& fejltekst) {
  TFortolkning f;
  std::vector<std::string> frie;
  bool kunFrie = false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::string& x = a[i];
    if (!kunFrie && x == "--") {
      // What follows is a file name even when it begins with '-'.
      kunFrie = true;
      continue;
    }
    if (!kunFrie && (x == "-h" || x == "--help")) {
      f.hjaelp = true;
      return f;
    }
    if (kunFrie || x.size() < 2 || x[0] != '-') {
      frie.push_back(x);
      continue;
    }
    const TTilvalg* t = FindTilvalg(k, x);
    if (!t) {
      fejltekst = k.navn + " kender ikke tilvalget " + x + ".";
      return std::nullopt;
    }
    if (t->art == TVaerdiArt::Ingen) {
      f.vaerdier.emplace_back(t->navn, "");
      continue;
    }
    if (i + 1 >= a.size()) {
      fejltekst = x + " mangler sin værdi (" + t->vaerdinavn + ").";
      return std::nullopt;
    }
    const std::string& v = a[++i];
    if (const auto m = KontrollerVaerdi(*t, v)) {
      fejltekst = *m;
      return std::nullopt;
    }
    f.vaerdier.emplace_back(t->navn, v);
  }
  if (!k.ord.empty()) {
    if (frie.empty()) {
      fejltekst = k.navn + " mangler " + Opregning(k.ord, "eller") + ".";
      return std::nullopt;
    }
    std::string ord = frie.front();
    for (const auto& [alias, egentlig] : k.ordAliaser)
      if (ord == alias) ord = egentlig;
    if (std::find(k.ord.begin(), k.ord.end(), ord) == k.ord.end()) {
      fejltekst = "ukendt " + k.ordnavn + " \"" + frie.front() + "\"; skriv " +
                  Opregning(k.ord, "eller") + ".";
      return std::nullopt;
    }
    f.ord = ord;
    frie.erase(frie.begin());
  }
  if (frie.empty()) {
    fejltekst = "der er ikke angivet nogen projektfil.";
    return std::nullopt;
  }
  if (k.maksProjekter > 0 && frie.size() > static_cast<std::size_t>(k.maksProjekter)) {
    fejltekst = k.maksProjekter == 1
                    ? k.navn + " tager kun én projektfil ad gangen."
                    : k.navn + " tager højst " + std::to_string(k.maksProjekter) + " projektfiler.";
    return std::nullopt;
  }
  if (std::count(frie.begin(), frie.end(), "-") > 1) {
    fejltekst = "standard-input (-) kan kun læses én gang.";
    return std::nullopt;
  }
  f.projekter = std::move(frie);
  for (const TTilvalg& t : k.tilvalg) {
    if (t.paakraevet && !Givet(f, t.navn)) {
      fejltekst = Etiket(t) + " mangler.";
      return std::nullopt;
    }
    if (!Givet(f, t.navn)) continue;
    for (const std::string& r : t.kraever)
      if (!Givet(f, r)) {
        fejltekst = t.navn + " kræver " + r + ".";
        return std::nullopt;
      }
  }
  return f;
}

void SkrivBrugsFejl(std::ostream& fejl, const std::string& tekst, const TKommando* k) {
  fejl << "Fejl: " << tekst << "\n";
  if (k)
    fejl << "Skriv \"kvistor-cli " << k->navn << " --help\" for at se, hvordan kommandoen bruges.\n";
  else
    fejl << "Skriv \"kvistor-cli --help\" for at se kommandoerne.\n";
}

bool TKald::Har(std::string_view navn) const {
  const TTilvalg& t = TilvalgIKommando(kommando, navn);
  return std::any_of(vaerdier.begin(), vaerdier.end(),
                     [&](const auto& v) { return v.first == t.navn; });
}

std::optional<std::string> TKald::Tekst(std::string_view navn) const {
  const TTilvalg& t = TilvalgIKommando(kommando, navn);
  for (auto v = vaerdier.rbegin(); v != vaerdier.rend(); ++v)
    if (v->first == t.navn) return v->second;
  return std::nullopt;
}

std::optional<int> TKald::Heltal(std::string_view navn) const {
  const TTilvalg& t = TilvalgIKommando(kommando, navn);
  if (t.art != TVaerdiArt::Heltal && t.art != TVaerdiArt::Bogstav)
    throw std::logic_error("kvistor-cli " + kommando.navn + " " + t.navn + " er ikke et tal");
  const auto s = Tekst(navn);
  if (!s) return std::nullopt;
  return t.art == TVaerdiArt::Bogstav ? static_cast<int>((*s)[0]) : std::stoi(*s);
}

int TKald::BrugsFejl(const std::string& tekst) const {
  SkrivBrugsFejl(fejl, tekst, &kommando);
  return KodeBrug;
}

const TIndstillinger& TKald::Indstillinger() {
  if (!laesteIndstillinger) {
    laesteIndstillinger.emplace();
    if (!miljoe.indstillingsfil.empty()) {
      if (const TFilUdfald u = LaesIndstillinger(miljoe.indstillingsfil, *laesteIndstillinger); !u)
        fejl << "Advarsel: Programmets indstillinger i " << miljoe.indstillingsfil
             << " kan ikke læses; der regnes uden dem.\n"
             << u.aarsag << "\n";
    }
  }
  return *laesteIndstillinger;
}

int KoerKvistorCli(const std::vector<std::string>& argumenter, std::ostream& ud,
                   std::ostream& fejl, const TMiljoe& miljoe) {
  if (argumenter.empty()) {
    SkrivHovedhjaelp(ud);
    return KodeBrug;
  }
  const std::string& forste = argumenter[0];
  if (forste == "--help" || forste == "-h" || forste == "hjaelp") {
    const TKommando* k = argumenter.size() > 1 ? FindKommando(argumenter[1]) : nullptr;
    if (k)
      SkrivKommandohjaelp(*k, ud);
    else
      SkrivHovedhjaelp(ud);
    return KodeOk;
  }
  if (forste == "--version") {
    ud << "kvistor-cli " << ProgramVersion << "\n";
    return KodeOk;
  }
  const TKommando* k = FindKommando(forste);
  if (!k) {
    SkrivBrugsFejl(fejl, "ukendt kommando " + forste + ".", nullptr);
    return KodeBrug;
  }
  std::string tekst;
  const auto f = FortolkArgumenter(*k, {argumenter.begin() + 1, argumenter.end()}, tekst);
  if (!f) {
    SkrivBrugsFejl(fejl, tekst, k);
    return KodeBrug;
  }
  if (f->hjaelp) {
    SkrivKommandohjaelp(*k, ud);
    return KodeOk;
  }
  TKald kald{*k, f->ord, f->projekter, f->vaerdier, ud, fejl, miljoe, std::nullopt};
  try {
    return k->koer(kald);
  } catch (const std::bad_alloc&) {
    fejl << "Fejl: Der er ikke hukommelse nok til beregningen.\n";
    return KodeAfbrudt;
  }
}

std::vector<std::string> Synopsis(int bredde) {
  std::vector<std::string> linjer;
  for (const TKommando& k : Kommandoer())
    for (std::string& l : KommandoSynopsis(k, static_cast<std::size_t>(bredde), ""))
      linjer.push_back(std::move(l));
  for (const char* l : {"kvistor-cli KOMMANDO --help", "kvistor-cli --help", "kvistor-cli --version"})
    linjer.emplace_back(l);
  return linjer;
}

void SkrivHovedhjaelp(std::ostream& ud) {
  ud << "kvistor-cli - dimensionering af tagåse som gerberkæde uden vindue\n\nBrug:\n";
  for (const std::string& l : Synopsis(77)) ud << "  " << l << "\n";
  ud << "\nKommandoer:\n";
  std::vector<std::pair<std::string, std::string>> liste;
  for (const TKommando& k : Kommandoer()) liste.emplace_back(k.navn, k.formaal);
  SkrivTilvalgsliste(ud, liste);
  ud << "\n";
  SkrivAfsnit(ud, "Skriv \"kvistor-cli KOMMANDO --help\" for at se, hvad kommandoen gør, og "
                  "hvilke tilvalg den har; \"man kvistor-cli\" beskriver dem alle.");
  ud << "\n";
  SkrivAfsnit(ud, std::string(FaellesTekst) + " " + TolerantTekst);
  ud << "\n";
  SkrivAfsnit(ud, MeddelelsesTekst);
  ud << "\n";
  SkrivSlutkoder(ud, nullptr);
}

void SkrivKommandohjaelp(const TKommando& k, std::ostream& ud) {
  const auto linjer = KommandoSynopsis(k, 79, "Brug: ");
  for (const std::string& l : linjer) ud << l << "\n";
  ud << "\n";
  SkrivAfsnit(ud, k.beskrivelse);
  ud << "\nTilvalg:\n";
  std::vector<std::pair<std::string, std::string>> liste;
  for (const TTilvalg& t : k.tilvalg) {
    const std::string omraade = Omraadetekst(t);
    liste.emplace_back(Etiket(t), t.hjaelp + (omraade.empty() ? "" : " " + omraade));
  }
  liste.emplace_back("-h, --help", "Viser denne hjælp.");
  SkrivTilvalgsliste(ud, liste);
  ud << "\n";
  SkrivAfsnit(ud, FaellesTekst);
  ud << "\n";
  SkrivSlutkoder(ud, &k);
}

}  // namespace kvistor
