// Every combination of settings the controls allow: about 38.7 million passes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "model/bench.h"
#include "model/settings_ranges.h"
#include "present/pass.h"

namespace gelvor {
namespace {

// "nan" or "inf" in any case: a number the displays must never show.
bool shows_non_finite(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return text.find("nan") != std::string::npos || text.find("inf") != std::string::npos;
}

struct Range {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void add(double v) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
};

// Stated bounds are rounded to the digits given; the extremes must round to them.
void expect_rounds_to(const Range& r, double lo, double hi, double half_step, const char* what) {
    EXPECT_NEAR(r.lo, lo, half_step) << what << " minimum";
    EXPECT_NEAR(r.hi, hi, half_step) << what << " maximum";
}

bool all_finite(const BenchState& s) {
    const double fields[] = {s.evap_gauge_pressure,
                             s.evap_pressure,
                             s.evap_temp,
                             s.cond_flow_factor,
                             s.cond_gauge_pressure,
                             s.cond_pressure,
                             s.pressure_ratio,
                             s.cond_temp,
                             s.h1,
                             s.h3,
                             s.h4,
                             s.evap_liquid_enthalpy,
                             s.evap_inlet_quality,
                             s.evap_ambient_gain,
                             s.evap_heat_flow,
                             s.cond_ambient_loss,
                             s.cond_heat_flow,
                             s.evap_water_heat_flow,
                             s.cond_water_heat_flow,
                             s.refrigerant_mass_flow,
                             s.h2,
                             s.evap_water_outlet_temp.value_or(0),
                             s.cond_water_outlet_temp.value_or(0),
                             s.compressor_power,
                             s.cop_heat_pump,
                             s.cop_refrigerator,
                             s.suction_density,
                             s.suction_volume_flow,
                             s.volumetric_efficiency,
                             s.cond_outlet_density,
                             s.evap_liquid_density,
                             s.evap_inlet_density,
                             s.cond_lmtd.value_or(0),
                             s.cond_u.value_or(0),
                             s.evap_lmtd.value_or(0),
                             s.evap_u.value_or(0)};
    return std::all_of(std::begin(fields), std::end(fields),
                       [](double v) { return std::isfinite(v); });
}

TEST(SettingsSpace, BoundsHoldAndTheOnlyFaultIsTheEvaporatorLogarithm) {
    Range evap_pressure, evap_temp, cond_pressure, cond_temp, ratio, quality;
    // Extremes of the settings among the faulted passes.
    int fault_min_evap_flow = 99, fault_max_cond_flow = -1, fault_min_mbar = 9999;
    int fault_min_ambient = 99;
    double fault_max_water = 0;
    long passes = 0, faults = 0, other_faults = 0, non_finite = 0, bad_texts = 0;
    const NumberStyle& english = english_number_style();

    for (int me = kFlowRange.min; me <= kFlowRange.max; ++me) {
        for (int mc = kFlowRange.min; mc <= kFlowRange.max; ++mc) {
            for (int mbar = kBarometerRange.min; mbar <= kBarometerRange.max; ++mbar) {
                for (int water = kWaterInletRange.min; water <= kWaterInletRange.max; ++water) {
                    for (int ambient = kAmbientRange.min; ambient <= kAmbientRange.max; ++ambient) {
                        const BenchInputs in{static_cast<std::int16_t>(me),
                                             static_cast<std::int16_t>(mc), mbar / 10.0,
                                             double(water), double(ambient)};
                        const PassResult r = recompute(in);
                        ++passes;
                        const BenchState& s = r.state;
                        evap_pressure.add(s.evap_pressure);
                        evap_temp.add(s.evap_temp);
                        cond_pressure.add(s.cond_pressure);
                        cond_temp.add(s.cond_temp);
                        ratio.add(s.pressure_ratio);
                        quality.add(s.evap_inlet_quality);
                        non_finite += !all_finite(s);
                        if (r.fault) {
                            ++faults;
                            other_faults += !(r.fault == Fault{Quantity::evap_lmtd,
                                                               FaultKind::undefined_logarithm,
                                                               Quantity::evap_lmtd});
                            fault_min_evap_flow = std::min(fault_min_evap_flow, me);
                            fault_max_cond_flow = std::max(fault_max_cond_flow, mc);
                            fault_min_mbar = std::min(fault_min_mbar, mbar);
                            fault_min_ambient = std::min(fault_min_ambient, ambient);
                            fault_max_water = std::max(fault_max_water, double(water));
                        }
                        // The texts, on a spread-out sample of the space.
                        if (passes % 101 == 0) {
                            PanelSettings p{me, mc, std::to_string(mbar), std::to_string(ambient),
                                            std::to_string(water)};
                            for (const DisplayWrite& w : run_pass(p, english).writes) {
                                bad_texts += shows_non_finite(w.text) || !std::isfinite(w.position);
                            }
                        }
                    }
                }
            }
        }
    }

    EXPECT_EQ(passes, 51L * 51 * 121 * 3 * 41);
    EXPECT_EQ(non_finite, 0);
    EXPECT_EQ(bad_texts, 0);
    expect_rounds_to(evap_pressure, 35.2, 73.2, 0.05, "evaporator absolute pressure");
    expect_rounds_to(evap_temp, -3.3, 14.9, 0.05, "te");
    expect_rounds_to(cond_pressure, 84.4, 229.7, 0.05, "condenser absolute pressure");
    expect_rounds_to(cond_temp, 18.8, 49.1, 0.05, "tc");
    expect_rounds_to(ratio, 1.45, 5.53, 0.005, "pressure ratio");
    expect_rounds_to(quality, 0.049, 0.223, 0.0005, "quality of D");

    // The evaporator logarithm fails, and only within the stated corner.
    EXPECT_GT(faults, 0);
    EXPECT_EQ(other_faults, 0);
    EXPECT_EQ(fault_max_water, 14);
    EXPECT_EQ(fault_min_evap_flow, 44);
    EXPECT_EQ(fault_min_ambient, 36);
    EXPECT_EQ(fault_min_mbar, 1049);
    EXPECT_EQ(fault_max_cond_flow, 35);
}

}  // namespace
}  // namespace gelvor
