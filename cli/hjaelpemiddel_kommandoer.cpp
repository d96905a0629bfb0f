// kvistor-cli dimensioner | charnier | kurver: the design aids without a
// window. Each reads one project file and prints its table in Danish on
// standard output; kurver writes the force diagrams as an SVG picture.
// Exit codes: 0 a variant (or the project) passes all three verdicts, 4 none
// does, 2 input refused, 3 calculation aborted, 1 usage or file error.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/kommandoer.h"
#include "cli/kommandolinjedialog.h"
#include "cli/projektlaesning.h"
#include "design/charnieroptimering.h"
#include "design/noegletal.h"
#include "design/tvaersnitssoegning.h"
#include "common/format.h"
#include "common/tegnsaet.h"
#include "graphics/kraftkurvetegning.h"
#include "graphics/svg_laerred.h"
#include "calculation/tvaersnit_byg.h"
#include "project/inddatafil.h"
#include "project/katalog.h"
#include "report/resume.h"

namespace kvistor {

namespace {

// No variant passes: the same code as a report with a red note.
constexpr int KodeIngen = KodeAdvarsel;

const char* const HjaelpDimensioner =
    "Brug: kvistor-cli dimensioner PROJEKT.aid [--alle-klasser] [--tolerant]\n"
    "\n"
    "Finder det mindste tilstrækkelige åsetværsnit for projektet: hver standardhøjde\n"
    "og -bredde i projektets styrkeklasse (med --alle-klasser i alle styrkeklasser)\n"
    "beregnes med det første gerberbeslag på beslaglisten, hvis samling holder.\n"
    "Varianterne, der består alle tre kontroller (åsetværsnit, samling og\n"
    "nedbøjning), vises ordnet efter tværsnitsareal og højde, den bedste først;\n"
    "de øvrige tælles.\n"
    "\n"
    "Slutkode 0 når mindst én variant består, 4 når ingen gør, 2 når inddata\n"
    "afvises, 1 ved forkert brug eller en fil, der ikke kan læses.\n";

const char* const HjaelpCharnier =
    "Brug: kvistor-cli charnier PROJEKT.aid [--tolerant]\n"
    "\n"
    "Beregner projektet med egen charnierforskydning (\"Nej\") fra 0 m til lige under\n"
    "gavlrammeafstanden i skridt på 10 mm og viser den forskydning, der giver den\n"
    "mindste største udnyttelsesgrad (først bøjning/forskydning, så samling), med\n"
    "en tabel over udnyttelsen for hver 10 cm, så det ses hvor fladt optimum er,\n"
    "og hvor 1/7-reglen (\"Ja\") ligger på kurven.\n"
    "\n"
    "Slutkode 0 når mindst én forskydning består alle tre kontroller, 4 når ingen\n"
    "gør, 2 når inddata afvises, 1 ved forkert brug eller en fil, der ikke kan læses.\n";

const char* const HjaelpKurver =
    "Brug: kvistor-cli kurver PROJEKT.aid -o FIL.svg [--lk N --lt X --aas N]\n"
    "                        [--bredde B --hoejde H] [--tolerant]\n"
    "\n"
    "Tegner forskydningskraft- og momentkurverne langs hele åsen med understøtninger,\n"
    "charnierer og ekstremværdier som SVG-fil. Uden --lk og --lt tegnes det\n"
    "lasttilfælde, der er dimensionsgivende for bøjning i hver fagtype (KE, MF, LE).\n"
    "  --lk N     lastkombination 1-12.\n"
    "  --lt X     lasttilfælde a-x.\n"
    "  --aas N    ås 1-3 (standard 2).\n"
    "  --bredde B, --hoejde H   billedets størrelse i pixel.\n"
    "  -o -       skriver billedet på standard-output.\n"
    "\n"
    "Slutkode 0 når projektet består alle tre kontroller, 4 når en rød advarsel\n"
    "vises, 2 når inddata afvises, 3 når beregningen afbrydes, 1 ved forkert brug\n"
    "eller en fil, der ikke kan læses eller skrives.\n";

std::string Procent(double ug) { return Format("%1.0n %%", {ug * 100}); }

// The joint: above UGIngenBaereevne the hanger takes nothing of a force.
std::string ProcentSamling(double ug) {
  return ug > UGIngenBaereevne ? "bærer ikke" : Procent(ug);
}

std::string Lu(int lu) { return Format("L/%d", {lu}); }

std::string Dom(const TNoegletal& t) {
  if (t.AlleOk()) return "OK";
  std::string s;
  auto tilfoej = [&s](const char* d) { s += (s.empty() ? "" : ", ") + std::string(d); };
  if (!t.AasOk) tilfoej("ås");
  if (!t.SamlingOk) tilfoej("samling");
  if (!t.NedbojningOk) tilfoej("nedbøjning");
  return "dumper: " + s;
}

std::string Klasse(int k) {
  if (k < 0 || k >= static_cast<int>(StyrkeKlasseTekster.size())) return "?";
  std::string t(StyrkeKlasseTekster[static_cast<std::size_t>(k)]);
  while (!t.empty() && (t.back() == '#' || t.back() == ' ')) t.pop_back();
  return t;
}

std::string Meter(std::int32_t mm) { return Format("%1.2n m", {mm / 1000.0}); }

// Reads the project file once ("-": the standard input); a value the reader
// had to substitute refuses the file unless --tolerant. nullopt and the exit
// code when it cannot be used.
std::optional<Inddata> LaesProjekt(const std::string& sti, bool tolerant, std::ostream& fejl,
                                   int& kode) {
  TKommandolinjeDialog dlg(fejl);
  TInddataside side = NyInddataside();
  kode = LaesProjektTilKommando(sti, tolerant, side, dlg);
  if (kode != KodeOk) return std::nullopt;
  return side.Inddata;
}

// One project file and the options the command knows; false on a usage
// error (after the message).
bool LaesArgumenter(const std::vector<std::string>& a, const std::vector<std::string>& flag,
                    const std::vector<std::string>& medVaerdi, std::string& projekt,
                    std::vector<std::pair<std::string, std::string>>& valg, const char* hjaelp,
                    std::ostream& fejl) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    const std::string& x = a[i];
    if (std::find(flag.begin(), flag.end(), x) != flag.end()) {
      valg.emplace_back(x, "");
    } else if (std::find(medVaerdi.begin(), medVaerdi.end(), x) != medVaerdi.end()) {
      if (i + 1 >= a.size() || a[i + 1].empty()) {
        fejl << "Fejl: " << x << " mangler sin værdi.\n" << hjaelp;
        return false;
      }
      valg.emplace_back(x, a[++i]);
    } else if (x.size() > 1 && x[0] == '-' && x != Standardstroem) {
      fejl << "Fejl: ukendt tilvalg " << x << ".\n" << hjaelp;
      return false;
    } else if (projekt.empty()) {
      projekt = x;
    } else {
      fejl << "Fejl: kun én projektfil ad gangen.\n" << hjaelp;
      return false;
    }
  }
  if (projekt.empty()) {
    fejl << "Fejl: projektfilen mangler.\n" << hjaelp;
    return false;
  }
  return true;
}

bool Har(const std::vector<std::pair<std::string, std::string>>& valg, const std::string& navn) {
  return std::any_of(valg.begin(), valg.end(), [&](const auto& v) { return v.first == navn; });
}

bool BedtOmHjaelp(const std::vector<std::string>& a) {
  return std::find(a.begin(), a.end(), "--help") != a.end() ||
         std::find(a.begin(), a.end(), "-h") != a.end();
}

// The refusal of a record before any search: the first broken rule.
int Afvist(const TNoegletalResultat& r, std::ostream& fejl) {
  TKommandolinjeDialog dlg(fejl);
  dlg.Fejl(r.Besked);
  return KodeAfvist;
}

std::optional<int> LaesHeltalIOmraade(const std::string& s, int fra, int til) {
  if (s.empty() || s.size() > 6) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  if (v < fra || v > til) return std::nullopt;
  return v;
}

}  // namespace

int DimensionerKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                        std::ostream& fejl) {
  if (BedtOmHjaelp(argumenter)) {
    ud << HjaelpDimensioner;
    return KodeOk;
  }
  std::string projekt;
  std::vector<std::pair<std::string, std::string>> valg;
  if (!LaesArgumenter(argumenter, {"--alle-klasser", "--tolerant"}, {}, projekt, valg, HjaelpDimensioner, fejl))
    return KodeBrug;
  int kode = KodeOk;
  const std::optional<Inddata> ind = LaesProjekt(projekt, Har(valg, "--tolerant"), fejl, kode);
  if (!ind) return kode;
  const bool alle = Har(valg, "--alle-klasser");

  // The record must pass its rules apart from the section the search sets.
  Inddata proeve = *ind;
  proeve.AaseHojde = HojdeTabel[0].Vaerdi;
  proeve.AaseBredde = BreddeTabel[0].Vaerdi;
  if (const auto afvist = AfvisInddata(proeve)) return Afvist(*afvist, fejl);

  const TTvaersnitsSoegning s = FindMindsteTvaersnit(*ind, alle);
  ud << "Mindste tilstrækkelige tværsnit: " << ind->Projektnavn << "\n";
  ud << (alle ? std::string("Alle styrkeklasser") : "Styrkeklasse: " + Klasse(ind->StyrkeKlasse))
     << "\n\n";
  if (s.Bestaaede.empty()) {
    ud << "Intet standardtværsnit er tilstrækkeligt.\n";
  } else {
    ud << "  Tværsnit      Styrkeklasse            Bøjn./forsk.    Samling      L/u  Gerberbeslag\n";
    for (const TTvaersnitsVariant& v : s.Bestaaede) {
      const std::string snit = Format("%1.0f x %1.0f mm", {v.Hoejde, v.Bredde});
      const TBData* b = BeslagData(v.Beslag);
      ud << "  " << UdfyldHoejre(snit, 14) << UdfyldHoejre(Klasse(v.StyrkeKlasse), 24)
         << UdfyldVenstre(Procent(v.Tal.UGTvaersnit), 12)
         << UdfyldVenstre(ProcentSamling(v.Tal.UGBeslag), 11) << UdfyldVenstre(Lu(v.Tal.LuMindst), 9)
         << "  " << (b ? std::string(b->Navn) : std::string()) << "\n";
    }
    const TTvaersnitsVariant& v = s.Bestaaede.front();
    ud << "\nBedst: " << Format("%1.0f x %1.0f mm", {v.Hoejde, v.Bredde}) << ", "
       << Klasse(v.StyrkeKlasse) << ".\n";
  }
  const long long bestaaede = static_cast<long long>(s.Bestaaede.size());
  ud << Format("%d %s består, %d dumper, %d er sprunget over",
               {bestaaede, std::string(bestaaede == 1 ? "variant" : "varianter"),
                static_cast<long long>(s.AntalDumpede), static_cast<long long>(s.AntalSprunget)});
  if (s.AntalSprunget > 0) ud << " (intet beslag passer, eller beregningen blev afvist)";
  ud << ".\n";
  return s.Bestaaede.empty() ? KodeIngen : KodeOk;
}

int CharnierKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                     std::ostream& fejl) {
  if (BedtOmHjaelp(argumenter)) {
    ud << HjaelpCharnier;
    return KodeOk;
  }
  std::string projekt;
  std::vector<std::pair<std::string, std::string>> valg;
  if (!LaesArgumenter(argumenter, {"--tolerant"}, {}, projekt, valg, HjaelpCharnier, fejl)) return KodeBrug;
  int kode = KodeOk;
  const std::optional<Inddata> ind = LaesProjekt(projekt, Har(valg, "--tolerant"), fejl, kode);
  if (!ind) return kode;
  Inddata proeve = *ind;
  proeve.CharnForskStd = 0;
  proeve.CharnForsk = 0;
  if (const auto afvist = AfvisInddata(proeve)) return Afvist(*afvist, fejl);

  const TCharnierScanning s = OptimerCharnierforskydning(*ind);
  ud << "Charnierforskydning: " << ind->Projektnavn << "\n\n";
  ud << "  Forskydning  Bøjn./forsk.    Samling      L/u  Dom\n";
  for (std::size_t i = 0; i < s.Kurve.size(); ++i) {
    const TCharnierPunkt& p = s.Kurve[i];
    const bool bedst = s.Bedste && *s.Bedste == i;
    const bool regel = s.Regel17 && *s.Regel17 == i;
    if (p.ForskydningMm % 100 != 0 && !bedst && !regel) continue;
    ud << "  " << UdfyldVenstre(Meter(p.ForskydningMm), 11);
    if (p.Resultat.Beregnet()) {
      const TNoegletal& t = p.Resultat.Tal;
      ud << UdfyldVenstre(Procent(t.UGTvaersnit), 15) << UdfyldVenstre(ProcentSamling(t.UGBeslag), 11)
         << UdfyldVenstre(Lu(t.LuMindst), 9) << "  " << Dom(t);
    } else {
      ud << "  ikke beregnet: " << DelLinjer(p.Resultat.Besked).front();
    }
    if (bedst) ud << "  <- bedst";
    if (regel) ud << "  <- 1/7-reglen (\"Ja\")";
    ud << "\n";
  }
  ud << "\n";
  if (!s.Bedste) {
    ud << "Ingen charnierforskydning kunne beregnes.\n";
    return KodeIngen;
  }
  const TCharnierPunkt& b = s.Kurve[*s.Bedste];
  ud << "Bedste charnierforskydning: " << Meter(b.ForskydningMm) << " (bøjning/forskydning "
     << Procent(b.Resultat.Tal.UGTvaersnit) << ", samling " << ProcentSamling(b.Resultat.Tal.UGBeslag)
     << ", " << Lu(b.Resultat.Tal.LuMindst) << ", " << Dom(b.Resultat.Tal) << ").\n";
  if (b.ForskydningMm < LilleCharnierforskydningMm)
    ud << AdvarselLilleCharnierforskydning() << "\n";
  // How flat the optimum is: the offsets next to it within one percentage
  // point of its bending/shear utilisation.
  std::size_t fra = *s.Bedste, til = *s.Bedste;
  auto naer = [&](std::size_t i) {
    return s.Kurve[i].Resultat.Beregnet() &&
           s.Kurve[i].Resultat.Tal.UGTvaersnit <= b.Resultat.Tal.UGTvaersnit + 0.01 + 1e-9;
  };
  while (fra > 0 && naer(fra - 1)) --fra;
  while (til + 1 < s.Kurve.size() && naer(til + 1)) ++til;
  ud << "Inden for 1 procentpoint af den bedste fra " << Meter(s.Kurve[fra].ForskydningMm)
     << " til " << Meter(s.Kurve[til].ForskydningMm) << ".\n";
  if (s.Regel17) {
    const TCharnierPunkt& r = s.Kurve[*s.Regel17];
    ud << "1/7-reglen (\"Ja\") giver " << Meter(r.ForskydningMm);
    if (r.Resultat.Beregnet())
      ud << " med bøjning/forskydning " << Procent(r.Resultat.Tal.UGTvaersnit) << ", samling "
         << ProcentSamling(r.Resultat.Tal.UGBeslag) << ", " << Lu(r.Resultat.Tal.LuMindst);
    ud << ".\n";
  }
  const bool nogenOk = std::any_of(s.Kurve.begin(), s.Kurve.end(), [](const TCharnierPunkt& p) {
    return p.Resultat.Beregnet() && p.Resultat.Tal.AlleOk();
  });
  if (!nogenOk) ud << "Ingen charnierforskydning består alle tre kontroller.\n";
  return nogenOk ? KodeOk : KodeIngen;
}

int KurverKommando(const std::vector<std::string>& argumenter, std::ostream& ud,
                   std::ostream& fejl) {
  if (BedtOmHjaelp(argumenter)) {
    ud << HjaelpKurver;
    return KodeOk;
  }
  std::string projekt;
  std::vector<std::pair<std::string, std::string>> valg;
  if (!LaesArgumenter(argumenter, {"--tolerant"}, {"-o", "--lk", "--lt", "--aas", "--bredde", "--hoejde"},
                      projekt, valg, HjaelpKurver, fejl))
    return KodeBrug;
  std::string udfil;
  std::optional<int> lk, aas;
  std::optional<char> lt;
  int bredde = 1000, hoejde = 0;
  for (const auto& [navn, v] : valg) {
    if (navn == "-o") {
      udfil = v;
    } else if (navn == "--lt") {
      if (v.size() != 1 || v[0] < 'a' || v[0] > 'x') {
        fejl << "Fejl: --lt skal være et bogstav fra a til x.\n";
        return KodeBrug;
      }
      lt = v[0];
    } else {
      const bool erLk = navn == "--lk", erAas = navn == "--aas";
      const std::optional<int> tal =
          LaesHeltalIOmraade(v, 1, erLk ? 12 : erAas ? 3 : 20000);
      if (!tal) {
        fejl << "Fejl: ugyldig værdi til " << navn << ": " << v << "\n";
        return KodeBrug;
      }
      if (erLk)
        lk = *tal;
      else if (erAas)
        aas = *tal;
      else if (navn == "--bredde")
        bredde = *tal;
      else
        hoejde = *tal;
    }
  }
  if (udfil.empty()) {
    fejl << "Fejl: -o FIL.svg mangler.\n" << HjaelpKurver;
    return KodeBrug;
  }
  if (lk.has_value() != lt.has_value() || (aas && !lk)) {
    fejl << "Fejl: --lk og --lt angives sammen (og --aas kun med dem).\n" << HjaelpKurver;
    return KodeBrug;
  }
  // The picture must never overwrite the project it was drawn from.
  if (udfil != Standardstroem && ErProjektfilen(ProjektIdentitet(projekt), udfil)) {
    fejl << "Fejl: Kurverne kan ikke gemmes oven i projektfilen " << projekt << "\n";
    return KodeBrug;
  }
  int kode = KodeOk;
  const std::optional<Inddata> ind = LaesProjekt(projekt, Har(valg, "--tolerant"), fejl, kode);
  if (!ind) return kode;
  const TNoegletalResultat noegletal = BeregnNoegletal(*ind);
  if (noegletal.Udfald == TNoegletalUdfald::Afvist) return Afvist(noegletal, fejl);

  TKommandolinjeDialog dlg(fejl);
  TSupplData sd;
  BestemTvaersnit(*ind, sd);
  std::vector<TTilfaeldeId> tilfaelde;
  if (lk)
    tilfaelde.push_back({aas.value_or(2), *lk, *lt});
  else
    tilfaelde = BoejningsgivendeTilfaelde(*ind, sd, dlg);
  const auto kurver = tilfaelde.empty() ? std::nullopt : BeregnKraftkurver(*ind, sd, tilfaelde, dlg);
  if (!kurver) {
    // A case that the chain does not compute is the user's choice.
    return noegletal.Beregnet() ? KodeBrug : KodeAfbrudt;
  }
  if (hoejde == 0) hoejde = std::min(20000, 300 * static_cast<int>(2 * kurver->size()));
  TSvgLaerred svg(bredde, hoejde);
  TegnKraftkurveDiagram(*kurver, svg, bredde, hoejde);
  if (udfil == Standardstroem) {
    ud << svg.Svg();
    ud.flush();
    if (!ud) {
      dlg.Fejl("Kurverne kan ikke skrives på standard-output.");
      return KodeBrug;
    }
  } else if (const TFilUdfald u = SkrivFil(udfil, svg.Svg()); !u) {
    dlg.Fejl(BeskedKanIkkeGemme(udfil, u));
    return KodeBrug;
  } else if (!u.note.empty()) {
    dlg.Advarsel(u.note);
  }
  return noegletal.Tal.AlleOk() ? KodeOk : KodeIngen;
}

}  // namespace kvistor
