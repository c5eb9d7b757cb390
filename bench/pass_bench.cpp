// One recomputation of the bench against a floor: the bench's formulas as one
// plain function over the same settings, with no fault checks and no texts.
// The model pass and the whole pass with its 43 display texts and the chart
// overlay are reported as ratios to that floor, measured in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/ratio_reporter.h"
#include "model/bench.h"
#include "model/r11.h"
#include "present/decimal_digits.h"
#include "present/pass.h"

namespace {

using namespace gelvor;

const BenchInputs kInputs{4, 4, 101, 15, 18};  // the state right after switching on

// The whole steady state, straight through: what any implementation of the
// bench has to compute at the least.
inline BenchState floor_pass(const BenchInputs& in) {
    const double me = in.evaporator_water_flow, mc = in.condenser_water_flow;
    const double tw = in.water_inlet_temperature, ta = in.ambient_temperature;
    BenchState s;
    s.evap_gauge_pressure = -61.12088 + 0.33215 * me - 0.06 * mc + 0.2 * tw + 0.15 * ta;
    s.evap_pressure = s.evap_gauge_pressure + in.barometric_pressure;
    s.evap_temp = saturation_temperature(s.evap_pressure);
    s.cond_flow_factor = std::exp((mc + 1.5) / 6);
    s.cond_gauge_pressure = 0.2 * tw + (290 / (s.cond_flow_factor + 1) - 15) + 0.15 * ta;
    s.cond_pressure = s.cond_gauge_pressure + in.barometric_pressure;
    s.pressure_ratio = s.cond_pressure / s.evap_pressure;
    s.cond_temp = saturation_temperature(s.cond_pressure);
    s.h3 = s.h4 = liquid_enthalpy(s.cond_temp);
    s.h1 = vapour_enthalpy(s.evap_temp);
    s.evap_liquid_enthalpy = liquid_enthalpy(s.evap_temp);
    s.evap_inlet_quality = (s.h4 - s.evap_liquid_enthalpy) / (s.h1 - s.evap_liquid_enthalpy);

    const double te = s.evap_temp, tc = s.cond_temp;
    s.evap_ambient_gain = 0.8 * (ta - te);
    s.evap_heat_flow = 0.7 * (483.3 - 8.166 * tc + s.evap_ambient_gain);
    s.cond_ambient_loss = 0.8 * (tc - ta);
    s.cond_heat_flow = 1.15 * (s.cond_ambient_loss + s.evap_heat_flow);
    s.refrigerant_mass_flow = s.evap_heat_flow / (s.h1 - s.h4);
    s.h2 = s.h3 + s.cond_heat_flow / s.refrigerant_mass_flow;
    s.evap_water_heat_flow = s.evap_heat_flow - s.evap_ambient_gain;
    s.cond_water_heat_flow = s.cond_heat_flow - s.cond_ambient_loss;
    const double t2_water = tw - s.evap_water_heat_flow / me * 1000 / 4184;
    const double t2 = t2_water - te <= 0 ? te + 0.01 : t2_water;
    const double t3 = tw + s.cond_water_heat_flow / mc * 1000 / 4184;
    s.evap_water_outlet_temp = t2;
    s.cond_water_outlet_temp = t3;
    s.compressor_heat_loss = 18;
    s.compressor_power = s.refrigerant_mass_flow * (s.h2 - s.h1) + 18;
    s.cop_heat_pump = s.cond_water_heat_flow / s.compressor_power;
    s.cop_refrigerator = s.evap_water_heat_flow / s.compressor_power;
    s.suction_density = vapour_density(te);
    s.cond_outlet_density = liquid_density(tc);
    s.evap_liquid_density = liquid_density(te);
    const double liquid_volume = 1 / s.evap_liquid_density;
    s.evap_inlet_density =
        1 / (liquid_volume + s.evap_inlet_quality * (1 / s.suction_density - liquid_volume));
    s.suction_volume_flow = s.refrigerant_mass_flow / 1000 / s.suction_density;
    s.volumetric_efficiency = s.suction_volume_flow / 0.00118;
    s.cond_lmtd = (t3 - tw) / std::log((tc - tw) / (tc - t3));
    s.cond_u = s.cond_water_heat_flow / 0.032 / *s.cond_lmtd;
    s.evap_lmtd = (tw - t2) / std::log((tw - te) / (t2 - te));
    s.evap_u = s.evap_water_heat_flow / 0.032 / *s.evap_lmtd;
    return s;
}

void Floor(benchmark::State& state) {
    BenchInputs in = kInputs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(floor_pass(in));
    }
}
BENCHMARK(Floor);

void ModelPass(benchmark::State& state) {
    BenchInputs in = kInputs;
    for (auto _ : state) {
        benchmark::DoNotOptimize(in);
        benchmark::DoNotOptimize(recompute(in));
    }
}
BENCHMARK(ModelPass);

void FullPassWithTexts(benchmark::State& state) {
    const PanelSettings settings;
    const NumberStyle& spanish = spanish_number_style();
    for (auto _ : state) {
        benchmark::DoNotOptimize(run_pass(settings, spanish));
    }
}
BENCHMARK(FullPassWithTexts);

// The digits of the numbers one pass shows, by std::to_chars (the desktop)
// and by printf (what a C++ library without floating-point to_chars has).
std::vector<double> shown_values() {
    const BenchState s = recompute(kInputs).state;
    return {s.evap_pressure,
            s.evap_temp,
            s.cond_pressure,
            s.pressure_ratio,
            s.cond_temp,
            s.h3,
            s.h4,
            s.h1,
            s.evap_inlet_quality * 100,
            s.evap_heat_flow,
            s.cond_heat_flow,
            s.refrigerant_mass_flow,
            s.h2,
            s.compressor_power,
            s.cop_heat_pump,
            s.cop_refrigerator,
            s.suction_density,
            s.cond_outlet_density,
            s.evap_inlet_density,
            s.volumetric_efficiency * 100,
            s.evap_water_outlet_temp.value_or(0),
            s.cond_water_outlet_temp.value_or(0),
            s.cond_lmtd.value_or(0),
            s.cond_u.value_or(0),
            s.evap_lmtd.value_or(0),
            s.evap_u.value_or(0)};
}

template <DecimalDigits (*Digits)(double)>
void PassDigits(benchmark::State& state) {
    const std::vector<double> values = shown_values();
    for (auto _ : state) {
        for (double v : values) benchmark::DoNotOptimize(Digits(v));
    }
}
BENCHMARK(PassDigits<decimal_digits>)->Name("PassDigits/to_chars");
BENCHMARK(PassDigits<decimal_digits_by_printf>)->Name("PassDigits/printf");

// The floor must compute what the model computes, or the ratio means nothing.
bool floor_agrees() {
    const BenchState a = floor_pass(kInputs), b = recompute(kInputs).state;
    const double pairs[][2] = {{a.evap_temp, b.evap_temp},
                               {a.cond_temp, b.cond_temp},
                               {a.h2, b.h2},
                               {a.cop_refrigerator, b.cop_refrigerator},
                               {a.evap_inlet_density, b.evap_inlet_density},
                               {*a.cond_u, b.cond_u.value_or(0)},
                               {*a.evap_u, b.evap_u.value_or(0)}};
    for (const auto& p : pairs) {
        if (std::abs(p[0] - p[1]) > 1e-9 * std::max(1.0, std::abs(p[1]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (!floor_agrees()) {
        std::fprintf(stderr, "bench_pass: the floor does not compute what the model does\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    gelvor::bench::RatioReporter reporter("Floor", "the floor", {"ModelPass", "FullPassWithTexts"},
                                          "ns");
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratios();
    benchmark::Shutdown();
    return 0;
}
