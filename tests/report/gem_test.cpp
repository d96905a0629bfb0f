// Saving the result through the dialog interface: file names, the curve-data
// question, every message, and that a failed save loses nothing.
#include <gtest/gtest.h>

#include <filesystem>

#include "faelles/dialog_fake.h"
#include "faelles/tegnsaet.h"
#include "report/gem.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

struct Mappe {
  fs::path sti;
  Mappe() {
    sti = fs::temp_directory_path() /
          ("kvistor_gem_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
           "_" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(sti);
    fs::create_directories(sti);
  }
  ~Mappe() { fs::remove_all(sti); }
  std::string operator/(const std::string& navn) const { return (sti / navn).string(); }
};

TRapportResultat Resultat() {
  TRapportResultat r;
  r.Rapport = {Streg(2) + "Åse", "", "\fSide 2"};
  r.QKurver = {"Q-data"};
  r.MKurver = {"M-data"};
  return r;
}

std::string Indhold(const std::string& fil) {
  std::string s;
  EXPECT_TRUE(LaesFil(fil, s)) << fil;
  return s;
}

TEST(Gem, UdenResultat) {
  TSkriptetDialog dlg;
  EXPECT_EQ(GemResultat(nullptr, 1, "/tmp/", dlg), 0);
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "FejlDialog");
  EXPECT_EQ(dlg.kald[0].tekst, "Resultatet er endnu ikke beregnet");
}

TEST(Gem, DetaljeretMedKurverGiverTreFiler) {
  Mappe m;
  TSkriptetDialog dlg;
  dlg.filnavne.push_back(m / "Hal 3.txt");
  dlg.svar.push_back(true);
  const auto r = Resultat();
  EXPECT_EQ(GemResultat(&r, 1, m.sti.string(), dlg), 3);
  EXPECT_EQ(Indhold(m / "Hal 3.txt"), "\x97\x97\xC5se\r\n\r\n\fSide 2\r\n");
  EXPECT_EQ(Indhold(m / "Hal 3 Q-kurver.txt"), "Q-data\r\n");
  EXPECT_EQ(Indhold(m / "Hal 3 M-kurver.txt"), "M-data\r\n");
  EXPECT_EQ(dlg.Tekster("GemFilnavn"), std::vector<std::string>{"Gem resultat"});
  EXPECT_EQ(dlg.Tekster("JaNej"),
            std::vector<std::string>{"Skal data til forskydningskraft- og momentkurver gemmes?"});
  EXPECT_EQ(dlg.Tekster("Besked"),
            std::vector<std::string>{"Data til forskydningskraft- og momentkurver er gemt i "
                                     "filerne\r\n" +
                                     (m / "Hal 3 Q-kurver.txt") + " og \r\n" +
                                     (m / "Hal 3 M-kurver.txt")});
}

TEST(Gem, NormaltSpoergerIkkeOmKurver) {
  Mappe m;
  TSkriptetDialog dlg;
  dlg.filnavne.push_back(m / "a.b.TXT");
  const auto r = Resultat();
  EXPECT_EQ(GemResultat(&r, 0, m.sti.string(), dlg), 1);
  EXPECT_TRUE(fs::exists(m / "a.b.TXT"));
  EXPECT_TRUE(dlg.Tekster("JaNej").empty());
  EXPECT_EQ(fs::directory_iterator(m.sti) == fs::directory_iterator(), false);
  EXPECT_EQ(std::distance(fs::directory_iterator(m.sti), fs::directory_iterator()), 1);
}

TEST(Gem, AnnulleretDialogSpoergerIkkeVidere) {
  TSkriptetDialog dlg;
  dlg.filnavne.push_back(std::nullopt);
  const auto r = Resultat();
  EXPECT_EQ(GemResultat(&r, 1, "/tmp/", dlg), 0);
  EXPECT_EQ(dlg.Tekster("Besked"),
            std::vector<std::string>{"Resultatet er ikke gemt, da filnavn ikke er angivet"});
  EXPECT_TRUE(dlg.Tekster("JaNej").empty());
}

TEST(Gem, FejlendeGemningMeldesOgSletterIntet) {
  Mappe m;
  // The report file saves; the Q file's name is taken by a folder, so it
  // cannot be written; the M file still is, and nothing is lost.
  fs::create_directories(m.sti / "r Q-kurver.txt");
  TSkriptetDialog dlg;
  dlg.filnavne.push_back(m / "r.txt");
  dlg.svar.push_back(true);
  const auto r = Resultat();
  EXPECT_EQ(GemResultat(&r, 1, m.sti.string(), dlg), 2);
  EXPECT_EQ(dlg.Tekster("Besked"),
            std::vector<std::string>{"Kan ikke gemme under navnet \r\n" + (m / "r Q-kurver.txt")});
  EXPECT_TRUE(fs::is_regular_file(m / "r.txt"));
  EXPECT_TRUE(fs::is_regular_file(m / "r M-kurver.txt"));

  // A report that cannot be saved is reported, and an earlier file of the
  // same name would be left as it was; the command still offers the curves.
  TSkriptetDialog dlg2;
  dlg2.filnavne.push_back(m / "mangler/r.txt");
  dlg2.svar.push_back(false);
  EXPECT_EQ(GemResultat(&r, 1, m.sti.string(), dlg2), 0);
  EXPECT_EQ(dlg2.Tekster("Besked"),
            std::vector<std::string>{"Kan ikke gemme under navnet \r\n" + (m / "mangler/r.txt")});
  EXPECT_EQ(dlg2.Tekster("JaNej").size(), 1u);
}

TEST(Gem, Efternavn) {
  EXPECT_EQ(UdenEfternavn("/a/Hal 3.txt"), "/a/Hal 3");
  EXPECT_EQ(UdenEfternavn("/a.b/rapport"), "/a.b/rapport");
  EXPECT_EQ(UdenEfternavn("x.y.TXT"), "x.y");
  EXPECT_EQ(QKurveFilnavn("/a/Hal 3"), "/a/Hal 3 Q-kurver.txt");
  EXPECT_EQ(MKurveFilnavn("/a/Hal 3"), "/a/Hal 3 M-kurver.txt");
}

}  // namespace
}  // namespace kvistor

#include "report/udskrift.h"

namespace kvistor {
namespace {

TEST(Udskrift, MargenerOgSideskift) {
  const auto u = UdskriftForloeb({"Første", "", "\fSide 2", "\f"});
  ASSERT_EQ(u.size(), 2u + 2u + 3u + 3u);
  EXPECT_EQ(u[0].Tekst, "");
  EXPECT_EQ(u[1].Tekst, "");
  EXPECT_EQ(u[2].Tekst, "          Første");
  EXPECT_EQ(u[3].Tekst, "          ");
  // A form feed: new page, two empty lines, then the line without it.
  EXPECT_TRUE(u[4].Sideskift);
  EXPECT_EQ(u[4].Tekst, "");
  EXPECT_FALSE(u[5].Sideskift);
  EXPECT_EQ(u[6].Tekst, "          Side 2");
  EXPECT_TRUE(u[7].Sideskift);
  EXPECT_EQ(u[9].Tekst, "          ");

  TSkriptetDialog dlg;
  EXPECT_FALSE(ResultatFindes(nullptr, dlg));
  EXPECT_EQ(dlg.Tekster("FejlDialog"), std::vector<std::string>{"Resultatet er endnu ikke beregnet"});
  const TTekstlinjer r{"x"};
  EXPECT_TRUE(ResultatFindes(&r, dlg));
}

}  // namespace
}  // namespace kvistor
