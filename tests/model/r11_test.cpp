#include "model/r11.h"

#include <gtest/gtest.h>

#include <cmath>

namespace gelvor {
namespace {

struct Reference {
    double (*function)(double);
    const char* name;
    double argument;
    double result;  // to four decimals
};

TEST(R11Properties, ReproduceTheReferenceTable) {
    const Reference table[] = {
        {saturation_temperature, "saturation_temperature", 101.325, 23.9069},
        {saturation_temperature, "saturation_temperature", 52.4, 6.0924},
        {saturation_temperature, "saturation_temperature", 200, 44.2181},
        {saturation_temperature, "saturation_temperature", 40, -0.4421},
        {liquid_enthalpy, "liquid_enthalpy", 0, 200.0113},
        {vapour_enthalpy, "vapour_enthalpy", 0, 390.5944},
        {liquid_enthalpy, "liquid_enthalpy", 40, 235.6835},
        {vapour_enthalpy, "vapour_enthalpy", 40, 411.1402},
        {liquid_enthalpy, "liquid_enthalpy", -10, 191.3302},
        {vapour_enthalpy, "vapour_enthalpy", -10, 385.3323},
        {vapour_density, "vapour_density", 0, 2.4871},
        {liquid_density, "liquid_density", 0, 1533.6680},
        {vapour_density, "vapour_density", 25, 3.8518},
        {liquid_density, "liquid_density", 25, 1476.2161},
        {vapour_density, "vapour_density", -10, 2.5115},
        {liquid_density, "liquid_density", -10, 1555.5606},
    };
    for (const auto& r : table) {
        EXPECT_NEAR(r.function(r.argument), r.result, 0.5e-4) << r.name << "(" << r.argument << ")";
    }
}

TEST(R11Properties, SaturationTemperatureIsDefinedEverywhereAndRisesWithPressure) {
    EXPECT_NEAR(saturation_temperature(0), -29.1, 0.05);
    EXPECT_TRUE(std::isfinite(saturation_temperature(-500)));
    EXPECT_NEAR(saturation_temperature(1e12), 86.62, 1e-6);
    double previous = saturation_temperature(0);
    for (double p = 1; p <= 5000; p += 1) {
        const double t = saturation_temperature(p);
        ASSERT_GT(t, previous) << "at " << p << " kPa";
        previous = t;
    }
}

TEST(R11Properties, ExactAtZeroCelsius) {
    // At 0 °C each fit is its leading constant, to the last bit.
    EXPECT_EQ(liquid_enthalpy(0), 200.01127);
    EXPECT_EQ(vapour_enthalpy(0), 390.59442);
    EXPECT_EQ(vapour_density(0), 2.4870928);
    EXPECT_EQ(liquid_density(0), 1533.668);
}

}  // namespace
}  // namespace gelvor
