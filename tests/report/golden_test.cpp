// Golden-file tests of whole reports and curve-data lists: each project is
// read, computed and written exactly as the program saves it (Windows-1252,
// CR LF) and compared byte for byte with the checked-in file in
// tests/data/golden/.
//
// To regenerate the expected files on purpose (after a deliberate change of
// the report or the calculation), run the tests with
//
//     KVISTOR_GOLDEN_OPDATER=1 ./tests_report --gtest_filter='Golden*'
//
// and review every changed file by eye (git diff) before committing it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "faelles/dialog_fake.h"
#include "faelles/tegnsaet.h"
#include "project/inddatafil.h"
#include "project/inddataside.h"
#include "report/gem.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

const fs::path GoldenMappe = fs::path(KVISTOR_TESTDATA) / "golden";
const TTidspunkt FastTid{2026, 3, 1, 14, 5, 0};
const char* const Firma = "Rådgivende Ingeniører ApS";

bool Opdater() {
  const char* v = std::getenv("KVISTOR_GOLDEN_OPDATER");
  return v != nullptr && std::string(v) == "1";
}

std::string Bytes(const TTekstlinjer& linjer) {
  std::string s;
  for (const auto& l : linjer) s += Utf8TilCp1252(l) + "\r\n";
  return s;
}

// The first difference with three lines of context on each side, in UTF-8.
std::string Forskel(const std::string& forventet, const std::string& faktisk) {
  const auto a = DelLinjer(Cp1252TilUtf8(forventet));
  const auto b = DelLinjer(Cp1252TilUtf8(faktisk));
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  std::string ud = "forventet " + std::to_string(a.size()) + " linjer, fik " +
                   std::to_string(b.size()) + "; første forskel i linje " +
                   std::to_string(i + 1) + ":\n";
  const std::size_t fra = i >= 3 ? i - 3 : 0;
  for (std::size_t k = fra; k < i; ++k) ud += "  " + a[k] + "\n";
  for (std::size_t k = i; k < std::min(a.size(), i + 4); ++k) ud += "- " + a[k] + "\n";
  for (std::size_t k = i; k < std::min(b.size(), i + 4); ++k) ud += "+ " + b[k] + "\n";
  if (i == a.size() && i == b.size()) ud += "(linjerne er ens; forskellen er i linjeskift eller tegnsæt)\n";
  return ud;
}

void SammenlignMedGolden(const std::string& navn, const TTekstlinjer& linjer) {
  const fs::path fil = GoldenMappe / navn;
  if (Opdater()) {
    fs::create_directories(GoldenMappe);
    ASSERT_TRUE(SkrivTekstfil(fil.string(), linjer)) << fil;
    return;
  }
  std::string forventet;
  ASSERT_TRUE(LaesFil(fil.string(), forventet))
      << fil << " mangler; kør med KVISTOR_GOLDEN_OPDATER=1 for at lave den";
  const std::string faktisk = Bytes(linjer);
  EXPECT_TRUE(forventet == faktisk) << navn << ": " << Forskel(forventet, faktisk);
}

TRapportResultat Beregn(const std::string& projekt, int rappOmfang) {
  TSkriptetDialog dlg;
  TInddataside side = NyInddataside();
  EXPECT_TRUE(LaesProjektfil(projekt, side, dlg)) << projekt;
  side.Inddata.RappOmfang = rappOmfang;
  TRapportResultat r;
  TFastUr ur(FastTid);
  EXPECT_EQ(BeregnRapport(r, side.Inddata, dlg, ur, Firma), TRapportUdfald::Bygget) << projekt;
  EXPECT_TRUE(dlg.Tekster("Fejl").empty());
  return r;
}

void KoerProjekt(const std::string& projekt, const std::string& navn) {
  const TRapportResultat normal = Beregn(projekt, 0);
  SammenlignMedGolden(navn + " normal.txt", normal.Rapport);
  EXPECT_TRUE(normal.QKurver.empty());
  EXPECT_TRUE(normal.MKurver.empty());

  const TRapportResultat detaljeret = Beregn(projekt, 1);
  SammenlignMedGolden(navn + " detaljeret.txt", detaljeret.Rapport);
  SammenlignMedGolden(QKurveFilnavn(navn), detaljeret.QKurver);
  SammenlignMedGolden(MKurveFilnavn(navn), detaljeret.MKurver);

  // The detailed report begins with the whole normal one.
  ASSERT_GT(detaljeret.Rapport.size(), normal.Rapport.size());
  EXPECT_TRUE(std::equal(normal.Rapport.begin(), normal.Rapport.end(),
                         detaljeret.Rapport.begin()));
}

TEST(Golden, Standardprojektet) {
  KoerProjekt((fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string(), "Standard");
}

// Elevated snow, normal-force factor 1 (a hanger with tension capacity and
// the gable-frame anchoring block), glulam GL28c, all four roof layers,
// consequence class "Høj", an overloaded purlin.
TEST(Golden, ForhojetSneLimtraeNormalkraft) {
  KoerProjekt((fs::path(KVISTOR_TESTDATA) / "forhojet_sne_limtrae.aid").string(),
              "forhojet_sne_limtrae");
}

// Roof angle 0 (no lateral deflection: L/w shows 100000) and no gable
// overhang, four bays, a hanger named "Fuldt" with a capital F.
TEST(Golden, FladtTagUdenGavludhaeng) {
  KoerProjekt((fs::path(KVISTOR_TESTDATA) / "flad_uden_gavludhaeng.aid").string(),
              "flad_uden_gavludhaeng");
}

}  // namespace
}  // namespace kvistor
