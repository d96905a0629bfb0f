// Layout of the Gerber chain in integer mm, bay-type classifications and the
// line-load list.
#include <gtest/gtest.h>

#include "hjaelp/naer.h"
#include "purlin/laster.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

using test::EksempelInddata;
using test::EksempelSupplData;

TEST(GerberLayout, EksempletMedFireFag) {
  const Inddata ind = EksempelInddata();
  const TSupplData sd = EksempelSupplData(ind);
  EXPECT_EQ(sd.NormFag, 6000);
  EXPECT_EQ(sd.GavlFag, 5000);
  EXPECT_EQ(sd.CharnForskMm, 857);
  EXPECT_EQ(sd.GavlUdhMm, 500);
  EXPECT_EQ(sd.LAas, 23000);
  EXPECT_EQ(sd.xRamme1, 5500);
  EXPECT_EQ(sd.xRammeN, 17500);
  EXPECT_EQ(sd.LKE, 4143);
  EXPECT_EQ(sd.LMF, 5143);
  EXPECT_EQ(sd.LLE, 5000);

  const TUnderstoetninger u = BygUnderstoetninger(sd, ind.AntalFag);
  ASSERT_EQ(u.size(), 5u);
  const int ux[] = {500, 5500, 11500, 17500, 22500};
  const int ut[] = {1, 2, 2, 2, 3};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(u[i].x, ux[i]);
    EXPECT_EQ(u[i].Type, ut[i]);
  }
  const TCharnierer c = BygCharnierer(sd, ind.AntalFag);
  ASSERT_EQ(c.size(), 3u);
  const int cx[] = {4643, 10643, 16643};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(c[i].x, cx[i]);
    EXPECT_EQ(c[i].Type, i + 1);
  }

  // Section values of 200 × 50 mm.
  EXPECT_NAER(sd.A, 10000.0);
  EXPECT_NAER(sd.Wy, 200.0 * 10000 / 6);
  EXPECT_NAER(sd.Wz, 50.0 * 10000 / 6);
  EXPECT_NAER(sd.Iy, 200.0 * 200.0 * 10000 / 12);
}

TEST(GerberLayout, UdenGavludhaengOgAfrunding) {
  Inddata ind = EksempelInddata(5);
  ind.GavlUdh = 0;
  ind.CharnForsk = 0.8575;  // 857.5 mm: ties go to the even millimetre
  const TSupplData sd = EksempelSupplData(ind);
  EXPECT_EQ(sd.CharnForskMm, 858);
  EXPECT_EQ(sd.LAas, 3 * 6000 + 2 * 5000);
  const TUnderstoetninger u = BygUnderstoetninger(sd, ind.AntalFag);
  ASSERT_EQ(u.size(), 6u);
  EXPECT_EQ(u.front().x, 0);
  EXPECT_EQ(u.back().x, sd.LAas);
  EXPECT_EQ(sd.xRammeN + sd.GavlFag + sd.GavlUdhMm, sd.LAas);
}

TEST(GerberLayout, AfviserUmuligeLaengder) {
  TSupplData sd;
  Inddata ind = EksempelInddata(400000);  // 2 400 km of purlin does not fit in int32 mm
  EXPECT_FALSE(BestemLaengdeLayout(sd, ind));
  EXPECT_EQ(sd.LAas, 0);
  ind = EksempelInddata(1);
  EXPECT_FALSE(BestemLaengdeLayout(sd, ind));
  ind = EksempelInddata();
  ind.Rammeafstand = std::nan("");
  EXPECT_FALSE(BestemLaengdeLayout(sd, ind));
  ind = EksempelInddata(300000);  // 1 800 km still fits
  EXPECT_TRUE(BestemLaengdeLayout(sd, ind));
  EXPECT_EQ(sd.xRammeN, 500 + 5000 + 299998 * 6000);

  // A refused layout gives no supports and no hinges, however many bays
  // the record asks for.
  ind = EksempelInddata(2000000000);
  EXPECT_FALSE(BestemLaengdeLayout(sd, ind));
  EXPECT_TRUE(BygUnderstoetninger(sd, ind.AntalFag).empty());
  EXPECT_TRUE(BygCharnierer(sd, ind.AntalFag).empty());
  Inddata mange = EksempelInddata(MaksAntalFag + 1);
  mange.Rammeafstand = 0.001;  // 1 mm frames: short enough, but too many bays
  EXPECT_FALSE(BestemLaengdeLayout(sd, mange));
  EXPECT_TRUE(BygUnderstoetninger(sd, mange.AntalFag).empty());
}

TEST(GerberLayout, FlytFaktor) {
  // e = (200 − 150)/2 − 10 = 15 mm over 50 mm.
  EXPECT_NAER(FlytFaktor(200, 50, 150), 0.3);
  EXPECT_EQ(FlytFaktor(160, 50, 150), 0.0);  // e negative, raised to 0
  EXPECT_EQ(FlytFaktor(200, 0, 150), 0.0);
}

TEST(FagTyper, VedCharniererOgRammer) {
  const TSupplData sd = EksempelSupplData(EksempelInddata());
  // Hinges at 4643 and 16643.
  EXPECT_EQ(FagTypeVedCharnierer(sd, 4642.999), 1);
  EXPECT_EQ(FagTypeVedCharnierer(sd, 4643.0), 2);
  EXPECT_EQ(FagTypeVedCharnierer(sd, 16643.0), 2);
  EXPECT_EQ(FagTypeVedCharnierer(sd, 16643.001), 3);
  // Frames at 5500 and 17500.
  EXPECT_EQ(FagTypeVedRammer(sd, 5499), 1);
  EXPECT_EQ(FagTypeVedRammer(sd, 5500), 2);
  EXPECT_EQ(FagTypeVedRammer(sd, 17499), 2);
  EXPECT_EQ(FagTypeVedRammer(sd, 17500), 3);
  EXPECT_EQ(CharnierType(sd, 4643), 1);
  EXPECT_EQ(CharnierType(sd, 10643), 2);
  EXPECT_EQ(CharnierType(sd, 16643), 3);
  EXPECT_STREQ(FagTypeNavn(1), "KE");
  EXPECT_STREQ(FagTypeNavn(3), "LE");
}

TEST(RammePlaceringer, FireOgNiFag) {
  const TRammePlaceringer p4 = RammePlaceringer(EksempelSupplData(EksempelInddata(4)));
  const TRammePlaceringer f4 = {0, 5500, 11500, 0, 0, 0, 17500};
  EXPECT_EQ(p4, f4);
  // Nine bays, eight frames: the first five, then the last.
  const TRammePlaceringer p9 = RammePlaceringer(EksempelSupplData(EksempelInddata(9)));
  const TRammePlaceringer f9 = {0, 5500, 11500, 17500, 23500, 29500, 47500};
  EXPECT_EQ(p9, f9);
}

TEST(Linielast, SorteretOgSummeret) {
  TLinielastListe l;
  TilfoejLinielast(l, 5000, 1.0, 0.5);
  TilfoejLinielast(l, 0, 2.0, 0.0);
  TilfoejLinielast(l, 5000, -0.25, 0.25);
  TilfoejLinielast(l, 23000, -2.75, -0.75);
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(l[0].x, 0);
  EXPECT_EQ(l[1].x, 5000);
  EXPECT_EQ(l[1].dqz, 0.75);
  EXPECT_EQ(l[1].dqy, 0.75);

  TLinielastListe kilde;
  TilfoejLinielast(kilde, 5000, 1.0, 1.0);  // onto an existing x
  TilfoejLinielast(kilde, 7000, 3.0, 0.0);
  FletLinielast(l, kilde);
  EXPECT_TRUE(kilde.empty());
  ASSERT_EQ(l.size(), 4u);
  EXPECT_EQ(l[1].dqz, 1.75);
  EXPECT_EQ(l[1].dqy, 1.75);
  EXPECT_EQ(l[2].x, 7000);
  FletLinielast(l, l);  // into itself: no doubling
  EXPECT_EQ(l.size(), 4u);
  EXPECT_EQ(l[1].dqz, 1.75);
}

TEST(Linielast, Udskrift) {
  std::vector<std::string> linier;
  SkrivLinielast(linier, "snelast", {}, 24.0);
  const std::vector<std::string> tom = {"", "Regningsmæssig linielast på åse fra snelast:",
                                        "  Listen er tom."};
  EXPECT_EQ(linier, tom);

  // Seven changes: a full block of six and a second block of one; the
  // running sums go on across the blocks.
  TLinielastListe l;
  for (int i = 0; i < 7; ++i) TilfoejLinielast(l, i * 1500, 1.25, -0.5);
  linier.clear();
  SkrivLinielast(linier, "g+s+w", l, 24.0);
  const std::vector<std::string> forventet = {
      "",
      "Regningsmæssig linielast på åse fra g+s+w:",
      "  x (m)         0,00    1,50    3,00    4,50    6,00    7,50    9,00",
      "  z-retn (kN/m)    1,250   2,500   3,750   5,000   6,250   7,500",
      "  y-retn (kN/m)   -0,500  -1,000  -1,500  -2,000  -2,500  -3,000",
      "",
      "  x (m)         9,00   24,00",
      "  z-retn (kN/m)    8,750",
      "  y-retn (kN/m)   -3,500",
  };
  EXPECT_EQ(linier, forventet);
}

}  // namespace
}  // namespace kvistor
