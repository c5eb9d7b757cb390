#include "model/r11_superancillary.h"

#include <algorithm>
#include <cmath>

#include "model/chebyshev.h"

namespace gelvor::r11ref {
namespace {

constexpr int kDegree = SaturationExpansions::kDegree;
using Series = SaturationExpansions::Series;
using chebyshev::settled;
using chebyshev::unit;
using chebyshev::value;

// A series is kept when its last two coefficients add up to no more than
// this (relative to the liquid density, absolute in the logarithms): the
// terms left out are smaller still, which leaves the series some hundred
// times within the 1e-10 it promises. Below the noise of the solve's own
// digits it could never be met.
constexpr double kTailTolerance = 1e-13;
// 2^-kMaxDepth of the whole range is a few microkelvin: far finer than any
// interval needs.
constexpr int kMaxDepth = 26;

// The equation's phase equilibrium in the variables of Akasaka (2008):
// J = delta (1 + delta alphar_delta) and K = delta alphar_delta + alphar +
// ln delta are equal in both phases, with dK/ddelta = (dJ/ddelta) / delta.
// Newton's method in both reduced densities at once, from the fits.
struct ReducedDensities {
    double liquid, vapour;
};
std::optional<ReducedDensities> coexisting_densities(double kelvin) {
    constexpr double max_reduced = 4;  // denser than the liquid at the triple point and 100 MPa
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
        if (!(vapour > 0 && liquid > vapour && liquid < max_reduced)) {
            return std::nullopt;
        }
        if (std::abs(step_l) <= 1e-12 * liquid && std::abs(step_v) <= 1e-12 * vapour) {
            return ReducedDensities{liquid, vapour};
        }
    }
    return std::nullopt;
}

// Where in [-1, 1] a rising series takes the value y: Newton's method from
// a guess, a step that leaves the bracket of what is known bisecting
// instead.
double where_series_is(const Series& c, const Series& slope_of_c, double y, double guess) {
    double x = std::clamp(guess, -1.0, 1.0), lo = -1, hi = 1;
    for (int i = 0; i < 100; ++i) {
        const double residual = value<kDegree>(c, x) - y;
        const double slope = value<kDegree>(slope_of_c, x);
        if (residual == 0) {
            break;
        }
        (residual < 0 ? lo : hi) = x;
        const double newton = x - residual / slope;
        if (slope > 0 && newton >= lo && newton <= hi) {
            // Quadratic convergence: after a step this small, x is exact
            // to the last digits.
            const bool done = std::abs(newton - x) <= 1e-9;
            x = newton;
            if (done) {
                break;
            }
        } else {
            x = 0.5 * (lo + hi);
            if (hi - lo <= 1e-15) {
                break;
            }
        }
    }
    return x;
}

}  // namespace

std::optional<SaturationPoint> solve_coexistence(double kelvin) {
    if (!(kelvin >= kTriplePointKelvin && kelvin <= kClosureStartKelvin)) {
        return std::nullopt;
    }
    const auto reduced = coexisting_densities(kelvin);
    if (!reduced) {
        return std::nullopt;
    }
    const double liquid = reduced->liquid * kReducingDensity;
    const double vapour = reduced->vapour * kReducingDensity;
    return SaturationPoint{kelvin, pressure_and_slope(kelvin, vapour).pressure, liquid, vapour};
}

SaturationExpansions SaturationExpansions::build() {
    SaturationExpansions e;
    if (!e.add(kTriplePointKelvin, kClosureStartKelvin, 0)) {
        return SaturationExpansions();
    }
    e.min_pressure_ = std::exp(e.intervals_.front().log_p_lo);
    e.max_pressure_ = std::exp(e.intervals_.back().log_p_hi);
    return e;
}

// The interval's series, or its two halves' when they do not settle.
bool SaturationExpansions::add(double lo, double hi, int depth) {
    const auto at_node = [](int j, double from, double to) {
        // The ends exactly, so that neighbours meet.
        return j == 0         ? to
               : j == kDegree ? from
                              : 0.5 * (from + to) + 0.5 * (to - from) * chebyshev::node<kDegree>(j);
    };
    Series log_p, liquid, log_vapour;
    for (int j = 0; j <= kDegree; ++j) {
        const auto s = solve_coexistence(at_node(j, lo, hi));
        if (!s) {
            return false;
        }
        log_p[j] = std::log(s->pressure);
        liquid[j] = s->liquid_density;
        log_vapour[j] = std::log(s->vapour_density);
    }
    Interval in{lo,
                hi,
                0,
                0,
                chebyshev::coefficients<kDegree>(log_p),
                chebyshev::coefficients<kDegree>(liquid),
                chebyshev::coefficients<kDegree>(log_vapour),
                {},
                {}};
    in.log_p_lo = value<kDegree>(in.log_p, -1);
    in.log_p_hi = value<kDegree>(in.log_p, 1);
    bool kept = settled<kDegree>(in.log_p, kTailTolerance) &&
                settled<kDegree>(in.log_vapour, kTailTolerance) &&
                settled<kDegree>(in.liquid, kTailTolerance * std::abs(in.liquid[0]));
    if (kept) {
        // T in ln p, at its nodes by inverting the series in T.
        const Series log_p_slope = chebyshev::derivative<kDegree>(in.log_p);
        Series kelvin;
        for (int j = 0; j <= kDegree; ++j) {
            const double y = at_node(j, in.log_p_lo, in.log_p_hi);
            const double guess = unit(y, in.log_p_lo, in.log_p_hi);
            const double x = where_series_is(in.log_p, log_p_slope, y, guess);
            kelvin[j] = 0.5 * (lo + hi) + 0.5 * (hi - lo) * x;
        }
        in.kelvin = chebyshev::coefficients<kDegree>(kelvin);
        in.kelvin_slope = chebyshev::derivative<kDegree>(in.kelvin);
        // T's error counts as the error in ln p that it makes.
        kept =
            settled<kDegree>(in.kelvin, kTailTolerance * (hi - lo) / (in.log_p_hi - in.log_p_lo));
    }
    if (!kept && depth < kMaxDepth) {
        const double middle = 0.5 * (lo + hi);
        return add(lo, middle, depth + 1) && add(middle, hi, depth + 1);
    }
    intervals_.push_back(in);
    return true;
}

std::optional<SaturationPoint> SaturationExpansions::at_temperature(double kelvin) const {
    if (intervals_.empty() ||
        !(kelvin >= intervals_.front().lo && kelvin <= intervals_.back().hi)) {
        return std::nullopt;
    }
    const auto in = std::partition_point(intervals_.begin(), intervals_.end() - 1,
                                         [&](const Interval& i) { return i.hi < kelvin; });
    const double x = unit(kelvin, in->lo, in->hi);
    return SaturationPoint{kelvin, std::exp(value<kDegree>(in->log_p, x)),
                           value<kDegree>(in->liquid, x),
                           std::exp(value<kDegree>(in->log_vapour, x))};
}

std::optional<SaturationPoint> SaturationExpansions::at_pressure(double p) const {
    // The ends' own pressures, which may differ from the series' in the
    // last digits, are still in.
    constexpr double slack = 1e-12;
    if (intervals_.empty() ||
        !(p >= min_pressure_ * (1 - slack) && p <= max_pressure_ * (1 + slack))) {
        return std::nullopt;
    }
    const double y = std::log(p);
    const auto in = std::partition_point(intervals_.begin(), intervals_.end() - 1,
                                         [&](const Interval& i) { return i.log_p_hi < y; });
    // T from its series in ln p, then one Newton step on the series of ln p
    // in T (with the slope the series in ln p gives), after which T agrees
    // with at_temperature to the last digits. Then a few units in the last
    // place less, to be below after any rounding.
    const double u = unit(y, in->log_p_lo, in->log_p_hi);
    const double x = unit(value<kDegree>(in->kelvin, u), in->lo, in->hi);
    const double x_per_y = value<kDegree>(in->kelvin_slope, u) * 4 /
                           ((in->log_p_hi - in->log_p_lo) * (in->hi - in->lo));
    const double root = std::clamp(x - (value<kDegree>(in->log_p, x) - y) * x_per_y, -1.0, 1.0);
    const double kelvin =
        std::max((0.5 * (in->lo + in->hi) + 0.5 * (in->hi - in->lo) * root) * (1 - 1e-15), in->lo);
    const double below = unit(kelvin, in->lo, in->hi);
    return SaturationPoint{kelvin, p, value<kDegree>(in->liquid, below),
                           std::exp(value<kDegree>(in->log_vapour, below))};
}

const SaturationExpansions& saturation_expansions() {
    static const SaturationExpansions expansions = SaturationExpansions::build();
    return expansions;
}

}  // namespace gelvor::r11ref
