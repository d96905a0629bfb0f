// The report head's time stamp and the dead-load lines of the assumptions,
// where the golden projects do not reach: a layer without load, a material
// name longer than its column.
#include <gtest/gtest.h>

#include <algorithm>

#include "faelles/tegnsaet.h"
#include "purlin/suppldata.h"
#include "report/forklaring.h"
#include "report/hoved.h"

namespace kvistor {
namespace {

TEST(Hoved, TidspunktMedForanstilledeNuller) {
  Inddata d = StartInddata();
  d.Medarb = "ÅBJ";
  TTekstlinjer r;
  SkrivHoved(r, BygRapportHoved(d, "Tegnestue A/S", TTidspunkt{2026, 1, 2, 3, 4, 5}));
  ASSERT_EQ(r.size(), 9u);
  EXPECT_EQ(r[7], "Beregnet:          2026-01-02,03:04:05 af ÅBJ");
}

// The dead-load block, from "  Egenlast:" to the total.
TTekstlinjer Egenlast(const Inddata& d, const TValgteNavne& navne) {
  TSupplData sd;
  sd.AaseEgenlast = 0.0625;
  sd.EgenlastIalt = 0.25;
  TTekstlinjer r;
  BygForudsaetninger(r, d, sd, navne);
  const auto fra = std::find(r.begin(), r.end(), "  Egenlast:");
  const auto til = std::find_if(fra, r.end(), [](const std::string& s) {
    return s.rfind("    I alt", 0) == 0;
  });
  return til == r.end() ? TTekstlinjer{} : TTekstlinjer(fra, til + 1);
}

TEST(Forudsaetninger, TagdaekningAltidOevrigeLagKunMedLast) {
  Inddata d = StartInddata();
  d.EL3 = 0.12;
  TValgteNavne navne;
  navne.lag = {"", "Bølgeplader af stål eller aluminium", "Intet", "400 mm mineraluld", "Intet"};
  EXPECT_EQ(Egenlast(d, navne),
            (TTekstlinjer{
                "  Egenlast:",
                "    tagdækning    :    Bølgeplader af stål eller aluminium  0,00 kN/m²",
                "    isolering     :                      400 mm mineraluld  0,12 kN/m²",
                "    åse           :                                         0,06 kN/m²",
                "    I alt         :                                         0,25 kN/m²"}));

  // Layers 2 and 4 with a load keep their line whatever their name; a name
  // longer than its 38 places is never cut, the line grows.
  d.EL1 = 0.05;
  d.EL2 = 0.01;
  d.EL4 = 0.18;
  navne.lag[1] = "Tagpap på 25 mm rupløjede brædder og lægter";  // 43 characters
  const auto l = Egenlast(d, navne);
  ASSERT_EQ(l.size(), 7u);
  EXPECT_EQ(l[1], "    tagdækning    : Tagpap på 25 mm rupløjede brædder og lægter  0,05 kN/m²");
  EXPECT_EQ(AntalTegn(l[1]), 75u);
  EXPECT_EQ(l[2], "    undertag      :                                  Intet  0,01 kN/m²");
  EXPECT_EQ(l[4], "    loftbeklædning:                                  Intet  0,18 kN/m²");
}

}  // namespace
}  // namespace kvistor
