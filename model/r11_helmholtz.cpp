#include "model/r11_helmholtz.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "model/chebyshev.h"

namespace gelvor::r11ref {
namespace {

// alphar = sum n delta^d tau^t exp(-delta^l), the exponential only where l > 0.
struct ResidualTerm {
    double n;
    int d;
    double t;
    int l;
};
constexpr std::array<ResidualTerm, 28> kResidual{{
    {1.25993633881, 1, 0.5, 0},    {-2.60818574641, 1, 1.5, 0},      {0.00982122542463, 1, 5, 0},
    {-1.06085385839, 2, 1, 0},     {1.2282036351, 2, 1.5, 0},        {0.118000776439, 3, 0, 0},
    {-0.000698956926463, 3, 5, 0}, {-0.0355428373358, 4, 2, 0},      {0.00197169579643, 4, 3, 0},
    {-0.00848363012252, 5, 1, 0},  {0.00417997567653, 5, 2, 0},      {-0.000242772533848, 5, 4, 0},
    {0.00313371368974, 6, 1, 0},   {3.96182646586e-06, 8, 4, 0},     {0.339736319502, 1, 5, 2},
    {-0.203010634531, 1, 6, 2},    {-0.1060178599, 2, 3.5, 2},       {0.45156488259, 2, 5.5, 2},
    {-0.339265767612, 2, 7.5, 2},  {0.114338523359, 3, 3, 2},        {0.0319537833995, 4, 2.5, 2},
    {0.036790825978, 6, 5, 2},     {-9.61768948364e-06, 10, 1.5, 2}, {0.00246717966418, 3, 11, 4},
    {-0.00167030256045, 5, 9, 6},  {0.00240710110806, 8, 13, 6},     {0.00156214678738, 9, 5, 6},
    {-0.00323352596704, 9, 9, 6},
}};

// Every exponent of tau is a whole number of halves and every exponent of
// delta a small whole number, so one square root and a table of products
// give all the powers without calling pow.
constexpr int kMaxHalfPower = 26;
constexpr int kMaxDeltaPower = 10;
constexpr bool powers_fit_tables() {
    for (const ResidualTerm& term : kResidual) {
        const double halves = 2 * term.t;
        if (halves != static_cast<int>(halves) || halves > kMaxHalfPower || term.t < 0 ||
            term.d < 1 || term.d > kMaxDeltaPower || (term.l != 0 && term.l % 2 != 0)) {
            return false;
        }
    }
    return true;
}
static_assert(powers_fit_tables());

// The ideal gas: cp0/R = c0 + c1 T + sum m (u/T')^2 exp(u/T') / (exp(u/T') - 1)^2
// with T' = T/Tr, whence
//   alpha0 = ln delta + a1 + a2 tau + (c0 - 1) ln tau - c1 Tr / (2 tau)
//            + sum m ln(1 - exp(-u tau)).
// a1 and a2 only set the zero of h and s; they are left out here, and
// r11_reference.cpp sets that zero from the reference state.
constexpr double kC0 = 4.00564923248634;
constexpr double kC1 = 0.0002228874581905608;  // 1/K
struct EinsteinTerm {
    double m;
    double u;
};
constexpr std::array<EinsteinTerm, 6> kEinstein{{
    {1, 3.313613168898983},
    {2, 2.586756086688884},
    {1, 1.634512228566577},
    {2, 1.215500498821931},
    {1, 1.06738046316147},
    {2, 0.7360191462715714},
}};

// Smooth fits to the equation's saturation line, within 0.04 % in p and a
// few tenths of a percent in the densities below 197 ºC: starting guesses
// only. With theta = 1 - T/Tc of the fluid's critical point:
//   p = pc exp(Tc/T sum n theta^t)
//   rho_liquid = rhoc (1 + sum n theta^t)
//   rho_vapour = rhoc exp(Tc/T sum n theta^t)
struct FitTerm {
    double n;
    double t;
};
using SaturationFit = std::array<FitTerm, 6>;
constexpr SaturationFit kPressureFit{{
    {0.002488999538674866, 0.002},
    {0.17252290950983326, 0.901},
    {-6.293222945340061, 0.973},
    {-0.07387863714475532, 2.808},
    {-3.286105292292795, 4.144},
    {2.274584153170513, 16.732},
}};
constexpr SaturationFit kLiquidDensityFit{{
    {0.1369999075358185, 0.128},
    {2.5657629003804248, 0.465},
    {-0.5933415750742217, 0.948},
    {0.7576689326270665, 1.743},
    {-0.21901132344678031, 2.364},
    {0.21836410566455441, 7.362},
}};
constexpr SaturationFit kVapourDensityFit{{
    {-0.19338479907103712, 0.078},
    {20.681546570974632, 0.408},
    {-24.441568955282317, 0.422},
    {-1.761137580982086, 1.519},
    {-9.939134168011334, 5.592},
    {7.889769508867816, 7.237},
}};

constexpr double kCriticalKelvin = kCriticalTemperature + kZeroCelsius;

double fit_sum(const SaturationFit& fit, double kelvin) {
    const double theta = std::max(0.0, 1 - kelvin / kCriticalKelvin);
    double sum = 0;
    for (const FitTerm& term : fit) {
        sum += term.n * std::pow(theta, term.t);
    }
    return sum;
}

// The Einstein terms' sum of m ln(1 - exp(-x)) as one logarithm,
// ln prod (e^x - 1)^m - sum m x, and their derivatives from e^x alone.
void add_ideal_part(Helmholtz& a, double tau, double delta) {
    // Without a1 and a2.
    const double linear = kC1 * kReducingTemperature / (2 * tau);
    double product = 1, exponents = 0;
    a.tau_ideal_t = (kC0 - 1) + linear;
    a.tau2_ideal_tt = -(kC0 - 1) - 2 * linear;
    for (const EinsteinTerm& e : kEinstein) {
        const double x = e.u * tau;
        const double ex = std::exp(x);
        const double ex1 = ex - 1;
        const double r = x / ex1;
        product *= e.m == 2 ? ex1 * ex1 : ex1;
        exponents += e.m * x;
        a.tau_ideal_t += e.m * r;
        a.tau2_ideal_tt -= e.m * r * r * ex;
    }
    a.ideal = std::log(delta) + (kC0 - 1) * std::log(tau) - linear + std::log(product) - exponents;
}

// The terms in the order of their exponential's power l, so that each
// group's sums can be taken before its exp(-delta^l) multiplies them.
struct Group {
    int first, last, l;
};
constexpr std::array<Group, 4> kGroups{{{0, 14, 0}, {14, 23, 2}, {23, 24, 4}, {24, 28, 6}}};
constexpr bool groups_cover_terms() {
    int next = 0;
    for (const Group& g : kGroups) {
        if (g.first != next) {
            return false;
        }
        for (int i = g.first; i < g.last; ++i) {
            if (kResidual[i].l != g.l) {
                return false;
            }
        }
        next = g.last;
    }
    return next == static_cast<int>(kResidual.size());
}
static_assert(groups_cover_terms());

// Over one group, with A = n delta^d tau^t: the sums of A, A t, A t (t - 1),
// A d, A d (d - 1) and A t d, each term unrolled with its constants.
struct GroupSums {
    double a = 0, at = 0, att = 0, ad = 0, add = 0, atd = 0;
};
template <int I>
void add_term(GroupSums& g, const double* tau_halves, const double* delta_powers) {
    constexpr ResidualTerm term = kResidual[I];
    constexpr double t = term.t, d = term.d;
    const double value = term.n * delta_powers[term.d] * tau_halves[static_cast<int>(2 * term.t)];
    g.a += value;
    g.at += value * t;
    g.att += value * (t * (t - 1));
    g.ad += value * d;
    g.add += value * (d * (d - 1));
    g.atd += value * (t * d);
}
template <int First, int... I>
GroupSums group_sums(std::integer_sequence<int, I...>, const double* tau_halves,
                     const double* delta_powers) {
    GroupSums g;
    (add_term<First + I>(g, tau_halves, delta_powers), ...);
    return g;
}
template <int G>
GroupSums group_sums(const double* tau_halves, const double* delta_powers) {
    constexpr Group group = kGroups[G];
    return group_sums<group.first>(std::make_integer_sequence<int, group.last - group.first>(),
                                   tau_halves, delta_powers);
}

// A group's share: its terms times decay = exp(-delta^l). With L = l delta^l
// and k = d - L each term's logarithmic derivative in delta,
//   delta alphar_delta takes A decay k,
//   delta^2 alphar_deltadelta takes A decay (k (k - 1) - l L)
//     = A decay (d (d - 1) - 2 d L + L^2 + L - l L).
void add_group(Helmholtz& a, const GroupSums& g, double decay, double big_l, int l) {
    a.residual += decay * g.a;
    a.tau_residual_t += decay * g.at;
    a.tau2_residual_tt += decay * g.att;
    a.delta_residual_d += decay * (g.ad - big_l * g.a);
    a.delta2_residual_dd +=
        decay * (g.add - 2 * big_l * g.ad + (big_l * big_l + big_l - l * big_l) * g.a);
    a.delta_tau_residual_dt += decay * (g.atd - big_l * g.at);
}

// exp(-z): in a vapour z = delta^l is tiny, and the Taylor series to z^6
// is then exact to the last digit (its next term is below 5e-17 of it for
// z under 1/64) at a fraction of exp's cost.
double decay(double z) {
    if (z >= 1.0 / 64) {
        return std::exp(-z);
    }
    return 1 - z * (1 - z / 2 * (1 - z / 3 * (1 - z / 4 * (1 - z / 5 * (1 - z / 6)))));
}

// Each power the product of two lower ones, unrolled: short chains of
// products, all kept in registers.
template <int... K>
void fill_powers(double* powers, std::integer_sequence<int, K...>) {
    ((powers[K + 2] = powers[(K + 2) / 2] * powers[K + 2 - (K + 2) / 2]), ...);
}

}  // namespace

Helmholtz residual_helmholtz(double tau, double delta) {
    std::array<double, kMaxHalfPower + 1> tau_halves;  // tau^(k/2)
    tau_halves[0] = 1;
    tau_halves[1] = std::sqrt(tau);
    fill_powers(tau_halves.data(), std::make_integer_sequence<int, kMaxHalfPower - 1>());
    std::array<double, kMaxDeltaPower + 1> delta_powers;
    delta_powers[0] = 1;
    delta_powers[1] = delta;
    fill_powers(delta_powers.data(), std::make_integer_sequence<int, kMaxDeltaPower - 1>());
    const double* th = tau_halves.data();
    const double* dp = delta_powers.data();
    Helmholtz a;
    add_group(a, group_sums<0>(th, dp), 1, 0, 0);
    add_group(a, group_sums<1>(th, dp), decay(dp[2]), 2 * dp[2], 2);
    add_group(a, group_sums<2>(th, dp), decay(dp[4]), 4 * dp[4], 4);
    add_group(a, group_sums<3>(th, dp), decay(dp[6]), 6 * dp[6], 6);
    return a;
}

namespace {

// The ideal part but for ln delta is a function of T alone, as smooth as
// can be: over the equation's range it is taken from Chebyshev series in T
// (alpha0 - ln delta, tau alpha0_tau and tau^2 alpha0_tautau), built from
// the exact form on first use, which saves its six exponentials and three
// logarithms. They agree with it to some 1e-14, far below what any h or s
// shows; outside the range the exact form serves.
class IdealExpansions {
  public:
    static constexpr int kDegree = 16;
    using Series = chebyshev::Series<kDegree>;

    IdealExpansions() { add(kReducingTemperature / kMaxTau, kReducingTemperature / kMinTau, 0); }

    // Sets the ideal fields of `a`; false outside the series' range.
    bool set(Helmholtz& a, double tau, double delta) const {
        const double kelvin = kReducingTemperature / tau;
        if (pieces_.empty() || !(kelvin >= pieces_.front().lo && kelvin <= pieces_.back().hi)) {
            return false;
        }
        const auto in = std::partition_point(pieces_.begin(), pieces_.end() - 1,
                                             [&](const Piece& p) { return p.hi < kelvin; });
        const double x = chebyshev::unit(kelvin, in->lo, in->hi);
        a.ideal = std::log(delta) + chebyshev::value<kDegree>(in->ideal, x);
        a.tau_ideal_t = chebyshev::value<kDegree>(in->tau_t, x);
        a.tau2_ideal_tt = chebyshev::value<kDegree>(in->tau2_tt, x);
        return true;
    }

  private:
    // The equation's range, 162.68 to 595 K, and a little beyond.
    static constexpr double kMinTau = kReducingTemperature / 600;
    static constexpr double kMaxTau = kReducingTemperature / 160;
    // Absolute, in the reduced Helmholtz energy (some units), just above
    // the noise of the exact form's own last digits.
    static constexpr double kTolerance = 1e-14;

    struct Piece {
        double lo, hi;  // K
        Series ideal, tau_t, tau2_tt;
    };

    void add(double lo, double hi, int depth) {
        Series ideal, tau_t, tau2_tt;
        for (int j = 0; j <= kDegree; ++j) {
            const double kelvin = 0.5 * (lo + hi) + 0.5 * (hi - lo) * chebyshev::node<kDegree>(j);
            Helmholtz a;
            add_ideal_part(a, kReducingTemperature / kelvin, 1);
            ideal[j] = a.ideal;
            tau_t[j] = a.tau_ideal_t;
            tau2_tt[j] = a.tau2_ideal_tt;
        }
        Piece p{lo, hi, chebyshev::coefficients<kDegree>(ideal),
                chebyshev::coefficients<kDegree>(tau_t), chebyshev::coefficients<kDegree>(tau2_tt)};
        if (depth < 8 && !(chebyshev::settled<kDegree>(p.ideal, kTolerance) &&
                           chebyshev::settled<kDegree>(p.tau_t, kTolerance) &&
                           chebyshev::settled<kDegree>(p.tau2_tt, kTolerance))) {
            add(lo, 0.5 * (lo + hi), depth + 1);
            add(0.5 * (lo + hi), hi, depth + 1);
            return;
        }
        pieces_.push_back(p);
    }

    std::vector<Piece> pieces_;  // in order of temperature, end to end
};

const IdealExpansions& ideal_expansions() {
    static const IdealExpansions expansions;
    return expansions;
}

}  // namespace

Helmholtz helmholtz(double tau, double delta) {
    Helmholtz a = residual_helmholtz(tau, delta);
    if (!ideal_expansions().set(a, tau, delta)) {
        add_ideal_part(a, tau, delta);
    }
    return a;
}

Helmholtz exact_helmholtz(double tau, double delta) {
    Helmholtz a = residual_helmholtz(tau, delta);
    add_ideal_part(a, tau, delta);
    return a;
}

PressureSlope pressure_and_slope(double kelvin, double density) {
    const Helmholtz a =
        residual_helmholtz(kReducingTemperature / kelvin, density / kReducingDensity);
    return {density * kGasConstant * kelvin * (1 + a.delta_residual_d),
            kGasConstant * kelvin * (1 + 2 * a.delta_residual_d + a.delta2_residual_dd)};
}

double fitted_saturation_pressure(double kelvin) {
    return kCriticalPressure * std::exp(kCriticalKelvin / kelvin * fit_sum(kPressureFit, kelvin));
}
double fitted_liquid_density(double kelvin) {
    return kCriticalDensity * (1 + fit_sum(kLiquidDensityFit, kelvin));
}
double fitted_vapour_density(double kelvin) {
    return kCriticalDensity *
           std::exp(kCriticalKelvin / kelvin * fit_sum(kVapourDensityFit, kelvin));
}

}  // namespace gelvor::r11ref
