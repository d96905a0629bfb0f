// kvistor-cli rapport: reads project files, computes them and writes the
// result reports, and on request the shear and moment curve data.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>

#include "cli/kommandoer.h"
#include "cli/kommandolinjedialog.h"
#include "faelles/tegnsaet.h"
#include "faelles/ur.h"
#include "project/inddatafil.h"
#include "project/inddataside.h"
#include "report/gem.h"
#include "report/hoved.h"
#include "report/visresultat.h"

namespace kvistor {

namespace {

constexpr int KodeOk = 0;
constexpr int KodeBrug = 1;
constexpr int KodeAfvist = 2;
constexpr int KodeAfbrudt = 3;
constexpr int KodeAdvarsel = 4;

// With several project files the call ends with its most serious outcome:
// an aborted calculation before refused input before a usage or file error
// before a raised warning note.
int Alvor(int kode) {
  switch (kode) {
    case KodeAfbrudt: return 4;
    case KodeAfvist: return 3;
    case KodeBrug: return 2;
    case KodeAdvarsel: return 1;
    default: return 0;
  }
}

struct TRapportValg {
  std::vector<std::string> projekter;
  std::string udfil;
  bool kurver = false;
  std::optional<TTidspunkt> dato;
  std::optional<std::string> firma;
  bool hjaelp = false;
};

// "yyyy-MM-dd,HH:mm:ss", every field with its digits and a real calendar
// date and time of day.
std::optional<TTidspunkt> LaesDato(const std::string& s) {
  if (s.size() != 19) return std::nullopt;
  static const char skabelon[] = "dddd-dd-dd,dd:dd:dd";
  for (std::size_t i = 0; i < 19; ++i) {
    if (skabelon[i] == 'd' ? !(s[i] >= '0' && s[i] <= '9') : s[i] != skabelon[i])
      return std::nullopt;
  }
  auto tal = [&](int fra, int n) { return std::stoi(s.substr(fra, n)); };
  TTidspunkt t{tal(0, 4), tal(5, 2), tal(8, 2), tal(11, 2), tal(14, 2), tal(17, 2)};
  static const int dage[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.maaned < 1 || t.maaned > 12 || t.dag < 1 || t.dag > dage[t.maaned - 1]) return std::nullopt;
  const bool skudaar = (t.aar % 4 == 0 && t.aar % 100 != 0) || t.aar % 400 == 0;
  if (t.maaned == 2 && t.dag == 29 && !skudaar) return std::nullopt;
  if (t.time > 23 || t.minut > 59 || t.sekund > 59) return std::nullopt;
  return t;
}

// Parses the arguments; a message on `fejl` and nullopt for a usage error.
std::optional<TRapportValg> LaesValg(const std::vector<std::string>& a, std::ostream& fejl) {
  TRapportValg v;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::string& x = a[i];
    auto naeste = [&](const char* navn) -> const std::string* {
      if (i + 1 >= a.size()) {
        fejl << "Fejl: " << navn << " mangler sin værdi.\n";
        return nullptr;
      }
      return &a[++i];
    };
    if (x == "--help" || x == "-h") {
      v.hjaelp = true;
    } else if (x == "-o") {
      const std::string* s = naeste("-o");
      if (!s) return std::nullopt;
      if (s->empty()) {
        fejl << "Fejl: -o mangler et filnavn.\n";
        return std::nullopt;
      }
      v.udfil = *s;
    } else if (x == "--kurver") {
      v.kurver = true;
    } else if (x == "--dato") {
      const std::string* s = naeste("--dato");
      if (!s) return std::nullopt;
      v.dato = LaesDato(*s);
      if (!v.dato) {
        fejl << "Fejl: --dato skal skrives som \"yyyy-MM-dd,HH:mm:ss\", fx \"2026-03-01,14:05:00\".\n";
        return std::nullopt;
      }
    } else if (x == "--firma") {
      const std::string* s = naeste("--firma");
      if (!s) return std::nullopt;
      v.firma = *s;
    } else if (x.size() > 1 && x[0] == '-') {
      fejl << "Fejl: ukendt tilvalg " << x << "\n";
      return std::nullopt;
    } else {
      v.projekter.push_back(x);
    }
  }
  if (v.hjaelp) return v;
  if (v.projekter.empty()) {
    fejl << "Fejl: der er ikke angivet nogen projektfil.\n";
    return std::nullopt;
  }
  if (!v.udfil.empty() && v.projekter.size() > 1) {
    fejl << "Fejl: -o kan kun bruges med én projektfil; med flere skrives rapporterne til "
            "standard-output.\n";
    return std::nullopt;
  }
  return v;
}

// One project file: read, compute, write. Returns its exit code.
int KoerProjekt(const std::string& projekt, const TRapportValg& v, const TUr& ur,
                bool flere, std::ostream& ud, std::ostream& fejl) {
  const std::string forstavelse = flere ? projekt + ": " : "";
  TKommandolinjeDialog dlg(fejl, forstavelse);

  std::string indhold;
  if (!LaesFil(projekt, indhold)) {
    dlg.Fejl(BeskedKanIkkeHente(projekt));
    return KodeBrug;
  }
  // The report must never overwrite the project it was computed from.
  {
    std::error_code ec;
    if (!v.udfil.empty() && std::filesystem::equivalent(projekt, v.udfil, ec)) {
      dlg.Fejl("Rapporten kan ikke gemmes oven i projektfilen " + projekt);
      return KodeBrug;
    }
  }
  TInddataside side = NyInddataside();
  side.Programmappe = std::filesystem::path(projekt).parent_path().string();
  if (!LaesProjektfil(projekt, side, dlg)) return KodeAfvist;

  const std::string firma = v.firma ? ForsteTegn(*v.firma, KapFirmanavn) : StandardFirmanavn();
  TRapportResultat res;
  const TRapportUdfald udfald = BeregnRapport(res, side.Inddata, dlg, ur, firma);
  if (udfald == TRapportUdfald::Afvist) return KodeAfvist;
  if (udfald == TRapportUdfald::Afbrudt) return KodeAfbrudt;

  int kode = KodeOk;
  if (v.udfil.empty()) {
    for (const auto& linje : res.Rapport) ud << linje << "\n";
    ud.flush();
    // A full disk or a closed pipe must not pass for a written report.
    if (!ud) {
      dlg.Fejl("Rapporten kan ikke skrives på standard-output.");
      kode = KodeBrug;
    }
  } else if (!SkrivTekstfil(v.udfil, res.Rapport)) {
    dlg.Fejl("Kan ikke gemme under navnet \r\n" + v.udfil);
    kode = KodeBrug;
  }

  if (v.kurver) {
    if (side.Inddata.RappOmfang < 1) {
      fejl << forstavelse
           << "Kurvedata findes kun med rapportomfanget \"Detaljeret\"; der er ikke gemt "
              "kurvedata.\n";
    } else {
      // Beside the report file, or beside the project file when the report
      // goes to the standard output.
      const std::string basis = UdenEfternavn(v.udfil.empty() ? projekt : v.udfil);
      const std::string q = QKurveFilnavn(basis), m = MKurveFilnavn(basis);
      if (!SkrivTekstfil(q, res.QKurver)) {
        dlg.Fejl("Kan ikke gemme under navnet \r\n" + q);
        kode = KodeBrug;
      }
      if (!SkrivTekstfil(m, res.MKurver)) {
        dlg.Fejl("Kan ikke gemme under navnet \r\n" + m);
        kode = KodeBrug;
      }
    }
  }

  if (res.Noter.Aas) fejl << forstavelse << "Bemærk: Åsedimensionen er utilstrækkelig\n";
  if (res.Noter.Samling) fejl << forstavelse << "Bemærk: Gerbersamlingen er utilstrækkelig\n";
  if (res.Noter.Nedbojn) fejl << forstavelse << "Bemærk: Største relative nedbøjning er for stor\n";
  if (kode == KodeOk && res.Noter.Nogen()) kode = KodeAdvarsel;
  return kode;
}

}  // namespace

int RapportKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                    std::ostream& fejl) {
  const auto valg = LaesValg(argumenter, fejl);
  if (!valg) {
    fejl << "Skriv \"kvistor-cli --help\" for at se hvordan kommandoen bruges.\n";
    return KodeBrug;
  }
  if (valg->hjaelp) {
    SkrivHjaelp(ud);
    return KodeOk;
  }
  std::unique_ptr<TUr> ur;
  if (valg->dato)
    ur = std::make_unique<TFastUr>(*valg->dato);
  else
    ur = std::make_unique<TSystemUr>();

  int samlet = KodeOk;
  const bool flere = valg->projekter.size() > 1;
  for (const auto& projekt : valg->projekter) {
    const int kode = KoerProjekt(projekt, *valg, *ur, flere, ud, fejl);
    if (Alvor(kode) > Alvor(samlet)) samlet = kode;
  }
  return samlet;
}

void SkrivHjaelp(std::ostream& ud) {
  ud << "kvistor-cli - dimensionering af tagåse som gerberkæde uden vindue\n"
        "\n"
        "Brug:\n"
        "  kvistor-cli rapport PROJEKT.aid [PROJEKT2.aid ...] [-o RAPPORT.txt] [--kurver]\n"
        "                      [--dato \"yyyy-MM-dd,HH:mm:ss\"] [--firma NAVN]\n"
        "  kvistor-cli tegning tvaer|laengde PROJEKT.aid -o FIL.svg [--bredde B --hoejde H]\n"
        "  kvistor-cli dimensioner PROJEKT.aid [--alle-klasser]\n"
        "  kvistor-cli charnier PROJEKT.aid\n"
        "  kvistor-cli kurver PROJEKT.aid -o FIL.svg [--lk N --lt X --aas N]\n"
        "  kvistor-cli --help\n"
        "  kvistor-cli --version\n"
        "\n"
        "rapport  Beregner projektet og skriver resultatrapporten: til standard-output\n"
        "         (UTF-8) eller med -o til en tekstfil (Windows-1252, CR LF), som når\n"
        "         resultatet gemmes i programmet. Flere projektfiler giver én rapport\n"
        "         hver på standard-output; -o kan da ikke bruges.\n"
        "  -o RAPPORT.txt   rapportfilen.\n"
        "  --kurver         gemmer også data til forskydningskraft- og momentkurver som\n"
        "                   \"<navn> Q-kurver.txt\" og \"<navn> M-kurver.txt\" ved siden af\n"
        "                   rapportfilen (uden -o: ved siden af projektfilen). Kræver\n"
        "                   rapportomfanget \"Detaljeret\".\n"
        "  --dato D         beregningstidspunktet i rapporten, fx \"2026-03-01,14:05:00\"\n"
        "                   (ellers maskinens ur).\n"
        "  --firma NAVN     firmanavnet i rapportens hoved (højst 70 tegn; ellers det\n"
        "                   firmanavn programmet er bygget med).\n"
        "\n"
        "tegning  Tegner kontroltegningen af tværsnittet (tvaer) eller af åsens\n"
        "         længdeforløb (laengde) som SVG-fil med bredden B og højden H.\n"
        "\n"
        "dimensioner, charnier, kurver  Hjælpemidler: mindste tilstrækkelige tværsnit,\n"
        "         bedste charnierforskydning og kraftkurver (se KOMMANDO --help).\n"
        "\n"
        "Meddelelser fra indlæsning og beregning skrives på standard-error, og det\n"
        "samme gør de røde advarsler (\"Bemærk: ...\"). Spørgsmål besvares med Annuller\n"
        "eller Nej.\n"
        "\n"
        "Slutkoder:\n"
        "  0  rapporten er skrevet, og alle tre konklusioner er OK\n"
        "  4  rapporten er skrevet, men en advarsel er givet\n"
        "  2  inddata er afvist (brudt feltregel, defekt projektfil, intet gerberbeslag)\n"
        "  3  beregningen er afbrudt\n"
        "  1  forkert brug, eller en fil kan ikke læses eller skrives\n"
        "  Med flere projektfiler gælder den alvorligste: 3, 2, 1, 4, 0.\n";
}

}  // namespace kvistor
