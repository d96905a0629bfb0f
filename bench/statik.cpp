// One load case through the statics (reactions, discontinuity list, shear,
// moments, curve lines) for chains of 4 to 4000 bays: the cost must grow
// about linearly with the number of bays.
#include <benchmark/benchmark.h>

#include "common/optagende_dialog.h"
#include "project/inddata.h"
#include "purlin/gerbermodel.h"
#include "purlin/statik.h"
#include "purlin/understoetninger.h"
#include "calculation/tvaersnit_byg.h"

namespace {

using namespace kvistor;

void Koer(benchmark::State& state, bool detaljeret) {
  Inddata ind;
  ind.AntalFag = static_cast<std::int32_t>(state.range(0));
  ind.Rammeafstand = 6.0;
  ind.GavlRammeAfst = 5.0;
  ind.CharnForsk = 0.857;
  ind.GavlUdh = 0.5;
  ind.AaseHojde = 200;
  ind.AaseBredde = 50;
  TSupplData sd;
  BestemLaengdeLayout(sd, ind);
  BestemTvaersnitsvaerdier(sd, ind, 0);
  TUnderstoetninger u = BygUnderstoetninger(sd, ind.AntalFag);
  const TCharnierer c = BygCharnierer(sd, ind.AntalFag);

  TTilfaeldeLaster l;
  TilfoejLinielast(l.Linielast, 0, 1.2, 0.4);
  l.PL.push_back({sd.xRamme1 + sd.NormFag / 3, 1.5, 0.5});
  l.KipMomenter.push_back({u[0].x, -0.73 * 2.0});
  l.KipMomenter.push_back({u[1].x, 2.0});

  TSkriptetDialog dialog;
  std::vector<TDiskPunkt> punkter;
  for (auto _ : state) {
    TTilfaelde tilf;
    NulstilReaktioner(u);
    LoesTilfaelde(sd, u, c, l, tilf, detaljeret, dialog, punkter);
    benchmark::DoNotOptimize(tilf.FagRes[2].MyMax);
    benchmark::DoNotOptimize(tilf.MLinier.data());
  }
  state.SetComplexityN(state.range(0));
}

// The normal report extent: statics and the moment curve.
void BM_EtTilfaelde(benchmark::State& state) { Koer(state, false); }
// The detailed extent also prints the reactions, the section-force table and
// the shear curve.
void BM_EtTilfaeldeDetaljeret(benchmark::State& state) { Koer(state, true); }

BENCHMARK(BM_EtTilfaelde)->Arg(4)->Arg(40)->Arg(400)->Arg(4000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_EtTilfaeldeDetaljeret)->Arg(4)->Arg(40)->Arg(400)->Arg(4000)
    ->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
