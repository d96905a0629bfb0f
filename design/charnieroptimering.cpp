#include "design/charnieroptimering.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/tegnsaet.h"
#include "project/talrutiner.h"

namespace kvistor {

std::string AdvarselLilleCharnierforskydning() {
  std::string t = "Bemærk:";
  for (const std::string& l : DelLinjer(AdvarselCharnForskFelt)) t += " " + l;
  return t;
}

std::int32_t Regel17Mm(const Inddata& ind) {
  // The field is rewritten with two decimals and read back, exactly as the
  // input page does when "Ja" is chosen; whole centimetres give whole mm.
  const double v = ind.Rammeafstand / 7.0;
  if (!std::isfinite(v) || std::fabs(v) > 1e6) return -1;
  const std::optional<double> tal = TolkTal(FormaterFast(v, 2, false)).vaerdi;
  if (!tal) return -1;
  return static_cast<std::int32_t>(std::llround(*tal * 1000.0));
}

bool BedreCharnierPunkt(const TNoegletalResultat& a, const TNoegletalResultat& b) {
  if (!a.Beregnet()) return false;
  if (!b.Beregnet()) return true;
  if (a.Tal.UGTvaersnitUafrundet != b.Tal.UGTvaersnitUafrundet)
    return a.Tal.UGTvaersnitUafrundet < b.Tal.UGTvaersnitUafrundet;
  return a.Tal.UGBeslagUafrundet < b.Tal.UGBeslagUafrundet;
}

TCharnierScanning OptimerCharnierforskydning(const Inddata& indtastet,
                                             const TSoegeStyring& styring,
                                             std::int32_t skridtMm) {
  TCharnierScanning s;
  skridtMm = std::max<std::int32_t>(skridtMm, 1);
  // The hinge must lie inside the short end bay and inside a middle bay.
  const double graenseM = std::min(indtastet.GavlRammeAfst, indtastet.Rammeafstand);
  if (!(graenseM > 0) || !std::isfinite(graenseM) || graenseM > 1000) return s;
  const std::int32_t graense = static_cast<std::int32_t>(std::ceil(graenseM * 1000.0 - 1e-6));

  std::vector<std::int32_t> forskydninger;
  for (std::int32_t x = 0; x < graense; x += skridtMm) forskydninger.push_back(x);
  const std::int32_t r17 = Regel17Mm(indtastet);
  if (r17 >= 0 && r17 < graense &&
      !std::binary_search(forskydninger.begin(), forskydninger.end(), r17))
    forskydninger.insert(
        std::lower_bound(forskydninger.begin(), forskydninger.end(), r17), r17);

  s.Kurve.resize(forskydninger.size());
  std::vector<char> regnet(forskydninger.size(), 0);  // one byte each: written by several threads
  s.Annulleret = !KoerParallelt(forskydninger.size(), styring, [&](std::size_t i) {
    Inddata ind = indtastet;
    ind.CharnForskStd = 0;
    ind.CharnForsk = forskydninger[i] / 1000.0;
    s.Kurve[i] = TCharnierPunkt{forskydninger[i], BeregnNoegletal(ind)};
    regnet[i] = 1;
  });
  if (s.Annulleret) {
    // Only what was computed is kept; no best offset is claimed.
    std::vector<TCharnierPunkt> kurve;
    for (std::size_t i = 0; i < s.Kurve.size(); ++i)
      if (regnet[i]) kurve.push_back(std::move(s.Kurve[i]));
    s.Kurve = std::move(kurve);
  }
  for (std::size_t i = 0; i < s.Kurve.size(); ++i) {
    if (s.Kurve[i].ForskydningMm == r17) s.Regel17 = i;
    if (s.Annulleret || !s.Kurve[i].Resultat.Beregnet()) continue;
    if (!s.Bedste || BedreCharnierPunkt(s.Kurve[i].Resultat, s.Kurve[*s.Bedste].Resultat))
      s.Bedste = i;
  }
  return s;
}

}  // namespace kvistor
