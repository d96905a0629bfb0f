// The display list's records and builders: clamping of the attributes, the
// point orders, markers and labels of the dimension lines, and the arrow.
#include <array>
#include <functional>

#include <gtest/gtest.h>

#include "graphics/displayliste.h"
#include "graphics/maal.h"
#include "graphics/test_punkter.h"

namespace kvistor {
namespace {

using test::ForventPunkter;

TEST(Displayliste, AttributterKlemmesOgReferencerHoldes) {
  struct {
    int stil, bredde, farve, fyld, fyldFarve, markoer;  // as given
    int vStil, vBredde, vFarve, vFyldFarve, vMarkoer;   // as stored
  } const tilfaelde[] = {
      {7, 2, 4, 1, 16, 0, 0, 1, 4, 16, 0},  // style above 3: solid; width 2: 1
      {3, 3, 0, 12, 0, 9, 3, 3, 0, 0, 9},
      // Out-of-range values never wrap round into another meaning.
      {-1, 0, -5, -1, 70000, 300, 0, 1, 0, 0, 255},
  };
  TLinjeListe linjer;
  for (const auto& t : tilfaelde) {
    const LinjeType& l = NyLinje(linjer, t.stil, t.bredde, t.farve, t.fyld, t.fyldFarve, t.markoer);
    EXPECT_EQ((std::array<int, 5>{l.Stil, l.Bredde, l.Farve, l.FyldFarve, l.Markoer}),
              (std::array<int, 5>{t.vStil, t.vBredde, t.vFarve, t.vFyldFarve, t.vMarkoer}));
    EXPECT_EQ(l.Fyld != 0, t.fyld != 0) << t.fyld;
    EXPECT_TRUE(l.Punkter.empty());
  }
  EXPECT_EQ(linjer[1].Fyld, 12);

  // A builder keeps filling an element after appending more; it must stay put.
  LinjeType& foerste = linjer.front();
  for (int i = 0; i < 1000; ++i) NyLinje(linjer, 0, 1, 0, 0, 0, 0);
  TilfoejPunkt(foerste, 1, 2);
  EXPECT_EQ(linjer.front().Punkter.size(), 1u);

  TTekstGruppeListe grupper;
  NyTekstGruppe(grupper, 4, 2, 1);
  FrigivLinjer(linjer);
  FrigivTekster(grupper);
  EXPECT_TRUE(linjer.empty() && grupper.empty());
}

void ForventTekst(const TekstType& t, const std::string& tekst, PunktType p) {
  EXPECT_EQ(t.Tekst, tekst);
  ForventPunkter({{t.X, t.Y}}, {p});
}

struct TForventetLinje {
  int markoer;
  std::vector<PunktType> punkter;
};

struct TMaalTilfaelde {
  const char* navn;
  std::function<void(TLinjeListe&, TTekstGruppeListe&)> byg;
  std::vector<TForventetLinje> linjer;
  std::size_t grupper;  // text groups, aligned left, centre, right in this order
  int gruppe;           // the group with the two labels; -1: no labels
  std::string tekst, afstand;
  PunktType tekstPunkt, afstandPunkt;
};

// Worked by hand from the point rules of each dimension line.
TEST(Maal, PunkterMarkoererOgEtiketter) {
  // Markers only where the points add nothing to the cases above them.
  const std::vector<TForventetLinje> vandret = {{8, {}}, {9, {}}, {0, {}}};
  const std::vector<TForventetLinje> udv = {{8, {}}, {9, {}}, {0, {}}, {0, {}}};
  const TMaalTilfaelde tilfaelde[] = {
      {"vandret midte",
       [](auto& l, auto& t) { MaalVandret(l, t, 1, 2.0, 8.0, -1.0, 0.5, 2, "Husbredde"); },
       {{8, {{2, -1}}}, {9, {{8, -1}}},
        {0, {{2, -1.5}, {2, -0.5}, {2, -1}, {8, -1}, {8, -1.5}, {8, -0.5}}}},
       3, 1, "Husbredde", "6,00", {5, -0.5}, {5, -1.5}},  // text above, distance below
      {"vandret x1 > x2 tegner som ombyttet",
       [](auto& l, auto& t) { MaalVandret(l, t, 0, 3.0, 0.5, 1.0, 0.2, 2, "x"); },
       {{8, {{0.5, 1}}}, {9, {{3, 1}}},
        {0, {{0.5, 0.8}, {0.5, 1.2}, {0.5, 1}, {3, 1}, {3, 0.8}, {3, 1.2}}}},
       3, 0, "x", "2,50", {0.6, 1.2}, {0.6, 0.8}},
      {"vandret placering 3 uden tekst",
       [](auto& l, auto& t) { MaalVandret(l, t, 3, 0, 1, 0, 0.1, 2, "x"); },
       vandret, 3, -1, "", "", {}, {}},
      {"vandret 1234,5 uden tusindtalsseparator",
       [](auto& l, auto& t) { MaalVandret(l, t, 2, 0, 1234.5, 0, 10, 2, "Lang"); }, vandret,
       3, 2, "Lang", "1234,50", {1229.5, 10}, {1229.5, -10}},
      // Width 2 is a minimum; one decimal of 0.25 reads "0,3" (half away from zero).
      {"en decimal", [](auto& l, auto& t) { MaalVandret(l, t, 0, 0, 0.25, 0, 0.1, 1, "k"); },
       vandret, 3, 0, "k", "0,3", {0.05, 0.1}, {0.05, -0.1}},
      {"ingen decimaler", [](auto& l, auto& t) { MaalVandret(l, t, 0, 0, 7, 0, 0.1, 0, "k"); },
       vandret, 3, 0, "k", " 7", {0.05, 0.1}, {0.05, -0.1}},
      {"udvendige pile, etiketter til hoejre",
       [](auto& l, auto& t) { MaalVandretUdv(l, t, 0, 1.0, 0.4, 2.0, 0.1, 2, "Gavludhæng ug"); },
       {{8, {{1, 2}}}, {9, {{0.4, 2}}}, {0, {{0.4, 1.9}, {0.4, 2.1}, {0.4, 2}, {0.2, 2}}},
        {0, {{1, 1.9}, {1, 2.1}, {1, 2}, {1.2, 2}}}},
       3, 0, "Gavludhæng ug", "0,60", {1.05, 2.1}, {1.05, 1.9}},
      {"udvendige pile, etiketter til venstre",
       [](auto& l, auto& t) { MaalVandretUdv(l, t, 2, 10, 11, 0, 0.2, 2, "Charnierforskydning"); },
       udv, 3, 2, "Charnierforskydning", "1,00", {9.9, 0.2}, {9.9, -0.2}},
      {"ensidet: kryds og pil",
       [](auto& l, auto& t) { MaalEnsidet(l, t, 2, 11.0, 10.5, 3.0, 0.2, "Facadeudhæng"); },
       {{8, {{11, 3}}}, {2, {{10.5, 3}}}, {0, {{11, 2.8}, {11, 3.2}, {11, 3}, {11.4, 3}}}},
       1, 0, "Facadeudhæng", "0,50", {11.1, 3.2}, {11.1, 2.8}},
      {"lodret",
       [](auto& l, auto& t) { MaalLodret(l, t, 2, 3.0, 0.0, 5.0, 0.25, 2, "Facadehøjde"); },
       {{6, {{5, 3}}}, {7, {{5, 0}}},
        {0, {{4.75, 3}, {5.25, 3}, {5, 3}, {5, 0}, {4.75, 0}, {5.25, 0}}}},
       3, 2, "Facadehøjde", "3,00", {4.875, 1.75}, {4.875, 1.25}},
      {"lodret y1 = y2 maaler 0,00",
       [](auto& l, auto& t) { MaalLodret(l, t, 0, 2.0, 2.0, 0, 0.1, 2, "nul"); },
       {{6, {}}, {7, {}}, {0, {{-0.1, 2}, {0.1, 2}, {0, 2}, {0, 2}, {-0.1, 2}, {0.1, 2}}}},
       3, 0, "nul", "0,00", {0.05, 2.1}, {0.05, 1.9}},
  };
  for (const TMaalTilfaelde& t : tilfaelde) {
    SCOPED_TRACE(t.navn);
    TLinjeListe linjer;
    TTekstGruppeListe tekster;
    t.byg(linjer, tekster);
    ASSERT_EQ(linjer.size(), t.linjer.size());
    for (std::size_t i = 0; i < linjer.size(); ++i) {
      const LinjeType& l = linjer[i];
      EXPECT_EQ(l.Markoer, t.linjer[i].markoer) << "linje " << i;
      // Black, solid, 1 pixel, unfilled.
      EXPECT_TRUE(l.Farve == 0 && l.Stil == 0 && l.Bredde == 1 && l.Fyld == 0) << "linje " << i;
      if (!t.linjer[i].punkter.empty()) ForventPunkter(l.Punkter, t.linjer[i].punkter);
    }
    ASSERT_EQ(tekster.size(), t.grupper);
    for (std::size_t g = 0; g < tekster.size(); ++g) {
      EXPECT_EQ(tekster[g].VandretJust, static_cast<int>(g));
      EXPECT_EQ(tekster[g].LodretJust, 1);
      EXPECT_EQ(tekster[g].Farve, 0);
      if (static_cast<int>(g) != t.gruppe) {
        EXPECT_TRUE(tekster[g].Tekster.empty()) << "gruppe " << g;
        continue;
      }
      ASSERT_EQ(tekster[g].Tekster.size(), 2u);
      ForventTekst(tekster[g].Tekster[0], t.tekst, t.tekstPunkt);
      ForventTekst(tekster[g].Tekster[1], t.afstand, t.afstandPunkt);
    }
  }
}

TEST(Pil, FemPunkterMedHovedet) {
  TLinjeListe linjer;
  // Straight up, ending at (1, 2), shaft 4, head 1; by hand with c = 0, s = 1:
  // (1, -2), (1, 2), (0.5, 1), (1, 2), (1.5, 1).
  Pil(linjer, 4, 3, 1.0, 2.0, 90, 4, 1);
  ASSERT_EQ(linjer.size(), 1u);
  const LinjeType& l = linjer[0];
  EXPECT_TRUE(l.Bredde == 3 && l.Farve == 4 && l.Markoer == 0 && l.Fyld == 0);
  ForventPunkter(l.Punkter, {{1, -2}, {1, 2}, {0.5, 1}, {1, 2}, {1.5, 1}});
}

}  // namespace
}  // namespace kvistor
