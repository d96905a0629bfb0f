// The result tables, read back by independent readers from Debian
// (openpyxl, Python's csv and json modules): three projects, one of them
// refused, give three rows; the governing figures equal the reports' own
// lines; numbers are numbers with Danish display formats.
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "common/tegnsaet.h"
#include "common/ur.h"
#include "common/version.h"
#include "documents/tabel.h"
#include "documents/tabelskrivning.h"
#include "common/optagende_dialog.h"
#include "hjaelp/projekt.h"
#include "hjaelp/python.h"
#include "hjaelp/test_mappe.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

TEST(Resultattabeller, TreProjekterEtAfvistLaesesAfUafhaengigeLaesere) {
  Inddata udenBeslag = test::StandardProjekt();
  udenBeslag.Beslag = -1;
  udenBeslag.Projektnavn = "Hal \"B\"; =1+1";
  const std::vector<std::pair<std::string, Inddata>> ind{
      {"Standard.aid", test::StandardProjekt()},
      {"forhojet_sne_limtrae.aid",
       test::LaesProjekt(fs::path(KVISTOR_TESTDATA) / "forhojet_sne_limtrae.aid")},
      {"uden_beslag.aid", udenBeslag}};

  test::TTestMappe mappe;
  std::vector<TTabelProjekt> projekter;
  std::vector<std::string> argumenter;
  for (const auto& [fil, d] : ind) {
    TSkriptetDialog dlg;
    projekter.push_back(BeregnTabelProjekt(fil, d, dlg));
    const TTabelProjekt& p = projekter.back();
    // The report of the same record, for the reader to compare with.
    TRapportResultat rapport;
    TSkriptetDialog rdlg;
    const bool bygget = BeregnRapport(rapport, d, rdlg, TFastUr(TTidspunkt{}), "") ==
                        TRapportUdfald::Bygget;
    EXPECT_EQ(bygget, p.Udfald == TTabelUdfald::Beregnet) << fil;
    argumenter.push_back(UdfaldTekst(p.Udfald));
    if (bygget) {
      EXPECT_EQ(rapport.Noter.Aas, p.Noter.Aas);
      std::string tekst;
      for (const auto& l : rapport.Rapport) tekst += l + "\n";
      std::ofstream(mappe / (fil + ".txt"), std::ios::binary) << tekst;
      argumenter.push_back(mappe / (fil + ".txt"));
    } else {
      argumenter.push_back("-");
    }
  }
  EXPECT_EQ(projekter[2].Udfald, TTabelUdfald::Afvist);
  EXPECT_NE(projekter[2].Aarsag.find("gerberbeslag"), std::string::npos) << projekter[2].Aarsag;

  const TResultattabeller t = BygResultattabeller(projekter);
  ASSERT_EQ(t.Oversigt.Raekker.size(), 3u);
  std::string aarsag;
  const auto xlsx = TabellerSomXlsx(t, aarsag);
  ASSERT_TRUE(xlsx) << aarsag;
  const std::string x = mappe / "t.xlsx", c = mappe / "t.csv", j = mappe / "t.json";
  ASSERT_TRUE(SkrivFil(x, *xlsx));
  ASSERT_TRUE(SkrivFil(c, TabelSomCsv(t.Oversigt)));
  ASSERT_TRUE(SkrivFil(j, TabellerSomJson(t)));

  KRAEV_PYTHON_MODUL("openpyxl");
  const auto gyldig = test::KoerPython("-m", {"json.tool", j}, mappe.sti);
  EXPECT_EQ(gyldig.kode, 0) << gyldig.ud;
  argumenter.insert(argumenter.begin(), {x, c, j, std::string(ProgramVersion)});
  const auto u = test::KoerPython(fs::path(KVISTOR_KILDEMAPPE) / "tests/documents/tabel_tjek.py",
                                  argumenter, mappe.sti);
  EXPECT_EQ(u.kode, 0) << u.ud;
}

TEST(Resultattabeller, CsvCiterKunHvorDetBehoves) {
  TResultattabel t;
  t.Kolonner = {{"Navn", "", "Navn", TKolonneArt::Tekst},
                {"Træk", "kN", "Traek_kN", TKolonneArt::Tal, 2},
                {"Udnyttelse", "%", "U_pct", TKolonneArt::Andel, 0},
                {"OK", "", "Ok", TKolonneArt::JaNej}};
  t.Raekker = {{std::string("Hal \"B\"; nord"), 6.525, 0.83, true},
               {std::string("=1+1"), TCelle{}, 1.01, false}};
  EXPECT_EQ(TabelSomCsv(t),
            "\xEF\xBB\xBFNavn;Træk (kN);Udnyttelse (%);OK\r\n"
            "\"Hal \"\"B\"\"; nord\";6,53;83;OK\r\n"
            "'=1+1;;101;Ikke OK\r\n");
}

}  // namespace
}  // namespace kvistor
