#include "model/ideal_cycle.h"

#include <cmath>

#include "model/r11_reference.h"

namespace gelvor {

IdealCycle ideal_cycle(const BenchState& state) {
    IdealCycle out;
    const double te = state.evap_temp + r11ref::kZeroCelsius;
    const double tc = state.cond_temp + r11ref::kZeroCelsius;
    if (te > 0 && tc > te && std::isfinite(tc)) {
        out.carnot_cop_refrigerator = te / (tc - te);
        out.carnot_cop_heat_pump = tc / (tc - te);
    }

    if (const auto suction = r11ref::saturation_at_pressure(state.evap_pressure)) {
        out.suction_enthalpy = suction->vapour_enthalpy;
        out.suction_entropy = suction->vapour_entropy;
        const auto end =
            r11ref::state_at_pressure_entropy(state.cond_pressure, *out.suction_entropy);
        if (end) {
            out.isentropic_discharge_enthalpy = end->h;
        }
    }
    const double gained = state.h2 - state.h1;
    if (out.isentropic_discharge_enthalpy && gained > 0 &&
        state.cond_pressure > state.evap_pressure) {
        out.isentropic_efficiency =
            (*out.isentropic_discharge_enthalpy - *out.suction_enthalpy) / gained;
    }

    if (const auto discharge = r11ref::state_at_pressure_enthalpy(state.cond_pressure, state.h2)) {
        out.discharge_temp = discharge->t;
        out.discharge_in_dome = discharge->quality.has_value();
    }
    return out;
}

}  // namespace gelvor
