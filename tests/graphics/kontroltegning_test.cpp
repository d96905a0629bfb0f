// The two control drawings: their parts, point orders and labels for worked
// projects, the edge cases of the input (flat roof, no overhangs, no hardware)
// and input that no building has (no bays, a hundred thousand bays, zero,
// negative and NaN sizes), which must draw what it can and never crash.
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/kontrol_laengde.h"
#include "graphics/kontrol_tvaer.h"
#include "graphics/kontroltegning.h"
#include "graphics/optagende_laerred.h"
#include "graphics/svg_laerred.h"
#include "graphics/test_punkter.h"
#include "graphics/visning.h"
#include "loads/tvaersnit.h"
#include "project/katalog.h"

namespace kvistor {
namespace {

using test::ForventPunkter;

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

struct TTegning {
  TSupplData s;
  TLinjeListe linjer;
  TTekstGruppeListe tekster;

  std::vector<const LinjeType*> Udvalg(const std::function<bool(const LinjeType&)>& hvilke) const {
    std::vector<const LinjeType*> v;
    for (const LinjeType& l : linjer)
      if (hvilke(l)) v.push_back(&l);
    return v;
  }
  // A text and its group; the first with that text.
  std::pair<const TekstGruppeType*, const TekstType*> Find(const std::string& tekst, int nr = 0) const {
    for (const TekstGruppeType& g : tekster)
      for (const TekstType& x : g.Tekster)
        if (x.Tekst == tekst && nr-- == 0) return {&g, &x};
    return {nullptr, nullptr};
  }
  // Where the text stands; NaN when it is missing.
  PunktType Sted(const std::string& tekst) const {
    const TekstType* x = Find(tekst).second;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    return x == nullptr ? PunktType{nan, nan} : PunktType{x->X, x->Y};
  }
  // The label just after `tekst` in its group: a dimension line's measured distance.
  std::string MaalEfter(const std::string& tekst, int nr = 0) const {
    const auto [g, x] = Find(tekst, nr);
    return x == nullptr || x == &g->Tekster.back() ? "(ingen)" : x[1].Tekst;
  }
};

TTegning Tegn(const Inddata& d, TKontroltegning art) {
  TTegning t;
  BestemTvaersnit(d, t.s);
  const auto tegn = art == TKontroltegning::Tvaer ? TegnKontrolTvaer : TegnKontrolLaengde;
  tegn(t.linjer, t.tekster, d, t.s);
  return t;
}

bool Lukket(const LinjeType& l) {
  return l.Punkter.size() > 1 && l.Punkter.front().X == l.Punkter.back().X &&
         l.Punkter.front().Y == l.Punkter.back().Y;
}
bool ErAasedel(const LinjeType& l) {
  return l.Fyld == 1 && l.FyldFarve == 16 && l.Farve == 0 && l.Punkter.size() == 5 && Lukket(l);
}
bool ErCharnier(const LinjeType& l) {
  // An octagon: left and right points level, top and bottom points plumb.
  return l.Fyld == 0 && l.Markoer == 0 && l.Punkter.size() == 9 && Lukket(l) &&
         l.Punkter[0].Y == l.Punkter[4].Y && l.Punkter[2].X == l.Punkter[6].X;
}
bool ErUnderstoetning(const LinjeType& l) {
  return l.Fyld == 0 && l.Markoer == 0 && l.Punkter.size() == 4 && Lukket(l);
}
bool ErSnit(const LinjeType& l) {
  return l.Fyld == 1 && l.FyldFarve == 16 && l.Punkter.size() == 4;
}
bool ErPil(const LinjeType& l) { return l.Bredde == 3 && l.Punkter.size() == 5; }

// ---------------------------------------------------------------------------
// Cross-section

TEST(KontrolTvaer, TagHojde) {
  TSupplData s;
  BestemTvaersnit(Hal(), s);
  // Worked example: HRef = 6.1177, HTagkant = HRef - 5.5·tan 30° = 2.9423.
  EXPECT_NAER(TagHojde(s, 0), 2.9422649730810377);
  EXPECT_NAER(TagHojde(s, 5.5), 6.117691453623979);
  EXPECT_NAER(TagHojde(s, 10), TagHojde(s, 1));  // mirrored about the ridge
  EXPECT_EQ(TagHojde(s, -0.01), 0);
  EXPECT_EQ(TagHojde(s, 11.01), 0);
}

TEST(KontrolTvaer, DeleOgRaekkefoelge) {
  const TTegning t = Tegn(Hal(), TKontroltegning::Tvaer);
  const TLinjeListe& l = t.linjer;
  ASSERT_GE(l.size(), 2u);

  // Ground, green, filled.
  EXPECT_TRUE(l[0].Farve == 2 && l[0].FyldFarve == 2 && l[0].Fyld == 1);
  ForventPunkter(l[0].Punkter, {{-1, 0}, {-1, -0.1}, {11, -0.1}, {11, 0}});

  // The building body, hand calculation of the outline values (xi = 0.85,
  // xk = 1.85, xr = 5.5; yr = 5.5981, yk = 3.3753, yf = 1.7663).
  EXPECT_TRUE(l[1].Fyld == 1 && l[1].FyldFarve == 16 && l[1].Farve == 0);
  ForventPunkter(
      l[1].Punkter,
      {{0.85, 0}, {0.85, 1.7662917745951585}, {1.1833333333333333, 2.6359537413878584},
       {1.5166666666666666, 3.088949041513891}, {1.85, 3.3752776749732574},
       {5.5, 5.598076211353316}, {11 - 1.85, 3.3752776749732574},
       {11 - 1.5166666666666666, 3.088949041513891}, {11 - 1.1833333333333333, 2.6359537413878584},
       {11 - 0.85, 1.7662917745951585}, {11 - 0.85, 0}, {10.5, 0}, {10.5, 2.711324865405188},
       {11, 2.4226497308103747}, {11, 2.711324865405188}, {10.5, 3.0}, {5.5, 5.886751345948129},
       {0.5, 3.0}, {0, 2.711324865405188}, {0, 2.4226497308103747}, {0.5, 2.711324865405188},
       {0.5, 0}});
  EXPECT_EQ(t.MaalEfter("Husbredde"), "10,00");
  EXPECT_EQ(t.MaalEfter("Facadeudhæng"), "0,50");
  ASSERT_EQ(t.MaalEfter("Facadehøjde"), "3,00");
  EXPECT_EQ(t.Find("Facadehøjde").first->VandretJust, 2);  // left of its line

  // Purlin numbers 0.2 m above the roof line at the purlins (worked example:
  // xAas = 0, 1.0392, 4.9804; roof line 2.9423, 3.5423, 5.8177).
  ForventPunkter({t.Sted("1"), t.Sted("2"), t.Sted("3")},
                 {{0, 3.1422649730810377},
                  {1.0392304845413265, 3.742264973081038},
                  {5.5 - 0.6 * std::cos(std::numbers::pi / 6), 6.01769145362398}});

  // Load widths, 3 pixels: red [0, 0.5196], teal [0.5196, 1.5588], red.
  const auto bredder =
      t.Udvalg([](const LinjeType& x) { return x.Bredde == 3 && x.Punkter.size() == 2; });
  ASSERT_EQ(bredder.size(), 3u);
  EXPECT_TRUE(bredder[0]->Farve == 4 && bredder[1]->Farve == 3 && bredder[2]->Farve == 4);
  EXPECT_NAER(bredder[0]->Punkter[1].X, 0.5196152422706632);
  EXPECT_NAER(bredder[1]->Punkter[0].X, 0.5196152422706632);
  EXPECT_NAER(bredder[1]->Punkter[1].X, 1.5588457268119897);

  // Last come the two white points that reserve the margins, (BTag + 8u, 0)
  // and (-4u, 0); the man's caption stands 2u below the ground.
  const LinjeType& hoejre = l[l.size() - 2];
  const LinjeType& venstre = l.back();
  ASSERT_TRUE(hoejre.Farve == 15 && venstre.Farve == 15 && venstre.Punkter.size() == 1);
  const double u = -venstre.Punkter[0].X / 4;
  EXPECT_GT(u, 0);
  ForventPunkter(hoejre.Punkter, {{11 + 8 * u, 0}});
  ForventPunkter({t.Sted("Manden er 1,8 m høj.")}, {{-0.7, -2 * u}});  // xc - 0.4, the man at -0.3
}

TEST(KontrolTvaer, MandenEr18MeterHoej) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  TegnMand(linjer, tekster, -0.3, 0.5);
  ASSERT_EQ(linjer.size(), 2u);
  const LinjeType& m = linjer[0];
  EXPECT_EQ(m.FyldFarve, 1);
  // The right half from the hip up to the head, 1.8 m up whatever the drawing,
  // relative to the man's x; the left half mirrors it back down to the hip.
  const PunktType halv[] = {{0, 0.8},   {0.15, 0},  {0.25, 0},  {0.15, 1.0},
                            {0.15, 1.3}, {0.3, 0.85}, {0.4, 0.9}, {0.2, 1.5},
                            {0.06, 1.5}, {0.08, 1.75}, {0, 1.8}};
  std::vector<PunktType> forventet;
  for (const PunktType& p : halv) forventet.push_back({-0.3 + p.X, p.Y});
  for (int i = 9; i >= 0; --i) forventet.push_back({-0.3 - halv[i].X, halv[i].Y});
  ForventPunkter(m.Punkter, forventet);
  ASSERT_EQ(tekster.size(), 1u);
  EXPECT_EQ(tekster[0].Tekster[0].Tekst, "Manden er 1,8 m høj.");
  EXPECT_NAER(tekster[0].Tekster[0].Y, -1.0);  // -2u
  EXPECT_NAER(linjer[1].Punkter[0].Y, -1.5);   // -3u
}

TEST(KontrolTvaer, FladtTag) {
  Inddata d = Hal();
  d.TagVink = 0;
  const TTegning t = Tegn(d, TKontroltegning::Tvaer);
  EXPECT_EQ(t.s.HTagkant, t.s.HRef);
  const auto tag = t.Udvalg([&](const LinjeType& l) {
    return l.Punkter.size() == 3 && l.Farve == 0 && l.Fyld == 0 && l.Punkter[0].X == 0;
  });
  ASSERT_EQ(tag.size(), 1u);
  ForventPunkter(tag[0]->Punkter, {{0, t.s.HRef}, {t.s.BTag / 2, t.s.HRef}, {t.s.BTag, t.s.HRef}});
  // The sections stand upright: both faces level, sides vertical.
  const auto snit = t.Udvalg(ErSnit);
  EXPECT_EQ(snit.size(), 4u);  // three purlins and the enlarged one
  for (const LinjeType* l : snit) {
    const auto& p = l->Punkter;
    EXPECT_TRUE(p[0].Y == p[3].Y && p[1].Y == p[2].Y && p[0].X == p[1].X);
  }
  // The two reaction arrows: z straight up, y horizontal towards the ridge.
  const auto pile = t.Udvalg(ErPil);
  ASSERT_EQ(pile.size(), 2u);
  EXPECT_NAER(pile[0]->Punkter[0].X, pile[0]->Punkter[1].X, 1e-9, 1e-12);
  EXPECT_NAER(pile[1]->Punkter[0].Y, pile[1]->Punkter[1].Y, 1e-9, 1e-12);
  EXPECT_LT(pile[1]->Punkter[0].X, pile[1]->Punkter[1].X);
}

TEST(KontrolTvaer, ForstoerretAasStaarOverAas2MedPileOgTekster) {
  const TTegning t = Tegn(Hal(), TKontroltegning::Tvaer);
  // Hand calculation for the worked hall (30 degrees, b = 75, h = 200 mm):
  // x0 = xAas[2] = 1.2·cos 30° = 1.03923, y0 = TagHojde(xAas[3]) + 0.4 =
  // 4.98038·tan 30° + 2.94226 + 0.4 = 6.21769; L = 0.75 m, H = 0.1875 m.
  const double x0 = 1.0392304845413265, y0 = 6.21769145362398;
  const auto snit = t.Udvalg(ErSnit);
  ASSERT_EQ(snit.size(), 4u);
  const auto& p = snit[3]->Punkter;  // after the three purlins
  // Its lower face's midpoint is (x0, y0); 20 times 75 mm wide, 200 mm deep.
  ForventPunkter({{(p[1].X + p[2].X) / 2, (p[1].Y + p[2].Y) / 2}}, {{x0, y0}});
  EXPECT_NAER(std::hypot(p[3].X - p[0].X, p[3].Y - p[0].Y), 1.5);
  EXPECT_NAER(std::hypot(p[1].X - p[0].X, p[1].Y - p[0].Y), 4.0);
  // Upper left corner: (x0 - 0.02·h·s - b·c·20/2000, y0 + 0.02·h·c - b·s·20/2000).
  ForventPunkter({p[0]}, {{-1.6102885682970025, 9.306793068761735}});

  // z arrow: tip on the lower face's midpoint, tail L down the normal; y
  // arrow: tip on the left face, (x0 - 0.01·b·c - h·s/1000, y0 - 0.01·b·s + h·c/1000).
  const auto pile = t.Udvalg(ErPil);
  ASSERT_EQ(pile.size(), 2u);
  ForventPunkter({pile[0]->Punkter[0], pile[0]->Punkter[1]},
                 {{1.4142304845413265, 5.568172400785651}, {x0, y0}});
  ForventPunkter({pile[1]->Punkter[1]}, {{0.2897114317029975, 6.015896534380867}});

  // "Positive reaktioner" at the enlarged section's lower right corner, left
  // aligned; "z-retning" and "y-retning" centred at the arrows' tails (the y
  // tail: tip - L·(cos 30°, sin 30°)); all with their top on the point.
  ForventPunkter({t.Sted("Positive reaktioner"), t.Sted("z-retning"), t.Sted("y-retning")},
                 {{1.6887495373796555, 6.59269145362398},
                  {1.4142304845413265, 5.568172400785651},
                  {-0.3598076211353315, 5.640896534380867}});
  const TekstGruppeType* positiv = t.Find("Positive reaktioner").first;
  const TekstGruppeType* retning = t.Find("z-retning").first;
  ASSERT_TRUE(positiv != nullptr && retning != nullptr);
  EXPECT_TRUE(positiv->VandretJust == 0 && positiv->LodretJust == 2);
  EXPECT_TRUE(retning->VandretJust == 1 && retning->LodretJust == 2);
  EXPECT_EQ(t.Find("y-retning").first, retning);
}

// ---------------------------------------------------------------------------
// Longitudinal

TEST(KontrolLaengde, FireFag) {
  const TTegning t = Tegn(Hal(), TKontroltegning::Laengde);
  EXPECT_NAER(t.s.LTag, 23.0);
  const double u = 0.23;  // LTag / 100

  // Worked layout: hinges at 4.643 + k·6 with a gap of u centred on each,
  // pieces between y = ±h/2000 = ±0.1, upper left first.
  const auto dele = t.Udvalg(ErAasedel);
  ASSERT_EQ(dele.size(), 4u);
  const double fra[] = {0, 4.643 + u / 2, 10.643 + u / 2, 16.643 + u / 2};
  const double til[] = {4.643 - u / 2, 10.643 - u / 2, 16.643 - u / 2, 23};
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    ForventPunkter(dele[i]->Punkter,
                   {{fra[i], 0.1}, {til[i], 0.1}, {til[i], -0.1}, {fra[i], -0.1}, {fra[i], 0.1}});
  }
  // Hinge octagons of radius r = u/2 on the axis.
  const auto charnierer = t.Udvalg(ErCharnier);
  ASSERT_EQ(charnierer.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    const double x = 4.643 + 6 * k, r = u / 2, a = 0.75 * r;
    ForventPunkter(charnierer[k]->Punkter, {{x - r, 0}, {x - a, -a}, {x, -r}, {x + a, -a}, {x + r, 0},
                                            {x + a, a}, {x, r}, {x - a, a}, {x - r, 0}});
  }
  // Support triangles of size u with the apex at -u/2.
  const auto understoetninger = t.Udvalg(ErUnderstoetning);
  ASSERT_EQ(understoetninger.size(), 5u);
  const double ved[] = {0.5, 5.5, 11.5, 17.5, 22.5};
  for (int i = 0; i < 5; ++i)
    ForventPunkter(understoetninger[i]->Punkter,
                   {{ved[i], -u / 2}, {ved[i] - u, -2.5 * u}, {ved[i] + u, -2.5 * u}, {ved[i], -u / 2}});

  const std::pair<std::string, std::string> maal[] = {
      {"Kort endefag", "4,64"},          {"2 mellemfag á 6,00 m", "12,00"},
      {"Langt endefag", "6,36"},         {"Gavlrammeafstand", "5,00"},
      {"2 normalrammeafstande á 6,00 m", "12,00"},
      {"Total længde", "23,00"},         {"Gavludhæng ug", "0,50"},
      {"Charnierforskydning", "0,86"},   {"ug", "0,50"}};
  for (const auto& [tekst, afstand] : maal) EXPECT_EQ(t.MaalEfter(tekst), afstand) << tekst;
  EXPECT_EQ(t.MaalEfter("Gavlrammeafstand", 1), "5,00");
  // The rows stand at -18u (total) and 4.2u (overhangs), the text p = 1.5u above.
  EXPECT_NAER(t.Sted("Total længde").Y, -18 * u + 1.5 * u);
  EXPECT_NAER(t.Sted("Gavludhæng ug").Y, 4.2 * u + 1.5 * u);

  // The hinge detail below everything: its joint line at LTag/2, from -30u down.
  const auto fuge = t.Udvalg(
      [](const LinjeType& l) { return l.Punkter.size() == 2 && l.Punkter[0].X == 11.5; });
  ASSERT_EQ(fuge.size(), 1u);
  EXPECT_NAER(fuge[0]->Punkter[0].Y, -30 * u);
}

TEST(KontrolLaengde, CharnierdetaljeMedOgUdenBeslag) {
  Inddata d = Hal();
  TSupplData s;
  BestemTvaersnit(d, s);
  const double sk = s.LTag / 800;  // world units per mm
  const double yb = -5 - 200 * sk;  // lower edge of the left piece

  // W hanger (row 14: H 180, Y -90/90): both pieces level, the hardware a
  // rectangle 180 mm up from the lower edge between -90 and 90 mm.
  TLinjeListe w;
  TegnCharnierDetalje(w, d, s, 10, -5);
  ASSERT_EQ(w.size(), 6u);
  EXPECT_TRUE(w[0].Farve == 16 && w[0].Punkter.size() == 9 && w[2].FyldFarve == 17);
  const double v = 10 - 90 * sk, h = 10 + 90 * sk, top = yb + 180 * sk;
  ForventPunkter(w[2].Punkter,
                 {{v, yb}, {v, top}, {h, top}, {h, top}, {h, top}, {h, top}, {h, top}, {h, yb}});
  EXPECT_EQ(w[3].Punkter[2].Y, -5);    // the right piece's upper edge
  EXPECT_EQ(w[5].Punkter.size(), 9u);  // outline back to its start

  // B hanger (row 32, H3 205 mm on a 200 mm purlin): the carried piece hangs
  // 5 mm higher, and the joint line runs over the full height of both pieces.
  d.Beslag = 32;
  TLinjeListe b;
  TegnCharnierDetalje(b, d, s, 10, -5);
  ASSERT_EQ(b.size(), 6u);
  EXPECT_NAER(b[3].Punkter[3].Y, yb + 205 * sk);
  EXPECT_NAER(b[4].Punkter[3].Y, yb + 5 * sk);
  ForventPunkter(b[1].Punkter, {{10, yb + 205 * sk}, {10, yb}});

  // No hardware chosen: the two pieces alone, nothing grey.
  for (int beslag : {-1, AntalBeslag, 1 << 30}) {
    d.Beslag = beslag;
    TLinjeListe n;
    TegnCharnierDetalje(n, d, s, 10, -5);
    ASSERT_EQ(n.size(), 4u) << beslag;
    for (const LinjeType& l : n) EXPECT_NE(l.Farve, 17);
    EXPECT_EQ(n[2].Punkter[3].Y, -5);
    EXPECT_EQ(n[3].Punkter[3].Y, yb);
  }
}

TEST(Kontroltegninger, UdenUdhaengMaalesNul) {
  Inddata d = Hal();
  d.FacUdh = 0;
  d.GavlUdh = 0;
  const TTegning tvaer = Tegn(d, TKontroltegning::Tvaer);
  const TTegning laengde = Tegn(d, TKontroltegning::Laengde);
  // Across: the facade and the roof edge at x = 0.
  EXPECT_EQ(tvaer.MaalEfter("Facadeudhæng"), "0,00");
  ASSERT_EQ(tvaer.linjer[1].Punkter.size(), 22u);
  EXPECT_EQ(tvaer.linjer[1].Punkter[17].X, tvaer.linjer[1].Punkter[18].X);
  // Along: the first support at the purlin's end.
  EXPECT_EQ(laengde.MaalEfter("Gavludhæng ug"), "0,00");
  const auto understoetninger = laengde.Udvalg(ErUnderstoetning);
  ASSERT_FALSE(understoetninger.empty());
  EXPECT_EQ(understoetninger[0]->Punkter[0].X, 0);
}

// ---------------------------------------------------------------------------
// Input that no building has.

TEST(Kontroltegninger, AbsurdInddataTegnerUdenNedbrud) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<Inddata> tilfaelde = {StartInddata()};  // everything zero
  for (int fag : {0, 1, 2, 3, -5, 100000, std::numeric_limits<std::int32_t>::max(),
                  std::numeric_limits<std::int32_t>::min()}) {
    tilfaelde.push_back(Hal());
    tilfaelde.back().AntalFag = fag;
  }
  for (double v : {nan, inf, -inf, -3.0, 0.0, 1e300}) {
    Inddata d = Hal(), e = Hal();
    d.HusBr = d.Rammeafstand = d.AaseHojde = v;
    e.TagVink = e.FacUdh = e.GavlUdh = e.CharnForsk = v;
    tilfaelde.insert(tilfaelde.end(), {d, e});
  }
  tilfaelde.push_back(Hal());
  tilfaelde.back().TagVink = 90;  // cos 90° is not quite 0

  for (std::size_t i = 0; i < tilfaelde.size(); ++i) {
    for (auto art : {TKontroltegning::Tvaer, TKontroltegning::Laengde}) {
      TOptagendeLaerred c;
      TegnKontroltegning(art, tilfaelde[i], c, 760, 520);
      // Bounded whatever AntalFag says.
      EXPECT_LT(c.Kald.size(), 200000u) << "tilfælde " << i;
      for (const auto& st : c.Streger) {
        EXPECT_LE(std::abs(st.Fra.X), 10000000) << "tilfælde " << i;
        EXPECT_LE(std::abs(st.Til.Y), 10000000) << "tilfælde " << i;
      }
    }
  }
}

TEST(Kontroltegninger, MangeFagTegnesSomEnAas) {
  Inddata d = Hal();
  d.AntalFag = 100000;
  const TTegning t = Tegn(d, TKontroltegning::Laengde);
  EXPECT_EQ(t.Udvalg(ErAasedel).size(), 1u);
  EXPECT_EQ(t.Udvalg(ErCharnier).size(), 0u);
  EXPECT_EQ(t.Udvalg(ErUnderstoetning).size(), 2u);
  // The labels still tell the truth.
  EXPECT_EQ(t.MaalEfter("99998 mellemfag á 6,00 m"), "599988,00");

  // Up to the limit every bay is drawn.
  d.AntalFag = static_cast<int>(MaksFagTegnet) + 2;
  EXPECT_EQ(Tegn(d, TKontroltegning::Laengde).Udvalg(ErAasedel).size(),
            static_cast<std::size_t>(MaksFagTegnet + 2));
}

TEST(Kontroltegninger, SvgAfBeggeTegninger) {
  for (auto art : {TKontroltegning::Tvaer, TKontroltegning::Laengde}) {
    TSvgLaerred svg(760, 520);
    const Visning v = TegnKontroltegning(art, Hal(), svg, 760, 520);
    EXPECT_NAER(v.SkalaX, -v.SkalaY);  // equal scales
    const std::string s = svg.Svg();
    EXPECT_NE(s.find("<polygon"), std::string::npos);
    EXPECT_NE(s.find(art == TKontroltegning::Tvaer ? "Manden er 1,8 m høj." : "Total længde"),
              std::string::npos);
  }
}

}  // namespace
}  // namespace kvistor
