#include <cmath>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "faelles/dialog_fake.h"
#include "hjaelp/naer.h"
#include "purlin/nedbojning.h"
#include "purlin/statik.h"
#include "purlin/understoetninger.h"

namespace kvistor {
namespace {

using Tabel = std::array<std::array<double, 3>, 4>;
using HeltalTabel = std::array<std::array<std::int32_t, 3>, 4>;

// Four bays: frames 6 m, gable bays 5 m, overhang 0,5 m, hinge offset 857 mm.
// Section 75 x 200 mm, E = 11000 MPa.
TSupplData FireFag() {
  TSupplData sd;
  sd.NormFag = 6000;
  sd.GavlFag = 5000;
  sd.GavlUdhMm = 500;
  sd.CharnForskMm = 857;
  sd.LAas = 23000;
  sd.xRamme1 = 5500;
  sd.xRammeN = 17500;
  sd.LKE = 4143;
  sd.LMF = 5143;
  sd.LLE = 5000;
  sd.A = 75.0 * 200.0;
  sd.Wy = 200.0 * sd.A / 6.0;
  sd.Wz = 75.0 * sd.A / 6.0;
  sd.Iy = 200.0 * sd.Wy / 2.0;  // 5e7 mm4
  sd.E0mean = 11000;
  sd.EIy = sd.E0mean * sd.Iy;
  sd.CosV = 1.0;
  return sd;
}

struct TKoersel {
  TSupplData sd = FireFag();
  TUnderstoetninger U = BygUnderstoetninger(sd, 4);
  TCharnierer C = BygCharnierer(sd, 4);
  TTilfaeldeLaster laster;
  TTilfaelde tilf;
  std::vector<TDiskPunkt> punkter;
  Tabel uMaks;
  HeltalTabel xuMaks{}, LuForhold{};
  TSkriptetDialog dlg;

  TKoersel(int lk, double q) {
    tilf.LK = lk;
    tilf.LT = 'a';
    tilf.Aas = 2;
    for (auto& r : uMaks) r.fill(-1000.0);
    if (q != 0) TilfoejLinielast(laster.Linielast, 0, q, 0);
  }
  bool Loes() {
    NulstilReaktioner(U);
    if (!LoesTilfaelde(sd, U, C, laster, tilf, false, dlg, punkter)) return false;
    return BestemNedbojninger(tilf, punkter, laster.Linielast, laster.PL, sd, uMaks, xuMaks,
                              LuForhold, dlg);
  }
};

TEST(NedbFormel, JaevnLastOgEndemoment) {
  const double EI = 11000.0 * 5e7;
  const double L = 5000, q = 2.0;
  // Hand: 5*2*5000^4/(384*5,5e11) = 29,593 mm.
  EXPECT_NAER(NedbFormel(L, q, 0, 0, 0, EI), 5 * q * std::pow(L, 4) / (384 * EI));
  EXPECT_NAER(NedbFormel(L, q, 0, 0, 0, EI), 29.5928, 1e-5);
  // Hogging end moment -qL^2/8 leaves qL^4/(192 EI).
  EXPECT_NAER(NedbFormel(L, q, -q * L * L / 8, 0, 0, EI), q * std::pow(L, 4) / (192 * EI));
  // Point load in the middle: QL^3/(48 EI); both end moments count alike.
  EXPECT_NAER(NedbFormel(L, 0, 0, 0, 1500, EI), 1500 * std::pow(L, 3) / (48 * EI));
  EXPECT_NAER(NedbFormel(L, 0, -1e6, 0, 0, EI), NedbFormel(L, 0, 0, -1e6, 0, EI));
}

TEST(LuForhold, AfrundingTilTiereOgHundreder) {
  EXPECT_EQ(AfrundLuForhold(987.4), 990);
  EXPECT_EQ(AfrundLuForhold(1234), 1200);
  EXPECT_EQ(AfrundLuForhold(985), 980);    // 98,5 to even
  EXPECT_EQ(AfrundLuForhold(995), 1000);   // 99,5 to even
  EXPECT_EQ(AfrundLuForhold(1250), 1200);  // 12,5 to even
  EXPECT_EQ(AfrundLuForhold(399.9), 400);
  // No deflection: Lt/0,0001, rounded to hundreds.
  EXPECT_EQ(LuForholdEgenSne(4143, 0.0), 41430000);
  EXPECT_EQ(LuForholdEgenSne(5000, 12.5), 400);
  // Combination 12: at most 0,01 mm gives 10000.
  EXPECT_EQ(LuForholdPunktlast(5000, 0.01), 10000);
  EXPECT_EQ(LuForholdPunktlast(5000, 0.0), 10000);
  EXPECT_EQ(LuForholdPunktlast(5000, 0.02), 250000);
}

TEST(LuForhold, OpadrettetNedbojningGiverPositivtForhold) {
  // A span that bends upward is judged by the size of its deflection.
  EXPECT_EQ(LuForholdEgenSne(5000, -2.0), 2500);
  // Only an exact 0 is divided by 0,0001 mm: 5000/0,00005 = 10^8, and a
  // ratio beyond int32 is held at the largest multiple of a hundred.
  EXPECT_EQ(LuForholdEgenSne(5000, 0.00005), 100000000);
  EXPECT_EQ(LuForholdEgenSne(5000, -1e-9), 2147483600);  // never negative, never overflows
  EXPECT_GT(LuForholdEgenSne(5000, -0.001), 400);
  EXPECT_EQ(LuForholdPunktlast(5000, -0.005), 10000);
  EXPECT_EQ(LuForholdPunktlast(5000, -0.5), 10000);
  EXPECT_EQ(LuForholdEgenSne(2000000000, 1e-12), 2147483600);
  // Without a value there is no proof of stiffness.
  EXPECT_EQ(AfrundLuForhold(std::nan("")), 0);
  EXPECT_EQ(LuForholdEgenSne(5000, NedbFormel(5000, 1, 0, 0, 0, 0.0)), 0);
}

TEST(BestemNedbojninger, EgenlastKortOgLangtEndefag) {
  // Dead load 2 kN/m over the whole purlin, load combination 10.
  TKoersel k(10, 2.0);
  ASSERT_TRUE(k.Loes());
  const double q = 2.0, EI = k.sd.EIy;
  // Short end bay: span from the left gable support, end moment taken 1 mm
  // right of it (the overhang's hogging moment and 1 mm of the reaction).
  // Hinge forces piece by piece from the left (hand, N and mm):
  // H1*4143 = q(4143^2-500^2)/2; Hk*5143 = q(5143^2-857^2)/2 - H(k-1)*857.
  const double H1 = q * (4143.0 * 4143 - 500.0 * 500) / 2 / 4143;
  const double H2 = (q * (5143.0 * 5143 - 857.0 * 857) / 2 - H1 * 857) / 5143;
  const double H3 = (q * (5143.0 * 5143 - 857.0 * 857) / 2 - H2 * 857) / 5143;
  const double R1 = q * 4643 - H1;
  const double u1 = NedbFormel(4143, q, -q * 501.0 * 501 / 2 + R1 * 1, 0, 0, EI);
  EXPECT_NAER(k.tilf.FagRes[1].uG, u1, 1e-9);
  // Long end bay: end moment 1 mm right of the last frame, from the
  // cantilever carrying H3 and the frame's reaction Ra of the last piece.
  const double Ra = (H3 * 5857 + q * (5857.0 * 5857 - 500.0 * 500) / 2) / 5000;
  const double M5 = -(H3 * 858 + q * 858.0 * 858 / 2) + Ra * 1;
  // (The chain's closing equation takes the end shear 1 mm beyond the purlin
  // end, which moves Ra by 0,2 N: hence the looser tolerance.)
  EXPECT_NAER(k.tilf.FagRes[3].uG, NedbFormel(5000, q, M5, 0, 0, EI), 1e-6);
  EXPECT_EQ(k.tilf.FagRes[1].uS, 0.0);
  EXPECT_NAER(k.uMaks[1][0], u1, 1e-9);
  EXPECT_EQ(k.xuMaks[1][0], 500 + 2072);  // round(4143/2) to even = 2072
  EXPECT_EQ(k.xuMaks[3][0], 17500 + 2500);
  EXPECT_EQ(k.LuForhold[1][0], AfrundLuForhold(4143 / u1));

  const auto& L = k.tilf.Linier;
  ASSERT_EQ(L.size(), 7u);
  EXPECT_EQ(L[1], "Nedbøjninger:");
  EXPECT_EQ(L[2], "  Fag  xstart      L      q     M5     M6      Q   u(g)   u(s)   u(Q)");
  EXPECT_EQ(L[3], "            m      m   kN/m    kNm    kNm     kN     mm     mm     mm");
  EXPECT_EQ(L[4].substr(0, 41), "   KE    0,50   4,14   2,00  -0,25   0,00");
  EXPECT_EQ(L[6].substr(0, 20), "   LE   17,50   5,00");
  EXPECT_EQ(L[4].size(), 5u + 8 + 8 * 7);
  EXPECT_TRUE(k.dlg.kald.empty());
}

TEST(BestemNedbojninger, PunktlastLangtEndefagMedUdhaengsmoment) {
  TKoersel k(12, 0.0);
  k.tilf.LT = 'c';
  k.laster.PL.push_back({23000 - 500 - 2500, 1.5, 0.0});
  ASSERT_TRUE(k.Loes());
  // Only the long end bay holds the load. Both end moments are taken 1 mm
  // inside the span, where each support's reaction of 750 N gives 750 N mm.
  EXPECT_NAER(k.tilf.FagRes[3].uQ, NedbFormel(5000, 0, 750, 750, 1500, k.sd.EIy), 1e-9);
  EXPECT_NAER(k.tilf.FagRes[3].uQ,
              1500.0 * std::pow(5000.0, 3) / (48 * k.sd.EIy) + 1500.0 * 5000 * 5000 / (16 * k.sd.EIy),
              1e-9);
  EXPECT_EQ(k.tilf.FagRes[1].uQ, 0.0);
  EXPECT_EQ(k.LuForhold[1][2], 10000);
  EXPECT_EQ(k.LuForhold[3][2], AfrundLuForhold(5000 / k.tilf.FagRes[3].uQ));
}

TEST(BestemNedbojninger, StopUdenPunktlastOgVedUgyldigPlacering) {
  {
    TKoersel k(12, 0.0);
    EXPECT_FALSE(k.Loes());
    ASSERT_EQ(k.dlg.Tekster("Besked").size(), 1u);
    EXPECT_EQ(k.dlg.Tekster("Besked")[0],
              "Fejl i proc. BestemNedbojninger: Lastkomb = 12, men PL2 = nil!");
  }
  {
    TKoersel k(12, 0.0);
    k.laster.PL.push_back({0, 1.5, 0.0});
    EXPECT_FALSE(k.Loes());
    ASSERT_EQ(k.dlg.Tekster("Besked").size(), 1u);
    EXPECT_EQ(k.dlg.Tekster("Besked")[0],
              "proc. BestemNedbojninger: LK = 12; LT = a; Fagtype = KE; xtemp = 0 mm\r\n"
              "xtemp(egen- eller snelast) kan ikke bestemmes korrekt!");
  }
}

TEST(BestemNedbojninger, IkkeKonstantLastAnnulleresOgGodkendes) {
  TKoersel k(11, 1.0);
  TilfoejLinielast(k.laster.Linielast, 3000, 0.5, 0);
  k.dlg.svar = {false};
  EXPECT_FALSE(k.Loes());
  ASSERT_EQ(k.dlg.Tekster("FejlDialogOkAnnuller").size(), 1u);
  EXPECT_EQ(k.dlg.Tekster("FejlDialogOkAnnuller")[0],
            "proc BestemNedbojninger: fordelt last er ikke konstant! \r\n"
            "Gem aktuelle inddata og kontakt Kvarnløkkedata.");
  TKoersel ok(11, 1.0);
  TilfoejLinielast(ok.laster.Linielast, 3000, 0.5, 0);
  EXPECT_TRUE(ok.Loes());  // OK: goes on with the first record's load
}

std::vector<TDiskPunkt> Punkter(std::initializer_list<std::pair<int, bool>> xs) {
  std::vector<TDiskPunkt> p;
  for (auto [x, u] : xs) {
    TDiskPunkt d;
    d.xD = x;
    d.ErUnderstoetning = u;
    p.push_back(d);
  }
  return p;
}

TEST(DiskPunkter, D_xFindesIkke) {
  const auto p = Punkter({{0, false}, {500, true}, {4643, false}, {5500, true}});
  TSkriptetDialog dlg;
  EXPECT_EQ(D_x(p, 500, dlg), 1);
  EXPECT_TRUE(dlg.kald.empty());
  dlg.svar = {false};
  EXPECT_EQ(D_x(p, 501, dlg), -1);  // Cancel stops the calculation
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].tekst,
            "Procedure BestemNedbojninger/function D_x: Korrekt pointer til x = 501 ikke fundet! "
            "Gem aktuelle inddata og kontakt Kvarnløkkedata.");
  dlg.svar = {true};
  EXPECT_EQ(D_x(p, 501, dlg), 2);  // OK: the first point beyond
  dlg.svar = {true};
  EXPECT_EQ(D_x(p, 6000, dlg), -1);  // nothing beyond: no start support
}

TEST(DiskPunkter, D_StartFagForrigeUnderstoetning) {
  TSupplData sd = FireFag();
  TSkriptetDialog dlg;
  auto p = Punkter({{0, false}, {500, true}, {4643, false}, {5500, true}, {10643, false},
                    {11500, true}});
  EXPECT_EQ(D_StartFag(p, 2000, sd, dlg), 1);   // first frame: a gable bay back
  EXPECT_EQ(D_StartFag(p, 8000, sd, dlg), 3);   // a normal bay back from 11500
  EXPECT_EQ(D_StartFag(p, 5500, sd, dlg), 3);   // a support, moment not falling
  p[3].MyVen = 1.0;                             // MyHoj < MyVen: the one before
  EXPECT_EQ(D_StartFag(p, 5500, sd, dlg), 1);
  EXPECT_TRUE(dlg.kald.empty());
  // A previous support left of the purlin start: OK keeps the support.
  sd.GavlFag = 6000;
  dlg.svar = {true, false};
  EXPECT_EQ(D_StartFag(p, 2000, sd, dlg), 3);
  EXPECT_EQ(D_StartFag(p, 2000, sd, dlg), -1);
  ASSERT_EQ(dlg.kald.size(), 2u);
  EXPECT_EQ(dlg.kald[0].tekst,
            "Function D_StartFag: \"Forrige\" understøtning til x=2000 mm har negativ "
            "x-koordinat!\r\nD3^.xD = 5500 mm; xforr: = -500 mm");
  EXPECT_EQ(dlg.kald[0].art, "AdvarselOkAnnuller");
  dlg.svar = {true};
  EXPECT_EQ(D_StartFag(p, 5500, sd, dlg), 3);
  EXPECT_EQ(dlg.kald.back().tekst.substr(0, 22), "Function D_StartFag2: ");
}

}  // namespace
}  // namespace kvistor
