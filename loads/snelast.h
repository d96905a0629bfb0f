#pragma once
// Snow on the purlins: the snow value of a load case and the snow line-load
// list of the three arrangements Sne(0) (uniform), Sne(1) (alternating,
// starting full) and Sne(2) (alternating, starting with half).
#include <cstdint>

#include "purlin/laster.h"

namespace kvistor {

struct Inddata;
struct TSupplData;
struct TTilfaelde;

enum class TSneFordeling {
  Ingen,  // the case carries no snow
  Sne0,   // uniform
  Sne1,   // alternating bay by bay, the gable overhang full
  Sne2,   // alternating bay by bay, the gable overhang with half
};

// The snow arrangement of load combination lk, letter lt:
// LK 3: b..g Sne(0), h Sne(1), i Sne(2); LK 5: a, j, m, v Sne(0), b, k, n, w
// Sne(1), c Sne(2); LK 11: a Sne(0); LK 14 (fire): a Sne(0), h Sne(1),
// i Sne(2); everything else Ingen.
TSneFordeling SneFordeling(std::int32_t lk, char lt);

// The snow shape factor (kN/m² on the horizontal projection) that the case
// uses: SneFormFak, except that with the elevated value chosen the
// alternating arrangements use the smaller of the elevated and the normal
// value, so an elevated value only ever acts as uniform snow.
double SneFormFakTilfaelde(const Inddata& ind, std::int32_t lk, char lt);

// Characteristic snow line load in kN per m of purlin, vertical, for a strip
// of the given horizontal width in m: bredde · SneFormFakTilfaelde.
double KarakteristiskSnelinie(const Inddata& ind, std::int32_t lk, char lt, double strimmelBredde);

// The snow line-load list of the case from its design snow load sLinie and
// its arrangement; a case without a named arrangement gets uniform snow. In
// the detailed report extent the list is printed into the case's lines with
// the title "snelast".
TLinielastListe BygSnelast(TTilfaelde& tilfaelde, const TSupplData& supp, const Inddata& ind);

}  // namespace kvistor
