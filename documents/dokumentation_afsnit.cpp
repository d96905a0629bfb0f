// The calculation document's sections on assumptions, loads, load
// combinations and references: words and tables made from the project
// record, the working record and the calculation.
#include <algorithm>
#include <array>
#include <cmath>

#include "common/format.h"
#include "documents/dokumentation_dele.h"
#include "loads/hastighedstryk.h"
#include "loads/lastkombinationer.h"
#include "project/katalog.h"
#include "purlin/lastkombinationsarter.h"
#include "purlin/tilfaelde.h"
#include "purlin/traemateriale.h"
#include "report/antagelser.h"

namespace kvistor::dokumentation {

std::string Tal(double v, int decimaler) { return FormaterFast(v, decimaler, true); }

TOverskriftBlok Overskrift(int niveau, std::string tekst, std::string maal) {
  TOverskriftBlok o;
  o.Niveau = niveau;
  o.Tekst = std::move(tekst);
  o.Maal = std::move(maal);
  return o;
}

TAfsnitBlok Tekst(std::string tekst, double punkt, bool fed) {
  TAfsnitBlok a;
  a.Tekst = std::move(tekst);
  a.Punkt = punkt;
  a.Fed = fed;
  return a;
}

namespace {

TAfsnitBlok Indleder(std::string tekst) {
  TAfsnitBlok a = Tekst(std::move(tekst));
  a.HoldMedNaeste = true;
  return a;
}

// A table of names and values, the names in the first column.
TTabelBlok Vaerditabel(const std::vector<std::array<std::string, 3>>& raekker) {
  TTabelBlok t;
  t.Bredder = {4.2, 1.8, 4};
  t.Just = {TSatsJust::Venstre, TSatsJust::Hoejre, TSatsJust::Venstre};
  t.Hoved = {{"Størrelse", "Værdi", "Bemærkning"}};
  for (const auto& r : raekker) t.Raekker.push_back({r[0], r[1], r[2]});
  return t;
}

std::string Materialenavn(int styrkeKlasse) {
  return std::string(ErLimtrae(styrkeKlasse) ? "limtræ " : "konstruktionstræ ") +
         StyrkeKlasseData(styrkeKlasse).Navn;
}

// "b–g, h, i" of the letters of a combination's cases.
std::string Bogstaver(const std::vector<char>& b) {
  std::string s;
  for (std::size_t i = 0; i < b.size();) {
    std::size_t j = i;
    while (j + 1 < b.size() && b[j + 1] == b[j] + 1) ++j;
    if (!s.empty()) s += ", ";
    s += b[i];
    if (j >= i + 2) s += std::string("–") + b[j];
    else if (j == i + 1) s += std::string(", ") + b[j];
    i = j + 1;
  }
  return s;
}

}  // namespace

const char* KonsekvensklasseNavn(int sikkl) {
  static const char* const navne[] = {"CC1 (lav)", "CC2 (normal)", "CC3 (høj)"};
  return navne[std::clamp(sikkl, 0, 2)];
}

void TilfoejForudsaetninger(TDokument& d, const TDokumentationsKilde& k) {
  const Inddata& ind = k.ind;
  const TSupplData& sd = k.sd;
  auto& b = d.Blokke;
  b.push_back(Overskrift(1, "Forudsætninger", "forudsaetninger"));

  b.push_back(Overskrift(2, "Konstruktionssystem"));
  const TBData* beslag = BeslagData(ind.Beslag);
  // Catalogue names may end in blanks, which the report keeps and prose does not.
  std::string beslagNavn = beslag ? UdenMarkering(std::string(beslag->Navn)) : "(intet valgt)";
  while (!beslagNavn.empty() && beslagNavn.back() == ' ') beslagNavn.pop_back();
  const int normalfag = ind.AntalFag - 2;
  b.push_back(Tekst(
      "Tagåsene ligger på rammerne som en gerberkæde: hver ås består af stykker, der er samlet i "
      "charnierer lidt til venstre for hver indre ramme, så kæden er statisk bestemt. "
      "Kæden har " + std::to_string(ind.AntalFag) + " fag: to gavlfag med spændvidden " +
      Tal(ind.GavlRammeAfst, 2) + "\u00A0m og " + std::to_string(normalfag) + " normalfag med " +
      Tal(ind.Rammeafstand, 2) + "\u00A0m, og gavludhæng på " + Tal(ind.GavlUdh, 2) +
      "\u00A0m i begge ender; åsen er i alt " + Tal(sd.LTag, 2) + "\u00A0m lang."));
  b.push_back(Tekst(
      "Charniererne sidder " + Tal(ind.CharnForsk, 2) +
      "\u00A0m (charnierforskydningen) til venstre for hver indre ramme. Derved får kæden et kort "
      "endefag (KE) ved den sydlige gavl, mellemfag (MF) og et langt endefag (LE) ved den "
      "nordlige gavl, og resultaterne gives for hver af de tre fagtyper. Hvert charnier udføres "
      "med to gerberbeslag, " + beslagNavn + "."));
  if (ind.KipnMoment != 0)
    b.push_back(Tekst(
        "Åsene afstiver rammerne: fra hver indre ramme føres et regningsmæssigt kipningsmoment "
        "Mkip = " + Tal(ind.KipnMoment, 2) +
        "\u00A0kNm ind i åsen, én ramme ad gangen, og åsen skal derfor være fastgjort til rammerne "
        "for det."));
  else
    b.push_back(Tekst("Der er ikke givet noget kipningsmoment; åsene regnes ikke som afstivning "
                      "af rammerne."));
  b.push_back(Tekst("Tegningerne i afsnittet [Statisk model](#statisk-model) viser tværsnit og "
                    "længdesnit med mål."));

  b.push_back(Overskrift(2, "Geometri"));
  b.push_back(Vaerditabel({
      {"Bygningsbredde", Tal(ind.HusBr, 2) + "\u00A0m", "mellem facadernes ydersider"},
      {"Facadehøjde", Tal(ind.FacHjd, 2) + "\u00A0m", "terræn til tag i facadelinjen"},
      {"Tagvinkel", Tal(ind.TagVink, 0) + "\u00A0°", "saddeltag"},
      {"Tagudhæng ved facade", Tal(ind.FacUdh, 2) + "\u00A0m", "vandret"},
      {"Skrå åseafstand", Tal(ind.AaseAfst, 2) + "\u00A0m", "i tagfladen"},
      {"Antal fag", std::to_string(ind.AntalFag), ""},
      {"Rammeafstand (normalfag)", Tal(ind.Rammeafstand, 2) + "\u00A0m", ""},
      {"Gavlrammeafstand (gavlfag)", Tal(ind.GavlRammeAfst, 2) + "\u00A0m", ""},
      {"Charnierforskydning", Tal(ind.CharnForsk, 2) + "\u00A0m", "charnier til indre ramme"},
      {"Gavludhæng", Tal(ind.GavlUdh, 2) + "\u00A0m", ""},
      {"Åsens længde", Tal(sd.LTag, 2) + "\u00A0m", "mellem gavludhængenes ender"},
      {"Kiphøjde", Tal(sd.HTagKip, 2) + "\u00A0m", "tagfladen i kippen"},
      {"Vindens referencehøjde", Tal(sd.HRef, 2) + "\u00A0m", "overside af åsene i kippen"},
  }));

  b.push_back(Overskrift(2, "Materialer"));
  const TStyrkeKlasse& sk = StyrkeKlasseData(ind.StyrkeKlasse);
  b.push_back(Indleder("Åsene er " + Materialenavn(ind.StyrkeKlasse) + ", tværsnit " +
                       Tal(ind.AaseBredde, 0) + "\u00A0× " + Tal(ind.AaseHojde, 0) +
                       "\u00A0mm (bredde × højde), højden vinkelret på tagfladen."));
  b.push_back(Vaerditabel({
      {"Bøjningsstyrke fm,k", Tal(sk.fmk, 1) + "\u00A0MPa", "karakteristisk"},
      {"Forskydningsstyrke fv,k", Tal(sk.fvk, 1) + "\u00A0MPa", "karakteristisk"},
      {"Elasticitetsmodul E0,mean", Tal(sk.E0mean, 0) + "\u00A0MPa", ""},
      {"Partialkoefficient γM", Tal(sd.GammaM, 2), "træ"},
      {"Partialkoefficient γM for beslag", Tal(sd.GammaMBeslag, 2), ""},
      {"Kipningsfaktor kcr", Tal(sd.kcr, 3), "kiplængde = rammeafstanden"},
      {"fm,d før kmod", Tal(sd.fmd, 2) + "\u00A0MPa", "fm,k · kcr / γM"},
      {"fv,d før kmod", Tal(sd.fvd, 2) + "\u00A0MPa", "fv,k / γM"},
      {"Areal A", Tal(sd.A, 0) + "\u00A0mm²", ""},
      {"Modstandsmoment Wy", Tal(sd.Wy, 0) + "\u00A0mm³", "om den stærke akse"},
      {"Modstandsmoment Wz", Tal(sd.Wz, 0) + "\u00A0mm³", "om den svage akse"},
      {"Inertimoment Iy", Tal(sd.Iy, 0) + "\u00A0mm⁴", ""},
  }));
  b.push_back(Tekst("Gerberbeslag og udsømning: " + beslagNavn + "."));

  b.push_back(Overskrift(2, "Anvendelses- og konsekvensklasse"));
  b.push_back(Tekst("Anvendelsesklasse " + std::to_string(std::clamp(ind.AnvKlasse, 0, 2) + 1) +
                    " (kdef = " + Tal(Kdef(ind.AnvKlasse), 1) + "). Konsekvensklasse " +
                    KonsekvensklasseNavn(ind.Sikkl) + " med KFI = " + Tal(KFI(ind.Sikkl), 1) +
                    " på de variable laster og egenlasten i brudgrænsetilstanden."));

  b.push_back(Overskrift(2, "Normgrundlag"));
  b.push_back(Indleder("Beregningen følger disse udgaver:"));
  b.push_back(TPunktlisteBlok{{std::string("Last: ") + NormudgaveLast +
                               " (EN 1990, EN 1991-1-1, EN 1991-1-3 sne, EN 1991-1-4 vind)",
                           std::string("Træ: ") + NormudgaveTrae + " (EN 1995-1-1)"}});

  b.push_back(Overskrift(2, "Programmets antagelser"));
  b.push_back(Indleder("Programmet bygger på disse antagelser; hver har den nævnte betydning for "
                       "resultatet."));
  TTabelBlok t;
  t.Bredder = {1, 1};
  t.Hoved = {{"Antagelse", "Betydning"}};
  for (const TAntagelse& a : ProgrammetsAntagelser()) t.Raekker.push_back({a.Antagelse, a.Konsekvens});
  b.push_back(t);
}

void TilfoejLaster(TDokument& d, const TDokumentationsKilde& k) {
  const Inddata& ind = k.ind;
  const TSupplData& sd = k.sd;
  auto& b = d.Blokke;
  b.push_back(Overskrift(1, "Laster", "laster"));

  b.push_back(Overskrift(2, "Egenlast"));
  b.push_back(Indleder("Egenlasten regnes pr. m² tagflade:"));
  TTabelBlok eg;
  eg.Bredder = {2.2, 5, 1.6};
  eg.Just = {TSatsJust::Venstre, TSatsJust::Venstre, TSatsJust::Hoejre};
  eg.Hoved = {{"Lag", "Materiale", "kN/m²"}};
  const std::array<std::pair<const char*, std::pair<const TELData*, double>>, 4> lag{{
      {"Tagdækning", {sd.EL1Data, ind.EL1}},
      {"Undertag", {sd.EL2Data, ind.EL2}},
      {"Isolering", {sd.EL3Data, ind.EL3}},
      {"Loftbeklædning", {sd.EL4Data, ind.EL4}},
  }};
  for (std::size_t i = 0; i < lag.size(); ++i) {
    const auto& [navn, v] = lag[i];
    if (i > 0 && v.second <= 0) continue;  // as the report: layers without load are left out
    eg.Raekker.push_back(
        {navn, v.first ? UdenMarkering(std::string(v.first->Navn)) : "", Tal(v.second, 2)});
  }
  eg.Raekker.push_back({"Åse", "egenvægt fordelt på åseafstanden", Tal(sd.AaseEgenlast, 2)});
  eg.Raekker.push_back({"**I alt**", "", "**" + Tal(sd.EgenlastIalt, 2) + "**"});
  b.push_back(eg);

  b.push_back(Overskrift(2, "Snelast"));
  std::string sne = "Sneens karakteristiske terrænværdi er 1,0 kN/m². Med tagvinklen " +
                    Tal(ind.TagVink, 0) + "° er formfaktoren og dermed den normale snelast " +
                    Tal(ind.SneFormFakNormal, 2) + "\u00A0kN/m² på den vandrette projektion.";
  if (!ind.NormSneFormFak)
    sne += " Der er valgt en forhøjet værdi på " + Tal(ind.SneFormFakForhojet, 2) +
           " kN/m², som bruges for jævnt fordelt sne; de skiftende fordelinger bruger den "
           "mindste af den forhøjede og den normale værdi.";
  b.push_back(Tekst(sne));
  b.push_back(Indleder("Sneen fordeles langs åsen på tre måder:"));
  b.push_back(TPunktlisteBlok{{"Sne(0): jævnt fordelt over hele åsen, udhæng medregnet.",
                           "Sne(1): fuld og halv sne fag for fag, fuld på gavludhænget.",
                           "Sne(2): halv og fuld sne fag for fag, halv på gavludhænget."}});

  b.push_back(Overskrift(2, "Vindlast"));
  const TTerrKatData& terr = TerrKatTabel[std::clamp(ind.TerrKat, 0, 3)];
  b.push_back(Vaerditabel({
      {"Terrænkategori", terr.Navn, "z0 = " + Tal(terr.z0, 2) + "\u00A0m, zmin = " + Tal(terr.zmin, 0) + "\u00A0m"},
      {"Afstand til Vesterhavet/Ringkøbing Fjord", Tal(ind.AfstVesterhav, 0) + "\u00A0km", ""},
      {"Basishastighedstryk qb", Tal(BasisHastighedstryk(ind.AfstVesterhav), 2) + "\u00A0kN/m²", ""},
      {"Referencehøjde", Tal(sd.HRef, 2) + "\u00A0m", "overside af åsene i kippen"},
      {"Hastighedstryk udvendigt qku", Tal(sd.qku, 2) + "\u00A0kN/m²", "spidsfaktor kp = 3,5"},
      {"Hastighedstryk indvendigt qki", Tal(sd.qki, 2) + "\u00A0kN/m²", "spidsfaktor kp = 1,5"},
  }));
  b.push_back(Tekst("Formfaktorerne for taget findes for 24 vindretninger og -tilfælde (vind fra "
                    "vest, nord, øst og syd, tryk og sug); hver ås får lasten fra de zoner, dens "
                    "lastbredde dækker."));

  b.push_back(Overskrift(2, "Punktlast"));
  b.push_back(Tekst("En lodret punktlast (mandskabslast) på 1,5 kN placeres i de ugunstigste "
                    "punkter af ås 2 for brud (LK 8) og midt i fagene for nedbøjning (LK 12)."));

  b.push_back(Overskrift(2, "Kipningsmoment"));
  if (ind.KipnMoment != 0)
    b.push_back(Tekst("Det regningsmæssige kipningsmoment Mkip = " + Tal(ind.KipnMoment, 2) +
                      "\u00A0kNm virker ved én indre ramme ad gangen med −0,73·Mkip ved "
                      "understøtningen til venstre for den, sammen med jævnt fordelt sne "
                      "(lastkombination 3, lasttilfælde b–g)."));
  else
    b.push_back(Tekst("Intet (Mkip = 0)."));

  b.push_back(Overskrift(2, "Vind på gavle"));
  double traek = 0, tryk = 0;
  for (const TTilfaelde& c : k.beregning.Tilfaelde)
    for (int t = 1; t <= 3; ++t) {
      traek = std::max(traek, c.FagRes[t].N);
      tryk = std::max(tryk, c.FagRes[t].NTryk);
    }
  if (ind.NormalKraftFaktor != 0)
    b.push_back(Tekst("Åsene fører en del af vinden på gavlene til rammerne som træk og tryk i "
                      "charniererne, skaleret med normalkraftfaktoren " +
                      Tal(ind.NormalKraftFaktor, 1) + ". Største regningsmæssige træk er " +
                      Tal(traek, 2) + "\u00A0kN og største tryk " + Tal(tryk, 2) + "\u00A0kN."));
  else
    b.push_back(Tekst("Normalkraftfaktoren er 0: åsene optager ingen normalkraft fra vind på "
                      "gavlene."));
}

void TilfoejLastkombinationer(TDokument& d, const TDokumentationsKilde& k) {
  const Inddata& ind = k.ind;
  auto& b = d.Blokke;
  b.push_back(Overskrift(1, "Lastkombinationer", "lastkombinationer"));
  b.push_back(Indleder(
      "Partialkoefficienterne er regnet med KFI = " + Tal(KFI(ind.Sikkl), 1) +
      " (undtagen 0,9 g i LK 9). LVK er lastvarighedsklassen, som sammen med anvendelsesklassen "
      "giver kmod; nedbøjningskombinationerne LK 10–12 er karakteristiske, med krybning på "
      "egenlasten."));
  static const char* const varighed[] = {"", "permanent", "lang", "mellemlang", "kort",
                                         "øjeblikkelig", "–"};
  static const char* const nedbojning[] = {"egenlast (1 + kdef) g", "sne s", "punktlast Q"};
  TTabelBlok t;
  t.Bredder = {0.8, 3.6, 0.9, 0.9, 0.9, 0.9, 1.9, 0.9, 1.3, 1.8};
  t.Just = {TSatsJust::Midte, TSatsJust::Venstre, TSatsJust::Hoejre, TSatsJust::Hoejre, TSatsJust::Hoejre,
            TSatsJust::Hoejre, TSatsJust::Venstre, TSatsJust::Hoejre, TSatsJust::Venstre, TSatsJust::Venstre};
  t.Hoved = {{"LK", "Kombination", "γ g", "γ s", "γ w", "γ Q", "LVK", "kmod", "Åse", "Lasttilf."}};
  t.Punkt = 8.5;
  for (int lk = 1; lk <= 13; ++lk) {
    std::vector<int> aase;
    std::vector<char> bogstaver;
    for (char lt = 'a'; lt <= 'x'; ++lt) {
      bool findes = false;
      for (int a = 1; a <= 3; ++a)
        if (TilfaeldeFindes(a, lk, lt)) {
          findes = true;
          if (std::find(aase.begin(), aase.end(), a) == aase.end()) aase.push_back(a);
        }
      if (findes) bogstaver.push_back(lt);
    }
    if (bogstaver.empty()) continue;  // never computed
    std::sort(aase.begin(), aase.end());
    // The factors and kmod as a case of the combination gets them.
    TTilfaelde c;
    BygTilfaelde(c, aase.front(), lk, bogstaver.front(), ind, k.sd);
    auto faktor = [](double f) { return f == 0 ? std::string("–") : Tal(f, 2); };
    std::string aaseTekst;
    for (int a : aase) aaseTekst += (aaseTekst.empty() ? "" : ", ") + std::to_string(a);
    const int lvk = LastVarighedsKlasse(lk);
    t.Raekker.push_back({std::to_string(lk),
                         ErBrudLK(lk) ? LKTekst(lk) : nedbojning[lk - 10],
                         faktor(c.LastfaktorG), faktor(c.LastfaktorS), faktor(c.LastfaktorW),
                         faktor(c.LastfaktorQ), varighed[std::clamp(lvk, 0, 6)],
                         ErBrudLK(lk) ? Tal(c.kmod, 2) : "–", aaseTekst, Bogstaver(bogstaver)});
  }
  b.push_back(t);
  b.push_back(Tekst("Sne(0), Sne(1) og Sne(2) er sneens fordelinger (afsnit [Laster](#laster)); "
                    "lasttilfældene med vind følger vindretningerne, og LK 3 b–g sætter "
                    "kipningsmomentet ved hver sin indre ramme."));
}

void TilfoejReferencer(TDokument& d) {
  auto& b = d.Blokke;
  b.push_back(Overskrift(1, "Referencer", "referencer"));
  b.push_back(TPunktlisteBlok{{
      "DS/EN 1990 Projekteringsgrundlag for bærende konstruktioner, med dansk nationalt anneks.",
      "DS/EN 1991-1-1 Last på bygværker – Densiteter, egenvægt og nyttelast, med dansk "
      "nationalt anneks.",
      "DS/EN 1991-1-3 Last på bygværker – Snelast, med dansk nationalt anneks.",
      "DS/EN 1991-1-4 Last på bygværker – Vindlast, med dansk nationalt anneks.",
      "DS/EN 1995-1-1 Trækonstruktioner – Generelt, med tillæg A1 og dansk nationalt anneks.",
      "DS/EN 338 Konstruktionstræ – Styrkeklasser; DS/EN 14080 Limtræ.",
      "Beslagleverandørernes dokumentation af gerberbeslagenes bæreevner (Simpson, Paslode).",
      "Kvistor, Brugervejledning (følger med programmet).",
  }});
}

}  // namespace kvistor::dokumentation
