#include "model/r11_reference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

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
