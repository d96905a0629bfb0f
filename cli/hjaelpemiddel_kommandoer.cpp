// kvistor-cli dimensioner | charnier | optimer | kurver: the design aids
// without a window. Each reads one project file and prints its table, as
// the design aids make it, in Danish on standard output; kurver writes the
// force diagrams as an SVG picture or a DXF drawing.
// Exit codes: 0 a variant (or the project) passes all three verdicts, 4 none
// does, 2 input refused, 3 calculation aborted, 1 usage or file error, 130
// a search stopped with Ctrl+C.
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/kommandoer.h"
#include "cli/fremdrift.h"
#include "cli/kommandolinjedialog.h"
#include "cli/projektlaesning.h"
#include "cli/uddatakontrol.h"
#include "cli/uddata.h"
#include "design/aaseoptimering.h"
#include "design/charnieroptimering.h"
#include "design/hjaelpemiddeltabeller.h"
#include "design/noegletal.h"
#include "design/priser.h"
#include "design/tvaersnitssoegning.h"
#include "common/filer.h"
#include "graphics/dxf_tegning.h"
#include "graphics/kraftkurvetegning.h"
#include "graphics/svg_laerred.h"
#include "project/inddatafil.h"
#include "project/katalog.h"

namespace kvistor {

namespace {

// No variant passes: the same code as a report with a red note.
constexpr int KodeIngen = KodeAdvarsel;
// A price file is a few lines; anything larger is no price file.
constexpr std::size_t MaksPrisfil = 64 * 1024;

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

// The prices: --priser FIL, else the settings' section [Priser], else the
// defaults. A price file that cannot be read or holds a damaged line
// refuses the call; damaged settings are said, and the defaults used.
std::optional<TPrisTabel> Priser(TKald& kald, int& kode) {
  TKommandolinjeDialog dlg(kald.fejl);
  if (const std::optional<std::string> fil = kald.Tekst("--priser")) {
    std::string tekst;
    if (const TFilUdfald u = LaesFil(*fil, tekst, MaksPrisfil); !u) {
      dlg.Fejl("Prisfilen " + *fil + (u.forStor ? " er for stor til at være en prisfil." : " kan ikke læses.") +
               (u.forStor || u.aarsag.empty() ? std::string() : "\r\n" + u.aarsag));
      kode = u.forStor ? KodeAfvist : KodeBrug;
      return std::nullopt;
    }
    const TPrisLaesning l = LaesPriser(tekst, "Prisfilen " + *fil);
    if (!l.Priser) {
      dlg.Fejl(l.Fejl);
      kode = KodeAfvist;
      return std::nullopt;
    }
    return l.Priser;
  }
  const TPrisLaesning l = LaesPriserFraIndstillinger(kald.Indstillinger(), kald.miljoe.indstillingsfil);
  if (l.Priser) return l.Priser;
  kald.fejl << "Advarsel: " << l.Fejl << "\nStandardpriserne bruges.\n";
  return StandardPriser;
}

// The project for a search that sets the section (and, with `forskydning`,
// the hinge offset) itself: the record must pass its rules apart from them.
std::optional<Inddata> ProjektTilSoegning(TKald& kald, bool forskydning, int& kode) {
  const std::optional<Inddata> ind =
      LaesProjekt(kald.projekter.front(), kald.Har("--tolerant"), kald.fejl, kode);
  if (!ind) return std::nullopt;
  Inddata proeve = *ind;
  proeve.AaseHojde = HojdeTabel[0].Vaerdi;
  proeve.AaseBredde = BreddeTabel[0].Vaerdi;
  if (forskydning) {
    proeve.CharnForskStd = 0;
    proeve.CharnForsk = 0;
  }
  if (const auto afvist = AfvisInddata(proeve)) {
    kode = Afvist(*afvist, kald.fejl);
    return std::nullopt;
  }
  return ind;
}

// --skaerpet, --brand and --sider: what a variant must pass besides the
// three verdicts.
TSupplerendeValg SupplerendeKrav(const TKald& kald) {
  TSupplerendeValg v = IngenSupplerende;
  v.Skaerpet = kald.Har("--skaerpet");
  if (const auto r = kald.Tekst("--brand")) v.BrandMinutter = std::stoi(*r);
  if (const auto n = kald.Tekst("--sider")) v.BrandSider = std::stoi(*n);
  return v;
}

void Skriv(const TTabel& t, std::ostream& ud) {
  for (const std::string& l : SkrivTabel(t)) ud << l << "\n";
}

}  // namespace

namespace {

// A project for a search, and the prices to rank it by.
struct TSoegeGrundlag {
  Inddata Ind;
  TPrisTabel Priser;
};

std::optional<TSoegeGrundlag> SoegeGrundlag(TKald& kald, bool forskydning, int& kode) {
  const std::optional<Inddata> ind = ProjektTilSoegning(kald, forskydning, kode);
  if (!ind) return std::nullopt;
  const std::optional<TPrisTabel> priser = Priser(kald, kode);
  if (!priser) return std::nullopt;
  return TSoegeGrundlag{*ind, *priser};
}

// Runs a search with its progress on a terminal and a clean stop on
// Ctrl+C: nullopt, and the stop told and its exit code in `kode`, when it
// was stopped.
template <class TResultat, class TSoeg>
std::optional<TResultat> SoegMedVisning(TKald& kald, TSoeg soeg, int& kode) {
  TSoegeVisning visning(kald.fejl, kald.miljoe.terminal);
  TResultat r = soeg(visning.Styring());
  if (r.Annulleret) {
    kode = visning.MeldStop();
    return std::nullopt;
  }
  return r;
}

}  // namespace

int DimensionerKommando(TKald& kald) {
  int kode = KodeOk;
  const std::optional<TSoegeGrundlag> g = SoegeGrundlag(kald, false, kode);
  if (!g) return kode;
  TTvaersnitsValg valg;
  valg.AlleKlasser = kald.Har("--alle-klasser");
  valg.Priser = g->Priser;
  valg.Supplerende = SupplerendeKrav(kald);
  const auto s = SoegMedVisning<TTvaersnitsSoegning>(
      kald, [&](const TSoegeStyring& st) { return FindMindsteTvaersnit(g->Ind, valg, st); }, kode);
  if (!s) return kode;
  Skriv(TvaersnitsTabel(*s, g->Ind, valg), kald.ud);
  return s->Bestaaede.empty() ? KodeIngen : KodeOk;
}

int CharnierKommando(TKald& kald) {
  int kode = KodeOk;
  const std::optional<Inddata> ind =
      LaesProjekt(kald.projekter.front(), kald.Har("--tolerant"), kald.fejl, kode);
  if (!ind) return kode;
  // As the other aids: a project that breaks a rule, its own offset's
  // included, is refused.
  if (const auto afvist = AfvisInddata(*ind)) return Afvist(*afvist, kald.fejl);

  TCharnierValg valg;
  valg.Alle = kald.Har("--alle");
  const auto s = SoegMedVisning<TCharnierScanning>(
      kald, [&](const TSoegeStyring& st) { return OptimerCharnierforskydning(*ind, st, valg); },
      kode);
  if (!s) return kode;
  // A scan the calculation stopped before its first offset has no table.
  if (s->Kurve.empty() && s->Slut == TCharnierSlut::Statik) {
    TKommandolinjeDialog(kald.fejl).Fejl(s->StopBesked);
    return KodeAfbrudt;
  }
  Skriv(CharnierTabel(*s, ind->Projektnavn, true), kald.ud);
  return s->Bedste ? KodeOk : KodeIngen;
}

int OptimerKommando(TKald& kald) {
  int kode = KodeOk;
  const std::optional<TSoegeGrundlag> g = SoegeGrundlag(kald, true, kode);
  if (!g) return kode;
  TAaseValg valg;
  valg.AlleKlasser = kald.Har("--alle-klasser");
  valg.Priser = g->Priser;
  valg.Supplerende = SupplerendeKrav(kald);
  const auto o = SoegMedVisning<TAaseOptimering>(
      kald, [&](const TSoegeStyring& st) { return FindBilligsteAas(g->Ind, valg, st); }, kode);
  if (!o) return kode;
  Skriv(OptimeringsTabel(*o, g->Ind, valg), kald.ud);
  return o->Bestaaede.empty() ? KodeIngen : KodeOk;
}

int KurverKommando(TKald& kald) {
  std::ostream& fejl = kald.fejl;
  const std::string& projekt = kald.projekter.front();
  const std::string udfil = *kald.Tekst("-o");
  const std::optional<int> lk = kald.Heltal("--lk");
  const std::optional<int> lt = kald.Heltal("--lt");
  const std::optional<int> aas = kald.Heltal("--aas");
  const int bredde = kald.Heltal("--bredde").value_or(1000);
  std::optional<int> hoejde = kald.Heltal("--hoejde");
  // The picture must never overwrite the project it was drawn from.
  if (const auto sammenstoed = FindSammenstoed({projekt}, {{udfil, "Kurverne"}})) {
    TKommandolinjeDialog(fejl).Fejl(*sammenstoed);
    return KodeBrug;
  }
  const auto format = BestemTegneformat(kald);
  if (const auto* tekst = std::get_if<std::string>(&format)) return kald.BrugsFejl(*tekst);
  int kode = KodeOk;
  const std::optional<Inddata> ind = LaesProjekt(projekt, kald.Har("--tolerant"), fejl, kode);
  if (!ind) return kode;
  const TNoegletalResultat noegletal = BeregnNoegletal(*ind);
  if (noegletal.Udfald == TNoegletalUdfald::Afvist) return Afvist(noegletal, fejl);

  TKommandolinjeDialog dlg(fejl);
  std::vector<TTilfaeldeId> tilfaelde;
  if (lk)
    tilfaelde.push_back({aas.value_or(2), *lk, static_cast<char>(*lt)});
  else
    tilfaelde = BoejningsgivendeTilfaelde(*ind, dlg);
  const auto kurver = tilfaelde.empty() ? std::nullopt : BeregnKraftkurver(*ind, tilfaelde, dlg);
  if (!kurver) {
    // A case that the chain does not compute is the user's choice.
    return noegletal.Beregnet() ? KodeBrug : KodeAfbrudt;
  }
  if (std::get<TTegneformat>(format) == TTegneformat::Dxf) {
    if (const int k = SkrivUddata(kald, udfil, DxfKraftkurver(*kurver).Dxf, dlg); k != KodeOk)
      return k;
  } else {
    // Without a height: room for each pair of diagrams.
    if (!hoejde) hoejde = std::min(20000, 300 * static_cast<int>(2 * kurver->size()));
    TSvgLaerred svg(bredde, *hoejde);
    TegnKraftkurveDiagram(*kurver, svg, bredde, *hoejde);
    if (const int k = SkrivUddata(kald, udfil, svg.Svg(), dlg); k != KodeOk) return k;
  }
  return noegletal.Tal.AlleOk() ? KodeOk : KodeIngen;
}

}  // namespace kvistor
