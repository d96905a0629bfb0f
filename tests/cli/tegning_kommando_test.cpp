// kvistor-cli tegning run in-process: the SVG file, the DXF drawings of
// tegning and kurver (the bytes the DXF canvas writes), usage errors,
// damaged project files and the project's own name as output, with their
// exit codes.
#include <gtest/gtest.h>

#include <filesystem>

#include "calculation/kraftkurver.h"
#include "cli/kommandoer.h"
#include "common/optagende_dialog.h"
#include "graphics/dxf_tegning.h"
#include "hjaelp/program.h"
#include "hjaelp/projekt.h"
#include "hjaelp/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

const std::string StandardAid = (fs::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();

using test::KoerInternt;
test::TKoersel Tegn(const test::Args& a) { return KoerInternt({"tegning"}, a); }

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

// A name ending in .dxf, or --format dxf where the name does not tell,
// gives the DXF drawing: the control drawings at true size as the DXF
// canvas draws them, the force diagrams at their fixed scale.
TEST(TegningKommando, DxfEfterEfternavnetEllerFormatUdenRevisionsfejl) {
  test::TTestMappe m;
  using A = std::vector<std::string>;
  for (const auto& [kommando, fil] : {std::pair{A{"tegning", "tvaer"}, "tvaer.DXF"},
                                      std::pair{A{"tegning", "laengde"}, "laengde.dxf"},
                                      std::pair{A{"kurver"}, "kurver.dxf"}}) {
    const auto r = KoerInternt(kommando, {StandardAid, "-o", m / fil});
    ASSERT_EQ(r.kode, 0) << r.fejl;
    const auto s = KoerInternt(kommando, {StandardAid, "-o", "-", "--format", "dxf"});
    EXPECT_EQ(s.ud, Bytes(m / fil)) << fil;
    EXPECT_EQ(KoerInternt(kommando, {StandardAid, "-o", m / "x.tegning", "--format", "dxf"}).kode, 0);
    EXPECT_EQ(Bytes(m / "x.tegning"), Bytes(m / fil)) << fil;
  }
  const Inddata ind = test::StandardProjekt();
  EXPECT_EQ(Bytes(m / "tvaer.DXF"), DxfKontroltegning(TKontroltegning::Tvaer, ind).Dxf);
  EXPECT_EQ(Bytes(m / "laengde.dxf"), DxfKontroltegning(TKontroltegning::Laengde, ind).Dxf);
  TSkriptetDialog dlg;
  const auto kurver = BeregnKraftkurver(ind, BoejningsgivendeTilfaelde(ind, dlg), dlg);
  ASSERT_TRUE(kurver);
  EXPECT_EQ(Bytes(m / "kurver.dxf"), DxfKraftkurver(*kurver).Dxf);
}

TEST(TegningKommando, ForkertBrugGiverKode1OgSkriverIngenFil) {
  test::TTestMappe m;
  const std::string fil = m / "x.svg", dxf = m / "x.dxf";
  using A = std::vector<std::string>;
  for (const A& a : {A{}, A{"skraa", StandardAid, "-o", fil}, A{"tvaer", StandardAid},
                     A{"tvaer", StandardAid, "-o", fil, "--bredde", "abc"},
                     A{"tvaer", StandardAid, "-o", fil, "--bredde", "0"},
                     A{"tvaer", m / "findes-ikke.aid", "-o", fil},
                     // A drawing to scale has no size in pixels; the name and
                     // the format must agree.
                     A{"tvaer", StandardAid, "-o", dxf, "--hoejde", "400"},
                     A{"tvaer", StandardAid, "-o", fil, "--format", "dxf"}})
    EXPECT_EQ(Tegn(a).kode, 1) << ::testing::PrintToString(a);
  EXPECT_EQ(KoerInternt({"kurver"}, {StandardAid, "-o", dxf, "--bredde", "400"}).kode, 1);
  EXPECT_FALSE(fs::exists(fil) || fs::exists(dxf));
  const auto h = Tegn({"--help"});
  EXPECT_EQ(h.kode, 0);
  EXPECT_NE(h.ud.find("Brug: kvistor-cli tegning tvaer|laengde"), std::string::npos);

  // The project itself as output: refused, and the project is kept.
  const std::string t = m / "t.aid";
  fs::copy_file(StandardAid, t);
  const std::string omvej = m / "../" + m.sti.filename().string() + "/t.aid";
  const auto r = Tegn({"tvaer", t, "-o", omvej});
  EXPECT_EQ(r.kode, 1);
  EXPECT_EQ(r.fejl, "Fejl: Tegningen kan ikke gemmes oven i projektfilen " + t + " (" + omvej + ")\n");
  EXPECT_EQ(Bytes(t), Bytes(StandardAid));
}

TEST(TegningKommando, BeskadigetProjektfilOgBrudtFeltregelAfvisesMedKode2) {
  test::TTestMappe m;
  const std::string aid = m / "kort.aid";
  ASSERT_TRUE(SkrivTekstfil(aid, {"Kun", "tre", "linjer"}));
  const auto r = Tegn({"laengde", aid, "-o", m / "x.svg"});
  EXPECT_EQ(r.kode, 2);
  EXPECT_NE(r.fejl.find("Uventet fejl i inddatafilen"), std::string::npos) << r.fejl;
  // A drawing of a house no rule allows is no drawing of the project.
  const auto n = Tegn({"tvaer", test::StandardMed(m, "negativ.aid", {{3, "     -5,00"}}), "-o", m / "x.svg"});
  EXPECT_EQ(n.kode, 2);
  EXPECT_EQ(n.fejl, "Fejl: Huskropbredden skal være positiv\n");
  EXPECT_FALSE(fs::exists(m / "x.svg"));
}

}  // namespace
}  // namespace kvistor
