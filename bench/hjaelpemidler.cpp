// The design aids on the shipped default project (8 bays) and on the same
// project stretched to 40 bays: the lean whole-project calculation they
// repeat (and the window's live-verdict strip runs after every change), the
// joint check of another hanger on a finished run, the section search, the
// hinge-offset scan and the joint search of section, hanger and offset over
// all strength classes, each on 1 and 2 threads.
#include <benchmark/benchmark.h>

#include <string>

#include "design/aaseoptimering.h"
#include "design/charnieroptimering.h"
#include "design/domstrimmel.h"
#include "design/noegletal.h"
#include "design/tvaersnitssoegning.h"
#include "common/optagende_dialog.h"
#include "bench/standardprojekt.h"
#include "project/katalog.h"

namespace {

using namespace kvistor;

Inddata MedFag(int fag) {
  Inddata ind = StandardInddata();
  ind.AntalFag = fag;
  return ind;
}

// Arg: bays.
void BM_Noegletal(benchmark::State& state) {
  const Inddata ind = MedFag(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const TNoegletalResultat r = BeregnNoegletal(ind);
    if (!r.Beregnet()) state.SkipWithError("beregningen blev ikke gennemført");
    benchmark::DoNotOptimize(r.Tal.UGTvaersnit);
  }
  state.SetItemsProcessed(state.iterations());  // calculations per second
}
BENCHMARK(BM_Noegletal)->Arg(8)->Arg(40)->Unit(benchmark::kMicrosecond);

// The joint check of every fitting hanger after one run. Arg: bays.
void BM_Beslagskift(benchmark::State& state) {
  Inddata ind = MedFag(static_cast<int>(state.range(0)));
  const std::vector<int> beslag = PassendeBeslag(ind);
  ind.Beslag = beslag.front();
  TBeslagGrundlag g;
  const TNoegletalResultat r = BeregnNoegletal(ind, &g);
  for (auto _ : state)
    for (int b : beslag) benchmark::DoNotOptimize(NoegletalMedBeslag(r.Tal, g, b));
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(beslag.size()));
}
BENCHMARK(BM_Beslagskift)->Arg(8)->Arg(40)->Unit(benchmark::kMicrosecond);

// Args: all classes (0/1), threads.
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
BENCHMARK(BM_Tvaersnitssoegning)->Args({0, 1})->Args({0, 2})->Args({1, 1})->Args({1, 2})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

// Arg: threads.
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

// The joint search over all strength classes. Args: bays, threads.
void BM_Aaseoptimering(benchmark::State& state) {
  const Inddata ind = MedFag(static_cast<int>(state.range(0)));
  TAaseValg valg;
  valg.AlleKlasser = true;
  TSoegeStyring styring;
  styring.Traade = static_cast<int>(state.range(1));
  std::size_t beregninger = 0;
  for (auto _ : state) {
    const TAaseOptimering o = FindBilligsteAas(ind, valg, styring);
    if (o.Bestaaede.empty()) state.SkipWithError("ingen variant består");
    beregninger += o.AntalBeregninger;
    benchmark::DoNotOptimize(o.Bestaaede.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(beregninger));
}
BENCHMARK(BM_Aaseoptimering)->Args({8, 1})->Args({8, 2})->Args({40, 1})->Args({40, 2})
    ->Unit(benchmark::kMillisecond)->UseRealTime();

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
