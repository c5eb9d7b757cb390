#include "model/r11_reference.h"

#include <algorithm>
#include <cmath>

#include "model/r11_helmholtz.h"
#include "model/r11_isobar.h"
#include "model/r11_superancillary.h"
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
// equation's value and slope where it takes over. Below, the line comes
// from the superancillary expansions of the equation's own.
constexpr double kClosureStart = kClosureStartKelvin;
constexpr double kCriticalExponent = 0.35;  // beta

// The liquid and vapour in equilibrium at one temperature, by the
// iterative solution: for the few values that must be the equation's own
// to the last digit (the reference state, where the closure starts).
struct Coexistence {
    EquationPoint liquid;
    EquationPoint vapour;
};
std::optional<Coexistence> coexistence(double kelvin) {
    const auto s = solve_coexistence(kelvin);
    if (!s) {
        return std::nullopt;
    }
    return Coexistence{EquationPoint(kelvin, s->liquid_density),
                       EquationPoint(kelvin, s->vapour_density)};
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

// The saturation line at one temperature: the expansions', or the closure's
// over the last half kelvin.
std::optional<SaturationPoint> saturation_line(double kelvin) {
    if (kelvin <= kClosureStart) {
        return saturation_expansions().at_temperature(kelvin);
    }
    const auto& c = closure();
    if (!(kelvin <= kCriticalKelvin) || !c) {
        return std::nullopt;
    }
    const double u = kCriticalKelvin - kelvin;
    const double shrink = std::pow(u / kClosureWidth, kCriticalExponent);
    return SaturationPoint{kelvin, kCriticalPressure * std::exp(u * (c->a + c->b * u)),
                           kCriticalDensity + c->liquid_gap * shrink,
                           kCriticalDensity + c->vapour_gap * shrink};
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

// h or s at a point, with its derivatives in T at constant density and in
// the density at constant T, from that point's Helmholtz energy alone:
//   (ds/dT)rho = cv / T,  (ds/drho)T = -(dp/dT)rho / rho^2  (Maxwell),
//   (dh/dT)rho = cv + (dp/dT)rho / rho,
//   (dh/drho)T = ((dp/drho)T - T (dp/dT)rho / rho) / rho.
struct Gradient {
    double value, by_kelvin, by_density;
};
struct ByEnthalpy {
    static double of(const EquationPoint& point) { return enthalpy(point); }
    static double slope(const EquationPoint& point) { return point.isobaric_heat_capacity(); }
    static Gradient gradient(const EquationPoint& point) {
        const double by_kelvin = point.pressure_temperature_slope();
        return {
            enthalpy(point), point.isochoric_heat_capacity() + by_kelvin / point.density,
            (point.pressure_slope() - point.kelvin * by_kelvin / point.density) / point.density};
    }
};
struct ByEntropy {
    static double of(const EquationPoint& point) { return entropy(point); }
    static double slope(const EquationPoint& point) {
        return point.isobaric_heat_capacity() / point.kelvin;
    }
    static Gradient gradient(const EquationPoint& point) {
        return {entropy(point), point.isochoric_heat_capacity() / point.kelvin,
                -point.pressure_temperature_slope() / (point.density * point.density)};
    }
};

Saturation saturation_of(const SaturationPoint& line, const EquationPoint& liquid,
                         const EquationPoint& vapour) {
    return Saturation{
        line.kelvin - kZeroCelsius, line.pressure,    line.liquid_density, line.vapour_density,
        enthalpy(liquid),           enthalpy(vapour), entropy(liquid),     entropy(vapour)};
}
Saturation saturation_of(const SaturationPoint& line) {
    return saturation_of(line, EquationPoint(line.kelvin, line.liquid_density),
                         EquationPoint(line.kelvin, line.vapour_density));
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

// Which phase is stable at (T, p) below the critical temperature.
Phase phase_at(double kelvin, double p) {
    const auto line = saturation_line(kelvin);
    return p < (line ? line->pressure : fitted_saturation_pressure(kelvin)) ? Phase::vapour
                                                                            : Phase::liquid;
}

// The saturation line at pressure p: the expansions' inverse, or over the
// closure the root of its parabola in ln p.
std::optional<SaturationPoint> saturation_line_at_pressure(double p) {
    if (!(p > 0 && p <= kCriticalPressure)) {
        return std::nullopt;
    }
    if (p == kCriticalPressure) {
        return saturation_line(kCriticalKelvin);
    }
    const SaturationExpansions& expansions = saturation_expansions();
    if (p <= expansions.max_pressure()) {
        return expansions.at_pressure(p);
    }
    const auto& c = closure();
    if (!c) {
        return std::nullopt;
    }
    // b u^2 + a u - ln(p/pc) = 0, its root that goes to 0 with ln(p/pc)
    // (a < 0: ln p rises with T), written without cancellation.
    const double log_ratio = std::log(p / kCriticalPressure);
    const double u = -2 * log_ratio / (std::sqrt(c->a * c->a + 4 * c->b * log_ratio) - c->a);
    if (!(u >= 0 && u <= kClosureWidth * (1 + 1e-9))) {
        return std::nullopt;
    }
    auto line = saturation_line(std::max(kCriticalKelvin - u, kClosureStart));
    if (line) {
        line->pressure = p;
    }
    return line;
}

// The single-phase state at pressure p where `property` (h or s of a point)
// equals `target`, T between lo and hi kelvin, searched from `start` on:
// T by Newton's method, each step solving for the density at (T, p). Sure
// but slow; the fallback of isobaric_newton.
template <class Property>
std::optional<State> single_phase_where(double p, double target, double lo, double hi,
                                        const EquationPoint& start, Phase phase) {
    double density = start.density;  // the last one found, the next one's guess
    const auto kelvin = solve_increasing(
        [&](double t) {
            const auto point = point_at(t, p, phase, density);
            if (!point) {
                return Sample{std::nan(""), 0};
            }
            density = point->density;
            return Sample{Property::of(*point) - target, Property::slope(*point)};
        },
        lo, hi, start.kelvin, 1e-12);
    if (!kelvin) {
        return std::nullopt;
    }
    const auto point = point_at(*kelvin, p, phase, density);
    return point ? std::optional(single_phase_state(*point)) : std::nullopt;
}

// The same state by Newton's method in T and the density at once, on
// p(T, rho) = p and the property = target, from `point`, a point at p (a
// saturated phase, or the fluid at the critical temperature): its first
// step is the one by cp along the isobar, and two more settle it in most
// cases. Nothing when a step leaves the stable side of the phase, T leaves
// lo to hi, or it does not settle: single_phase_where then decides.
template <class Property>
std::optional<State> isobaric_newton(double p, double target, double lo, double hi,
                                     EquationPoint point, Phase phase) {
    // Along an isobar the density only falls as T rises, so the vapour
    // stays below its start and the liquid above it.
    const double start_density = point.density;
    double last_step = 0;  // relative
    for (int i = 0; i < 12; ++i) {
        const double p_by_kelvin = point.pressure_temperature_slope();
        const double p_by_density = point.pressure_slope();
        const Gradient f = Property::gradient(point);
        const double p_residual = p - point.pressure(), f_residual = target - f.value;
        const double det = p_by_kelvin * f.by_density - p_by_density * f.by_kelvin;
        const double step_t = (p_residual * f.by_density - p_by_density * f_residual) / det;
        const double step_rho = (p_by_kelvin * f_residual - f.by_kelvin * p_residual) / det;
        const double kelvin = point.kelvin + step_t;
        double density = point.density + step_rho;
        if (i == 0 && phase == Phase::vapour) {
            // A gas's density falls as 1/T, which a linear step follows
            // badly over tens of kelvin: take the compressibility factor
            // Z = p / (rho R T) as linear in T instead, its slope along the
            // isobar (Z / T)(k - 1), k = (T / rho) (dp/dT)rho / (dp/drho)T.
            const double z = p / (point.density * kGasConstant * point.kelvin);
            const double k = point.kelvin * p_by_kelvin / (point.density * p_by_density);
            density = p / (kGasConstant * kelvin * z * (1 + (k - 1) * step_t / point.kelvin));
        }
        const bool on_side =
            phase == Phase::vapour ? density <= start_density : density >= start_density;
        if (!(p_by_density > 0 && kelvin >= kMinKelvin && kelvin <= kMaxKelvin && density > 0 &&
              density < kMaxDensity && on_side)) {
            return std::nullopt;
        }
        // Quadratic convergence: the error left after a step is about
        // step^2 times the ratio of the last step to the square of the one
        // before. Once that is negligible (or the step itself is), the point
        // is exact to the last digits and first-order terms carry p, h and
        // s to it.
        const double step =
            std::max(std::abs(step_t) / kelvin, std::abs(density - point.density) / density);
        if (i > 0 && (step <= 1e-9 ||
                      (step <= 1e-6 && step * step * step <= 1e-13 * last_step * last_step))) {
            if (!(kelvin >= lo && kelvin <= hi)) {
                return std::nullopt;
            }
            const Gradient h = ByEnthalpy::gradient(point), s = ByEntropy::gradient(point);
            return State{kelvin - kZeroCelsius,
                         point.pressure() + p_by_kelvin * step_t + p_by_density * step_rho,
                         density,
                         h.value + h.by_kelvin * step_t + h.by_density * step_rho,
                         s.value + s.by_kelvin * step_t + s.by_density * step_rho,
                         std::nullopt};
        }
        last_step = step;
        point = EquationPoint(kelvin, density);
    }
    return std::nullopt;
}

template <class Property>
std::optional<State> single_phase_from(double p, double target, double lo, double hi,
                                       const EquationPoint& start, Phase phase) {
    if (auto state = isobaric_newton<Property>(p, target, lo, hi, start, phase)) {
        return state;
    }
    return single_phase_where<Property>(p, target, lo, hi, start, phase);
}

// The state at pressure p where h or s (`Property`) equals `target`: inside
// the dome from the saturation values, else in the phase it falls in,
// searched from the saturated state on that side (from `start`, the
// saturated vapour at p, or the fluid at the critical temperature above the
// critical pressure, where there is no `line`).
template <class Property>
std::optional<State> state_where(double p, double target,
                                 const std::optional<SaturationPoint>& line,
                                 const std::optional<EquationPoint>& start) {
    if (!start || !std::isfinite(target)) {
        return std::nullopt;
    }
    if (!line) {
        // Compressed liquid below the critical temperature, one fluid above.
        return Property::of(*start) > target
                   ? single_phase_from<Property>(p, target, kMinKelvin, kCriticalKelvin, *start,
                                                 Phase::liquid)
                   : single_phase_from<Property>(p, target, kCriticalKelvin, kMaxKelvin, *start,
                                                 Phase::vapour);
    }
    // The liquid only when the target is not beyond the vapour.
    const EquationPoint& vapour = *start;
    const double on_vapour = Property::of(vapour);
    if (target > on_vapour) {
        return single_phase_from<Property>(p, target, line->kelvin, kMaxKelvin, vapour,
                                           Phase::vapour);
    }
    const EquationPoint liquid(line->kelvin, line->liquid_density);
    const double on_liquid = Property::of(liquid);
    if (target < on_liquid) {
        return single_phase_from<Property>(p, target, kMinKelvin, line->kelvin, liquid,
                                           Phase::liquid);
    }
    const Saturation sat = saturation_of(*line, liquid, vapour);
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

Isobar::Isobar(double p) : p_(p) {
    if (!pressure_in_range(p)) {
        return;
    }
    if (p > kCriticalPressure) {
        start_ = point_at(kCriticalKelvin, p, Phase::vapour);
        return;
    }
    line_ = saturation_line_at_pressure(p);
    if (line_) {
        start_.emplace(line_->kelvin, line_->vapour_density);
    }
}

std::optional<State> Isobar::saturated_vapour() const {
    if (!line_) {
        return std::nullopt;
    }
    return State{line_->kelvin - kZeroCelsius,
                 line_->pressure,
                 line_->vapour_density,
                 enthalpy(*start_),
                 entropy(*start_),
                 1.0};
}

std::optional<State> Isobar::at_enthalpy(double h) const {
    return state_where<ByEnthalpy>(p_, h, line_, start_);
}

std::optional<State> Isobar::at_entropy(double s) const {
    return state_where<ByEntropy>(p_, s, line_, start_);
}

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
    return std::isfinite(h) ? Isobar(p).at_enthalpy(h) : std::nullopt;
}

std::optional<State> state_at_pressure_entropy(double p, double s) {
    return std::isfinite(s) ? Isobar(p).at_entropy(s) : std::nullopt;
}

}  // namespace gelvor::r11ref
