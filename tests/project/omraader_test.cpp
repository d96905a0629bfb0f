// The physical ranges of the number fields, checked with the field rules
// before every calculation: each bound is kept, and anything beyond it is
// refused with the field and its range.
#include <gtest/gtest.h>

#include <limits>

#include "common/optagende_dialog.h"
#include "project/feltregler.h"
#include "project/inddatafil.h"

namespace kvistor {
namespace {

void Saet(const TFeltRaekke& r, Inddata& d, double v) {
  if (r.Tal) d.*r.Tal = v;
  if (r.Heltal) d.*r.Heltal = static_cast<std::int32_t>(std::min<double>(v, 2147483647.0));
}

TEST(Omraader, GraenseGodtagesOgAltDerOverAfvisesMedFeltOgOmraade) {
  TSkriptetDialog dlg;
  Inddata standard = StartInddataside(KVISTOR_KILDEMAPPE, dlg).Inddata;
  standard.Rammeafstand = standard.GavlRammeAfst = 50;  // room for the largest hinge offset
  standard.NormSneFormFak = 0;  // the elevated snow value is checked when it is in use
  ASSERT_FALSE(FoersteBrudteRegel(standard).has_value());
  int med = 0;
  for (const TFeltRaekke& r : FeltTabel()) {
    if (!r.HarOmraade) continue;
    ++med;
    Inddata d = standard;
    Saet(r, d, r.Tal == &Inddata::CharnForsk ? 49.99 : r.Max);
    EXPECT_FALSE(FoersteBrudteRegel(d).has_value()) << r.Navn;
    for (double over : {r.Max * 1.001 + 1, 1e20, std::numeric_limits<double>::max()}) {
      Saet(r, d, over);
      // A rule that bounds the value from above too speaks first.
      const std::string besked(RegelHolder(r.Regel, FeltVaerdi(r, d)) ? BeskedUdenforOmraade(r)
                                                                       : std::string(r.Besked));
      EXPECT_EQ(FoersteBrudteRegel(d), (TBrudtRegel{r.Kontrol, besked})) << r.Navn << " " << over;
    }
  }
  EXPECT_EQ(med, 22);
  EXPECT_EQ(BeskedUdenforOmraade(FeltRaekke(TKontrol::EditHusBr)),
            "Huskropbredden skal ligge mellem 0 og 500 m.");
  EXPECT_EQ(BeskedUdenforOmraade(FeltRaekke(TKontrol::EditAfstVesterhav)),
            "Afstanden fra Vesterhavet eller Ringkøbing Fjord skal ligge mellem 0 og 1.000 km.");
}

}  // namespace
}  // namespace kvistor
