// The design aids on the shipped default project: the lean whole-project
// calculation they repeat (and the window's live-verdict strip runs after
// every change), the section search of one strength class and of all
// classes, and the hinge-offset scan, each on 1 and 2 threads.
#include <benchmark/benchmark.h>

#include <string>

#include "design/charnieroptimering.h"
#include "design/domstrimmel.h"
#include "design/noegletal.h"
#include "design/tvaersnitssoegning.h"
#include "common/optagende_dialog.h"
#include "bench/standardprojekt.h"

namespace {

using namespace kvistor;

void BM_Noegletal(benchmark::State& state) {
  const Inddata ind = StandardInddata();
  for (auto _ : state) {
    const TNoegletalResultat r = BeregnNoegletal(ind);
    if (!r.Beregnet()) state.SkipWithError("beregningen blev ikke gennemført");
    benchmark::DoNotOptimize(r.Tal.UGTvaersnit);
  }
  state.SetItemsProcessed(state.iterations());  // calculations per second
}
BENCHMARK(BM_Noegletal)->Unit(benchmark::kMicrosecond);

void BM_Tvaersnitssoegning(benchmark::State& state) {
  const Inddata ind = StandardInddata();
  TSoegeStyring styring;
  styring.Traade = static_cast<int>(state.range(1));
  std::size_t beregninger = 0;
  for (auto _ : state) {
    const TTvaersnitsSoegning s = FindMindsteTvaersnit(ind, state.range(0) != 0, styring);
    beregninger += s.AntalBeregninger;
    benchmark::DoNotOptimize(s.Bestaaede.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(beregninger));
}
// Args: all classes (0/1), threads.
BENCHMARK(BM_Tvaersnitssoegning)->Args({0, 1})->Args({0, 2})->Args({1, 1})->Args({1, 2})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_Charnierscanning(benchmark::State& state) {
  const Inddata ind = StandardInddata();
  TSoegeStyring styring;
  styring.Traade = static_cast<int>(state.range(0));
  std::size_t punkter = 0;
  for (auto _ : state) {
    const TCharnierScanning s = OptimerCharnierforskydning(ind, styring);
    punkter += s.Kurve.size();
    benchmark::DoNotOptimize(s.Bedste);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(punkter));
}
BENCHMARK(BM_Charnierscanning)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

// A field leave on the input-page model followed by the live strip: what the
// user waits for between leaving the width field and seeing the verdicts.
void BM_FeltOgDomStrimmel(benchmark::State& state) {
  TSkriptetDialog dlg;
  TInddataside side = StartInddataside(std::string(KVISTOR_KILDEMAPPE) + "/", dlg);
  bool smal = false;
  for (auto _ : state) {
    smal = !smal;
    Indtast(side, TKontrol::EditAaseBredde, smal ? "75" : "100", dlg);
    const TDomStrimmel s = OpdaterDomStrimmel(side);
    benchmark::DoNotOptimize(s.Felter[0].Ok);
    dlg.kald.clear();
  }
}
BENCHMARK(BM_FeltOgDomStrimmel)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
