// kvistor-cli rapport run in-process: output, files, messages, exit codes.
#include <gtest/gtest.h>

#include <filesystem>

#include <sys/stat.h>

#include "cli/kommandoer.h"
#include "hjaelp/program.h"
#include "hjaelp/projekt.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

const std::string Standard = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();
const std::string Golden = (fs::path(KVISTOR_TESTDATA) / "golden").string();
const std::string Dato = "2026-03-01,14:05:00";
const std::string Firma = "Rådgivende Ingeniører ApS";

test::TKoersel Koer(const test::Args& a) { return test::KoerInternt({"rapport"}, a); }

TEST(RapportKommando, StandardTilStandardOutputSomGoldenFilen) {
  std::vector<std::string> golden;
  ASSERT_TRUE(LaesTekstfil(Golden + "/Standard normal.txt", golden));
  std::string forventet;
  for (const auto& l : golden) forventet += l + "\n";
  // UTF-8 with LF on the standard output, with or without "-o -"; the same
  // lines as the saved report.
  for (const auto& a : {std::vector<std::string>{Standard, "--dato", Dato, "--firma", Firma},
                        std::vector<std::string>{Standard, "-o", "-", "--dato", Dato, "--firma", Firma}}) {
    const auto r = Koer(a);
    EXPECT_EQ(r.kode, 0) << r.fejl;
    EXPECT_EQ(r.fejl, "");
    EXPECT_EQ(r.ud, forventet);
  }
  // Line breaks and control characters in the company name become blanks,
  // bytes that are no UTF-8 '?': the report keeps its lines.
  const auto f = Koer({Standard, "--dato", Dato, "--firma", "A/S\r\nB\x01\xFF\u2028\u202E"});
  EXPECT_NE(f.ud.find("A/S  B ?  \n"), std::string::npos);
  EXPECT_EQ(f.ud.find('\r'), std::string::npos);
}

TEST(RapportKommando, FilOgKurverSkrivesMenAldrigOvenIProjektet) {
  test::TTestMappe m;
  const std::string projekt = m / "forhojet.aid";
  fs::copy_file(fs::path(KVISTOR_TESTDATA) / "forhojet_sne_limtrae.aid", projekt);
  const auto r = Koer({projekt, "-o", m / "Hal 3.txt", "--kurver", "--dato", Dato, "--firma", Firma});
  // The purlin of this project is overloaded: report written, note raised.
  EXPECT_EQ(r.kode, 4);
  EXPECT_EQ(r.ud, "");
  EXPECT_NE(r.fejl.find("Bemærk: Åsedimensionen er utilstrækkelig\n"), std::string::npos);
  const std::string g = Golden + "/forhojet_sne_limtrae ";
  EXPECT_EQ(Bytes(m / "Hal 3.txt"), Bytes(g + "detaljeret.txt"));
  EXPECT_EQ(Bytes(m / "Hal 3 Q-kurver.txt"), Bytes(g + "Q-kurver.txt"));
  EXPECT_EQ(Bytes(m / "Hal 3 M-kurver.txt"), Bytes(g + "M-kurver.txt"));

  // The project as report file, by another path, a symbolic link or a hard
  // link, or as a curve file: refused, and the project is kept.
  const std::string foer = Bytes(projekt);
  fs::create_symlink(projekt, m / "link.txt");
  fs::create_hard_link(projekt, m / "haard.txt");
  fs::create_hard_link(projekt, m / "X Q-kurver.txt");
  for (const std::string& ud : {m / "./forhojet.aid", m / "link.txt", m / "haard.txt"}) {
    const auto s = Koer({projekt, "-o", ud});
    EXPECT_EQ(s.kode, 1) << ud;
    EXPECT_EQ(s.fejl, "Fejl: Rapporten kan ikke gemmes oven i projektfilen " + projekt + " (" + ud +
                          ")\n");
  }
  const auto k = Koer({projekt, "-o", m / "X.txt", "--kurver"});
  EXPECT_EQ(k.kode, 1);
  EXPECT_EQ(k.fejl, "Fejl: Kurvedata kan ikke gemmes oven i projektfilen " + projekt + " (" +
                        (m / "X Q-kurver.txt") + ")\n");
  EXPECT_FALSE(fs::exists(m / "X.txt"));
  EXPECT_EQ(Bytes(projekt), foer);
}

// The standard project in the detailed extent, saved in `m`.
std::string Detaljeret(const test::TTestMappe& m, const std::string& navn) {
  return test::StandardMed(m, navn, {{36, "1"}});
}

TEST(RapportKommando, UddataDerStoederSammenAfvisesFoerNogetSkrives) {
  test::TTestMappe m;
  const std::string a = Detaljeret(m, "a.aid"), bak = Detaljeret(m, "a.bak");
  // Both projects' curves would get the names "a Q-kurver.txt" and
  // "a M-kurver.txt".
  const auto r = Koer({a, bak, "--kurver", "--dato", Dato});
  EXPECT_EQ(r.kode, 1);
  EXPECT_EQ(r.ud, "");
  EXPECT_EQ(r.fejl, "Fejl: Kurvedata for " + a + " og kurvedata for " + bak +
                        " ville blive gemt i samme fil, " + (m / "a Q-kurver.txt") +
                        "; der er ikke gemt noget.\n");
  EXPECT_FALSE(fs::exists(m / "a Q-kurver.txt"));
  // A project named like another project's curve file is kept.
  const std::string b = Detaljeret(m, "b.aid"), kurve = Detaljeret(m, "b Q-kurver.txt");
  const std::string foer = Bytes(kurve);
  const auto k = Koer({b, kurve, "--kurver"});
  EXPECT_EQ(k.kode, 1);
  EXPECT_EQ(k.fejl, "Fejl: Kurvedata for " + b + " kan ikke gemmes oven i projektfilen " + kurve + "\n");
  EXPECT_EQ(Bytes(kurve), foer);
  EXPECT_FALSE(fs::exists(m / "b M-kurver.txt"));
}

TEST(RapportKommando, KurverKraeverDetaljeretOgEnRapportfilIEnMappe) {
  test::TTestMappe m;
  // The normal extent has no curves: refused before anything is written.
  const auto n = Koer({Standard, "-o", m / "r.txt", "--kurver"});
  EXPECT_EQ(n.kode, 1);
  EXPECT_EQ(n.fejl, "Fejl: Kurvedata findes kun med rapportomfanget \"Detaljeret\"; projektfilen " +
                        Standard + " har \"Normal\". Vælg \"Detaljeret\" i projektet, eller udelad "
                        "--kurver.\n");
  EXPECT_FALSE(fs::exists(m / "r.txt"));
  // Curve files go beside the report file, which must be a file in a folder.
  const std::string p = Detaljeret(m, "p.aid");
  ASSERT_EQ(::mkfifo((m / "roer").c_str(), 0600), 0);
  for (const std::string& ud : {std::string("/dev/null"), std::string("-"), m / "roer"}) {
    const auto r = Koer({p, "-o", ud, "--kurver"});
    EXPECT_EQ(r.kode, 1) << ud;
    EXPECT_EQ(r.ud, "") << ud;
    EXPECT_EQ(r.fejl.rfind("Fejl: --kurver gemmer kurvedata ved siden af rapportfilen, og " +
                               std::string(ud == "-" ? "standard-output" : ud) +
                               " er ingen almindelig fil i en mappe.\n",
                           0),
              0u)
        << r.fejl;
  }
  // A name that is only an extension is the stem of the curve files.
  EXPECT_EQ(Koer({p, "-o", m / ".rapport", "--kurver"}).kode, 0);
  EXPECT_TRUE(fs::exists(m / ".rapport Q-kurver.txt"));
  EXPECT_TRUE(fs::exists(m / ".rapport M-kurver.txt"));
  EXPECT_FALSE(fs::exists(m / " Q-kurver.txt"));
}

TEST(RapportKommando, UlaeseligeVaerdierAfvisesMedEnLiniePrVaerdiUndtagenTolerant) {
  test::TTestMappe m;
  const std::string p = test::StandardMed(m, "p.aid", {{3, "12.00"}, {14, "x"}});
  const auto r = Koer({p, "--dato", Dato});
  EXPECT_EQ(r.kode, 2);
  EXPECT_EQ(r.ud, "");
  EXPECT_EQ(r.fejl,
            "Fejl: Linie 4: \"12.00\" kan ikke bruges som det står; i stedet ville 99,00 blive brugt.\n"
            "Linie 15: \"x\" kan ikke bruges som det står; i stedet ville 1 blive brugt.\n"
            "Projektfilen " + p + " er afvist: 2 værdier kan ikke bruges som de står. Med "
            "--tolerant regnes der med de erstattede værdier.\n");
  // --tolerant: as in the window, the value is told and substituted.
  const auto t = Koer({p, "--dato", Dato, "--tolerant"});
  EXPECT_EQ(t.kode, 0) << t.fejl;
  EXPECT_EQ(t.fejl.rfind("Det indtastede er ugyldigt som tal\n", 0), 0u) << t.fejl;
  EXPECT_NE(t.ud.find("99,00"), std::string::npos);
}

TEST(RapportKommando, AfvistInddataGiverKode2) {
  // A broken rule and a value beyond its range. (Several projects in one
  // call: the program tests.)
  test::TTestMappe m;
  const auto r = Koer({test::StandardMed(m, "kort.aid", {{10, "      0,50"}})});
  EXPECT_EQ(r.kode, 2);
  EXPECT_EQ(r.ud, "");
  EXPECT_EQ(r.fejl, "Fejl: Charnierforskydningen skal være mindre end gavlrammeafstanden\n");
  const auto b = Koer({test::StandardMed(m, "bred.aid", {{3, "1e20"}})});
  EXPECT_EQ(b.kode, 2);
  EXPECT_EQ(b.fejl, "Fejl: Huskropbredden skal ligge mellem 0 og 500 m.\n");
}

TEST(RapportKommando, ForkertBrugOgFilfejlGiverKode1) {
  using A = std::vector<std::string>;
  for (const A& a : {A{}, A{"findes-ikke.aid"}, A{Standard, "--ukendt"}, A{Standard, "-o"},
                     A{Standard, "--dato", "1.3.2026"}, A{Standard, Standard, "-o", "x.txt"},
                     A{"-", "-"}, A{"-", "--kurver"}})
    EXPECT_EQ(Koer(a).kode, 1) << ::testing::PrintToString(a);
  EXPECT_EQ(Koer({"findes-ikke.aid"}).fejl,
            "Fejl: Programmet har forgæves prøvet at hente inddatafilen findes-ikke.aid\n"
            "Filen eller mappen findes ikke.\n");

  // The report file's reason is told.
  test::TTestMappe m;
  const auto r = Koer({Standard, "-o", m / "mangler/r.txt"});
  EXPECT_EQ(r.kode, 1);
  EXPECT_NE(r.fejl.find("Kan ikke gemme under navnet \n" + (m / "mangler/r.txt") +
                        "\nFilen eller mappen findes ikke.\n"),
            std::string::npos)
      << r.fejl;
}

}  // namespace
}  // namespace kvistor
