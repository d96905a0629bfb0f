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

// The refusal of a record before any search: the first broken rule.
int Afvist(const TNoegletalResultat& r, std::ostream& fejl) {
  TKommandolinjeDialog dlg(fejl);
  dlg.Fejl(r.Besked);
  return KodeAfvist;
}

}  // namespace

int DimensionerKommando(TKald& kald) {
  std::ostream& ud = kald.ud;
  std::ostream& fejl = kald.fejl;
  int kode = KodeOk;
  const std::optional<Inddata> ind =
      LaesProjekt(kald.projekter.front(), kald.Har("--tolerant"), fejl, kode);
  if (!ind) return kode;
  const bool alle = kald.Har("--alle-klasser");

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

int CharnierKommando(TKald& kald) {
  std::ostream& ud = kald.ud;
  std::ostream& fejl = kald.fejl;
  int kode = KodeOk;
  const std::optional<Inddata> ind =
      LaesProjekt(kald.projekter.front(), kald.Har("--tolerant"), fejl, kode);
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

int KurverKommando(TKald& kald) {
  std::ostream& ud = kald.ud;
  std::ostream& fejl = kald.fejl;
  const std::string& projekt = kald.projekter.front();
  const std::string udfil = *kald.Tekst("-o");
  const std::optional<int> lk = kald.Heltal("--lk");
  const std::optional<int> lt = kald.Heltal("--lt");
  const std::optional<int> aas = kald.Heltal("--aas");
  const int bredde = kald.Heltal("--bredde").value_or(1000);
  std::optional<int> hoejde = kald.Heltal("--hoejde");
  // The picture must never overwrite the project it was drawn from.
  if (udfil != Standardstroem && ErProjektfilen(ProjektIdentitet(projekt), udfil)) {
    fejl << "Fejl: Kurverne kan ikke gemmes oven i projektfilen " << projekt << "\n";
    return KodeBrug;
  }
  int kode = KodeOk;
  const std::optional<Inddata> ind = LaesProjekt(projekt, kald.Har("--tolerant"), fejl, kode);
  if (!ind) return kode;
  const TNoegletalResultat noegletal = BeregnNoegletal(*ind);
  if (noegletal.Udfald == TNoegletalUdfald::Afvist) return Afvist(noegletal, fejl);

  TKommandolinjeDialog dlg(fejl);
  TSupplData sd;
  BestemTvaersnit(*ind, sd);
  std::vector<TTilfaeldeId> tilfaelde;
  if (lk)
    tilfaelde.push_back({aas.value_or(2), *lk, static_cast<char>(*lt)});
  else
    tilfaelde = BoejningsgivendeTilfaelde(*ind, sd, dlg);
  const auto kurver = tilfaelde.empty() ? std::nullopt : BeregnKraftkurver(*ind, sd, tilfaelde, dlg);
  if (!kurver) {
    // A case that the chain does not compute is the user's choice.
    return noegletal.Beregnet() ? KodeBrug : KodeAfbrudt;
  }
  // Without a height: room for each pair of diagrams.
  if (!hoejde) hoejde = std::min(20000, 300 * static_cast<int>(2 * kurver->size()));
  TSvgLaerred svg(bredde, *hoejde);
  TegnKraftkurveDiagram(*kurver, svg, bredde, *hoejde);
  // Whether the standard output took it all is checked at the end of the call.
  if (udfil == Standardstroem) {
    ud << svg.Svg();
  } else if (const TFilUdfald u = SkrivFil(udfil, svg.Svg()); !u) {
    dlg.Fejl(BeskedKanIkkeGemme(udfil, u));
    return KodeBrug;
  }
  return noegletal.Tal.AlleOk() ? KodeOk : KodeIngen;
}

}  // namespace kvistor
