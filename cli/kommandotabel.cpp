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

TTilvalg Uddata(std::string vaerdinavn, std::string hjaelp, bool paakraevet) {
  return {.navn = "-o",
          .vaerdinavn = std::move(vaerdinavn),
          .art = TVaerdiArt::Tekst,
          .hjaelp = std::move(hjaelp),
          .paakraevet = paakraevet,
          .kontrol = KontrollerFilnavn};
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
                             "rapportfilen (uden -o: ved siden af projektfilen). Kræver "
                             "rapportomfanget \"Detaljeret\"."},
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
      .formaal = "tegner en kontroltegning af projektet som SVG-fil",
      .beskrivelse = "Tegner kontroltegningen af tværsnittet (tvaer) eller af åsens "
                     "længdeforløb (laengde) som SVG-fil, den samme tegning som programmets "
                     "sider \"Kontrol, tvær\" og \"Kontrol, længde\".",
      .ord = {"tvaer", "laengde"},
      .ordAliaser = {{"tvær", "tvaer"}, {"længde", "laengde"}},
      .ordnavn = "tegning",
      .tilvalg = {Uddata("FIL.svg", "SVG-filen; -o - er standard-output.", true),
                  Pixel("--bredde", "B", "Tegningens bredde i pixel (standard 760)."),
                  Pixel("--hoejde", "H", "Tegningens højde i pixel (standard 520)."),
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
          "øvrige tælles.",
      .tilvalg = {AlleKlasser(), PrisFil(), Tolerant()},
      .kode0 = "mindst én variant består alle tre kontroller",
      .kode4 = "ingen variant består",
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
          "kontroller, siges det, og den mindst dårlige vises.",
      .tilvalg = {{.navn = "--alle",
                   .hjaelp = "Tager også forskydninger under 0,40 m med."},
                  Tolerant()},
      .kode0 = "den bedste forskydning består alle tre kontroller",
      .kode4 = "ingen forskydning består",
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
          "100 mm C24, <gerberbeslag>, charnierforskydning 1,20 m\".",
      .tilvalg = {AlleKlasser(), PrisFil(), Tolerant()},
      .kode0 = "mindst én variant består alle tre kontroller",
      .kode4 = "ingen variant består",
      .koer = OptimerKommando,
  });
  t.push_back({
      .navn = "kurver",
      .formaal = "tegner forskydningskraft- og momentkurverne som SVG-fil",
      .beskrivelse =
          "Tegner forskydningskraft- og momentkurverne langs hele åsen med understøtninger, "
          "charnierer og ekstremværdier som SVG-fil. Uden --lk og --lt tegnes de "
          "lasttilfælde, der er dimensionsgivende for bøjning i hver fagtype (KE, MF, LE).",
      .tilvalg = {Uddata("FIL.svg", "SVG-filen; -o - er standard-output.", true),
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
                  Pixel("--bredde", "B", "Billedets bredde i pixel (standard 1000)."),
                  Pixel("--hoejde", "H",
                        "Billedets højde i pixel (standard 600 pr. lasttilfælde, højst 20000)."),
                  Tolerant()},
      .kode0 = "projektet består alle tre kontroller",
      .kode4 = "en rød advarsel vises",
      .koer = KurverKommando,
  });
  return t;
}

}  // namespace

const std::vector<TKommando>& Kommandoer() {
  static const std::vector<TKommando> tabel = Tabel();
  return tabel;
}

}  // namespace kvistor
