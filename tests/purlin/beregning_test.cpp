#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "loads/lastkombinationer.h"
#include "loads/tvaersnit.h"
#include "project/inddatafil.h"
#include "purlin/beregning.h"

namespace kvistor {
namespace {

Inddata StandardProjekt() {
  TSkriptetDialog dlg;
  TInddataside side;
  EXPECT_TRUE(LaesProjektfil(std::string(KVISTOR_KILDEMAPPE) + "/Standard.aid", side, dlg));
  return side.Inddata;
}

struct TKoersel {
  Inddata ind;
  TSupplData sd;
  TBeregning b;
  TSkriptetDialog dlg;

  explicit TKoersel(const Inddata& i) : ind(i) { BestemTvaersnit(ind, sd); }
  TBeregningsUdfald Koer() { return BeregnAlleTilfaelde(b, ind, sd, dlg); }
  std::string Bogstaver(int aas, int lk) const {
    std::string s;
    for (const auto& c : b.Tilfaelde)
      if (c.Aas == aas && c.LK == lk) s += c.LT;
    return s;
  }
  int Antal(int aas) const {
    return static_cast<int>(std::count_if(b.Tilfaelde.begin(), b.Tilfaelde.end(),
                                          [aas](const TTilfaelde& c) { return c.Aas == aas; }));
  }
  const TTilfaelde& Tilfaelde(int aas, int lk, char lt) const {
    for (const auto& c : b.Tilfaelde)
      if (c.Aas == aas && c.LK == lk && c.LT == lt) return c;
    ADD_FAILURE() << "mangler " << aas << " " << lk << " " << lt;
    return b.Tilfaelde.front();
  }
};

// ---------------------------------------------------------------------------
// Which cases a run computes.

TEST(Tilfaelde, HvilkeTilfaeldeFindes) {
  EXPECT_TRUE(TilfaeldeFindes(2, 1, 'a'));
  EXPECT_FALSE(TilfaeldeFindes(1, 1, 'a'));
  EXPECT_FALSE(TilfaeldeFindes(2, 3, 'a'));
  EXPECT_TRUE(TilfaeldeFindes(2, 3, 'i'));
  EXPECT_FALSE(TilfaeldeFindes(2, 3, 'j'));
  EXPECT_TRUE(TilfaeldeFindes(1, 5, 'w'));
  EXPECT_FALSE(TilfaeldeFindes(3, 5, 'd'));
  EXPECT_TRUE(TilfaeldeFindes(3, 9, 'x'));
  EXPECT_FALSE(TilfaeldeFindes(3, 9, 'a'));
  EXPECT_TRUE(TilfaeldeFindes(2, 8, 'k'));
  EXPECT_FALSE(TilfaeldeFindes(2, 8, 'l'));
  EXPECT_FALSE(TilfaeldeFindes(2, 12, 'd'));
  for (int lk : {2, 4, 7, 13, 0, 14})
    for (char lt = 'a'; lt <= 'x'; ++lt)
      for (int aas = 1; aas <= 3; ++aas) EXPECT_FALSE(TilfaeldeFindes(aas, lk, lt));
  for (int lk = 1; lk <= 12; ++lk) {
    EXPECT_FALSE(TilfaeldeFindes(0, lk, 'a'));
    EXPECT_FALSE(TilfaeldeFindes(4, lk, 'a'));
  }
}

TEST(Tilfaelde, OtteFagGiver88TilfaeldeIRaekkefoelge) {
  TKoersel k(StandardProjekt());
  ASSERT_EQ(k.ind.AntalFag, 8);
  ASSERT_EQ(k.Koer(), TBeregningsUdfald::Gennemfoert);
  EXPECT_EQ(k.b.Udfald, TBeregningsUdfald::Gennemfoert);
  for (const auto& kald : k.dlg.kald) ADD_FAILURE() << kald.art << ": " << kald.tekst;
  EXPECT_EQ(k.b.Tilfaelde.size(), 88u);
  EXPECT_EQ(k.Antal(2), 46);
  EXPECT_EQ(k.Antal(1), 21);
  EXPECT_EQ(k.Antal(3), 21);
  EXPECT_EQ(k.Bogstaver(2, 1), "a");
  EXPECT_EQ(k.Bogstaver(2, 3), "bcdefghi");
  EXPECT_EQ(k.Bogstaver(2, 5), "abcjkmnvw");
  EXPECT_EQ(k.Bogstaver(2, 6), "ajmv");
  EXPECT_EQ(k.Bogstaver(2, 8), "abcdefghijk");
  EXPECT_EQ(k.Bogstaver(2, 9), "bcklnowx");
  EXPECT_EQ(k.Bogstaver(2, 10), "a");
  EXPECT_EQ(k.Bogstaver(2, 11), "a");
  EXPECT_EQ(k.Bogstaver(2, 12), "abc");
  for (int aas : {1, 3})
    for (int lk = 1; lk <= 12; ++lk) {
      const std::string forventet = lk == 5 ? "abcjkmnvw" : lk == 6 ? "ajmv" : lk == 9 ? "bcklnowx" : "";
      EXPECT_EQ(k.Bogstaver(aas, lk), forventet) << aas << " " << lk;
    }
  // Computation order: purlin, then combination, then letter.
  for (std::size_t i = 1; i < k.b.Tilfaelde.size(); ++i) {
    const auto& a = k.b.Tilfaelde[i - 1];
    const auto& c = k.b.Tilfaelde[i];
    EXPECT_LT(std::make_tuple(a.Aas, a.LK, a.LT), std::make_tuple(c.Aas, c.LK, c.LT));
  }
  // Normal extent: no curve data at all (only the detailed report shows them).
  for (const auto& c : k.b.Tilfaelde) {
    EXPECT_TRUE(c.QLinier.empty());
    EXPECT_TRUE(c.MLinier.empty());
  }
  // The run's own lists of the layout are released at its end.
  EXPECT_TRUE(k.b.Understoetninger.empty());
  EXPECT_TRUE(k.b.Charnierer.empty());
}

TEST(Tilfaelde, FireFagGiver83Tilfaelde) {
  Inddata ind = StandardProjekt();
  ind.AntalFag = 4;
  TKoersel k(ind);
  ASSERT_EQ(k.Koer(), TBeregningsUdfald::Gennemfoert);
  EXPECT_EQ(k.b.Tilfaelde.size(), 83u);
  EXPECT_EQ(k.Bogstaver(2, 3), "bcghi");
  EXPECT_EQ(k.Bogstaver(2, 8), "abcdefghk");
  // Frames at 6500, 12500, 18500: entries 1, 2 and 6 (the last frame).
  const TRammePlaceringer R{0, 6500, 12500, 0, 0, 0, 18500};
  EXPECT_EQ(k.b.RammePlaceringer, R);
  // Hinges at 5640, 11640, 17640: "f".."h" and "k" are 2 mm left of them.
  const auto& P = k.b.PunktLastPlaceringer;
  EXPECT_EQ(P[4], 0);
  EXPECT_EQ(P[5], k.sd.LAas);
  EXPECT_EQ(P[6], 5638);
  EXPECT_EQ(P[7], 11638);
  EXPECT_EQ(P[8], 17638);
  EXPECT_EQ(P[9], 0);
  EXPECT_EQ(P[10], 0);
  EXPECT_EQ(P[11], 17638);
  // "a".."c": the positive moment maxima of the first LK 3 case.
  const TTilfaelde& lk3 = k.Tilfaelde(2, 3, 'b');
  for (int t = 1; t <= 3; ++t)
    EXPECT_EQ(P[t], static_cast<int>(std::lround(lk3.FagRes[t].xMyMax * 1000.0)));
}

TEST(Tilfaelde, DetaljeretGiverKurveidentifikation) {
  Inddata ind = StandardProjekt();
  ind.RappOmfang = 1;
  TKoersel k(ind);
  ASSERT_EQ(k.Koer(), TBeregningsUdfald::Gennemfoert);
  const TTilfaelde& c = k.Tilfaelde(1, 9, 'k');
  ASSERT_FALSE(c.QLinier.empty());
  EXPECT_EQ(c.QLinier.front(), "                  LK 9,LT k,Ån 1");
  EXPECT_EQ(c.MLinier.front(), "                  LK 9,LT k,Ån 1");
  EXPECT_GT(c.MLinier.size(), 8u * 11u);  // twelfths of every bay at least
  // Tilting moments of LK 3 "c": the frame at 12,5 m and the one before it.
  const TTilfaelde& kip = k.Tilfaelde(2, 3, 'c');
  auto it = std::find(kip.Linier.begin(), kip.Linier.end(),
                      "Regningsmæssige kipningsmomenter (om åsens y-akse - pos mod uret):");
  ASSERT_NE(it, kip.Linier.end());
  EXPECT_EQ(*(it + 1), "  x-koord. (m):        6,50     12,50");
  // -0,73*0,5 is 0,36499.. as a double (0,73 lies just below), so -0,36.
  EXPECT_EQ(*(it + 2), "  moment (kNm):       -0,36      0,50");
  // First kip case: the secondary moment sits on the left gable support.
  const TTilfaelde& kip1 = k.Tilfaelde(2, 3, 'b');
  it = std::find(kip1.Linier.begin(), kip1.Linier.end(),
                 "Regningsmæssige kipningsmomenter (om åsens y-akse - pos mod uret):");
  ASSERT_NE(it, kip1.Linier.end());
  EXPECT_EQ(*(it + 1), "  x-koord. (m):        0,50      6,50");
  // Point loads: LK 8 "e" at the right purlin end; LK 12 "b" mid first middle span.
  const TTilfaelde& p8 = k.Tilfaelde(2, 8, 'e');
  it = std::find(p8.Linier.begin(), p8.Linier.end(), "Regnmæss punktlast lodret: 2,25 kN");
  ASSERT_NE(it, p8.Linier.end());  // 1,5 * 1,5 kN
  EXPECT_EQ((it + 1)->substr(0, 27), "  x-koordinat: 49,00 m; z-k");
  const TTilfaelde& p12 = k.Tilfaelde(2, 12, 'b');
  it = std::find(p12.Linier.begin(), p12.Linier.end(),
                 "Regnmæss punktlast vinkelret på tagflade: 1,41 kN");  // 1,5*cos 20°
  ASSERT_NE(it, p12.Linier.end());
  EXPECT_EQ(*(it + 1), "  x-koordinat: 9,07 m");  // 6500 + (6000 - 860) div 2
  // The design block comes after the section forces, the deflections last.
  EXPECT_NE(std::find(c.Linier.begin(), c.Linier.end(), "Bæreevner for Gerberbeslag:"),
            c.Linier.end());
  const TTilfaelde& n = k.Tilfaelde(2, 10, 'a');
  auto d = std::find(n.Linier.begin(), n.Linier.end(), "Udvalgte regningsmæssige snitkræfter:");
  auto u = std::find(n.Linier.begin(), n.Linier.end(), "Nedbøjninger:");
  ASSERT_NE(d, n.Linier.end());
  ASSERT_NE(u, n.Linier.end());
  EXPECT_LT(d, u);
}

// ---------------------------------------------------------------------------
// Rankings.

TEST(Rangering, LigeVaerdierBeholderRaekkefoelgenHoejereBliverHoved) {
  std::vector<TRangering> l;
  TTilfaelde a, b, c, d, e;
  IndsaetRangering(l, &a, 0.5);
  IndsaetRangering(l, &b, 0.5);   // equal: after a
  IndsaetRangering(l, &c, 0.7);   // higher: new head
  IndsaetRangering(l, &d, 0.5);   // after a and b
  IndsaetRangering(l, &e, 0.6);
  ASSERT_EQ(l.size(), 5u);
  EXPECT_EQ(l[0].Tilfaelde, &c);
  EXPECT_EQ(l[1].Tilfaelde, &e);
  EXPECT_EQ(l[2].Tilfaelde, &a);
  EXPECT_EQ(l[3].Tilfaelde, &b);
  EXPECT_EQ(l[4].Tilfaelde, &d);
}

TEST(Rangering, RangerTilfaeldeAfrunderOgUdeladerNedbojning) {
  TBeregning b;
  auto ny = [&](int lk, double ug, double rzMin) {
    TTilfaelde c;
    c.Aas = 2;
    c.LK = lk;
    c.FagRes[1].UGBoej = ug;
    c.FagRes[1].RzMin = rzMin;
    b.Tilfaelde.push_back(c);
  };
  ny(3, 0.8349, -2.0);  // 0,83
  ny(5, 0.8251, -3.0);  // 0,83 too: stays behind the first
  ny(10, 5.0, -9.0);    // deflection combinations never ranked
  ny(12, 6.0, -9.0);
  ny(9, 0.125, 1.0);    // 12,5 to even: 0,12
  RangerTilfaelde(b);
  const auto& ug = b.Dimensionsgivende[RangUGBoej][1];
  ASSERT_EQ(ug.size(), 3u);
  EXPECT_EQ(ug[0].Tilfaelde, &b.Tilfaelde[0]);
  EXPECT_EQ(ug[1].Tilfaelde, &b.Tilfaelde[1]);
  EXPECT_NAER(ug[0].Vaerdi, 0.83);
  EXPECT_NAER(ug[1].Vaerdi, 0.83);
  EXPECT_NAER(ug[2].Vaerdi, 0.12);
  // -RzMin: the largest pull down.
  const auto& rz = b.Dimensionsgivende[RangRzMin][1];
  EXPECT_EQ(rz[0].Tilfaelde, &b.Tilfaelde[1]);
  EXPECT_NAER(rz[0].Vaerdi, 3.0);
  EXPECT_NAER(rz[2].Vaerdi, -1.0);
  for (int q = 0; q < AntalRangStoerrelser; ++q)
    for (int t = 1; t <= 3; ++t) {
      EXPECT_EQ(b.Dimensionsgivende[q][t].size(), 3u);
      for (const auto& r : b.Dimensionsgivende[q][t]) EXPECT_LT(r.Tilfaelde->LK, 10);
    }
  // The run is moved, never copied: the rankings keep pointing at its cases.
  TBeregning flyttet = std::move(b);
  EXPECT_EQ(flyttet.Dimensionsgivende[RangUGBoej][1][0].Tilfaelde, &flyttet.Tilfaelde[0]);
  FrigivTilfaelde(flyttet);
  EXPECT_TRUE(flyttet.Tilfaelde.empty());
  for (const auto& q : flyttet.Dimensionsgivende)
    for (const auto& l : q) EXPECT_TRUE(l.empty());
}

TEST(Rangering, HovederErStoersteVaerdiIStandardprojektet) {
  TKoersel k(StandardProjekt());
  ASSERT_EQ(k.Koer(), TBeregningsUdfald::Gennemfoert);
  for (int t = 1; t <= 3; ++t) {
    const auto& l = k.b.Dimensionsgivende[RangUGBoej][t];
    ASSERT_EQ(l.size(), 88u - 5u);
    double stoerst = -1e9;
    for (const auto& c : k.b.Tilfaelde)
      if (c.LK < 10) stoerst = std::max(stoerst, std::nearbyint(c.FagRes[t].UGBoej * 100) / 100);
    EXPECT_NAER(l.front().Vaerdi, stoerst);
    for (std::size_t i = 1; i < l.size(); ++i) EXPECT_GE(l[i - 1].Vaerdi, l[i].Vaerdi);
  }
  // Every list equals the one built entry by entry with the insertion rule.
  for (int q = 0; q < AntalRangStoerrelser; ++q)
    for (int t = 1; t <= 3; ++t) {
      std::vector<TRangering> enkeltvis;
      for (auto& c : k.b.Tilfaelde)
        if (c.LK < 10)
          for (const auto& r : k.b.Dimensionsgivende[q][t])
            if (r.Tilfaelde == &c) IndsaetRangering(enkeltvis, &c, r.Vaerdi);
      const auto& l = k.b.Dimensionsgivende[q][t];
      ASSERT_EQ(enkeltvis.size(), l.size());
      for (std::size_t i = 0; i < l.size(); ++i) EXPECT_EQ(enkeltvis[i].Tilfaelde, l[i].Tilfaelde);
    }
}

// ---------------------------------------------------------------------------
// Refused and aborted runs.

TEST(Afbrydelse, IntetBeslagAfvisesFoerStart) {
  Inddata ind = StandardProjekt();
  for (int beslag : {-1, 34}) {
    ind.Beslag = beslag;
    TKoersel k(ind);
    EXPECT_EQ(k.Koer(), TBeregningsUdfald::Afvist);
    ASSERT_EQ(k.dlg.kald.size(), 1u);
    EXPECT_EQ(k.dlg.kald[0].art, "Fejl");
    EXPECT_EQ(k.dlg.kald[0].tekst,
              "Der er ikke valgt noget gerberbeslag.\nVælg et gerberbeslag på siden \"Inddata 2\".");
    EXPECT_TRUE(k.b.Tilfaelde.empty());
    EXPECT_EQ(k.ind.Beslag, beslag);
  }
}

TEST(Afbrydelse, ForLangBygningAfvises) {
  // 10^9 bays of 6 m do not fit integer millimetres: no layout, no run (and
  // no attempt to build a billion supports).
  Inddata ind = StandardProjekt();
  ind.AntalFag = 1000000000;
  TKoersel k(ind);
  EXPECT_EQ(k.Koer(), TBeregningsUdfald::Afvist);
  ASSERT_EQ(k.dlg.Tekster("Fejl").size(), 1u);
  EXPECT_EQ(k.dlg.Tekster("Fejl")[0], TekstForLangBygning);
  EXPECT_TRUE(k.b.Tilfaelde.empty());
}

TEST(Afbrydelse, PunktlastplaceringerUdenLK3) {
  TBeregning b;
  TSupplData sd;
  TSkriptetDialog dlg;
  EXPECT_FALSE(BygPunktLastPlaceringer(b, sd, dlg));
  b.Tilfaelde.emplace_back();
  b.Tilfaelde.back().LK = 1;
  EXPECT_FALSE(BygPunktLastPlaceringer(b, sd, dlg));
  const auto t = dlg.Tekster("FejlDialog");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0],
            "Procedure BygPunktLastPlaceringer: Der er ikke beregnet noget tilfælde endnu.\r\n"
            "Liste med punktlastplaceringer kan derfor ikke genereres.\r\n"
            "Gem aktuelle inddata og kontakt Kvarnløkkedata.");
  EXPECT_EQ(t[1],
            "Procedure BygPunktLastPlaceringer: En beregning efter lastkombination 3 er ikke fundet.\r\n"
            "Liste med punktlastplaceringer kan derfor ikke genereres.\r\n"
            "Gem aktuelle inddata og kontakt Kvarnløkkedata.");
}

TEST(Afbrydelse, AnnulleretNedbojningAfbryderKoerslen) {
  // A working record whose gable-bay span does not match its frames (an
  // internal inconsistency): the deflection of the short end bay looks for
  // its start support 1 mm left of the real one and cannot find it.
  TKoersel k(StandardProjekt());
  k.sd.GavlFag += 1;
  k.dlg.svar = {false};
  EXPECT_EQ(k.Koer(), TBeregningsUdfald::Afbrudt);
  EXPECT_EQ(k.b.Udfald, TBeregningsUdfald::Afbrudt);
  ASSERT_FALSE(k.dlg.kald.empty());
  EXPECT_EQ(k.dlg.kald.back().art, "FejlDialogOkAnnuller");
  EXPECT_EQ(k.dlg.kald.back().tekst,
            "Procedure BestemNedbojninger/function D_x: Korrekt pointer til x = 499 ikke fundet! "
            "Gem aktuelle inddata og kontakt Kvarnløkkedata.");
  EXPECT_TRUE(k.b.Tilfaelde.empty());
  for (const auto& q : k.b.Dimensionsgivende)
    for (const auto& l : q) EXPECT_TRUE(l.empty());
  // The same record, answered with OK, runs to the end.
  TKoersel ok(StandardProjekt());
  ok.sd.GavlFag += 1;
  EXPECT_EQ(ok.Koer(), TBeregningsUdfald::Gennemfoert);
  EXPECT_EQ(ok.b.Tilfaelde.size(), 88u);
}

TEST(Afbrydelse, CharnierforskydningMindstGavlfagetAfvises) {
  // Gable bays no longer than the hinge offset put the first hinge on or
  // left of the left gable support: there is no chain to compute.
  for (double gavl : {0.86, 0.5}) {
    Inddata ind = StandardProjekt();
    ind.GavlRammeAfst = gavl;
    TKoersel k(ind);
    EXPECT_EQ(k.Koer(), TBeregningsUdfald::Afvist);
    ASSERT_EQ(k.dlg.Tekster("Fejl").size(), 1u);
    EXPECT_EQ(k.dlg.Tekster("Fejl")[0], TekstCharnierForskydning);
    EXPECT_TRUE(k.b.Tilfaelde.empty());
    EXPECT_EQ(k.ind.GavlRammeAfst, gavl);
  }
}

TEST(Afbrydelse, UloeseligKaedeAfbryder) {
  // A working record whose hinge offset equals the gable bay although the
  // project's does not (an internal inconsistency): the statics reports the
  // hinge over its support, and the run ends without results.
  TKoersel k(StandardProjekt());
  k.sd.CharnForskMm = k.sd.GavlFag - 1;  // passes the check ...
  k.sd.xRamme1 -= 1;                     // ... but the first frame moved onto it
  k.sd.xRammeN -= 1;
  k.sd.LAas -= 2;
  EXPECT_EQ(k.Koer(), TBeregningsUdfald::Afbrudt);
  ASSERT_FALSE(k.dlg.Tekster("Fejl").empty());
  EXPECT_EQ(k.dlg.Tekster("Fejl")[0].substr(0, 21), "procedure Reaktioner:");
  EXPECT_TRUE(k.b.Tilfaelde.empty());
}

TEST(Afbrydelse, PunktlastUdenPlaceringStopperTilfaeldet) {
  // A deflection case without its point load (letter outside "a".."c").
  TKoersel k(StandardProjekt());
  k.b.Understoetninger = BygUnderstoetninger(k.sd, k.ind.AntalFag);
  k.b.Charnierer = BygCharnierer(k.sd, k.ind.AntalFag);
  NulstilNedbojningsMaksima(k.b);
  TTilfaelde c;
  BygTilfaelde(c, 2, 12, 'd', k.ind, k.sd);
  EXPECT_FALSE(BeregnTilfaelde(k.b, c, k.ind, k.sd, k.dlg));
  ASSERT_EQ(k.dlg.Tekster("Besked").size(), 1u);
}

}  // namespace
}  // namespace kvistor
