#include "model/r11_reference.h"

#include <algorithm>
#include <cmath>

#include "model/r11_helmholtz.h"
#include "model/root_finding.h"

namespace gelvor::r11ref {
namespace {

constexpr double kCriticalKelvin = kCriticalTemperature + kZeroCelsius;
constexpr double kMinKelvin = kMinTemperature + kZeroCelsius;
constexpr double kMaxKelvin = kMaxTemperature + kZeroCelsius;
// Denser than the liquid at the triple point and 100 MPa.
constexpr double kMaxDensity = 4 * kReducingDensity;

// The equation's own two phases are still apart at the fluid's critical
// point (at 471.06 K it gives 4404 kPa with 591 and 520 kg/m3), so over the
// last half kelvin the saturation line is carried from the equation's values
// to the critical point: the densities by the critical scaling law
// rho - rhoc ~ (Tc - T)^beta, ln p by a parabola in T that keeps the
// equation's value and slope where it takes over.
constexpr double kClosureWidth = 0.5;  // K
constexpr double kClosureStart = kCriticalKelvin - kClosureWidth;
constexpr double kCriticalExponent = 0.35;  // beta

// The liquid and vapour in equilibrium at one temperature: equal pressure
// and equal Gibbs energy. Newton's method in both densities at once, from the
// fits, in the variables of Akasaka (2008): J = delta (1 + delta alphar_delta)
// and K = delta alphar_delta + alphar + ln delta, equal in both phases, with
// dK/ddelta = (dJ/ddelta) / delta.
struct Coexistence {
    EquationPoint liquid;
    EquationPoint vapour;
};
std::optional<Coexistence> coexistence(double kelvin) {
    if (!(kelvin >= kMinKelvin && kelvin <= kClosureStart)) {
        return std::nullopt;
    }
    double liquid = fitted_liquid_density(kelvin) / kReducingDensity;
    double vapour = fitted_vapour_density(kelvin) / kReducingDensity;
    const double tau = kReducingTemperature / kelvin;
    for (int i = 0; i < 50; ++i) {
        const Helmholtz l = residual_helmholtz(tau, liquid), v = residual_helmholtz(tau, vapour);
        const double jl = liquid * (1 + l.delta_residual_d), jv = vapour * (1 + v.delta_residual_d);
        const double kl = l.delta_residual_d + l.residual + std::log(liquid);
        const double kv = v.delta_residual_d + v.residual + std::log(vapour);
        const double djl = 1 + 2 * l.delta_residual_d + l.delta2_residual_dd;
        const double djv = 1 + 2 * v.delta_residual_d + v.delta2_residual_dd;
        const double dkl = djl / liquid, dkv = djv / vapour;
        const double det = djv * dkl - djl * dkv;
        if (!(std::abs(det) > 0)) {
            return std::nullopt;
        }
        const double step_l = ((kv - kl) * djv - (jv - jl) * dkv) / det;
        const double step_v = ((kv - kl) * djl - (jv - jl) * dkl) / det;
        liquid += step_l;
        vapour += step_v;
        if (!(vapour > 0 && liquid > vapour && liquid * kReducingDensity < kMaxDensity)) {
            return std::nullopt;
        }
        if (std::abs(step_l) <= 1e-12 * liquid && std::abs(step_v) <= 1e-12 * vapour) {
            return Coexistence{EquationPoint(kelvin, liquid * kReducingDensity),
                               EquationPoint(kelvin, vapour * kReducingDensity)};
        }
    }
    return std::nullopt;
}

// Clapeyron: d ln p / dT = (hV - hL) / (T p (1/rhoV - 1/rhoL)).
double clapeyron_slope(const Coexistence& c, double p) {
    const double latent = c.vapour.raw_enthalpy() - c.liquid.raw_enthalpy();
    const double volume_change = 1 / c.vapour.density - 1 / c.liquid.density;
    return latent / (c.liquid.kelvin * p * volume_change);
}

// The closing stretch: both densities' distances from the critical density
// where it starts, and ln(p/pc) = u (a + b u) with u = Tc - T.
struct Closure {
    double liquid_gap, vapour_gap;  // kg/m3
    double a, b;
};
const std::optional<Closure>& closure() {
    static const std::optional<Closure> found = []() -> std::optional<Closure> {
        const auto c = coexistence(kClosureStart);
        if (!c) {
            return std::nullopt;
        }
        const double p = c->vapour.pressure();
        const double log_ratio = std::log(p / kCriticalPressure);
        const double slope = clapeyron_slope(*c, p);
        const double u = kClosureWidth;
        const double b = -(log_ratio + slope * u) / (u * u);
        return Closure{c->liquid.density - kCriticalDensity, c->vapour.density - kCriticalDensity,
                       -slope - 2 * b * u, b};
    }();
    return found;
}

// The saturation line at one temperature, with the slope of ln p in T.
struct SaturationLine {
    EquationPoint liquid;
    EquationPoint vapour;
    double pressure;            // kPa
    double log_pressure_slope;  // 1/K
};
std::optional<SaturationLine> saturation_line(double kelvin) {
    if (kelvin <= kClosureStart) {
        const auto c = coexistence(kelvin);
        if (!c) {
            return std::nullopt;
        }
        // The two pressures agree; the vapour's is the better conditioned.
        const double p = c->vapour.pressure();
        return SaturationLine{c->liquid, c->vapour, p, clapeyron_slope(*c, p)};
    }
    const auto& c = closure();
    if (!(kelvin <= kCriticalKelvin) || !c) {
        return std::nullopt;
    }
    const double u = kCriticalKelvin - kelvin;
    const double shrink = std::pow(u / kClosureWidth, kCriticalExponent);
    return SaturationLine{EquationPoint(kelvin, kCriticalDensity + c->liquid_gap * shrink),
                          EquationPoint(kelvin, kCriticalDensity + c->vapour_gap * shrink),
                          kCriticalPressure * std::exp(u * (c->a + c->b * u)),
                          -(c->a + 2 * c->b * u)};
}

// The zero of h and s: 200 kJ/kg and 1 kJ/(kg K) for saturated liquid at 0 ºC.
struct Offsets {
    double enthalpy;
    double entropy;
};
const Offsets& reference_offsets() {
    static const Offsets offsets = [] {
        const auto c = coexistence(kZeroCelsius);
        return c ? Offsets{200 - c->liquid.raw_enthalpy(), 1 - c->liquid.raw_entropy()}
                 : Offsets{0, 0};
    }();
    return offsets;
}
double enthalpy(const EquationPoint& point) {
    return point.raw_enthalpy() + reference_offsets().enthalpy;
}
double entropy(const EquationPoint& point) {
    return point.raw_entropy() + reference_offsets().entropy;
}

Saturation saturation_of(const SaturationLine& line) {
    return Saturation{line.liquid.kelvin - kZeroCelsius,
                      line.pressure,
                      line.liquid.density,
                      line.vapour.density,
                      enthalpy(line.liquid),
                      enthalpy(line.vapour),
                      entropy(line.liquid),
                      entropy(line.vapour)};
}

State single_phase_state(const EquationPoint& point) {
    return State{point.kelvin - kZeroCelsius,
                 point.pressure(),
                 point.density,
                 enthalpy(point),
                 entropy(point),
                 std::nullopt};
}

bool pressure_in_range(double p) {
    return p > 0 && p <= kMaxPressure;
}

enum class Phase { vapour, liquid };

// The point at (T, p) on the branch of the phase asked for; above the
// critical temperature there is one branch. `guess` in kg/m3, if known.
std::optional<EquationPoint> point_at(double kelvin, double p, Phase phase, double guess = 0) {
    // Below the critical temperature, keep to the phase's side of the
    // saturated densities, where the pressure only rises with the density.
    double lo = 0, hi = kMaxDensity;
    if (kelvin < kCriticalKelvin) {
        if (phase == Phase::vapour) {
            hi = std::min(1.05 * fitted_vapour_density(kelvin), kCriticalDensity);
        } else {
            lo = 0.98 * fitted_liquid_density(kelvin);
        }
    }
    if (!(guess > lo && guess < hi)) {
        // The vapour from the ideal gas's density, below its own, whence
        // Newton's steps climb without overshooting; the liquid from the
        // saturated liquid's, just below its own.
        guess = phase == Phase::liquid && kelvin < kCriticalKelvin ? fitted_liquid_density(kelvin)
                                                                   : p / (kGasConstant * kelvin);
        guess = std::clamp(guess, lo + 0.01 * (hi - lo), hi - 0.01 * (hi - lo));
    }
    double slope = 0;
    const auto density = solve_increasing(
        [&](double rho) {
            const auto [pressure, pressure_slope] = pressure_and_slope(kelvin, rho);
            slope = pressure_slope;
            return Sample{pressure - p, pressure_slope};
        },
        lo, hi, guess, 1e-12);
    if (!density || !(slope > 0)) {  // none, or a root on the unstable branch
        return std::nullopt;
    }
    return EquationPoint(kelvin, *density);
}

// Which phase is stable at (T, p) below the critical temperature: the fit
// decides away from the saturation line, the saturation line near it.
Phase phase_at(double kelvin, double p) {
    const double fitted = fitted_saturation_pressure(kelvin);
    if (std::abs(p - fitted) > 0.002 * fitted) {
        return p < fitted ? Phase::vapour : Phase::liquid;
    }
    const auto line = saturation_line(kelvin);
    return p < (line ? line->pressure : fitted) ? Phase::vapour : Phase::liquid;
}

// The saturation line at pressure p: Newton's method in T on ln p, from
// the fit's inverse (only a guess: the middle of the range when it has none).
std::optional<SaturationLine> saturation_line_at_pressure(double p) {
    if (!(p > 0 && p <= kCriticalPressure)) {
        return std::nullopt;
    }
    if (p == kCriticalPressure) {
        return saturation_line(kCriticalKelvin);
    }
    const double middle = 0.5 * (kMinKelvin + kCriticalKelvin);
    const double start = solve_increasing(
                             [&](double kelvin) {
                                 const double step = 1e-6 * kelvin;
                                 const double value = fitted_saturation_pressure(kelvin);
                                 const double ahead = fitted_saturation_pressure(kelvin + step);
                                 return Sample{std::log(value / p), std::log(ahead / value) / step};
                             },
                             kMinKelvin, kCriticalKelvin, middle, 1e-6)
                             .value_or(middle);
    std::optional<SaturationLine> line;  // the last one computed
    const auto kelvin = solve_increasing(
        [&](double kelvin) {
            line = saturation_line(kelvin);
            return line ? Sample{std::log(line->pressure / p), line->log_pressure_slope}
                        : Sample{std::nan(""), 0};
        },
        kMinKelvin, kCriticalKelvin, start, 1e-12);
    if (!kelvin) {
        return std::nullopt;
    }
    // The last step moved T by under 1e-12 of itself.
    return line && std::abs(*kelvin - line->liquid.kelvin) <= 1e-9 ? line
                                                                   : saturation_line(*kelvin);
}

// The single-phase state at pressure p where `property` (h or s of a point)
// equals `target`, T between lo and hi kelvin, searched from `start` on;
// `slope` is the property's derivative in T at constant p.
template <class Property, class Slope>
std::optional<State> single_phase_where(double p, double target, double lo, double hi,
                                        const EquationPoint& start, Phase phase, Property property,
                                        Slope slope) {
    double density = start.density;  // the last one found, the next one's guess
    const auto kelvin = solve_increasing(
        [&](double t) {
            const auto point = point_at(t, p, phase, density);
            if (!point) {
                return Sample{std::nan(""), 0};
            }
            density = point->density;
            return Sample{property(*point) - target, slope(*point)};
        },
        lo, hi, start.kelvin, 1e-12);
    if (!kelvin) {
        return std::nullopt;
    }
    const auto point = point_at(*kelvin, p, phase, density);
    return point ? std::optional(single_phase_state(*point)) : std::nullopt;
}

// The state at pressure p where h or s (`property` of a point, `slope` its
// derivative in T at constant p) equals `target`: inside the dome from the
// saturation values, else in the phase it falls in, searched from the
// saturated state on that side.
template <class Property, class Slope>
std::optional<State> state_where(double p, double target, Property property, Slope slope) {
    if (!pressure_in_range(p) || !std::isfinite(target)) {
        return std::nullopt;
    }
    if (p > kCriticalPressure) {
        // Compressed liquid below the critical temperature, one fluid above.
        const auto at_critical = point_at(kCriticalKelvin, p, Phase::vapour);
        if (!at_critical) {
            return std::nullopt;
        }
        return property(*at_critical) > target
                   ? single_phase_where(p, target, kMinKelvin, kCriticalKelvin, *at_critical,
                                        Phase::liquid, property, slope)
                   : single_phase_where(p, target, kCriticalKelvin, kMaxKelvin, *at_critical,
                                        Phase::vapour, property, slope);
    }
    const auto line = saturation_line_at_pressure(p);
    if (!line) {
        return std::nullopt;
    }
    const double kelvin = line->liquid.kelvin;
    const double on_liquid = property(line->liquid), on_vapour = property(line->vapour);
    if (target > on_vapour) {
        return single_phase_where(p, target, kelvin, kMaxKelvin, line->vapour, Phase::vapour,
                                  property, slope);
    }
    if (target < on_liquid) {
        return single_phase_where(p, target, kMinKelvin, kelvin, line->liquid, Phase::liquid,
                                  property, slope);
    }
    const Saturation sat = saturation_of(*line);
    const double x = on_vapour > on_liquid ? (target - on_liquid) / (on_vapour - on_liquid) : 1;
    const double volume = x / sat.vapour_density + (1 - x) / sat.liquid_density;
    return State{sat.t,
                 sat.p,
                 1 / volume,
                 sat.liquid_enthalpy + x * (sat.vapour_enthalpy - sat.liquid_enthalpy),
                 sat.liquid_entropy + x * (sat.vapour_entropy - sat.liquid_entropy),
                 x};
}

}  // namespace

std::optional<Saturation> saturation_at_temperature(double t) {
    if (!(t >= kMinTemperature && t <= kCriticalTemperature)) {
        return std::nullopt;
    }
    // Celsius to kelvin may round past either end.
    const double kelvin = t == kCriticalTemperature
                              ? kCriticalKelvin
                              : std::clamp(t + kZeroCelsius, kMinKelvin, kCriticalKelvin);
    const auto line = saturation_line(kelvin);
    return line ? std::optional(saturation_of(*line)) : std::nullopt;
}

std::optional<Saturation> saturation_at_pressure(double p) {
    const auto line = saturation_line_at_pressure(p);
    return line ? std::optional(saturation_of(*line)) : std::nullopt;
}

std::optional<State> state_at_pressure_temperature(double p, double t) {
    const double kelvin = t + kZeroCelsius;
    if (!pressure_in_range(p) || !(kelvin >= kMinKelvin && kelvin <= kMaxKelvin)) {
        return std::nullopt;
    }
    const Phase phase = kelvin < kCriticalKelvin ? phase_at(kelvin, p) : Phase::vapour;
    const auto point = point_at(kelvin, p, phase);
    return point ? std::optional(single_phase_state(*point)) : std::nullopt;
}

std::optional<State> state_at_pressure_enthalpy(double p, double h) {
    return state_where(
        p, h, [](const EquationPoint& point) { return enthalpy(point); },
        [](const EquationPoint& point) { return point.isobaric_heat_capacity(); });
}

std::optional<State> state_at_pressure_entropy(double p, double s) {
    return state_where(
        p, s, [](const EquationPoint& point) { return entropy(point); },
        [](const EquationPoint& point) { return point.isobaric_heat_capacity() / point.kelvin; });
}

}  // namespace gelvor::r11ref
