// Cost of the report's number formats: the grouped "%7.2n" and the plain
// "%10.2f", over a spread of typical report values.
#include <benchmark/benchmark.h>

#include <array>

#include "common/format.h"

namespace {

constexpr std::array<double, 8> kVaerdier = {
    0.125, -1234567.891, 2.675, 62.5, 0.0, -0.006, 15.734999999999999, 873.2};

void BM_FormatGrupperet(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kvistor::Format("%7.2n", {kVaerdier[i]}));
    i = (i + 1) % kVaerdier.size();
  }
}
BENCHMARK(BM_FormatGrupperet);

void BM_FormatFast(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(kvistor::Format("%10.2f", {kVaerdier[i]}));
    i = (i + 1) % kVaerdier.size();
  }
}
BENCHMARK(BM_FormatFast);

}  // namespace

BENCHMARK_MAIN();
