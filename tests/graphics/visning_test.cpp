// Fitting a display list into a surface and drawing it: extent, margins,
// equal scales, rounding to pixels, marker shapes, fills and text alignment.
#include <array>
#include <limits>

#include <gtest/gtest.h>

#include "graphics/maal.h"
#include "graphics/optagende_laerred.h"
#include "graphics/svg_laerred.h"
#include "graphics/visning.h"
#include "hjaelp/naer.h"

namespace kvistor {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// A black solid polyline through the points.
void Linje(TLinjeListe& l, std::vector<PunktType> punkter, int markoer = 0, int fyld = 0,
           int fyldFarve = 0) {
  LinjeType& linje = NyLinje(l, 0, 1, 0, fyld, fyldFarve, markoer);
  for (const PunktType& p : punkter) TilfoejPunkt(linje, p.X, p.Y);
}

std::array<double, 4> Omraade(const TLinjeListe& l) {
  std::array<double, 4> o;  // xmin, ymin, xmax, ymax
  FindOmraade(l, o[0], o[1], o[2], o[3]);
  return o;
}

TEST(Omraade, FindOmraadeOgUdvid) {
  const struct {
    const char* navn;
    std::vector<std::vector<PunktType>> linjer;  // the points of each polyline
    std::array<double, 4> forventet;             // xmin, ymin, xmax, ymax
  } tilfaelde[] = {
      {"tom liste: enhedskvadratet", {}, {0, 0, 1, 1}},
      {"flad tegning faar hoejden to", {{{0, 5}, {10, 5}}}, {0, 4, 10, 6}},
      // One point with marker 0 draws nothing but still counts.
      {"et punkt taeller med", {{{0, 0}, {1, 1}}, {{3, -1}}}, {0, -1, 3, 1}},
      {"absurde koordinater er ingen punkter",
       {{{0, 0}, {nan, 1}, {1, 1}}, {{1e300, -1e300}, {inf, 0}}}, {0, 0, 1, 1}},
  };
  for (const auto& t : tilfaelde) {
    SCOPED_TRACE(t.navn);
    TLinjeListe linjer;
    for (const auto& p : t.linjer) Linje(linjer, p);
    EXPECT_EQ(Omraade(linjer), t.forventet);
  }

  double lo = 0, hi = 1;
  Udvid(lo, hi, 0);  // taken as 0.01 percent: k = 99.99 / 0.02 = 4999.5
  EXPECT_NAER(lo, -4999.5);
  EXPECT_NAER(hi, 5000.5);

  // The empty list's unit square is widened to -1/18 .. 1 + 1/18; nothing is drawn.
  TOptagendeLaerred c;
  const Visning v = Vis(c, 180, 180, {}, {}, true);
  for (double min : {v.XMin, v.YMin}) EXPECT_NAER(min, -1.0 / 18);
  for (double max : {v.XMax, v.YMax}) EXPECT_NAER(max, 1 + 1.0 / 18);
  EXPECT_TRUE(c.Streger.empty() && c.Polygoner.empty());
}

TEST(Tilpasning, LigeSkalaerCentreret) {
  // The unit square widened to 10/9. Square box: 180 / (10/9) = 162 px per
  // unit, margin 9 px. Wide box: the height governs, 100 / (10/9) = 90 px
  // per unit, 155 px free on each side. Tall box: the width governs.
  const struct {
    int b, h;
    double skala;        // px per unit
    int x0, y0, x1, y1;  // pixels of (0, 0) and (1, 1)
  } tilfaelde[] = {
      {180, 180, 162, 9, 171, 171, 9},
      {400, 100, 90, 155, 95, 245, 5},
      {100, 400, 90, 5, 245, 95, 155},
  };
  for (const auto& t : tilfaelde) {
    SCOPED_TRACE(t.b);
    TLinjeListe linjer;
    Linje(linjer, {{0, 0}, {1, 1}});
    Linje(linjer, {{0.5, 0.5}});  // a single point draws nothing
    TOptagendeLaerred c;
    const Visning v = Vis(c, t.b, t.h, linjer, {}, true);
    EXPECT_NAER(v.SkalaX, t.skala);
    EXPECT_NAER(v.SkalaY, -t.skala);  // equal scales
    ASSERT_EQ(c.Streger.size(), 1u);
    EXPECT_EQ(c.Streger[0].Fra, (TPixelPunkt{t.x0, t.y0}));
    EXPECT_EQ(c.Streger[0].Til, (TPixelPunkt{t.x1, t.y1}));
  }
}

TEST(Tilpasning, UdenBevaretForholdFyldesHeleFladen) {
  TLinjeListe linjer;
  Linje(linjer, {{0, 0}, {9, 1}});
  TOptagendeLaerred c;
  const Visning v = Vis(c, 200, 100, linjer, {}, false);
  EXPECT_NAER(v.SkalaX, 200.0 / 10);
  EXPECT_NAER(v.SkalaY, -100.0 / (10.0 / 9));
  EXPECT_EQ((std::array{v.Venstre, v.Bund, v.Hoejre, v.Top}), (std::array{0.0, 100.0, 200.0, 0.0}));
  EXPECT_EQ(v.TekstHoejde, -13);  // the recording canvas's "0"
  EXPECT_EQ(v.TekstBredde, 7);
}

TEST(Tilpasning, TilXRunderLigeOgKlemmer) {
  Visning v;
  v.SkalaX = 1;
  v.SkalaY = -1;
  const std::array<double, 2> tilfaelde[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {nan, 0},
                                              {1e300, 1e9}, {-inf, -1e9}};
  for (const auto& [x, px] : tilfaelde) EXPECT_EQ(TilX(v, x), px) << x;
  EXPECT_EQ(TilY(v, 2.5), -2);
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

  // The two strokes of each symbol at (10, 20); arrowheads end on the point.
  const struct {
    int art;
    std::array<TPixelPunkt, 4> streger;  // from, to, from, to
  } tilfaelde[] = {{2, {{{10, 15}, {10, 25}, {5, 20}, {15, 20}}}},
                   {6, {{{7, 26}, {10, 20}, {13, 26}, {10, 20}}}},
                   {7, {{{7, 14}, {10, 20}, {13, 14}, {10, 20}}}},
                   {8, {{{16, 23}, {10, 20}, {16, 17}, {10, 20}}}},
                   {9, {{{4, 23}, {10, 20}, {4, 17}, {10, 20}}}}};
  for (const auto& t : tilfaelde) {
    c.Streger.clear();
    TegnMarkoer(v, t.art, 10, 20);
    ASSERT_EQ(c.Streger.size(), 2u) << t.art;
    EXPECT_EQ((std::array{c.Streger[0].Fra, c.Streger[0].Til, c.Streger[1].Fra, c.Streger[1].Til}),
              t.streger)
        << t.art;
  }
  c.Streger.clear();
  TegnMarkoer(v, 10, 10, 20);  // no such symbol
  EXPECT_TRUE(c.Streger.empty());
}

TEST(Tegning, PenPenselOgFyldEfterOmridset) {
  TLinjeListe linjer;
  LinjeType& a = NyLinje(linjer, 3, 3, 4, 1, 16, 0);
  for (PunktType p : {PunktType{0, 0}, {1, 0}, {1, 1}}) TilfoejPunkt(a, p.X, p.Y);
  LinjeType& b = NyLinje(linjer, 0, 1, 0, 5, 17, 10);  // unknown fill, no outline
  for (PunktType p : {PunktType{0, 0}, {0, 1}, {1, 1}}) TilfoejPunkt(b, p.X, p.Y);
  TOptagendeLaerred c;
  Vis(c, 100, 100, linjer, {}, true);
  ASSERT_EQ(c.Streger.size(), 2u);
  const TOptagetStreg& st = c.Streger[0];  // style 3 dashed, 3 px, red
  EXPECT_TRUE(st.Stil == TPenStil::Stiplet && st.Bredde == 3 && (st.Farve == TFarve{255, 0, 0}));
  // Timber fill; fill 5 keeps the previous brush style but takes its own colour.
  ASSERT_EQ(c.Polygoner.size(), 2u);
  for (const auto& p : c.Polygoner) EXPECT_EQ(p.PenselStil, TPenselStil::Fuld);
  EXPECT_EQ(c.Polygoner[0].PenselFarve, (TFarve{245, 219, 115}));
  EXPECT_EQ(c.Polygoner[1].PenselFarve, (TFarve{155, 155, 155}));
  // The polygon comes after the outline of its own polyline.
  const std::vector<std::string> forventet = {
      "SaetPen", "SaetPenselStil", "SaetPenselFarve", "FlytTil",         "LinjeTil", "FlytTil",
      "LinjeTil", "Polygon",       "SaetPen",         "SaetPenselFarve", "Polygon"};
  EXPECT_EQ(c.Kald, forventet);

  // Palette spot check beyond the colours above: the last entry, then black.
  EXPECT_EQ(PaletteFarve(18), (TFarve{216, 228, 248}));
  for (int i : {19, -1}) EXPECT_EQ(PaletteFarve(i), (TFarve{0, 0, 0})) << i;
}

TEST(Tegning, TekstJusteringer) {
  TLinjeListe linjer;
  Linje(linjer, {{0, 0}, {1, 1}});
  TTekstGruppeListe tekster;
  TilfoejTekst(NyTekstGruppe(tekster, 4, 0, 0), "bund", 0, 0);
  TilfoejTekst(NyTekstGruppe(tekster, 0, 1, 1), "midt", 0, 0);
  TilfoejTekst(NyTekstGruppe(tekster, 0, 2, 2), "top", 0, 0);
  TilfoejTekst(NyTekstGruppe(tekster, 0, 7, 9), "andet", 0, 0);
  TOptagendeLaerred c(7, 13);
  Vis(c, 180, 180, linjer, tekster, true);  // world (0, 0) at pixel (9, 171)
  // Centred vertically: the top 6 px above the point (13 / 2 rounds to even).
  const int y[] = {171, 165, 171, 171};
  const TVandretJust vandret[] = {TVandretJust::Venstre, TVandretJust::Midte,
                                  TVandretJust::Hoejre, TVandretJust::Midte};
  const TLodretJust lodret[] = {TLodretJust::Bund, TLodretJust::Top, TLodretJust::Top,
                                TLodretJust::Top};
  ASSERT_EQ(c.Tekster.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(c.Tekster[i].Punkt, (TPixelPunkt{9, y[i]})) << i;
    EXPECT_EQ(c.Tekster[i].Vandret, vandret[i]) << i;
    EXPECT_EQ(c.Tekster[i].Lodret, lodret[i]) << i;
  }
  EXPECT_EQ(c.Tekster[0].Farve, (TFarve{255, 0, 0}));

  TOptagendeLaerred c15(7, 15);  // 7.5 rounds to the even 8
  Vis(c15, 180, 180, linjer, tekster, true);
  EXPECT_EQ(c15.Tekster[1].Punkt.Y, 163);
}

TEST(Tegning, AbsurdeKoordinaterOgFladerSpringesOver) {
  TLinjeListe linjer;
  Linje(linjer, {{0, 0}, {nan, 1}, {1, 1}, {1, 0}}, 0, 1, 2);
  Linje(linjer, {{1e300, -1e300}, {inf, 0}}, 9);
  TTekstGruppeListe tekster;
  TilfoejTekst(NyTekstGruppe(tekster, 0, 0, 0), "langt ude", 1e200, 0);
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
  Linje(linjer, {{0, 0.5}, {2, 0.5}, {1, 1}}, 0, 1, 16);
  TSvgLaerred svg(300, 200);
  Vis(svg, 300, 200, linjer, tekster, true);
  const std::string s = svg.Svg();
  EXPECT_EQ(s.rfind("<?xml", 0), 0u);
  for (const char* del : {"width=\"300\" height=\"200\"", "Bredde &lt;A&amp;B&gt;", ">2,00</text>",
                          "fill=\"#f5db73\"", "text-anchor=\"middle\""})
    EXPECT_NE(s.find(del), std::string::npos) << del;
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
  for (const char* del : {"x=\"5\" y=\"31\" text-anchor=\"start\"",
                          "x=\"5\" y=\"17\" text-anchor=\"end\"", "d=\"M-0.5 0.5L3.5 -3.5\""})
    EXPECT_NE(u.find(del), std::string::npos) << del;
}

}  // namespace
}  // namespace kvistor
