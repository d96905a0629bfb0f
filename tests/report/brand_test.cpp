// The fire section: Standard.aid at R30 against its golden file, and a
// purlin that burns through, which says so instead of showing utilisations.
#include <gtest/gtest.h>

#include <algorithm>

#include "calculation/projektberegning.h"
#include "common/tegnsaet.h"
#include "common/optagende_dialog.h"
#include "hjaelp/golden.h"
#include "hjaelp/projekt.h"
#include "report/brandafsnit.h"

namespace kvistor {
namespace {

TTekstlinjer Brandafsnit(const Inddata& ind, int minutter, int sider) {
  TSkriptetDialog dlg;
  TProjektbrand b;
  BeregnProjektBrand(b, ind, minutter, sider, dlg);
  const TTekstlinjer l = BygBrandafsnit(b.Brand);
  for (const std::string& linje : l) EXPECT_LE(AntalTegn(linje), 70u) << linje;
  // Only characters the saved report's code page has.
  for (const std::string& linje : l) EXPECT_EQ(Cp1252TilUtf8(Utf8TilCp1252(linje)), linje);
  return l;
}

bool Har(const TTekstlinjer& l, const std::string& linje) {
  return std::find(l.begin(), l.end(), linje) != l.end();
}

TEST(Golden, BrandafsnitStandardR30) {
  test::SammenlignMedGolden("Standard brand R30.txt", Brandafsnit(test::StandardProjekt(), 30, 3));
}

TEST(Brandafsnit, GennembraendtTvaersnitUdenUdnyttelser) {
  Inddata ind = test::StandardProjekt();
  ind.AaseBredde = 45;
  ind.AaseHojde = 145;
  const TTekstlinjer l = Brandafsnit(ind, 60, 4);
  EXPECT_TRUE(Har(l, "  Åsen brænder igennem inden 60 min: der er intet resttværsnit."));
  EXPECT_TRUE(Har(l, "  Kravet R60 er IKKE opfyldt."));
  EXPECT_FALSE(std::any_of(l.begin(), l.end(), [](const std::string& s) {
    return s.rfind("Udnyttelsesgrad", 0) == 0 || s.rfind("  fm,fi", 0) == 0;
  }));
  // A section that holds: the verdict and no burn-through.
  ind.AaseBredde = 150;
  ind.AaseHojde = 300;
  const TTekstlinjer holder = Brandafsnit(ind, 15, 3);
  EXPECT_TRUE(Har(holder, "  Kravet R15 er opfyldt."));
  EXPECT_FALSE(std::any_of(holder.begin(), holder.end(),
                           [](const std::string& s) { return s.find("igennem") != std::string::npos; }));
}

}  // namespace
}  // namespace kvistor
