// Random projects around the default one, valid and broken, through the whole
// calculation and both control drawings: every run ends with an outcome, a
// report carries no NAN or INF and is valid UTF-8, and a run that was refused
// or stopped has said why and left no report.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <regex>
#include <string>

#include "common/optagende_dialog.h"
#include "common/tegnsaet.h"
#include "graphics/kontroltegning.h"
#include "hjaelp/optagende_laerred.h"
#include "hjaelp/projekt.h"
#include "project/sneformfaktor.h"
#include "project/feltregler.h"
#include "project/katalog.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

const TFastUr Ur(TTidspunkt{2026, 3, 1, 14, 5, 0});

// Draws from mt19937_64 by hand, so the projects are the same on every
// standard library.
class TTilfaeldig {
 public:
  explicit TTilfaeldig(std::uint64_t froe) : g_(froe) {}
  double Lige(double fra, double til) {
    return fra + (til - fra) * static_cast<double>(g_() >> 11) * 0x1.0p-53;
  }
  int Heltal(int fra, int til) {  // both ends included
    return fra + static_cast<int>(g_() % static_cast<std::uint64_t>(til - fra + 1));
  }
  bool Chance(double p) { return Lige(0, 1) < p; }
  double Afrundet(double fra, double til, int decimaler) {
    const double f = std::pow(10.0, decimaler);
    return std::round(Lige(fra, til) * f) / f;
  }

 private:
  std::mt19937_64 g_;
};

// A text of up to `n` characters with Danish letters and signs of more than
// one byte.
std::string Tekst(TTilfaeldig& t, int n) {
  static const char* const tegn[] = {"a", "Z", "7", " ", "æ", "ø", "å", "Æ", "Ø", "Å", "—", "€", "%", "é"};
  std::string s;
  for (int i = t.Heltal(0, n); i > 0; --i) s += tegn[t.Heltal(0, static_cast<int>(std::size(tegn)) - 1)];
  return s;
}

// A record inside every field rule, drawn around the default project.
Inddata GyldigtProjekt(TTilfaeldig& t, const Inddata& standard) {
  Inddata d = standard;
  d.Projektnavn = Tekst(t, KapProjektnavn);
  d.Bygningsdel = Tekst(t, KapBygningsdel);
  d.Medarb = Tekst(t, KapMedarb);
  d.HusBr = t.Afrundet(3, 40, 2);
  d.FacHjd = t.Afrundet(2, 14, 2);
  d.TagVink = t.Chance(0.15) ? t.Heltal(0, 1) * 75.0 : t.Heltal(0, 75);
  d.AaseAfst = t.Afrundet(0.3, 2.5, 2);
  d.FacUdh = t.Chance(0.3) ? 0 : t.Afrundet(0, 1.5, 2);
  // Mostly short chains, which cost least; now and then a long one.
  d.AntalFag = t.Chance(0.2) ? 4 : t.Chance(0.85) ? t.Heltal(4, 20) : t.Heltal(21, 60);
  d.Rammeafstand = t.Afrundet(1.5, 10, 2);
  d.GavlRammeAfst = t.Chance(0.3) ? d.Rammeafstand : t.Afrundet(0.5, d.Rammeafstand, 2);
  d.CharnForskStd = t.Chance(0.5) ? 1 : 0;
  d.CharnForsk = d.CharnForskStd ? std::round(d.Rammeafstand / 7 * 100) / 100
                                 : t.Afrundet(0, 0.95 * d.GavlRammeAfst, 2);
  if (d.CharnForsk >= d.GavlRammeAfst) d.CharnForsk = 0;
  d.GavlUdh = t.Chance(0.4) ? 0 : t.Afrundet(0, 1.5, 2);
  std::int32_t* const mat[] = {&d.EL1Mat, &d.EL2Mat, &d.EL3Mat, &d.EL4Mat};
  double* const el[] = {&d.EL1, &d.EL2, &d.EL3, &d.EL4};
  for (int lag = 1; lag <= 4; ++lag) {
    const int antal = static_cast<int>(ELTabel(lag).size()) - 1;  // list positions
    *mat[lag - 1] = t.Heltal(-1, antal - 1);
    *el[lag - 1] = t.Chance(0.7) ? ELData(lag, *mat[lag - 1]).Egenlast : t.Afrundet(0, 1.5, 2);
  }
  d.TerrKat = t.Heltal(0, 3);
  d.AfstVesterhav = t.Chance(0.2) ? 0 : t.Heltal(0, 150);
  d.SneFormFakNormal = NormalSneFormfaktor(d.TagVink);
  d.NormSneFormFak = t.Chance(0.6) ? 1 : 0;
  d.SneFormFakForhojet = t.Afrundet(0, 3, 2);
  d.SneFormFak = d.NormSneFormFak ? d.SneFormFakNormal : d.SneFormFakForhojet;
  d.StyrkeKlasse = t.Heltal(0, 6);
  d.AaseHojde = t.Heltal(45, ErLimtrae(d.StyrkeKlasse) ? 900 : 300);
  d.AaseBredde = t.Heltal(38, 200);
  d.AnvKlasse = t.Heltal(0, 2);
  d.Sikkl = t.Heltal(0, 2);
  d.NormalKraftFaktor = t.Chance(0.3) ? 0 : t.Afrundet(0, 3, 2);
  d.Beslag = t.Heltal(0, AntalBeslag - 1);
  d.KipnMoment = t.Chance(0.3) ? 0 : t.Afrundet(0, 5, 2);
  d.RappOmfang = t.Heltal(0, 1);
  return d;
}

// A valid record with a few numbers replaced by zero, negative, not-a-number,
// infinite, tiny or huge values.
Inddata YderligtProjekt(TTilfaeldig& t, const Inddata& standard) {
  Inddata d = GyldigtProjekt(t, standard);
  const double max = std::numeric_limits<double>::max(), inf = std::numeric_limits<double>::infinity();
  const double vaerdier[] = {0, -0.0, -1, -1e9, 1e-300, 1e-9, 1e6, 1e9, 1e300, max, std::nan(""), inf, -inf};
  // The number fields in the order of the pages; AntalFag has no double.
  std::vector<double Inddata::*> felter;
  for (int k = 0; k < AntalKontroller; ++k) {
    const TFeltRaekke& r = FeltRaekke(static_cast<TKontrol>(k));
    if (r.Art == TFeltArt::Tal || r.Art == TFeltArt::Heltal) felter.push_back(r.Tal);
  }
  for (int n = t.Heltal(1, 3); n > 0; --n) {
    if (t.Chance(0.15)) {
      static const std::int32_t fag[] = {std::numeric_limits<std::int32_t>::min(), -4, 0, 3,
                                         100000, 1000000, std::numeric_limits<std::int32_t>::max()};
      d.AntalFag = fag[t.Heltal(0, static_cast<int>(std::size(fag)) - 1)];
    } else {
      const auto f = felter[static_cast<std::size_t>(t.Heltal(0, static_cast<int>(felter.size()) - 1))];
      if (f) d.*f = vaerdier[t.Heltal(0, static_cast<int>(std::size(vaerdier)) - 1)];
    }
  }
  if (t.Chance(0.1)) d.Beslag = -1;
  return d;
}

// Valid UTF-8 that the files' code page holds: malformed UTF-8 and characters
// without a Windows-1252 byte come back as '?'.
bool GyldigUtf8(const std::string& s) { return Cp1252TilUtf8(Utf8TilCp1252(s)) == s; }

// A number the formatting could not show: "NAN", "INF" or "-INF" (and the C
// library's spellings) standing on its own.
bool HarIkkeTal(const std::string& s) {
  static const std::regex ikkeTal(R"((^|[^a-zA-Z\x80-\xff])(nan|inf)(inity)?([^a-zA-Z\x80-\xff]|$))",
                                  std::regex::icase);
  return std::regex_search(s, ikkeTal);
}

struct TOptaelling {
  int bygget = 0, afvist = 0, afbrudt = 0;
};

// One project through both report extents and both drawings.
void KoerOgKontroller(Inddata d, bool svar, TOptaelling& optaelling, const std::string& hvad) {
  const bool gyldig = !FoersteBrudteRegel(d).has_value();
  for (int omfang = 0; omfang <= 1; ++omfang) {
    d.RappOmfang = omfang;
    TSkriptetDialog dlg;
    dlg.standardSvar = svar;
    TRapportResultat ud;
    ud.Rapport.push_back("fra før");
    const TRapportUdfald u = BeregnRapport(ud, d, dlg, Ur, "Firma æøå");
    SCOPED_TRACE(hvad + " omfang " + std::to_string(omfang));
    if (u == TRapportUdfald::Bygget) {
      ++optaelling.bygget;
      EXPECT_TRUE(gyldig);
      ASSERT_FALSE(ud.Rapport.empty());
      for (const TTekstlinjer* l : {&ud.Rapport, &ud.QKurver, &ud.MKurver})
        for (const std::string& linje : *l) {
          ASSERT_FALSE(HarIkkeTal(linje)) << linje;
          ASSERT_TRUE(GyldigUtf8(linje)) << linje;
        }
      EXPECT_EQ(ud.QKurver.empty(), omfang == 0);
    } else {
      ++(u == TRapportUdfald::Afvist ? optaelling.afvist : optaelling.afbrudt);
      EXPECT_TRUE(ud.Rapport.empty() && ud.QKurver.empty() && ud.MKurver.empty());
      EXPECT_FALSE(ud.Noter.Nogen());
      bool sagt = false;
      for (const TDialogKald& k : dlg.kald) sagt = sagt || (k.art != "Bip" && !k.tekst.empty());
      EXPECT_TRUE(sagt) << "stopped without a message";
      if (u == TRapportUdfald::Afvist && !gyldig) {
        EXPECT_EQ(dlg.Tekster("Fejl").front(), FoersteBrudteRegel(d)->Besked);
      }
    }
  }
  for (TKontroltegning art : {TKontroltegning::Tvaer, TKontroltegning::Laengde}) {
    TOptagendeLaerred c;
    TegnKontroltegning(art, d, c, 760, 520);
    EXPECT_LT(c.Kald.size(), 200000u) << hvad;
    for (const TOptagetTekst& tk : c.Tekster) {
      EXPECT_TRUE(GyldigUtf8(tk.Tekst)) << hvad << ": " << tk.Tekst;
      EXPECT_FALSE(gyldig && HarIkkeTal(tk.Tekst)) << hvad << ": " << tk.Tekst;
    }
  }
}

TEST(Robusthed, TilfaeldigeGyldigeProjekterGiverRapportUdenNanOgInf) {
  ASSERT_TRUE(HarIkkeTal("  Mmax =     NAN kNm") && HarIkkeTal("1,00 -inf") && !GyldigUtf8("a\xE2\x80"));
  ASSERT_FALSE(HarIkkeTal("Information og infrastruktur, nanometer, æinf"));
  const Inddata standard = test::StandardProjekt();
  TTilfaeldig t(20260301);
  TOptaelling o;
  for (int i = 0; i < 40; ++i) {
    const Inddata d = GyldigtProjekt(t, standard);
    ASSERT_FALSE(FoersteBrudteRegel(d).has_value()) << FoersteBrudteRegel(d)->Besked;
    KoerOgKontroller(d, i % 2 == 0, o, "gyldigt projekt " + std::to_string(i));
  }
  EXPECT_EQ(o.afvist + o.afbrudt, 0);
}

TEST(Robusthed, BrudteOgYderligeVaerdierEnderMedEtUdfaldOgEnBesked) {
  const Inddata standard = test::StandardProjekt();
  TTilfaeldig t(19700101);
  TOptaelling o;
  for (int i = 0; i < 100; ++i) {
    const Inddata d = YderligtProjekt(t, standard);
    KoerOgKontroller(d, i % 2 == 0, o, "yderligt projekt " + std::to_string(i));
  }
  // Most extremes now lie outside the fields' ranges and are refused before
  // the calculation; the aborted run is the hinge case below.
  EXPECT_GT(o.bygget, 0);
  EXPECT_GT(o.afvist, 0);
}

TEST(Robusthed, UrimeligeStoerrelserAfvisesEllerAfbrydesMedBesked) {
  const Inddata standard = test::StandardProjekt();
  const struct {
    void (*saet)(Inddata&);
    TRapportUdfald udfald;
    std::string besked;  // the start of the one error message; none when built
  } tilfaelde[] = {
      // Up to 1000 bays are computed; more are refused at once, whatever the
      // frame spacing (a million bays of 1 m took over a minute, ten thousand
      // in the detailed extent two gigabytes).
      {[](Inddata& d) { d.AntalFag = MaksFagIBeregning; }, TRapportUdfald::Bygget, ""},
      {[](Inddata& d) { d.AntalFag = MaksFagIBeregning + 1, d.Rammeafstand = d.GavlRammeAfst = 1, d.CharnForsk = 0.14; },
       TRapportUdfald::Afvist, TekstForMangeFag},
      {[](Inddata& d) { d.AntalFag = 2147483647, d.Rammeafstand = d.GavlRammeAfst = 1, d.CharnForsk = 0.14; },
       TRapportUdfald::Afvist, TekstForMangeFag},
      // An infinite number keeps no field rule (the number fields never read
      // one, but the rule must not let it through to the report as INF).
      {[](Inddata& d) { d.FacUdh = std::numeric_limits<double>::infinity(); }, TRapportUdfald::Afvist,
       "Facadeudhænget må ikke være negativt"},
      // Sizes and loads near the largest number (the wind pressure and the
      // detailed line loads overflowed) lie outside the fields' ranges.
      {[](Inddata& d) { d.FacHjd = std::numeric_limits<double>::max(), d.RappOmfang = 1; },
       TRapportUdfald::Afvist, "Facadehøjden skal ligge mellem 0 og 100"},
      {[](Inddata& d) { d.EL1 = std::numeric_limits<double>::max(), d.RappOmfang = 1; },
       TRapportUdfald::Afvist, "Egenlasten af tagdækning skal ligge mellem 0 og 100"},
      // A hinge offset of nearly the whole frame spacing multiplies the hinge
      // forces by about 600 from bay to bay: over 60 bays the shear
      // utilisation overflowed and the report showed INF.
      {[](Inddata& d) { d.AntalFag = 60, d.CharnForskStd = 0, d.CharnForsk = 5.99; },
       TRapportUdfald::Afbrudt, "Beregningen giver tal, der er for store"},
  };
  for (const auto& t : tilfaelde) {
    SCOPED_TRACE(t.besked);
    Inddata d = standard;
    t.saet(d);
    TSkriptetDialog dlg;
    TRapportResultat ud;
    EXPECT_EQ(BeregnRapport(ud, d, dlg, Ur, ""), t.udfald);
    EXPECT_EQ(ud.Rapport.empty(), t.udfald != TRapportUdfald::Bygget);
    const auto fejl = dlg.Tekster("Fejl");
    ASSERT_EQ(fejl.size(), t.besked.empty() ? 0u : 1u);
    EXPECT_EQ(fejl.empty() ? "" : fejl[0].substr(0, t.besked.size()), t.besked);
  }
}

}  // namespace
}  // namespace kvistor
