// The physical ranges of the numeric fields, checked with the field rules
// before every calculation.
#include <gtest/gtest.h>

#include <limits>

#include "hjaelp/dialog_fake.h"
#include "project/feltregler.h"
#include "project/inddatafil.h"

namespace kvistor {
namespace {

TEST(TalOmraader, OeversteGraenseGodtagesOgAltDerOverAfvisesMedFeltOgOmraade) {
  TSkriptetDialog dlg;
  const Inddata standard = StartInddataside(KVISTOR_KILDEMAPPE, dlg).Inddata;
  ASSERT_FALSE(FoersteBrudteRegel(standard).has_value());
  for (const TTalOmraade& o : TalOmraader) {
    Inddata d = standard;
    d.Rammeafstand = d.GavlRammeAfst = 50;  // room for the largest hinge offset
    d.*o.felt = o.felt == &Inddata::CharnForsk ? 49.99 : o.max;
    EXPECT_FALSE(FoersteBrudteRegel(d).has_value()) << o.navn;
    for (double over : {o.max * 1.001, 1e20, std::numeric_limits<double>::max()}) {
      d.*o.felt = over;
      EXPECT_EQ(FoersteBrudteRegel(d), BeskedUdenforOmraade(o)) << o.navn << " " << over;
    }
  }
  EXPECT_EQ(BeskedUdenforOmraade(TalOmraader[0]), "Huskropbredden skal ligge mellem 0 og 500 m.");
  EXPECT_EQ(BeskedUdenforOmraade(TalOmraader[12]),
            "Afstanden fra Vesterhavet eller Ringkøbing Fjord skal ligge mellem 0 og 1.000 km.");
}

}  // namespace
}  // namespace kvistor
