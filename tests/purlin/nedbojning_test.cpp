// Deflections: the formula, the L/u ratios and their rounding, the spans of
// the worked example, the start supports and the stops.
#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "hjaelp/naer.h"
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

TEST(NedbFormel, JaevnLastOgEndemoment) {
  const double EI = 11000.0 * 5e7, L = 5000, q = 2.0;
  // 5·2·5000⁴/(384·5,5e11) = 29,593 mm.
  EXPECT_NAER(NedbFormel(L, q, 0, 0, 0, EI), 5 * q * std::pow(L, 4) / (384 * EI));
  // Hogging end moment −qL²/8 leaves qL⁴/(192 EI).
  EXPECT_NAER(NedbFormel(L, q, -q * L * L / 8, 0, 0, EI), q * std::pow(L, 4) / (192 * EI));
  // Point load in the middle: QL³/(48 EI); both end moments count alike.
  EXPECT_NAER(NedbFormel(L, 0, 0, 0, 1500, EI), 1500 * std::pow(L, 3) / (48 * EI));
  EXPECT_NAER(NedbFormel(L, 0, -1e6, 0, 0, EI), NedbFormel(L, 0, 0, -1e6, 0, EI));
}

TEST(LuForhold, AfrundingOgOpadrettetNedbojning) {
  EXPECT_EQ(AfrundLuForhold(987.4), 990);
  EXPECT_EQ(AfrundLuForhold(1234), 1200);
  EXPECT_EQ(AfrundLuForhold(985), 980);    // 98,5 to even
  EXPECT_EQ(AfrundLuForhold(995), 1000);   // 99,5 to even
  EXPECT_EQ(AfrundLuForhold(1250), 1200);  // 12,5 to even
  // No deflection: Lt/0,0001, rounded to hundreds; combination 12: at most
  // 0,01 mm gives 10000.
  EXPECT_EQ(LuForholdEgenSne(4143, 0.0), 41430000);
  EXPECT_EQ(LuForholdEgenSne(5000, 12.5), 400);
  EXPECT_EQ(LuForholdPunktlast(5000, 0.01), 10000);
  EXPECT_EQ(LuForholdPunktlast(5000, 0.02), 250000);
  // A span that bends upward is judged by the size of its deflection. Only
  // an exact 0 is divided by 0,0001 mm: 5000/0,00005 = 10⁸, and a ratio
  // beyond int32 is held at the largest multiple of a hundred.
  EXPECT_EQ(LuForholdEgenSne(5000, -2.0), 2500);
  EXPECT_EQ(LuForholdEgenSne(5000, 0.00005), 100000000);
  EXPECT_EQ(LuForholdEgenSne(5000, -1e-9), 2147483600);  // never negative, never overflows
  EXPECT_EQ(LuForholdEgenSne(2000000000, 1e-12), 2147483600);
  EXPECT_EQ(LuForholdPunktlast(5000, -0.005), 10000);
  EXPECT_EQ(LuForholdPunktlast(5000, -0.5), 10000);
  // Without a value there is no proof of stiffness.
  EXPECT_EQ(AfrundLuForhold(std::nan("")), 0);
  EXPECT_EQ(LuForholdEgenSne(5000, NedbFormel(5000, 1, 0, 0, 0, 0.0)), 0);
}

TEST(BestemNedbojninger, EgenlastKortOgLangtEndefag) {
  // Dead load 2 kN/m over the whole purlin, load combination 10.
  TKoersel k(10, 2.0);
  ASSERT_TRUE(k.Nedb());
  const double q = 2.0, EI = k.sd.EIy;
  // Short end bay: span from the left gable support, end moment taken 1 mm
  // right of it (the overhang's hogging moment and 1 mm of the reaction).
  // Hinge forces piece by piece from the left (hand, N and mm):
  // H1·4143 = q(4143² − 500²)/2; Hk·5143 = q(5143² − 857²)/2 − H(k−1)·857.
  const double H1 = q * (4143.0 * 4143 - 500.0 * 500) / 2 / 4143;
  const double H2 = (q * (5143.0 * 5143 - 857.0 * 857) / 2 - H1 * 857) / 5143;
  const double H3 = (q * (5143.0 * 5143 - 857.0 * 857) / 2 - H2 * 857) / 5143;
  const double R1 = q * 4643 - H1;
  const double u1 = NedbFormel(4143, q, -q * 501.0 * 501 / 2 + R1 * 1, 0, 0, EI);
  EXPECT_NAER(k.tilf.FagRes[1].uG, u1, 1e-9);
  EXPECT_NAER(k.uMaks[1][0], u1, 1e-9);
  // Long end bay: end moment 1 mm right of the last frame, from the
  // cantilever carrying H3 and the frame's reaction Ra of the last piece.
  // (The chain's closing equation takes the end shear 1 mm beyond the purlin
  // end, which moves Ra by 0,2 N: hence the looser tolerance.)
  const double Ra = (H3 * 5857 + q * (5857.0 * 5857 - 500.0 * 500) / 2) / 5000;
  const double M5 = -(H3 * 858 + q * 858.0 * 858 / 2) + Ra * 1;
  EXPECT_NAER(k.tilf.FagRes[3].uG, NedbFormel(5000, q, M5, 0, 0, EI), 1e-6);
  EXPECT_EQ(k.tilf.FagRes[1].uS, 0.0);
  EXPECT_EQ(k.xuMaks[1][0], 500 + 2072);  // round(4143/2) to even = 2072
  EXPECT_EQ(k.xuMaks[3][0], 17500 + 2500);
  EXPECT_EQ(k.LuForhold[1][0], AfrundLuForhold(4143 / u1));
  const auto& L = k.tilf.Linier;
  ASSERT_EQ(L.size(), 7u);
  EXPECT_EQ(L[4].substr(0, 41), "   KE    0,50   4,14   2,00  -0,25   0,00");
  EXPECT_EQ(L[4].size(), 5u + 8 + 8 * 7);
  EXPECT_TRUE(k.dialog.kald.empty());
}

TEST(BestemNedbojninger, PunktlastLangtEndefagMedUdhaengsmoment) {
  TKoersel k(12, 0.0);
  k.tilf.LT = 'c';
  k.l.PL.push_back({23000 - 500 - 2500, 1.5, 0.0});
  ASSERT_TRUE(k.Nedb());
  // Only the long end bay holds the load. Both end moments are taken 1 mm
  // inside the span, where each support's reaction of 750 N gives 750 N mm.
  const double EI = k.sd.EIy;
  EXPECT_NAER(k.tilf.FagRes[3].uQ, 1500.0 * std::pow(5000.0, 3) / (48 * EI) + 1500.0 * 5000 * 5000 / (16 * EI));
  EXPECT_EQ(k.tilf.FagRes[1].uQ, 0.0);
  EXPECT_EQ(k.LuForhold[1][2], 10000);
  EXPECT_EQ(k.LuForhold[3][2], AfrundLuForhold(5000 / k.tilf.FagRes[3].uQ));
}

TEST(BestemNedbojninger, StopOgAnnullering) {
  // No point load, and one at x = 0: plain stops.
  TKoersel ingen(12, 0.0), nul(12, 0.0);
  nul.l.PL.push_back({0, 1.5, 0.0});
  EXPECT_FALSE(ingen.Nedb());
  EXPECT_FALSE(nul.Nedb());
  EXPECT_EQ(ingen.dialog.Tekster("Besked"),
            std::vector<std::string>{"Fejl i proc. BestemNedbojninger: Lastkomb = 12, men PL2 = nil!"});
  EXPECT_EQ(nul.dialog.Tekster("Besked"),
            std::vector<std::string>{"proc. BestemNedbojninger: LK = 12; LT = a; Fagtype = KE; xtemp = 0 mm\r\n"
                                     "xtemp(egen- eller snelast) kan ikke bestemmes korrekt!"});
  // A line load that is not constant: Cancel stops, OK goes on with the
  // first record's load.
  TKoersel annuller(11, 1.0), ok(11, 1.0);
  for (TKoersel* k : {&annuller, &ok}) TilfoejLinielast(k->l.Linielast, 3000, 0.5, 0);
  annuller.dialog.svar = {false};
  EXPECT_FALSE(annuller.Nedb());
  EXPECT_EQ(annuller.dialog.Tekster("FejlDialogOkAnnuller"),
            std::vector<std::string>{"proc BestemNedbojninger: fordelt last er ikke konstant! \r\n"
                                     "Gem aktuelle inddata og kontakt Kvarnløkkedata."});
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
