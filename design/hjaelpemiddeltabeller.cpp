#include "design/hjaelpemiddeltabeller.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/tegnsaet.h"
#include "project/katalog.h"
#include "report/resume.h"

namespace kvistor {

const char* const CharnierMaal =
    "Mål: mindst mulig styrende udnyttelse, den største af åsetværsnittets og samlingens.";
const char* const PrisForklaring =
    "Pris/m: relativ pris pr. m³ × tværsnitsareal i m² × 1000.";

namespace {

constexpr const char* CharnierMaal2 =
    "Nedbøjningen skal være OK; ved lighed vælges mindst nedbøjning, så mindst forskydning.";

std::string Bort(std::string s) {
  while (!s.empty() && s.back() == ' ') s.pop_back();
  return s;
}

// "styrende udnyttelse 71 %: åsetværsnit 71 %, samling 20 %, L/710"
std::string Udnyttelser(const TNoegletal& t) {
  return "styrende udnyttelse " + ProcentTekst(std::max(t.UGTvaersnit, t.UGBeslag)) +
         ": åsetværsnit " + ProcentTekst(t.UGTvaersnit) + ", samling " + SamlingTekst(t.UGBeslag) +
         ", " + LuTekst(t.LuMindst);
}

std::string KlasseTekst(const Inddata& ind, bool alle) {
  return alle ? std::string("Alle styrkeklasser") : "Styrkeklasse: " + std::string(KlasseNavn(ind.StyrkeKlasse));
}

std::string Besparelse(double reference, double pris) {
  if (!(reference > 0)) return "";
  return ProcentTekst((reference - pris) / reference);
}

}  // namespace

std::vector<std::string> SkrivTabel(const TTabel& t) {
  std::vector<std::string> ud = t.Hoved;
  if (!t.Overskrifter.empty()) {
    if (!ud.empty()) ud.emplace_back();
    std::vector<std::size_t> bredde(t.Overskrifter.size(), 0);
    for (std::size_t j = 0; j < bredde.size(); ++j) bredde[j] = AntalTegn(t.Overskrifter[j]);
    for (const auto& r : t.Raekker)
      for (std::size_t j = 0; j < r.size() && j < bredde.size(); ++j)
        bredde[j] = std::max(bredde[j], AntalTegn(r[j]));
    auto linje = [&](const std::vector<std::string>& celler) {
      std::string l = " ";
      for (std::size_t j = 0; j < bredde.size(); ++j) {
        const std::string c = j < celler.size() ? celler[j] : std::string();
        const bool hoejre = j < t.Hoejrestillet.size() && t.Hoejrestillet[j];
        l += " " + (hoejre ? UdfyldVenstre(c, bredde[j]) : UdfyldHoejre(c, bredde[j])) + " ";
      }
      return Bort(l);
    };
    ud.push_back(linje(t.Overskrifter));
    for (const auto& r : t.Raekker) ud.push_back(linje(r));
  }
  if (!t.Noter.empty()) {
    if (!ud.empty()) ud.emplace_back();
    ud.insert(ud.end(), t.Noter.begin(), t.Noter.end());
  }
  return ud;
}

std::string ProcentTekst(double ug) {
  if (!std::isfinite(ug)) return "uendelig";
  if (ug > StoerstVisteProcent / 100.0 + 1e-9) return Format("> %d %%", {StoerstVisteProcent});
  return Format("%1.0n %%", {ug * 100});
}

std::string SamlingTekst(double ug) {
  return ug > UGIngenBaereevne ? std::string("bærer ikke") : ProcentTekst(ug);
}

std::string LuTekst(int lu) { return Format("L/%d", {lu}); }

std::string DomTekst(const TNoegletal& t) {
  if (t.AlleOk()) return "OK";
  std::string s;
  auto tilfoej = [&s](const char* d) { s += (s.empty() ? "" : ", ") + std::string(d); };
  if (!t.AasOk) tilfoej("ås");
  if (!t.SamlingOk) tilfoej("samling");
  if (!t.NedbojningOk) tilfoej("nedbøjning");
  return "dumper: " + s;
}

std::string TvaersnitTekst(double h, double b) { return Format("%1.0f x %1.0f mm", {h, b}); }

std::string MeterTekst(std::int32_t mm) { return Format("%1.2n m", {mm / 1000.0}); }

std::string BeslagNavn(int beslag) {
  const TBData* b = BeslagData(beslag);
  return b ? Bort(std::string(b->Navn)) : std::string();
}

std::string PrisTekst(double pris) { return Format("%1.1n", {pris * 1000.0}); }

// ---------------------------------------------------------------------------
// The hinge scan

std::vector<std::size_t> CharnierRaekker(const TCharnierScanning& s, bool hver10cm) {
  std::vector<std::size_t> r;
  const std::optional<std::size_t> valgt = s.Valgt();
  for (std::size_t i = 0; i < s.Kurve.size(); ++i) {
    if (!s.Kandidat(i)) continue;
    const bool saerlig = i == valgt || i == s.Regel17 ||
                         (i + 1 == s.Kurve.size() && s.Slut == TCharnierSlut::OverSkalaen);
    if (hver10cm && s.Kurve[i].ForskydningMm % 100 != 0 && !saerlig) continue;
    r.push_back(i);
  }
  return r;
}

TTabel CharnierTabel(const TCharnierScanning& s, const std::string& projektnavn, bool hver10cm) {
  TTabel t;
  t.Hoved = {"Charnierforskydning: " + projektnavn, CharnierMaal, CharnierMaal2};
  if (s.FraMm > 0)
    t.Hoved.push_back("Forskydninger under " + MeterTekst(s.FraMm) +
                      " er ikke med (for lidt plads til beslag og kipbeslag), undtagen 1/7-reglens.");
  t.Overskrifter = {"Forskydning", "Åsetværsnit", "Samling", "Styrende", "L/u", "Dom", "Bemærkning"};
  t.Hoejrestillet = {true, true, true, true, true, false, false};
  const std::optional<std::size_t> valgt = s.Valgt();
  for (std::size_t i : CharnierRaekker(s, hver10cm)) {
    const TCharnierPunkt& p = s.Kurve[i];
    const TNoegletal& n = p.Resultat.Tal;
    std::string bem;
    auto tilfoej = [&bem](const std::string& b) { bem += (bem.empty() ? "" : ", ") + b; };
    if (i == valgt) tilfoej(s.Bedste ? "bedst" : "mindst dårlig");
    if (i == s.Regel17) tilfoej("1/7-reglen (\"Ja\")");
    if (i + 1 == s.Kurve.size() && s.Slut == TCharnierSlut::OverSkalaen) tilfoej("skanningen stopper");
    if (i == valgt) t.Valgt = t.Raekker.size();
    t.Raekker.push_back({MeterTekst(p.ForskydningMm), ProcentTekst(n.UGTvaersnit), SamlingTekst(n.UGBeslag),
                         ProcentTekst(std::max(n.UGTvaersnit, n.UGBeslag)), LuTekst(n.LuMindst),
                         DomTekst(n), bem});
    // A failing offset may still be the engineer's choice: the report
    // then says so.
    t.Brugbar.push_back(true);
  }

  auto& N = t.Noter;
  if (s.Annulleret) {
    N.push_back("Søgningen blev afbrudt; der er ikke udpeget en bedste forskydning.");
    return t;
  }
  if (!valgt) {
    N.push_back("Ingen charnierforskydning kunne beregnes.");
  } else {
    const TCharnierPunkt& b = s.Kurve[*valgt];
    if (s.Bedste) {
      N.push_back("Bedste charnierforskydning: " + MeterTekst(b.ForskydningMm) + " (" +
                  Udnyttelser(b.Resultat.Tal) + ").");
    } else {
      N.push_back("Ingen charnierforskydning består alle tre kontroller.");
      N.push_back("Mindst dårlige: " + MeterTekst(b.ForskydningMm) + " (" + Udnyttelser(b.Resultat.Tal) +
                  "; " + DomTekst(b.Resultat.Tal) + ").");
    }
    if (b.ForskydningMm < LilleCharnierforskydningMm) N.push_back(AdvarselLilleCharnierforskydning());
    if (const auto f = FladtOptimum(s))
      N.push_back(std::string("Inden for 1 procentpoint af den ") + (s.Bedste ? "bedste" : "mindst dårlige") +
                  ": fra " + MeterTekst(f->FraMm) + " til " + MeterTekst(f->TilMm) + ".");
  }
  if (s.Regel17) {
    const TCharnierPunkt& r = s.Kurve[*s.Regel17];
    N.push_back("1/7-reglen (\"Ja\") giver " + MeterTekst(r.ForskydningMm) + " (" +
                Udnyttelser(r.Resultat.Tal) + ").");
  }
  switch (s.Slut) {
    case TCharnierSlut::OverSkalaen:
      N.push_back("Skanningen stopper ved " + MeterTekst(s.SlutMm) +
                  ", hvor alle udnyttelser er over 999 %.");
      break;
    case TCharnierSlut::Statik: {
      const std::vector<std::string> l = DelLinjer(s.StopBesked);
      N.push_back("Skanningen stopper ved " + MeterTekst(s.SlutMm) + ", hvor beregningen ikke kan gennemføres" +
                  (l.empty() ? std::string(".") : ": " + l.front()));
      break;
    }
    case TCharnierSlut::Spaendvidde:
      break;
  }
  return t;
}

TCharnierKurveData CharnierKurve(const TCharnierScanning& s) {
  TCharnierKurveData d;
  for (const TCharnierPunkt& p : s.Kurve)
    if (p.Resultat.Beregnet())
      d.Punkter.push_back({p.ForskydningMm / 1000.0, p.Resultat.Tal.UGTvaersnitUafrundet,
                           p.Resultat.Tal.UGBeslagUafrundet});
  if (const auto v = s.Valgt()) d.ValgtM = s.Kurve[*v].ForskydningMm / 1000.0;
  d.ValgtBestaar = s.Bedste.has_value();
  if (s.Regel17) d.Regel17M = s.Kurve[*s.Regel17].ForskydningMm / 1000.0;
  d.LilleGraenseM = LilleCharnierforskydningMm / 1000.0;
  return d;
}

// ---------------------------------------------------------------------------
// The section search

TTabel TvaersnitsTabel(const TTvaersnitsSoegning& s, const Inddata& ind, const TTvaersnitsValg& valg) {
  TTabel t;
  t.Hoved = {"Billigste tilstrækkelige tværsnit: " + ind.Projektnavn, KlasseTekst(ind, valg.AlleKlasser),
             PrisGrundlag(valg.Priser),
             "Med projektets charnierforskydning og det første gerberbeslag på listen, hvis samling holder.",
             "Ordnet efter pris pr. m, så areal og højde."};
  if (valg.Supplerende.Nogen()) t.Hoved.push_back(SupplerendeKravTekst(valg.Supplerende));
  t.Overskrifter = {"Tværsnit", "Klasse", "Pris/m", "Åsetværsnit", "Samling", "L/u", "Gerberbeslag"};
  t.Hoejrestillet = {true, false, true, true, true, true, false};
  for (const TTvaersnitsVariant& v : s.Bestaaede) {
    t.Raekker.push_back({TvaersnitTekst(v.Hoejde, v.Bredde), std::string(KlasseNavn(v.StyrkeKlasse)),
                         PrisTekst(v.Pris), ProcentTekst(v.Tal.UGTvaersnit), SamlingTekst(v.Tal.UGBeslag),
                         LuTekst(v.Tal.LuMindst), BeslagNavn(v.Beslag)});
    t.Brugbar.push_back(true);
  }
  if (!t.Raekker.empty()) t.Valgt = 0;
  auto& N = t.Noter;
  N.push_back(PrisForklaring);
  if (s.Annulleret) N.push_back("Søgningen blev afbrudt.");
  if (!s.Bestaaede.empty()) {
    const TTvaersnitsVariant& v = s.Bestaaede.front();
    N.push_back("Bedst: " + TvaersnitTekst(v.Hoejde, v.Bredde) + " " + std::string(KlasseNavn(v.StyrkeKlasse)) +
                ", " + BeslagNavn(v.Beslag) + ".");
  } else if (!s.Annulleret) {
    N.push_back("Intet standardtværsnit er tilstrækkeligt.");
  }
  const long long bestaaede = static_cast<long long>(s.Bestaaede.size());
  std::string taelling =
      Format("%d %s består, %d dumper, %d er sprunget over",
             {bestaaede, std::string(bestaaede == 1 ? "variant" : "varianter"),
              static_cast<long long>(s.AntalDumpede), static_cast<long long>(s.AntalSprunget)});
  if (s.AntalSprunget > 0) taelling += " (intet beslag passer, eller beregningen blev afvist)";
  N.push_back(taelling + ".");
  return t;
}

// ---------------------------------------------------------------------------
// The joint search

TTabel OptimeringsTabel(const TAaseOptimering& o, const Inddata& ind, const TAaseValg& valg) {
  TTabel t;
  auto variantTekst = [](int klasse, double h, double b, int beslag, std::int32_t mm) {
    return TvaersnitTekst(h, b) + " " + std::string(KlasseNavn(klasse)) + ", " + BeslagNavn(beslag) +
           ", charnierforskydning " + MeterTekst(mm);
  };
  if (o.Annulleret)
    t.Hoved.push_back("Søgningen blev afbrudt.");
  else if (o.Bestaaede.empty())
    t.Hoved.push_back("Ingen variant består alle tre kontroller.");
  else {
    const TAaseVariant& v = o.Bestaaede.front();
    t.Hoved.push_back("Bedste: " + variantTekst(v.StyrkeKlasse, v.Hoejde, v.Bredde, v.Beslag, v.ForskydningMm));
  }
  t.Hoved.push_back("Billigste ås: " + ind.Projektnavn);
  t.Hoved.push_back(KlasseTekst(ind, valg.AlleKlasser));
  t.Hoved.push_back(PrisGrundlag(valg.Priser));
  t.Hoved.push_back("Tværsnit, gerberbeslag og charnierforskydning vælges sammen.");
  t.Hoved.push_back("For hvert tværsnit den forskydning, der giver mindst styrende udnyttelse, "
                    "med det første beslag, hvis samling holder.");
  if (valg.Supplerende.Nogen()) t.Hoved.push_back(SupplerendeKravTekst(valg.Supplerende));

  const TAaseReference& ref = o.SomIndtastet;
  const double prisIndtastet = ref.Beregnet && ref.Variant.Bestaar() ? ref.Variant.Pris : 0;
  t.Overskrifter = {"Tværsnit", "Klasse", "Forskydning", "Styrende", "Åsetværsnit", "Samling",
                    "L/u", "Pris/m", "Besparelse", "Gerberbeslag"};
  t.Hoejrestillet = {true, false, true, true, true, true, true, true, true, false};
  for (const TAaseVariant& v : o.Bestaaede) {
    t.Raekker.push_back({TvaersnitTekst(v.Hoejde, v.Bredde), std::string(KlasseNavn(v.StyrkeKlasse)),
                         MeterTekst(v.ForskydningMm), ProcentTekst(std::max(v.Tal.UGTvaersnit, v.Tal.UGBeslag)),
                         ProcentTekst(v.Tal.UGTvaersnit), SamlingTekst(v.Tal.UGBeslag), LuTekst(v.Tal.LuMindst),
                         PrisTekst(v.Pris), Besparelse(prisIndtastet, v.Pris), BeslagNavn(v.Beslag)});
    t.Brugbar.push_back(true);
  }
  if (!t.Raekker.empty()) t.Valgt = 0;

  auto& N = t.Noter;
  N.push_back(PrisForklaring);
  if (o.Annulleret) return t;
  const bool harBedst = !o.Bestaaede.empty();
  const double bedst = harBedst ? o.Bestaaede.front().Pris : 0.0;
  {
    const TAaseVariant& v = ref.Variant;
    std::string l = "Som indtastet: " + variantTekst(v.StyrkeKlasse, v.Hoejde, v.Bredde, v.Beslag, v.ForskydningMm) +
                    "; pris/m " + PrisTekst(v.Pris);
    if (!ref.Beregnet)
      l += "; kan ikke beregnes.";
    else if (!v.Tal.AlleOk())
      l += "; består ikke (" + Udnyttelser(v.Tal) + ").";
    else if (!v.SupplerendeOk)
      l += "; består ikke de supplerende kontroller.";
    else
      l += (harBedst ? "; besparelse " + Besparelse(v.Pris, bedst) : std::string()) + ".";
    N.push_back(l);
  }
  if (o.Regel17) {
    const TTvaersnitsVariant& r = *o.Regel17;
    N.push_back("Bedste tværsnit efter 1/7-reglen: " + TvaersnitTekst(r.Hoejde, r.Bredde) + " " +
                std::string(KlasseNavn(r.StyrkeKlasse)) + ", " + BeslagNavn(r.Beslag) + "; pris/m " +
                PrisTekst(r.Pris) + (harBedst ? "; besparelse " + Besparelse(r.Pris, bedst) : std::string()) + ".");
  } else {
    N.push_back("Efter 1/7-reglen er intet standardtværsnit tilstrækkeligt.");
  }
  if (!o.Bestaaede.empty() && o.Bestaaede.front().ForskydningMm < LilleCharnierforskydningMm)
    N.push_back(AdvarselLilleCharnierforskydning());
  N.push_back(Format("%d af %d standardtværsnit er regnet igennem", {static_cast<long long>(o.AntalRegnet),
                                                                    static_cast<long long>(o.AntalTvaersnit)}) +
              (o.AntalRegnet < o.AntalTvaersnit
                   ? Format("; de øvrige er dyrere end de %d billigste, der består.",
                            {static_cast<long long>(o.Bestaaede.size())})
                   : std::string(".")));
  return t;
}

}  // namespace kvistor
