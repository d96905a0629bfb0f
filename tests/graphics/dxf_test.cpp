// The DXF drawings, read back by ezdxf (Debian's python3-ezdxf): each opens
// without an audit remark, holds one entity per element of the SVG picture
// of the same drawing, and lies at true size: its strokes and fills span
// what the display list spans, in millimetres.
#include <algorithm>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "graphics/dxf_tegning.h"
#include "graphics/kontroltegning.h"
#include "graphics/kraftkurvetegning.h"
#include "graphics/svg_laerred.h"
#include "calculation/kraftkurver.h"
#include "calculation/tvaersnit_byg.h"
#include "hjaelp/dialog_fake.h"
#include "hjaelp/projekt.h"
#include "hjaelp/python.h"
#include "report/test_mappe.h"

namespace kvistor {
namespace {

namespace fs = std::filesystem;

struct TTaelling {
  int linjer = 0, omrids = 0, skraveringer = 0, punkter = 0, tekster = 0;
};

// The SVG's elements: subpaths of its paths, polygons (and those filled),
// one-pixel squares and texts.
TTaelling TaelSvg(const std::string& svg) {
  TTaelling t;
  for (std::size_t i = svg.find('<'); i != std::string::npos; i = svg.find('<', i + 1)) {
    const std::string_view s(svg.data() + i, std::min<std::size_t>(40, svg.size() - i));
    if (s.starts_with("<path d=\"")) {
      const std::size_t slut = svg.find('"', i + 9);
      t.linjer += static_cast<int>(std::count(svg.begin() + i + 9, svg.begin() + slut, 'M'));
    } else if (s.starts_with("<polygon")) {
      ++t.omrids;
      const std::size_t slut = svg.find('>', i);
      if (svg.substr(i, slut - i).find("fill=\"none\"") == std::string::npos) ++t.skraveringer;
    } else if (s.starts_with("<rect x=")) {
      ++t.punkter;
    } else if (s.starts_with("<text")) {
      ++t.tekster;
    }
  }
  return t;
}

struct TKasse {
  double x0 = 1e300, y0 = 1e300, x1 = -1e300, y1 = -1e300;
  void Med(double x, double y) {
    x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
  }
  std::string Json() const {
    return "[" + std::to_string(x0) + "," + std::to_string(y0) + "," + std::to_string(x1) + "," +
           std::to_string(y1) + "]";
  }
};

// What ezdxf must find: the SVG's counts, and where the display list puts
// its fills and its strokes (marker symbols may reach beyond their points
// by at most `markoer` mm).
void TjekDxf(const std::string& navn, const TDxfTegning& dxf, const std::string& svg,
             const TLinjeListe& linjer, double mmX, double mmY,
             const std::vector<std::string>& teksterMed) {
  const TTaelling s = TaelSvg(svg);
  EXPECT_EQ(dxf.Optaelling.Linjer, s.linjer) << navn;
  EXPECT_EQ(dxf.Optaelling.Omrids, s.omrids) << navn;
  EXPECT_EQ(dxf.Optaelling.Skraveringer, s.skraveringer) << navn;
  EXPECT_EQ(dxf.Optaelling.Tekster, s.tekster) << navn;

  TKasse fyld, streger;
  for (const LinjeType& l : linjer) {
    const bool streg = l.Markoer == 0 && l.Punkter.size() >= 2;
    const bool markoer = l.Markoer >= 1 && l.Markoer <= 9;
    for (const PunktType& p : l.Punkter) {
      if (l.Fyld != 0) fyld.Med(p.X * mmX, p.Y * mmY);
      if (streg || markoer || l.Fyld != 0) streger.Med(p.X * mmX, p.Y * mmY);
    }
  }
  const double markoer = 0.75 * DxfTekstHoejdePaaPapir * dxf.Maalestok;

  KRAEV_PYTHON_MODUL("ezdxf");
  test::TTestMappe mappe;
  const std::string fil = mappe / (navn + ".dxf"), forv = mappe / "forventet.json";
  {
    std::ofstream(fil, std::ios::binary) << dxf.Dxf;
    std::string j = "{\"linjer\":" + std::to_string(s.linjer) +
                    ",\"omrids\":" + std::to_string(s.omrids) +
                    ",\"skraveringer\":" + std::to_string(s.skraveringer) +
                    ",\"punkter\":" + std::to_string(s.punkter) +
                    ",\"tekster\":" + std::to_string(s.tekster) +
                    ",\"gitter\":" + std::to_string(1.0 / dxf.PixelPrMm) +
                    ",\"markoer\":" + std::to_string(markoer) + ",\"streger\":" + streger.Json();
    if (fyld.x1 >= fyld.x0) j += ",\"fyld\":" + fyld.Json();
    j += ",\"tekster_med\":[";
    for (std::size_t i = 0; i < teksterMed.size(); ++i) j += (i ? ",\"" : "\"") + teksterMed[i] + "\"";
    std::ofstream(forv, std::ios::binary) << j << "]}";
  }
  const auto u = test::KoerPython(fs::path(KVISTOR_KILDEMAPPE) / "tests/graphics/dxf_tjek.py",
                                  {fil, forv}, mappe.sti);
  EXPECT_EQ(u.kode, 0) << navn << ":\n" << u.ud;
}

TEST(Dxf, KontroltegningerITrueStoerrelseSomSvgBilledet) {
  const Inddata ind = test::StandardProjekt();
  for (auto [tegning, navn, tekster] :
       {std::tuple{TKontroltegning::Tvaer, "tvaer",
                   std::vector<std::string>{"Facadehøjde", "Manden er 1,8 m høj."}},
        std::tuple{TKontroltegning::Laengde, "laengde",
                   std::vector<std::string>{"Total længde", "6 mellemfag á 6,00 m"}}}) {
    TSvgLaerred svg(760, 520);
    TegnKontroltegning(tegning, ind, svg, 760, 520);
    TLinjeListe linjer;
    TTekstGruppeListe grupper;
    BygKontroltegning(tegning, ind, linjer, grupper);
    const TDxfTegning dxf = DxfKontroltegning(tegning, ind);
    TjekDxf(navn, dxf, svg.Svg(), linjer, 1000, 1000, tekster);
  }
}

TEST(Dxf, KraftkurverIFastMaalestok) {
  const Inddata ind = test::StandardProjekt();
  TSupplData sd;
  BestemTvaersnit(ind, sd);
  TSkriptetDialog dlg;
  const auto kurver = BeregnKraftkurver(ind, sd, BoejningsgivendeTilfaelde(ind, sd, dlg), dlg);
  ASSERT_TRUE(kurver);
  TSvgLaerred svg(900, 1200);
  TegnKraftkurveDiagram(*kurver, svg, 900, 1200);
  TLinjeListe linjer;
  TTekstGruppeListe grupper;
  TegnKraftkurver(linjer, grupper, *kurver);
  const TDxfTegning dxf = DxfKraftkurver(*kurver);
  EXPECT_EQ(dxf.Maalestok, 1);
  TjekDxf("kurver", dxf, svg.Svg(), linjer, KurveMmPrMeter, KurveMmPrBaand,
          {TilfaeldeNavn(kurver->front().Tilfaelde) + ": forskydningskraft Vz (kN)"});
}

// Texts go out in code page 1252 as CAD programs read R2000 files; what the
// code page lacks is written as AutoCAD writes it, \U+XXXX.
TEST(Dxf, TeksterITegnsaet1252) {
  TDxfLaerred dxf(10, 2.5, StandardLagplan());
  dxf.TekstUd(0, 0, "Hældning ≤ 5° ^a");
  EXPECT_NE(dxf.Dxf().find("H\xE6ldning \\U+2264 5\xB0 ^ a\r\n"), std::string::npos);
}

// A purlin of 50 km still lies at true size: the grid coarsens so that the
// renderer keeps every point.
TEST(Dxf, AbsurdLangBygningTegnesHel) {
  Inddata ind = test::StandardProjekt();
  ind.AntalFag = 1000;
  ind.Rammeafstand = 50;
  const TDxfTegning t = DxfKontroltegning(TKontroltegning::Laengde, ind);
  EXPECT_LT(t.PixelPrMm, 1);
  EXPECT_NE(t.Dxf.find("\r\nTotal l\xE6ngde\r\n"), std::string::npos);
  EXPECT_EQ(t.Optaelling.Skraveringer, 1000 + 2);  // the pieces and the detail's timber and hanger
}

TEST(Dxf, MaalestokFraSerienSaaTegningenFylderA3) {
  EXPECT_EQ(VaelgMaalestok(390, 267), 1);
  EXPECT_EQ(VaelgMaalestok(391, 10), 2);
  EXPECT_EQ(VaelgMaalestok(30000, 9000), 100);  // 300 x 90 mm at 1:100
  EXPECT_EQ(VaelgMaalestok(40000, 9000), 200);
  EXPECT_EQ(VaelgMaalestok(10, 60000), 500);    // the height governs
}

}  // namespace
}  // namespace kvistor
