// The commands of kvistor-cli: one row each. The helps, the manual page and
// README's synopsis are made from these rows (cli/tilvalg.h), and the
// command line's own test runs every option of every row.
#include "cli/kommandoer.h"

namespace kvistor {

namespace {

// A picture larger than this is a typing error, not a drawing.
constexpr int MaksPixel = 20000;

std::optional<std::string> KontrollerFilnavn(const std::string& v) {
  if (v.empty()) return "-o mangler et filnavn.";
  return std::nullopt;
}

TTilvalg Uddata(std::string vaerdinavn, std::string hjaelp, bool paakraevet,
                std::string eksempel = "") {
  return {.navn = "-o",
          .vaerdinavn = std::move(vaerdinavn),
          .art = TVaerdiArt::Tekst,
          .hjaelp = std::move(hjaelp),
          .paakraevet = paakraevet,
          .eksempel = std::move(eksempel),
          .kontrol = KontrollerFilnavn};
}

// -o of a drawing, and the format where the file's name does not tell it.
TTilvalg Tegningsfil() {
  return Uddata("FIL.svg|.dxf",
                "Tegningsfilen; efternavnet .svg eller .dxf bestemmer formatet. -o - er "
                "standard-output.",
                true, "tegning.svg");
}
TTilvalg Tegneformat() {
  return {.navn = "--format",
          .vaerdinavn = "FORMAT",
          .art = TVaerdiArt::Valg,
          .valg = {"svg", "dxf"},
          .hjaelp = "Formatet, når -o er - eller et filnavn, der ikke ender på .svg eller .dxf "
                    "(standard svg). Ved et filnavn på .svg eller .dxf skal det passe til "
                    "efternavnet."};
}

TTilvalg Pixel(std::string navn, std::string vaerdinavn, std::string hjaelp) {
  return {.navn = std::move(navn),
          .vaerdinavn = std::move(vaerdinavn),
          .art = TVaerdiArt::Heltal,
          .fra = 1,
          .til = MaksPixel,
          .hjaelp = std::move(hjaelp)};
}

TTilvalg Tolerant() {
  return {.navn = "--tolerant",
          .hjaelp = "Regner med de værdier, indlæsningen sætter i stedet for værdier i "
                    "projektfilen, der ikke kan bruges som de står (fx \"12.00\" med punktum), "
                    "som vinduet gør; meddelelserne skrives på standard-error. Uden tilvalget "
                    "afvises en sådan projektfil med slutkode 2."};
}

// The long searches of the design aids.
constexpr const char* StopTekst =
    "Når standard-error er en terminal, vises efter et sekund, hvor langt søgningen er "
    "(\"Beregning 120 af 600 ...\"). Ctrl+C stopper søgningen, når de beregninger, der er "
    "i gang, er færdige; der skrives da intet resultat.";

std::optional<std::string> KontrollerPrisfil(const std::string& v) {
  if (v.empty()) return "--priser mangler et filnavn.";
  return std::nullopt;
}

TTilvalg AlleKlasser() {
  return {.navn = "--alle-klasser",
          .hjaelp = "Prøver tværsnittene i alle styrkeklasser, ikke kun projektets egen, og "
                    "sammenligner dem på pris."};
}

TTilvalg PrisFil() {
  return {.navn = "--priser",
          .vaerdinavn = "FIL",
          .art = TVaerdiArt::Tekst,
          .hjaelp = "Relative priser pr. m³ træ efter styrkeklasse fra en prisfil med én linje "
                    "pr. klasse og komma som decimaltegn, fx \"C24=1,00\" og \"GL24c=1,45\"; en "
                    "klasse, der ikke nævnes, beholder standardprisen. Uden tilvalget bruges "
                    "afsnittet [Priser] i programmets indstillinger, ellers standardpriserne "
                    "(C14 0,90, C18 0,95, C24 1,00, C30 1,15, GL24c 1,45, GL28c 1,55, GL32c "
                    "1,70). En prisfil med en linje, der ikke kan læses, afvises med slutkode 2.",
          .kontrol = KontrollerPrisfil};
}

// The options of the two searches by price: every strength class, the
// prices, tolerance, and the supplementary checks a variant must pass as
// well.
std::vector<TTilvalg> PrissoegningsTilvalg() {
  std::vector<TTilvalg> t = {AlleKlasser(), PrisFil(), Tolerant()};
  t.push_back({.navn = "--skaerpet",
                  .hjaelp = "En variant skal også bestå den skærpede kontrol (revnefaktoren 0,67 i "
                            "forskydning og qki med spidsfaktoren kp = 3,5) med alle tre "
                            "konklusioner OK."});
  t.push_back({.navn = "--brand",
                  .vaerdinavn = "MIN",
                  .art = TVaerdiArt::Valg,
                  .valg = {"15", "30", "60"},
                  .hjaelp = "En variant skal også have denne brandmodstand i minutter (R15, R30, "
                            "R60) efter metoden med reduceret tværsnit, som kommandoen brand "
                            "regner den."});
  t.push_back({.navn = "--sider",
                  .vaerdinavn = "N",
                  .art = TVaerdiArt::Valg,
                  .valg = {"3", "4"},
                  .hjaelp = "Brandpåvirkede sider ved --brand: 3 (undersiden og begge sider; "
                            "oversiden er dækket af taget, standard) eller 4.",
                  .kraever = {"--brand"}});
  return t;
}

// What a search by price ends with.
constexpr const char* PrissoegningKode0 =
    "mindst én variant består alle tre kontroller (og de supplerende, der er bedt om)";
constexpr const char* PrissoegningKode4 = "ingen variant består";

std::vector<TKommando> Tabel() {
  std::vector<TKommando> t;
  t.push_back({
      .navn = "rapport",
      .formaal = "beregner projektet og skriver resultatrapporten",
      .beskrivelse =
          "Beregner projektet og skriver resultatrapporten: til standard-output (UTF-8) eller "
          "med -o til en tekstfil (Windows-1252, CR LF), som når resultatet gemmes i "
          "programmet. Rapportens omfang (normal eller detaljeret) er det, projektfilen "
          "angiver. Flere projektfiler giver én rapport hver på standard-output; -o kan da "
          "ikke bruges.\n\n"
          "Advarsler i rapporten skrives også på standard-error som linjer, der begynder med "
          "\"Bemærk:\". Firmanavnet i rapportens hoved er det, programmets indstillinger "
          "angiver, medmindre --firma gives.",
      .maksProjekter = 0,
      .tilvalg = {Uddata("RAPPORT.txt", "Rapportfilen; -o - er standard-output.", false),
                  {.navn = "--kurver",
                   .hjaelp = "Gemmer også data til forskydningskraft- og momentkurverne som "
                             "\"<navn> Q-kurver.txt\" og \"<navn> M-kurver.txt\" ved siden af "
                             "rapportfilen (uden -o: ved siden af projektfilen), så den skal "
                             "være en fil i en mappe, ikke -o -, en enhed eller et navngivet "
                             "rør. Kræver rapportomfanget \"Detaljeret\"; et projekt med "
                             "\"Normal\" afvises med slutkode 1."},
                  {.navn = "--skaerpet",
                   .hjaelp = "Skærpet kontrol: hele beregningen og rapporten med revnefaktoren "
                             "0,67 i forskydning (fvd = 0,67·fvk/gamma(m)) og qki med "
                             "spidsfaktoren kp = 3,5; lige under \"RESULTAT\" står, at "
                             "rapporten er den skærpede. Uden tilvalget skrives den almindelige "
                             "rapport."},
                  {.navn = "--dato",
                   .vaerdinavn = "\"yyyy-MM-dd,HH:mm:ss\"",
                   .art = TVaerdiArt::Tekst,
                   .hjaelp = "Beregningstidspunktet i rapportens hoved, fx "
                             "\"2026-03-01,14:05:00\"; ellers maskinens ur. Giver rapporter, "
                             "der kan sammenlignes byte for byte.",
                   .eksempel = "2026-03-01,14:05:00",
                   .kontrol = KontrollerDato},
                  {.navn = "--firma",
                   .vaerdinavn = "NAVN",
                   .art = TVaerdiArt::Tekst,
                   .hjaelp = "Firmanavnet i rapportens hoved, højst 70 tegn; ellers firmanavnet "
                             "fra programmets indstillinger (~/.config/Kvistor/Kvistor.conf)."},
                  Tolerant()},
      .kode0 = "rapporten er skrevet, og alle tre konklusioner er OK",
      .kode4 = "rapporten er skrevet, men en advarsel er givet",
      .koer = RapportKommando,
  });
  t.push_back({
      .navn = "tegning",
      .formaal = "tegner en kontroltegning af projektet som SVG- eller DXF-fil",
      .beskrivelse = "Tegner kontroltegningen af tværsnittet (tvaer) eller af åsens "
                     "længdeforløb (laengde), den samme tegning som programmets sider "
                     "\"Kontrol, tvær\" og \"Kontrol, længde\": som SVG-billede med den "
                     "størrelse i pixel, --bredde og --hoejde giver, eller som DXF-tegning "
                     "(AutoCAD 2000, tegnsæt Windows-1252) til et CAD-program i sand størrelse, "
                     "én tegningsenhed en millimeter, med tekster og pile til den målestok, "
                     "hvor tegningen kan være på et A3-ark. Lag efter rolle: KONTUR, TERRAEN, "
                     "LASTBREDDE, TRAE, BESLAG, FIGUR og TEKST.",
      .ord = {"tvaer", "laengde"},
      .ordAliaser = {{"tvær", "tvaer"}, {"længde", "laengde"}},
      .ordnavn = "tegning",
      .tilvalg = {Tegningsfil(),
                  Tegneformat(),
                  Pixel("--bredde", "B", "SVG-billedets bredde i pixel (standard 760)."),
                  Pixel("--hoejde", "H", "SVG-billedets højde i pixel (standard 520)."),
                  Tolerant()},
      .kode0 = "tegningen er skrevet",
      .koer = TegningKommando,
  });
  t.push_back({
      .navn = "dimensioner",
      .formaal = "finder det billigste tilstrækkelige åsetværsnit",
      .beskrivelse =
          "Finder det billigste tilstrækkelige åsetværsnit for projektet med dets egen "
          "charnierforskydning: hver standardhøjde og -bredde i projektets styrkeklasse (med "
          "--alle-klasser i alle styrkeklasser) beregnes med det første gerberbeslag på "
          "beslaglisten, hvis samling holder. Varianterne, der består alle tre kontroller "
          "(åsetværsnit, samling og nedbøjning), vises på standard-output ordnet efter pris pr. "
          "meter (relativ pris pr. m³ gange areal), så areal og højde, den billigste først; de "
          "øvrige tælles.\n\n" +
          std::string(StopTekst),
      .tilvalg = PrissoegningsTilvalg(),
      .kode0 = PrissoegningKode0,
      .kode4 = PrissoegningKode4,
      .kanStoppes = true,
      .koer = DimensionerKommando,
  });
  t.push_back({
      .navn = "charnier",
      .formaal = "finder den bedste charnierforskydning",
      .beskrivelse =
          "Beregner projektet med egen charnierforskydning (\"Nej\") i skridt på 10 mm og viser "
          "på standard-output den forskydning, der giver den mindste styrende udnyttelse: den "
          "største af åsetværsnittets (bøjning og forskydning) og samlingens, blandt "
          "forskydninger hvis nedbøjning er OK; ved lighed vælges den mindste nedbøjning, så "
          "den mindste forskydning. Forskydninger under 0,40 m er ikke med (for lidt plads til "
          "beslag og kipbeslag), undtagen 1/7-reglens. Skanningen stopper, hvor beregningen "
          "ikke kan gennemføres, eller hvor alle udnyttelser er over 999 %.\n\n"
          "Tabellen viser udnyttelsen for hver 10 cm, så det ses, hvor fladt optimum er, og "
          "hvor 1/7-reglen (\"Ja\") ligger på kurven. Består ingen forskydning alle tre "
          "kontroller, siges det, og den mindst dårlige vises.\n\n" +
          std::string(StopTekst),
      .tilvalg = {{.navn = "--alle",
                   .hjaelp = "Tager også forskydninger under 0,40 m med."},
                  Tolerant()},
      .kode0 = "den bedste forskydning består alle tre kontroller",
      .kode4 = "ingen forskydning består",
      .kanStoppes = true,
      .koer = CharnierKommando,
  });
  t.push_back({
      .navn = "optimer",
      .formaal = "finder den billigste ås: tværsnit, beslag og charnierforskydning sammen",
      .beskrivelse =
          "Vælger åsetværsnit, gerberbeslag og charnierforskydning sammen, for den bedste "
          "forskydning tillader ofte et mindre tværsnit. For hvert standardtværsnit i projektets "
          "styrkeklasse (med --alle-klasser i alle) findes den forskydning, der giver mindst "
          "styrende udnyttelse, og ved den det første gerberbeslag på beslaglisten, hvis samling "
          "holder. Varianterne, der består alle tre kontroller, vises på standard-output ordnet "
          "efter pris pr. meter, de ti billigste, med besparelsen i forhold til projektet, som det "
          "er indtastet, og i forhold til det billigste tværsnit efter 1/7-reglen.\n\n"
          "Første linje navngiver den bedste variant, så et script kan læse den: \"Bedste: 200 x "
          "100 mm C24, <gerberbeslag>, charnierforskydning 1,20 m\".\n\n" +
          std::string(StopTekst),
      .tilvalg = PrissoegningsTilvalg(),
      .kode0 = PrissoegningKode0,
      .kode4 = PrissoegningKode4,
      .kanStoppes = true,
      .koer = OptimerKommando,
  });
  t.push_back({
      .navn = "kurver",
      .formaal = "tegner forskydningskraft- og momentkurverne som SVG- eller DXF-fil",
      .beskrivelse =
          "Tegner forskydningskraft- og momentkurverne langs hele åsen med understøtninger, "
          "charnierer og ekstremværdier som SVG-billede eller som DXF-tegning til et "
          "CAD-program. Uden --lk og --lt tegnes de lasttilfælde, der er dimensionsgivende "
          "for bøjning i hver fagtype (KE, MF, LE).\n\n"
          "DXF-tegningen er i fast målestok til plot i 1:1: 1:50 langs åsen (20 mm pr. "
          "meter) og 100 mm pr. diagram; lag KURVE, KURVEFLADE, SYSTEM, CHARNIER, EKSTREMUM "
          "og TEKST.",
      .tilvalg = {Tegningsfil(),
                  Tegneformat(),
                  {.navn = "--lk",
                   .vaerdinavn = "N",
                   .art = TVaerdiArt::Heltal,
                   .fra = 1,
                   .til = 12,
                   .hjaelp = "Lastkombinationen.",
                   .kraever = {"--lt"},
                   .eksempel = "8"},
                  {.navn = "--lt",
                   .vaerdinavn = "X",
                   .art = TVaerdiArt::Bogstav,
                   .fra = 'a',
                   .til = 'x',
                   .hjaelp = "Lasttilfældet i lastkombinationen.",
                   .kraever = {"--lk"},
                   .eksempel = "f"},
                  {.navn = "--aas",
                   .vaerdinavn = "N",
                   .art = TVaerdiArt::Heltal,
                   .fra = 1,
                   .til = 3,
                   .hjaelp = "Åsen (standard 2).",
                   .kraever = {"--lk"},
                   .eksempel = "2"},
                  Pixel("--bredde", "B", "SVG-billedets bredde i pixel (standard 1000)."),
                  Pixel("--hoejde", "H",
                        "SVG-billedets højde i pixel (standard 600 pr. lasttilfælde, højst "
                        "20000)."),
                  Tolerant()},
      .kode0 = "projektet består alle tre kontroller",
      .kode4 = "en rød advarsel vises",
      .koer = KurverKommando,
  });
  t.push_back({
      .navn = "brand",
      .formaal = "efterviser åsens brandmodstand med reduceret tværsnit",
      .beskrivelse =
          "Efterviser åsens brandmodstand efter metoden med reduceret tværsnit (EN 1995-1-2, "
          "4.2.2) for lastkombinationerne i brand (1,0 g + 0,2 s og 1,0 g + 0,2 w) og skriver "
          "brandafsnittet på standard-output: kravet, forkulning og resttværsnit, styrkerne i "
          "brand, udnyttelsesgraderne i bøjning og forskydning for hver fagtype med de "
          "dimensionsgivende tilfælde, konklusionen og den opnåede brandmodstand i hele "
          "minutter (højst 120). Gerberbeslag og forankringer er af stål og eftervises ikke.\n\n"
          "Kravet og de brandpåvirkede sider er projektets egne (linjerne Brandmodstand og "
          "BrandSider i projektfilen); --R og --sider går forud for dem. Uden krav regnes der "
          "ikke.",
      .tilvalg = {{.navn = "--R",
                   .vaerdinavn = "MIN",
                   .art = TVaerdiArt::Valg,
                   .valg = {"15", "30", "60"},
                   .hjaelp = "Den krævede brandmodstand i minutter (R15, R30, R60); ellers "
                             "projektets egen."},
                  {.navn = "--sider",
                   .vaerdinavn = "N",
                   .art = TVaerdiArt::Valg,
                   .valg = {"3", "4"},
                   .hjaelp = "Brandpåvirkede sider: 3 (undersiden og begge sider; oversiden er "
                             "dækket af taget) eller 4; ellers projektets egne (standard 3)."},
                  Tolerant()},
      .kode0 = "kravet til brandmodstand er opfyldt (eller der er intet krav)",
      .kode4 = "kravet til brandmodstand er ikke opfyldt",
      .koer = BrandKommando,
  });
  auto navn = [](std::string navn, std::string hjaelp) {
    return TTilvalg{.navn = std::move(navn),
                    .vaerdinavn = "NAVN",
                    .art = TVaerdiArt::Tekst,
                    .hjaelp = std::move(hjaelp)};
  };
  t.push_back({
      .navn = "dokumentation",
      .formaal = "skriver den statiske dokumentation af projektet som PDF-fil",
      .beskrivelse =
          "Beregner projektet og skriver \"Statisk dokumentation\" (A2.2 Statiske beregninger) "
          "som PDF-fil: forside med navne, dato og underskriftsfelter, indhold, "
          "forudsætninger og programmets antagelser, laster, lastkombinationer, begge "
          "kontroltegninger, rapporten uændret, kurverne for de tilfælde, der giver største "
          "bøjning, referencer og, med rapportomfanget \"Detaljeret\", rapportens detaljerede "
          "del som bilag A. Forsiden angiver projektfilens navn og de første 12 cifre af dens "
          "SHA-256.\n\n"
          "De supplerende kontroller, projektet beder om (skærpet kontrol og brandmodstand), "
          "står i afsnittet \"Supplerende kontrol\"; holder en af dem ikke, siges det på "
          "standard-error (\"Bemærk: ...\"), men slutkoden følger rapportens tre "
          "konklusioner.\n\n"
          "Navnene hentes fra programmets indstillinger (~/.config/Kvistor/Kvistor.conf), "
          "medmindre de gives som tilvalg; uden navne står underskriftslinjerne tomme.",
      .tilvalg = {Uddata("FIL.pdf", "PDF-filen; -o - er standard-output.", true),
                  navn("--firma", "Firmanavnet på forsiden, i sidehovedet og i rapportens "
                                  "hoved, højst 70 tegn."),
                  navn("--udfoert-af", "Den, der har udført beregningen."),
                  navn("--kontrolleret-af", "Den, der har kontrolleret beregningen."),
                  {.navn = "--sag",
                   .vaerdinavn = "NR",
                   .art = TVaerdiArt::Tekst,
                   .hjaelp = "Sagsnummeret på forsiden og i sidehovedet."},
                  {.navn = "--dato",
                   .vaerdinavn = "\"yyyy-MM-dd,HH:mm:ss\"",
                   .art = TVaerdiArt::Tekst,
                   .hjaelp = "Dokumentets dato og beregningstidspunktet i rapportens hoved; "
                             "ellers maskinens ur. Samme projekt og dato giver samme fil.",
                   .eksempel = "2026-03-01,14:05:00",
                   .kontrol = KontrollerDato},
                  Tolerant()},
      .kode0 = "dokumentet er skrevet, og alle tre konklusioner er OK",
      .kode4 = "dokumentet er skrevet, men en advarsel er givet",
      .koer = DokumentationKommando,
  });
  t.push_back({
      .navn = "tabel",
      .formaal = "samler projekternes resultater i et regneark (XLSX), CSV eller JSON",
      .beskrivelse =
          "Beregner projekterne, som kommandoen rapport gør, og samler resultaterne i én tabelfil. "
          "Filnavnets efternavn bestemmer formatet: .xlsx er et regneark med arkene "
          "\"Oversigt\" (én række pr. projekt), \"Fagtyper\", \"Tilfælde\" og \"Kurver\"; "
          ".csv er \"Oversigt\", som et dansk regneark åbner den ved dobbeltklik (semikolon, "
          "decimalkomma, UTF-8); .json er til skripter (punktum som decimaltegn, enheder i "
          "nøglerne, programmets version). -o - skriver JSON på standard-output, med "
          "--format csv CSV; et regneark skrives kun til en fil.\n\n"
          "Hvert projekt får sin række i den rækkefølge, filerne er givet, også et projekt, "
          "der afvises, hvis beregning afbrydes, eller som ikke kan læses: rækken viser "
          "status og årsag, og meddelelsen skrives på standard-error (med filnavnet foran, "
          "når der er flere). "
          "Tabellen skrives også da, og slutkoden er den alvorligste.",
      .maksProjekter = 0,
      .tilvalg = {Uddata("FIL.xlsx|.csv|.json",
                         "Tabelfilen; efternavnet .xlsx, .csv eller .json bestemmer formatet. "
                         "-o - er standard-output.",
                         true, "tabel.json"),
                  {.navn = "--format",
                   .vaerdinavn = "FORMAT",
                   .art = TVaerdiArt::Valg,
                   .valg = {"json", "csv"},
                   .hjaelp = "Formatet på standard-output ved -o - (standard json). Ved et "
                             "filnavn skal det passe til efternavnet."},
                  Tolerant()},
      .kode0 = "tabellen er skrevet, og alle projekter består alle tre kontroller",
      .kode4 = "tabellen er skrevet, men et projekt holder ikke alle tre kontroller",
      .koer = TabelKommando,
  });
  return t;
}

}  // namespace

const std::vector<TKommando>& Kommandoer() {
  static const std::vector<TKommando> tabel = Tabel();
  return tabel;
}

}  // namespace kvistor
