// Fitting a display list into a surface and drawing it: extent, margins,
// equal scales, rounding to pixels, marker shapes, fills and text alignment.
#include <cmath>
#include <limits>

#include <gtest/gtest.h>

#include "graphics/maal.h"
#include "graphics/optagende_laerred.h"
#include "graphics/svg_laerred.h"
#include "graphics/visning.h"
#include "hjaelp/naer.h"

namespace kvistor {
namespace {

LinjeType& Linje(TLinjeListe& l, int markoer = 0, int fyld = 0) {
  return NyLinje(l, 0, 1, 0, fyld, 0, markoer);
}

TEST(Omraade, TomListeErEnhedskvadratetUdvidetMedEnAttendedel) {
  TLinjeListe linjer;
  double x0, y0, x1, y1;
  FindOmraade(linjer, x0, y0, x1, y1);
  EXPECT_EQ(x0, 0);
  EXPECT_EQ(x1, 1);
  EXPECT_EQ(y0, 0);
  EXPECT_EQ(y1, 1);

  TOptagendeLaerred c;
  const Visning v = Vis(c, 180, 180, linjer, {}, true);
  EXPECT_NAER(v.XMin, -1.0 / 18);
  EXPECT_NAER(v.XMax, 1 + 1.0 / 18);
  EXPECT_NAER(v.YMin, -1.0 / 18);
  EXPECT_NAER(v.YMax, 1 + 1.0 / 18);
  EXPECT_TRUE(c.Streger.empty());
  EXPECT_TRUE(c.Polygoner.empty());
}

TEST(Omraade, FladTegningFaarHoejdenTo) {
  TLinjeListe linjer;
  LinjeType& l = Linje(linjer);
  TilfoejPunkt(l, 0, 5);
  TilfoejPunkt(l, 10, 5);
  double x0, y0, x1, y1;
  FindOmraade(linjer, x0, y0, x1, y1);
  EXPECT_EQ(x0, 0);
  EXPECT_EQ(x1, 10);
  EXPECT_EQ(y0, 4);
  EXPECT_EQ(y1, 6);
}

TEST(Omraade, Udvid) {
  double lo = 0, hi = 18;
  Udvid(lo, hi, 90);  // each side gains 1/18 of the range
  EXPECT_NAER(lo, -1.0);
  EXPECT_NAER(hi, 19.0);
  lo = 0;
  hi = 1;
  Udvid(lo, hi, 0);  // taken as 0.01 percent: k = 99.99 / 0.02 = 4999.5
  EXPECT_NAER(lo, -4999.5);
  EXPECT_NAER(hi, 5000.5);
}

TEST(Omraade, EtPunktUdenMarkoerTegnerIntetMenTaellerMed) {
  TLinjeListe linjer;
  LinjeType& l = Linje(linjer);
  TilfoejPunkt(l, 0, 0);
  TilfoejPunkt(l, 1, 1);
  TilfoejPunkt(Linje(linjer), 3, -1);
  double x0, y0, x1, y1;
  FindOmraade(linjer, x0, y0, x1, y1);
  EXPECT_EQ(x1, 3);
  EXPECT_EQ(y0, -1);
  TOptagendeLaerred c;
  Vis(c, 300, 300, linjer, {}, true);
  EXPECT_EQ(c.Streger.size(), 1u);
}

TEST(Tilpasning, KvadratiskTegningIKvadratiskBoks) {
  TLinjeListe linjer;
  LinjeType& l = Linje(linjer);
  TilfoejPunkt(l, 0, 0);
  TilfoejPunkt(l, 1, 1);
  TOptagendeLaerred c;
  const Visning v = Vis(c, 180, 180, linjer, {}, true);
  // 1/18 margin on every side: 180 / (10/9) = 162 px per unit, margin 9 px.
  EXPECT_NAER(v.SkalaX, 162.0);
  EXPECT_NAER(v.SkalaY, -162.0);
  EXPECT_EQ(TilX(v, 0), 9);
  EXPECT_EQ(TilY(v, 0), 171);
  EXPECT_EQ(TilX(v, 1), 171);
  EXPECT_EQ(TilY(v, 1), 9);
  ASSERT_EQ(c.Streger.size(), 1u);
  EXPECT_EQ(c.Streger[0].Fra, (TPixelPunkt{9, 171}));
  EXPECT_EQ(c.Streger[0].Til, (TPixelPunkt{171, 9}));
}

TEST(Tilpasning, BredBoksHoejdenStyrerOgTegningenCentreres) {
  TLinjeListe linjer;
  LinjeType& l = Linje(linjer);
  TilfoejPunkt(l, 0, 0);
  TilfoejPunkt(l, 1, 1);
  TOptagendeLaerred c;
  const Visning v = Vis(c, 400, 100, linjer, {}, true);
  // Hand calculation: widened range 10/9, ratio 1/4, half width 2·10/9.
  EXPECT_NAER(v.SkalaX, 90.0);
  EXPECT_NAER(v.SkalaY, -90.0);
  EXPECT_NAER(v.XMin, 0.5 - 20.0 / 9);
  EXPECT_NAER(v.XMax, 0.5 + 20.0 / 9);
  EXPECT_EQ(TilX(v, 0), 155);
  EXPECT_EQ(TilX(v, 1), 245);  // centred: 155 px free on each side
  EXPECT_EQ(TilY(v, 0), 95);
  EXPECT_EQ(TilY(v, 1), 5);
}

TEST(Tilpasning, HoejBoksBreddenStyrer) {
  TLinjeListe linjer;
  LinjeType& l = Linje(linjer);
  TilfoejPunkt(l, 0, 0);
  TilfoejPunkt(l, 1, 1);
  TOptagendeLaerred c;
  const Visning v = Vis(c, 100, 400, linjer, {}, true);
  EXPECT_NAER(v.SkalaX, 90.0);
  EXPECT_NAER(v.SkalaY, -90.0);
  EXPECT_EQ(TilX(v, 0), 5);
  EXPECT_EQ(TilY(v, 0), 245);
}

TEST(Tilpasning, UdenBevaretForholdFyldesHeleFladen) {
  TLinjeListe linjer;
  LinjeType& l = Linje(linjer);
  TilfoejPunkt(l, 0, 0);
  TilfoejPunkt(l, 9, 1);
  TOptagendeLaerred c;
  const Visning v = Vis(c, 200, 100, linjer, {}, false);
  EXPECT_NAER(v.SkalaX, 200.0 / 10);
  EXPECT_NAER(v.SkalaY, -100.0 / (10.0 / 9));
  EXPECT_EQ(v.Venstre, 0);
  EXPECT_EQ(v.Bund, 100);
  EXPECT_EQ(v.Hoejre, 200);
  EXPECT_EQ(v.Top, 0);
  EXPECT_EQ(v.TekstHoejde, -13);  // the recording canvas's "0"
  EXPECT_EQ(v.TekstBredde, 7);
}

TEST(Tilpasning, TilXRunderLigeOgKlemmer) {
  Visning v;
  v.SkalaX = 1;
  v.SkalaY = -1;
  v.ForskydningY = 0;
  EXPECT_EQ(TilX(v, 2.5), 2);
  EXPECT_EQ(TilX(v, 3.5), 4);
  EXPECT_EQ(TilX(v, -2.5), -2);
  EXPECT_EQ(TilY(v, 2.5), -2);
  EXPECT_EQ(TilX(v, std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(TilX(v, 1e300), 1000000000);
  EXPECT_EQ(TilX(v, -std::numeric_limits<double>::infinity()), -1000000000);
}

TEST(Tegning, MarkoererIPixel) {
  TOptagendeLaerred c;
  Visning v;
  v.Laerred = &c;
  v.SkalaX = 1;
  v.SkalaY = 1;
  c.SaetPen(TPenStil::Fuld, 1, {4, 5, 6});
  TegnMarkoer(v, 1, 10, 20);
  ASSERT_EQ(c.Pixels.size(), 1u);
  EXPECT_EQ(c.Pixels[0].Punkt, (TPixelPunkt{10, 20}));
  EXPECT_EQ(c.Pixels[0].Farve, (TFarve{4, 5, 6}));

  TegnMarkoer(v, 2, 10, 20);
  ASSERT_EQ(c.Streger.size(), 2u);
  EXPECT_EQ(c.Streger[0].Fra, (TPixelPunkt{10, 15}));
  EXPECT_EQ(c.Streger[0].Til, (TPixelPunkt{10, 25}));
  EXPECT_EQ(c.Streger[1].Fra, (TPixelPunkt{5, 20}));
  EXPECT_EQ(c.Streger[1].Til, (TPixelPunkt{15, 20}));

  struct {
    int art;
    TPixelPunkt a, b;
  } pile[] = {{6, {7, 26}, {13, 26}},
              {7, {7, 14}, {13, 14}},
              {8, {16, 23}, {16, 17}},
              {9, {4, 23}, {4, 17}}};
  for (const auto& p : pile) {
    c.Streger.clear();
    TegnMarkoer(v, p.art, 10, 20);
    ASSERT_EQ(c.Streger.size(), 2u) << p.art;
    EXPECT_EQ(c.Streger[0].Fra, p.a) << p.art;
    EXPECT_EQ(c.Streger[0].Til, (TPixelPunkt{10, 20})) << p.art;
    EXPECT_EQ(c.Streger[1].Fra, p.b) << p.art;
    EXPECT_EQ(c.Streger[1].Til, (TPixelPunkt{10, 20})) << p.art;
  }
  c.Streger.clear();
  TegnMarkoer(v, 10, 10, 20);  // no such symbol
  EXPECT_TRUE(c.Streger.empty());
}

TEST(Tegning, PenPenselOgFyldEfterOmridset) {
  TLinjeListe linjer;
  LinjeType& a = NyLinje(linjer, 3, 3, 4, 1, 16, 0);
  TilfoejPunkt(a, 0, 0);
  TilfoejPunkt(a, 1, 0);
  TilfoejPunkt(a, 1, 1);
  LinjeType& b = NyLinje(linjer, 0, 1, 0, 5, 17, 10);  // unknown fill, no outline
  TilfoejPunkt(b, 0, 0);
  TilfoejPunkt(b, 0, 1);
  TilfoejPunkt(b, 1, 1);
  TOptagendeLaerred c;
  Vis(c, 100, 100, linjer, {}, true);
  ASSERT_EQ(c.Streger.size(), 2u);
  EXPECT_EQ(c.Streger[0].Stil, TPenStil::Stiplet);
  EXPECT_EQ(c.Streger[0].Bredde, 3);
  EXPECT_EQ(c.Streger[0].Farve, (TFarve{255, 0, 0}));
  ASSERT_EQ(c.Polygoner.size(), 2u);
  EXPECT_EQ(c.Polygoner[0].PenselStil, TPenselStil::Fuld);
  EXPECT_EQ(c.Polygoner[0].PenselFarve, (TFarve{245, 219, 115}));
  EXPECT_EQ(c.Polygoner[0].Punkter.size(), 3u);
  // Fill 5 keeps the previous brush style but takes its own colour.
  EXPECT_EQ(c.Polygoner[1].PenselStil, TPenselStil::Fuld);
  EXPECT_EQ(c.Polygoner[1].PenselFarve, (TFarve{155, 155, 155}));
  // The polygon comes after the outline of its own polyline.
  std::vector<std::string> forventet = {"SaetPen", "SaetPenselStil", "SaetPenselFarve",
                                        "FlytTil", "LinjeTil", "FlytTil", "LinjeTil",
                                        "Polygon", "SaetPen", "SaetPenselFarve", "Polygon"};
  EXPECT_EQ(c.Kald, forventet);
}

TEST(Tegning, Palette) {
  EXPECT_EQ(PaletteFarve(0), (TFarve{0, 0, 0}));
  EXPECT_EQ(PaletteFarve(3), (TFarve{0, 128, 128}));
  EXPECT_EQ(PaletteFarve(11), (TFarve{0, 192, 192}));
  EXPECT_EQ(PaletteFarve(16), (TFarve{245, 219, 115}));
  EXPECT_EQ(PaletteFarve(18), (TFarve{216, 228, 248}));
  EXPECT_EQ(PaletteFarve(19), (TFarve{0, 0, 0}));
  EXPECT_EQ(PaletteFarve(-1), (TFarve{0, 0, 0}));
}

TEST(Tegning, TekstJusteringer) {
  TLinjeListe linjer;
  LinjeType& l = Linje(linjer);
  TilfoejPunkt(l, 0, 0);
  TilfoejPunkt(l, 1, 1);
  TTekstGruppeListe tekster;
  TilfoejTekst(NyTekstGruppe(tekster, 4, 0, 0), "bund", 0, 0);
  TilfoejTekst(NyTekstGruppe(tekster, 0, 1, 1), "midt", 0, 0);
  TilfoejTekst(NyTekstGruppe(tekster, 0, 2, 2), "top", 0, 0);
  TilfoejTekst(NyTekstGruppe(tekster, 0, 7, 9), "andet", 0, 0);
  TOptagendeLaerred c(7, 13);
  Vis(c, 180, 180, linjer, tekster, true);
  ASSERT_EQ(c.Tekster.size(), 4u);
  EXPECT_EQ(c.Tekster[0].Punkt, (TPixelPunkt{9, 171}));
  EXPECT_EQ(c.Tekster[0].Vandret, TVandretJust::Venstre);
  EXPECT_EQ(c.Tekster[0].Lodret, TLodretJust::Bund);
  EXPECT_EQ(c.Tekster[0].Farve, (TFarve{255, 0, 0}));
  // Centred vertically: the top 6 px above the point (13 / 2 rounds to even).
  EXPECT_EQ(c.Tekster[1].Punkt, (TPixelPunkt{9, 165}));
  EXPECT_EQ(c.Tekster[1].Vandret, TVandretJust::Midte);
  EXPECT_EQ(c.Tekster[1].Lodret, TLodretJust::Top);
  EXPECT_EQ(c.Tekster[2].Punkt, (TPixelPunkt{9, 171}));
  EXPECT_EQ(c.Tekster[2].Vandret, TVandretJust::Hoejre);
  EXPECT_EQ(c.Tekster[2].Lodret, TLodretJust::Top);
  EXPECT_EQ(c.Tekster[3].Vandret, TVandretJust::Midte);
  EXPECT_EQ(c.Tekster[3].Lodret, TLodretJust::Top);

  TOptagendeLaerred c15(7, 15);  // 7.5 rounds to the even 8
  Vis(c15, 180, 180, linjer, tekster, true);
  EXPECT_EQ(c15.Tekster[1].Punkt.Y, 163);
}

TEST(Tegning, AbsurdeKoordinaterSpringesOver) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  TLinjeListe linjer;
  LinjeType& l = NyLinje(linjer, 0, 1, 0, 1, 2, 0);
  TilfoejPunkt(l, 0, 0);
  TilfoejPunkt(l, nan, 1);
  TilfoejPunkt(l, 1, 1);
  TilfoejPunkt(l, 1, 0);
  LinjeType& m = Linje(linjer, 9);
  TilfoejPunkt(m, 1e300, -1e300);
  TilfoejPunkt(m, std::numeric_limits<double>::infinity(), 0);
  TTekstGruppeListe tekster;
  TilfoejTekst(NyTekstGruppe(tekster, 0, 0, 0), "langt ude", 1e200, 0);
  double x0, y0, x1, y1;
  FindOmraade(linjer, x0, y0, x1, y1);
  EXPECT_EQ(x0, 0);
  EXPECT_EQ(x1, 1);
  EXPECT_EQ(y0, 0);
  EXPECT_EQ(y1, 1);
  TOptagendeLaerred c;
  Vis(c, 100, 100, linjer, tekster, true);
  EXPECT_EQ(c.Streger.size(), 1u);  // only (1,1)-(1,0) has two good ends
  EXPECT_TRUE(c.Polygoner.empty());
  EXPECT_TRUE(c.Tekster.empty());

  // A surface without area draws nothing.
  TOptagendeLaerred tom;
  Vis(tom, 0, 100, linjer, tekster, true);
  Vis(tom, 100, -5, linjer, tekster, false);
  EXPECT_TRUE(tom.Kald.empty());
}

TEST(SvgLaerred, DokumentGeometriOgTekst) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  MaalVandret(linjer, tekster, 1, 0, 2, 0, 0.1, 2, "Bredde <A&B>");
  LinjeType& f = NyLinje(linjer, 0, 1, 0, 1, 16, 0);
  TilfoejPunkt(f, 0, 0.5);
  TilfoejPunkt(f, 2, 0.5);
  TilfoejPunkt(f, 1, 1);
  TSvgLaerred svg(300, 200);
  Vis(svg, 300, 200, linjer, tekster, true);
  const std::string s = svg.Svg();
  EXPECT_EQ(s.rfind("<?xml", 0), 0u);
  EXPECT_NE(s.find("width=\"300\" height=\"200\""), std::string::npos);
  EXPECT_NE(s.find("Bredde &lt;A&amp;B&gt;"), std::string::npos);
  EXPECT_NE(s.find(">2,00</text>"), std::string::npos);
  EXPECT_NE(s.find("fill=\"#f5db73\""), std::string::npos);
  EXPECT_NE(s.find("text-anchor=\"middle\""), std::string::npos);
  EXPECT_EQ(s.substr(s.size() - 7), "</svg>\n");

  // Measuring rule and baselines.
  TSvgLaerred t(10, 10);
  EXPECT_EQ(t.TekstHoejde("0"), SvgTekstHoejde);
  EXPECT_EQ(t.TekstBredde("æøå"), 3 * SvgTegnBredde);
  t.SaetTekstJustering(TVandretJust::Venstre, TLodretJust::Top);
  t.TekstUd(5, 20, "a");
  t.SaetTekstJustering(TVandretJust::Hoejre, TLodretJust::Bund);
  t.TekstUd(5, 20, "b");
  t.FlytTil(-1, 0);
  t.LinjeTil(3, -4);
  const std::string u = t.Svg();
  EXPECT_NE(u.find("x=\"5\" y=\"31\" text-anchor=\"start\""), std::string::npos);
  EXPECT_NE(u.find("x=\"5\" y=\"17\" text-anchor=\"end\""), std::string::npos);
  EXPECT_NE(u.find("d=\"M-0.5 0.5L3.5 -3.5\""), std::string::npos);
}

}  // namespace
}  // namespace kvistor
