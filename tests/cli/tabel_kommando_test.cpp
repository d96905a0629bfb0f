// kvistor-cli tabel, the real program: several projects in one table, each
// with its row (a refused one with its reason) and the most serious exit
// code; the three formats read back by Debian's own readers and held
// against the reports of the same projects; the table never saved over a
// project of the call.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "common/version.h"
#include "hjaelp/program.h"
#include "hjaelp/projekt.h"
#include "hjaelp/python.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using test::Bytes;
using test::Koer;
using Args = std::vector<std::string>;

const std::string Standard = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();
// Computed, but its purlin is too weak: a verdict fails.
const std::string ForSvag = (fs::path(KVISTOR_TESTDATA) / "forhojet_sne_limtrae.aid").string();

// A file that is no project: refused.
std::string Beskadiget(const test::TTestMappe& m) {
  EXPECT_TRUE(SkrivTekstfil(m / "kort.aid", {"Kun", "tre", "linjer"}));
  return m / "kort.aid";
}

TEST(TabelKommando, TreProjekterEtAfvistGiverTreRaekkerIHvertFormatOgKode2) {
  test::TTestMappe m;
  const std::string kort = Beskadiget(m);
  const Args projekter{Standard, ForSvag, kort};
  auto Tabel = [&](const Args& efter) {
    Args a{"tabel"};
    a.insert(a.end(), projekter.begin(), projekter.end());
    a.insert(a.end(), efter.begin(), efter.end());
    const test::TKoersel r = Koer(a);
    EXPECT_EQ(r.kode, 2) << r.fejl;
    // The refusal is told once, under its file's name.
    EXPECT_NE(r.fejl.find(kort + ": Fejl: Uventet fejl i inddatafilen"), std::string::npos) << r.fejl;
    return r;
  };
  Tabel({"-o", m / "t.xlsx"});
  Tabel({"-o", m / "t.csv"});
  const std::string json = Tabel({"-o", "-"}).ud;
  ASSERT_TRUE(SkrivFil(m / "t.json", json));
  EXPECT_EQ(Tabel({"-o", "-", "--format", "csv"}).ud, Bytes(m / "t.csv"));

  KRAEV_PYTHON_MODUL("openpyxl");
  const auto gyldig = test::KoerPython("-m", {"json.tool", m / "t.json"}, m.sti);
  EXPECT_EQ(gyldig.kode, 0) << gyldig.ud;
  // The reader holds each row against the report the program writes for
  // the same project.
  Args tjek{m / "t.xlsx", m / "t.csv", m / "t.json", std::string(ProgramVersion)};
  for (const std::string& p : {Standard, ForSvag}) {
    const test::TKoersel r = Koer({"rapport", p});
    const std::string fil = m / (fs::path(p).stem().string() + ".txt");
    ASSERT_TRUE(SkrivFil(fil, r.ud));
    tjek.insert(tjek.end(), {"Beregnet", fil});
  }
  tjek.insert(tjek.end(), {"Afvist", "-"});
  const auto u = test::KoerPython(fs::path(KVISTOR_KILDEMAPPE) / "tests/documents/tabel_tjek.py",
                                  tjek, m.sti);
  EXPECT_EQ(u.kode, 0) << u.ud;
}

TEST(TabelKommando, SlutkodenErDenAlvorligsteOgHvertProjektHarSinRaekke) {
  test::TTestMappe m;
  const std::string kort = Beskadiget(m), mangler = m / "findes ikke.aid";
  // A hinge offset of nearly the whole frame spacing over 60 bays: the
  // calculation stops.
  const std::string afbrudt = test::StandardMed(m, "afbrudt.aid", {{8, "60"}, {11, "1"}, {12, "5,99"}});
  const struct {
    Args projekter;
    int kode;
  } tilfaelde[] = {{{Standard}, 0},
                   {{Standard, ForSvag}, 4},
                   {{ForSvag, mangler, Standard}, 1},
                   {{mangler, kort}, 2},
                   {{kort, afbrudt, Standard}, 3}};
  for (const auto& t : tilfaelde) {
    Args a{"tabel"};
    a.insert(a.end(), t.projekter.begin(), t.projekter.end());
    a.insert(a.end(), {"-o", "-", "--format", "csv"});
    const test::TKoersel r = Koer(a);
    EXPECT_EQ(r.kode, t.kode) << ::testing::PrintToString(t.projekter) << r.fejl;
    // The header and one CR LF line per project.
    EXPECT_EQ(std::count(r.ud.begin(), r.ud.end(), '\n'),
              static_cast<long>(t.projekter.size()) + 1) << r.ud;
  }
  EXPECT_NE(Koer({"tabel", Standard, ForSvag, "-o", "-"}).fejl.find(
                "Bemærk: 1 af 2 projekter holder ikke alle tre kontroller: " + ForSvag + "\n"),
            std::string::npos);
}

TEST(TabelKommando, ForkertFormatEllerEtProjektSomUddataSkriverIntet) {
  test::TTestMappe m;
  fs::copy_file(Standard, m / "a.aid");
  fs::copy_file(Standard, m / "b.aid");
  // A name that looks like a table but is the second project.
  fs::create_symlink(m / "b.aid", m / "b.json");
  const struct {
    Args a;
    std::string fejl;
  } tilfaelde[] = {
      {{"-o", m / "t.txt"}, "Fejl: -o " + m / "t.txt" + ": filnavnet skal ende på .xlsx, .csv eller .json"},
      {{"-o", m / "t.csv", "--format", "json"}, "Fejl: --format json passer ikke til filnavnet"},
      {{"-o", m / "b.json"}, "Fejl: Tabellen kan ikke gemmes oven i projektfilen " + m / "b.aid"},
  };
  for (const auto& t : tilfaelde) {
    Args a{"tabel", m / "a.aid", m / "b.aid"};
    a.insert(a.end(), t.a.begin(), t.a.end());
    const test::TKoersel r = Koer(a);
    EXPECT_EQ(r.kode, 1) << t.fejl;
    EXPECT_EQ(r.fejl.rfind(t.fejl, 0), 0u) << r.fejl;
  }
  EXPECT_EQ(Bytes(m / "b.aid"), Bytes(Standard));
  EXPECT_FALSE(fs::exists(m / "t.txt") || fs::exists(m / "t.csv"));
}

}  // namespace
}  // namespace kvistor
