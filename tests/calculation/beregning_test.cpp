// The rankings of a run, and refused and aborted runs. Which cases a run
// computes, in which order, their texts and the rankings' heads reach the
// golden files.
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "loads/lastkombinationer.h"
#include "calculation/tvaersnit_byg.h"
#include "calculation/beregning.h"
#include "calculation/kraftkurver.h"
#include "project/feltregler.h"
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
};

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
  ny(5, 0.8251, -3.0);  // 0,83 too: an equal value stays behind the first
  ny(10, 5.0, -9.0);    // deflection combinations never ranked
  ny(12, 6.0, -9.0);
  ny(9, 0.125, 1.0);    // 12,5 to even: 0,12
  ny(6, 1.6e17, 2.5);   // an absurd chain: beyond whole-number rounding, kept
  RangerTilfaelde(b);
  const auto& ug = b.Dimensionsgivende[RangUGBoej][1];
  ASSERT_EQ(ug.size(), 4u);
  EXPECT_EQ(ug[0].Vaerdi, 1.6e17);
  EXPECT_TRUE(ug[1].Tilfaelde == &b.Tilfaelde[0] && ug[2].Tilfaelde == &b.Tilfaelde[1]);
  EXPECT_EQ((std::vector<double>{ug[1].Vaerdi, ug[2].Vaerdi, ug[3].Vaerdi}),
            (std::vector<double>{0.83, 0.83, 0.12}));
  // -RzMin: the largest pull down.
  const auto& rz = b.Dimensionsgivende[RangRzMin][1];
  EXPECT_EQ(rz[0].Tilfaelde, &b.Tilfaelde[1]);
  EXPECT_EQ(rz[0].Vaerdi + rz[2].Vaerdi, 2.0);  // 3 and −1
  for (const auto& q : b.Dimensionsgivende)
    for (int t = 1; t <= 3; ++t) {
      EXPECT_EQ(q[t].size(), 4u);
      for (const auto& r : q[t]) EXPECT_LT(r.Tilfaelde->LK, 10);
    }
  // The run is moved, never copied: the rankings keep pointing at its cases.
  TBeregning flyttet = std::move(b);
  EXPECT_EQ(flyttet.Dimensionsgivende[RangUGBoej][1][1].Tilfaelde, &flyttet.Tilfaelde[0]);
  FrigivTilfaelde(flyttet);
  EXPECT_TRUE(flyttet.Tilfaelde.empty() && flyttet.Dimensionsgivende[RangUGBoej][1].empty());
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
    EXPECT_TRUE(k.ind.Beslag == t.beslag && k.ind.GavlRammeAfst == t.gavl);
  }
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
  EXPECT_EQ(k.dlg.kald.back().tekst,
            "Procedure BestemNedbojninger/function D_x: Korrekt pointer til x = 499 ikke fundet! "
            "Gem aktuelle inddata og kontakt Kvarnløkkedata.");
  EXPECT_TRUE(k.b.Tilfaelde.empty() && k.b.Dimensionsgivende[RangUGBoej][2].empty());
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

// The cases the page of diagrams offers come from one run: every computed
// case once, the bending cases first in the list of their own; a record that
// breaks a rule gives the rule's message, and no dialog hears of it.
TEST(KurveValg, AlleTilfaeldeOgDeBoejningsgivendeEllerGrunden) {
  TKoersel k;
  ASSERT_EQ(k.Koer(), TBeregningsUdfald::Gennemfoert);
  const TKurveValg v = BestemKurveValg(k.ind);
  EXPECT_EQ(v.Besked, "");
  EXPECT_EQ(v.Alle.size(), k.b.Tilfaelde.size());  // 88 cases, all different
  EXPECT_TRUE(std::is_sorted(v.Alle.begin(), v.Alle.end(), [](const TTilfaeldeId& a, const TTilfaeldeId& b) {
    return std::tie(a.Aas, a.LK, a.LT) < std::tie(b.Aas, b.LK, b.LT);
  }));
  EXPECT_EQ(v.Givende, BoejningsgivendeTilfaelde(k.ind, k.dlg));
  EXPECT_FALSE(v.Givende.empty());

  Inddata brudt = k.ind;
  brudt.HusBr = 0;
  const TKurveValg b = BestemKurveValg(brudt);
  EXPECT_TRUE(b.Alle.empty() && b.Givende.empty());
  ASSERT_TRUE(FoersteBrudteRegel(brudt));
  EXPECT_EQ(b.Besked, FoersteBrudteRegel(brudt)->Besked);
  EXPECT_TRUE(k.dlg.kald.empty());
}

}  // namespace
}  // namespace kvistor
