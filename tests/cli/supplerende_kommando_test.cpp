// kvistor-cli rapport --skaerpet and kvistor-cli brand run in-process: the
// stricter report and its curve files, the fire section, exit codes and
// messages.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli/kommandoer.h"
#include "common/tegnsaet.h"
#include "common/optagende_dialog.h"
#include "hjaelp/projekt.h"
#include "report/gem.h"
#include "hjaelp/program.h"
#include "hjaelp/test_mappe.h"
#include "report/visresultat.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

const std::string Standard = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();
const std::string Dato = "2026-03-01,14:05:00";

using test::KoerInternt;
using test::TKoersel;
std::string SomUdskrift(const TTekstlinjer& l) {
  std::string s;
  for (const auto& linje : l) s += linje + "\n";
  return s;
}

// The stricter report as the program builds it, in both extents, with its
// curve files; the overloaded glulam project raises its note as the
// ordinary report does.
TEST(SupplerendeKommando, SkaerpetRapportOgKurver) {
  TRapportResultat forventet;
  TSkriptetDialog dlg;
  ASSERT_EQ(BeregnSkaerpetRapport(forventet, test::StandardProjekt(), dlg, TFastUr(TTidspunkt{2026, 3, 1, 14, 5, 0}), "F"),
            TRapportUdfald::Bygget);
  const TKoersel r = KoerInternt({"rapport", Standard, "--skaerpet", "--dato", Dato, "--firma", "F"});
  EXPECT_EQ(r.kode, KodeOk) << r.fejl;
  EXPECT_EQ(r.ud, SomUdskrift(forventet.Rapport));
  EXPECT_NE(r.ud.find("på 7,12 kN og"), std::string::npos);

  test::TTestMappe m;
  const std::string projekt = m / "hal.aid";
  fs::copy_file(fs::path(KVISTOR_TESTDATA) / "forhojet_sne_limtrae.aid", projekt);
  const TKoersel d = KoerInternt({"rapport", projekt, "--skaerpet", "--kurver", "-o", m / "Hal.txt",
                          "--dato", Dato, "--firma", "F"});
  EXPECT_EQ(d.kode, KodeAdvarsel);
  EXPECT_NE(d.fejl.find("Bemærk: Åsedimensionen er utilstrækkelig"), std::string::npos);
  TRapportResultat detaljeret;
  ASSERT_EQ(BeregnSkaerpetRapport(detaljeret, test::LaesProjekt(projekt), dlg,
                                  TFastUr(TTidspunkt{2026, 3, 1, 14, 5, 0}), "F"),
            TRapportUdfald::Bygget);
  EXPECT_EQ(test::Bytes(m / "Hal.txt"), Utf8TilCp1252(SamlLinjerCrLf(detaljeret.Rapport)));
  EXPECT_EQ(test::Bytes(m / "Hal Q-kurver.txt"), Utf8TilCp1252(SamlLinjerCrLf(detaljeret.QKurver)));
  EXPECT_EQ(test::Bytes(m / "Hal M-kurver.txt"), Utf8TilCp1252(SamlLinjerCrLf(detaljeret.MKurver)));
}

// The fire section of Standard.aid at R30 is the golden one and fails (exit
// 4, the note on standard error); R15 passes; the options choose the sides;
// without a requirement nothing is computed; a value outside the choices is
// a usage error and a broken field rule refuses the input.
TEST(SupplerendeKommando, Brand) {
  std::vector<std::string> golden;
  ASSERT_TRUE(LaesTekstfil((fs::path(KVISTOR_TESTDATA) / "golden" / "Standard brand R30.txt").string(), golden));
  const TKoersel r30 = KoerInternt({"brand", Standard, "--R", "30"});
  EXPECT_EQ(r30.kode, KodeAdvarsel);
  EXPECT_EQ(r30.ud, SomUdskrift(golden));
  EXPECT_EQ(r30.fejl, "Bemærk: Brandmodstanden R30 er ikke opfyldt (opnået 24 min)\n");

  const TKoersel r15 = KoerInternt({"brand", Standard, "--R", "15", "--sider", "3"});
  EXPECT_EQ(r15.kode, KodeOk) << r15.fejl;
  EXPECT_NE(r15.ud.find("  Kravet R15 er opfyldt.\n"), std::string::npos);
  EXPECT_EQ(r15.fejl, "");
  EXPECT_NE(KoerInternt({"brand", Standard, "--R", "15", "--sider", "4"}).ud.find("brand på 4 sider"),
            std::string::npos);

  const TKoersel uden = KoerInternt({"brand", Standard});
  EXPECT_EQ(uden.kode, KodeOk);
  EXPECT_EQ(uden.ud, "");
  EXPECT_NE(uden.fejl.find("Der er ikke angivet nogen brandmodstand"), std::string::npos);

  // The project's own requirement, which the options override.
  test::TTestMappe m;
  const std::string r30fil = test::StandardMed(m, "r30.aid", {}, {"Brandmodstand=30", "BrandSider=4"});
  const TKoersel egen = KoerInternt({"brand", r30fil});
  EXPECT_EQ(egen.kode, KodeAdvarsel);
  EXPECT_NE(egen.ud.find("brand på 4 sider"), std::string::npos) << egen.ud;
  EXPECT_EQ(KoerInternt({"brand", r30fil, "--R", "30", "--sider", "3"}).ud, r30.ud);

  EXPECT_EQ(KoerInternt({"brand", Standard, "--R", "45"}).kode, KodeBrug);

  // AaseBredde 0: a broken field rule.
  const TKoersel afvist = KoerInternt({"brand", test::StandardMed(m, "nul.aid", {{30, "         0"}}), "--R", "30"});
  EXPECT_EQ(afvist.kode, KodeAfvist);
  EXPECT_EQ(afvist.ud, "");
}

}  // namespace
}  // namespace kvistor
