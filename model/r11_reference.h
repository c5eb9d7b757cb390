#pragma once

#include <optional>

// R-11 by its reference fundamental equation of state (Jacobsen, Penoncello
// and Lemmon, 1992), for what is drawn and computed beyond the bench's
// displays: the true p-h chart and the ideal-cycle figures. The displays keep
// the bench's own fits (model/r11.h), which are good only over its working
// range. Units as the bench's: kPa absolute, ºC, kg/m3, kJ/kg, kJ/(kg K), with
// h = 200 kJ/kg and s = 1 kJ/(kg K) for saturated liquid at 0 ºC.
//
// Every function returns nothing outside the range where the equation holds
// or where its solution does not converge; none throws or returns NaN.
namespace gelvor::r11ref {

inline constexpr double kZeroCelsius = 273.15;  // K
inline constexpr double kMolarMass = 0.137368;  // kg/mol

// The critical point, where the saturation dome closes.
inline constexpr double kCriticalTemperature = 471.06 - kZeroCelsius;  // ºC
inline constexpr double kCriticalPressure = 4394.0;                    // kPa
inline constexpr double kCriticalDensity = 4113.04 * kMolarMass;       // kg/m3

// Where the equation holds: from the triple point to 595 K, up to 100 MPa.
inline constexpr double kMinTemperature = 162.68 - kZeroCelsius;  // ºC
inline constexpr double kMaxTemperature = 595.0 - kZeroCelsius;   // ºC
inline constexpr double kMaxPressure = 100'000.0;                 // kPa

// Both phases in equilibrium at one temperature.
struct Saturation {
    double t = 0;                                     // ºC
    double p = 0;                                     // kPa
    double liquid_density = 0, vapour_density = 0;    // kg/m3
    double liquid_enthalpy = 0, vapour_enthalpy = 0;  // kJ/kg
    double liquid_entropy = 0, vapour_entropy = 0;    // kJ/(kg K)
};

// From the triple point up to the critical point, where both phases are one.
std::optional<Saturation> saturation_at_temperature(double t);
std::optional<Saturation> saturation_at_pressure(double p);

// One state of the fluid. Inside the dome (or on its lines, reached from an
// enthalpy or an entropy) `quality` is the vapour's mass fraction and the
// density is the mixture's; in a single phase it is unset.
struct State {
    double t = 0;        // ºC
    double p = 0;        // kPa
    double density = 0;  // kg/m3
    double h = 0;        // kJ/kg
    double s = 0;        // kJ/(kg K)
    std::optional<double> quality;
};

// The single phase at (p, t): vapour below the saturation pressure of t,
// liquid above it, one fluid above the critical temperature.
std::optional<State> state_at_pressure_temperature(double p, double t);
// The state of a given enthalpy or entropy at pressure p.
std::optional<State> state_at_pressure_enthalpy(double p, double h);
std::optional<State> state_at_pressure_entropy(double p, double s);

}  // namespace gelvor::r11ref
