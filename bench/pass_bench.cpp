// One recomputation of the bench: the model alone, and the whole pass with
// its 43 display texts and the chart overlay.
#include <benchmark/benchmark.h>

#include "model/bench.h"
#include "present/pass.h"

namespace {

void ModelPass(benchmark::State& state) {
    gelvor::BenchInputs in{4, 4, 101, 15, 18};
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(gelvor::recompute(in));
    }
}
BENCHMARK(ModelPass);

void FullPassWithTexts(benchmark::State& state) {
    const gelvor::PanelSettings settings;
    const QLocale locale(QLocale::Spanish, QLocale::Spain);
    for (auto _ : state) {
        benchmark::DoNotOptimize(gelvor::run_pass(settings, locale));
    }
}
BENCHMARK(FullPassWithTexts);

}  // namespace

BENCHMARK_MAIN();
