// The detailed results table and the extended report on a hand-made run:
// who governs each column, the letter rule of combination 1, the joint
// block's notes, the governing marks and the copying of the case texts.
// The golden reports pin the ordinary lines.
#include <gtest/gtest.h>

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
// LK 1 "a" until SaetHoved says otherwise.
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
  }
  void SaetHoved(int q, int t, int tilf) {
    ber.Dimensionsgivende[q][t] = {TRangering{&ber.Tilfaelde[tilf], 0.0}};
  }
  TTilfaelde& C(int i) { return ber.Tilfaelde[i]; }
  TRapportByg Byg() { return {ind, sd, ber, ur, "", {}, {}, {}, {}, {}, {}, {}}; }
};

TTekstlinjer Tabel(TLilleKoersel& k, TTekstlinjer* beskrivelser = nullptr) {
  TRapportByg b = k.Byg();
  BygDetaljeHoved(b);
  BygDetaljer(b);
  if (beskrivelser) *beskrivelser = b.LKBeskrivelser;
  return b.ud.Rapport;
}

TEST(Detaljer, BogstavreglenOgLastkombinationerneBeskrives) {
  TLilleKoersel k;
  k.SaetHoved(RangUGBoej, 1, 3);     // LK 9 "k" purlin 3 governs bending in the short end bay
  k.SaetHoved(RangUGBoej, 2, 2);     // LK 5 "b" purlin 1 in the middle bays
  k.C(2).FagRes[2].UGBoej = 1.0049;  // shown, not the ranking's value 0
  k.C(0).FagRes[3].UGBoej = 0.456;
  k.SaetHoved(RangUGForsk, 3, 3);
  k.SaetHoved(RangRzMax, 3, 4);      // LK 9 again, another letter
  k.C(0).FagRes[1].RzMax = -0.7;     // no uplift: shown as 0,00
  k.C(0).FagRes[2].RzMax = 1.234;
  k.C(0).FagRes[1].RzMin = -5.555;   // stored just above -5,555: shows 5,55
  k.C(0).FagRes[3].RyMin = -0.125;
  TTekstlinjer beskr;
  const auto l = Tabel(k, &beskr);
  ASSERT_EQ(l.size(), 31u);
  const std::string giv = "  Dim.giv. lastkomb./lasttilf./ås      :";
  const std::string lk1a = "     1/a/2", lk1 = "     1/-/2";
  EXPECT_EQ(l[4], "Udnyttelsesgrad bøjning                :       0 %     100 %      46 %");
  // Combination 1 keeps its letter only in the bending and uplift rows.
  EXPECT_EQ(l[5], giv + "     9/k/3     5/b/1" + lk1a);
  EXPECT_EQ(l[7], giv + lk1 + lk1 + "     9/k/3");
  EXPECT_EQ(l[9], giv + lk1 + lk1 + lk1);
  EXPECT_EQ(l[11], "Negativ reaktion (træk) i z-retningen  :   0,00 kN   1,23 kN   0,00 kN");
  EXPECT_EQ(l[12], giv + lk1a + lk1a + "     9/l/3");
  EXPECT_EQ(l[13], "Positiv reaktion (tryk) i z-retningen  :   5,55 kN   0,00 kN   0,00 kN");
  EXPECT_EQ(l[14], giv + lk1 + lk1 + lk1);
  EXPECT_EQ(l[15], "Reaktion i y-retningen (på tværs)      :   0,00 kN   0,00 kN   0,13 kN");
  EXPECT_EQ(l[16], giv + lk1 + lk1 + lk1);

  // Each governing combination is described once, in order of its number.
  EXPECT_EQ(beskr, (TTekstlinjer{"Lastkombination 1: 1,2 g.",
                                 "Lastkombination 5: 1,0 g + 1,5 s + 0,45 w.",
                                 "Lastkombination 9: 0,9 g + 1,5 w."}));
  TTekstlinjer r;
  BygForklaring(r, beskr);
  EXPECT_TRUE(beskr.empty());
  EXPECT_EQ(r[2], "Lastkombination 1: 1,2 g.");
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

TEST(Detaljer, UdvidetRapportTagerMaerkerneFraTabellen) {
  TLilleKoersel k;
  k.ind.RappOmfang = 1;
  k.SaetHoved(RangRyMin, 3, 3);  // LK 9 "k" governs the lateral reaction
  TRapportByg b = k.Byg();
  BygDetaljer(b);
  b.ud.Rapport.clear();
  BygUdvidetRapport(b);
  // Governing strength cases, then all deflection cases (LK 10 to 12).
  const auto& r = b.ud.Rapport;
  ASSERT_GE(r.size(), 24u);
  EXPECT_EQ(r[21], "Programmet har gennemregnet 7 tilfælde. På de følgende sider er angivet");
  EXPECT_EQ(TTekstlinjer(r.begin() + 24, r.end()),
            (TTekstlinjer{"", "Linier 1a", "", "Linier 9k", "", "Linier 10a", "", "Linier 12b"}));
  // The curve data: 14 head lines, then the same cases.
  ASSERT_EQ(b.ud.QKurver.size(), 14u + 4u);
  ASSERT_EQ(b.ud.MKurver.size(), 14u + 4u);
  EXPECT_EQ(b.ud.QKurver[15], "Q 9k");
  EXPECT_EQ(TTekstlinjer(b.ud.MKurver.begin() + 14, b.ud.MKurver.end()),
            (TTekstlinjer{"M 1a", "M 9k", "M 10a", "M 12b"}));
}

}  // namespace
}  // namespace kvistor
