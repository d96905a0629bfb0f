// The supplementary checks on the shipped default project against the
// calculations they sit beside: the lean calculation (no text, no rankings),
// the whole calculation as the report runs it (case headings and rankings,
// working record included), and the report itself. The stricter check and
// the fire check together must cost no more than one more whole
// calculation. The fire check also on a section that holds all 120 minutes,
// where the achieved resistance is sought over every minute.
#include <benchmark/benchmark.h>

#include "bench/standardprojekt.h"
#include "calculation/beregning.h"
#include "calculation/tvaersnit_byg.h"
#include "design/noegletal.h"
#include "common/optagende_dialog.h"
#include "report/visresultat.h"

namespace {

using namespace kvistor;

void BM_Let(benchmark::State& state) {
  const Inddata ind = StandardInddata();
  for (auto _ : state) benchmark::DoNotOptimize(BeregnNoegletal(ind).Tal.UGTvaersnit);
}

void BM_Hel(benchmark::State& state) {
  const Inddata ind = StandardInddata();
  TSkriptetDialog dlg;
  for (auto _ : state) {
    TSupplData sd;
    BestemTvaersnit(ind, sd);
    TBeregning b;
    if (BeregnAlleTilfaelde(b, ind, sd, dlg) != TBeregningsUdfald::Gennemfoert)
      state.SkipWithError("beregningen blev ikke gennemført");
    benchmark::DoNotOptimize(b.Dimensionsgivende[0][2].data());
  }
}

void BM_Rapport(benchmark::State& state) {
  const Inddata ind = StandardInddata();
  TSkriptetDialog dlg;
  const TFastUr ur(TTidspunkt{});
  for (auto _ : state) {
    TRapportResultat r;
    BeregnRapport(r, ind, dlg, ur, "");
    benchmark::DoNotOptimize(r.Rapport.data());
  }
}

void BM_Skaerpet(benchmark::State& state) {
  const Inddata ind = StandardInddata();
  for (auto _ : state) benchmark::DoNotOptimize(BeregnSkaerpetNoegletal(ind).Tal.Traek);
}

// Arg: the section's depth (225: the default purlin, 24 minutes achieved;
// 400: 120 minutes), R30 on 3 sides.
void BM_Brand(benchmark::State& state) {
  Inddata ind = StandardInddata();
  ind.AaseHojde = static_cast<double>(state.range(0));
  if (state.range(0) > 225) ind.AaseBredde = 200;
  for (auto _ : state) {
    const TBrandNoegletal r = BeregnBrandNoegletal(ind, 30, 3);
    if (!r.Beregnet()) state.SkipWithError("brandkontrollen blev ikke gennemført");
    benchmark::DoNotOptimize(r.Brand.OpnaaetMinutter);
  }
}

// Both checks as the record gives them.
void BM_Supplerende(benchmark::State& state) {
  Inddata ind = StandardInddata();
  ind.AaseHojde = static_cast<double>(state.range(0));
  if (state.range(0) > 225) ind.AaseBredde = 200;
  for (auto _ : state)
    benchmark::DoNotOptimize(BeregnSupplerendeNoegletal(ind, {true, 30, 3}).AlleOk());
}

void Gentag(benchmark::internal::Benchmark* b) {
  b->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_Let)->Apply(Gentag);
BENCHMARK(BM_Hel)->Apply(Gentag);
BENCHMARK(BM_Rapport)->Apply(Gentag);
BENCHMARK(BM_Skaerpet)->Apply(Gentag);
BENCHMARK(BM_Brand)->Arg(225)->Arg(400)->Apply(Gentag);
BENCHMARK(BM_Supplerende)->Arg(225)->Arg(400)->Apply(Gentag);

}  // namespace

BENCHMARK_MAIN();
