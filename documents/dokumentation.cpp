#include "documents/dokumentation.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "common/filer.h"
#include "common/sha256.h"
#include "common/version.h"
#include "calculation/brandkontrol.h"
#include "calculation/kraftkurver.h"
#include "calculation/projektberegning.h"
#include "calculation/tvaersnit_byg.h"
#include "documents/dokumentation_dele.h"
#include "documents/pdfsprog.h"
#include "graphics/kontroltegning.h"
#include "graphics/kraftkurvetegning.h"
#include "loads/lastkombinationer.h"
#include "report/brandafsnit.h"
#include "report/hoved.h"
#include "report/visresultat.h"

namespace kvistor {

using namespace dokumentation;

namespace {

constexpr TFarve Titelfarve{0x1d, 0x3c, 0x6e};
constexpr TFarve Graa{0x59, 0x59, 0x59};
constexpr TFarve Linjefarve{0x99, 0x99, 0x99};

// The runs after the first repeat what the first has already said and
// answered; they say nothing and go on.
class TStilleDialog : public TBrugerDialog {
 public:
  TSvar Meddel(TBeskedArt, const std::string&, const std::string&, TKnapper k) override {
    return k == TKnapper::Ok || k == TKnapper::OkAnnuller ? TSvar::Ok : TSvar::Ja;
  }
  std::optional<std::string> AabnFilnavn(const TFilDialog&) override { return std::nullopt; }
  std::optional<std::string> GemFilnavn(const TFilDialog&) override { return std::nullopt; }
};

std::string Dato(const TTidspunkt& t) {
  char b[16];
  std::snprintf(b, sizeof b, "%04d-%02d-%02d", t.aar, t.maaned, t.dag);
  return b;
}

std::string ProgramNavn() { return "Kvistor " + std::string(ProgramVersion); }

// A text cut with an ellipsis to fit a width.
std::string Afkort(TPdfDokument& pdf, std::string s, const TSkrift& skrift, double bredde) {
  if (TekstBredde(pdf, s, skrift) <= bredde) return s;
  while (!s.empty()) {
    // One character off the end: its continuation bytes, then its first.
    while (!s.empty() && (static_cast<unsigned char>(s.back()) & 0xC0) == 0x80) s.pop_back();
    if (!s.empty()) s.pop_back();
    if (TekstBredde(pdf, s + "…", skrift) <= bredde) return s + "…";
  }
  return s;
}

// "Udført af" or "Kontrolleret af": the name, the date and the signature,
// each on its own line with a small caption below; an empty line where no
// name is given, to be written by hand.
TFriBlok Underskriftsfelt(std::string rolle, std::string navn, std::string dato) {
  TFriBlok f;
  f.Hoejde = 44;
  f.Tegn = [rolle, navn, dato](TPdfDokument& pdf, double x, double y, double bredde) {
    const TSkrift fed{SkriftSans, 10, true};
    const TSkrift normal{SkriftSans, 10.5};
    const TSkrift lille{SkriftSans, 8, false, false};
    SkrivTekst(pdf, x, y + 10, rolle, fed, TTekstJust::Venstre, Titelfarve);
    const double linje = y + 30;
    const double felter[3][2] = {{x, x + 0.42 * bredde},
                                 {x + 0.46 * bredde, x + 0.62 * bredde},
                                 {x + 0.66 * bredde, x + bredde}};
    const char* const navne[3] = {"Navn", "Dato", "Underskrift"};
    const std::string tekster[3] = {navn, dato, ""};
    for (int i = 0; i < 3; ++i) {
      TegnStreg(pdf, felter[i][0], linje, felter[i][1], linje, 0.6, {});
      SkrivTekst(pdf, felter[i][0], linje + 9, navne[i], lille, TTekstJust::Venstre, Graa);
      if (!tekster[i].empty())
        SkrivTekst(pdf, felter[i][0] + 2, linje - 4,
                   Afkort(pdf, tekster[i], normal, felter[i][1] - felter[i][0] - 4), normal);
    }
  };
  return f;
}

void TilfoejForside(TDokument& d, const TDokumentationsKilde& k) {
  const TDokumentationsGrundlag& g = k.g;
  const Inddata& ind = k.ind;
  auto& b = d.Blokke;
  b.push_back(TLuftBlok{56});
  TAfsnitBlok titel = Tekst(DokumentTitel, 26, true);
  titel.Farve = Titelfarve;
  titel.LuftEfter = 8;
  b.push_back(titel);
  TAfsnitBlok under = Tekst(DokumentUndertitel, 14);
  under.LuftEfter = 26;
  b.push_back(under);

  auto vis = [](const std::string& s) { return s.empty() ? std::string("–") : UdenMarkering(s); };
  TTabelBlok t;
  t.Bredder = {1.25, 3};
  t.Punkt = 10;
  t.Raekker = {
      {"**Projekt**", vis(ind.Projektnavn)},
      {"**Afsnit**", vis(ind.Bygningsdel)},
      {"**Sagsnummer**", vis(g.Navne.Sag)},
      {"**Firma**", vis(k.firma)},
      {"**Konsekvensklasse**",
       std::string(KonsekvensklasseNavn(ind.Sikkl)) + ", KFI = " + Tal(KFI(ind.Sikkl), 1)},
      {"**Program**", ProgramNavn()},
      {"**Projektfil**", vis(g.Projektfil) + ", SHA-256 " +
                             Sha256Hex(g.ProjektBytes).substr(0, 12) + " (de første 12 cifre)"},
      {"**Dato**", k.dato},
  };
  b.push_back(t);
  // The sign-off at the foot of the cover.
  b.push_back(TFyldBlok{});

  const std::string datoUdfoert = g.Navne.UdfoertAf.empty() ? "" : k.dato;
  const std::string datoKontrol = g.Navne.KontrolleretAf.empty() ? "" : k.dato;
  b.push_back(Underskriftsfelt("Udført af", g.Navne.UdfoertAf, datoUdfoert));
  b.push_back(TLuftBlok{10});
  b.push_back(Underskriftsfelt("Kontrolleret af", g.Navne.KontrolleretAf, datoKontrol));
  b.push_back(TLuftBlok{26});

  TAfsnitBlok rev = Tekst("Revisioner", 11, true);
  rev.Farve = Titelfarve;
  rev.HoldMedNaeste = true;
  rev.LuftEfter = 3;
  b.push_back(rev);
  TTabelBlok r;
  r.Bredder = {0.6, 1.3, 3, 2, 2};
  r.Hoved = {{"Rev.", "Dato", "Beskrivelse", "Udført", "Kontrolleret"}};
  if (g.Revisioner.empty()) {
    r.Raekker.push_back({"0", k.dato, "Første udgave", UdenMarkering(g.Navne.UdfoertAf),
                         UdenMarkering(g.Navne.KontrolleretAf)});
  } else {
    for (const TRevision& v : g.Revisioner)
      r.Raekker.push_back({UdenMarkering(v.Rev), UdenMarkering(v.Dato),
                           UdenMarkering(v.Beskrivelse), UdenMarkering(v.UdfoertAf),
                           UdenMarkering(v.KontrolleretAf)});
  }
  b.push_back(r);
}

void TilfoejStatiskModel(TDokument& d, const TDokumentationsKilde& k) {
  auto& b = d.Blokke;
  b.push_back(Overskrift(1, "Statisk model", "statisk-model"));
  b.push_back(Tekst(
      "Kontroltegningerne er tegnet af programmet ud fra projektets inddata. Tværsnittet viser "
      "bygningen med de tre regnede åse og deres lastbredder og en ås forstørret med de positive "
      "reaktioners retninger; længdesnittet viser gerberkæden med charnierer og understøtninger, "
      "fagene og et charnier forstørret med det valgte beslag."));
  const Inddata ind = k.ind;
  for (const auto& [tegning, tekst] :
       {std::pair{TKontroltegning::Tvaer, "Tværsnit af bygningen med de tre regnede åse"},
        std::pair{TKontroltegning::Laengde,
                  "Længdesnit af åsen som gerberkæde, med charnierdetalje"}}) {
    TFigurBlok f;
    f.Tegn = [ind, tegning = tegning](TLaerred& l, int bredde, int hoejde) {
      TegnKontroltegning(tegning, ind, l, bredde, hoejde);
    };
    f.Forhold = 0.62;
    f.Tekst = tekst;
    b.push_back(f);
  }
}

void TilfoejResultater(TDokument& d, const TDokumentationsKilde& k) {
  auto& b = d.Blokke;
  b.push_back(Overskrift(1, "Resultater", "resultater"));
  b.push_back(Tekst("Programmets rapport, uændret. Dim.giv. angiver den dimensionsgivende "
                    "lastkombination, det dimensionsgivende lasttilfælde og ås nummer."));
  b.push_back(Rapportblok(TTekstlinjer(
      k.rapport.Rapport.begin(),
      k.rapport.Rapport.begin() + static_cast<std::ptrdiff_t>(k.rapportLinjer))));
}

// The cases that govern bending in each bay type, and which bay types each
// governs.
std::vector<std::pair<TTilfaeldeId, std::vector<int>>> Boejningstilfaelde(const TBeregning& ber) {
  std::vector<std::pair<TTilfaeldeId, std::vector<int>>> r;
  for (int t = 1; t <= 3; ++t) {
    const auto& liste = ber.Dimensionsgivende[RangUGBoej][t];
    if (liste.empty() || !liste.front().Tilfaelde) continue;
    const TTilfaelde& c = *liste.front().Tilfaelde;
    const TTilfaeldeId id{c.Aas, c.LK, c.LT};
    auto i = std::find_if(r.begin(), r.end(), [&id](const auto& p) { return p.first == id; });
    if (i == r.end()) r.push_back({id, {t}});
    else i->second.push_back(t);
  }
  return r;
}

void TilfoejKurver(TDokument& d, const TDokumentationsKilde& k, TBrugerDialog& stille) {
  auto& b = d.Blokke;
  b.push_back(Overskrift(1, "Kurver", "kurver"));
  const auto tilfaelde = Boejningstilfaelde(k.beregning);
  std::vector<TTilfaeldeId> ider;
  for (const auto& [id, fag] : tilfaelde) ider.push_back(id);
  const auto kurver = BeregnKraftkurver(k.ind, ider, stille);
  if (!kurver || kurver->size() != tilfaelde.size()) {
    b.push_back(Tekst("Kurverne kunne ikke beregnes."));
    return;
  }
  TAfsnitBlok a = Tekst(
      "Forskydningskraft Vz og moment My langs hele åsen for det lasttilfælde, der giver den "
      "største bøjningsudnyttelse i hver fagtype (regningsmæssige værdier). Momentet er tegnet "
      "på træksiden; pilene er understøtningerne, krydsene charniererne, og de største og mindste "
      "værdier er skrevet ved kurven.");
  a.HoldMedNaeste = true;
  b.push_back(a);
  static const char* const fagnavne[] = {"", "kort endefag", "mellemfag", "langt endefag"};
  for (std::size_t i = 0; i < tilfaelde.size(); ++i) {
    const TKraftkurve kurve = (*kurver)[i];
    std::string fag;
    const auto& typer = tilfaelde[i].second;
    for (std::size_t j = 0; j < typer.size(); ++j)
      fag += std::string(j == 0 ? "" : j + 1 == typer.size() ? " og " : ", ") + fagnavne[typer[j]];
    TFigurBlok f;
    f.Tegn = [kurve](TLaerred& l, int bredde, int hoejde) {
      TegnKraftkurveDiagram({kurve}, l, bredde, hoejde);
    };
    f.Forhold = 0.5;
    f.Tekst = TilfaeldeNavn(kurve.Tilfaelde) + ": dimensionsgivende for bøjning i " + fag;
    b.push_back(f);
  }
}

// The stricter report's summary: from "RESULTAT" to its assumptions, which
// are the ordinary report's.
TTekstlinjer SkaerpetResume(const TTekstlinjer& rapport) {
  const auto fra = std::find(rapport.begin(), rapport.end(), "RESULTAT");
  const auto til = std::find(fra, rapport.end(), "FORUDSÆTNINGER");
  return TTekstlinjer(fra, til);
}

// The checks beyond the report's own method that the project asks for (its
// lines SkaerpetKontrol, Brandmodstand and BrandSider), each as that check
// prints it: the stricter report's summary, the fire section.
void TilfoejSupplerende(TDokument& d, const TDokumentationsKilde& k, const TUr& ur,
                        std::vector<std::string>& noter) {
  const Inddata& ind = k.ind;
  const bool brand = ind.Brandmodstand > 0;
  if (!ind.SkaerpetKontrol && !brand) return;
  auto& b = d.Blokke;
  b.push_back(Overskrift(1, "Supplerende kontrol", "supplerende-kontrol"));
  b.push_back(Tekst("Kontroller ud over rapportens egen metode: efter nyere regler (skærpet "
                    "kontrol) og for brandmodstand. De ændrer ikke rapportens resultater; de står "
                    "ved siden af dem, så ingeniøren kan se begge."));
  if (ind.SkaerpetKontrol) {
    b.push_back(Overskrift(2, "Skærpet kontrol"));
    b.push_back(Tekst("Hele beregningen er gentaget med revnefaktoren kcr = 0,67 i "
                      "forskydning (EN 1995-1-1, 6.1.7(2)) og det indre vindtryk qki "
                      "med spidsfaktoren kp = 3,5 (EN 1991-1-4, 7.2.9); alt andet er "
                      "uændret. Resultatet og de største udnyttelser efter de skærpede regler:"));
    Inddata normalt = ind;
    normalt.RappOmfang = 0;
    TRapportResultat r;
    TStilleDialog stille;
    if (BeregnSkaerpetRapport(r, normalt, stille, ur, k.firma) == TRapportUdfald::Bygget) {
      b.push_back(Rapportblok(SkaerpetResume(r.Rapport)));
      if (r.Noter.Nogen()) noter.push_back("Den skærpede kontrol holder ikke alle tre konklusioner");
    } else {
      b.push_back(Tekst("Den skærpede kontrol kunne ikke gennemføres for dette projekt."));
      noter.push_back("Den skærpede kontrol kunne ikke gennemføres");
    }
  }
  if (brand) {
    b.push_back(Overskrift(2, "Brandmodstand R" + std::to_string(ind.Brandmodstand)));
    TStilleDialog stille;
    const TBrandResultat r = BeregnBrand(ind, k.sd, ind.Brandmodstand, ind.BrandSider, stille);
    if (r.Udfald == TBeregningsUdfald::Gennemfoert) {
      b.push_back(Rapportblok(BygBrandafsnit(r)));
      if (!r.KravOpfyldt())
        noter.push_back("Brandmodstanden R" + std::to_string(ind.Brandmodstand) +
                        " er ikke opfyldt (opnået " + std::to_string(r.OpnaaetMinutter) + " min)");
    } else {
      b.push_back(Tekst("Brandkontrollen kunne ikke gennemføres for dette projekt."));
      noter.push_back("Brandkontrollen kunne ikke gennemføres");
    }
  }
}

void TilfoejBilagA(TDokument& d, const TDokumentationsKilde& k) {
  const TTekstlinjer& r = k.rapport.Rapport;
  if (k.ind.RappOmfang <= 0 || k.rapportLinjer >= r.size()) return;
  auto& b = d.Blokke;
  TOverskriftBlok o = Overskrift(1, "Bilag A  Detaljerede resultater", "bilag-a");
  o.Nummereret = false;
  b.push_back(o);
  b.push_back(Tekst("Rapportens detaljerede del (rapportomfang »Detaljeret«): mellemresultater "
                    "for de dimensionsgivende lasttilfælde og alle nedbøjningstilfælde, uændret."));
  b.push_back(Rapportblok(TTekstlinjer(r.begin() + static_cast<std::ptrdiff_t>(k.rapportLinjer), r.end())));
}

void SaetSidemoebler(TDokument& d, const TDokumentationsKilde& k) {
  const std::string firma = k.firma;
  std::string projekt = k.ind.Projektnavn;
  if (!k.g.Navne.Sag.empty()) projekt = "Sag " + k.g.Navne.Sag + "  ·  " + projekt;
  d.Sidehoved = [firma, projekt](TPdfDokument& pdf, const TSideopsaetning& s, const TSideInfo& i) {
    if (i.Side == 1) return;  // the cover carries all of it
    const TSkrift skrift{SkriftSans, 8.5};
    const double y = s.Top - 8 * PtPrMm;
    const double x1 = s.Bredde - s.Hoejre;
    const std::string titel = DokumentTitel;
    const double titelB = TekstBredde(pdf, titel, skrift);
    std::string venstre = firma.empty() ? projekt : firma + "  ·  " + projekt;
    venstre = Afkort(pdf, venstre, skrift, x1 - s.Venstre - titelB - 12);
    SkrivTekst(pdf, s.Venstre, y, venstre, skrift, TTekstJust::Venstre, Graa);
    SkrivTekst(pdf, x1, y, titel, skrift, TTekstJust::Hoejre, Graa);
    TegnStreg(pdf, s.Venstre, y + 3.5, x1, y + 3.5, 0.4, Linjefarve);
  };
  const std::string dato = k.dato;
  d.Sidefod = [dato](TPdfDokument& pdf, const TSideopsaetning& s, const TSideInfo& i) {
    const TSkrift skrift{SkriftSans, 8.5};
    const double y = s.Hoejde - s.Bund + 12 * PtPrMm;
    const double x1 = s.Bredde - s.Hoejre;
    TegnStreg(pdf, s.Venstre, y - 9, x1, y - 9, 0.4, Linjefarve);
    SkrivTekst(pdf, s.Venstre, y, ProgramNavn(), skrift, TTekstJust::Venstre, Graa);
    SkrivTekst(pdf, (s.Venstre + x1) / 2, y, dato, skrift, TTekstJust::Midte, Graa);
    SkrivTekst(pdf, x1, y,
               "Side " + std::to_string(i.Side) + " af " + std::to_string(i.Antal), skrift,
               TTekstJust::Hoejre, Graa);
  };
}

}  // namespace

std::optional<std::string> BygDokumentation(const TDokumentationsGrundlag& g, const TUr& ur,
                                            TBrugerDialog& dialog, TDokumentationsStatus* status) {
  TDokumentationsStatus egen;
  if (!status) status = &egen;
  TDokumentationsKilde k(g);
  k.nu = ur.Nu();
  k.dato = Dato(k.nu);
  // As the report's head shows it: one line of at most 70 characters.
  k.firma = RensFirmanavn(g.Navne.Firma);

  // The report first: it checks the field rules and says what is wrong.
  status->Beregning = BeregnRapport(k.rapport, g.Ind, dialog, ur, k.firma);
  status->Noter = k.rapport.Noter;
  status->SupplerendeNoter.clear();
  if (status->Beregning != TRapportUdfald::Bygget) return std::nullopt;
  TStilleDialog stille;
  BestemTvaersnit(g.Ind, k.sd);
  Inddata normalt = g.Ind;
  normalt.RappOmfang = 0;
  // The detailed part begins where the normal report ends.
  k.rapportLinjer = k.rapport.Rapport.size();
  if (g.Ind.RappOmfang > 0) {
    TRapportResultat n;
    if (BeregnRapport(n, normalt, stille, ur, k.firma) == TRapportUdfald::Bygget &&
        n.Rapport.size() <= k.rapport.Rapport.size() &&
        std::equal(n.Rapport.begin(), n.Rapport.end(), k.rapport.Rapport.begin()))
      k.rapportLinjer = n.Rapport.size();
  }
  TProjektberegning normaltK;
  if (BeregnProjekt(normaltK, normalt, stille) != TBeregningsUdfald::Gennemfoert) {
    dialog.Fejl("Beregningen til dokumentationen kunne ikke gennemføres.");
    status->Beregning = TRapportUdfald::Afbrudt;
    return std::nullopt;
  }
  k.beregning = std::move(normaltK.Beregning);

  TDokument d;
  TilfoejForside(d, k);
  d.Blokke.push_back(TSideskiftBlok{});
  TOverskriftBlok indhold = Overskrift(1, "Indhold");
  indhold.Nummereret = false;
  indhold.IIndhold = false;
  d.Blokke.push_back(indhold);
  d.Blokke.push_back(TIndholdBlok{});
  d.Blokke.push_back(TSideskiftBlok{});
  TilfoejForudsaetninger(d, k);
  TilfoejLaster(d, k);
  TilfoejLastkombinationer(d, k);
  TilfoejStatiskModel(d, k);
  TilfoejResultater(d, k);
  TilfoejKurver(d, k, stille);
  TilfoejSupplerende(d, k, ur, status->SupplerendeNoter);
  TilfoejReferencer(d);
  TilfoejBilagA(d, k);
  SaetSidemoebler(d, k);

  TPdfMetadata m;
  m.Titel = std::string(DokumentTitel) + " – " + g.Ind.Projektnavn;
  m.Forfatter = !g.Navne.UdfoertAf.empty() ? g.Navne.UdfoertAf : k.firma;
  m.Emne = DokumentUndertitel;
  m.Noegleord = "tagåse, gerbersystem, EN 1995-1-1";
  m.Skaber = ProgramNavn();
  m.Tidspunkt = k.nu;
  TPdfDokument pdf(m);
  SaetDokument(pdf, d);
  std::string fejl;
  std::optional<std::string> bytes = pdf.Afslut(fejl);
  if (bytes) bytes = SaetPdfSprog(*bytes, "da", fejl);
  if (!bytes) dialog.Fejl(fejl);
  return bytes;
}

bool GemDokumentation(const std::string& filnavn, const TDokumentationsGrundlag& g,
                      const TUr& ur, TBrugerDialog& dialog, TDokumentationsStatus* status) {
  const std::optional<std::string> pdf = BygDokumentation(g, ur, dialog, status);
  if (!pdf) return false;
  const TFilUdfald u = SkrivFil(filnavn, *pdf);
  if (!u) {
    dialog.Fejl(BeskedKanIkkeGemme(filnavn, u));
    return false;
  }
  return true;
}

}  // namespace kvistor
