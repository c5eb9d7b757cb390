#pragma once

// The reference equation of state of R-11 itself, for r11_reference.cpp: the
// fundamental equation of R. T Jacobsen, S. G. Penoncello and E. W. Lemmon,
// "A fundamental equation for trichlorofluoromethane (R-11)", Fluid Phase
// Equilibria 80 (1992) 45-56. It gives the reduced Helmholtz energy
// alpha(tau, delta) = alpha0 + alphar, tau = Tr/T, delta = rho/rhor, with the
// equation's own reducing values Tr and rhor; with R the gas constant per kg,
//   p = rho R T (1 + delta alphar_delta)
//   h = R T (1 + tau (alpha0_tau + alphar_tau) + delta alphar_delta)
//   s = R (tau (alpha0_tau + alphar_tau) - alpha0 - alphar).
// Temperatures here are in kelvin, densities in kg/m3.
#include "model/r11_reference.h"

namespace gelvor::r11ref {

inline constexpr double kGasConstant = 8.31451 / kMolarMass / 1000;  // kJ/(kg K)
// The equation's reducing values, near the critical point but not on it.
inline constexpr double kReducingTemperature = 471.11;             // K
inline constexpr double kReducingDensity = 4032.962 * kMolarMass;  // kg/m3

// The reduced Helmholtz energy and its derivatives, each multiplied by the
// powers of tau and delta that the relations need.
struct Helmholtz {
    double ideal = 0;                  // alpha0
    double residual = 0;               // alphar
    double tau_ideal_t = 0;            // tau alpha0_tau
    double tau2_ideal_tt = 0;          // tau^2 alpha0_tautau
    double tau_residual_t = 0;         // tau alphar_tau
    double tau2_residual_tt = 0;       // tau^2 alphar_tautau
    double delta_residual_d = 0;       // delta alphar_delta
    double delta2_residual_dd = 0;     // delta^2 alphar_deltadelta
    double delta_tau_residual_dt = 0;  // delta tau alphar_deltatau
};
Helmholtz helmholtz(double tau, double delta);
// The same with the ideal part by its closed form, which helmholtz takes
// from series in T over the equation's range (within some 1e-14).
Helmholtz exact_helmholtz(double tau, double delta);
// The residual part alone, the ideal fields left at zero: all that the
// pressure and the phase equilibrium need, at half the cost.
Helmholtz residual_helmholtz(double tau, double delta);

// The pressure (kPa) at (T, rho) and its slope dp/drho at constant T.
struct PressureSlope {
    double pressure;
    double slope;
};
PressureSlope pressure_and_slope(double kelvin, double density);

// One point (T, rho) of the equation and what follows from it. Enthalpy and
// entropy are without their zero (the ideal part's two free constants are
// left out): r11_reference.cpp sets it. Inline: the searches call them in
// their inner loops.
struct EquationPoint {
    double kelvin;
    double density;
    Helmholtz a;

    EquationPoint(double kelvin, double density)
        : kelvin(kelvin),
          density(density),
          a(helmholtz(kReducingTemperature / kelvin, density / kReducingDensity)) {}

    double pressure() const {  // kPa
        return density * kGasConstant * kelvin * (1 + a.delta_residual_d);
    }
    double pressure_slope() const {  // dp/drho at constant T
        return kGasConstant * kelvin * (1 + 2 * a.delta_residual_d + a.delta2_residual_dd);
    }
    double pressure_temperature_slope() const {  // dp/dT at constant rho
        return density * kGasConstant * (1 + a.delta_residual_d - a.delta_tau_residual_dt);
    }
    double raw_enthalpy() const {  // kJ/kg
        return kGasConstant * kelvin * (1 + a.tau_ideal_t + a.tau_residual_t + a.delta_residual_d);
    }
    double raw_entropy() const {  // kJ/(kg K)
        return kGasConstant * (a.tau_ideal_t + a.tau_residual_t - a.ideal - a.residual);
    }
    double isochoric_heat_capacity() const {
        return -kGasConstant * (a.tau2_ideal_tt + a.tau2_residual_tt);
    }
    // cp = cv + R (1 + delta alphar_delta - delta tau alphar_deltatau)^2
    //           / (1 + 2 delta alphar_delta + delta^2 alphar_deltadelta)
    double isobaric_heat_capacity() const {
        const double num = 1 + a.delta_residual_d - a.delta_tau_residual_dt;
        const double den = 1 + 2 * a.delta_residual_d + a.delta2_residual_dd;
        return isochoric_heat_capacity() + kGasConstant * num * num / den;
    }
};

// Smooth fits to the equation's saturation line, for starting guesses only.
double fitted_saturation_pressure(double kelvin);  // kPa
double fitted_liquid_density(double kelvin);
double fitted_vapour_density(double kelvin);

}  // namespace gelvor::r11ref
