#pragma once

#include <cmath>
#include <optional>

namespace gelvor {

// A function's value and its derivative at one point.
struct Sample {
    double value;
    double slope;
};

// The root of an increasing function `f` (returning a Sample) between `lo`
// and `hi`, by Newton's method from `guess`, safeguarded: each value's sign
// narrows the bracket, and a step that would leave it (or a slope that is
// not positive) is replaced by bisection. Converged when a Newton step moves
// less than `tolerance` relative to x, or when the bracket, with a sign
// change seen across it, has shrunk to that. Nothing when the root lies
// outside the bracket, a value is not finite, or 100 steps do not do.
template <class F>
std::optional<double> solve_increasing(F f, double lo, double hi, double guess, double tolerance) {
    bool seen_below = false, seen_above = false;
    double x = guess;
    for (int i = 0; i < 100; ++i) {
        const Sample s = f(x);
        if (!std::isfinite(s.value)) {
            return std::nullopt;
        }
        if (s.value == 0) {
            return x;
        }
        if (s.value < 0) {
            lo = x;
            seen_below = true;
        } else {
            hi = x;
            seen_above = true;
        }
        const double newton = x - s.value / s.slope;
        const double scale = tolerance * std::abs(x);
        if (s.slope > 0 && std::abs(newton - x) <= scale) {
            return newton;  // even where it rounds onto the bracket's end
        }
        if (s.slope > 0 && newton > lo && newton < hi) {
            x = newton;
        } else {
            if (hi - lo <= scale) {
                return seen_below && seen_above ? std::optional(0.5 * (lo + hi)) : std::nullopt;
            }
            x = 0.5 * (lo + hi);
        }
    }
    return std::nullopt;
}

}  // namespace gelvor
