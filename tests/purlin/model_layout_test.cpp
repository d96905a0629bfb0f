// Layout of the Gerber chain in integer mm, bay-type classifications and the
// line-load list.
#include <gtest/gtest.h>

#include <utility>

#include "hjaelp/naer.h"
#include "purlin/laster.h"
#include "purlin/statik_hjaelp.h"

namespace kvistor {
namespace {

using test::EksempelInddata;
using test::EksempelSupplData;
using TPar = std::vector<std::pair<std::int32_t, int>>;

TEST(GerberLayout, EksempletMedFireFag) {
  const TSupplData sd = EksempelSupplData(EksempelInddata());
  EXPECT_EQ((std::vector<std::int32_t>{sd.NormFag, sd.GavlFag, sd.CharnForskMm, sd.GavlUdhMm,
                                       sd.LAas, sd.xRamme1, sd.xRammeN, sd.LKE, sd.LMF, sd.LLE}),
            (std::vector<std::int32_t>{6000, 5000, 857, 500, 23000, 5500, 17500, 4143, 5143, 5000}));
  TPar u, c;  // (x, type)
  for (const auto& r : BygUnderstoetninger(sd, 4)) u.push_back({r.x, r.Type});
  for (const auto& h : BygCharnierer(sd, 4)) c.push_back({h.x, h.Type});
  EXPECT_EQ(u, (TPar{{500, 1}, {5500, 2}, {11500, 2}, {17500, 2}, {22500, 3}}));
  EXPECT_EQ(c, (TPar{{4643, 1}, {10643, 2}, {16643, 3}}));
  EXPECT_NAER(sd.A, 10000.0);
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
}

TEST(GerberLayout, AfviserUmuligeLaengder) {
  // 1 800 km still fits int32 mm ...
  TSupplData sd;
  EXPECT_TRUE(BestemLaengdeLayout(sd, EksempelInddata(300000)));
  EXPECT_EQ(sd.xRammeN, 500 + 5000 + 299998 * 6000);
  // ... 2 400 km does not; neither do one bay, no frame spacing, 2·10⁹ bays
  // or more bays than allowed even on 1 mm frames. A refused layout leaves
  // no supports and no hinges, whatever the record had before.
  Inddata nan = EksempelInddata(), mange = EksempelInddata(MaksAntalFag + 1);
  nan.Rammeafstand = std::nan("");
  mange.Rammeafstand = 0.001;
  for (const Inddata& ind : {EksempelInddata(400000), EksempelInddata(1), nan,
                             EksempelInddata(2000000000), mange}) {
    SCOPED_TRACE(ind.AntalFag);
    TSupplData sd = EksempelSupplData(EksempelInddata());
    EXPECT_FALSE(BestemLaengdeLayout(sd, ind));
    EXPECT_EQ(sd.LAas, 0);
    EXPECT_TRUE(BygUnderstoetninger(sd, ind.AntalFag).empty());
    EXPECT_TRUE(BygCharnierer(sd, ind.AntalFag).empty());
  }
}

TEST(GerberLayout, FlytFaktor) {
  EXPECT_NAER(FlytFaktor(200, 50, 150), 0.3);  // e = (200 − 150)/2 − 10 = 15 mm over 50 mm
  EXPECT_EQ(FlytFaktor(160, 50, 150), 0.0);    // e negative, raised to 0
  EXPECT_EQ(FlytFaktor(200, 0, 150), 0.0);
}

TEST(FagTyper, VedCharniererOgRammer) {
  const TSupplData sd = EksempelSupplData(EksempelInddata());
  // Hinges at 4643 and 16643 (on them: type 2), frames at 5500 and 17500.
  EXPECT_EQ(FagTypeVedCharnierer(sd, 4642.999), 1);
  EXPECT_EQ(FagTypeVedCharnierer(sd, 4643.0), 2);
  EXPECT_EQ(FagTypeVedCharnierer(sd, 16643.0), 2);
  EXPECT_EQ(FagTypeVedCharnierer(sd, 16643.001), 3);
  EXPECT_EQ(FagTypeVedRammer(sd, 5499), 1);
  EXPECT_EQ(FagTypeVedRammer(sd, 5500), 2);
  EXPECT_EQ(FagTypeVedRammer(sd, 17499), 2);
  EXPECT_EQ(FagTypeVedRammer(sd, 17500), 3);
  EXPECT_EQ(CharnierType(sd, 10643), 2);
  EXPECT_STREQ(FagTypeNavn(3), "LE");
}

TEST(RammePlaceringer, FireOgNiFag) {
  EXPECT_EQ(RammePlaceringer(EksempelSupplData(EksempelInddata(4))),
            (TRammePlaceringer{0, 5500, 11500, 0, 0, 0, 17500}));
  // Nine bays, eight frames: the first five, then the last.
  EXPECT_EQ(RammePlaceringer(EksempelSupplData(EksempelInddata(9))),
            (TRammePlaceringer{0, 5500, 11500, 17500, 23500, 29500, 47500}));
}

TEST(Linielast, SorteretOgSummeret) {
  TLinielastListe l;
  TilfoejLinielast(l, 5000, 1.0, 0.5);
  TilfoejLinielast(l, 0, 2.0, 0.0);
  TilfoejLinielast(l, 5000, -0.25, 0.25);
  TLinielastListe kilde;
  TilfoejLinielast(kilde, 5000, 1.0, 1.0);  // onto an existing x
  TilfoejLinielast(kilde, 7000, 3.0, 0.0);
  FletLinielast(l, kilde);
  EXPECT_TRUE(kilde.empty());
  FletLinielast(l, l);  // into itself: no doubling
  ASSERT_EQ(l.size(), 3u);
  EXPECT_EQ(l[0].x, 0);
  EXPECT_EQ(l[1].x, 5000);
  EXPECT_EQ(l[1].dqz, 1.75);
  EXPECT_EQ(l[1].dqy, 1.75);
  EXPECT_EQ(l[2].x, 7000);
}

TEST(Linielast, Udskrift) {
  std::vector<std::string> linier;
  SkrivLinielast(linier, "snelast", {}, 24.0);
  EXPECT_EQ(linier, (std::vector<std::string>{"", "Regningsmæssig linielast på åse fra snelast:",
                                              "  Listen er tom."}));
  // Seven changes: a full block of six and a second block of one; the
  // running sums go on across the blocks.
  TLinielastListe l;
  for (int i = 0; i < 7; ++i) TilfoejLinielast(l, i * 1500, 1.25, -0.5);
  linier.clear();
  SkrivLinielast(linier, "g+s+w", l, 24.0);
  ASSERT_EQ(linier.size(), 9u);
  EXPECT_EQ(linier[1], "Regningsmæssig linielast på åse fra g+s+w:");
  EXPECT_EQ(linier[2], "  x (m)         0,00    1,50    3,00    4,50    6,00    7,50    9,00");
  EXPECT_EQ(linier[6], "  x (m)         9,00   24,00");
  EXPECT_EQ(linier[7], "  z-retn (kN/m)    8,750");
}

}  // namespace
}  // namespace kvistor
