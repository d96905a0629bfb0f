// Golden-file tests of whole reports and curve-data lists: each project is
// computed and written exactly as the program saves it and compared byte for
// byte with tests/data/golden/ (see hjaelp/golden.h for regenerating).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/optagende_dialog.h"
#include "hjaelp/golden.h"
#include "hjaelp/projekt.h"
#include "loads/last_eksempel.h"
#include "project/inddataside.h"
#include "calculation/beregning.h"
#include "report/gem.h"
#include "report/visresultat.h"
#include "calculation/tvaersnit_byg.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using test::SammenlignMedGolden;

TRapportResultat Beregn(Inddata ind, int rappOmfang) {
  TSkriptetDialog dlg;
  ind.RappOmfang = rappOmfang;
  TRapportResultat r;
  TFastUr ur(TTidspunkt{2026, 3, 1, 14, 5, 0});
  EXPECT_EQ(BeregnRapport(r, ind, dlg, ur, "Rådgivende Ingeniører ApS"), TRapportUdfald::Bygget);
  EXPECT_TRUE(dlg.Tekster("Fejl").empty());
  return r;
}

void KoerProjekt(const Inddata& projekt, const std::string& navn) {
  const TRapportResultat normal = Beregn(projekt, 0);
  SammenlignMedGolden(navn + " normal.txt", normal.Rapport);
  EXPECT_TRUE(normal.QKurver.empty() && normal.MKurver.empty());

  const TRapportResultat detaljeret = Beregn(projekt, 1);
  SammenlignMedGolden(navn + " detaljeret.txt", detaljeret.Rapport);
  SammenlignMedGolden(QKurveFilnavn(navn), detaljeret.QKurver);
  SammenlignMedGolden(MKurveFilnavn(navn), detaljeret.MKurver);

  // The detailed report begins with the whole normal one.
  ASSERT_GT(detaljeret.Rapport.size(), normal.Rapport.size());
  EXPECT_TRUE(std::equal(normal.Rapport.begin(), normal.Rapport.end(), detaljeret.Rapport.begin()));
}

TEST(Golden, Standardprojektet) {
  KoerProjekt(test::StandardProjekt(), "Standard");
}

// Elevated snow, normal-force factor 1 (a hanger with tension capacity and
// the gable-frame anchoring block), glulam GL28c, all four roof layers,
// consequence class "Høj", an overloaded purlin.
TEST(Golden, ForhojetSneLimtraeNormalkraft) {
  KoerProjekt(test::LaesProjekt(fs::path(KVISTOR_TESTDATA) / "forhojet_sne_limtrae.aid"), "forhojet_sne_limtrae");
}

// Roof angle 0 (no lateral deflection: L/w shows 100000) and no gable
// overhang, four bays, a hanger named "Fuldt" with a capital F.
TEST(Golden, FladtTagUdenGavludhaeng) {
  KoerProjekt(test::LaesProjekt(fs::path(KVISTOR_TESTDATA) / "flad_uden_gavludhaeng.aid"), "flad_uden_gavludhaeng");
}

// The worked example of the load tests (30°, tiles, six bays of 4,8 m with
// 2,4 m gable bays, 0,3 m gable overhang, normal force), and every one of its
// cases in full, as the report shows only the governing ones: strips,
// wind-zone tables, line loads, snow patterns, gable wind, reactions, section
// forces and the design blocks.
TEST(Golden, LastEksemplet30Grader) {
  const Inddata ind = test::EksempelInddata();
  KoerProjekt(ind, "last_eksempel");
  TSupplData sd;
  BestemTvaersnit(ind, sd);
  TBeregning b;
  TSkriptetDialog dlg;
  ASSERT_EQ(BeregnAlleTilfaelde(b, ind, sd, dlg), TBeregningsUdfald::Gennemfoert);
  EXPECT_TRUE(dlg.kald.empty());
  TTekstlinjer linjer;
  for (const TTilfaelde& c : b.Tilfaelde) linjer.insert(linjer.end(), c.Linier.begin(), c.Linier.end());
  SammenlignMedGolden("last_eksempel alle tilfaelde.txt", linjer);
}

}  // namespace
}  // namespace kvistor
