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
#include "cli/projektlaesning.h"
#include "common/tegnsaet.h"
#include "common/ur.h"
#include "project/inddatafil.h"
#include "project/inddataside.h"
#include "report/gem.h"
#include "report/hoved.h"
#include "report/visresultat.h"

namespace kvistor {

namespace {

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
  bool tolerant = false;
  bool hjaelp = false;
};

// "yyyy-MM-dd,HH:mm:ss", every field with its digits and a real calendar
// date and time of day. A message on `fejl` and nothing otherwise: a text
// of another layout is a format error, a day that the month does not have
// (2026-02-30) or an hour beyond 23 an impossible date or time.
std::optional<TTidspunkt> LaesDato(const std::string& s, std::ostream& fejl) {
  static const char skabelon[] = "dddd-dd-dd,dd:dd:dd";
  bool form = s.size() == 19;
  for (std::size_t i = 0; form && i < 19; ++i)
    form = skabelon[i] == 'd' ? s[i] >= '0' && s[i] <= '9' : s[i] == skabelon[i];
  if (!form) {
    fejl << "Fejl: --dato skal skrives som \"yyyy-MM-dd,HH:mm:ss\", fx \"2026-03-01,14:05:00\".\n";
    return std::nullopt;
  }
  auto tal = [&](int fra, int n) { return std::stoi(s.substr(fra, n)); };
  TTidspunkt t{tal(0, 4), tal(5, 2), tal(8, 2), tal(11, 2), tal(14, 2), tal(17, 2)};
  const bool skudaar = (t.aar % 4 == 0 && t.aar % 100 != 0) || t.aar % 400 == 0;
  const int dage[] = {31, skudaar ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.maaned < 1 || t.maaned > 12 || t.dag < 1 || t.dag > dage[t.maaned - 1]) {
    fejl << "Fejl: --dato " << s << " er en umulig dato: " << s.substr(0, 10) << " findes ikke.\n";
    return std::nullopt;
  }
  if (t.time > 23 || t.minut > 59 || t.sekund > 59) {
    fejl << "Fejl: --dato " << s << " er et umuligt klokkeslæt: " << s.substr(11) << " findes ikke.\n";
    return std::nullopt;
  }
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
      v.udfil = *s == Standardstroem ? "" : *s;
    } else if (x == "--kurver") {
      v.kurver = true;
    } else if (x == "--dato") {
      const std::string* s = naeste("--dato");
      if (!s) return std::nullopt;
      v.dato = LaesDato(*s, fejl);
      if (!v.dato) return std::nullopt;
    } else if (x == "--firma") {
      const std::string* s = naeste("--firma");
      if (!s) return std::nullopt;
      v.firma = *s;
    } else if (x == "--tolerant") {
      v.tolerant = true;
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
  const auto fraStdin = std::count(v.projekter.begin(), v.projekter.end(), Standardstroem);
  if (fraStdin > 1) {
    fejl << "Fejl: standard-input (-) kan kun læses én gang.\n";
    return std::nullopt;
  }
  if (fraStdin == 1 && v.kurver && v.udfil.empty()) {
    fejl << "Fejl: --kurver skal bruges med -o RAPPORT.txt, når projektet læses fra "
            "standard-input; kurvedata gemmes ved siden af rapportfilen.\n";
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

  // The outputs must never overwrite the project they were computed from:
  // checked by file identity, before anything is computed or written.
  const std::optional<TFilIdentitet> kilde = ProjektIdentitet(projekt);
  const std::string kurvebasis = UdenEfternavn(v.udfil.empty() ? projekt : v.udfil);
  if (ErProjektfilen(kilde, v.udfil)) {
    dlg.Fejl("Rapporten kan ikke gemmes oven i projektfilen " + projekt);
    return KodeBrug;
  }
  if (v.kurver) {
    for (const std::string& k : {QKurveFilnavn(kurvebasis), MKurveFilnavn(kurvebasis)})
      if (ErProjektfilen(kilde, k)) {
        dlg.Fejl("Kurvedata kan ikke gemmes oven i projektfilen " + projekt + " (" + k + ")");
        return KodeBrug;
      }
  }
  TInddataside side = NyInddataside();
  if (projekt != Standardstroem)
    side.Programmappe = std::filesystem::path(projekt).parent_path().string();
  if (const int kode = LaesProjektTilKommando(projekt, v.tolerant, side, dlg); kode != KodeOk)
    return kode;

  // A company name from the command line may hold anything; line breaks
  // would split the report's CR LF lines.
  const std::string firma =
      v.firma ? ForsteTegn(RensTekst(*v.firma), KapFirmanavn) : StandardFirmanavn();
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
  } else if (const TFilUdfald u = SkrivTekstfil(v.udfil, res.Rapport); !u) {
    dlg.Fejl(BeskedKanIkkeGemme(v.udfil, u));
    kode = KodeBrug;
  } else if (!u.note.empty()) {
    dlg.Advarsel(u.note);
  }

  if (v.kurver) {
    if (side.Inddata.RappOmfang < 1) {
      fejl << forstavelse
           << "Kurvedata findes kun med rapportomfanget \"Detaljeret\"; der er ikke gemt "
              "kurvedata.\n";
    } else {
      // Beside the report file, or beside the project file when the report
      // goes to the standard output.
      const std::string q = QKurveFilnavn(kurvebasis), m = MKurveFilnavn(kurvebasis);
      for (const auto& [navn, linjer] : {std::pair{q, &res.QKurver}, std::pair{m, &res.MKurver}})
        if (const TFilUdfald u = SkrivTekstfil(navn, *linjer); !u) {
          dlg.Fejl(BeskedKanIkkeGemme(navn, u));
          kode = KodeBrug;
        } else if (!u.note.empty()) {
          dlg.Advarsel(u.note);
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
        "                      [--dato \"yyyy-MM-dd,HH:mm:ss\"] [--firma NAVN] [--tolerant]\n"
        "  kvistor-cli tegning tvaer|laengde PROJEKT.aid -o FIL.svg [--bredde B --hoejde H]\n"
        "                      [--tolerant]\n"
        "  kvistor-cli dimensioner PROJEKT.aid [--alle-klasser] [--tolerant]\n"
        "  kvistor-cli charnier PROJEKT.aid [--tolerant]\n"
        "  kvistor-cli kurver PROJEKT.aid -o FIL.svg [--lk N --lt X --aas N]\n"
        "                      [--bredde B --hoejde H] [--tolerant]\n"
        "  kvistor-cli --help\n"
        "  kvistor-cli --version\n"
        "\n"
        "rapport  Beregner projektet og skriver resultatrapporten: til standard-output\n"
        "         (UTF-8) eller med -o til en tekstfil (Windows-1252, CR LF), som når\n"
        "         resultatet gemmes i programmet. Flere projektfiler giver én rapport\n"
        "         hver på standard-output; -o kan da ikke bruges.\n"
        "  -o RAPPORT.txt   rapportfilen; -o - er standard-output.\n"
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
        "         længdeforløb (laengde) som SVG-fil med bredden B og højden H\n"
        "         (-o - er standard-output).\n"
        "\n"
        "Projektfilen - er standard-input. En værdi i projektfilen, som ikke kan\n"
        "læses (fx \"12.00\" med punktum), afviser filen med én linie pr. værdi;\n"
        "med --tolerant regnes der som i programmet med den erstattede værdi.\n"
        "En fil gemmes aldrig oven i projektfilen.\n"
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
        "  2  inddata er afvist (brudt feltregel, værdi uden for sit område, defekt\n"
        "     projektfil, værdi der ikke kan læses, intet gerberbeslag)\n"
        "  3  beregningen er afbrudt\n"
        "  1  forkert brug, eller en fil kan ikke læses eller skrives\n"
        "  Med flere projektfiler gælder den alvorligste: 3, 2, 1, 4, 0.\n";
}

}  // namespace kvistor
