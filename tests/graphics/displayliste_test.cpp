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
  // Style, width, colour, filled, fill colour, marker as stored.
  const auto felter = [](const LinjeType& l) {
    return std::array<int, 6>{l.Stil, l.Bredde, l.Farve, l.Fyld != 0, l.FyldFarve, l.Markoer};
  };
  TLinjeListe linjer;
  // A style above 3 is solid, a width other than 3 is 1.
  EXPECT_EQ(felter(NyLinje(linjer, 7, 2, 4, 1, 16, 0)), (std::array{0, 1, 4, 1, 16, 0}));
  EXPECT_EQ(felter(NyLinje(linjer, 3, 3, 0, 12, 0, 9)), (std::array{3, 3, 0, 1, 0, 9}));
  EXPECT_EQ(linjer[1].Fyld, 12);
  // Out-of-range values never wrap round into another meaning.
  EXPECT_EQ(felter(NyLinje(linjer, -1, 0, -5, -1, 70000, 300)), (std::array{0, 1, 0, 1, 0, 255}));

  // A builder keeps filling an element after appending more; it must stay put.
  LinjeType& vierde = NyLinje(linjer, 0, 1, 0, 0, 0, 0);
  for (int i = 0; i < 1000; ++i) NyLinje(linjer, 0, 1, 0, 0, 0, 0);
  TilfoejPunkt(vierde, 1, 2);
  EXPECT_EQ(linjer[3].Punkter.size(), 1u);

  TTekstGruppeListe grupper;
  NyTekstGruppe(grupper, 4, 2, 1);
  FrigivLinjer(linjer);
  FrigivTekster(grupper);
  EXPECT_TRUE(linjer.empty() && grupper.empty());
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
      // Black, vertically centred.
      const TekstGruppeType& gr = tekster[g];
      EXPECT_EQ((std::array<int, 3>{gr.VandretJust, gr.LodretJust, gr.Farve}),
                (std::array<int, 3>{static_cast<int>(g), 1, 0}));
      if (static_cast<int>(g) != t.gruppe) {
        EXPECT_TRUE(gr.Tekster.empty()) << "gruppe " << g;
        continue;
      }
      const auto& x = gr.Tekster;
      ASSERT_EQ(x.size(), 2u);
      EXPECT_EQ(x[0].Tekst, t.tekst);
      EXPECT_EQ(x[1].Tekst, t.afstand);
      ForventPunkter({{x[0].X, x[0].Y}, {x[1].X, x[1].Y}}, {t.tekstPunkt, t.afstandPunkt});
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
