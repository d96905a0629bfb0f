// kvistor-cli tegning run in-process: the SVG file, usage errors and damaged
// project files, with their exit codes.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli/kommandoer.h"
#include "faelles/tegnsaet.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

const std::string StandardAid = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();

struct Resultat {
  int kode;
  std::string ud, fejl;
};

Resultat Tegn(const std::vector<std::string>& a) {
  std::ostringstream ud, fejl;
  const int kode = TegningKommando(a, ud, fejl);
  return {kode, ud.str(), fejl.str()};
}

fs::path TomMappe(const std::string& navn) {
  const fs::path p = fs::temp_directory_path() / ("kvistor_tegning_" + navn);
  fs::remove_all(p);
  fs::create_directories(p);
  return p;
}

TEST(TegningKommando, BeggeTegningerSkrivesSomSvgMedDenOenskedeStoerrelse) {
  const fs::path mappe = TomMappe("begge");
  for (const std::string art : {"tvaer", "laengde"}) {
    const std::string fil = (mappe / (art + ".svg")).string();
    const auto r = Tegn({art, StandardAid, "-o", fil, "--bredde", "640", "--hoejde", "480"});
    ASSERT_EQ(r.kode, 0) << r.fejl;
    std::string svg;
    ASSERT_TRUE(LaesFil(fil, svg));
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u) << art;
    EXPECT_NE(svg.find("width=\"640\""), std::string::npos) << art;
    EXPECT_NE(svg.find("height=\"480\""), std::string::npos) << art;
    EXPECT_NE(svg.find("</svg>"), std::string::npos) << art;
  }
  // The longitudinal drawing carries the bay labels of the 8-bay project.
  std::string svg;
  ASSERT_TRUE(LaesFil((mappe / "laengde.svg").string(), svg));
  EXPECT_NE(svg.find("6 mellemfag á 6,00 m"), std::string::npos);
  fs::remove_all(mappe);
}

TEST(TegningKommando, ForkertBrugGiverKode1OgSkriverIngenFil) {
  const fs::path mappe = TomMappe("brug");
  const std::string fil = (mappe / "x.svg").string();
  EXPECT_EQ(Tegn({}).kode, 1);
  EXPECT_EQ(Tegn({"skraa", StandardAid, "-o", fil}).kode, 1);
  EXPECT_EQ(Tegn({"tvaer", StandardAid}).kode, 1);  // no output file named
  EXPECT_EQ(Tegn({"tvaer", StandardAid, "-o", fil, "--bredde", "abc"}).kode, 1);
  EXPECT_EQ(Tegn({"tvaer", StandardAid, "-o", fil, "--bredde", "0"}).kode, 1);
  EXPECT_EQ(Tegn({"tvaer", (mappe / "findes-ikke.aid").string(), "-o", fil}).kode, 1);
  EXPECT_FALSE(fs::exists(fil));
  fs::remove_all(mappe);
}

TEST(TegningKommando, BeskadigetProjektfilAfvisesMedKode2) {
  const fs::path mappe = TomMappe("beskadiget");
  const std::string aid = (mappe / "kort.aid").string();
  ASSERT_TRUE(SkrivTekstfil(aid, {"Kun", "tre", "linjer"}));
  const std::string fil = (mappe / "x.svg").string();
  const auto r = Tegn({"laengde", aid, "-o", fil});
  EXPECT_EQ(r.kode, 2);
  EXPECT_NE(r.fejl.find("Uventet fejl i inddatafilen"), std::string::npos) << r.fejl;
  EXPECT_FALSE(fs::exists(fil));
  fs::remove_all(mappe);
}

}  // namespace
}  // namespace kvistor
