// The two control drawings: their parts, point orders and labels for worked
// projects, the edge cases of the input (flat roof, no overhangs, no hardware)
// and input that no building has (no bays, a hundred thousand bays, zero,
// negative and NaN sizes), which must draw what it can and never crash.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/kontrol_laengde.h"
#include "graphics/kontrol_tvaer.h"
#include "graphics/kontroltegning.h"
#include "graphics/optagende_laerred.h"
#include "graphics/svg_laerred.h"
#include "graphics/visning.h"
#include "hjaelp/naer.h"
#include "loads/tvaersnit.h"
#include "project/katalog.h"

namespace kvistor {
namespace {

// The hall of the cross-section worked example: 10 m wide, 0.5 m eaves
// overhang, 30 degrees, purlins 1.2 m apart, 200 x 75 mm.
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
};

TTegning Tvaer(const Inddata& d) {
  TTegning t;
  BestemTvaersnit(d, t.s);
  TegnKontrolTvaer(t.linjer, t.tekster, d, t.s);
  return t;
}

TTegning Laengde(const Inddata& d) {
  TTegning t;
  BestemTvaersnit(d, t.s);
  TegnKontrolLaengde(t.linjer, t.tekster, d, t.s);
  return t;
}

// All texts of the drawing with their positions, in order.
std::vector<TekstType> AlleTekster(const TTegning& t) {
  std::vector<TekstType> v;
  for (const auto& g : t.tekster) v.insert(v.end(), g.Tekster.begin(), g.Tekster.end());
  return v;
}

// The label written just after `tekst` (a dimension line's measured distance).
std::string MaalEfter(const TTegning& t, const std::string& tekst, int nr = 0) {
  const std::vector<TekstType> v = AlleTekster(t);
  for (std::size_t i = 0; i + 1 < v.size(); ++i)
    if (v[i].Tekst == tekst && nr-- == 0) return v[i + 1].Tekst;
  return "(ingen)";
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
  const TTegning t = Tvaer(Hal());
  const TLinjeListe& l = t.linjer;
  ASSERT_GE(l.size(), 2u);

  // Ground, green, filled.
  EXPECT_EQ(l[0].Farve, 2);
  EXPECT_EQ(l[0].FyldFarve, 2);
  EXPECT_EQ(l[0].Fyld, 1);
  ASSERT_EQ(l[0].Punkter.size(), 4u);
  EXPECT_NAER(l[0].Punkter[2].X, 11.0);
  EXPECT_NAER(l[0].Punkter[2].Y, -0.1);

  // The building body: 22 points, hand calculation of the outline values
  // (xi = 0.85, xk = 1.85, xr = 5.5; yr = 5.5981, yk = 3.3753, yf = 1.7663).
  const LinjeType& krop = l[1];
  EXPECT_EQ(krop.Fyld, 1);
  EXPECT_EQ(krop.FyldFarve, 16);
  EXPECT_EQ(krop.Farve, 0);
  ASSERT_EQ(krop.Punkter.size(), 22u);
  const std::vector<PunktType> forventet = {
      {0.85, 0},
      {0.85, 1.7662917745951585},
      {1.1833333333333333, 2.6359537413878584},
      {1.5166666666666666, 3.088949041513891},
      {1.85, 3.3752776749732574},
      {5.5, 5.598076211353316},
      {11 - 1.85, 3.3752776749732574},
      {11 - 1.5166666666666666, 3.088949041513891},
      {11 - 1.1833333333333333, 2.6359537413878584},
      {11 - 0.85, 1.7662917745951585},
      {11 - 0.85, 0},
      {10.5, 0},
      {10.5, 2.711324865405188},
      {11, 2.4226497308103747},
      {11, 2.711324865405188},
      {10.5, 3.0},
      {5.5, 5.886751345948129},
      {0.5, 3.0},
      {0, 2.711324865405188},
      {0, 2.4226497308103747},
      {0.5, 2.711324865405188},
      {0.5, 0}};
  for (std::size_t i = 0; i < forventet.size(); ++i) {
    EXPECT_NAER(krop.Punkter[i].X, forventet[i].X, 1e-9, 1e-12) << "punkt " << i;
    EXPECT_NAER(krop.Punkter[i].Y, forventet[i].Y, 1e-9, 1e-12) << "punkt " << i;
  }

  // The dimension labels of the body.
  EXPECT_EQ(MaalEfter(t, "Husbredde"), "10,00");
  EXPECT_EQ(MaalEfter(t, "Facadehøjde"), "3,00");
  EXPECT_EQ(MaalEfter(t, "Facadeudhæng"), "0,50");

  // Purlin numbers 0.2 m above the roof line at the purlins (xAas = 0,
  // 1.0392, 4.9804 in the worked example).
  const std::vector<TekstType> tekster = AlleTekster(t);
  std::vector<TekstType> numre;
  for (const TekstType& x : tekster)
    if (x.Tekst == "1" || x.Tekst == "2" || x.Tekst == "3") numre.push_back(x);
  ASSERT_EQ(numre.size(), 3u);
  EXPECT_EQ(numre[1].Tekst, "2");
  EXPECT_NAER(numre[1].X, 1.0392304845413265);
  EXPECT_NAER(numre[1].Y, 3.742264973081038);
  EXPECT_NAER(numre[2].X, 5.5 - 0.6 * std::cos(M_PI / 6), 1e-9);

  // Load widths: 3 pixels, red, teal, red.
  std::vector<const LinjeType*> bredder;
  for (const LinjeType& x : l)
    if (x.Bredde == 3 && x.Punkter.size() == 2) bredder.push_back(&x);
  ASSERT_EQ(bredder.size(), 3u);
  EXPECT_EQ(bredder[0]->Farve, 4);
  EXPECT_EQ(bredder[1]->Farve, 3);
  EXPECT_EQ(bredder[2]->Farve, 4);
  EXPECT_NAER(bredder[0]->Punkter[1].X, 0.5196152422706632);  // strip [0, 0.5196]
  EXPECT_NAER(bredder[1]->Punkter[0].X, 0.5196152422706632);
  EXPECT_NAER(bredder[1]->Punkter[1].X, 1.5588457268119897);

  // The two white points that reserve the margins come last.
  EXPECT_EQ(l[l.size() - 1].Farve, 15);
  EXPECT_EQ(l[l.size() - 2].Farve, 15);
  EXPECT_EQ(l.back().Punkter.size(), 1u);
}

TEST(KontrolTvaer, Mand) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  TegnMand(linjer, tekster, -0.3, 0.5);
  ASSERT_EQ(linjer.size(), 2u);
  const LinjeType& m = linjer[0];
  EXPECT_EQ(m.FyldFarve, 1);
  ASSERT_EQ(m.Punkter.size(), 21u);
  double top = 0, bund = 10;
  for (const PunktType& p : m.Punkter) {
    top = std::max(top, p.Y);
    bund = std::min(bund, p.Y);
  }
  EXPECT_NAER(top, 1.8);  // 1.8 m tall whatever the drawing
  EXPECT_EQ(bund, 0);
  EXPECT_NAER(m.Punkter[11].X, -0.3 - 0.08);
  EXPECT_NAER(m.Punkter[19].X, -0.3 - 0.15);
  EXPECT_EQ(m.Punkter[20].Y, 0.8);
  ASSERT_EQ(tekster.size(), 1u);
  EXPECT_EQ(tekster[0].Tekster[0].Tekst, "Manden er 1,8 m høj.");
  EXPECT_NAER(tekster[0].Tekster[0].Y, -1.0);  // -2u
  EXPECT_NAER(linjer[1].Punkter[0].Y, -1.5);  // -3u
}

TEST(KontrolTvaer, FladtTag) {
  Inddata d = Hal();
  d.TagVink = 0;
  const TTegning t = Tvaer(d);
  EXPECT_EQ(t.s.HTagkant, t.s.HRef);
  // Roof line flat.
  bool fundet = false;
  for (const LinjeType& l : t.linjer) {
    if (l.Punkter.size() == 3 && l.Farve == 0 && l.Fyld == 0 && l.Bredde == 1 &&
        l.Punkter[0].X == 0 && l.Punkter[2].X == t.s.BTag) {
      fundet = true;
      EXPECT_EQ(l.Punkter[1].Y, l.Punkter[0].Y);
      EXPECT_EQ(l.Punkter[2].Y, l.Punkter[0].Y);
    }
  }
  EXPECT_TRUE(fundet);
  // The sections stand upright: both faces level, sides vertical.
  int snit = 0;
  for (const LinjeType& l : t.linjer) {
    if (l.Fyld == 1 && l.FyldFarve == 16 && l.Punkter.size() == 4) {
      ++snit;
      EXPECT_EQ(l.Punkter[0].Y, l.Punkter[3].Y);
      EXPECT_EQ(l.Punkter[1].Y, l.Punkter[2].Y);
      EXPECT_EQ(l.Punkter[0].X, l.Punkter[1].X);
    }
  }
  EXPECT_EQ(snit, 4);  // three purlins and the enlarged one
  // The two reaction arrows: z straight up, y horizontal.
  std::vector<const LinjeType*> pile;
  for (const LinjeType& l : t.linjer)
    if (l.Bredde == 3 && l.Punkter.size() == 5) pile.push_back(&l);
  ASSERT_EQ(pile.size(), 2u);
  EXPECT_NAER(pile[0]->Punkter[0].X, pile[0]->Punkter[1].X, 1e-9, 1e-12);
  EXPECT_NAER(pile[1]->Punkter[0].Y, pile[1]->Punkter[1].Y, 1e-9, 1e-12);
  EXPECT_LT(pile[1]->Punkter[0].X, pile[1]->Punkter[1].X);  // towards the ridge
}

TEST(KontrolTvaer, UdenUdhaeng) {
  Inddata d = Hal();
  d.FacUdh = 0;
  const TTegning t = Tvaer(d);
  EXPECT_EQ(MaalEfter(t, "Facadeudhæng"), "0,00");
  const LinjeType& krop = t.linjer[1];
  EXPECT_EQ(krop.Punkter[17].X, krop.Punkter[18].X);  // facade and edge at x = 0
}

TEST(KontrolTvaer, DetaljenStaarPaaSinUnderside) {
  const Inddata d = Hal();
  TSupplData s;
  BestemTvaersnit(d, s);
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  TegnDetalje(linjer, tekster, d, s, 2.0, 8.0);
  // The enlarged section: the midpoint of its lower face is (x0, y0).
  const auto& p = linjer[0].Punkter;
  ASSERT_EQ(p.size(), 4u);
  EXPECT_NAER((p[1].X + p[2].X) / 2, 2.0);
  EXPECT_NAER((p[1].Y + p[2].Y) / 2, 8.0);
  // 20 times 75 mm wide, 20 times 200 mm deep.
  EXPECT_NAER(std::hypot(p[3].X - p[0].X, p[3].Y - p[0].Y), 1.5);
  EXPECT_NAER(std::hypot(p[1].X - p[0].X, p[1].Y - p[0].Y), 4.0);
  ASSERT_EQ(tekster.size(), 2u);
  EXPECT_EQ(tekster[0].Tekster[0].Tekst, "Positive reaktioner");
  EXPECT_EQ(tekster[0].LodretJust, 2);
  EXPECT_EQ(tekster[1].Tekster[0].Tekst, "z-retning");
  EXPECT_EQ(tekster[1].Tekster[1].Tekst, "y-retning");
}

TEST(KontrolTvaer, ForstoerretAasStaarOverAas2MedPileOgTekster) {
  const TTegning t = Tvaer(Hal());
  // Hand calculation for the worked hall (30 degrees, b = 75, h = 200 mm):
  // x0 = xAas[2] = 1.2·cos 30° = 1.03923, y0 = TagHojde(xAas[3]) + 0.4 =
  // 4.98038·tan 30° + 2.94226 + 0.4 = 6.21769; L = 0.75 m, H = 0.1875 m.
  const double x0 = 1.0392304845413265, y0 = 6.21769145362398;
  const LinjeType* forstoerret = nullptr;
  std::vector<const LinjeType*> pile;
  for (const LinjeType& l : t.linjer) {
    if (l.Fyld == 1 && l.FyldFarve == 16 && l.Punkter.size() == 4 && forstoerret == nullptr &&
        std::hypot(l.Punkter[1].X - l.Punkter[0].X, l.Punkter[1].Y - l.Punkter[0].Y) > 1)
      forstoerret = &l;
    if (l.Bredde == 3 && l.Punkter.size() == 5) pile.push_back(&l);
  }
  ASSERT_NE(forstoerret, nullptr);
  // Upper left corner: (x0 - 0.02·h·s - b·c·20/2000, y0 + 0.02·h·c - b·s·20/2000).
  EXPECT_NAER(forstoerret->Punkter[0].X, -1.6102885682970025);
  EXPECT_NAER(forstoerret->Punkter[0].Y, 9.306793068761735);

  // z arrow: tip on the lower face's midpoint, tail L down the normal.
  ASSERT_EQ(pile.size(), 2u);
  EXPECT_NAER(pile[0]->Punkter[1].X, x0);
  EXPECT_NAER(pile[0]->Punkter[1].Y, y0);
  EXPECT_NAER(pile[0]->Punkter[0].X, 1.4142304845413265);
  EXPECT_NAER(pile[0]->Punkter[0].Y, 5.568172400785651);
  // y arrow: tip on the left face, (x0 - 0.01·b·c - h·s/1000, y0 - 0.01·b·s + h·c/1000).
  EXPECT_NAER(pile[1]->Punkter[1].X, 0.2897114317029975);
  EXPECT_NAER(pile[1]->Punkter[1].Y, 6.015896534380867);

  bool positive = false, z = false, y = false;
  for (const TekstGruppeType& g : t.tekster) {
    for (const TekstType& x : g.Tekster) {
      if (x.Tekst == "Positive reaktioner") {
        positive = true;  // the lower right corner of the enlarged section
        EXPECT_EQ(g.VandretJust, 0);
        EXPECT_EQ(g.LodretJust, 2);
        EXPECT_NAER(x.X, 1.6887495373796555);
        EXPECT_NAER(x.Y, 6.59269145362398);
      } else if (x.Tekst == "z-retning") {
        z = true;  // at the z arrow's tail
        EXPECT_EQ(g.VandretJust, 1);
        EXPECT_EQ(g.LodretJust, 2);
        EXPECT_NAER(x.X, 1.4142304845413265);
        EXPECT_NAER(x.Y, 5.568172400785651);
      } else if (x.Tekst == "y-retning") {
        y = true;  // at the y arrow's tail: tip - L·(cos 30°, sin 30°)
        EXPECT_NAER(x.X, -0.3598076211353315);
        EXPECT_NAER(x.Y, 5.640896534380867);
      } else if (x.Tekst == "Facadehøjde") {
        // Left of the vertical dimension line at FacUdh + HusBr - 1.5 = 9.
        EXPECT_EQ(g.VandretJust, 2);
        EXPECT_LT(x.X, 9.0);
      }
    }
  }
  EXPECT_TRUE(positive && z && y);
}

TEST(KontrolTvaer, MandOgMargenerVokserMedTegningen) {
  const TTegning t = Tvaer(Hal());
  // The last two polylines are the white margin points (BTag + 8u, 0) and
  // (-4u, 0); the man's caption stands 2u below the ground.
  const LinjeType& hoejre = t.linjer[t.linjer.size() - 2];
  const LinjeType& venstre = t.linjer.back();
  const double u = -venstre.Punkter[0].X / 4;
  EXPECT_GT(u, 0);
  EXPECT_NAER(hoejre.Punkter[0].X, 11 + 8 * u);
  EXPECT_EQ(hoejre.Punkter[0].Y, 0);
  bool fundet = false;
  for (const TekstType& x : AlleTekster(t)) {
    if (x.Tekst != "Manden er 1,8 m høj.") continue;
    fundet = true;
    EXPECT_NAER(x.X, -0.7);  // xc - 0.4 with the man at -0.3
    EXPECT_NAER(x.Y, -2 * u);
  }
  EXPECT_TRUE(fundet);
}

// ---------------------------------------------------------------------------
// Longitudinal

TEST(KontrolLaengde, FireFag) {
  const TTegning t = Laengde(Hal());
  EXPECT_NAER(t.s.LTag, 23.0);
  std::vector<double> charnierer, understoetninger;
  int dele = 0;
  for (const LinjeType& l : t.linjer) {
    if (ErAasedel(l)) ++dele;
    if (ErCharnier(l)) charnierer.push_back((l.Punkter[0].X + l.Punkter[4].X) / 2);
    if (ErUnderstoetning(l)) understoetninger.push_back(l.Punkter[0].X);
  }
  EXPECT_EQ(dele, 4);
  // Hinges and supports of the worked layout: 4.643, 10.643, 16.643 and
  // 0.5, 5.5, 11.5, 17.5, 22.5.
  ASSERT_EQ(charnierer.size(), 3u);
  EXPECT_NAER(charnierer[0], 4.643);
  EXPECT_NAER(charnierer[2], 16.643);
  ASSERT_EQ(understoetninger.size(), 5u);
  const double forventet[] = {0.5, 5.5, 11.5, 17.5, 22.5};
  for (int i = 0; i < 5; ++i) EXPECT_NAER(understoetninger[i], forventet[i]);

  EXPECT_EQ(MaalEfter(t, "Kort endefag"), "4,64");
  EXPECT_EQ(MaalEfter(t, "2 mellemfag á 6,00 m"), "12,00");
  EXPECT_EQ(MaalEfter(t, "Langt endefag"), "6,36");
  EXPECT_EQ(MaalEfter(t, "Gavlrammeafstand"), "5,00");
  EXPECT_EQ(MaalEfter(t, "2 normalrammeafstande á 6,00 m"), "12,00");
  EXPECT_EQ(MaalEfter(t, "Gavlrammeafstand", 1), "5,00");
  EXPECT_EQ(MaalEfter(t, "Total længde"), "23,00");
  EXPECT_EQ(MaalEfter(t, "Gavludhæng ug"), "0,50");
  EXPECT_EQ(MaalEfter(t, "Charnierforskydning"), "0,86");
  EXPECT_EQ(MaalEfter(t, "ug"), "0,50");

  // The rows stand at -6u, -12u, -18u and 4.2u, u = LTag/100.
  for (const TekstType& x : AlleTekster(t)) {
    if (x.Tekst == "Total længde") {
      EXPECT_NAER(x.Y, -18 * 0.23 + 1.5 * 0.23);
    }
    if (x.Tekst == "Gavludhæng ug") {
      EXPECT_NAER(x.Y, 4.2 * 0.23 + 1.5 * 0.23);
    }
  }
}

TEST(KontrolLaengde, DeleMedMellemrumCharniererOgUnderstoetninger) {
  const TTegning t = Laengde(Hal());
  // u = LTag/100 = 0.23; hinges at 4.643 + k·6; a gap of u centred on each.
  const double u = 0.23;
  std::vector<const LinjeType*> dele, charnierer, understoetninger;
  for (const LinjeType& l : t.linjer) {
    if (ErAasedel(l)) dele.push_back(&l);
    if (ErCharnier(l)) charnierer.push_back(&l);
    if (ErUnderstoetning(l)) understoetninger.push_back(&l);
  }
  ASSERT_EQ(dele.size(), 4u);
  const double fra[] = {0, 4.643 + u / 2, 10.643 + u / 2, 16.643 + u / 2};
  const double til[] = {4.643 - u / 2, 10.643 - u / 2, 16.643 - u / 2, 23};
  for (int i = 0; i < 4; ++i) {
    const auto& p = dele[i]->Punkter;
    EXPECT_NAER(p[0].X, fra[i]) << "del " << i;  // upper left first
    EXPECT_NAER(p[1].X, til[i]) << "del " << i;
    EXPECT_NAER(p[0].Y, 0.1);  // h/2000 for 200 mm
    EXPECT_NAER(p[2].Y, -0.1);
  }
  // Hinge circles of radius u/2 on the axis.
  ASSERT_EQ(charnierer.size(), 3u);
  EXPECT_NAER(charnierer[1]->Punkter[0].X, 10.643 - u / 2);
  EXPECT_NAER(charnierer[1]->Punkter[2].Y, -u / 2);
  // Support triangles: apex at -u/2, 2u wide and 2u high.
  ASSERT_EQ(understoetninger.size(), 5u);
  const auto& a = understoetninger[1]->Punkter;
  EXPECT_NAER(a[0].Y, -u / 2);
  EXPECT_NAER(a[1].X, 5.5 - u);
  EXPECT_NAER(a[1].Y, -u / 2 - 2 * u);
  EXPECT_NAER(a[2].X, 5.5 + u);

  // The hinge detail below everything, centred between the gable supports:
  // the joint line stands at LTag/2 and starts at -30u.
  bool fuge = false;
  for (const LinjeType& l : t.linjer) {
    if (l.Farve == 0 && l.Fyld == 0 && l.Punkter.size() == 2 && l.Punkter[0].X == 11.5 &&
        l.Punkter[1].X == 11.5) {
      fuge = true;
      EXPECT_NAER(l.Punkter[0].Y, -30 * u);
    }
  }
  EXPECT_TRUE(fuge);
}

TEST(KontrolLaengde, UdenGavludhaeng) {
  Inddata d = Hal();
  d.GavlUdh = 0;
  const TTegning t = Laengde(d);
  EXPECT_EQ(MaalEfter(t, "Gavludhæng ug"), "0,00");
  for (const LinjeType& l : t.linjer) {
    if (ErUnderstoetning(l)) {
      EXPECT_EQ(l.Punkter[0].X, 0);  // the first support at the purlin's end
      break;
    }
  }
}

TEST(KontrolLaengde, Symboler) {
  TLinjeListe linjer;
  TegnUnderstoetning(linjer, 2, -1, 0.5);
  TegnCharnier(linjer, 0, 0, 2);
  ASSERT_EQ(linjer.size(), 2u);
  const auto& u = linjer[0].Punkter;
  ASSERT_EQ(u.size(), 4u);
  EXPECT_EQ(u[1].X, 1.5);
  EXPECT_EQ(u[1].Y, -2);
  EXPECT_EQ(u[2].X, 2.5);
  const auto& c = linjer[1].Punkter;
  ASSERT_EQ(c.size(), 9u);
  EXPECT_EQ(c[0].X, -2);
  EXPECT_EQ(c[1].X, -1.5);
  EXPECT_EQ(c[1].Y, -1.5);
  EXPECT_EQ(c[6].Y, 2);
}

TEST(KontrolLaengde, CharnierdetaljeMedOgUdenBeslag) {
  Inddata d = Hal();
  TSupplData s;
  BestemTvaersnit(d, s);
  const double sk = s.LTag / 800;  // world units per mm

  // W hanger (row 14: H 180, Y -90/90): both pieces level, the hardware a
  // rectangle 180 mm up from the lower edge between -90 and 90 mm.
  TLinjeListe w;
  TegnCharnierDetalje(w, d, s, 10, -5);
  ASSERT_EQ(w.size(), 6u);
  EXPECT_EQ(w[0].Farve, 16);
  EXPECT_EQ(w[0].Punkter.size(), 9u);
  EXPECT_EQ(w[2].FyldFarve, 17);
  const auto& hw = w[2].Punkter;
  ASSERT_EQ(hw.size(), 8u);
  const double yb = -5 - 200 * sk;
  EXPECT_NAER(hw[0].X, 10 - 90 * sk);
  EXPECT_NAER(hw[0].Y, yb);
  EXPECT_NAER(hw[3].Y, yb + 180 * sk);
  EXPECT_NAER(hw[4].X, 10 + 90 * sk);
  EXPECT_EQ(w[3].Punkter[2].Y, -5);  // the right piece's upper edge
  EXPECT_EQ(w[5].Punkter.size(), 9u);  // outline back to its start

  // B hanger (row 32, H3 205 mm on a 200 mm purlin): the carried piece hangs
  // 5 mm higher.
  d.Beslag = 32;
  TLinjeListe b;
  TegnCharnierDetalje(b, d, s, 10, -5);
  ASSERT_EQ(b.size(), 6u);
  EXPECT_NAER(b[3].Punkter[3].Y, yb + 205 * sk);
  EXPECT_NAER(b[4].Punkter[3].Y, yb + 5 * sk);
  // The joint line runs over the full height of both pieces.
  EXPECT_NAER(b[1].Punkter[0].Y, yb + 205 * sk);
  EXPECT_NAER(b[1].Punkter[1].Y, yb);

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

// ---------------------------------------------------------------------------
// Input that no building has.

TEST(Kontroltegninger, AbsurdInddataTegnerUdenNedbrud) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  std::vector<Inddata> tilfaelde;
  for (int fag : {0, 1, 2, 3, -5, 100000, std::numeric_limits<std::int32_t>::max(),
                  std::numeric_limits<std::int32_t>::min()}) {
    Inddata d = Hal();
    d.AntalFag = fag;
    tilfaelde.push_back(d);
  }
  {
    Inddata d = StartInddata();  // everything zero
    tilfaelde.push_back(d);
  }
  for (double v : {nan, inf, -inf, -3.0, 0.0, 1e300}) {
    Inddata d = Hal();
    d.HusBr = v;
    d.Rammeafstand = v;
    d.AaseHojde = v;
    tilfaelde.push_back(d);
    Inddata e = Hal();
    e.TagVink = v;
    e.FacUdh = v;
    e.GavlUdh = v;
    e.CharnForsk = v;
    tilfaelde.push_back(e);
  }
  {
    Inddata d = Hal();
    d.TagVink = 90;  // cos 90° is not quite 0
    tilfaelde.push_back(d);
  }

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
  const TTegning t = Laengde(d);
  int dele = 0, charnierer = 0, understoetninger = 0;
  for (const LinjeType& l : t.linjer) {
    dele += ErAasedel(l);
    charnierer += ErCharnier(l);
    understoetninger += ErUnderstoetning(l);
  }
  EXPECT_EQ(dele, 1);
  EXPECT_EQ(charnierer, 0);
  EXPECT_EQ(understoetninger, 2);
  // The labels still tell the truth.
  EXPECT_EQ(MaalEfter(t, "99998 mellemfag á 6,00 m"), "599988,00");

  // Up to the limit every bay is drawn.
  d.AntalFag = static_cast<int>(MaksFagTegnet) + 2;
  const TTegning u = Laengde(d);
  dele = 0;
  for (const LinjeType& l : u.linjer) dele += ErAasedel(l);
  EXPECT_EQ(dele, MaksFagTegnet + 2);
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
