#include "project/felttabel.h"

#include <algorithm>
#include <array>

#include "project/antalfag.h"

namespace kvistor {

namespace {

using K = TKontrol;
using A = TFeltArt;
using R = TRegelArt;
using F = TFilForm;
constexpr TSide S1 = TSide::Inddata1;
constexpr TSide S2 = TSide::Inddata2;

// The rows of the 37 file lines first, in the file's order, then the
// extension lines, then the controls the file does not hold.
constexpr std::array<TFeltRaekke, 42> Tabel{{
    {.Kontrol = K::EditProjektnavn, .Navn = "EditProjektnavn", .Side = S1, .Art = A::Tekst,
     .Ledetekst = "Projektnavn", .Kapacitet = KapProjektnavn, .Tekst = &Inddata::Projektnavn,
     .Fil = F::Tekst, .Linje = 1},
    {.Kontrol = K::EditBygningsdel, .Navn = "EditBygningsdel", .Side = S1, .Art = A::Tekst,
     .Ledetekst = "Byggeafsnit, bygningsdel etc.", .Kapacitet = KapBygningsdel,
     .Tekst = &Inddata::Bygningsdel, .Fil = F::Tekst, .Linje = 2},
    {.Kontrol = K::EditMedarb, .Navn = "EditMedarb", .Side = S1, .Art = A::Tekst,
     .Ledetekst = "Medarbejder", .Kapacitet = KapMedarb, .Tekst = &Inddata::Medarb,
     .Fil = F::Tekst, .Linje = 3},
    {.Kontrol = K::EditHusBr, .Navn = "EditHusBr", .Side = S1, .Ledetekst = "Husbredde",
     .Enhed = "m",
     .Hint = "Afstanden mellem facadernes ydersider. Se evt. fanebladet \"Hjælp, Tvær\"",
     .Decimaler = 2, .Regel = R::Positiv, .Besked = "Huskropbredden skal være positiv",
     .HarOmraade = true, .Min = 0, .Max = 500, .OmraadeNavn = "Huskropbredden",
     .Tal = &Inddata::HusBr, .Fil = F::Tekst, .Linje = 4},
    {.Kontrol = K::EditFacHjd, .Navn = "EditFacHjd", .Side = S1, .Ledetekst = "Facadehøjde",
     .Enhed = "m",
     .Hint = "Målt fra terræn til tagets overside i facadeflugten. Se evt. fanebladet "
             "\"Hjælp, Tvær\"",
     .Decimaler = 2, .Regel = R::Positiv, .Besked = "Facadehøjden skal være positiv",
     .HarOmraade = true, .Min = 0, .Max = 100, .OmraadeNavn = "Facadehøjden",
     .Tal = &Inddata::FacHjd, .Fil = F::Tekst, .Linje = 5},
    {.Kontrol = K::EditTagVink, .Navn = "EditTagVink", .Side = S1, .Ledetekst = "Tagvinkel",
     .Enhed = "°", .Hint = "Tagfladens vinkel med vandret. Se evt. fanebladet \"Hjælp, Tvær\"",
     .Decimaler = 0, .Regel = R::Tagvinkel,
     .Besked = "Tagvinklen skal være mellem 0 og 75 grader", .HarOmraade = true, .Min = 0,
     .Max = 75, .OmraadeNavn = "Tagvinklen", .Tal = &Inddata::TagVink, .Fil = F::Tekst,
     .Linje = 6},
    {.Kontrol = K::EditAaseAfst, .Navn = "EditAaseAfst", .Side = S1, .Ledetekst = "Åseafstand",
     .Enhed = "m",
     .Hint = "Den indbyrdes afstand mellem åsene, målt i tagfladens retning. Se evt. "
             "fanebladet \"Hjælp, Tvær\"",
     .Decimaler = 2, .Regel = R::Positiv, .Besked = "Aaseafstanden skal være positiv",
     .HarOmraade = true, .Min = 0, .Max = 10, .OmraadeNavn = "Åseafstanden",
     .Tal = &Inddata::AaseAfst, .Fil = F::Tekst, .Linje = 7},
    {.Kontrol = K::EditFacUdh, .Navn = "EditFacUdh", .Side = S1, .Ledetekst = "Facadeudhæng",
     .Enhed = "m",
     .Hint = "Målt vandret fra facadens yderside til tagkanten. Se evt. fanebladet "
             "\"Hjælp, Tvær\"",
     .Decimaler = 2, .Regel = R::IkkeNegativ, .Besked = "Facadeudhænget må ikke være negativt",
     .HarOmraade = true, .Min = 0, .Max = 20, .OmraadeNavn = "Facadeudhænget",
     .Tal = &Inddata::FacUdh, .Fil = F::Tekst, .Linje = 8},
    {.Kontrol = K::EditAntalFag, .Navn = "EditAntalFag", .Side = S1, .Art = A::Heltal,
     .Ledetekst = "Antal fag",
     .Hint = "Antal mellemrum mellem åsenes understøtninger (rammer, primære spær eller lign.)",
     .Regel = R::MindstFire, .Besked = TekstForFaaFag, .HarOmraade = true,
     .Min = MindsteAntalFag, .Max = MaksFagIBeregning, .OmraadeNavn = "Antal fag",
     .OmraadeBesked = TekstForMangeFag, .Heltal = &Inddata::AntalFag, .Fil = F::Tekst,
     .Linje = 9},
    {.Kontrol = K::EditRammeafstand, .Navn = "EditRammeafstand", .Side = S1,
     .Ledetekst = "Normalrammeafstand", .Enhed = "m",
     .Hint = "Afstanden mellem åsenes understøtninger (rammer, primære spær eller lign.). Se "
             "evt. fanebladet \"Hjælp, Længde\"",
     .Decimaler = 2, .Regel = R::Positiv, .Besked = "Normalrammeafstanden skal være positiv",
     .HarOmraade = true, .Min = 0, .Max = 50, .OmraadeNavn = "Normalrammeafstanden",
     .Tal = &Inddata::Rammeafstand, .Fil = F::Tekst, .Linje = 10},
    {.Kontrol = K::EditGavlRammeAfst, .Navn = "EditGavlRammeAfst", .Side = S1,
     .Ledetekst = "Gavlrammeafstand", .Enhed = "m",
     .Hint = "Afstanden mellem åsenes understøtninger (rammer, primære spær eller lign.). Se "
             "evt. fanebladet \"Hjælp, Længde\"",
     .Decimaler = 2, .Regel = R::Positiv, .Besked = "Gavlrammeafstanden skal være positiv",
     .HarOmraade = true, .Min = 0, .Max = 50, .OmraadeNavn = "Gavlrammeafstanden",
     .Tal = &Inddata::GavlRammeAfst, .Fil = F::Tekst, .Linje = 11},
    {.Kontrol = K::RadioGroupCharnForsk, .Navn = "RadioGroupCharnForsk", .Side = S1,
     .Art = A::Radio, .Ledetekst = "Charnierforskydning =\n1/7 x Normalrammeafstand",
     .Flag = &Inddata::CharnForskStd, .Punkter = CharnForskTekster, .Vaerdier = OmvendtFlag,
     .Fil = F::Indeks, .Linje = 12},
    {.Kontrol = K::EditCharnForsk, .Navn = "EditCharnForsk", .Side = S1,
     .Ledetekst = "Charnierforskydning", .Enhed = "m",
     .Hint = "Et charnier's (gerberleds) afstand fra nærmeste understøtning. Se evt. "
             "fanebladet \"Hjælp, Længde\"",
     .Decimaler = 2, .Regel = R::IkkeNegativ,
     .Besked = "Charnierforskydningen må ikke være negativ", .HarOmraade = true, .Min = 0,
     .Max = 50, .OmraadeNavn = "Charnierforskydningen", .Tal = &Inddata::CharnForsk,
     .Fil = F::Tekst, .Linje = 13},
    {.Kontrol = K::EditGavlUdh, .Navn = "EditGavlUdh", .Side = S1, .Ledetekst = "Gavludhæng",
     .Enhed = "m",
     .Hint = "Målt vandret fra yderste åseunderstøtning (ca. = gavlens yderside) til "
             "tagkanten (åseenden). Se evt. fanebladet \"Hjælp, Længde\"",
     .Decimaler = 2, .Regel = R::IkkeNegativ, .Besked = "Gavludhænget må ikke være negativt",
     .HarOmraade = true, .Min = 0, .Max = 20, .OmraadeNavn = "Gavludhænget",
     .Tal = &Inddata::GavlUdh, .Fil = F::Tekst, .Linje = 14},
    {.Kontrol = K::ComboBoxEL1, .Navn = "ComboBoxEL1", .Side = S1, .Art = A::Liste,
     .Ledetekst = "Tagdækning", .Heltal = &Inddata::EL1Mat, .Fil = F::Indeks, .Linje = 15,
     .Standard = 1},
    {.Kontrol = K::EditEL1, .Navn = "EditEL1", .Side = S1,
     .Ledetekst = "Egenlast af tagdækning", .Enhed = "kN/m2", .Decimaler = 2,
     .Regel = R::IkkeNegativ, .Besked = "Egenlast af tagdækning må ikke være negativ",
     .HarOmraade = true, .Min = 0, .Max = 100, .OmraadeNavn = "Egenlasten af tagdækning",
     .Tal = &Inddata::EL1, .Fil = F::Tekst, .Linje = 16},
    {.Kontrol = K::ComboBoxEL2, .Navn = "ComboBoxEL2", .Side = S1, .Art = A::Liste,
     .Ledetekst = "Undertag", .Heltal = &Inddata::EL2Mat, .Fil = F::Indeks, .Linje = 17,
     .Standard = 1},
    {.Kontrol = K::EditEL2, .Navn = "EditEL2", .Side = S1, .Ledetekst = "Egenlast af undertag",
     .Enhed = "kN/m2", .Decimaler = 2, .Regel = R::IkkeNegativ,
     .Besked = "Egenlast af undertag må ikke være negativ", .HarOmraade = true, .Min = 0,
     .Max = 100, .OmraadeNavn = "Egenlasten af undertag", .Tal = &Inddata::EL2,
     .Fil = F::Tekst, .Linje = 18},
    {.Kontrol = K::ComboBoxEL3, .Navn = "ComboBoxEL3", .Side = S1, .Art = A::Liste,
     .Ledetekst = "Isolering", .Heltal = &Inddata::EL3Mat, .Fil = F::Indeks, .Linje = 19,
     .Standard = 1},
    {.Kontrol = K::EditEL3, .Navn = "EditEL3", .Side = S1, .Ledetekst = "Egenlast af isolering",
     .Enhed = "kN/m2", .Decimaler = 2, .Regel = R::IkkeNegativ,
     .Besked = "Egenlast af isolering må ikke være negativ", .HarOmraade = true, .Min = 0,
     .Max = 100, .OmraadeNavn = "Egenlasten af isolering", .Tal = &Inddata::EL3,
     .Fil = F::Tekst, .Linje = 20},
    {.Kontrol = K::ComboBoxEL4, .Navn = "ComboBoxEL4", .Side = S1, .Art = A::Liste,
     .Ledetekst = "Loftbeklædning", .Heltal = &Inddata::EL4Mat, .Fil = F::Indeks, .Linje = 21,
     .Standard = 1},
    {.Kontrol = K::EditEL4, .Navn = "EditEL4", .Side = S1,
     .Ledetekst = "Egenlast af loftbeklædning", .Enhed = "kN/m2", .Decimaler = 2,
     .Regel = R::IkkeNegativ, .Besked = "Egenlast af loftbeklædning må ikke være negativ",
     .HarOmraade = true, .Min = 0, .Max = 100, .OmraadeNavn = "Egenlasten af loftbeklædning",
     .Tal = &Inddata::EL4, .Fil = F::Tekst, .Linje = 22},
    {.Kontrol = K::RadioGroupTerrKat, .Navn = "RadioGroupTerrKat", .Side = S1,
     .Art = A::Radio, .Ledetekst = "Terrænkategori",
     .Hint = "Se brugervejledningen for detaljerede beskrivelser",
     .Heltal = &Inddata::TerrKat, .Punkter = TerrKatTekster, .Fil = F::Indeks, .Linje = 23,
     .Standard = 1},
    {.Kontrol = K::EditAfstVesterhav, .Navn = "EditAfstVesterhav", .Side = S1,
     .Ledetekst = "Afstand til Vesterhavet\nell. Ringkøbing Fjord", .Enhed = "km",
     .Decimaler = 0, .Regel = R::IkkeNegativ,
     .Besked = "Afstand fra Vesterhavet ell Ringk. Fjord må ikke være negativ",
     .HarOmraade = true, .Min = 0, .Max = 1000,
     .OmraadeNavn = "Afstanden fra Vesterhavet eller Ringkøbing Fjord",
     .Tal = &Inddata::AfstVesterhav, .Fil = F::Tekst, .Linje = 24},
    {.Kontrol = K::RadioGroupNormSneFormFak, .Navn = "RadioGroupNormSneFormFak", .Side = S1,
     .Art = A::Radio, .Ledetekst = "Snelastens formfaktor", .Flag = &Inddata::NormSneFormFak,
     .Punkter = SneValgTekster, .Vaerdier = OmvendtFlag, .Fil = F::Indeks, .Linje = 25},
    // The snow field shows the value in use; the file keeps it beside the
    // normal value derived from the roof angle and the elevated one typed.
    {.Kontrol = K::EditKaraktSneLast, .Navn = "EditKaraktSneLast", .Side = S1,
     .Ledetekst = "Karakt. snelast", .Enhed = "kN/m2", .Decimaler = 2,
     .Regel = R::IkkeNegativ, .Besked = "Formfaktoren for snelast må ikke være negativ",
     .HarOmraade = true, .Min = 0, .Max = 10, .OmraadeNavn = "Formfaktoren for snelast",
     .Tal = &Inddata::SneFormFak, .Fil = F::Decimal, .Linje = 26},
    {.Kontrol = K::EditKaraktSneLast, .Navn = "SneFormFakNormal", .Side = S1, .Art = A::Gemt,
     .Ledetekst = "Normal formfaktor for snelast", .Enhed = "kN/m²", .Decimaler = 2,
     .HarOmraade = true, .Min = 0, .Max = 10,
     .OmraadeNavn = "Den normale formfaktor for snelast", .Tal = &Inddata::SneFormFakNormal,
     .Fil = F::Decimal, .Linje = 27},
    {.Kontrol = K::EditKaraktSneLast, .Navn = "SneFormFakForhojet", .Side = S1, .Art = A::Gemt,
     .Ledetekst = "Forhøjet formfaktor for snelast", .Enhed = "kN/m²", .Decimaler = 2,
     .HarOmraade = true, .Min = 0, .Max = 10,
     .OmraadeNavn = "Den forhøjede formfaktor for snelast",
     .Tal = &Inddata::SneFormFakForhojet, .Fil = F::Decimal, .Linje = 28},
    {.Kontrol = K::RadioGroupStyrkeKlasse, .Navn = "RadioGroupStyrkeKlasse", .Side = S2,
     .Art = A::Radio, .Ledetekst = "Styrkeklasse", .Heltal = &Inddata::StyrkeKlasse,
     .Punkter = StyrkeKlasseTekster, .Fil = F::Indeks, .Linje = 29, .Standard = 1},
    {.Kontrol = K::EditAaseHojde, .Navn = "EditAaseHojde", .Side = S2, .Ledetekst = "Åsehøjde",
     .Enhed = "mm",
     .Hint = "Åsehøjden måles vinkelret på tagfladen. Se evt. fanebladet \"Hjælp, Tvær\"",
     .Decimaler = 0, .Regel = R::Positiv, .Besked = "Åsehøjden skal være positiv",
     .HarOmraade = true, .Min = 0, .Max = 3000, .OmraadeNavn = "Åsehøjden",
     .Tal = &Inddata::AaseHojde, .Fil = F::Tekst, .Linje = 30},
    {.Kontrol = K::EditAaseBredde, .Navn = "EditAaseBredde", .Side = S2,
     .Ledetekst = "Åsebredde", .Enhed = "mm",
     .Hint = "Åsebredden måles parallelt med tagfladen. Se evt. fanebladet \"Hjælp, Tvær\"",
     .Decimaler = 0, .Regel = R::Positiv, .Besked = "Åsebredden skal være positiv",
     .HarOmraade = true, .Min = 0, .Max = 1000, .OmraadeNavn = "Åsebredden",
     .Tal = &Inddata::AaseBredde, .Fil = F::Tekst, .Linje = 31},
    {.Kontrol = K::RadioGroupAnvKlasse, .Navn = "RadioGroupAnvKlasse", .Side = S2,
     .Art = A::Radio, .Ledetekst = "Anvendelsesklasse", .Heltal = &Inddata::AnvKlasse,
     .Punkter = AnvKlasseTekster, .Fil = F::Indeks, .Linje = 32, .Standard = 1},
    {.Kontrol = K::RadioGroupSikkl, .Navn = "RadioGroupSikkl", .Side = S2, .Art = A::Radio,
     .Ledetekst = "Konsekvensklasse CC", .Heltal = &Inddata::Sikkl, .Punkter = SikklTekster,
     .Fil = F::Indeks, .Linje = 33, .Standard = 1},
    {.Kontrol = K::EditNormalKraftFaktor, .Navn = "EditNormalKraftFaktor", .Side = S2,
     .Ledetekst = "Normalkraftfaktor", .Decimaler = 2, .Regel = R::IkkeNegativ,
     .Besked = "Normalkraftfaktoren må ikke være negativ", .HarOmraade = true, .Min = 0,
     .Max = 100, .OmraadeNavn = "Normalkraftfaktoren", .Tal = &Inddata::NormalKraftFaktor,
     .Fil = F::Tekst, .Linje = 34},
    // The file keeps the catalogue row, not the list position.
    {.Kontrol = K::ComboBoxBeslag, .Navn = "ComboBoxBeslag", .Side = S2, .Art = A::Liste,
     .Ledetekst = "Gerberbeslag", .Heltal = &Inddata::Beslag, .Fil = F::Heltal, .Linje = 35,
     .Standard = 5},
    {.Kontrol = K::EditKipnMoment, .Navn = "EditKipnMoment", .Side = S2,
     .Ledetekst = "Kipningsmoment", .Enhed = "kNm",
     .Hint = "Det nødvendige moment til fastholdelse af rammen mod kipning bør oplyses af "
             "rammeleverandøren",
     .Decimaler = 2, .Regel = R::IkkeNegativ, .Besked = "Kipningsmomentet må ikke være negativt",
     .HarOmraade = true, .Min = 0, .Max = 1000, .OmraadeNavn = "Kipningsmomentet",
     .Tal = &Inddata::KipnMoment, .Fil = F::Tekst, .Linje = 36},
    {.Kontrol = K::RadioGroupRappOmfang, .Navn = "RadioGroupRappOmfang", .Side = S2,
     .Art = A::Radio, .Ledetekst = "Resultatomfang", .Heltal = &Inddata::RappOmfang,
     .Punkter = RappOmfangTekster, .Fil = F::Indeks, .Linje = 37},
    // The supplementary checks' settings follow the 37 lines as extension
    // lines, written only when they differ from their defaults.
    {.Kontrol = K::CheckBoxSkaerpetKontrol, .Navn = "CheckBoxSkaerpetKontrol", .Side = S2,
     .Art = A::Afkrydsning, .Ledetekst = "Skærpet kontrol",
     .Hint = "Regn også efter de gældende regler: revnefaktor 0,67 i forskydning og qki med "
             "spidsfaktor kp = 3,5",
     .Flag = &Inddata::SkaerpetKontrol, .Punkter = AfkrydsningTekster,
     .Vaerdier = AfkrydsningVaerdier, .Fil = F::Udvidelse, .Noegle = "SkaerpetKontrol",
     .Standard = 1},
    {.Kontrol = K::RadioGroupBrandmodstand, .Navn = "RadioGroupBrandmodstand", .Side = S2,
     .Art = A::Radio, .Ledetekst = "Brandmodstand",
     .Hint = "Den brandmodstand åsene skal have (kontrol med reduceret tværsnit)",
     .Heltal = &Inddata::Brandmodstand, .Punkter = BrandmodstandTekster,
     .Vaerdier = BrandmodstandVaerdier, .Fil = F::Udvidelse, .Noegle = "Brandmodstand"},
    {.Kontrol = K::RadioGroupBrandSider, .Navn = "RadioGroupBrandSider", .Side = S2,
     .Art = A::Radio, .Ledetekst = "Brandpåvirkede sider",
     .Hint = "3: undersiden og begge sider (oversiden er dækket af taget); 4: alle sider",
     .Heltal = &Inddata::BrandSider, .Punkter = BrandSiderTekster,
     .Vaerdier = BrandSiderVaerdier, .Fil = F::Udvidelse, .Noegle = "BrandSider"},
    // The standard dimensions only fill the depth and width fields.
    {.Kontrol = K::ComboBoxHojde, .Navn = "ComboBoxHojde", .Side = S2, .Art = A::Liste,
     .Ledetekst = "Højde", .Hint = "Standardmål for åsehøjder"},
    {.Kontrol = K::ComboBoxBredde, .Navn = "ComboBoxBredde", .Side = S2, .Art = A::Liste,
     .Ledetekst = "Bredde", .Hint = "Standardmål for åsebredder"},
}};

constexpr std::size_t AntalFilRaekker = 37;
constexpr std::size_t AntalUdvidelser = 3;

// Every control has exactly one row of its own.
constexpr bool HverKontrolEnRaekke() {
  for (int k = 0; k < AntalKontroller; ++k) {
    int n = 0;
    for (const TFeltRaekke& r : Tabel)
      if (static_cast<int>(r.Kontrol) == k && r.Art != A::Gemt) ++n;
    if (n != 1) return false;
  }
  return true;
}
static_assert(HverKontrolEnRaekke());

// The file's lines are numbered 1..37 in the table's order, and the
// extension rows follow them.
constexpr bool FilensOrden() {
  for (std::size_t i = 0; i < AntalFilRaekker; ++i)
    if (Tabel[i].Linje != static_cast<int>(i) + 1 || Tabel[i].Fil == F::Ingen ||
        Tabel[i].Fil == F::Udvidelse)
      return false;
  for (std::size_t i = AntalFilRaekker; i < AntalFilRaekker + AntalUdvidelser; ++i)
    if (Tabel[i].Fil != F::Udvidelse || Tabel[i].Noegle.empty()) return false;
  for (std::size_t i = AntalFilRaekker + AntalUdvidelser; i < Tabel.size(); ++i)
    if (Tabel[i].Fil != F::Ingen) return false;
  return true;
}
static_assert(FilensOrden());

}  // namespace

std::span<const TFeltRaekke> FeltTabel() { return Tabel; }

std::span<const TFeltRaekke> FilRaekker() {
  return std::span<const TFeltRaekke>(Tabel).first(AntalFilRaekker);
}

std::span<const TFeltRaekke> UdvidelsesRaekker() {
  return std::span<const TFeltRaekke>(Tabel).subspan(AntalFilRaekker, AntalUdvidelser);
}

const TFeltRaekke& FeltRaekke(TKontrol k) {
  // Built once: the row of each control, found by its number.
  static const std::array<const TFeltRaekke*, AntalKontroller> raekker = [] {
    std::array<const TFeltRaekke*, AntalKontroller> a{};
    for (const TFeltRaekke& r : Tabel)
      if (r.Art != A::Gemt) a[static_cast<std::size_t>(r.Kontrol)] = &r;
    return a;
  }();
  return *raekker[static_cast<std::size_t>(k)];
}

int ValgVaerdi(const TFeltRaekke& r, int punkt) {
  if (r.Vaerdier.empty()) return punkt;
  if (punkt < 0 || static_cast<std::size_t>(punkt) >= r.Vaerdier.size()) return -1;
  return r.Vaerdier[static_cast<std::size_t>(punkt)];
}

int ValgPunkt(const TFeltRaekke& r, int vaerdi) {
  if (r.Vaerdier.empty()) return vaerdi;
  const auto it = std::find(r.Vaerdier.begin(), r.Vaerdier.end(), vaerdi);
  return it == r.Vaerdier.end() ? -1 : static_cast<int>(it - r.Vaerdier.begin());
}

double FeltVaerdi(const TFeltRaekke& r, const Inddata& d) {
  if (r.Tal) return d.*r.Tal;
  if (r.Heltal) return d.*r.Heltal;
  if (r.Flag) return d.*r.Flag;
  return 0.0;
}

}  // namespace kvistor
