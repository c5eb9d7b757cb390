#pragma once

#include <cstdint>
#include <optional>

// The bench model: one recomputation turns the operator's settings into the
// steady state of the machine. It is a pure function of the settings and
// never throws; a fault ends the pass at the failing step and is returned as
// a value, with every field computed before it still filled in.
namespace gelvor {

// The settings that one pass reads. Box values that did not read as a number
// arrive as NaN and make the pass fault at the step that reads them.
struct BenchInputs {
    std::int16_t evaporator_water_flow = 0;  // g/s, 0 to 50
    std::int16_t condenser_water_flow = 0;   // g/s, 0 to 50
    double barometric_pressure = 0;          // kPa
    double water_inlet_temperature = 0;      // °C, both coils
    double ambient_temperature = 0;          // °C
};

// Every quantity a pass can compute or read, in the order in which the pass
// computes them. A fault names the step by the quantity that step computes.
enum class Quantity : std::uint8_t {
    evaporator_water_flow,
    condenser_water_flow,
    barometric_pressure,
    water_inlet_temperature,
    ambient_temperature,
    evap_gauge_pressure,  // reads the water and ambient temperatures
    evap_pressure,
    evap_temp,
    cond_flow_factor,
    cond_gauge_pressure,
    cond_pressure,
    pressure_ratio,
    cond_temp,
    h3,  // and h4, its copy
    h1,
    evap_liquid_enthalpy,
    evap_inlet_quality,
    evap_ambient_gain,
    evap_heat_flow,
    cond_ambient_loss,
    cond_heat_flow,
    refrigerant_mass_flow,
    h2,
    water_heat_flows,
    evap_water_outlet_temp,
    cond_water_outlet_temp,
    compressor_power,
    cop_heat_pump,
    cop_refrigerator,
    suction_density,
    cond_outlet_density,
    evap_liquid_density,
    evap_inlet_density,
    suction_volume_flow,
    volumetric_efficiency,
    cond_lmtd,
    cond_u,
    evap_lmtd,
    evap_u,
    chart,  // the P-h overlay, placed after the model's last step
    complete,
};

enum class FaultKind : std::uint8_t {
    not_a_number,  // a setting box that does not hold a finite number
    division_by_zero,
    overflow,             // a result too large for a double
    undefined_logarithm,  // the logarithm of zero or of a negative ratio
    non_positive_pressure,
};

struct Fault {
    Quantity step;  // the step that failed, named by what it computes
    FaultKind kind;
    Quantity quantity;  // the value at fault: the step's own or a setting it read
    friend bool operator==(const Fault&, const Fault&) = default;
};

// Everything one pass produces. Values the pass did not reach stay 0 (or
// unset). A coil's outlet temperature, log-mean difference and coefficient
// are unset when its outlet is: always for a condenser without water flow,
// but for an evaporator without water only while te is below 0 ºC, since the
// water can never leave at or below te and is then held just above it.
struct BenchState {
    // State points and pressures.
    double evap_gauge_pressure = 0;
    double evap_pressure = 0;
    double evap_temp = 0;
    double cond_flow_factor = 0;
    double cond_gauge_pressure = 0;
    double cond_pressure = 0;
    double pressure_ratio = 0;
    double cond_temp = 0;
    double h3 = 0;
    double h4 = 0;
    double h1 = 0;
    double evap_liquid_enthalpy = 0;
    double evap_inlet_quality = 0;
    // Compressor and energy balance.
    double evap_ambient_gain = 0;
    double evap_heat_flow = 0;
    double cond_ambient_loss = 0;
    double cond_heat_flow = 0;
    double evap_water_heat_flow = 0;
    double cond_water_heat_flow = 0;
    double refrigerant_mass_flow = 0;
    double h2 = 0;
    std::optional<double> evap_water_outlet_temp;
    std::optional<double> cond_water_outlet_temp;
    // The evaporator water would leave at or below te, which it never can:
    // its outlet is held just above te instead.
    bool evap_water_outlet_held = false;
    double compressor_heat_loss = 0;
    double compressor_power = 0;
    double cop_heat_pump = 0;
    double cop_refrigerator = 0;
    double suction_density = 0;
    double suction_volume_flow = 0;
    double volumetric_efficiency = 0;
    // Heat exchangers.
    double cond_outlet_density = 0;
    double evap_liquid_density = 0;
    double evap_inlet_density = 0;
    std::optional<double> cond_lmtd;
    std::optional<double> cond_u;
    std::optional<double> evap_lmtd;
    std::optional<double> evap_u;
};

struct PassResult {
    BenchState state;
    std::optional<Fault> fault;  // unset: the pass completed

    // True when the pass got past the step that computes `q`.
    bool reached(Quantity q) const { return !fault || q < fault->step; }
};

// One whole recomputation of the bench, without the chart.
PassResult recompute(const BenchInputs& in);

// The rest of a pass from given state points (pressures, te, tc, h1, h3, h4
// and the quality of D): the compressor, the energy balance and the coils.
PassResult recompute_from_state_points(const BenchInputs& in, const BenchState& state_points);

}  // namespace gelvor
