// The reference equation of R-11 and what is drawn and computed from it:
// the equation's saturation line by its iterative solution and by the
// superancillary expansions (and building those once), one saturation, one
// state from (p, s), a pass's ideal-cycle figures, a pass's cycle on the
// chart, building a whole static chart, and the hover test over 50 recorded
// cycles. Run with repetitions for the medians.
#include <benchmark/benchmark.h>

#include <vector>

#include "model/bench.h"
#include "model/ideal_cycle.h"
#include "model/r11_reference.h"
#include "model/r11_superancillary.h"
#include "present/ph_chart.h"

namespace {

using namespace gelvor;

BenchState exercise_pass() {
    return recompute({20, 4, 101, 15, 18}).state;  // the manual's second point
}

// The saturation line alone (T, p and both densities), at 25 ºC and at
// 150 kPa: the phase equilibrium solved, and the expansions.
void CoexistenceSolved(benchmark::State& state) {
    double kelvin = 298.15;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kelvin);
        benchmark::DoNotOptimize(r11ref::solve_coexistence(kelvin));
    }
}
BENCHMARK(CoexistenceSolved);

void ExpansionsAtTemperature(benchmark::State& state) {
    const r11ref::SaturationExpansions& expansions = r11ref::saturation_expansions();
    double kelvin = 298.15;
    for (auto _ : state) {
        benchmark::DoNotOptimize(kelvin);
        benchmark::DoNotOptimize(expansions.at_temperature(kelvin));
    }
}
BENCHMARK(ExpansionsAtTemperature);

void ExpansionsAtPressure(benchmark::State& state) {
    const r11ref::SaturationExpansions& expansions = r11ref::saturation_expansions();
    double p = 150;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(expansions.at_pressure(p));
    }
}
BENCHMARK(ExpansionsAtPressure);

// What the first saturation of a run pays once.
void ExpansionsBuilt(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(r11ref::SaturationExpansions::build());
    }
}
BENCHMARK(ExpansionsBuilt)->Unit(benchmark::kMicrosecond);

void SaturationAtTemperature(benchmark::State& state) {
    double t = 25;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(r11ref::saturation_at_temperature(t));
    }
}
BENCHMARK(SaturationAtTemperature);

void SaturationAtPressure(benchmark::State& state) {
    double p = 150;
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(r11ref::saturation_at_pressure(p));
    }
}
BENCHMARK(SaturationAtPressure);

void StateAtPressureEntropy(benchmark::State& state) {
    double p = 180, s = 1.69;  // a discharge after an isentropic compression
    for (auto _ : state) {
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(s);
        benchmark::DoNotOptimize(r11ref::state_at_pressure_entropy(p, s));
    }
}
BENCHMARK(StateAtPressureEntropy);

void IdealCycleOfAPass(benchmark::State& state) {
    BenchState pass = exercise_pass();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pass);
        benchmark::DoNotOptimize(ideal_cycle(pass));
    }
}
BENCHMARK(IdealCycleOfAPass);

void CycleOnTheChart(benchmark::State& state) {
    BenchState pass = exercise_pass();
    for (auto _ : state) {
        benchmark::DoNotOptimize(pass);
        benchmark::DoNotOptimize(ph_chart::cycle_geometry(pass));
    }
}
BENCHMARK(CycleOnTheChart);

void WholeChartBuilt(benchmark::State& state) {
    const auto range = static_cast<ph_chart::ChartRange>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(ph_chart::build_chart_geometry(range));
    }
}
BENCHMARK(WholeChartBuilt)
    ->Arg(static_cast<int>(ph_chart::ChartRange::whole_dome))
    ->Arg(static_cast<int>(ph_chart::ChartRange::bench_region))
    ->Unit(benchmark::kMillisecond);

// What a repaint does per cycle beyond stroking: the hover test over 50.
void NearestOf50Cycles(benchmark::State& state) {
    std::vector<ph_chart::PlotCycle> cycles;
    for (int i = 0; i < 50; ++i) {
        const double y = 10.0 * i;
        cycles.push_back({{{300, y}, {400, y - 40}, {100, y - 40}, {100, y}}});
    }
    ph_chart::PlotPoint at{250, 247};
    for (auto _ : state) {
        benchmark::DoNotOptimize(at);
        benchmark::DoNotOptimize(ph_chart::nearest_cycle(cycles, at, 6));
    }
}
BENCHMARK(NearestOf50Cycles);

}  // namespace

BENCHMARK_MAIN();
