#include "model/ideal_cycle.h"

#include <cmath>

#include "model/r11_isobar.h"

namespace gelvor {

IdealCycle ideal_cycle(const BenchState& state) {
    IdealCycle out;
    const double te = state.evap_temp + r11ref::kZeroCelsius;
    const double tc = state.cond_temp + r11ref::kZeroCelsius;
    if (te > 0 && tc > te && std::isfinite(tc)) {
        out.carnot_cop_refrigerator = te / (tc - te);
        out.carnot_cop_heat_pump = tc / (tc - te);
    }

    // Both states at the condensing pressure share its saturation line.
    const r11ref::Isobar condensing(state.cond_pressure);
    if (const auto suction = r11ref::Isobar(state.evap_pressure).saturated_vapour()) {
        out.suction_enthalpy = suction->h;
        out.suction_entropy = suction->s;
        if (const auto end = condensing.at_entropy(*out.suction_entropy)) {
            out.isentropic_discharge_enthalpy = end->h;
        }
    }
    const double gained = state.h2 - state.h1;
    if (out.isentropic_discharge_enthalpy && gained > 0 &&
        state.cond_pressure > state.evap_pressure) {
        out.isentropic_efficiency =
            (*out.isentropic_discharge_enthalpy - *out.suction_enthalpy) / gained;
    }

    if (const auto discharge = condensing.at_enthalpy(state.h2)) {
        out.discharge_temp = discharge->t;
        out.discharge_in_dome = discharge->quality.has_value();
    }
    return out;
}

}  // namespace gelvor
