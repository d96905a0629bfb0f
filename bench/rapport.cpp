// The whole report command in-process: Standard.aid read into the input
// pages, the field rules, the working record, all load cases, the rankings
// and every report section. Both report extents.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "common/optagende_dialog.h"
#include "project/inddatafil.h"
#include "project/inddataside.h"
#include "report/visresultat.h"

namespace {

using namespace kvistor;

void Rapport(benchmark::State& state) {
  TSkriptetDialog dlg;
  TInddataside side = NyInddataside();
  const auto fil = (std::filesystem::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();
  if (AabnProjekt(fil, side, dlg, {.KunFejl = true}) != TProjektLaesning::Laest) {
    state.SkipWithError("Standard.aid kan ikke læses");
    return;
  }
  side.Inddata.RappOmfang = static_cast<int>(state.range(0));
  const TFastUr ur(TTidspunkt{2026, 3, 1, 14, 5, 0});
  std::size_t linjer = 0;
  for (auto _ : state) {
    TRapportResultat r;
    if (BeregnRapport(r, side.Inddata, dlg, ur, "Firma") != TRapportUdfald::Bygget) {
      state.SkipWithError("beregningen blev ikke gennemført");
      return;
    }
    linjer = r.Rapport.size();
    benchmark::DoNotOptimize(r);
  }
  state.counters["linjer"] = static_cast<double>(linjer);
}

// Also the report command with its file reading, as the command line runs it.
void RapportMedIndlaesning(benchmark::State& state) {
  const auto fil = (std::filesystem::path(KVISTOR_KILDEMAPPE) / "Standard.aid").string();
  const TFastUr ur(TTidspunkt{2026, 3, 1, 14, 5, 0});
  for (auto _ : state) {
    TSkriptetDialog dlg;
    TInddataside side = NyInddataside();
    if (AabnProjekt(fil, side, dlg, {.KunFejl = true}) != TProjektLaesning::Laest) {
      state.SkipWithError("Standard.aid kan ikke læses");
      return;
    }
    TRapportResultat r;
    BeregnRapport(r, side.Inddata, dlg, ur, "Firma");
    benchmark::DoNotOptimize(r);
  }
}

}  // namespace

BENCHMARK(Rapport)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(RapportMedIndlaesning)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
