#pragma once

// The reference equation's own saturation line, for r11_reference.cpp: the
// iterative solution of the phase equilibrium, and Chebyshev expansions of
// it in temperature (superancillary functions, as in I. H. Bell et al., AIChE
// J. 64 (2018) 2221) that give it at a temperature or a pressure in tens of
// nanoseconds instead of a solve's microseconds. They are built from the
// iterative solution on first use and agree with it within 1e-10 relative
// from the triple point to where the closure by the critical point starts.
#include <cstddef>
#include <optional>
#include <vector>

#include "model/chebyshev.h"
#include "model/r11_helmholtz.h"

namespace gelvor::r11ref {

// The equation's phases are still apart at the fluid's critical point;
// r11_reference.cpp carries the line over the last half kelvin below it
// to the critical point by scaling laws, from the equation's values here.
inline constexpr double kClosureWidth = 0.5;  // K
inline constexpr double kClosureStartKelvin = kCriticalTemperature + kZeroCelsius - kClosureWidth;
inline constexpr double kTriplePointKelvin = kMinTemperature + kZeroCelsius;

// Both phases at one temperature, T in kelvin, p in kPa, densities in kg/m3.
struct SaturationPoint {
    double kelvin;
    double pressure;
    double liquid_density;
    double vapour_density;
};

// The phase equilibrium at one temperature from the triple point to the
// closure's start, by Newton's method: equal pressure and Gibbs energy in
// both phases. The pressure is the vapour's (the better conditioned).
std::optional<SaturationPoint> solve_coexistence(double kelvin);

// Chebyshev series of ln p, the liquid density and ln of the vapour density
// in T over intervals, split until each series' last terms are negligible
// (short ones near the closure, where the densities bend the most). Over
// each interval also T as a series in ln p, built by inverting the first,
// so that the line at a pressure is nearly as quick as at a temperature.
class SaturationExpansions {
  public:
    static constexpr int kDegree = 16;
    using Series = chebyshev::Series<kDegree>;

    // From the coexistence solution, some hundreds of solves (about a
    // millisecond); empty if any solve failed.
    static SaturationExpansions build();

    // Nothing outside the triple point to the closure's start, or, by
    // pressure, outside their pressures. The temperature at a pressure is
    // rounded down, so that the pressure at it, even after a round trip
    // through ºC, is not above the one asked for (a chart's dome then starts
    // on its axis, not a hair inside).
    std::optional<SaturationPoint> at_temperature(double kelvin) const;
    std::optional<SaturationPoint> at_pressure(double p) const;

    double min_pressure() const { return min_pressure_; }
    double max_pressure() const { return max_pressure_; }
    std::size_t interval_count() const { return intervals_.size(); }

  private:
    struct Interval {
        double lo, hi;  // K
        double log_p_lo, log_p_hi;
        Series log_p, liquid, log_vapour;  // in T
        Series kelvin, kelvin_slope;       // in ln p
    };
    bool add(double lo, double hi, int depth);

    std::vector<Interval> intervals_;  // in order of temperature, end to end
    double min_pressure_ = 0, max_pressure_ = 0;
};

// The expansions of the equation, built once on first use (thread-safe).
const SaturationExpansions& saturation_expansions();

}  // namespace gelvor::r11ref
