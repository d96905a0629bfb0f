// The whole calculation run (all load cases of the three purlins, deflections
// and rankings) on the shipped default project of 8 bays in both report
// extents, and on the same project stretched to 40, 400 and 4000 bays: the
// cost must stay well under a millisecond for a real hall and grow about
// linearly with the number of bays.
#include <benchmark/benchmark.h>

#include <string>

#include "common/optagende_dialog.h"
#include "calculation/tvaersnit_byg.h"
#include "bench/standardprojekt.h"
#include "calculation/beregning.h"

namespace {

using namespace kvistor;

void Koer(benchmark::State& state, const Inddata& ind) {
  TSupplData sd;
  BestemTvaersnit(ind, sd);
  TSkriptetDialog dlg;
  TBeregning b;
  for (auto _ : state) {
    const TBeregningsUdfald u = BeregnAlleTilfaelde(b, ind, sd, dlg);
    if (u != TBeregningsUdfald::Gennemfoert) state.SkipWithError("beregningen blev ikke gennemført");
    benchmark::DoNotOptimize(b.Dimensionsgivende[0][2].data());
  }
}

void BM_Standardprojekt(benchmark::State& state) {
  Inddata ind = StandardInddata();
  ind.RappOmfang = static_cast<std::int32_t>(state.range(0));
  Koer(state, ind);
}
// 0 "Normalt", 1 "Detaljeret".
BENCHMARK(BM_Standardprojekt)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_AntalFag(benchmark::State& state) {
  Inddata ind = StandardInddata();
  ind.AntalFag = static_cast<std::int32_t>(state.range(0));
  Koer(state, ind);
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AntalFag)->Arg(40)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
