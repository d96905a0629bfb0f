// The two control drawings. The pictures of the three test projects and of
// the cross-section worked example (also with a B hanger and with none) are
// compared byte for byte with golden SVG files (see hjaelp/golden.h). The
// test below covers the bay limit; input that no
// building has is drawn by the robustness tests of the report.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/kontrol_laengde.h"
#include "graphics/kontrol_tvaer.h"
#include "graphics/kontroltegning.h"
#include "graphics/svg_laerred.h"
#include "hjaelp/golden.h"
#include "hjaelp/naer.h"
#include "hjaelp/projekt.h"
#include "calculation/tvaersnit_byg.h"
#include "project/katalog.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using test::SammenlignMedGolden;

// The hall of the cross-section worked example: 10 m wide, 0.5 m eaves
// overhang, 30 degrees, purlins 1.2 m apart, 200 x 75 mm; 4 bays of 6 m,
// gable frames 5 m in, hinges 0.857 m before the frames.
Inddata Hal() {
  Inddata d = StartInddata();
  d.HusBr = 10;
  d.FacHjd = 3;
  d.TagVink = 30;
  d.AaseAfst = 1.2;
  d.FacUdh = 0.5;
  d.AntalFag = 4;
  d.Rammeafstand = 6;
  d.GavlRammeAfst = 5;
  d.CharnForsk = 0.857;
  d.GavlUdh = 0.5;
  d.AaseHojde = 200;
  d.AaseBredde = 75;
  d.Beslag = 14;  // Simpson GER W180 m. 15 søm pr. flig
  return d;
}

// The hall with a B hanger (row 32, H3 205 mm on a 200 mm purlin: the
// carried piece hangs 5 mm higher) or without hardware (the two pieces alone).
Inddata MedBeslag(int beslag) {
  Inddata d = Hal();
  d.Beslag = beslag;
  return d;
}

TEST(Golden, KontroltegningerAfTestprojekterne) {
  const std::pair<Inddata, std::string> projekter[] = {
      {test::LaesProjekt(fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid"), "Standard"},
      {test::LaesProjekt(fs::path(KVISTOR_TESTDATA) / "forhojet_sne_limtrae.aid"), "forhojet_sne_limtrae"},
      {test::LaesProjekt(fs::path(KVISTOR_TESTDATA) / "flad_uden_gavludhaeng.aid"), "flad_uden_gavludhaeng"},
      {Hal(), "tvaersnitseksempel"}, {MedBeslag(32), "B-beslag"}, {MedBeslag(-1), "uden beslag"},
      {MedBeslag(AntalBeslag), "uden beslag"}, {MedBeslag(1 << 30), "uden beslag"}};
  for (const auto& [ind, navn] : projekter) {
    for (auto art : {TKontroltegning::Tvaer, TKontroltegning::Laengde}) {
      TSvgLaerred svg(760, 520);
      const Visning v = TegnKontroltegning(art, ind, svg, 760, 520);
      EXPECT_NAER(v.SkalaX, -v.SkalaY);  // equal scales
      SammenlignMedGolden(navn + (art == TKontroltegning::Tvaer ? " tvaersnit.svg" : " laengdesnit.svg"),
                          svg.Svg());
    }
  }
}

// The longitudinal drawing's purlin pieces (filled timber rectangles), and
// the label after `tekst`: its dimension line's measured distance.
std::size_t AntalAasedele(const Inddata& d, const std::string& tekst = "", std::string* maal = nullptr) {
  TSupplData s;
  BestemTvaersnit(d, s);
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  TegnKontrolLaengde(linjer, tekster, d, s);
  for (const TekstGruppeType& g : tekster)
    for (std::size_t i = 0; i + 1 < g.Tekster.size(); ++i)
      if (maal && g.Tekster[i].Tekst == tekst) *maal = g.Tekster[i + 1].Tekst;
  std::size_t n = 0;
  for (const LinjeType& l : linjer) n += l.Fyld == 1 && l.FyldFarve == 16 && l.Punkter.size() == 5;
  return n;
}

TEST(Kontroltegninger, MangeFagTegnesSomEnAas) {
  Inddata d = Hal();
  d.AntalFag = 100000;
  std::string maal;
  EXPECT_EQ(AntalAasedele(d, "99998 mellemfag á 6,00 m", &maal), 1u);
  EXPECT_EQ(maal, "599988,00");  // the labels still tell the truth
  // Up to the limit every bay is drawn.
  d.AntalFag = static_cast<int>(MaksFagTegnet) + 2;
  EXPECT_EQ(AntalAasedele(d), static_cast<std::size_t>(MaksFagTegnet + 2));
}

}  // namespace
}  // namespace kvistor
