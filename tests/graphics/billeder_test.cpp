// The help pictures and the About picture: every text of theirs is shown,
// nothing is drawn beyond the surface at any size, and the example purlin on
// the length help page has the supports, bays and hinges its text speaks of.
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "graphics/billeder.h"
#include "graphics/billedhjaelp.h"
#include "graphics/hjaelp_laengde.h"
#include "hjaelp/optagende_laerred.h"

namespace kvistor {
namespace {

struct TBilledTekster {
  TBillede billede;
  std::vector<std::string> tekster;
};

const TBilledTekster Alle[] = {
    {TBillede::HjaelpTvaer,
     {"Tværsnitsmål", "Husbredde", "Facadehøjde", "Facadeudhæng", "Tagvinkel", "Åseafstand",
      "Åsebredde", "Åsehøjde"}},
    {TBillede::HjaelpLaengde,
     {"Forudsætninger",
      "Åsenes understøtninger (fx stål- eller limtrærammer eller evt. primære spær) er "
      "markeret med trekanter. Åsenes charniersamlinger er markeret med boller.",
      "Det forudsættes at åsenes understøtninger er placeret med konstant indbyrdes afstand, "
      "undtagen for gavlfagenes vedkommende. Disse afstande benævnes Normalrammeafstanden, "
      "hhv. Gavlramme-afstanden.",
      "Antallet af fag er altid én mindre end antallet af understøtninger. Nedenstående "
      "eksempel har 6 understøtninger og 5 fag.",
      "Gavludhæng", "Charnierforskydning", "Gavl- rammeafstand", "Normal- rammeafstand"}},
    {TBillede::Om,
     {"Kvistor", "Dimensionering af åse- og gerberforbindelser", "Version 1.0",
      "Kvarnløkkedata", "Telefon 86 24 51 70"}},
};

// All texts drawn, in order, joined by blanks: a paragraph broken into lines
// reads as the sentence again.
std::string Samlet(const TOptagendeLaerred& l) {
  std::string s;
  for (const TOptagetTekst& t : l.Tekster) s += t.Tekst + " ";
  return s;
}

TEST(Billeder, AlleTeksterVisesVedSidensStoerrelser) {
  for (const auto& [b, h] : {std::pair{780, 500}, {1200, 800}, {640, 400}}) {
    for (const TBilledTekster& bt : Alle) {
      TOptagendeLaerred l;
      TegnBillede(bt.billede, l, b, h);
      const std::string s = Samlet(l);
      for (const std::string& t : bt.tekster)
        EXPECT_NE(s.find(t), std::string::npos) << b << " x " << h << ": " << t;
    }
  }
}

TEST(Billeder, IntetTegnesUdenforFladen) {
  for (const auto& [b, h] : {std::pair{780, 500}, {1200, 800}, {530, 530}, {300, 200},
                             {40, 30}, {1, 1}, {0, 0}, {0, 500}, {500, -3}}) {
    for (const TBilledTekster& bt : Alle) {
      TOptagendeLaerred l(7, 13);
      TegnBillede(bt.billede, l, b, h);
      auto inde = [&](TPixelPunkt p) { return p.X >= 0 && p.X <= b && p.Y >= 0 && p.Y <= h; };
      const std::string hvor = std::to_string(b) + " x " + std::to_string(h);
      for (const TOptagetStreg& s : l.Streger)
        EXPECT_TRUE(inde(s.Fra) && inde(s.Til)) << hvor;
      for (const TOptagetPolygon& p : l.Polygoner)
        EXPECT_TRUE(std::all_of(p.Punkter.begin(), p.Punkter.end(), inde)) << hvor;
      for (const TOptagetTekst& t : l.Tekster) {
        const int w = l.TekstBredde(t.Tekst);
        const int x0 = t.Vandret == TVandretJust::Venstre ? t.Punkt.X
                       : t.Vandret == TVandretJust::Hoejre ? t.Punkt.X - w
                                                           : t.Punkt.X - w / 2;
        const int y0 = t.Lodret == TLodretJust::Top ? t.Punkt.Y : t.Punkt.Y - 13;
        EXPECT_TRUE(inde({x0, y0}) && inde({x0 + w, y0 + 13})) << hvor << ": " << t.Tekst;
      }
      if (b <= 0 || h <= 0) {
        EXPECT_TRUE(l.Kald.empty()) << hvor;
      }
    }
  }
}

TEST(Billeder, EksempletsUnderstoetningerFagOgCharnierer) {
  TLinjeListe linjer;
  TTekstGruppeListe tekster;
  TegnHjaelpLaengde(linjer, tekster, TTekstmaal{});

  // Supports are white triangles, hinges white circles (the arrowheads are
  // filled in their own colour).
  std::vector<double> understoetninger, charnierer;
  for (const LinjeType& l : linjer) {
    if (l.Fyld == 0 || l.FyldFarve != 15) continue;
    if (l.Punkter.size() == 4) {
      understoetninger.push_back(l.Punkter[0].X);  // the apex
      EXPECT_GT(l.Punkter[0].Y, l.Punkter[1].Y) << "apex on top";
    } else if (l.Punkter.size() > 8) {
      double x = 0;
      for (std::size_t i = 0; i + 1 < l.Punkter.size(); ++i) x += l.Punkter[i].X;
      charnierer.push_back(x / static_cast<double>(l.Punkter.size() - 1));
    }
  }
  ASSERT_EQ(understoetninger.size(), 6u);
  ASSERT_EQ(charnierer.size(), 4u);  // one at each interior support
  std::sort(understoetninger.begin(), understoetninger.end());
  std::sort(charnierer.begin(), charnierer.end());

  // Five bays: the two gable bays equal, the three middle bays equal.
  std::vector<double> fag;
  for (std::size_t i = 0; i + 1 < understoetninger.size(); ++i)
    fag.push_back(understoetninger[i + 1] - understoetninger[i]);
  EXPECT_DOUBLE_EQ(fag[0], fag[4]);
  EXPECT_DOUBLE_EQ(fag[1], fag[2]);
  EXPECT_DOUBLE_EQ(fag[2], fag[3]);

  // Each hinge a short way to the left of its interior support.
  for (std::size_t i = 0; i < charnierer.size(); ++i) {
    const double afstand = understoetninger[i + 1] - charnierer[i];
    EXPECT_GT(afstand, 0);
    EXPECT_LT(afstand, fag[1] / 4);
  }

  // One two-line label under every bay.
  int gavl = 0, normal = 0, ramme = 0;
  for (const TekstGruppeType& g : tekster)
    for (const TekstType& t : g.Tekster) {
      gavl += t.Tekst == "Gavl-";
      normal += t.Tekst == "Normal-";
      ramme += t.Tekst == "rammeafstand";
    }
  EXPECT_EQ(gavl, 2);
  EXPECT_EQ(normal, 3);
  EXPECT_EQ(ramme, 5);
}

TEST(Billeder, BrydLinjerHolderBredden) {
  // Without a canvas a character is 7 units wide at scale 1.
  const TTekstmaal m{};
  const std::string tekst = "Det forudsættes at åsenes understøtninger er placeret";
  for (double bredde : {400.0, 140.0, 70.0, 1.0}) {
    const std::vector<std::string> linjer = BrydLinjer(m, tekst, bredde);
    std::string igen;
    for (const std::string& l : linjer) {
      igen += (igen.empty() ? "" : " ") + l;
      if (l.find(' ') != std::string::npos) {
        EXPECT_LE(TekstBreddeVerden(m, l), bredde) << l;
      }
    }
    EXPECT_EQ(igen, tekst);
  }
  EXPECT_EQ(BrydLinjer(m, tekst, 1).size(), 7u);  // a word a line
  EXPECT_TRUE(BrydLinjer(m, "", 100).empty());
}

}  // namespace
}  // namespace kvistor
