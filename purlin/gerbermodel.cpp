#include "purlin/gerbermodel.h"

#include <cmath>
#include <limits>

#include "common/afrunding.h"
#include "purlin/understoetninger.h"

namespace kvistor {

namespace {

constexpr std::int64_t MaksMm = std::numeric_limits<std::int32_t>::max();

// A length in m as mm when it is a finite, non-negative length that fits the
// integer positions.
bool LaengdeMm(double meter, std::int64_t& mm) {
  if (!std::isfinite(meter) || meter < 0 || meter * 1000.0 > static_cast<double>(MaksMm))
    return false;
  mm = TilMm(meter);
  return mm <= MaksMm;
}

}  // namespace

bool BestemLaengdeLayout(TSupplData& sd, const Inddata& ind) {
  sd.NormFag = sd.GavlFag = sd.CharnForskMm = sd.GavlUdhMm = 0;
  sd.LAas = sd.xRamme1 = sd.xRammeN = 0;
  sd.LKE = sd.LMF = sd.LLE = 0;

  std::int64_t normFag, gavlFag, charnForsk, gavlUdh;
  if (ind.AntalFag < 2 || ind.AntalFag > MaksFagIUnderstoetninger ||
      !LaengdeMm(ind.Rammeafstand, normFag) || !LaengdeMm(ind.GavlRammeAfst, gavlFag) ||
      !LaengdeMm(ind.CharnForsk, charnForsk) || !LaengdeMm(ind.GavlUdh, gavlUdh))
    return false;
  // In 64 bits: a long building must be refused, not wrap round.
  const std::int64_t lAas = (static_cast<std::int64_t>(ind.AntalFag) - 2) * normFag +
                            2 * (gavlUdh + gavlFag);
  if (lAas > MaksMm) return false;

  sd.NormFag = static_cast<std::int32_t>(normFag);
  sd.GavlFag = static_cast<std::int32_t>(gavlFag);
  sd.CharnForskMm = static_cast<std::int32_t>(charnForsk);
  sd.GavlUdhMm = static_cast<std::int32_t>(gavlUdh);
  sd.LAas = static_cast<std::int32_t>(lAas);
  sd.xRamme1 = sd.GavlUdhMm + sd.GavlFag;
  sd.xRammeN = sd.LAas - sd.GavlUdhMm - sd.GavlFag;
  sd.LKE = sd.GavlFag - sd.CharnForskMm;
  sd.LMF = sd.NormFag - sd.CharnForskMm;
  sd.LLE = sd.GavlFag;
  return true;
}

double FlytFaktor(double aaseHojde, double aaseBredde, double h3Beslag) {
  double e = (aaseHojde - h3Beslag) / 2.0 - 10.0;
  if (e < 0) e = 0;
  if (aaseBredde == 0) return 0;
  return e / aaseBredde;
}

void BestemTvaersnitsvaerdier(TSupplData& sd, const Inddata& ind, double h3Beslag) {
  sd.FlytFaktor = FlytFaktor(ind.AaseHojde, ind.AaseBredde, h3Beslag);
  sd.A = ind.AaseHojde * ind.AaseBredde;
  sd.Wy = ind.AaseHojde * sd.A / 6.0;
  sd.Wz = ind.AaseBredde * sd.A / 6.0;
  sd.Iy = ind.AaseHojde * sd.Wy / 2.0;
}

std::int32_t ForsteCharnier(const TSupplData& sd) { return sd.xRamme1 - sd.CharnForskMm; }

std::int32_t SidsteCharnier(const TSupplData& sd) { return sd.xRammeN - sd.CharnForskMm; }

int FagTypeVedCharnierer(const TSupplData& sd, double x) {
  if (x < ForsteCharnier(sd)) return 1;
  if (x > SidsteCharnier(sd)) return 3;
  return 2;
}

int FagTypeVedRammer(const TSupplData& sd, std::int32_t x) {
  if (x < sd.xRamme1) return 1;
  if (x >= sd.xRammeN) return 3;
  return 2;
}

int CharnierType(const TSupplData& sd, std::int32_t x) {
  if (x == ForsteCharnier(sd)) return 1;
  if (x == SidsteCharnier(sd)) return 3;
  return 2;
}

const char* FagTypeNavn(int type) {
  switch (type) {
    case 1: return "KE";
    case 2: return "MF";
    case 3: return "LE";
    default: return "";
  }
}

}  // namespace kvistor
