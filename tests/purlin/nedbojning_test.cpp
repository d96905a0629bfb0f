// Deflections: the formula, the L/u ratios and their rounding, the spans of
// the worked example, the start supports and the stops.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "common/format.h"
#include "hjaelp/golden.h"
#include "purlin/nedbojning.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

// The worked example's chain (EIy = 11000·200³·50/12 N mm²) through the
// statics and the deflections of one case.
struct TKoersel : test::TKaede {
  std::array<std::array<double, 3>, 4> uMaks;
  std::array<std::array<std::int32_t, 3>, 4> xuMaks{}, LuForhold{};

  TKoersel(int lk, double q) {
    tilf.LK = lk;
    tilf.LT = 'a';
    tilf.Aas = 2;
    for (auto& r : uMaks) r.fill(-1000.0);
    if (q != 0) Jaevn(q);
  }
  bool Nedb() {
    return Loes() && BestemNedbojninger(tilf, p, l.Linielast, l.PL, sd, uMaks, xuMaks, LuForhold, dialog);
  }
};

TEST(LuForhold, AfrundingOgOpadrettetNedbojning) {
  // Tens below 1000, hundreds above, ties to even.
  const std::pair<double, int> afrund[] = {{987.4, 990}, {1234, 1200}, {985, 980}, {995, 1000},
                                           {1250, 1200}, {std::nan(""), 0}};
  for (const auto& [r, ventet] : afrund) EXPECT_EQ(AfrundLuForhold(r), ventet) << r;
  // No deflection: Lt/0,0001, rounded to hundreds; combination 12: at most
  // 0,01 mm gives 10000. A span that bends upward is judged by the size of
  // its deflection; a ratio beyond int32 is held at the largest multiple of
  // a hundred; without a value there is no proof of stiffness.
  const struct {
    double Lt, u;
    int egenSne;
  } egen[] = {{4143, 0.0, 41430000}, {5000, 12.5, 400}, {5000, -2.0, 2500},
              {5000, 0.00005, 100000000}, {5000, -1e-9, 2147483600},
              {2000000000, 1e-12, 2147483600}, {5000, NedbFormel(5000, 1, 0, 0, 0, 0.0), 0}};
  for (const auto& e : egen) EXPECT_EQ(LuForholdEgenSne(e.Lt, e.u), e.egenSne) << e.Lt << " " << e.u;
  for (double u : {0.01, -0.005, -0.5}) EXPECT_EQ(LuForholdPunktlast(5000, u), 10000) << u;
  EXPECT_EQ(LuForholdPunktlast(5000, 0.02), 250000);
}

// Dead load 2 kN/m over the whole chain (combination 10), and 1,5 kN in the
// middle of the long end bay (combination 12 c): the printed deflection
// table, each bay type's deflection to six decimals, its position and L/u.
// Checked by hand: the short end bay's span starts at the left gable
// support with the end moment 1 mm right of it (hinge forces piece by piece
// from the left); the long end bay's end moments 1 mm inside the span, where
// each support's 750 N gives 750 N mm: u = PL³/48EI + PL²/16EI.
TEST(Golden, NedbojningEksempel) {
  std::vector<std::string> ud;
  for (int lk : {10, 12}) {
    TKoersel k(lk, lk == 10 ? 2.0 : 0.0);
    if (lk == 12) {
      k.tilf.LT = 'c';
      k.l.PL.push_back({23000 - 500 - 2500, 1.5, 0.0});
    }
    ASSERT_TRUE(k.Nedb());
    EXPECT_TRUE(k.dialog.kald.empty());
    ud.insert(ud.end(), k.tilf.Linier.begin(), k.tilf.Linier.end());
    for (int t = 1; t <= 3; ++t) {
      const TFagResultat& f = k.tilf.FagRes[t];
      std::string linje = "type " + std::to_string(t) + ":";
      for (double v : {f.uG, f.uS, f.uQ, k.uMaks[t][lk - 10]}) linje += " " + FormaterFast(v, 6, false);
      ud.push_back(linje + " " + std::to_string(k.xuMaks[t][lk - 10]) + " " + std::to_string(k.LuForhold[t][lk - 10]));
    }
  }
  test::SammenlignMedGolden("nedbojning eksempel.txt", ud);
}

TEST(BestemNedbojninger, StopOgAnnullering) {
  // No point load, and one at x = 0: plain stops.
  TKoersel ingen(12, 0.0), nul(12, 0.0);
  nul.l.PL.push_back({0, 1.5, 0.0});
  EXPECT_FALSE(ingen.Nedb());
  EXPECT_FALSE(nul.Nedb());
  EXPECT_EQ(ingen.dialog.Tekster("Besked").size() + nul.dialog.Tekster("Besked").size(), 2u);
  // A line load that is not constant: Cancel stops, OK goes on with the
  // first record's load.
  TKoersel annuller(11, 1.0), ok(11, 1.0);
  for (TKoersel* k : {&annuller, &ok}) TilfoejLinielast(k->l.Linielast, 3000, 0.5, 0);
  annuller.dialog.svar = {false};
  EXPECT_FALSE(annuller.Nedb());
  EXPECT_EQ(annuller.dialog.Tekster("FejlDialogOkAnnuller").size(), 1u);
  EXPECT_TRUE(ok.Nedb());
}

std::vector<TDiskPunkt> Punkter(std::initializer_list<std::pair<int, bool>> xs) {
  std::vector<TDiskPunkt> p;
  for (auto [x, u] : xs) {
    p.emplace_back();
    p.back().xD = x;
    p.back().ErUnderstoetning = u;
  }
  return p;
}

TEST(DiskPunkter, D_xOgD_StartFag) {
  auto p = Punkter({{0, false}, {500, true}, {4643, false}, {5500, true}, {10643, false}, {11500, true}});
  TSkriptetDialog dlg;
  EXPECT_EQ(D_x(p, 500, dlg), 1);
  EXPECT_TRUE(dlg.kald.empty());
  dlg.svar = {false, true, true};
  EXPECT_EQ(D_x(p, 501, dlg), -1);  // Cancel stops the calculation
  EXPECT_EQ(dlg.kald[0].tekst,
            "Procedure BestemNedbojninger/function D_x: Korrekt pointer til x = 501 ikke fundet! "
            "Gem aktuelle inddata og kontakt Kvarnløkkedata.");
  EXPECT_EQ(D_x(p, 501, dlg), 2);    // OK: the first point beyond
  EXPECT_EQ(D_x(p, 12000, dlg), -1);  // nothing beyond: no start support
  dlg.kald.clear();

  // The support where the span holding x starts.
  TSupplData sd = test::EksempelSupplData(test::EksempelInddata());
  EXPECT_EQ(D_StartFag(p, 2000, sd, dlg), 1);  // first frame: a gable bay back
  EXPECT_EQ(D_StartFag(p, 8000, sd, dlg), 3);  // a normal bay back from 11500
  EXPECT_EQ(D_StartFag(p, 5500, sd, dlg), 3);  // a support, moment not falling
  p[3].MyVen = 1.0;                            // MyHoj < MyVen: the one before
  EXPECT_EQ(D_StartFag(p, 5500, sd, dlg), 1);
  EXPECT_TRUE(dlg.kald.empty());
  // A previous support left of the purlin start: OK keeps the support.
  sd.GavlFag = 6000;
  dlg.svar = {true, false, true};
  EXPECT_EQ(D_StartFag(p, 2000, sd, dlg), 3);
  EXPECT_EQ(D_StartFag(p, 2000, sd, dlg), -1);
  EXPECT_EQ(dlg.kald[0].art, "AdvarselOkAnnuller");
  EXPECT_EQ(dlg.kald[0].tekst,
            "Function D_StartFag: \"Forrige\" understøtning til x=2000 mm har negativ "
            "x-koordinat!\r\nD3^.xD = 5500 mm; xforr: = -500 mm");
  EXPECT_EQ(D_StartFag(p, 5500, sd, dlg), 3);
  EXPECT_EQ(dlg.kald.back().tekst.substr(0, 22), "Function D_StartFag2: ");

  // A largest moment in the right gable overhang: no support follows, so the
  // span ending at the last support is taken, without a message.
  dlg.kald.clear();
  sd.GavlFag = 5000;
  p.push_back(p.back());
  p.back().xD = 12000;
  p.back().ErUnderstoetning = false;
  EXPECT_EQ(D_StartFag(p, 11800, sd, dlg), 3);  // 11500 − a normal bay of 6000
  EXPECT_TRUE(dlg.kald.empty());
}

}  // namespace
}  // namespace kvistor
