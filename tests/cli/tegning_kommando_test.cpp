// kvistor-cli tegning run in-process: the SVG file, usage errors, damaged
// project files and the project's own name as output, with their exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/kommandoer.h"
#include "report/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

const std::string StandardAid = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();

struct Resultat {
  int kode;
  std::string ud, fejl;
};

Resultat Tegn(const std::vector<std::string>& a) {
  std::vector<std::string> alle{"tegning"};
  alle.insert(alle.end(), a.begin(), a.end());
  std::ostringstream ud, fejl;
  const int kode = KoerKvistorCli(alle, ud, fejl);
  return {kode, ud.str(), fejl.str()};
}

TEST(TegningKommando, BeggeTegningerSkrivesSomSvgMedDenOenskedeStoerrelse) {
  test::TTestMappe m;
  for (const std::string art : {"tvaer", "laengde"}) {
    const std::string fil = m / (art + ".svg");
    const auto r = Tegn({art, StandardAid, "-o", fil, "--bredde", "640", "--hoejde", "480"});
    ASSERT_EQ(r.kode, 0) << r.fejl;
    const std::string svg = Bytes(fil);
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u) << art;
    EXPECT_NE(svg.find("width=\"640\" height=\"480\""), std::string::npos) << art;
    EXPECT_NE(svg.find("</svg>"), std::string::npos) << art;
    // "-o -" gives the same picture on the standard output.
    const auto s = Tegn({art, StandardAid, "-o", "-", "--bredde", "640", "--hoejde", "480"});
    EXPECT_EQ(s.kode, 0);
    EXPECT_EQ(s.ud, svg);
  }
  // The longitudinal drawing carries the bay labels of the 8-bay project.
  EXPECT_NE(Bytes(m / "laengde.svg").find("6 mellemfag á 6,00 m"), std::string::npos);
  EXPECT_EQ(std::distance(fs::directory_iterator(m.sti), fs::directory_iterator()), 2);
}

TEST(TegningKommando, ForkertBrugGiverKode1OgSkriverIngenFil) {
  test::TTestMappe m;
  const std::string fil = m / "x.svg";
  using A = std::vector<std::string>;
  for (const A& a : {A{}, A{"skraa", StandardAid, "-o", fil}, A{"tvaer", StandardAid},
                     A{"tvaer", StandardAid, "-o", fil, "--bredde", "abc"},
                     A{"tvaer", StandardAid, "-o", fil, "--bredde", "0"},
                     A{"tvaer", m / "findes-ikke.aid", "-o", fil}})
    EXPECT_EQ(Tegn(a).kode, 1) << ::testing::PrintToString(a);
  EXPECT_FALSE(fs::exists(fil));
  const auto h = Tegn({"--help"});
  EXPECT_EQ(h.kode, 0);
  EXPECT_NE(h.ud.find("Brug: kvistor-cli tegning tvaer|laengde"), std::string::npos);

  // The project itself as output: refused, and the project is kept.
  const std::string t = m / "t.aid";
  fs::copy_file(StandardAid, t);
  const auto r = Tegn({"tvaer", t, "-o", m / "../" + m.sti.filename().string() + "/t.aid"});
  EXPECT_EQ(r.kode, 1);
  EXPECT_EQ(r.fejl, "Fejl: Tegningen kan ikke gemmes oven i projektfilen " + t + "\n");
  EXPECT_EQ(Bytes(t), Bytes(StandardAid));
}

TEST(TegningKommando, BeskadigetProjektfilAfvisesMedKode2) {
  test::TTestMappe m;
  const std::string aid = m / "kort.aid";
  ASSERT_TRUE(SkrivTekstfil(aid, {"Kun", "tre", "linjer"}));
  const auto r = Tegn({"laengde", aid, "-o", m / "x.svg"});
  EXPECT_EQ(r.kode, 2);
  EXPECT_NE(r.fejl.find("Uventet fejl i inddatafilen"), std::string::npos) << r.fejl;
  EXPECT_FALSE(fs::exists(m / "x.svg"));
}

}  // namespace
}  // namespace kvistor
