// The whole calculation document of Standard.aid: the calculation and its
// extra runs (curves, governing cases), the layout of every page, the
// drawings, the fonts embedded, and the language set by the post-pass. Both
// report extents (the detailed one adds the appendix).
#include <benchmark/benchmark.h>

#include "bench/standardprojekt.h"
#include "common/filer.h"
#include "documents/dokumentation.h"

namespace {

using namespace kvistor;

void Dokumentation(benchmark::State& state) {
  TDokumentationsGrundlag g;
  g.Ind = StandardInddata();
  g.Ind.RappOmfang = static_cast<int>(state.range(0));
  LaesFil(std::string(KVISTOR_KILDEMAPPE) + "/Standard.aid", g.ProjektBytes);
  g.Projektfil = "Standard.aid";
  g.Navne = {"Firma", "Anne Andersen", "Bo Berg", "1"};
  const TFastUr ur(TTidspunkt{2026, 3, 1, 14, 5, 0});
  TSkriptetDialog dlg;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const auto pdf = BygDokumentation(g, ur, dlg);
    if (!pdf) {
      state.SkipWithError("dokumentationen blev ikke bygget");
      return;
    }
    bytes = pdf->size();
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(Dokumentation)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
