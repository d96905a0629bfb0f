#include "design/charnieroptimering.h"

#include <algorithm>
#include <cmath>

#include "common/format.h"
#include "common/tegnsaet.h"
#include "project/talrutiner.h"

namespace kvistor {

namespace {

// The scan computes this many offsets at a time before it looks for its
// end, so that it never runs far past it.
constexpr std::size_t BlokStoerrelse = 64;

}  // namespace

std::string AdvarselLilleCharnierforskydning() {
  std::string t = "Bemærk:";
  for (const std::string& l : DelLinjer(AdvarselCharnForskFelt)) t += " " + l;
  return t;
}

double StyrendeUdnyttelse(const TNoegletal& t) {
  return std::max(t.UGTvaersnitUafrundet, t.UGBeslagUafrundet);
}

bool OverSkalaen(const TNoegletal& t) {
  // As the tables show them: hundredths, so above 9,99 shows as 1.000 %.
  const double graense = StoerstVisteProcent / 100.0 + 1e-9;
  return t.UGTvaersnit > graense && t.UGBeslag > graense;
}

bool BedreCharnierPunkt(const TNoegletal& a, const TNoegletal& b) {
  if (a.NedbojningOk != b.NedbojningOk) return a.NedbojningOk;
  const double sa = StyrendeUdnyttelse(a), sb = StyrendeUdnyttelse(b);
  if (sa != sb) return sa < sb;
  return a.LuMindst > b.LuMindst;
}

bool TCharnierScanning::Kandidat(std::size_t i) const {
  return i < Kurve.size() && Kurve[i].Resultat.Beregnet() &&
         (Kurve[i].ForskydningMm >= FraMm || Regel17 == i);
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

std::int32_t CharnierGraenseMm(const Inddata& ind) {
  // The hinge must lie inside the short end bay and inside a middle bay.
  const double graenseM = std::min(ind.GavlRammeAfst, ind.Rammeafstand);
  if (!(graenseM > 0) || !std::isfinite(graenseM) || graenseM > 1000) return 0;
  return static_cast<std::int32_t>(std::ceil(graenseM * 1000.0 - 1e-6));
}

std::optional<TFladtOptimum> FladtOptimum(const TCharnierScanning& s) {
  const std::optional<std::size_t> v = s.Valgt();
  if (!v) return std::nullopt;
  const double loft = StyrendeUdnyttelse(s.Kurve[*v].Resultat.Tal) + 0.01 + 1e-9;
  auto naer = [&](std::size_t i) {
    return s.Kandidat(i) && s.Kurve[i].Resultat.Tal.NedbojningOk &&
           StyrendeUdnyttelse(s.Kurve[i].Resultat.Tal) <= loft;
  };
  std::size_t fra = *v, til = *v;
  while (fra > 0 && naer(fra - 1)) --fra;
  while (til + 1 < s.Kurve.size() && naer(til + 1)) ++til;
  return TFladtOptimum{s.Kurve[fra].ForskydningMm, s.Kurve[til].ForskydningMm};
}

TCharnierScanning OptimerCharnierforskydning(const Inddata& indtastet, const TSoegeStyring& styring,
                                             const TCharnierValg& valg) {
  TCharnierScanning s;
  s.FraMm = valg.Alle ? 0 : LilleCharnierforskydningMm;
  const std::int32_t skridt = std::max<std::int32_t>(valg.SkridtMm, 1);
  const std::int32_t graense = CharnierGraenseMm(indtastet);
  s.SlutMm = graense;
  std::vector<std::int32_t> forskydninger;
  for (std::int32_t x = 0; x < graense; x += skridt) forskydninger.push_back(x);
  const std::int32_t r17 = Regel17Mm(indtastet);
  if (r17 >= 0 && r17 < graense &&
      !std::binary_search(forskydninger.begin(), forskydninger.end(), r17))
    forskydninger.insert(
        std::lower_bound(forskydninger.begin(), forskydninger.end(), r17), r17);

  // Block by block, each block shared out over the threads; the results
  // land in their own slots, so the curve does not depend on the threads.
  TSoegeStyring blok = styring;
  std::size_t foer = 0;
  const std::size_t ialt = forskydninger.size();
  if (styring.Fremdrift)
    blok.Fremdrift = [&](std::size_t f, std::size_t) { styring.Fremdrift(foer + f, ialt); };
  bool slut = false;
  for (std::size_t start = 0; start < ialt && !slut && !s.Annulleret; start += BlokStoerrelse) {
    const std::size_t n = std::min(BlokStoerrelse, ialt - start);
    std::vector<TCharnierPunkt> punkter(n);
    std::vector<char> regnet(n, 0);  // one byte each: written by several threads
    foer = start;
    s.Annulleret = !KoerParallelt(n, blok, [&](std::size_t i) {
      Inddata ind = indtastet;
      ind.CharnForskStd = 0;
      ind.CharnForsk = forskydninger[start + i] / 1000.0;
      punkter[i] = TCharnierPunkt{forskydninger[start + i], BeregnNoegletal(ind)};
      regnet[i] = 1;
    });
    for (std::size_t i = 0; i < n && !slut; ++i) {
      if (!regnet[i]) continue;  // not reached before the search was stopped
      TCharnierPunkt& p = punkter[i];
      if (!p.Resultat.Beregnet()) {
        s.Slut = TCharnierSlut::Statik;
        s.SlutMm = p.ForskydningMm;
        s.StopBesked = p.Resultat.Besked;
        slut = true;
        break;
      }
      s.Kurve.push_back(std::move(p));
      if (OverSkalaen(s.Kurve.back().Resultat.Tal)) {
        s.Slut = TCharnierSlut::OverSkalaen;
        s.SlutMm = s.Kurve.back().ForskydningMm;
        slut = true;
      }
    }
  }

  std::optional<std::size_t> valgt;
  for (std::size_t i = 0; i < s.Kurve.size(); ++i) {
    // Set before Kandidat asks for it: the 1/7 offset is always a candidate.
    if (s.Kurve[i].ForskydningMm == r17) s.Regel17 = i;
    if (s.Annulleret || !s.Kandidat(i)) continue;
    if (!valgt || BedreCharnierPunkt(s.Kurve[i].Resultat.Tal, s.Kurve[*valgt].Resultat.Tal))
      valgt = i;
  }
  if (valgt) {
    if (s.Kurve[*valgt].Resultat.Tal.AlleOk())
      s.Bedste = valgt;
    else
      s.MindstDaarlige = valgt;
  }
  return s;
}

}  // namespace kvistor
