// The fire check: Standard.aid at R30 worked by hand, a section that burns
// through, the achieved resistance at its boundary, and the forces taken
// once and put on the residual section against the statics run on it.
#include <cmath>

#include <gtest/gtest.h>

#include "calculation/brandkontrol.h"
#include "calculation/tvaersnit_byg.h"
#include "common/optagende_dialog.h"
#include "hjaelp/naer.h"
#include "hjaelp/projekt.h"
#include "loads/lastkombinationer.h"
#include "purlin/lastkombinationsarter.h"

namespace kvistor {
namespace {

TBrandResultat Brand(const Inddata& ind, int minutter, int sider = 3) {
  TSupplData sd;
  BestemTvaersnit(ind, sd);
  TSkriptetDialog dlg;
  TBrandResultat r = BeregnBrand(ind, sd, minutter, sider, dlg);
  EXPECT_TRUE(dlg.kald.empty());
  return r;
}

// Standard.aid: C24, 100 × 225 mm, frames 6 m, gable bays 6 m with 0,5 m
// overhang, hinges 0,86 m left of the frames, 20°, purlin spacing 1,2 m,
// fibre-cement 0,20 kN/m², snow 0,80 kN/m². R30, fire on 3 sides.
TEST(Brand, StandardprojektetR30RegnetIHaanden) {
  const TBrandResultat r = Brand(test::StandardProjekt(), 30);
  ASSERT_EQ(r.Udfald, TBeregningsUdfald::Gennemfoert);
  const TBrandTvaersnit& s = r.Tvaersnit;
  // def = βn·t + k0·d0 = 0,8·30 + 1·7 = 31 mm; bfi = 100 − 2·31 = 38 mm,
  // hfi = 225 − 31 = 194 mm.
  EXPECT_NAER(s.def, 31.0);
  EXPECT_NAER(s.bfi, 38.0);
  EXPECT_NAER(s.hfi, 194.0);
  // λ = √(1000·6·194)·0,064/38 = 1,8171 > 1,4, so kcr,fi = 1/λ² = 0,30287;
  // fm,fi = 1,25·24·kcr,fi = 9,0863 MPa; fv,fi = 1,25·0,67·4,0 = 3,35 MPa.
  const double lambda = std::sqrt(1000.0 * 6 * 194) * 0.064 / 38;
  const double fmfi = 1.25 * 24 / (lambda * lambda);
  EXPECT_NAER(s.kcrfi, 0.302869, 1e-5);
  EXPECT_NAER(s.fmfi, fmfi);
  EXPECT_NAER(s.fvfi, 3.35);

  // The short end bay is governed by LK 14 "a", uniform load: the first
  // piece runs from the purlin end over the gable support (0,5 m) to the
  // first hinge (0,5 + 6,0 − 0,86 = 5,64 m), where its moment is zero. Its
  // largest moment lies where the shear vanishes, x0 = 5,64²/(2·5,14) from
  // the end: M = q·x0·(x0/2 − 0,5), both about y and z.
  const double x0 = 5.64 * 5.64 / (2 * 5.14);  // 3,0943 m
  const double mPrQ = x0 * (x0 / 2 - 0.5);      // 3,2402 m²
  // q, vertical: 1,0 g + 0,2 s on the strip 1,2·cos 20° = 1,1276 m wide;
  // dead load 0,20 + 0,225·0,1·5/1,2 = 0,29375 kN/m² on the sloped 1,2 m;
  // snow 0,80 kN/m² on the horizontal width.
  const double v = 20 * 3.14159265358979 / 180;
  const double q = 1.2 * 0.29375 + 0.2 * 0.80 * 1.2 * std::cos(v);  // 0,5329 kN/m
  const double My = mPrQ * q * std::cos(v), Mz = mPrQ * q * std::sin(v);
  const double Wy = 38.0 * 194 * 194 / 6, Wz = 194.0 * 38 * 38 / 6;
  const double sy = My * 1e6 / Wy, sz = Mz * 1e6 / Wz;  // 6,81 and 12,65 MPa
  const double ug = (sz > sy ? 0.7 * sy + sz : sy + 0.7 * sz) / fmfi;  // 1,917
  EXPECT_NAER(r.Boejning[1].Uafrundet, ug, 1e-9);
  EXPECT_EQ(r.Boejning[1].Vaerdi, 1.92);
  EXPECT_EQ(r.Boejning[1].LK, 14);
  EXPECT_EQ(r.Boejning[1].LT, 'a');
  EXPECT_EQ(r.Boejning[1].Aas, 2);
  EXPECT_FALSE(r.KravOpfyldt());
  EXPECT_EQ(r.AntalTilfaelde, 15);
}

// 45 × 145 mm in fire from 4 sides: after 60 min def = 55 mm, more than half
// the width and the depth. The check fails without utilisations.
TEST(Brand, LilleTvaersnitBraenderIgennemVedR60) {
  Inddata ind = test::StandardProjekt();
  ind.AaseBredde = 45;
  ind.AaseHojde = 145;
  for (int sider : {3, 4}) {
    const TBrandResultat r = Brand(ind, 60, sider);
    ASSERT_EQ(r.Udfald, TBeregningsUdfald::Gennemfoert);
    EXPECT_TRUE(r.Tvaersnit.Gennembraendt());
    EXPECT_NAER(r.Tvaersnit.bfi, 45 - 110.0);
    EXPECT_NAER(r.Tvaersnit.hfi, sider == 4 ? 145 - 110.0 : 145 - 55.0);
    EXPECT_FALSE(r.KravOpfyldt());
    EXPECT_EQ(r.Boejning[2].LK, 0);
    // 1,3 mm of width are left after 19 minutes (def = 0,8·19 + 0,95·7 =
    // 21,85 mm), none after 20 (def = 23 mm).
    EXPECT_LE(r.OpnaaetMinutter, 19);
  }
}

// The achieved resistance is where the requirement stops being met: t
// passes, t + 1 does not; both runs agree on t.
TEST(Brand, OpnaaetModstandMellemTOgTPlusEn) {
  const struct {
    double h, b;
    int sider;
  } tvaersnit[] = {{225, 100, 3}, {300, 150, 3}, {300, 150, 4}};
  for (const auto& tv : tvaersnit) {
    Inddata ind = test::StandardProjekt();
    ind.AaseHojde = tv.h;
    ind.AaseBredde = tv.b;
    const int t = Brand(ind, 1, tv.sider).OpnaaetMinutter;
    SCOPED_TRACE(t);
    ASSERT_GT(t, 0);
    ASSERT_LT(t, BrandVaerdier.MaksMinutter);
    const TBrandResultat holder = Brand(ind, t, tv.sider), svigter = Brand(ind, t + 1, tv.sider);
    EXPECT_TRUE(holder.KravOpfyldt());
    EXPECT_FALSE(svigter.KravOpfyldt());
    EXPECT_EQ(holder.OpnaaetMinutter, t);
    EXPECT_EQ(svigter.OpnaaetMinutter, t);
    // At t every utilisation is at most 100 %; at t + 1 one is above it, or
    // the section is gone.
    for (int fag = 1; fag <= 3; ++fag) {
      EXPECT_LE(holder.Boejning[fag].Vaerdi, 1.0);
      EXPECT_LE(holder.Forskydning[fag].Vaerdi, 1.0);
    }
    bool over = svigter.Tvaersnit.Gennembraendt();
    for (int fag = 1; fag <= 3; ++fag)
      over = over || svigter.Boejning[fag].Vaerdi > 1.0 || svigter.Forskydning[fag].Vaerdi > 1.0;
    EXPECT_TRUE(over);
  }
}

// The forces of each fire case taken once and put on the residual section
// give exactly the stresses of the statics run on that section, for every
// case and bay type, on a pitched roof with y-forces and on the flat one.
TEST(Brand, UdtraekPaaResttvaersnitGiverStatikkensSpaendinger) {
  for (const char* fil : {"", "flad_uden_gavludhaeng.aid", "forhojet_sne_limtrae.aid"}) {
    SCOPED_TRACE(fil);
    const Inddata ind = *fil ? test::LaesProjekt(std::filesystem::path(KVISTOR_TESTDATA) / fil)
                             : test::StandardProjekt();
    TSupplData sd;
    BestemTvaersnit(ind, sd);
    const TBrandTvaersnit s = BestemBrandTvaersnit(ind, 15, 3);
    ASSERT_FALSE(s.Gennembraendt());
    TSupplData rest = sd;
    rest.A = s.A;
    rest.Wy = s.Wy;
    rest.Wz = s.Wz;
    TSkriptetDialog dlg;
    TBeregning ber;
    ASSERT_TRUE(ForberedBeregning(ber, ind, sd, dlg));
    int antal = 0;
    for (int aas = 1; aas <= 3; ++aas)
      for (const TBrandKombination& k : BrandKombinationer)
        for (char lt = 'a'; lt <= 'x'; ++lt) {
          if (!TilfaeldeFindes(aas, k.LK, lt)) continue;
          ++antal;
          TTilfaelde paaHel, paaRest;
          TSnitUdtraek u;
          BygTilfaelde(paaHel, aas, k.LK, lt, ind, sd);
          ASSERT_TRUE(BeregnTilfaelde(ber, paaHel, ind, sd, dlg, nullptr, false, &u));
          const std::size_t foer = u.Momenter.size();
          ReducerSnitUdtraek(u);
          EXPECT_LE(u.Momenter.size(), foer);
          BygTilfaelde(paaRest, aas, k.LK, lt, ind, rest);
          ASSERT_TRUE(BeregnTilfaelde(ber, paaRest, ind, rest, dlg, nullptr, false));
          EXPECT_EQ(paaRest.kmod, 1.0);
          for (int fag = 1; fag <= 3; ++fag) {
            EXPECT_EQ(BrandUdnyttelseBoejning(u, fag, s), paaRest.FagRes[fag].SigmaMax / s.fmfi);
            EXPECT_EQ(BrandUdnyttelseForskydning(u, fag, s), paaRest.FagRes[fag].TauMax / s.fvfi);
          }
        }
    EXPECT_EQ(antal, 15);
    EXPECT_TRUE(dlg.kald.empty());
  }
}

TEST(Brand, KravUdenforEtTilHundredeTyveMinutterAfvises) {
  TSupplData sd;
  const Inddata ind = test::StandardProjekt();
  BestemTvaersnit(ind, sd);
  for (int t : {0, -30, 121}) {
    TSkriptetDialog dlg;
    EXPECT_EQ(BeregnBrand(ind, sd, t, 3, dlg).Udfald, TBeregningsUdfald::Afvist);
    ASSERT_EQ(dlg.kald.size(), 1u);
    EXPECT_EQ(dlg.kald[0].tekst, TekstBrandMinutter);
  }
  // Refused as the ordinary run is: no hardware.
  Inddata udenBeslag = ind;
  udenBeslag.Beslag = -1;
  TSkriptetDialog dlg;
  EXPECT_EQ(BeregnBrand(udenBeslag, sd, 30, 3, dlg).Udfald, TBeregningsUdfald::Afvist);
  ASSERT_EQ(dlg.kald.size(), 1u);
  EXPECT_EQ(dlg.kald[0].tekst, TekstIntetBeslag);
}

}  // namespace
}  // namespace kvistor
