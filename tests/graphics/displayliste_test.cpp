// The display list's records and builders: clamping of the attributes, the
// point orders, markers and labels of the dimension lines, and the arrow.
#include <gtest/gtest.h>

#include "graphics/displayliste.h"
#include "graphics/maal.h"
#include "hjaelp/naer.h"

namespace kvistor {
namespace {

void ForventPunkter(const LinjeType& l, std::initializer_list<PunktType> forventet) {
  ASSERT_EQ(l.Punkter.size(), forventet.size());
  std::size_t i = 0;
  for (const PunktType& p : forventet) {
    EXPECT_NAER(l.Punkter[i].X, p.X) << "punkt " << i;
    EXPECT_NAER(l.Punkter[i].Y, p.Y) << "punkt " << i;
    ++i;
  }
}

TEST(Displayliste, AttributterKlemmes) {
  TLinjeListe linjer;
  const LinjeType& a = NyLinje(linjer, 7, 2, 4, 1, 16, 0);
  EXPECT_EQ(a.Stil, 0);    // above 3: solid
  EXPECT_EQ(a.Bredde, 1);  // anything but 3: 1
  EXPECT_EQ(a.Farve, 4);
  EXPECT_EQ(a.FyldFarve, 16);
  const LinjeType& b = NyLinje(linjer, 3, 3, 0, 12, 0, 9);
  EXPECT_EQ(b.Stil, 3);
  EXPECT_EQ(b.Bredde, 3);
  EXPECT_EQ(b.Fyld, 12);
  EXPECT_EQ(b.Markoer, 9);
  // Out-of-range values never wrap round into another meaning.
  const LinjeType& c = NyLinje(linjer, -1, 0, -5, -1, 70000, 300);
  EXPECT_EQ(c.Stil, 0);
  EXPECT_EQ(c.Bredde, 1);
  EXPECT_EQ(c.Farve, 0);
  EXPECT_NE(c.Fyld, 0);
  EXPECT_EQ(c.FyldFarve, 0);
  EXPECT_EQ(c.Markoer, 255);
  EXPECT_EQ(linjer.size(), 3u);
  EXPECT_TRUE(a.Punkter.empty());

  TTekstGruppeListe grupper;
  TekstGruppeType& g = NyTekstGruppe(grupper, 4, 2, 1);
  TilfoejTekst(g, "Husbredde", 1.5, -2);
  ASSERT_EQ(g.Tekster.size(), 1u);
  EXPECT_EQ(g.Tekster[0].Tekst, "Husbredde");
  FrigivLinjer(linjer);
  FrigivTekster(grupper);
  EXPECT_TRUE(linjer.empty());
  EXPECT_TRUE(grupper.empty());
}

TEST(Displayliste, ReferencerHoldesNaarListenVokser) {
  // A builder keeps filling an element after appending more; the element must
  // stay where it is.
  TLinjeListe linjer;
  LinjeType& foerste = NyLinje(linjer, 0, 1, 0, 0, 0, 0);
  for (int i = 0; i < 1000; ++i) NyLinje(linjer, 0, 1, 0, 0, 0, 0);
  TilfoejPunkt(foerste, 1, 2);
  EXPECT_EQ(linjer.front().Punkter.size(), 1u);
}

TEST(MaalVandret, PunkterMarkoererOgEtiketter) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  MaalVandret(linjer, tekster, 1, 2.0, 8.0, -1.0, 0.5, 2, "Husbredde");
  ASSERT_EQ(linjer.size(), 3u);
  EXPECT_EQ(linjer[0].Markoer, 8);
  ForventPunkter(linjer[0], {{2.0, -1.0}});
  EXPECT_EQ(linjer[1].Markoer, 9);
  ForventPunkter(linjer[1], {{8.0, -1.0}});
  EXPECT_EQ(linjer[2].Markoer, 0);
  ForventPunkter(linjer[2],
                 {{2, -1.5}, {2, -0.5}, {2, -1}, {8, -1}, {8, -1.5}, {8, -0.5}});
  for (const LinjeType& l : linjer) {
    EXPECT_EQ(l.Farve, 0);
    EXPECT_EQ(l.Stil, 0);
    EXPECT_EQ(l.Bredde, 1);
    EXPECT_EQ(l.Fyld, 0);
  }
  ASSERT_EQ(tekster.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(tekster[i].VandretJust, i);
    EXPECT_EQ(tekster[i].LodretJust, 1);
    EXPECT_EQ(tekster[i].Farve, 0);
  }
  EXPECT_TRUE(tekster[0].Tekster.empty());
  EXPECT_TRUE(tekster[2].Tekster.empty());
  ASSERT_EQ(tekster[1].Tekster.size(), 2u);
  EXPECT_EQ(tekster[1].Tekster[0].Tekst, "Husbredde");
  EXPECT_NAER(tekster[1].Tekster[0].X, 5.0);
  EXPECT_NAER(tekster[1].Tekster[0].Y, -0.5);  // text above the line
  EXPECT_EQ(tekster[1].Tekster[1].Tekst, "6,00");
  EXPECT_NAER(tekster[1].Tekster[1].Y, -1.5);  // distance below it
}

TEST(MaalVandret, OmbyttedeEnderTegnerDetSamme) {
  TLinjeListe a, b;
  TTekstGruppeListe ta, tb;
  MaalVandret(a, ta, 0, 3.0, 0.5, 1.0, 0.2, 2, "x");
  MaalVandret(b, tb, 0, 0.5, 3.0, 1.0, 0.2, 2, "x");
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(a[i].Punkter.size(), b[i].Punkter.size());
    for (std::size_t j = 0; j < a[i].Punkter.size(); ++j) {
      EXPECT_EQ(a[i].Punkter[j].X, b[i].Punkter[j].X);
      EXPECT_EQ(a[i].Punkter[j].Y, b[i].Punkter[j].Y);
    }
  }
  ASSERT_EQ(ta[0].Tekster.size(), 2u);
  EXPECT_EQ(ta[0].Tekster[1].Tekst, "2,50");  // positive distance
  EXPECT_NAER(ta[0].Tekster[0].X, 0.6);        // x1 + p/2 after the exchange
}

TEST(MaalVandret, PlaceringTreGiverIngenTekst) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  MaalVandret(linjer, tekster, 3, 0, 1, 0, 0.1, 2, "x");
  EXPECT_EQ(linjer.size(), 3u);
  EXPECT_EQ(linjer[2].Punkter.size(), 6u);
  ASSERT_EQ(tekster.size(), 3u);
  for (const auto& g : tekster) EXPECT_TRUE(g.Tekster.empty());
}

TEST(MaalVandret, HoejrePlaceringOgTalformat) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  // 1234.5 shows with a decimal comma and no thousands point.
  MaalVandret(linjer, tekster, 2, 0, 1234.5, 0, 10, 2, "Lang");
  ASSERT_EQ(tekster[2].Tekster.size(), 2u);
  EXPECT_EQ(tekster[2].Tekster[1].Tekst, "1234,50");
  EXPECT_NAER(tekster[2].Tekster[1].X, 1229.5);  // x2 - p/2
  // Width 2 is a minimum: one decimal of 0.25 still reads "0,3" (half away from zero).
  TLinjeListe l2;
  TTekstGruppeListe t2;
  MaalVandret(l2, t2, 0, 0, 0.25, 0, 0.1, 1, "k");
  EXPECT_EQ(t2[0].Tekster[1].Tekst, "0,3");
  MaalVandret(l2, t2, 0, 0, 7, 0, 0.1, 0, "k");
  EXPECT_EQ(t2[3].Tekster[1].Tekst, " 7");
}

TEST(MaalVandretUdv, PileUdenforOgEtiketterVedEnderne) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  MaalVandretUdv(linjer, tekster, 0, 1.0, 0.4, 2.0, 0.1, 2, "Gavludhæng ug");
  ASSERT_EQ(linjer.size(), 4u);
  EXPECT_EQ(linjer[0].Markoer, 8);
  ForventPunkter(linjer[0], {{1.0, 2.0}});  // left-pointing head at the right end
  EXPECT_EQ(linjer[1].Markoer, 9);
  ForventPunkter(linjer[1], {{0.4, 2.0}});
  ForventPunkter(linjer[2], {{0.4, 1.9}, {0.4, 2.1}, {0.4, 2.0}, {0.2, 2.0}});
  ForventPunkter(linjer[3], {{1.0, 1.9}, {1.0, 2.1}, {1.0, 2.0}, {1.2, 2.0}});
  ASSERT_EQ(tekster[0].Tekster.size(), 2u);
  EXPECT_NAER(tekster[0].Tekster[0].X, 1.05);  // right of the right end
  EXPECT_EQ(tekster[0].Tekster[0].Tekst, "Gavludhæng ug");
  EXPECT_EQ(tekster[0].Tekster[1].Tekst, "0,60");

  TLinjeListe l2;
  TTekstGruppeListe t2;
  MaalVandretUdv(l2, t2, 2, 10, 11, 0, 0.2, 2, "Charnierforskydning");
  ASSERT_EQ(t2[2].Tekster.size(), 2u);
  EXPECT_NAER(t2[2].Tekster[0].X, 9.9);  // left of the left end
  EXPECT_NAER(t2[2].Tekster[0].Y, 0.2);
  EXPECT_NAER(t2[2].Tekster[1].Y, -0.2);
}

TEST(MaalEnsidet, KrydsPilOgEnVenstrestilletGruppe) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  MaalEnsidet(linjer, tekster, 2, 11.0, 10.5, 3.0, 0.2, "Facadeudhæng");
  ASSERT_EQ(linjer.size(), 3u);
  EXPECT_EQ(linjer[0].Markoer, 8);
  ForventPunkter(linjer[0], {{11.0, 3.0}});
  EXPECT_EQ(linjer[1].Markoer, 2);
  ForventPunkter(linjer[1], {{10.5, 3.0}});
  ForventPunkter(linjer[2], {{11.0, 2.8}, {11.0, 3.2}, {11.0, 3.0}, {11.4, 3.0}});
  ASSERT_EQ(tekster.size(), 1u);
  EXPECT_EQ(tekster[0].VandretJust, 0);
  EXPECT_EQ(tekster[0].LodretJust, 1);
  ASSERT_EQ(tekster[0].Tekster.size(), 2u);
  EXPECT_NAER(tekster[0].Tekster[0].X, 11.1);
  EXPECT_NAER(tekster[0].Tekster[0].Y, 3.2);
  EXPECT_EQ(tekster[0].Tekster[1].Tekst, "0,50");
}

TEST(MaalLodret, PunkterOgNulAfstand) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  MaalLodret(linjer, tekster, 2, 3.0, 0.0, 5.0, 0.25, 2, "Facadehøjde");
  ASSERT_EQ(linjer.size(), 3u);
  EXPECT_EQ(linjer[0].Markoer, 6);
  ForventPunkter(linjer[0], {{5.0, 3.0}});
  EXPECT_EQ(linjer[1].Markoer, 7);
  ForventPunkter(linjer[1], {{5.0, 0.0}});
  ForventPunkter(linjer[2], {{4.75, 3}, {5.25, 3}, {5, 3}, {5, 0}, {4.75, 0}, {5.25, 0}});
  ASSERT_EQ(tekster[2].Tekster.size(), 2u);
  EXPECT_NAER(tekster[2].Tekster[0].X, 4.875);
  EXPECT_NAER(tekster[2].Tekster[0].Y, 1.75);  // mid-height + p
  EXPECT_EQ(tekster[2].Tekster[1].Tekst, "3,00");

  TLinjeListe l2;
  TTekstGruppeListe t2;
  MaalLodret(l2, t2, 0, 2.0, 2.0, 0, 0.1, 2, "nul");
  EXPECT_EQ(l2[2].Punkter.size(), 6u);
  ASSERT_EQ(t2[0].Tekster.size(), 2u);
  EXPECT_EQ(t2[0].Tekster[1].Tekst, "0,00");
}

TEST(Pil, FemPunkterMedHovedet) {
  TLinjeListe linjer;
  // Pointing straight up, ending at (1, 2), shaft 4, head 1 (hand calculation:
  // c = 0, s = 1).
  Pil(linjer, 4, 3, 1.0, 2.0, 90, 4, 1);
  ASSERT_EQ(linjer.size(), 1u);
  EXPECT_EQ(linjer[0].Bredde, 3);
  EXPECT_EQ(linjer[0].Farve, 4);
  EXPECT_EQ(linjer[0].Markoer, 0);
  EXPECT_EQ(linjer[0].Fyld, 0);
  const auto& p = linjer[0].Punkter;
  ASSERT_EQ(p.size(), 5u);
  EXPECT_NAER(p[0].X, 1.0, 1e-9, 1e-12);
  EXPECT_NAER(p[0].Y, -2.0);
  EXPECT_NAER(p[1].Y, 2.0);
  EXPECT_NAER(p[2].X, 0.5, 1e-9, 1e-12);
  EXPECT_NAER(p[2].Y, 1.0, 1e-9, 1e-12);
  EXPECT_NAER(p[4].X, 1.5, 1e-9, 1e-12);
  EXPECT_NAER(p[4].Y, 1.0, 1e-9, 1e-12);
}

}  // namespace
}  // namespace kvistor
