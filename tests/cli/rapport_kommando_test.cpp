// kvistor-cli rapport run in-process: output, files, messages, exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/kommandoer.h"
#include "faelles/tegnsaet.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

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

struct Mappe {
  fs::path sti;
  Mappe() {
    sti = fs::temp_directory_path() /
          (std::string("kvistor_cli_") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(sti);
    fs::create_directories(sti);
  }
  ~Mappe() { fs::remove_all(sti); }
  std::string operator/(const std::string& n) const { return (sti / n).string(); }
};

std::string Bytes(const std::string& fil) {
  std::string s;
  EXPECT_TRUE(LaesFil(fil, s)) << fil;
  return s;
}

TEST(RapportKommando, StandardTilStandardOutputSomGoldenFilen) {
  const auto k = Koer({"findes-ikke.aid"});
  EXPECT_EQ(k.kode, 1);
  EXPECT_EQ(k.fejl, "Fejl: Programmet har forgæves prøvet at hente inddatafilen findes-ikke.aid\n");

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
  Mappe m;
  const std::string projekt = m / "forhojet.aid";
  fs::copy_file(fs::path(KVISTOR_TESTDATA) / "forhojet_sne_limtrae.aid", projekt);
  const auto r = Koer({projekt, "-o", m / "Hal 3.txt", "--kurver", "--dato", Dato, "--firma", Firma});
  // The purlin of this project is overloaded: report written, note raised.
  EXPECT_EQ(r.kode, 4);
  EXPECT_EQ(r.ud, "");
  EXPECT_NE(r.fejl.find("Bemærk: Åsedimensionen er utilstrækkelig\n"), std::string::npos);
  EXPECT_EQ(Bytes(m / "Hal 3.txt"), Bytes(Golden + "/forhojet_sne_limtrae detaljeret.txt"));
  EXPECT_EQ(Bytes(m / "Hal 3 Q-kurver.txt"), Bytes(Golden + "/forhojet_sne_limtrae Q-kurver.txt"));
  EXPECT_EQ(Bytes(m / "Hal 3 M-kurver.txt"), Bytes(Golden + "/forhojet_sne_limtrae M-kurver.txt"));

  // The project itself as report file: refused, and the project is kept.
  const std::string foer = Bytes(projekt);
  const auto s = Koer({projekt, "-o", m / "./forhojet.aid"});
  EXPECT_EQ(s.kode, 1);
  EXPECT_EQ(s.fejl, "Fejl: Rapporten kan ikke gemmes oven i projektfilen " + projekt + "\n");
  EXPECT_EQ(Bytes(projekt), foer);
}

TEST(RapportKommando, FlereProjekterOgAlvorligsteKode) {
  Mappe m;
  const std::string defekt = m / "defekt.aid";
  ASSERT_TRUE(SkrivTekstfil(defekt, {"kun", "tre", "linjer"}));
  const auto r = Koer({Standard, defekt, "--dato", Dato});
  EXPECT_EQ(r.kode, 2);
  EXPECT_NE(r.fejl.find(defekt + ": Fejl: Uventet fejl i inddatafilen"), std::string::npos) << r.fejl;
  // Standard's report is still written.
  EXPECT_EQ(r.ud.rfind("\u2014\u2014\u2014", 0), 0u);
}

TEST(RapportKommando, BrudtFeltregelAfvisesMedKode2) {
  Mappe m;
  std::vector<std::string> linjer;
  ASSERT_TRUE(LaesTekstfil(Standard, linjer));
  linjer[10] = "      0,50";  // gable-bay span below the hinge offset 0,86
  ASSERT_TRUE(SkrivTekstfil(m / "kort.aid", linjer));
  const auto r = Koer({m / "kort.aid"});
  EXPECT_EQ(r.kode, 2);
  EXPECT_EQ(r.ud, "");
  EXPECT_EQ(r.fejl, "Fejl: Charnierforskydningen skal være mindre end gavlrammeafstanden\n");
}

TEST(RapportKommando, ForkertBrug) {
  EXPECT_EQ(Koer({}).kode, 1);
  EXPECT_EQ(Koer({Standard, "--dato", "2026-02-30,10:00:00"}).kode, 1);
  EXPECT_EQ(Koer({Standard, "--dato", "1.3.2026"}).kode, 1);
  EXPECT_EQ(Koer({Standard, "--ukendt"}).kode, 1);
  EXPECT_EQ(Koer({Standard, "-o"}).kode, 1);
  EXPECT_EQ(Koer({Standard, Standard, "-o", "x.txt"}).kode, 1);
  const auto h = Koer({"--help"});
  EXPECT_EQ(h.kode, 0);
  EXPECT_NE(h.ud.find("kvistor-cli tegning tvaer|laengde"), std::string::npos);
  EXPECT_NE(h.ud.find("Slutkoder"), std::string::npos);

  Mappe m;
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
