// The display list's records, the dimension lines' labels at their edges,
// and fitting a display list into a surface: extent, margins, rounding to
// pixels, coordinates no picture can show, the SVG canvas's escaping and
// measure. Markers, point orders, fills and alignments are pinned by the
// golden control drawings.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>

#include "graphics/displayliste.h"
#include "graphics/maal.h"
#include "hjaelp/optagende_laerred.h"
#include "graphics/svg_laerred.h"
#include "graphics/visning.h"
#include "hjaelp/golden.h"
#include "hjaelp/naer.h"

namespace kvistor {
namespace {

TEST(Displayliste, AttributterKlemmesOgReferencerHoldes) {
  // Style, width, colour, filled, fill colour, marker as stored.
  const auto felter = [](const LinjeType& l) {
    return std::array<int, 6>{l.Stil, l.Bredde, l.Farve, l.Fyld != 0, l.FyldFarve, l.Markoer};
  };
  TLinjeListe linjer;
  // A style above 3 is solid, a width other than 3 is 1.
  EXPECT_EQ(felter(NyLinje(linjer, 7, 2, 4, 1, 16, 0)), (std::array{0, 1, 4, 1, 16, 0}));
  EXPECT_EQ(felter(NyLinje(linjer, 3, 3, 0, 12, 0, 9)), (std::array{3, 3, 0, 1, 0, 9}));
  // Out-of-range values never wrap round into another meaning.
  EXPECT_EQ(felter(NyLinje(linjer, -1, 0, -5, -1, 70000, 300)), (std::array{0, 1, 0, 1, 0, 255}));

  // A builder keeps filling an element after appending more; it must stay put.
  LinjeType& fjerde = NyLinje(linjer, 0, 1, 0, 0, 0, 0);
  for (int i = 0; i < 1000; ++i) NyLinje(linjer, 0, 1, 0, 0, 0, 0);
  TilfoejPunkt(fjerde, 1, 2);
  EXPECT_EQ(linjer[3].Punkter.size(), 1u);
}

// The labels of dimension lines at their edges: ends given in falling order,
// placement 3 (no text), a distance above 1000 (no thousands separator), one
// decimal of 0,25 ("0,3", half away from zero), none (width 2 a minimum), a
// vertical line of no length; each text group with its alignment and texts
// at their points, compared with the golden file.
TEST(Golden, MaalEtiketter) {
  std::vector<std::string> ud;
  const std::function<void(TLinjeListe&, TTekstGruppeListe&)> maal[] = {
      [](auto& l, auto& t) { MaalVandret(l, t, 0, 3.0, 0.5, 1.0, 0.2, 2, "x"); },
      [](auto& l, auto& t) { MaalVandret(l, t, 3, 0, 1, 0, 0.1, 2, "x"); },
      [](auto& l, auto& t) { MaalVandret(l, t, 2, 0, 1234.5, 0, 10, 2, "Lang"); },
      [](auto& l, auto& t) { MaalVandret(l, t, 0, 0, 0.25, 0, 0.1, 1, "k"); },
      [](auto& l, auto& t) { MaalVandret(l, t, 0, 0, 7, 0, 0.1, 0, "k"); },
      [](auto& l, auto& t) { MaalLodret(l, t, 0, 2.0, 2.0, 0, 0.1, 2, "nul"); }};
  for (const auto& byg : maal) {
    TLinjeListe linjer;
    TTekstGruppeListe tekster;
    byg(linjer, tekster);
    for (const TekstGruppeType& g : tekster) {
      std::string l = std::to_string(g.VandretJust) + std::to_string(g.LodretJust) + ":";
      for (const TekstType& x : g.Tekster) l += " '" + x.Tekst + "'" + test::Tal(x.X) + test::Tal(x.Y);
      ud.push_back(l);
    }
  }
  test::SammenlignMedGolden("maaletiketter.txt", ud);
}

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

TEST(Tilpasning, TilXRunderLigeOgKlemmer) {
  Visning v;
  v.SkalaX = 1;
  v.SkalaY = -1;
  const std::array<double, 2> tilfaelde[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {nan, 0},
                                              {1e300, 1e9}, {-inf, -1e9}};
  for (const auto& [x, px] : tilfaelde) EXPECT_EQ(TilX(v, x), px) << x;
  EXPECT_EQ(TilY(v, 2.5), -2);
  // Beyond the palette: black.
  for (int i : {19, -1}) EXPECT_EQ(PaletteFarve(i), (TFarve{0, 0, 0})) << i;
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

TEST(SvgLaerred, TegnIFormateretTekstOgMaaleregel) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  MaalVandret(linjer, tekster, 1, 0, 2, 0, 0.1, 2, "Bredde <A&B>");
  TSvgLaerred svg(300, 200);
  Vis(svg, 300, 200, linjer, tekster, true);
  EXPECT_NE(svg.Svg().find("Bredde &lt;A&amp;B&gt;"), std::string::npos);
  TSvgLaerred t(10, 10);
  EXPECT_EQ(t.TekstHoejde("0"), SvgTekstHoejde);
  EXPECT_EQ(t.TekstBredde("æøå"), 3 * SvgTegnBredde);  // characters, not bytes
}

}  // namespace
}  // namespace kvistor
