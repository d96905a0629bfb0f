// kvistor-cli dimensioner, charnier, optimer and kurver run in-process:
// tables, prices, pictures, exit codes and usage errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "cli/kommandoer.h"
#include "common/tegnsaet.h"
#include "hjaelp/program.h"
#include "hjaelp/projekt.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

const std::string StandardAid = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();


using TKommando = const char*;
constexpr TKommando DimensionerKommando = "dimensioner";
constexpr TKommando CharnierKommando = "charnier";
constexpr TKommando KurverKommando = "kurver";
constexpr TKommando OptimerKommando = "optimer";

test::TKoersel Koer(TKommando k, const test::Args& a) { return test::KoerInternt({k}, a); }
std::string Fil(const fs::path& mappe, const std::string& navn, const std::string& indhold) {
  const std::string fil = (mappe / navn).string();
  EXPECT_TRUE(SkrivFil(fil, indhold));
  return fil;
}

std::string ForsteLinje(const std::string& s) { return s.substr(0, s.find('\n')); }

TEST(HjaelpemiddelKommandoer, TabellerOgSlutkoder) {
  const test::TTestMappe m;
  const fs::path& mappe = m.sti;
  // 12 m bays (frame spacing, gable-bay span): no standard C24 section carries them.
  const std::string lange = test::StandardMed(m, "lange fag.aid", {{9, "     12,00"}, {10, "     12,00"}});
  const std::string egenForskydning =
      test::StandardMed(m, "egen forskydning.aid", {{11, "1"}, {12, "      6,50"}});
  const std::string billigtLimtrae = Fil(mappe, "priser.ini", "[Priser]\nGL24c=0,50\n");
  const std::string beskadiget = Fil(mappe, "beskadiget.ini", "C24=1,00\nC24 1,10\n");

  struct TTilfaelde {
    TKommando kommando;
    std::vector<std::string> argumenter;
    int kode;
    std::vector<std::string> ud;  // the first line, then texts that must be there
    std::string fejl = "";        // the start of standard error
  };
  const TTilfaelde tilfaelde[] = {
      {DimensionerKommando, {StandardAid}, 0,
       {"Billigste tilstrækkelige tværsnit: Standardprojekt", "  200 x 100 mm  C24       20,0",
        "Bedst: 200 x 100 mm C24, Simpson GER W120 m. 9 søm pr. flig."}},
      {DimensionerKommando, {StandardAid, "--alle-klasser", "--priser", billigtLimtrae}, 0,
       {"Billigste tilstrækkelige tværsnit: Standardprojekt",
        "Egne priser pr. m³ træ: C14 0,90 C18 0,95 C24 1,00 C30 1,15 GL24c 0,50 GL28c 1,55 GL32c 1,70.",
        "Bedst: 200 x 90 mm GL24c, Simpson GER W120 m. 9 søm pr. flig."}},
      {DimensionerKommando, {StandardAid, "--priser", beskadiget}, 2, {},
       "Fejl: Prisfilen " + beskadiget + ", linje 2: \"C24 1,10\" mangler \"=\" (skriv fx C24=1,00)."},
      {DimensionerKommando, {StandardAid, "--priser", (mappe / "ingen.ini").string()}, 1, {},
       "Fejl: Prisfilen " + (mappe / "ingen.ini").string() + " kan ikke læses."},
      {DimensionerKommando, {lange}, 4,
       {"Billigste tilstrækkelige tværsnit: Standardprojekt", "Intet standardtværsnit er tilstrækkeligt.",
        "0 varianter består, 30 dumper, 0 er sprunget over."}},
      {CharnierKommando, {StandardAid}, 0,
       {"Charnierforskydning: Standardprojekt",
        "       1,20 m         71 %     20 %      71 %   L/710  OK                               bedst",
        "Bedste charnierforskydning: 1,20 m (styrende udnyttelse 71 %: åsetværsnit 71 %, samling 20 %, L/710).",
        "1/7-reglen (\"Ja\") giver 0,86 m (styrende udnyttelse 73 %: åsetværsnit 73 %, samling 21 %, L/620).",
        "Skanningen stopper ved 3,92 m, hvor alle udnyttelser er over 999 %."}},
      {CharnierKommando, {lange}, 4,
       {"Charnierforskydning: Standardprojekt", "Ingen charnierforskydning består alle tre kontroller."}},
      {CharnierKommando, {egenForskydning}, 2, {}, "Fejl: "},
      {OptimerKommando, {StandardAid}, 0,
       {"Bedste: 200 x 100 mm C24, Simpson GER W120 m. 9 søm pr. flig, charnierforskydning 1,20 m",
        "Bedste tværsnit efter 1/7-reglen: 200 x 100 mm C24, Simpson GER W120 m. 9 søm pr. flig; "
        "pris/m 20,0; besparelse 0 %."}},
      {OptimerKommando, {lange}, 4, {"Ingen variant består alle tre kontroller."}},
      // Asked for, the supplementary checks rule out the cheaper sections
      // (200 x 100 mm keeps 38 mm of its width at R30).
      {DimensionerKommando, {StandardAid, "--brand", "30"}, 0,
       {"Billigste tilstrækkelige tværsnit: Standardprojekt",
        "Varianterne skal også bestå brandmodstand R30 (3 sider).",
        "Bedst: 200 x 125 mm C24, Simpson GER W120 m. 9 søm pr. flig."}},
      {OptimerKommando, {StandardAid, "--skaerpet", "--brand", "30"}, 0,
       {"Bedste: 175 x 125 mm C24, Simpson GER W120 m. 9 søm pr. flig, charnierforskydning 1,19 m",
        "Varianterne skal også bestå skærpet kontrol og brandmodstand R30 (3 sider).",
        "Som indtastet: 225 x 100 mm C24, Simpson GER W200 fuldt udsømmet, charnierforskydning "
        "0,86 m; pris/m 22,5; består ikke de supplerende kontroller."}},
  };
  for (const TTilfaelde& t : tilfaelde) {
    const test::TKoersel r = Koer(t.kommando, t.argumenter);
    const std::string hvad = std::string(t.kommando) + " " + t.argumenter.back();
    EXPECT_EQ(r.kode, t.kode) << hvad << "\n" << r.fejl;
    if (!t.ud.empty()) {
      EXPECT_EQ(ForsteLinje(r.ud), t.ud[0]) << hvad;
    }
    for (std::size_t i = 1; i < t.ud.size(); ++i)
      EXPECT_NE(r.ud.find("\n" + t.ud[i]), std::string::npos) << hvad << ": " << t.ud[i] << "\n" << r.ud;
    EXPECT_EQ(r.fejl.substr(0, t.fejl.size()), t.fejl) << hvad;
    if (t.kode == 1 || t.kode == 2) {
      EXPECT_EQ(r.ud, "") << hvad;
    }
  }

  const std::string svg = (mappe / "kurver.svg").string();
  test::TKoersel r = Koer(KurverKommando, {StandardAid, "-o", svg, "--lk", "8", "--lt", "f"});
  EXPECT_EQ(r.kode, 0) << r.fejl;
  std::string indhold;
  ASSERT_TRUE(LaesFil(svg, indhold));
  EXPECT_NE(indhold.find("Ås 2, LK 8, LT f: moment My"), std::string::npos);
  EXPECT_NE(indhold.find("</svg>"), std::string::npos);
  // Without a case: the governing bending cases, one pair of diagrams each.
  r = Koer(KurverKommando, {lange, "-o", svg});
  EXPECT_EQ(r.kode, 4) << r.fejl;
}

TEST(HjaelpemiddelKommandoer, HjaelpOgForkertBrug) {
  const test::TTestMappe m;
  const fs::path& mappe = m.sti;
  const std::string svg = (mappe / "x.svg").string();
  for (TKommando k : {DimensionerKommando, CharnierKommando, OptimerKommando, KurverKommando}) {
    const auto h = Koer(k, {"--help"});
    EXPECT_EQ(h.kode, 0);
    EXPECT_NE((h.ud + h.fejl).find("Brug: kvistor-cli"), std::string::npos);
    EXPECT_EQ(Koer(k, {}).kode, 1);
    EXPECT_EQ(Koer(k, {StandardAid, "--ukendt"}).kode, 1);
    EXPECT_EQ(Koer(k, {(mappe / "findes ikke.aid").string(), "-o", svg}).kode, 1);
  }
  const std::vector<std::vector<std::string>> kurver = {
      {StandardAid},                                         // no -o
      {StandardAid, "-o", svg, "--lk", "8"},                 // --lt missing
      {StandardAid, "-o", svg, "--lk", "13", "--lt", "a"},   // no such combination
      {StandardAid, "-o", svg, "--lk", "8", "--lt", "y"},
      {StandardAid, "-o", svg, "--lk", "2", "--lt", "a"},    // never computed
      {StandardAid, "-o", svg, "--lk", "8", "--lt", "a", "--aas", "1"},
  };
  for (const auto& a : kurver) EXPECT_EQ(Koer(KurverKommando, a).kode, 1) << a.size();
  EXPECT_FALSE(fs::exists(svg));
}

}  // namespace
}  // namespace kvistor
