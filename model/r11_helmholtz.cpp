#include "model/r11_helmholtz.h"

#include <algorithm>
#include <array>
#include <cmath>

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

void add_ideal_part(Helmholtz& a, double tau, double delta) {
    // Without a1 and a2.
    a.ideal = std::log(delta) + (kC0 - 1) * std::log(tau) - kC1 * kReducingTemperature / (2 * tau);
    a.tau_ideal_t = (kC0 - 1) + kC1 * kReducingTemperature / (2 * tau);
    a.tau2_ideal_tt = -(kC0 - 1) - kC1 * kReducingTemperature / tau;
    for (const EinsteinTerm& e : kEinstein) {
        const double x = e.u * tau;
        const double ex = std::exp(x);
        a.ideal += e.m * std::log(1 - 1 / ex);
        a.tau_ideal_t += e.m * x / (ex - 1);
        a.tau2_ideal_tt -= e.m * x * x * ex / ((ex - 1) * (ex - 1));
    }
}

}  // namespace

Helmholtz residual_helmholtz(double tau, double delta) {
    Helmholtz a;
    std::array<double, kMaxHalfPower + 1> tau_halves;  // tau^(k/2)
    tau_halves[0] = 1;
    tau_halves[1] = std::sqrt(tau);
    for (int k = 2; k <= kMaxHalfPower; ++k) {
        tau_halves[k] = tau_halves[k - 1] * tau_halves[1];
    }
    std::array<double, kMaxDeltaPower + 1> delta_powers;
    delta_powers[0] = 1;
    for (int k = 1; k <= kMaxDeltaPower; ++k) {
        delta_powers[k] = delta_powers[k - 1] * delta;
    }
    // exp(-delta^l) for l = 0, 2, 4, 6.
    const std::array<double, 4> decays{1, std::exp(-delta_powers[2]), std::exp(-delta_powers[4]),
                                       std::exp(-delta_powers[6])};

    for (const ResidualTerm& term : kResidual) {
        const double delta_l = term.l == 0 ? 0 : delta_powers[term.l];
        const double value = term.n * delta_powers[term.d] *
                             tau_halves[static_cast<int>(2 * term.t)] * decays[term.l / 2];
        const double k = term.d - term.l * delta_l;  // delta d/ddelta of ln(term)
        a.residual += value;
        a.tau_residual_t += value * term.t;
        a.tau2_residual_tt += value * term.t * (term.t - 1);
        a.delta_residual_d += value * k;
        a.delta2_residual_dd += value * (k * (k - 1) - term.l * term.l * delta_l);
        a.delta_tau_residual_dt += value * term.t * k;
    }
    return a;
}

Helmholtz helmholtz(double tau, double delta) {
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

EquationPoint::EquationPoint(double kelvin, double density)
    : kelvin(kelvin),
      density(density),
      a(helmholtz(kReducingTemperature / kelvin, density / kReducingDensity)) {}

double EquationPoint::pressure() const {
    return density * kGasConstant * kelvin * (1 + a.delta_residual_d);
}
double EquationPoint::pressure_slope() const {
    return kGasConstant * kelvin * (1 + 2 * a.delta_residual_d + a.delta2_residual_dd);
}
double EquationPoint::raw_enthalpy() const {
    return kGasConstant * kelvin * (1 + a.tau_ideal_t + a.tau_residual_t + a.delta_residual_d);
}
double EquationPoint::raw_entropy() const {
    return kGasConstant * (a.tau_ideal_t + a.tau_residual_t - a.ideal - a.residual);
}
// cp = cv + R (1 + delta alphar_delta - delta tau alphar_deltatau)^2
//           / (1 + 2 delta alphar_delta + delta^2 alphar_deltadelta)
double EquationPoint::isobaric_heat_capacity() const {
    const double cv = -kGasConstant * (a.tau2_ideal_tt + a.tau2_residual_tt);
    const double num = 1 + a.delta_residual_d - a.delta_tau_residual_dt;
    const double den = 1 + 2 * a.delta_residual_d + a.delta2_residual_dd;
    return cv + kGasConstant * num * num / den;
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
