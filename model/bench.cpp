#include "model/bench.h"

#include <cmath>

#include "model/r11.h"

namespace gelvor {
namespace {

// Bench constants.
constexpr double kAmbientExchange = 0.8;             // W/K, each cylinder with still air
constexpr double kCondenserRatio = 1.15;             // Qc over (Qe + condenser loss)
constexpr double kWaterSpecificHeat = 4184;          // J/(kg K)
constexpr double kCompressorHeatLoss = 18;           // W
constexpr double kCompressorDisplacement = 0.00118;  // m3/s
constexpr double kMinimumEvapApproach = 0.01;        // K, evaporator water above te
constexpr double kCoilSurface = 0.032;               // m2, each coil

// One recomputation in progress. Each step stores its result or records the
// fault that ends the pass; the stages run in the bench's fixed order.
class Pass {
  public:
    explicit Pass(const BenchInputs& in, const BenchState& start = {}) : in_(in), s_(start) {}

    PassResult run() {
        (void)(state_points() && after_state_points());
        return {s_, fault_};
    }
    PassResult run_after_state_points() {
        (void)after_state_points();
        return {s_, fault_};
    }

  private:
    bool fail(Quantity step, FaultKind kind, Quantity quantity) {
        fault_ = Fault{step, kind, quantity};
        return false;
    }
    bool fail(Quantity step, FaultKind kind) { return fail(step, kind, step); }

    // Stores a finite result; anything else can only come from an overflow,
    // since every input that reaches arithmetic is finite.
    bool put(Quantity step, double& field, double value) {
        if (!std::isfinite(value)) {
            return fail(step, FaultKind::overflow);
        }
        field = value;
        return true;
    }
    bool put(Quantity step, std::optional<double>& field, double value) {
        double v = 0;
        if (!put(step, v, value)) {
            return false;
        }
        field = v;
        return true;
    }

    bool setting(Quantity step, Quantity box, double value) {
        return std::isfinite(value) || fail(step, FaultKind::not_a_number, box);
    }

    bool divide(Quantity step, double& field, double numerator, double denominator) {
        if (denominator == 0) {
            return fail(step, FaultKind::division_by_zero);
        }
        return put(step, field, numerator / denominator);
    }

    bool absolute_pressure(Quantity step, double& field, double gauge) {
        if (!put(step, field, gauge + in_.barometric_pressure)) {
            return false;
        }
        return field > 0 || fail(step, FaultKind::non_positive_pressure);
    }

    // Log-mean temperature difference of a coil: the water's temperature
    // change over the logarithm of the ratio of the end differences.
    bool lmtd(Quantity step, std::optional<double>& field, double water_change,
              double first_difference, double second_difference) {
        double ratio = 0;
        if (!divide(step, ratio, first_difference, second_difference)) {
            return false;
        }
        if (!(ratio > 0)) {
            return fail(step, FaultKind::undefined_logarithm);
        }
        double value = 0;
        if (!divide(step, value, water_change, std::log(ratio))) {
            return false;
        }
        field = value;
        return true;
    }

    bool coefficient(Quantity step, std::optional<double>& field, double water_heat_flow,
                     double lmtd) {
        double value = 0;
        if (!divide(step, value, water_heat_flow / kCoilSurface, lmtd)) {
            return false;
        }
        field = value;
        return true;
    }

    bool after_state_points() {
        return energy_balance() && densities() && compressor_volume() && heat_exchangers();
    }

    bool state_points() {
        using Q = Quantity;
        const double m_e = in_.evaporator_water_flow;
        const double m_c = in_.condenser_water_flow;
        const double t_w = in_.water_inlet_temperature;
        const double t_a = in_.ambient_temperature;
        if (!setting(Q::barometric_pressure, Q::barometric_pressure, in_.barometric_pressure)) {
            return false;
        }

        double s = -61.12088 + 0.33215 * m_e;
        s = s - 0.06 * m_c;
        if (!setting(Q::evap_gauge_pressure, Q::water_inlet_temperature, t_w)) {
            return false;
        }
        s = s + 0.2 * t_w;
        if (!setting(Q::evap_gauge_pressure, Q::ambient_temperature, t_a) ||
            !put(Q::evap_gauge_pressure, s_.evap_gauge_pressure, s + 0.15 * t_a) ||
            !absolute_pressure(Q::evap_pressure, s_.evap_pressure, s_.evap_gauge_pressure) ||
            !put(Q::evap_temp, s_.evap_temp, saturation_temperature(s_.evap_pressure))) {
            return false;
        }

        // The integer flow plus 1.5 is a double; the divisor is the integer 6.
        if (!put(Q::cond_flow_factor, s_.cond_flow_factor, std::exp((m_c + 1.5) / 6))) {
            return false;
        }
        const double r = 290 / (s_.cond_flow_factor + 1) - 15;
        const double q = 0.2 * t_w + r;
        if (!put(Q::cond_gauge_pressure, s_.cond_gauge_pressure, q + 0.15 * t_a) ||
            !absolute_pressure(Q::cond_pressure, s_.cond_pressure, s_.cond_gauge_pressure) ||
            !divide(Q::pressure_ratio, s_.pressure_ratio, s_.cond_pressure, s_.evap_pressure) ||
            !put(Q::cond_temp, s_.cond_temp, saturation_temperature(s_.cond_pressure)) ||
            !put(Q::h3, s_.h3, liquid_enthalpy(s_.cond_temp))) {
            return false;
        }
        s_.h4 = s_.h3;  // the expansion keeps the enthalpy
        return put(Q::h1, s_.h1, vapour_enthalpy(s_.evap_temp)) &&
               put(Q::evap_liquid_enthalpy, s_.evap_liquid_enthalpy,
                   liquid_enthalpy(s_.evap_temp)) &&
               divide(Q::evap_inlet_quality, s_.evap_inlet_quality, s_.h4 - s_.evap_liquid_enthalpy,
                      s_.h1 - s_.evap_liquid_enthalpy);
    }

    bool energy_balance() {
        using Q = Quantity;
        const double te = s_.evap_temp;
        const double tc = s_.cond_temp;
        const double ta = in_.ambient_temperature;
        const double t_in = in_.water_inlet_temperature;
        s_.evap_water_outlet_temp.reset();  // nothing carries over from an earlier pass
        s_.cond_water_outlet_temp.reset();
        if (!put(Q::evap_ambient_gain, s_.evap_ambient_gain, kAmbientExchange * (ta - te)) ||
            !put(Q::evap_heat_flow, s_.evap_heat_flow,
                 0.7 * (483.3 - 8.166 * tc + s_.evap_ambient_gain)) ||
            !put(Q::cond_ambient_loss, s_.cond_ambient_loss, kAmbientExchange * (tc - ta)) ||
            !put(Q::cond_heat_flow, s_.cond_heat_flow,
                 kCondenserRatio * (s_.cond_ambient_loss + s_.evap_heat_flow)) ||
            !divide(Q::refrigerant_mass_flow, s_.refrigerant_mass_flow, s_.evap_heat_flow,
                    s_.h1 - s_.h4)) {
            return false;
        }
        double compression_rise = 0;
        if (!divide(Q::h2, compression_rise, s_.cond_heat_flow, s_.refrigerant_mass_flow) ||
            !put(Q::h2, s_.h2, s_.h3 + compression_rise) ||
            !put(Q::water_heat_flows, s_.evap_water_heat_flow,
                 s_.evap_heat_flow - s_.evap_ambient_gain) ||
            !put(Q::water_heat_flows, s_.cond_water_heat_flow,
                 s_.cond_heat_flow - s_.cond_ambient_loss)) {
            return false;
        }

        // With no water the outlet stays unset, but the water can never leave
        // at or below te; an unset outlet counts as 0 in that comparison.
        if (in_.evaporator_water_flow > 0 &&
            !put(Q::evap_water_outlet_temp, s_.evap_water_outlet_temp,
                 t_in - ((s_.evap_water_heat_flow / in_.evaporator_water_flow) * 1000) /
                            kWaterSpecificHeat)) {
            return false;
        }
        s_.evap_water_outlet_held = s_.evap_water_outlet_temp.value_or(0) - te <= 0;
        if (s_.evap_water_outlet_held) {
            s_.evap_water_outlet_temp = te + kMinimumEvapApproach;
        }
        if (in_.condenser_water_flow > 0 &&
            !put(Q::cond_water_outlet_temp, s_.cond_water_outlet_temp,
                 t_in + ((s_.cond_water_heat_flow / in_.condenser_water_flow) * 1000) /
                            kWaterSpecificHeat)) {
            return false;
        }

        s_.compressor_heat_loss = kCompressorHeatLoss;
        return put(Q::compressor_power, s_.compressor_power,
                   s_.refrigerant_mass_flow * (s_.h2 - s_.h1) + s_.compressor_heat_loss) &&
               divide(Q::cop_heat_pump, s_.cop_heat_pump, s_.cond_water_heat_flow,
                      s_.compressor_power) &&
               divide(Q::cop_refrigerator, s_.cop_refrigerator, s_.evap_water_heat_flow,
                      s_.compressor_power) &&
               put(Q::suction_density, s_.suction_density, vapour_density(te));
    }

    bool densities() {
        using Q = Quantity;
        if (!put(Q::cond_outlet_density, s_.cond_outlet_density, liquid_density(s_.cond_temp)) ||
            !put(Q::evap_liquid_density, s_.evap_liquid_density, liquid_density(s_.evap_temp))) {
            return false;
        }
        // Homogeneous mixture of saturated liquid and vapour at te.
        if (s_.evap_liquid_density == 0 || s_.suction_density == 0) {
            return fail(Q::evap_inlet_density, FaultKind::division_by_zero);
        }
        const double liquid_volume = 1 / s_.evap_liquid_density;
        const double mixture_volume =
            liquid_volume + s_.evap_inlet_quality * (1 / s_.suction_density - liquid_volume);
        return divide(Q::evap_inlet_density, s_.evap_inlet_density, 1, mixture_volume);
    }

    bool compressor_volume() {
        using Q = Quantity;
        return divide(Q::suction_volume_flow, s_.suction_volume_flow,
                      s_.refrigerant_mass_flow / 1000, s_.suction_density) &&
               put(Q::volumetric_efficiency, s_.volumetric_efficiency,
                   s_.suction_volume_flow / kCompressorDisplacement);
    }

    // A coil without an outlet temperature has neither a log-mean difference
    // nor a coefficient: figures computed with 0 in its place mean nothing.
    bool heat_exchangers() {
        using Q = Quantity;
        const double t_in = in_.water_inlet_temperature;
        s_.cond_lmtd = s_.cond_u = s_.evap_lmtd = s_.evap_u = std::nullopt;
        if (const auto t4 = s_.cond_water_outlet_temp) {
            const double tc = s_.cond_temp;
            if (!lmtd(Q::cond_lmtd, s_.cond_lmtd, *t4 - t_in, tc - t_in, tc - *t4) ||
                !coefficient(Q::cond_u, s_.cond_u, s_.cond_water_heat_flow, *s_.cond_lmtd)) {
                return false;
            }
        }
        if (const auto t2 = s_.evap_water_outlet_temp) {
            const double te = s_.evap_temp;
            if (!lmtd(Q::evap_lmtd, s_.evap_lmtd, t_in - *t2, t_in - te, *t2 - te) ||
                !coefficient(Q::evap_u, s_.evap_u, s_.evap_water_heat_flow, *s_.evap_lmtd)) {
                return false;
            }
        }
        return true;
    }

    const BenchInputs& in_;
    BenchState s_;
    std::optional<Fault> fault_;
};

}  // namespace

PassResult recompute(const BenchInputs& in) {
    return Pass(in).run();
}

PassResult recompute_from_state_points(const BenchInputs& in, const BenchState& state_points) {
    return Pass(in, state_points).run_after_state_points();
}

}  // namespace gelvor
