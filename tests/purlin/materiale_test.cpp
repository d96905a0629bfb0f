// Strength classes, partial factors, kmod, kcr and the utilisations.
#include <gtest/gtest.h>

#include "hjaelp/naer.h"
#include "purlin/statik_hjaelp.h"
#include "purlin/traemateriale.h"

namespace kvistor {
namespace {

TEST(Kcr, EksemplerOgGraenser) {
  // C24, 200 × 50, frames 6 m: λ = √1 200 000·0.064/50 = 1.4022 > 1.4, so
  // kcr = 1/λ² = 0.5086 (worked example).
  const double lambda = std::sqrt(1.2e6) * 0.064 / 50;
  EXPECT_NAER(Kcr(test::EksempelInddata()), 1 / (lambda * lambda));
  EXPECT_NEAR(Kcr(test::EksempelInddata()), 0.509, 5e-4);
  EXPECT_EQ(KcrAfSlankhed(0.75), 1.0);
  EXPECT_NAER(KcrAfSlankhed(0.75000001), 1.56 - 0.75 * 0.75000001);
  EXPECT_NAER(KcrAfSlankhed(1.4), 1.56 - 1.05);  // 0.51, still the straight line
  EXPECT_NAER(KcrAfSlankhed(2.0), 0.25);
  EXPECT_EQ(KipSlankhed(6.0, 200, 0, 0.064), 1000.0);  // no width
}

TEST(Kmod, AnvendelsesklasserOgVarighed) {
  EXPECT_NAER(Kmod(2, 3), 0.70);  // service class 3, short-term
  EXPECT_NAER(Kmod(1, 5), 1.10);  // service class 2, instantaneous
  EXPECT_NAER(Kmod(0, 1), 0.60);
  for (int LK = 10; LK <= 12; ++LK)
    for (int a = 0; a <= 2; ++a) EXPECT_EQ(Kmod(a, LK), 1.0);
  EXPECT_EQ(LastVarighedsKlasse(13), 0);
}

TEST(Materialevaerdier, KlasserOgPartialkoefficienter) {
  // Glulam: 1.30 for the member, the hardware keeps 1.35.
  for (int s = 0; s <= 2; ++s) {
    EXPECT_EQ(GammaM(s, 5), 1.30);
    EXPECT_EQ(GammaM(s, 2), 1.35);
    EXPECT_EQ(GammaMBeslag(s), 1.35);
  }
  EXPECT_STREQ(StyrkeKlasseData(99).Navn, "GL32c");  // a damaged index stays in the table
  EXPECT_STREQ(StyrkeKlasseData(-1).Navn, "C14");

  Inddata ind = test::EksempelInddata();
  TSupplData sd = test::EksempelSupplData(ind);
  EXPECT_NAER(sd.fmd, 24.0 * sd.kcr / 1.35);  // kcr is in fmd
  EXPECT_NAER(sd.fvd, 4.0 / 1.35);
  EXPECT_NAER(sd.EIy, 11000.0 * 200.0 * 200 * 10000 / 12);
  ind.StyrkeKlasse = 4;  // GL24c
  BestemMaterialevaerdier(sd, ind);
  EXPECT_EQ(sd.GammaM, 1.30);
  EXPECT_EQ(sd.GammaMBeslag, 1.35);
  EXPECT_NAER(sd.fvd, 2.2 / 1.30);
}

TEST(Udnyttelser, BoejningOgForskydning) {
  const TSupplData sd = test::EksempelSupplData(test::EksempelInddata());
  TTilfaelde tilf;
  tilf.LK = 3;
  SaetKmod(tilf, sd, 1);
  EXPECT_NAER(tilf.fmkd, sd.fmd * 0.9);
  EXPECT_NAER(tilf.fvkd, sd.fvd * 0.9);
  tilf.FagRes[2].SigmaMax = tilf.fmkd;  // exactly at the strength: 100 %
  tilf.FagRes[2].TauMax = tilf.fvkd / 2;
  BestemUdnyttelser(tilf);
  EXPECT_NAER(tilf.FagRes[2].UGBoej, 1.0);
  EXPECT_NAER(tilf.FagRes[2].UGForsk, 0.5);
  EXPECT_EQ(tilf.FagRes[1].UGBoej, 0.0);
}

}  // namespace
}  // namespace kvistor
