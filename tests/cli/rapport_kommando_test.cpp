// kvistor-cli rapport run in-process: output, files, messages, exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/kommandoer.h"
#include "report/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

const std::string Standard = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();
const std::string Golden = (fs::path(KVISTOR_TESTDATA) / "golden").string();
const std::string Dato = "2026-03-01,14:05:00";
const std::string Firma = "Rådgivende Ingeniører ApS";

struct Koersel {
  int kode;
  std::string ud, fejl;
};

Koersel Koer(const std::vector<std::string>& a) {
  std::ostringstream ud, fejl;
  const int kode = RapportKommando(a, ud, fejl);
  return {kode, ud.str(), fejl.str()};
}

TEST(RapportKommando, StandardTilStandardOutputSomGoldenFilen) {
  const auto r = Koer({Standard, "--dato", Dato, "--firma", Firma});
  EXPECT_EQ(r.kode, 0) << r.fejl;
  EXPECT_EQ(r.fejl, "");
  // UTF-8 with LF on the standard output; the same lines as the saved report.
  std::vector<std::string> golden;
  ASSERT_TRUE(LaesTekstfil(Golden + "/Standard normal.txt", golden));
  std::string forventet;
  for (const auto& l : golden) forventet += l + "\n";
  EXPECT_EQ(r.ud, forventet);
}

TEST(RapportKommando, FilOgKurverSkrivesSomNaarResultatetGemmes) {
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

  // The project itself as report file: refused, and the project is kept.
  const std::string foer = Bytes(projekt);
  const auto s = Koer({projekt, "-o", m / "./forhojet.aid"});
  EXPECT_EQ(s.kode, 1);
  EXPECT_EQ(s.fejl, "Fejl: Rapporten kan ikke gemmes oven i projektfilen " + projekt + "\n");
  EXPECT_EQ(Bytes(projekt), foer);
}

TEST(RapportKommando, AfvistInddataGiverKode2) {
  test::TTestMappe m;
  std::vector<std::string> linjer;
  ASSERT_TRUE(LaesTekstfil(Standard, linjer));
  linjer[10] = "      0,50";  // gable-bay span below the hinge offset 0,86
  ASSERT_TRUE(SkrivTekstfil(m / "kort.aid", linjer));
  const auto r = Koer({m / "kort.aid"});
  EXPECT_EQ(r.kode, 2);
  EXPECT_EQ(r.ud, "");
  EXPECT_EQ(r.fejl, "Fejl: Charnierforskydningen skal være mindre end gavlrammeafstanden\n");

  // Several projects: every one is run, and the call ends with the most
  // serious code.
  const std::string defekt = m / "defekt.aid";
  ASSERT_TRUE(SkrivTekstfil(defekt, {"kun", "tre", "linjer"}));
  const auto f = Koer({Standard, defekt, "--dato", Dato});
  EXPECT_EQ(f.kode, 2);
  EXPECT_NE(f.fejl.find(defekt + ": Fejl: Uventet fejl i inddatafilen"), std::string::npos) << f.fejl;
  EXPECT_EQ(f.ud.rfind("\u2014\u2014\u2014", 0), 0u);  // Standard's report is still written
}

TEST(RapportKommando, ForkertBrugOgFilfejlGiverKode1) {
  using A = std::vector<std::string>;
  for (const A& a : {A{}, A{"findes-ikke.aid"}, A{Standard, "--ukendt"}, A{Standard, "-o"},
                     A{Standard, "--dato", "2026-02-30,10:00:00"}, A{Standard, "--dato", "1.3.2026"},
                     A{Standard, Standard, "-o", "x.txt"}})
    EXPECT_EQ(Koer(a).kode, 1) << ::testing::PrintToString(a);
  EXPECT_EQ(Koer({"findes-ikke.aid"}).fejl,
            "Fejl: Programmet har forgæves prøvet at hente inddatafilen findes-ikke.aid\n");
  const auto h = Koer({"--help"});
  EXPECT_EQ(h.kode, 0);
  EXPECT_NE(h.ud.find("kvistor-cli tegning tvaer|laengde"), std::string::npos);
  EXPECT_NE(h.ud.find("Slutkoder"), std::string::npos);

  test::TTestMappe m;
  const auto r = Koer({Standard, "-o", m / "mangler/r.txt"});
  EXPECT_EQ(r.kode, 1);
  EXPECT_NE(r.fejl.find("Kan ikke gemme under navnet \n"), std::string::npos) << r.fejl;

  // A standard output that takes nothing (full disk, closed pipe) is a file
  // error, never a written report.
  std::ostringstream fuld, fejl;
  fuld.setstate(std::ios::badbit);
  EXPECT_EQ(RapportKommando({Standard, "--dato", Dato}, fuld, fejl), 1);
  EXPECT_EQ(fejl.str(), "Fejl: Rapporten kan ikke skrives på standard-output.\n");
}

}  // namespace
}  // namespace kvistor
