// Saving the result through the dialog interface: file names, the curve-data
// question, every message, and that a failed save loses nothing; and the
// printout's page layout.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/optagende_dialog.h"
#include "report/gem.h"
#include "hjaelp/test_mappe.h"
#include "report/udskrift.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using Tekster = std::vector<std::string>;

const TRapportResultat R{{Streg(2) + "Åse", "", "\fSide 2"}, {"Q-data"}, {"M-data"}, {}};

TEST(Gem, UdenResultatEllerFilnavnGemmesIntet) {
  const test::TTestMappe m;
  TSkriptetDialog dlg;
  EXPECT_EQ(GemResultat(nullptr, 1, m.sti.string(), dlg), 0);
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].art, "FejlDialog");
  EXPECT_EQ(dlg.kald[0].tekst, "Resultatet er endnu ikke beregnet");

  // A cancelled file dialog asks nothing more.
  TSkriptetDialog annulleret;
  annulleret.filnavne.push_back(std::nullopt);
  EXPECT_EQ(GemResultat(&R, 1, m.sti.string(), annulleret), 0);
  EXPECT_EQ(annulleret.Tekster("Besked"),
            Tekster{"Resultatet er ikke gemt, da filnavn ikke er angivet"});
  EXPECT_TRUE(annulleret.Tekster("JaNej").empty());
}

TEST(Gem, DetaljeretMedKurverGiverTreFilerNormaltEn) {
  test::TTestMappe m;
  TSkriptetDialog dlg;
  dlg.filnavne.push_back(m / "Hal 3.txt");
  dlg.svar.push_back(true);
  EXPECT_EQ(GemResultat(&R, 1, m.sti.string(), dlg), 3);
  EXPECT_EQ(Bytes(m / "Hal 3.txt"), "\x97\x97\xC5se\r\n\r\n\fSide 2\r\n");
  EXPECT_EQ(Bytes(m / "Hal 3 Q-kurver.txt"), "Q-data\r\n");
  EXPECT_EQ(Bytes(m / "Hal 3 M-kurver.txt"), "M-data\r\n");
  EXPECT_EQ(dlg.Tekster("GemFilnavn"), Tekster{"Gem resultat"});
  EXPECT_EQ(dlg.Tekster("JaNej"),
            Tekster{"Skal data til forskydningskraft- og momentkurver gemmes?"});
  EXPECT_EQ(dlg.Tekster("Besked"),
            Tekster{"Data til forskydningskraft- og momentkurver er gemt i filerne\r\n" +
                    (m / "Hal 3 Q-kurver.txt") + " og \r\n" + (m / "Hal 3 M-kurver.txt")});

  // The normal report is saved alone, without the question.
  test::TTestMappe n;
  TSkriptetDialog normal;
  normal.filnavne.push_back(n / "a.b.TXT");
  EXPECT_EQ(GemResultat(&R, 0, n.sti.string(), normal), 1);
  EXPECT_TRUE(fs::exists(n / "a.b.TXT"));
  EXPECT_TRUE(normal.Tekster("JaNej").empty());
  EXPECT_EQ(std::distance(fs::directory_iterator(n.sti), fs::directory_iterator()), 1);
}

TEST(Gem, FejlendeGemningMeldesOgSletterIntet) {
  test::TTestMappe m;
  // The report file saves; the Q file's name is taken by a folder, so it
  // cannot be written; the M file still is, and nothing is lost.
  fs::create_directories(m.sti / "r Q-kurver.txt");
  TSkriptetDialog dlg;
  dlg.filnavne.push_back(m / "r.txt");
  dlg.svar.push_back(true);
  EXPECT_EQ(GemResultat(&R, 1, m.sti.string(), dlg), 2);
  EXPECT_EQ(dlg.Tekster("Besked"), Tekster{"Kan ikke gemme under navnet \r\n" + (m / "r Q-kurver.txt") +
                                              "\r\nNavnet er en mappe, ikke en fil."});
  EXPECT_TRUE(fs::is_regular_file(m / "r.txt"));
  EXPECT_TRUE(fs::is_regular_file(m / "r M-kurver.txt"));

  // A report that cannot be saved is reported; the command still offers
  // the curves.
  TSkriptetDialog dlg2;
  dlg2.filnavne.push_back(m / "mangler/r.txt");
  dlg2.svar.push_back(false);
  EXPECT_EQ(GemResultat(&R, 1, m.sti.string(), dlg2), 0);
  EXPECT_EQ(dlg2.Tekster("Besked"), Tekster{"Kan ikke gemme under navnet \r\n" + (m / "mangler/r.txt") +
                                               "\r\nFilen eller mappen findes ikke."});
  EXPECT_EQ(dlg2.Tekster("JaNej").size(), 1u);
}

TEST(Gem, EfternavnFjernesKunFraSelveFilnavnet) {
  EXPECT_EQ(UdenEfternavn("/a/Hal 3.txt"), "/a/Hal 3");
  EXPECT_EQ(UdenEfternavn("/a.b/rapport"), "/a.b/rapport");
  EXPECT_EQ(UdenEfternavn("x.y.TXT"), "x.y");
}

TEST(Udskrift, MargenerOgSideskift) {
  const auto u = UdskriftForloeb({"Første", "", "\fSide 2", "\f"});
  std::string forloeb;
  for (const auto& l : u) forloeb += (l.Sideskift ? "^" : "") + l.Tekst + "|";
  // Two empty lines, a margin of ten; a form feed starts a new page with two
  // empty lines and then the line without it.
  EXPECT_EQ(forloeb, "||          Første|          |^||          Side 2|^||          |");

  TSkriptetDialog dlg;
  EXPECT_FALSE(ResultatFindes(nullptr, dlg));
  EXPECT_EQ(dlg.Tekster("FejlDialog"), Tekster{"Resultatet er endnu ikke beregnet"});
  const TTekstlinjer r{"x"};
  EXPECT_TRUE(ResultatFindes(&r, dlg));
}

}  // namespace
}  // namespace kvistor
