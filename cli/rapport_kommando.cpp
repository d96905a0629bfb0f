// kvistor-cli rapport: reads project files, computes them and writes the
// result reports, and on request the shear and moment curve data.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <ostream>
#include <sstream>
#include <variant>

#include "cli/kommandoer.h"
#include "cli/uddata.h"
#include "cli/kommandolinjedialog.h"
#include "cli/projektlaesning.h"
#include "cli/uddatakontrol.h"
#include "common/tegnsaet.h"
#include "common/ur.h"
#include "project/inddatafil.h"
#include "project/inddataside.h"
#include "report/gem.h"
#include "report/hoved.h"
#include "report/visresultat.h"

namespace kvistor {

namespace {

struct TRapportValg {
  std::vector<std::string> projekter;
  std::string udfil;  // "" for the standard output
  bool kurver = false;
  bool skaerpet = false;
  std::optional<TTidspunkt> dato;
  std::string firma;
  bool tolerant = false;
};


// The options of the call, checked against each other; a usage error's
// text otherwise.
std::variant<TRapportValg, std::string> LaesValg(TKald& kald) {
  TRapportValg v;
  v.projekter = kald.projekter;
  const std::string udfil = kald.Tekst("-o").value_or("");
  v.udfil = udfil == Standardstroem ? "" : udfil;
  v.kurver = kald.Har("--kurver");
  v.skaerpet = kald.Har("--skaerpet");
  v.tolerant = kald.Har("--tolerant");
  if (const auto d = kald.Tekst("--dato")) v.dato = std::get<TTidspunkt>(LaesDato(*d));
  // A company name from the command line may hold anything; line breaks
  // would split the report's CR LF lines.
  v.firma = kald.Har("--firma") ? RensFirmanavn(*kald.Tekst("--firma"))
                                : FirmanavnFraIndstillinger(kald.Indstillinger());
  if (!v.udfil.empty() && v.projekter.size() > 1)
    return std::string(
        "-o kan kun bruges med én projektfil; med flere skrives rapporterne til standard-output.");
  return v;
}

// Where a project's curve files go: beside the report file, or beside the
// project file when the report goes to the standard output.
std::string Kurvebasis(const TRapportValg& v, const std::string& projekt) {
  return UdenEfternavn(v.udfil.empty() ? projekt : v.udfil);
}

// One project file: read, compute, write. Returns its exit code.
int KoerProjekt(const std::string& projekt, const TRapportValg& v, const TUr& ur,
                bool flere, std::ostream& ud, std::ostream& fejl) {
  const std::string forstavelse = flere ? Projektnavn(projekt) + ": " : "";
  TKommandolinjeDialog dlg(fejl, forstavelse);
  TInddataside side = NyInddataside();
  if (projekt != Standardstroem)
    side.Programmappe = std::filesystem::path(projekt).parent_path().string();
  if (const int kode = LaesProjektTilKommando(projekt, v.tolerant, side, dlg); kode != KodeOk)
    return kode;
  // Curves asked for and none to give: refused before anything is written,
  // rather than a report that passes for the whole answer.
  if (v.kurver && side.Inddata.RappOmfang < 1) {
    dlg.Fejl("Kurvedata findes kun med rapportomfanget \"Detaljeret\"; " +
             (projekt == Standardstroem ? "projektet på standard-input"
                                        : "projektfilen " + projekt) +
             " har \"Normal\". Vælg \"Detaljeret\" i projektet, eller udelad --kurver.");
    return KodeBrug;
  }

  TRapportResultat res;
  const TRapportUdfald udfald = v.skaerpet
                                    ? BeregnSkaerpetRapport(res, side.Inddata, dlg, ur, v.firma)
                                    : BeregnRapport(res, side.Inddata, dlg, ur, v.firma);
  if (udfald == TRapportUdfald::Afvist) return KodeAfvist;
  if (udfald == TRapportUdfald::Afbrudt) return KodeAfbrudt;

  int kode = KodeOk;
  if (v.udfil.empty()) {
    // Whether the standard output took it all is checked once, at the end
    // of the call.
    for (const auto& linje : res.Rapport) ud << linje << "\n";
  } else {
    kode = MeldGemning(SkrivTekstfil(v.udfil, res.Rapport), v.udfil, dlg);
  }

  if (v.kurver) {
    const std::string basis = Kurvebasis(v, projekt);
    const std::string q = QKurveFilnavn(basis), m = MKurveFilnavn(basis);
    for (const auto& [navn, linjer] : {std::pair{q, &res.QKurver}, std::pair{m, &res.MKurver}})
      if (MeldGemning(SkrivTekstfil(navn, *linjer), navn, dlg) != KodeOk) kode = KodeBrug;
  }

  SkrivNoter(res.Noter, fejl, forstavelse);
  if (kode == KodeOk && res.Noter.Nogen()) kode = KodeAdvarsel;
  return kode;
}

// Every file the call will write, named for the messages.
std::vector<TUddata> Uddata(const TRapportValg& v) {
  std::vector<TUddata> ud;
  const bool flere = v.projekter.size() > 1;
  for (const std::string& p : v.projekter) {
    if (!v.udfil.empty()) ud.push_back({v.udfil, "Rapporten"});
    if (!v.kurver) continue;
    const std::string hvad = flere ? "Kurvedata for " + Projektnavn(p) : "Kurvedata";
    const std::string basis = Kurvebasis(v, p);
    ud.push_back({QKurveFilnavn(basis), hvad});
    ud.push_back({MKurveFilnavn(basis), hvad});
  }
  return ud;
}

}  // namespace

std::variant<TTidspunkt, std::string> LaesDato(const std::string& s) {
  static const char skabelon[] = "dddd-dd-dd,dd:dd:dd";
  bool form = s.size() == 19;
  for (std::size_t i = 0; form && i < 19; ++i)
    form = skabelon[i] == 'd' ? s[i] >= '0' && s[i] <= '9' : s[i] == skabelon[i];
  if (!form) return "--dato skal skrives som \"yyyy-MM-dd,HH:mm:ss\", fx \"2026-03-01,14:05:00\".";
  auto tal = [&](int fra, int n) { return std::stoi(s.substr(fra, n)); };
  TTidspunkt t{tal(0, 4), tal(5, 2), tal(8, 2), tal(11, 2), tal(14, 2), tal(17, 2)};
  const bool skudaar = (t.aar % 4 == 0 && t.aar % 100 != 0) || t.aar % 400 == 0;
  const int dage[] = {31, skudaar ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (t.maaned < 1 || t.maaned > 12 || t.dag < 1 || t.dag > dage[t.maaned - 1])
    return "--dato " + s + " er en umulig dato: " + s.substr(0, 10) + " findes ikke.";
  if (t.time > 23 || t.minut > 59 || t.sekund > 59)
    return "--dato " + s + " er et umuligt klokkeslæt: " + s.substr(11) + " findes ikke.";
  return t;
}

std::optional<std::string> KontrollerDato(const std::string& vaerdi) {
  const auto d = LaesDato(vaerdi);
  if (const auto* tekst = std::get_if<std::string>(&d)) return *tekst;
  return std::nullopt;
}

int RapportKommando(TKald& kald) {
  const auto valg = LaesValg(kald);
  if (const auto* tekst = std::get_if<std::string>(&valg)) return kald.BrugsFejl(*tekst);
  const TRapportValg& v = std::get<TRapportValg>(valg);
  std::unique_ptr<TUr> ur;
  if (v.dato)
    ur = std::make_unique<TFastUr>(*v.dato);
  else
    ur = std::make_unique<TSystemUr>();

  // Curve files need a folder to lie in: beside a device, a named pipe or
  // the standard output there is none.
  if (v.kurver) {
    const std::string udfil = kald.Tekst("-o").value_or("");
    for (const std::string& basis : udfil.empty() ? v.projekter : std::vector{udfil})
      if (!AlmindeligFilEllerNy(basis))
        return kald.BrugsFejl(
            "--kurver gemmer kurvedata ved siden af " +
            std::string(udfil.empty() ? "projektfilen" : "rapportfilen") + ", og " +
            (basis == Standardstroem ? std::string(udfil.empty() ? "standard-input"
                                                                 : "standard-output")
                                     : basis) +
            " er ingen almindelig fil i en mappe.");
  }
  // Nothing is written over a project of the call, nor twice in one file.
  if (const auto sammenstoed = FindSammenstoed(v.projekter, Uddata(v))) {
    TKommandolinjeDialog(kald.fejl).Fejl(*sammenstoed);
    return KodeBrug;
  }

  int samlet = KodeOk;
  const bool flere = v.projekter.size() > 1;
  for (const auto& projekt : v.projekter)
    samlet = AlvorligsteKode(samlet, KoerProjekt(projekt, v, *ur, flere, kald.ud, kald.fejl));
  return samlet;
}

}  // namespace kvistor
