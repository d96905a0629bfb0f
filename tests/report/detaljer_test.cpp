// The detailed results table and the extended report, on a hand-made run:
// who governs each column, the letter rule of combination 1, the joint block
// and its notes, the governing marks and the copying of the case texts.
#include <gtest/gtest.h>

#include "faelles/tegnsaet.h"
#include "report/forklaring.h"
#include "report/rapport.h"

namespace kvistor {
namespace {

TTilfaelde Tilf(int lk, char lt, int aas) {
  TTilfaelde c;
  c.LK = lk;
  c.LT = lt;
  c.Aas = aas;
  c.Linier = {"Linier " + std::to_string(lk) + lt};
  c.QLinier = {"Q " + std::to_string(lk) + lt};
  c.MLinier = {"M " + std::to_string(lk) + lt};
  return c;
}

// A small run: LK 1 "a", LK 3 "h", LK 5 "b" (purlin 1), LK 9 "k" (purlin 3),
// LK 9 "l" (never governs), LK 10 "a", LK 12 "b". Every ranking is headed by
// the case named in `hoved` (default LK 1 "a").
struct TLilleKoersel {
  Inddata ind;
  TSupplData sd;
  TBeregning ber;
  TFastUr ur{TTidspunkt{2026, 3, 4, 5, 6, 7}};

  TLilleKoersel() {
    ber.Tilfaelde = {Tilf(1, 'a', 2), Tilf(3, 'h', 2), Tilf(5, 'b', 1), Tilf(9, 'k', 3),
                     Tilf(9, 'l', 3), Tilf(10, 'a', 2), Tilf(12, 'b', 2)};
    for (int q = 0; q < AntalRangStoerrelser; ++q)
      for (int t = 1; t <= 3; ++t) SaetHoved(q, t, 0);
    sd.LKE = 5143;
    sd.LMF = 5143;
    sd.LLE = 6000;
  }
  void SaetHoved(int q, int t, int tilf) {
    ber.Dimensionsgivende[q][t] = {TRangering{&ber.Tilfaelde[tilf], 0.0}};
  }
  TTilfaelde& C(int i) { return ber.Tilfaelde[i]; }
};

TTekstlinjer Tabel(TLilleKoersel& k, TTekstlinjer* beskrivelser = nullptr) {
  TRapportByg b{k.ind, k.sd, k.ber, k.ur, "", {}, {}, {}, {}, {}, {}, {}};
  BygDetaljeHoved(b);
  BygDetaljer(b);
  if (beskrivelser) *beskrivelser = b.LKBeskrivelser;
  return b.ud.Rapport;
}

TEST(Detaljer, HovedOgBogstavreglenForLastkombination1) {
  TLilleKoersel k;
  k.C(0).FagRes[1].UGBoej = 0.456;
  k.C(0).FagRes[2].UGForsk = 0.2;
  k.SaetHoved(RangUGBoej, 2, 2);   // LK 5 "b" purlin 1 governs bending in the middle bays
  k.SaetHoved(RangUGForsk, 3, 3);  // LK 9 "k" purlin 3 governs shear in the long end bay
  k.C(2).FagRes[2].UGBoej = 1.0049;
  const auto l = Tabel(k);
  ASSERT_GE(l.size(), 8u);
  EXPECT_EQ(l[0], "");
  EXPECT_EQ(l[1], "DETALJEREDE RESULTATER" + std::string(24, ' ') + "Kort    Mellem     Langt");
  EXPECT_EQ(l[2], "Største spændingsudnyttelser med mere      endefag       fag   endefag");
  EXPECT_EQ(l[3], Streg(70));
  // The case's own values, not the ranking's rounded ones.
  EXPECT_EQ(l[4], "Udnyttelsesgrad bøjning                :      46 %     100 %       0 %");
  EXPECT_EQ(l[5], "  Dim.giv. lastkomb./lasttilf./ås      :     1/a/2     5/b/1     1/a/2");
  EXPECT_EQ(l[6], "Udnyttelsesgrad forskydning            :       0 %      20 %       0 %");
  EXPECT_EQ(l[7], "  Dim.giv. lastkomb./lasttilf./ås      :     1/-/2     1/-/2     9/k/3");
  // Head, utilisation and reaction rows and their Dim.giv. lines end at
  // column 70 (the deflection rows are narrower by their own formats).
  for (std::size_t i = 1; i < 17; ++i) {
    if (l[i].empty()) continue;
    EXPECT_EQ(AntalTegn(l[i]), 70u) << "linje " << i << ": " << l[i];
  }
}

TEST(Detaljer, ReaktionerOgNedbojninger) {
  TLilleKoersel k;
  k.C(0).FagRes[1].RzMax = -0.7;  // no uplift: shown as 0,00
  k.C(0).FagRes[2].RzMax = 1.234;
  k.C(0).FagRes[1].RzMin = -5.555;  // stored just above -5,555: shows 5,55
  k.C(0).FagRes[3].RyMin = -0.125;
  k.ber.uMaks[1] = {12.34, 0, 0.05};
  k.ber.LuForhold[1] = {420, 100000, 10000};
  const auto l = Tabel(k);
  ASSERT_EQ(l.size(), 31u);
  EXPECT_EQ(l[8], "Udnyttelsesgrad gerbersamling          :       0 %       0 %       0 %");
  EXPECT_EQ(l[9], "  Dim.giv. lastkomb./lasttilf./ås      :     1/-/2     1/-/2     1/-/2");
  EXPECT_EQ(l[10], "");
  EXPECT_EQ(l[11], "Negativ reaktion (træk) i z-retningen  :   0,00 kN   1,23 kN   0,00 kN");
  EXPECT_EQ(l[12], "  Dim.giv. lastkomb./lasttilf./ås      :     1/a/2     1/a/2     1/a/2");
  EXPECT_EQ(l[13], "Positiv reaktion (tryk) i z-retningen  :   5,55 kN   0,00 kN   0,00 kN");
  EXPECT_EQ(l[14], "  Dim.giv. lastkomb./lasttilf./ås      :     1/-/2     1/-/2     1/-/2");
  EXPECT_EQ(l[15], "Reaktion i y-retningen (på tværs)      :   0,00 kN   0,00 kN   0,13 kN");
  EXPECT_EQ(l[17], "");
  EXPECT_EQ(l[18],
            "Nedbøjninger u (vinkelret på tagfladen) og tværudbøjninger w (parallelt med tagfladen)");
  EXPECT_EQ(l[19], "Referencelængde L                      :   5,14 m    5,14 m    6,00 m");
  EXPECT_EQ(l[21], "Nedbøjning u for egenlast              :   12,3 mm    0,0 mm    0,0 mm");
  EXPECT_EQ(l[22], "  L/u (bør være mindst 400)            :    420         0         0");
  EXPECT_EQ(l[24], "  L/u (bør være mindst 400)            : 100000         0         0");
  EXPECT_EQ(l[26], "  L/u (bør være mindst 200)            :  10000         0         0");
  EXPECT_EQ(l[27], "Tværudbøjning w for egenlast           :    0,0 mm    0,0 mm    0,0 mm");
  EXPECT_EQ(l[30], "  L/w                                  :      0         0         0");
}

TEST(Detaljer, SammeLastkombinationBeskrivesKunEnGang) {
  TLilleKoersel k;
  k.SaetHoved(RangUGBoej, 1, 3);
  k.SaetHoved(RangUGBoej, 2, 4);  // LK 9 again, another letter
  k.SaetHoved(RangRzMax, 3, 3);
  k.SaetHoved(RangUGForsk, 2, 1);
  TTekstlinjer beskr;
  Tabel(k, &beskr);
  ASSERT_EQ(beskr.size(), 3u);
  EXPECT_EQ(beskr[0], "Lastkombination 1: 1,2 g.");
  EXPECT_EQ(beskr[1], "Lastkombination 3: 1,0 g + 1,5 s + evt. Mkip.");
  EXPECT_EQ(beskr[2], "Lastkombination 9: 0,9 g + 1,5 w.");

  TTekstlinjer r;
  BygForklaring(r, beskr);
  EXPECT_TRUE(beskr.empty());
  EXPECT_EQ(r[0], "FORKLARING");
  EXPECT_EQ(r[2], "Lastkombination 1: 1,2 g.");
  EXPECT_EQ(r[5], "(g = egenlast; s = sne; w = vind; Mkip = kipningsmoment; Q = punktlast)");
  EXPECT_EQ(r.back(), "\"Kontrol, tvær\").");
}

TEST(Detaljer, BeslagUdenTraekbaereevneGiverNotenOgIngenRaekke) {
  TLilleKoersel k;
  k.SaetHoved(RangUGBeslag, 2, 3);  // LK 9 "k" would govern the joints
  TTilfaelde& c = k.C(3);
  c.FagRes[2].UGBeslag = 100;
  c.FagRes[2].N = 1.5;
  c.Nd = 0;
  c.F3d = 2.0;
  c.FagRes[2].F3 = 0.4;  // F3 has capacity: no F3 note
  const auto l = Tabel(k);
  EXPECT_EQ(l[8], "Det valgte beslag/sømantal har ingen bæreevne for trækkræfter (N)");
  EXPECT_EQ(l[9], "");
  for (const auto& s : l) EXPECT_EQ(s.find("gerbersamling"), std::string::npos);

  // With no capacity parallel to the roof either, both notes, F3 first.
  c.F3d = 0;
  const auto l2 = Tabel(k);
  EXPECT_EQ(l2[8], "Det valgte beslag/sømantal har ingen bæreevne for tværkræfter (F3)");
  EXPECT_EQ(l2[9], "Det valgte beslag/sømantal har ingen bæreevne for trækkræfter (N)");
}

TEST(Detaljer, MaerkerOgUdvidetRapportsToGennemloeb) {
  TLilleKoersel k;
  k.ind.RappOmfang = 1;
  k.sd.fmk = 18;
  k.sd.GammaM = 1.35;
  k.sd.kcr = 1;
  k.sd.fmd = 13.333;
  k.sd.E0mean = 11000;
  k.sd.Iy = 50000000;
  k.sd.TerrKatLinie = "Terrænkategori: II => qku = 0,81 kN/m2; qki = 0,66 kN/m2";
  k.SaetHoved(RangRyMin, 3, 3);  // LK 9 "k" governs the lateral reaction
  TRapportByg b{k.ind, k.sd, k.ber, k.ur, "", {}, {}, {}, {}, {}, {}, {}};
  BygDetaljer(b);
  EXPECT_TRUE(k.C(0).ErDimensionsgivende);
  EXPECT_FALSE(k.C(1).ErDimensionsgivende);
  EXPECT_TRUE(k.C(3).ErDimensionsgivende);
  EXPECT_FALSE(k.C(4).ErDimensionsgivende);
  b.ud.Rapport.clear();
  BygUdvidetRapport(b);
  const auto& r = b.ud.Rapport;
  EXPECT_EQ(r[2], std::string(73, '-'));
  EXPECT_EQ(r[5], "  Terrænkategori: II => qku = 0,81 kN/m2; qki = 0,66 kN/m2");
  EXPECT_EQ(r[7], "Bøjningsstyrke: Karakt. værdi fmk = 18 MPa; Part.koeff gamma(m) = 1,35;");
  EXPECT_EQ(r[8], "  Sikkerhed mod åsens egen kipning: styrkereduktionsfaktor kcr = 1,000;");
  EXPECT_EQ(r[9], "  Regn.mæss. bøjn.styrke før kmod: fmd = fmk*kcr/gamma(m) = 13,33 MPa");
  EXPECT_EQ(r[11], "Bøjningsstivhed: Karakt. værdi E = 11.000 MPa; Iy = 50.000.000 mm4");
  EXPECT_EQ(r[19], "My = moment om y-aksen (den \"stærke\" akse)");
  EXPECT_EQ(r[21], "Programmet har gennemregnet 7 tilfælde. På de følgende sider er angivet");
  // Governing strength cases, then all deflection cases.
  const TTekstlinjer hale(r.begin() + 24, r.end());
  EXPECT_EQ(hale, (TTekstlinjer{"", "Linier 1a", "", "Linier 9k", "", "Linier 10a", "",
                                "Linier 12b"}));
  ASSERT_EQ(b.ud.QKurver.size(), 14u + 4u);
  EXPECT_EQ(b.ud.QKurver[0], "                  Program Kvistor, kørt 2026-03-04, 05:06");
  EXPECT_EQ(b.ud.QKurver[1], "                  Data for forskydningskraftkurver (V-kurver).");
  EXPECT_EQ(b.ud.MKurver[5], "                  Kolonne B (de næste 10 tegn) er momentet i kNm.");
  EXPECT_EQ(b.ud.MKurver[14], "M 1a");
  EXPECT_EQ(b.ud.MKurver[15], "M 9k");
  EXPECT_EQ(b.ud.MKurver[17], "M 12b");
}

}  // namespace
}  // namespace kvistor
