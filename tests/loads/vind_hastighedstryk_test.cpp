// Peak velocity pressures of the wind and the terrain summary line.
#include <gtest/gtest.h>

#include "hjaelp/naer.h"
#include "loads/hastighedstryk.h"
#include "project/inddata.h"
#include "purlin/suppldata.h"

namespace kvistor {
namespace {

TEST(VindHastighedstryk, BasisHastighedstrykFoelgerAfstandenTilVesterhavet) {
  // vb = 24 + 0,12·(25 − d); qb = 0,625·vb²/1000 (hand calculation).
  EXPECT_NAER(BasisHastighedstryk(10), 0.416025);   // vb = 25,8 m/s
  EXPECT_NAER(BasisHastighedstryk(25), 0.36);       // vb = 24 m/s
  EXPECT_NAER(BasisHastighedstryk(100), 0.36);      // clamped to 25 km
  EXPECT_NAER(BasisHastighedstryk(0), 0.455625);    // vb = 27 m/s at the coast
  EXPECT_NAER(BasisHastighedstryk(-3), 0.455625);   // clamped to 0 km
}

TEST(VindHastighedstryk, VaerdierneForDeFireTerraenkategorier) {
  // Worked values for 10 km and a reference height of 6,0 m (given to three
  // decimals), the internal value with peak factor 1,5.
  struct {
    int kat;
    double qku, qki;
  } const tabel[] = {{0, 1.027, 0.721}, {1, 0.848, 0.560}, {2, 0.578, 0.347}, {3, 0.489, 0.279}};
  for (const auto& r : tabel) {
    SCOPED_TRACE(r.kat);
    const double qku = Hastighedstryk(r.kat, 3.5, 1.0, 6.0, 10);
    const double qki = Hastighedstryk(r.kat, 1.5, 1.0, 6.0, 10);
    EXPECT_NAER(qku, r.qku, 1e-3);
    EXPECT_NAER(qki, r.qki, 2e-3);
    EXPECT_LT(qki, qku);
  }
}

TEST(VindHastighedstryk, HoejdeOgKategoriHoldesIndenForTabellen) {
  auto q = [](int kat, double z) { return Hastighedstryk(kat, 3.5, 1.0, z, 10); };
  // Category IV: every building lower than 10 m gets the pressure of 10 m.
  EXPECT_NAER(q(3, 6.0), q(3, 10.0));
  EXPECT_NAER(q(3, 0.0), q(3, 10.0));
  EXPECT_LT(q(3, 10.0), q(3, 12.0));
  EXPECT_NAER(q(0, 0.5), q(0, 1.0));  // category I: zmin = 1 m
  // A project file may hold any category number; it must not read past the
  // table.
  EXPECT_NAER(q(7, 6.0), q(3, 6.0));
  EXPECT_NAER(q(-1, 6.0), q(0, 6.0));
}

TEST(VindHastighedstryk, BestemHastighedstrykSkriverOpsummeringslinien) {
  Inddata ind;
  ind.TerrKat = 1;
  ind.AfstVesterhav = 10;
  ind.RappOmfang = 1;
  TSupplData s;
  s.HRef = 6.0;
  BestemHastighedstryk(ind, s);
  EXPECT_EQ(s.TerrKatLinie, "Terrænkategori: II Land => qku = 0,85 kN/m2; qki = 0,56 kN/m2");

  // The normal report extent computes the pressures but keeps the line.
  ind.RappOmfang = 0;
  ind.TerrKat = 0;
  s.TerrKatLinie = "uændret";
  BestemHastighedstryk(ind, s);
  EXPECT_EQ(s.TerrKatLinie, "uændret");
  EXPECT_NAER(s.qku, 1.027, 1e-3);
}

}  // namespace
}  // namespace kvistor
