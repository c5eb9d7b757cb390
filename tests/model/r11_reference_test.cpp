#include "model/r11_reference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "model/chebyshev.h"
#include "model/r11_helmholtz.h"
#include "model/r11_isobar.h"
#include "model/r11_superancillary.h"
#include "model/saturation_table.h"

namespace gelvor::r11ref {
namespace {

// The rows of a table computed elsewhere from the same equation, under its
// header line.
std::vector<std::vector<double>> read_table(const std::string& name) {
    std::ifstream file(std::string(GELVOR_R11_TABLES) + "/" + name);
    std::vector<std::vector<double>> rows;
    std::string line;
    std::getline(file, line);
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        rows.emplace_back();
        for (double v; fields >> v;) {
            rows.back().push_back(v);
        }
    }
    return rows;
}

// The tables' agreement: 1e-4 relative, 0.01 kJ/kg, 0.0001 kJ/(kg K).
void expect_relative(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 1e-4 * std::abs(expected)) << what;
}
constexpr double kEnthalpy = 0.01, kEntropy = 0.0001;

TEST(R11Reference, SaturationTableAtEveryRowByTemperatureAndByPressure) {
    const auto rows = read_table("r11_saturation.tsv");
    ASSERT_EQ(rows.size(), 17u);
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r[0] << " ºC");
        const auto by_t = saturation_at_temperature(r[0]);
        const auto by_p = saturation_at_pressure(r[1]);
        ASSERT_TRUE(by_t && by_p);
        EXPECT_NEAR(by_p->t, r[0], 1e-3);
        for (const auto& s : {*by_t, *by_p}) {
            expect_relative(s.p, r[1], "p");
            expect_relative(s.liquid_density, r[2], "liquid density");
            expect_relative(s.vapour_density, r[3], "vapour density");
            EXPECT_NEAR(s.liquid_enthalpy, r[4], kEnthalpy);
            EXPECT_NEAR(s.vapour_enthalpy, r[5], kEnthalpy);
            EXPECT_NEAR(s.liquid_entropy, r[6], kEntropy);
            EXPECT_NEAR(s.vapour_entropy, r[7], kEntropy);
        }
    }
}

TEST(R11Reference, VapourTableAtEveryRow) {
    const auto rows = read_table("r11_vapour.tsv");
    ASSERT_EQ(rows.size(), 7u);
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message() << r[0] << " ºC, " << r[1] << " kPa");
        const auto s = state_at_pressure_temperature(r[1], r[0]);
        ASSERT_TRUE(s);
        expect_relative(s->density, r[2], "density");
        EXPECT_NEAR(s->h, r[3], kEnthalpy);
        EXPECT_NEAR(s->s, r[4], kEntropy);
        EXPECT_FALSE(s->quality);
    }
}

TEST(R11Reference, NormalBoilingPointAndReferenceState) {
    EXPECT_NEAR(saturation_at_pressure(101.3)->t, 23.7, 0.05);
    const auto zero = saturation_at_temperature(0);
    EXPECT_NEAR(zero->liquid_enthalpy, 200, 1e-9);
    EXPECT_NEAR(zero->liquid_entropy, 1, 1e-12);
}

TEST(R11Reference, DomeClosesAtTheCriticalPoint) {
    const auto top = saturation_at_temperature(kCriticalTemperature);
    ASSERT_TRUE(top);
    EXPECT_EQ(top->p, kCriticalPressure);
    EXPECT_NEAR(top->liquid_density, kCriticalDensity, 1e-9);
    EXPECT_NEAR(top->vapour_density, kCriticalDensity, 1e-9);
    EXPECT_NEAR(top->liquid_enthalpy, top->vapour_enthalpy, 1e-9);
    EXPECT_NEAR(saturation_at_pressure(kCriticalPressure)->t, kCriticalTemperature, 1e-9);
    EXPECT_FALSE(saturation_at_temperature(kCriticalTemperature + 0.01));
    EXPECT_FALSE(saturation_at_pressure(kCriticalPressure + 1));

    // Up to it the pressure rises and the phases stay apart, with no step
    // where the equation hands over to the closing stretch (the enthalpies
    // rightly grow steep in the last tenths of a kelvin).
    auto previous = *saturation_at_temperature(kMinTemperature);
    for (double t = kMinTemperature + 0.01; t < kCriticalTemperature - 0.15; t += 0.01) {
        const auto s = saturation_at_temperature(t);
        ASSERT_TRUE(s) << t;
        ASSERT_GT(s->p, previous.p) << t;
        ASSERT_GT(s->vapour_enthalpy - s->liquid_enthalpy, 0) << t;
        ASSERT_LT(std::abs(s->liquid_enthalpy - previous.liquid_enthalpy), 0.2) << t;
        ASSERT_LT(std::abs(s->vapour_enthalpy - previous.vapour_enthalpy), 0.2) << t;
        previous = *s;
    }
}

TEST(R11Reference, RoundTrips) {
    for (double t = -100; t < kCriticalTemperature; t += 7.5) {
        const auto p = saturation_at_temperature(t)->p;
        EXPECT_NEAR(saturation_at_pressure(p)->t, t, 1e-6) << t;
    }
    // Liquid, vapour and beyond the critical point.
    const double points[][2] = {{100, -50}, {500, 20},   {10, 0},     {40, 60},
                                {300, 150}, {3000, 185}, {5000, 190}, {20000, 250}};
    for (const auto& [p, t] : points) {
        SCOPED_TRACE(testing::Message() << t << " ºC, " << p << " kPa");
        const auto state = state_at_pressure_temperature(p, t);
        ASSERT_TRUE(state);
        const auto by_h = state_at_pressure_enthalpy(p, state->h);
        const auto by_s = state_at_pressure_entropy(p, state->s);
        ASSERT_TRUE(by_h && by_s);
        EXPECT_NEAR(by_h->t, t, 1e-6);
        EXPECT_NEAR(by_s->t, t, 1e-6);
        EXPECT_NEAR(by_s->h, state->h, 1e-6);
        EXPECT_FALSE(by_h->quality || by_s->quality);
    }
}

TEST(R11Reference, InsideTheDomeTheSaturationTemperatureAndTheQuality) {
    const auto sat = *saturation_at_pressure(200);
    const auto by_h =
        state_at_pressure_enthalpy(200, 0.75 * sat.vapour_enthalpy + 0.25 * sat.liquid_enthalpy);
    const auto by_s = state_at_pressure_entropy(200, sat.vapour_entropy);
    ASSERT_TRUE(by_h && by_s);
    EXPECT_EQ(by_h->t, sat.t);
    EXPECT_NEAR(*by_h->quality, 0.75, 1e-12);
    EXPECT_NEAR(*by_s->quality, 1, 1e-12);
    EXPECT_NEAR(by_s->h, sat.vapour_enthalpy, 1e-9);
}

TEST(R11Reference, NothingOutsideItsRange) {
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(saturation_at_temperature(nan));
    EXPECT_FALSE(saturation_at_temperature(kMinTemperature - 1));
    EXPECT_FALSE(saturation_at_pressure(0));
    EXPECT_FALSE(state_at_pressure_temperature(-1, 20));
    EXPECT_FALSE(state_at_pressure_temperature(100, kMaxTemperature + 1));
    EXPECT_FALSE(state_at_pressure_temperature(kMaxPressure * 2, 20));
    EXPECT_FALSE(state_at_pressure_enthalpy(100, 5000));
    EXPECT_FALSE(state_at_pressure_enthalpy(100, nan));
    EXPECT_FALSE(state_at_pressure_entropy(nan, 1.7));
    EXPECT_FALSE(state_at_pressure_entropy(100, -50));
}

// The states by h and by s against the single phase at (p, t), which finds
// its density at a given T: over the bench's pressures and well beyond,
// superheated vapour, subcooled and compressed liquid, and the fluid above
// the critical point.
TEST(R11Reference, StatesByEnthalpyAndEntropyAgreeWithThoseAtPressureAndTemperature) {
    int checked = 0;
    for (const double p : {2.0, 20.0, 46.7, 101.3, 174.5, 300.0, 1000.0, 3000.0, 6000.0, 30000.0}) {
        for (double t = -80; t <= 300; t += 9.5) {
            const auto state = state_at_pressure_temperature(p, t);
            if (!state) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << t << " ºC, " << p << " kPa");
            for (const auto& found : {state_at_pressure_enthalpy(p, state->h),
                                      state_at_pressure_entropy(p, state->s)}) {
                ASSERT_TRUE(found);
                EXPECT_FALSE(found->quality);
                EXPECT_NEAR(found->t + kZeroCelsius, t + kZeroCelsius, 1e-9 * (t + kZeroCelsius));
                EXPECT_NEAR(found->density, state->density, 1e-9 * state->density);
                EXPECT_NEAR(found->p, p, 1e-9 * p);
                EXPECT_NEAR(found->h, state->h, 1e-9 * std::abs(state->h));
                EXPECT_NEAR(found->s, state->s, 1e-9 * std::abs(state->s));
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 300);
}

// One isobar answers as the free functions do, to the last digit: they are
// one state of an isobar each.
TEST(R11Reference, AnIsobarGivesWhatTheFreeFunctionsGive) {
    for (const double p : {46.7, 174.5, 5000.0}) {
        const Isobar isobar(p);
        for (const double target : {1.2, 1.5, 1.7}) {
            const auto a = isobar.at_entropy(target), b = state_at_pressure_entropy(p, target);
            ASSERT_TRUE(a && b);
            EXPECT_EQ(a->t, b->t);
            EXPECT_EQ(a->h, b->h);
        }
        for (const double target : {250.0, 420.0, 460.0}) {
            const auto a = isobar.at_enthalpy(target), b = state_at_pressure_enthalpy(p, target);
            ASSERT_TRUE(a && b);
            EXPECT_EQ(a->t, b->t);
            EXPECT_EQ(a->s, b->s);
            EXPECT_EQ(a->quality, b->quality);
        }
        const auto vapour = isobar.saturated_vapour();
        const auto line = saturation_at_pressure(p);
        ASSERT_EQ(vapour.has_value(), line.has_value());
        if (vapour) {
            EXPECT_EQ(vapour->t, line->t);
            EXPECT_EQ(vapour->h, line->vapour_enthalpy);
            EXPECT_EQ(vapour->s, line->vapour_entropy);
            EXPECT_EQ(vapour->quality, 1.0);
        }
    }
    EXPECT_FALSE(Isobar(0).saturated_vapour() || Isobar(0).at_entropy(1.7));
}

// The expansions against the equation's own phase equilibrium, solved
// afresh: by temperature from the triple point to where the closure starts,
// thicker towards both ends, and by those same pressures; 1e-10 relative.
TEST(R11Superancillary, ExpansionsAgreeWithTheCoexistenceSolution) {
    const SaturationExpansions& expansions = saturation_expansions();
    ASSERT_GT(expansions.interval_count(), 0u);
    const double lo = kTriplePointKelvin, hi = kClosureStartKelvin;
    std::vector<double> temperatures;
    for (int i = 0; i <= 300; ++i) {
        temperatures.push_back(lo + (hi - lo) * i / 300);
    }
    for (int k = 0; k <= 40; ++k) {
        const double gap = std::pow(10.0, -9 + 0.25 * k);  // 1e-9 K to 10 K from either end
        temperatures.push_back(lo + gap);
        temperatures.push_back(hi - gap);
    }
    const auto expect_relative = [](double actual, double expected, const char* what) {
        EXPECT_NEAR(actual, expected, 1e-10 * std::abs(expected)) << what;
    };
    for (const double kelvin : temperatures) {
        SCOPED_TRACE(testing::Message() << kelvin << " K");
        const auto solved = solve_coexistence(kelvin);
        const auto by_t = expansions.at_temperature(kelvin);
        ASSERT_TRUE(solved && by_t);
        expect_relative(by_t->pressure, solved->pressure, "p at T");
        expect_relative(by_t->liquid_density, solved->liquid_density, "liquid at T");
        expect_relative(by_t->vapour_density, solved->vapour_density, "vapour at T");
        const auto by_p = expansions.at_pressure(solved->pressure);
        ASSERT_TRUE(by_p);
        expect_relative(by_p->kelvin, kelvin, "T at p");
        expect_relative(by_p->liquid_density, solved->liquid_density, "liquid at p");
        expect_relative(by_p->vapour_density, solved->vapour_density, "vapour at p");
    }
    EXPECT_FALSE(expansions.at_temperature(lo - 1e-9) || expansions.at_temperature(hi + 1e-9));
    EXPECT_FALSE(expansions.at_pressure(expansions.min_pressure() * (1 - 1e-9)));
    EXPECT_FALSE(expansions.at_pressure(expansions.max_pressure() * (1 + 1e-9)));
    // A second build gives the same series.
    const SaturationExpansions again = SaturationExpansions::build();
    EXPECT_EQ(again.interval_count(), expansions.interval_count());
    EXPECT_EQ(again.at_pressure(101.3)->kelvin, expansions.at_pressure(101.3)->kelvin);
}

// At a pressure the saturation temperature is rounded down: the pressure
// at it is not above the one asked for, even through ºC and back, which is
// what lets a chart's dome start exactly on its lowest isobar. And not far
// below: within 1e-13.
TEST(R11Superancillary, TheTemperatureAtAPressureIsNotAboveIt) {
    const SaturationExpansions& expansions = saturation_expansions();
    for (double p = expansions.min_pressure(); p <= expansions.max_pressure(); p *= 1.0001) {
        const auto line = expansions.at_pressure(p);
        ASSERT_TRUE(line) << p;
        const double back = expansions.at_temperature(line->kelvin)->pressure;
        ASSERT_LE(back, p) << p;
        ASSERT_GT(back, p * (1 - 1e-13)) << p;
    }
    for (double p = 0.01; p < kCriticalPressure; p *= 1.0137) {
        SCOPED_TRACE(testing::Message() << p << " kPa");
        const auto line = saturation_at_pressure(p);
        ASSERT_TRUE(line);
        EXPECT_EQ(line->p, p);
        const auto back =
            saturation_at_temperature(kCriticalTemperature - (kCriticalTemperature - line->t));
        ASSERT_TRUE(back);
        EXPECT_LE(back->p, p);
        EXPECT_GT(back->p, p * (1 - 1e-12));
    }
}

// Over the closing stretch the temperature at a pressure is the root of the
// closure's parabola in ln p: it gives that pressure back, and the
// temperatures run on from where the expansions end.
TEST(R11Reference, OverTheClosureThePressureGivesBackItsTemperature) {
    const double from = saturation_expansions().max_pressure();
    double previous = kClosureStartKelvin - kZeroCelsius - 1e-9;
    for (double p = from; p < kCriticalPressure; p += 0.05) {
        SCOPED_TRACE(testing::Message() << p << " kPa");
        const auto line = saturation_at_pressure(p);
        ASSERT_TRUE(line);
        EXPECT_GT(line->t, previous);
        EXPECT_NEAR(saturation_at_temperature(line->t)->p, p, 1e-10 * p);
        previous = line->t;
    }
    EXPECT_LT(previous, kCriticalTemperature);
}

// The series helpers: a polynomial of the series' degree comes back exact
// from its values at the nodes, and so does its derivative.
TEST(Chebyshev, PolynomialsAndTheirDerivativesComeBackExact) {
    constexpr int n = 8;
    const auto f = [](double x) {
        return ((((((3 * x - 1) * x + 2) * x) * x - 5) * x + 1) * x - 7) * x + 0.5;
    };
    const auto df = [](double x) {
        return 7 * 3 * std::pow(x, 6) - 6 * std::pow(x, 5) + 5 * 2 * std::pow(x, 4) -
               3 * 5 * x * x + 2 * x - 7;
    };
    chebyshev::Series<n> values;
    for (int j = 0; j <= n; ++j) {
        values[j] = f(chebyshev::node<n>(j));
    }
    const auto c = chebyshev::coefficients<n>(values);
    const auto dc = chebyshev::derivative<n>(c);
    EXPECT_EQ(dc[n], 0);
    for (double x = -1; x <= 1; x += 0.0625) {
        EXPECT_NEAR(chebyshev::value<n>(c, x), f(x), 1e-13) << x;
        EXPECT_NEAR(chebyshev::value<n>(dc, x), df(x), 1e-12) << x;
    }
    EXPECT_EQ(chebyshev::unit(5, 4, 6), 0);
    EXPECT_EQ(chebyshev::unit(7, 4, 6), 1);
}

// Each derivative the equation gives against finite differences of the
// energy itself, in a vapour (where exp(-delta^l) takes its short series),
// near the critical density and in a dense liquid; and the ideal part by
// its series against its closed form over the whole range.
TEST(R11Helmholtz, DerivativesAgreeWithFiniteDifferencesAndSeriesWithTheClosedForm) {
    const double points[][2] = {{2.9, 0.0005}, {1.6, 0.02}, {1.05, 0.9}, {1.3, 2.4}, {2.8, 3.4}};
    for (const auto& [tau, delta] : points) {
        SCOPED_TRACE(testing::Message() << "tau " << tau << ", delta " << delta);
        const auto energy = [](double t, double d) {
            const Helmholtz a = exact_helmholtz(t, d);
            return a.ideal + a.residual;
        };
        const double ht = 1e-4 * tau, hd = 1e-4 * delta;
        const Helmholtz a = exact_helmholtz(tau, delta);
        const double f = energy(tau, delta);
        const double ft = (energy(tau + ht, delta) - energy(tau - ht, delta)) / (2 * ht);
        const double ftt = (energy(tau + ht, delta) - 2 * f + energy(tau - ht, delta)) / (ht * ht);
        const double fd = (energy(tau, delta + hd) - energy(tau, delta - hd)) / (2 * hd);
        const double fdd = (energy(tau, delta + hd) - 2 * f + energy(tau, delta - hd)) / (hd * hd);
        const double fdt = (energy(tau + ht, delta + hd) - energy(tau + ht, delta - hd) -
                            energy(tau - ht, delta + hd) + energy(tau - ht, delta - hd)) /
                           (4 * ht * hd);
        const auto expect_close = [](double actual, double expected, const char* what) {
            EXPECT_NEAR(actual, expected, 1e-6 * std::max(1.0, std::abs(expected))) << what;
        };
        expect_close(a.tau_ideal_t + a.tau_residual_t, tau * ft, "tau alpha_tau");
        expect_close(a.tau2_ideal_tt + a.tau2_residual_tt, tau * tau * ftt, "tau^2 alpha_tautau");
        // delta alpha0_delta = 1 and delta^2 alpha0_deltadelta = -1.
        expect_close(1 + a.delta_residual_d, delta * fd, "delta alpha_delta");
        expect_close(a.delta2_residual_dd - 1, delta * delta * fdd, "delta^2 alpha_deltadelta");
        expect_close(a.delta_tau_residual_dt, delta * tau * fdt, "delta tau alpha_deltatau");
    }
    for (double kelvin = 160; kelvin <= 600; kelvin += 0.37) {
        const double tau = kReducingTemperature / kelvin;
        const Helmholtz series = helmholtz(tau, 0.3), closed = exact_helmholtz(tau, 0.3);
        ASSERT_NEAR(series.ideal, closed.ideal, 1e-13) << kelvin;
        ASSERT_NEAR(series.tau_ideal_t, closed.tau_ideal_t, 1e-13) << kelvin;
        ASSERT_NEAR(series.tau2_ideal_tt, closed.tau2_ideal_tt, 1e-13) << kelvin;
        ASSERT_EQ(series.residual, closed.residual);
    }
}

// In a vapour exp(-delta^l) is taken from its series, below delta^l = 1/64:
// one unit in the last place either side of each switch (l = 2, 4, 6) the
// residual part must agree to its last digits but those that cancel out,
// which a series cut short would miss by far.
TEST(R11Helmholtz, NoStepWhereTheResidualPartSwitchesToItsShortSeries) {
    for (const double l : {2.0, 4.0, 6.0}) {
        const double at = std::pow(1.0 / 64, 1 / l);
        const double below = std::nextafter(at, 0.0);
        for (const double tau : {1.0, 1.8, 2.9}) {
            const Helmholtz a = residual_helmholtz(tau, below), b = residual_helmholtz(tau, at);
            const auto expect_same = [](double x, double y, const char* what) {
                EXPECT_NEAR(x, y, 1e-12 * std::max(1.0, std::abs(y))) << what;
            };
            SCOPED_TRACE(testing::Message() << "l " << l << ", tau " << tau);
            expect_same(a.residual, b.residual, "alphar");
            expect_same(a.tau_residual_t, b.tau_residual_t, "tau alphar_tau");
            expect_same(a.tau2_residual_tt, b.tau2_residual_tt, "tau^2 alphar_tautau");
            expect_same(a.delta_residual_d, b.delta_residual_d, "delta alphar_delta");
            expect_same(a.delta2_residual_dd, b.delta2_residual_dd, "delta^2 alphar_deltadelta");
            expect_same(a.delta_tau_residual_dt, b.delta_tau_residual_dt, "delta tau alphar_dt");
        }
    }
}

TEST(SaturationTable, RowsFromFromToToIncludedWhenAStepLandsOnIt) {
    const auto table = saturation_table(0, 1, 0.1);
    ASSERT_FALSE(table.error);
    ASSERT_EQ(table.rows.size(), 11u);
    EXPECT_EQ(table.rows.back().t, 1);
    EXPECT_NEAR(table.rows[3].t, 0.3, 1e-12);
    EXPECT_EQ(saturation_table(-20, 197, 217).rows.back().t, 197);
    EXPECT_EQ(saturation_table(20, 20, 5).rows.size(), 1u);
    EXPECT_EQ(saturation_table(0, 10, 3).rows.back().t, 9);
}

TEST(SaturationTable, RefusesWhatItCannotTabulate) {
    using enum SaturationTableError;
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(saturation_table(0, 10, 0).error, step_not_positive);
    EXPECT_EQ(saturation_table(0, 10, -1).error, step_not_positive);
    EXPECT_EQ(saturation_table(0, nan, 1).error, not_a_number);
    EXPECT_EQ(saturation_table(0, 10, std::numeric_limits<double>::infinity()).error, not_a_number);
    EXPECT_EQ(saturation_table(-21, 10, 1).error, outside_range);
    EXPECT_EQ(saturation_table(0, 197.5, 1).error, outside_range);
    EXPECT_EQ(saturation_table(10, 0, 1).error, from_after_to);
    // A tiny step would ask for billions of rows.
    EXPECT_EQ(saturation_table(-20, 197, 1e-9).error, too_many_rows);
    EXPECT_TRUE(saturation_table(-20, 197, 1e-9).rows.empty());
}

}  // namespace
}  // namespace gelvor::r11ref
