#pragma once

// Chebyshev series of degree N on [-1, 1], for the expansions of the
// reference equation: their coefficients from values at the Chebyshev-
// Lobatto nodes, their derivative, and their value.
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace gelvor::chebyshev {

template <int N>
using Series = std::array<double, N + 1>;

// The node x_j = cos(pi j / N), j = 0 .. N: x_0 = 1, x_N = -1.
template <int N>
double node(int j) {
    return j == 0 ? 1.0 : j == N ? -1.0 : std::cos(std::numbers::pi * j / N);
}

// The series through the values at the nodes: a discrete cosine transform.
template <int N>
Series<N> coefficients(const Series<N>& values) {
    std::array<double, 2 * N> cosine;  // cos(pi m / N)
    for (int m = 0; m < 2 * N; ++m) {
        cosine[m] = std::cos(std::numbers::pi * m / N);
    }
    Series<N> c;
    for (int k = 0; k <= N; ++k) {
        double sum = 0.5 * (values[0] + (k % 2 ? -values[N] : values[N]));
        for (int j = 1; j < N; ++j) {
            sum += values[j] * cosine[(j * k) % (2 * N)];
        }
        c[k] = 2 * sum / N;
    }
    c[0] /= 2;
    c[N] /= 2;
    return c;
}

// The series of the derivative in x (of degree N - 1, its last term 0):
// d_(k-1) = d_(k+1) + 2 k c_k, d_0 halved.
template <int N>
Series<N> derivative(const Series<N>& c) {
    Series<N> d{};
    for (int k = N; k >= 1; --k) {
        d[k - 1] = (k + 1 <= N ? d[k + 1] : 0) + 2 * k * c[k];
    }
    d[0] /= 2;
    return d;
}

// True when the last two terms add up to no more than `tolerance`: the
// series has settled, and what it leaves out is smaller still.
template <int N>
bool settled(const Series<N>& c, double tolerance) {
    return std::abs(c[N - 1]) + std::abs(c[N]) <= tolerance;
}

// sum c_k T_k(x), as its even and odd halves in y = 2x^2 - 1, each by
// Clenshaw's recurrence: T_2k(x) = T_k(y) and T_2k+1(x) = x V_k(y), V the
// polynomials with V_0 = 1, V_1 = 2y - 1 and the same recurrence. Two
// independent chains of half the length: about twice as quick as one.
template <int N>
double value(const Series<N>& c, double x) {
    const double y = 2 * x * x - 1, y2 = 2 * y;
    double e1 = 0, e2 = 0, o1 = 0, o2 = 0;
    for (int k = N / 2; k >= 1; --k) {
        const double e0 = (c[2 * k] - e2) + y2 * e1;
        e2 = e1;
        e1 = e0;
    }
    for (int k = (N - 1) / 2; k >= 0; --k) {
        const double o0 = (c[2 * k + 1] - o2) + y2 * o1;
        o2 = o1;
        o1 = o0;
    }
    return (c[0] + y * e1 - e2) + x * (o1 - o2);
}

// From [lo, hi] to [-1, 1], clamped.
inline double unit(double v, double lo, double hi) {
    return std::clamp((2 * v - (lo + hi)) / (hi - lo), -1.0, 1.0);
}

}  // namespace gelvor::chebyshev
