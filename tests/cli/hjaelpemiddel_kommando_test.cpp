// kvistor-cli dimensioner, charnier and kurver run in-process: tables,
// pictures, exit codes and usage errors.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "cli/kommandoer.h"
#include "common/tegnsaet.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

const std::string StandardAid = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();

struct Resultat {
  int kode;
  std::string ud, fejl;
};

using TKommando = const char*;
constexpr TKommando DimensionerKommando = "dimensioner";
constexpr TKommando CharnierKommando = "charnier";
constexpr TKommando KurverKommando = "kurver";

Resultat Koer(TKommando k, const std::vector<std::string>& a) {
  std::vector<std::string> alle{k};
  alle.insert(alle.end(), a.begin(), a.end());
  std::ostringstream ud, fejl;
  const int kode = KoerKvistorCli(alle, ud, fejl);
  return {kode, ud.str(), fejl.str()};
}

fs::path TomMappe(const std::string& navn) {
  const fs::path p = fs::temp_directory_path() / ("kvistor_hjaelp_" + navn);
  fs::remove_all(p);
  fs::create_directories(p);
  return p;
}

// Standard.aid with 12 m bays: no standard C24 section carries it.
std::string LangeFag(const fs::path& mappe) {
  std::vector<std::string> linjer;
  EXPECT_TRUE(LaesTekstfil(StandardAid, linjer));
  linjer.at(9) = linjer.at(10) = "     12,00";  // frame spacing, gable-bay span
  const std::string fil = (mappe / "lange fag.aid").string();
  EXPECT_TRUE(SkrivTekstfil(fil, linjer));
  return fil;
}

TEST(HjaelpemiddelKommandoer, TabellerOgSlutkoder) {
  const fs::path mappe = TomMappe("tabeller");
  auto r = Koer(DimensionerKommando, {StandardAid});
  EXPECT_EQ(r.kode, 0) << r.fejl;
  EXPECT_NE(r.ud.find("  200 x 100 mm  Konstruktionstræ C24"), std::string::npos) << r.ud;
  EXPECT_NE(r.ud.find("Bedst: 200 x 100 mm, Konstruktionstræ C24."), std::string::npos);

  r = Koer(DimensionerKommando, {LangeFag(mappe)});
  EXPECT_EQ(r.kode, 4);
  EXPECT_NE(r.ud.find("Intet standardtværsnit er tilstrækkeligt."), std::string::npos);
  EXPECT_NE(r.ud.find("0 varianter består, 30 dumper"), std::string::npos) << r.ud;

  r = Koer(CharnierKommando, {StandardAid});
  EXPECT_EQ(r.kode, 0) << r.fejl;
  EXPECT_NE(r.ud.find("<- bedst"), std::string::npos);
  EXPECT_NE(r.ud.find("0,86 m") , std::string::npos);
  EXPECT_NE(r.ud.find("1/7-reglen (\"Ja\") giver 0,86 m"), std::string::npos) << r.ud;

  const std::string svg = (mappe / "kurver.svg").string();
  r = Koer(KurverKommando, {StandardAid, "-o", svg, "--lk", "8", "--lt", "f"});
  EXPECT_EQ(r.kode, 0) << r.fejl;
  std::string indhold;
  ASSERT_TRUE(LaesFil(svg, indhold));
  EXPECT_NE(indhold.find("Ås 2, LK 8, LT f: moment My"), std::string::npos);
  EXPECT_NE(indhold.find("</svg>"), std::string::npos);
  // Without a case: the governing bending cases, one pair of diagrams each.
  r = Koer(KurverKommando, {LangeFag(mappe), "-o", svg});
  EXPECT_EQ(r.kode, 4) << r.fejl;
  fs::remove_all(mappe);
}

TEST(HjaelpemiddelKommandoer, HjaelpOgForkertBrug) {
  const fs::path mappe = TomMappe("brug");
  const std::string svg = (mappe / "x.svg").string();
  for (TKommando k : {DimensionerKommando, CharnierKommando, KurverKommando}) {
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
  fs::remove_all(mappe);
}

}  // namespace
}  // namespace kvistor
