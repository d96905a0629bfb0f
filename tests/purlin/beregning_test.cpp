// The cases a run computes, the placements, the rankings, and refused and
// aborted runs.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hjaelp/naer.h"
#include "loads/lastkombinationer.h"
#include "loads/tvaersnit.h"
#include "purlin/beregning.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

using test::StandardProjekt;

struct TKoersel {
  Inddata ind;
  TSupplData sd;
  TBeregning b;
  TSkriptetDialog dlg;

  explicit TKoersel(const Inddata& i = StandardProjekt()) : ind(i) { BestemTvaersnit(ind, sd); }
  TBeregningsUdfald Koer() { return BeregnAlleTilfaelde(b, ind, sd, dlg); }
  std::string Bogstaver(int aas, int lk) const {
    std::string s;
    for (const auto& c : b.Tilfaelde)
      if (c.Aas == aas && c.LK == lk) s += c.LT;
    return s;
  }
  const TTilfaelde& Tilf(int aas, int lk, char lt) const {
    for (const auto& c : b.Tilfaelde)
      if (c.Aas == aas && c.LK == lk && c.LT == lt) return c;
    ADD_FAILURE() << "mangler " << aas << " " << lk << " " << lt;
    return b.Tilfaelde.front();
  }
};

// Index of a line in a case's lines, −1 when it is missing, and the line n
// places after it.
long Plads(const TTilfaelde& c, const std::string& linje) {
  const auto it = std::find(c.Linier.begin(), c.Linier.end(), linje);
  return it == c.Linier.end() ? -1 : it - c.Linier.begin();
}
std::string Efter(const TTilfaelde& c, const std::string& linje, long n = 1) {
  const long i = Plads(c, linje);
  return i >= 0 && i + n < static_cast<long>(c.Linier.size()) ? c.Linier[i + n] : "<mangler>";
}

TEST(Tilfaelde, OtteFagGiver88TilfaeldeIRaekkefoelgeOgRangeringer) {
  TKoersel k;
  ASSERT_EQ(k.ind.AntalFag, 8);
  ASSERT_EQ(k.Koer(), TBeregningsUdfald::Gennemfoert);
  EXPECT_EQ(k.b.Udfald, TBeregningsUdfald::Gennemfoert);
  for (const auto& kald : k.dlg.kald) ADD_FAILURE() << kald.art << ": " << kald.tekst;
  // 88 cases: the letters below, 46 for purlin 2 and 21 each for purlins 1
  // and 3, which have only combinations 5, 6 and 9.
  EXPECT_EQ(k.b.Tilfaelde.size(), 88u);
  auto antal = [&](int aas) {
    return std::count_if(k.b.Tilfaelde.begin(), k.b.Tilfaelde.end(),
                         [aas](const TTilfaelde& c) { return c.Aas == aas; });
  };
  EXPECT_EQ((std::vector<long>{antal(1), antal(2), antal(3)}), (std::vector<long>{21, 46, 21}));
  const std::string lk5 = "abcjkmnvw", lk6 = "ajmv", lk9 = "bcklnowx";
  const std::string aas2[] = {"", "a", "", "bcdefghi", "", lk5, lk6, "", "abcdefghijk", lk9, "a", "a", "abc"};
  for (int aas = 1; aas <= 3; ++aas)
    for (int lk = 1; lk <= 12; ++lk)
      EXPECT_EQ(k.Bogstaver(aas, lk),
                aas == 2 ? aas2[lk] : lk == 5 ? lk5 : lk == 6 ? lk6 : lk == 9 ? lk9 : "")
          << aas << " " << lk;
  for (int lk : {0, 2, 4, 7, 13, 14})
    for (char lt = 'a'; lt <= 'x'; ++lt)
      for (int aas = 0; aas <= 4; ++aas) EXPECT_FALSE(TilfaeldeFindes(aas, lk, lt));
  for (int lk = 1; lk <= 12; ++lk) EXPECT_FALSE(TilfaeldeFindes(0, lk, 'a') || TilfaeldeFindes(4, lk, 'a'));
  // Computation order: purlin, then combination, then letter; in the normal
  // extent no curve data at all; the run's own lists released at its end.
  for (std::size_t i = 1; i < k.b.Tilfaelde.size(); ++i) {
    const auto &a = k.b.Tilfaelde[i - 1], &c = k.b.Tilfaelde[i];
    EXPECT_LT(std::make_tuple(a.Aas, a.LK, a.LT), std::make_tuple(c.Aas, c.LK, c.LT));
  }
  for (const auto& c : k.b.Tilfaelde) EXPECT_TRUE(c.QLinier.empty() && c.MLinier.empty());
  EXPECT_TRUE(k.b.Understoetninger.empty());
  EXPECT_TRUE(k.b.Charnierer.empty());

  // Rankings: every list of UGBoej headed by the largest rounded value of
  // combinations 1 to 9, and every list equal to the one built entry by
  // entry with the insertion rule.
  for (int t = 1; t <= 3; ++t) {
    const auto& l = k.b.Dimensionsgivende[RangUGBoej][t];
    ASSERT_EQ(l.size(), 88u - 5u);
    double stoerst = -1e9;
    for (const auto& c : k.b.Tilfaelde)
      if (c.LK < 10) stoerst = std::max(stoerst, std::nearbyint(c.FagRes[t].UGBoej * 100) / 100);
    EXPECT_NAER(l.front().Vaerdi, stoerst);
  }
  for (const auto& q : k.b.Dimensionsgivende)
    for (int t = 1; t <= 3; ++t) {
      std::vector<TRangering> enkeltvis;
      for (auto& c : k.b.Tilfaelde)
        for (const auto& r : q[t])
          if (r.Tilfaelde == &c) IndsaetRangering(enkeltvis, &c, r.Vaerdi);
      ASSERT_EQ(enkeltvis.size(), q[t].size());
      for (std::size_t i = 0; i < q[t].size(); ++i) EXPECT_EQ(enkeltvis[i].Tilfaelde, q[t][i].Tilfaelde);
    }
}

TEST(Tilfaelde, FireFagGiver83TilfaeldeOgPlaceringer) {
  Inddata ind = StandardProjekt();
  ind.AntalFag = 4;
  TKoersel k(ind);
  ASSERT_EQ(k.Koer(), TBeregningsUdfald::Gennemfoert);
  EXPECT_EQ(k.b.Tilfaelde.size(), 83u);
  EXPECT_EQ(k.Bogstaver(2, 3), "bcghi");
  EXPECT_EQ(k.Bogstaver(2, 8), "abcdefghk");
  // Frames at 6500, 12500, 18500: entries 1, 2 and 6 (the last frame).
  EXPECT_EQ(k.b.RammePlaceringer, (TRammePlaceringer{0, 6500, 12500, 0, 0, 0, 18500}));
  // "a".."c": the positive moment maxima of the first LK 3 case; "d", "e"
  // the purlin's ends; hinges at 5640, 11640, 17640: "f".."h" and "k" are
  // 2 mm left of them.
  const auto& P = k.b.PunktLastPlaceringer;
  for (int t = 1; t <= 3; ++t)
    EXPECT_EQ(P[t], static_cast<int>(std::lround(k.Tilf(2, 3, 'b').FagRes[t].xMyMax * 1000.0)));
  EXPECT_EQ(std::vector<std::int32_t>(P.begin() + 4, P.end()),
            (std::vector<std::int32_t>{0, 25000, 5638, 11638, 17638, 0, 0, 17638}));
}

TEST(Tilfaelde, DetaljeretGiverKurveidentifikation) {
  Inddata ind = StandardProjekt();
  ind.RappOmfang = 1;
  TKoersel k(ind);
  ASSERT_EQ(k.Koer(), TBeregningsUdfald::Gennemfoert);
  const TTilfaelde& c = k.Tilf(1, 9, 'k');
  ASSERT_FALSE(c.QLinier.empty());
  EXPECT_EQ(c.QLinier.front(), "                  LK 9,LT k,Ån 1");
  EXPECT_EQ(c.MLinier.front(), "                  LK 9,LT k,Ån 1");
  EXPECT_GT(c.MLinier.size(), 8u * 11u);  // twelfths of every bay at least
  // Tilting moments of LK 3 "c": the frame at 12,5 m and the one before it;
  // −0,73·0,5 is −0,36499.. as a double (0,73 lies just below), so −0,36.
  // In the first kip case the secondary moment sits on the left gable support.
  const std::string kip = "Regningsmæssige kipningsmomenter (om åsens y-akse - pos mod uret):";
  EXPECT_EQ(Efter(k.Tilf(2, 3, 'c'), kip), "  x-koord. (m):        6,50     12,50");
  EXPECT_EQ(Efter(k.Tilf(2, 3, 'c'), kip, 2), "  moment (kNm):       -0,36      0,50");
  EXPECT_EQ(Efter(k.Tilf(2, 3, 'b'), kip), "  x-koord. (m):        0,50      6,50");
  // Point loads: LK 8 "e", 1,5·1,5 kN at the right purlin end; LK 12 "b",
  // 1,5·cos 20° in the first middle span at 6500 + (6000 − 860) div 2.
  EXPECT_EQ(Efter(k.Tilf(2, 8, 'e'), "Regnmæss punktlast lodret: 2,25 kN").substr(0, 27),
            "  x-koordinat: 49,00 m; z-k");
  EXPECT_EQ(Efter(k.Tilf(2, 12, 'b'), "Regnmæss punktlast vinkelret på tagflade: 1,41 kN"),
            "  x-koordinat: 9,07 m");
  // The design block comes after the section forces, the deflections last.
  EXPECT_GE(Plads(c, "Bæreevner for Gerberbeslag:"), 0);
  const TTilfaelde& n = k.Tilf(2, 10, 'a');
  EXPECT_GE(Plads(n, "Udvalgte regningsmæssige snitkræfter:"), 0);
  EXPECT_LT(Plads(n, "Udvalgte regningsmæssige snitkræfter:"), Plads(n, "Nedbøjninger:"));
}

TEST(Rangering, LigeVaerdierBeholderRaekkefoelgenHoejereBliverHoved) {
  std::vector<TRangering> l;
  TTilfaelde c[5];
  const double v[] = {0.5, 0.5, 0.7, 0.5, 0.6};
  for (int i = 0; i < 5; ++i) IndsaetRangering(l, &c[i], v[i]);
  std::vector<const TTilfaelde*> r;
  for (const auto& x : l) r.push_back(x.Tilfaelde);
  EXPECT_EQ(r, (std::vector<const TTilfaelde*>{&c[2], &c[4], &c[0], &c[1], &c[3]}));
}

TEST(Rangering, RangerTilfaeldeAfrunderOgUdeladerNedbojning) {
  TBeregning b;
  auto ny = [&](int lk, double ug, double rzMin) {
    TTilfaelde& c = b.Tilfaelde.emplace_back();
    c.Aas = 2;
    c.LK = lk;
    c.FagRes[1].UGBoej = ug;
    c.FagRes[1].RzMin = rzMin;
  };
  ny(3, 0.8349, -2.0);  // 0,83
  ny(5, 0.8251, -3.0);  // 0,83 too: stays behind the first
  ny(10, 5.0, -9.0);    // deflection combinations never ranked
  ny(12, 6.0, -9.0);
  ny(9, 0.125, 1.0);    // 12,5 to even: 0,12
  ny(6, 1.6e17, 2.5);   // an absurd chain: beyond whole-number rounding, kept
  RangerTilfaelde(b);
  const auto& ug = b.Dimensionsgivende[RangUGBoej][1];
  ASSERT_EQ(ug.size(), 4u);
  EXPECT_EQ(ug[0].Vaerdi, 1.6e17);
  EXPECT_EQ(ug[1].Tilfaelde, &b.Tilfaelde[0]);
  EXPECT_EQ(ug[2].Tilfaelde, &b.Tilfaelde[1]);
  EXPECT_NAER(ug[1].Vaerdi, 0.83);
  EXPECT_NAER(ug[2].Vaerdi, 0.83);
  EXPECT_NAER(ug[3].Vaerdi, 0.12);
  // -RzMin: the largest pull down.
  const auto& rz = b.Dimensionsgivende[RangRzMin][1];
  EXPECT_EQ(rz[0].Tilfaelde, &b.Tilfaelde[1]);
  EXPECT_NAER(rz[0].Vaerdi, 3.0);
  EXPECT_NAER(rz[2].Vaerdi, -1.0);
  for (const auto& q : b.Dimensionsgivende)
    for (int t = 1; t <= 3; ++t) {
      EXPECT_EQ(q[t].size(), 4u);
      for (const auto& r : q[t]) EXPECT_LT(r.Tilfaelde->LK, 10);
    }
  // The run is moved, never copied: the rankings keep pointing at its cases.
  TBeregning flyttet = std::move(b);
  EXPECT_EQ(flyttet.Dimensionsgivende[RangUGBoej][1][1].Tilfaelde, &flyttet.Tilfaelde[0]);
  FrigivTilfaelde(flyttet);
  EXPECT_TRUE(flyttet.Tilfaelde.empty());
  for (const auto& q : flyttet.Dimensionsgivende)
    for (const auto& l : q) EXPECT_TRUE(l.empty());
}

TEST(Afbrydelse, UmuligeProjekterAfvisesFoerStart) {
  // No hardware chosen (or one outside the catalogue); 10⁹ bays of 6 m that
  // do not fit integer millimetres (and no billion supports built); gable
  // bays no longer than the hinge offset, which put the first hinge on or
  // left of the left gable support. The input stays as it was.
  const std::string beslag =
      "Der er ikke valgt noget gerberbeslag.\r\nVælg et gerberbeslag på siden \"Inddata 2\".";
  const struct {
    int beslag, antalFag;
    double gavl;
    std::string tekst;
  } tilf[] = {{-1, 8, 6.0, beslag},
              {34, 8, 6.0, beslag},
              {19, 1000000000, 6.0, TekstForLangBygning},
              {19, 8, 0.86, TekstCharnierForskydning},
              {19, 8, 0.5, TekstCharnierForskydning}};
  for (const auto& t : tilf) {
    SCOPED_TRACE(t.tekst);
    Inddata ind = StandardProjekt();
    ind.Beslag = t.beslag;
    ind.AntalFag = t.antalFag;
    ind.GavlRammeAfst = t.gavl;
    TKoersel k(ind);
    EXPECT_EQ(k.Koer(), TBeregningsUdfald::Afvist);
    EXPECT_EQ(k.dlg.Tekster("Fejl"), std::vector<std::string>{t.tekst});
    EXPECT_TRUE(k.b.Tilfaelde.empty());
    EXPECT_EQ(k.ind.Beslag, t.beslag);
    EXPECT_EQ(k.ind.GavlRammeAfst, t.gavl);
  }
}

TEST(Afbrydelse, PunktlastplaceringerUdenLK3) {
  TBeregning b;
  TSupplData sd;
  TSkriptetDialog dlg;
  EXPECT_FALSE(BygPunktLastPlaceringer(b, sd, dlg));
  b.Tilfaelde.emplace_back();
  b.Tilfaelde.back().LK = 1;
  EXPECT_FALSE(BygPunktLastPlaceringer(b, sd, dlg));
  const std::string slut =
      ".\r\nListe med punktlastplaceringer kan derfor ikke genereres.\r\n"
      "Gem aktuelle inddata og kontakt Kvarnløkkedata.";
  EXPECT_EQ(dlg.Tekster("FejlDialog"),
            (std::vector<std::string>{
                "Procedure BygPunktLastPlaceringer: Der er ikke beregnet noget tilfælde endnu" + slut,
                "Procedure BygPunktLastPlaceringer: En beregning efter lastkombination 3 er ikke fundet" +
                    slut}));
}

TEST(Afbrydelse, AnnulleretNedbojningAfbryderKoerslen) {
  // A working record whose gable-bay span does not match its frames (an
  // internal inconsistency): the deflection of the short end bay looks for
  // its start support 1 mm left of the real one and cannot find it. Cancel
  // ends the run without results; OK runs it to the end.
  TKoersel k, ok;
  k.sd.GavlFag += 1;
  ok.sd.GavlFag += 1;
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
  EXPECT_EQ(ok.Koer(), TBeregningsUdfald::Gennemfoert);
  EXPECT_EQ(ok.b.Tilfaelde.size(), 88u);
}

TEST(Afbrydelse, UloeseligKaedeAfbryder) {
  // A working record whose hinge offset equals the gable bay although the
  // project's does not (an internal inconsistency): the statics reports the
  // hinge over its support, and the run ends without results.
  TKoersel k;
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
  TKoersel k;
  k.b.Understoetninger = BygUnderstoetninger(k.sd, k.ind.AntalFag);
  k.b.Charnierer = BygCharnierer(k.sd, k.ind.AntalFag);
  NulstilNedbojningsMaksima(k.b);
  TTilfaelde c;
  BygTilfaelde(c, 2, 12, 'd', k.ind, k.sd);
  EXPECT_FALSE(BeregnTilfaelde(k.b, c, k.ind, k.sd, k.dlg));
  EXPECT_EQ(k.dlg.Tekster("Besked").size(), 1u);
}

}  // namespace
}  // namespace kvistor
