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
      .formaal = "finder det mindste tilstrækkelige åsetværsnit",
      .beskrivelse =
          "Finder det mindste tilstrækkelige åsetværsnit for projektet: hver standardhøjde "
          "og -bredde i projektets styrkeklasse (med --alle-klasser i alle styrkeklasser) "
          "beregnes med det første gerberbeslag på beslaglisten, hvis samling holder. "
          "Varianterne, der består alle tre kontroller (åsetværsnit, samling og nedbøjning), "
          "vises på standard-output ordnet efter tværsnitsareal og højde, den bedste først; "
          "de øvrige tælles.",
      .tilvalg = {{.navn = "--alle-klasser",
                   .hjaelp = "Prøver tværsnittene i alle styrkeklasser, ikke kun projektets "
                             "egen."},
                  Tolerant()},
      .kode0 = "mindst én variant består alle tre kontroller",
      .kode4 = "ingen variant består",
      .koer = DimensionerKommando,
  });
  t.push_back({
      .navn = "charnier",
      .formaal = "finder den bedste charnierforskydning",
      .beskrivelse =
          "Beregner projektet med egen charnierforskydning (\"Nej\") fra 0 m til lige under "
          "gavlrammeafstanden i skridt på 10 mm og viser på standard-output den forskydning, "
          "der giver den mindste største udnyttelsesgrad (først bøjning/forskydning, så "
          "samling), med en tabel over udnyttelsen for hver 10 cm, så det ses, hvor fladt "
          "optimum er, og hvor 1/7-reglen (\"Ja\") ligger på kurven.",
      .tilvalg = {Tolerant()},
      .kode0 = "mindst én forskydning består alle tre kontroller",
      .kode4 = "ingen forskydning består",
      .koer = CharnierKommando,
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
