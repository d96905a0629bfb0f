#include "report/forklaring.h"

#include <algorithm>
#include <cctype>

#include "common/format.h"
#include "purlin/suppldata.h"
#include "report/antagelser.h"

namespace kvistor {

namespace {

// Case-insensitive order of two lines. Only ASCII letters are folded: the
// descriptions differ in their combination number long before any Danish
// letter could decide.
int SammenlignUdenStoreBogstaver(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

const char* TekstAf(const char* const* tabel, int antal, int indeks) {
  return indeks >= 0 && indeks < antal ? tabel[indeks] : "";
}

}  // namespace

void TilfoejLKBeskrivelse(TTekstlinjer& beskrivelser, int lk, std::string_view lkTekst) {
  std::string linje = Format("Lastkombination %d: ", {lk});
  linje += lkTekst;
  linje += ".";
  auto pos = std::lower_bound(beskrivelser.begin(), beskrivelser.end(), linje,
                              [](const std::string& x, const std::string& y) {
                                return SammenlignUdenStoreBogstaver(x, y) < 0;
                              });
  if (pos != beskrivelser.end() && SammenlignUdenStoreBogstaver(*pos, linje) == 0) return;
  beskrivelser.insert(pos, std::move(linje));
}

void BygForudsaetninger(TTekstlinjer& r, const Inddata& ind, const TSupplData& sd,
                        const TValgteNavne& navne) {
  static const char* const klasser[] = {"Nåletræ C14",  "Nåletræ C18",  "Nåletræ C24",
                                        "Nåletræ C30",  "Limtræ GL24c", "Limtræ GL28c",
                                        "Limtræ GL32c"};
  static const char* const terraen[] = {"I   Hede   ", "II  Land   ", "III Forstad",
                                        "IV  City   "};
  static const char* const anvendelse[] = {"1 ", "2 ", "3 "};
  static const char* const konsekvens[] = {"Lav (CC1)   ", "Normal (CC2)", "Høj (CC3)   "};

  SkrivLinje(r, Streg(RapportBredde));
  SkrivLinje(r, "FORUDSÆTNINGER");
  SkrivLinje(r, "Åse og gerberbeslag");
  SkrivLinje(r, Format("  Tværsnitshøjde     :%4.0n mm          Tværsnitsbredde       :%4.0n mm",
                       {ind.AaseHojde, ind.AaseBredde}));
  SkrivLinje(r, Format("  Charnierforskydning:%5.2n m          Styrkeklasse      : ",
                       {ind.CharnForsk}) +
                    TekstAf(klasser, 7, ind.StyrkeKlasse));
  SkrivLinje(r, Format("  Normalkraftfaktor  :%4.1n         Regnm. kipningsmoment Mkip:%5.2n kNm",
                       {ind.NormalKraftFaktor, ind.KipnMoment}));
  SkrivLinje(r, "  Gerberbeslag og udsømning: " + navne.beslag);
  // Fully nailed hangers use every hole; the others take four times the
  // stated nail count, placed as the maker prescribes.
  if (navne.beslag.find("fuldt") != std::string::npos) {
    SkrivLinje(r, "  Til hver samling bruges to beslag.");
    SkrivLinje(r, "  Der forudsættes 4x40 mm beslagsøm i alle huller.");
  } else {
    SkrivLinje(r, "  Til hver samling bruges to beslag og fire gange det angivne sømantal.");
    if (navne.beslag.find("Simpson") != std::string::npos)
      SkrivLinje(r, "  Der forudsættes 4x40 mm beslagsøm som placeres i de to yderste rækker.");
    else
      SkrivLinje(r, "  Der forudsættes 4x40 mm beslagsøm som placeres i 1. og 3. række.");
  }

  SkrivLinje(r, "");
  SkrivLinje(r, "Hovedgeometri");
  SkrivLinje(r, Format("  Spændvidde normalfag :%5.2n m           Bygningsbredde      :%5.2n m",
                       {ind.Rammeafstand, ind.HusBr}));
  SkrivLinje(r, Format("  Spændvidde gavlfag   :%5.2n m           Tagvinkel           :%5.0n °",
                       {ind.GavlRammeAfst, ind.TagVink}));
  SkrivLinje(r, Format("  Antal åsefag         :   %2d             Facadehøjde         :%5.2n m",
                       {ind.AntalFag, ind.FacHjd}));
  SkrivLinje(r, Format("  Skrå åseafstand      :%5.2n m           Tagudhæng (facade)  :%5.2n m",
                       {ind.AaseAfst, ind.FacUdh}));
  SkrivLinje(r, Format("                                          Tagudhæng (gavl)    :%5.2n m",
                       {ind.GavlUdh}));

  SkrivLinje(r, "");
  SkrivLinje(r, "Last, sikkerhed og materialeparametre");
  SkrivLinje(r, "  Egenlast:");
  SkrivLinje(r, Format("    tagdækning    : %38s %5.2n kN/m²", {navne.lag[1], ind.EL1}));
  if (ind.EL2 > 0)
    SkrivLinje(r, Format("    undertag      : %38s %5.2n kN/m²", {navne.lag[2], ind.EL2}));
  if (ind.EL3 > 0)
    SkrivLinje(r, Format("    isolering     : %38s %5.2n kN/m²", {navne.lag[3], ind.EL3}));
  if (ind.EL4 > 0)
    SkrivLinje(r, Format("    loftbeklædning: %38s %5.2n kN/m²", {navne.lag[4], ind.EL4}));
  SkrivLinje(r, Format("    åse           : %44.2n kN/m²", {sd.AaseEgenlast}));
  SkrivLinje(r, Format("    I alt         : %44.2n kN/m²", {sd.EgenlastIalt}));
  SkrivLinje(r, std::string("  Vindlast, Terrænkategori:                                 ") +
                    TekstAf(terraen, 4, ind.TerrKat));
  SkrivLinje(r, Format("  Afstand til Vesterhavet/Ringkøbing Fjord:                 %2.0n   km",
                       {ind.AfstVesterhav}));
  SkrivLinje(r, Format("  Karakteristisk snelast - Normal værdi,(fkt. af tagvinkel:%5.2n kN/m²",
                       {ind.SneFormFakNormal}));
  if (!ind.NormSneFormFak) {
    SkrivLinje(r, Format("  Indtastet forhøjet værdi for jævnt fordelt sne (bunden): %5.2n kN/m²",
                         {ind.SneFormFakForhojet}));
    SkrivLinje(r, "  (Normal værdi bruges til omfordelt sne (fri last)");
  }

  SkrivLinje(r, "");
  SkrivLinje(r, std::string("Normudgaver: Last: ") + NormudgaveLast);
  SkrivLinje(r, std::string("             Træ:  ") + NormudgaveTrae);
  SkrivLinje(r, std::string("  Anvendelsesklasse: ") + TekstAf(anvendelse, 3, ind.AnvKlasse) +
                    "             Konsekvensklasse: " + TekstAf(konsekvens, 3, ind.Sikkl));
  SkrivLinje(r, Streg(RapportBredde));
}

void BygForklaring(TTekstlinjer& r, TTekstlinjer& beskrivelser) {
  SkrivLinje(r, "FORKLARING");
  SkrivLinje(r, "Kort beskrivelse af dimensionsgivende lastkombinationer:");
  for (const auto& linje : beskrivelser) SkrivLinje(r, linje);
  beskrivelser.clear();
  SkrivLinje(r, "(g = egenlast; s = sne; w = vind; Mkip = kipningsmoment; Q = punktlast)");
  SkrivLinje(r, "Beskrivelse af lasttilfælde: se brugervejledningen, bilag B.");
  SkrivLinje(r, "");
  SkrivLinje(r, "z-retningen = åsens højderetning = vinkelret på tagfladen");
  SkrivLinje(r, "y-retningen = åsens bredderetning = parallelt med tagfladen");
  SkrivLinje(r, "");
  SkrivLinje(r, "Åsens forankring til den underliggende bærende konstruktion (fx rammen)");
  SkrivLinje(r, "skal mindst svare til den negative reaktion (trækket) i z-retningen.");
  SkrivLinje(r, "Reaktioner i y-retningen stammer altid fra egenlast plus sne- eller");
  SkrivLinje(r, "punktlast og er derfor positive (jvf. fortegnsdefinition på fanebladet");
  SkrivLinje(r, "\"Kontrol, tvær\").");
}

}  // namespace kvistor
