#pragma once

#include <optional>

#include "model/bench.h"

// What the reference equation of state of R-11 says of one pass's cycle:
// the ideal (Carnot) coefficients of performance between its evaporating and
// condensing temperatures, how near its compression came to the isentropic
// one, and where its discharge B stands. Each figure is unset when it cannot
// be computed: no temperature lift, no enthalpy gained in the compressor, or
// a pressure outside the equation's range.
namespace gelvor {

struct IdealCycle {
    // Te / (Tc - Te) and Tc / (Tc - Te), with te and tc in kelvin.
    std::optional<double> carnot_cop_refrigerator;
    std::optional<double> carnot_cop_heat_pump;
    // The isentropic compression starts at A', saturated vapour at the
    // evaporating pressure, and ends at the condensing pressure.
    std::optional<double> suction_enthalpy;               // hA', kJ/kg
    std::optional<double> suction_entropy;                // sA', kJ/(kg K)
    std::optional<double> isentropic_discharge_enthalpy;  // h2s, kJ/kg
    // (h2s - hA') / (hB - hA), hA and hB the pass's h1 and h2.
    std::optional<double> isentropic_efficiency;
    // B at the condensing pressure and hB: its temperature tB (the saturation
    // temperature when B is in the dome), and whether it is at or inside it.
    std::optional<double> discharge_temp;  // ºC
    std::optional<bool> discharge_in_dome;
};

IdealCycle ideal_cycle(const BenchState& state);

}  // namespace gelvor
