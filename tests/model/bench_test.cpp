#include "model/bench.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/r11.h"
#include "tests/worked_example.h"

namespace gelvor {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

BenchInputs settings(int evaporator_flow, int condenser_flow, double mbar = 1010, double water = 15,
                     double ambient = 18) {
    return {static_cast<std::int16_t>(evaporator_flow), static_cast<std::int16_t>(condenser_flow),
            mbar / 10, water, ambient};
}

TEST(StatePoints, WorkedExampleAt25GramsPerSecond) {
    const PassResult r = recompute(settings(25, 25));
    ASSERT_FALSE(r.fault);
    const BenchState& s = r.state;
    EXPECT_NEAR(s.evap_gauge_pressure, -48.6171, 0.5e-4);
    EXPECT_NEAR(s.evap_pressure, 52.3829, 0.5e-4);
    EXPECT_NEAR(s.evap_temp, 6.0841, 0.5e-4);
    EXPECT_NEAR(s.cond_flow_factor, 82.8198, 0.5e-4);
    EXPECT_NEAR(s.cond_gauge_pressure, -5.8402, 0.5e-4);
    EXPECT_NEAR(s.cond_pressure, 95.1598, 0.5e-4);
    EXPECT_NEAR(s.pressure_ratio, 1.8166, 0.5e-4);
    EXPECT_NEAR(s.cond_temp, 22.1686, 0.5e-4);
    EXPECT_NEAR(s.h3, 219.5940, 0.5e-4);
    EXPECT_EQ(s.h4, s.h3);
    EXPECT_NEAR(s.h1, 393.7713, 0.5e-4);
    EXPECT_NEAR(s.evap_liquid_enthalpy, 205.3393, 0.5e-4);
    EXPECT_NEAR(s.evap_inlet_quality, 0.0756, 0.5e-4);
}

TEST(StatePoints, StateRightAfterFirstSwitchOn) {
    const PassResult r = recompute(settings(4, 4));
    ASSERT_FALSE(r.fault);
    const BenchState& s = r.state;
    EXPECT_NEAR(s.evap_gauge_pressure, -54.3323, 0.5e-4);
    EXPECT_NEAR(s.evap_pressure, 46.6677, 0.5e-4);
    EXPECT_NEAR(s.evap_temp, 3.2017, 0.5e-4);
    EXPECT_NEAR(s.cond_flow_factor, 2.5009, 0.5e-4);
    EXPECT_NEAR(s.cond_gauge_pressure, 73.5349, 0.5e-4);
    EXPECT_NEAR(s.cond_pressure, 174.5349, 0.5e-4);
    EXPECT_NEAR(s.pressure_ratio, 3.7399, 0.5e-4);
    EXPECT_NEAR(s.cond_temp, 39.7208, 0.5e-4);
    EXPECT_NEAR(s.h3, 235.4293, 0.5e-4);
    EXPECT_NEAR(s.h1, 392.2686, 0.5e-4);
    EXPECT_NEAR(s.evap_liquid_enthalpy, 202.8107, 0.5e-4);
    EXPECT_NEAR(s.evap_inlet_quality, 0.1722, 0.5e-4);
}

TEST(StatePoints, CondenserPressureAtFullAndNoFlow) {
    EXPECT_NEAR(recompute(settings(50, 50)).state.cond_flow_factor, 5341.88, 0.005);
    EXPECT_NEAR(recompute(settings(50, 50)).state.cond_gauge_pressure, -9.25, 0.005);
    EXPECT_DOUBLE_EQ(recompute(settings(4, 0)).state.cond_flow_factor, std::exp(0.25));
}

// The energy balance and the coils from the state points te = 5 °C, tc = 30 °C.
class FromStatePoints : public ::testing::Test {
  protected:
    BenchState points() const { return testing::worked_example_state_points(); }
    PassResult run(int evaporator_flow, int condenser_flow, double ambient = 18,
                   BenchState start = {}) const {
        if (start.h1 == 0) {
            start = points();
        }
        return recompute_from_state_points(
            settings(evaporator_flow, condenser_flow, 1010, 15, ambient), start);
    }
};

TEST_F(FromStatePoints, WorkedExampleOfTheCompressorAndCoils) {
    const PassResult r = run(20, 20);
    ASSERT_FALSE(r.fault);
    const BenchState& s = r.state;
    const auto near7 = [](double actual, double expected) {
        EXPECT_NEAR(actual, expected, std::abs(expected) * 5e-7) << "expected " << expected;
    };
    near7(s.evap_ambient_gain, 10.4);
    near7(s.evap_heat_flow, 174.104);
    near7(s.cond_ambient_loss, 9.6);
    near7(s.cond_heat_flow, 211.2596);
    near7(s.refrigerant_mass_flow, 1.048819);
    near7(s.h2, 428.4261);
    near7(*s.evap_water_outlet_temp, 13.04369);
    near7(*s.cond_water_outlet_temp, 17.40989);
    near7(s.compressor_power, 55.1556);
    near7(s.cop_heat_pump, 3.656194);
    near7(s.cop_refrigerator, 2.968040);
    near7(s.suction_density, 2.573800);
    EXPECT_NEAR(s.suction_volume_flow, 0.000407498, 0.5e-9);
    near7(s.volumetric_efficiency, 0.3453376);
    near7(s.cond_water_heat_flow, 201.6596);
    near7(s.evap_water_heat_flow, 163.704);
    near7(s.cond_outlet_density, 1464.259);
    near7(s.evap_liquid_density, 1522.489);
    near7(s.evap_inlet_density, 21.20497);
    near7(*s.cond_lmtd, 13.75990);
    near7(*s.cond_u, 457.9875);
    near7(*s.evap_lmtd, 8.986383);
    near7(*s.evap_u, 569.2780);
}

TEST_F(FromStatePoints, EvaporatorWaterNeverLeavesAtOrBelowTe) {
    // 1 g/s: the balance alone would cool the water far below te.
    const PassResult slow = run(1, 20);
    EXPECT_DOUBLE_EQ(*slow.state.evap_water_outlet_temp, 5.01);
    EXPECT_NEAR(*slow.state.evap_lmtd, (15 - 5 - 0.01) / std::log(10 / 0.01), 1e-12);
    EXPECT_TRUE(std::isfinite(*slow.state.evap_u));

    // No water: held at te + 0.01 when te >= 0, unset (with no coil figures) below.
    BenchState warm = points();
    warm.evap_temp = 3.2;
    EXPECT_DOUBLE_EQ(*run(0, 20, 18, warm).state.evap_water_outlet_temp, 3.21);
    BenchState cold = points();
    cold.evap_temp = -1.5;
    const PassResult none = run(0, 20, 18, cold);
    ASSERT_FALSE(none.fault);
    EXPECT_FALSE(none.state.evap_water_outlet_temp);
    EXPECT_FALSE(none.state.evap_lmtd);
    EXPECT_FALSE(none.state.evap_u);
    EXPECT_TRUE(none.state.cond_lmtd);
}

TEST_F(FromStatePoints, NoCondenserWaterLeavesOnlyItsOwnFiguresUnset) {
    const PassResult r = run(20, 0);
    ASSERT_FALSE(r.fault);
    EXPECT_FALSE(r.state.cond_water_outlet_temp);
    EXPECT_FALSE(r.state.cond_lmtd);
    EXPECT_FALSE(r.state.cond_u);
    EXPECT_NEAR(r.state.cop_heat_pump, 3.656194, 5e-6);
    EXPECT_NEAR(*r.state.evap_u, 569.2780, 5e-4);
}

TEST_F(FromStatePoints, RoomTemperatureShiftsTheWaterShares) {
    const BenchState same = run(20, 20, 5.0).state;  // room at te
    EXPECT_EQ(same.evap_ambient_gain, 0);
    EXPECT_EQ(same.evap_water_heat_flow, same.evap_heat_flow);
    EXPECT_DOUBLE_EQ(same.cop_refrigerator, same.evap_heat_flow / same.compressor_power);

    const BenchState hot = run(20, 20, 40).state;  // room warmer than tc
    EXPECT_LT(hot.cond_ambient_loss, 0);
    EXPECT_GT(hot.cond_water_heat_flow, hot.cond_heat_flow);
}

TEST(PassFaults, BoxesThatDoNotHoldANumberEndThePassWhereTheyAreRead) {
    const PassResult baro = recompute({4, 4, kNaN, 15, 18});
    EXPECT_EQ(baro.fault, (Fault{Quantity::barometric_pressure, FaultKind::not_a_number,
                                 Quantity::barometric_pressure}));
    EXPECT_FALSE(baro.reached(Quantity::barometric_pressure));
    EXPECT_TRUE(baro.reached(Quantity::condenser_water_flow));

    const PassResult water = recompute({4, 4, 101, kNaN, 18});
    EXPECT_EQ(water.fault, (Fault{Quantity::evap_gauge_pressure, FaultKind::not_a_number,
                                  Quantity::water_inlet_temperature}));
    // Both boxes bad: the water box is read first.
    EXPECT_EQ(recompute({4, 4, 101, kNaN, kNaN}).fault->quantity,
              Quantity::water_inlet_temperature);

    const PassResult ambient = recompute({4, 4, 101, 15, std::numeric_limits<double>::infinity()});
    EXPECT_EQ(ambient.fault, (Fault{Quantity::evap_gauge_pressure, FaultKind::not_a_number,
                                    Quantity::ambient_temperature}));
}

TEST(PassFaults, AbsolutePressuresMustBePositive) {
    // 50 mbar: the evaporator's absolute pressure falls below zero.
    const PassResult evap = recompute(settings(4, 4, 50));
    EXPECT_EQ(evap.fault, (Fault{Quantity::evap_pressure, FaultKind::non_positive_pressure,
                                 Quantity::evap_pressure}));
    EXPECT_NEAR(evap.state.evap_gauge_pressure, -54.3323, 0.5e-4);  // computed before, kept

    // Exactly zero is a fault too (a ratio over zero would follow).
    const double gauge = recompute(settings(4, 4)).state.evap_gauge_pressure;
    EXPECT_EQ(recompute({4, 4, -gauge, 15, 18}).fault->step, Quantity::evap_pressure);

    // Only a flow no scroll bar can set puts the condenser below the evaporator.
    const PassResult cond = recompute({32000, 50, 5, 15, 18});
    ASSERT_TRUE(cond.fault);
    EXPECT_EQ(cond.fault->kind, FaultKind::non_positive_pressure);
    EXPECT_EQ(cond.fault->step, Quantity::cond_pressure);
}

TEST(PassFaults, EvaporatorLogarithmUndefinedOnceTeReachesTheWaterInlet) {
    // 14 °C water, full evaporator flow, warm room, high barometer.
    const PassResult r = recompute(settings(50, 20, 1070, 14, 50));
    ASSERT_TRUE(r.fault);
    EXPECT_EQ(r.fault,
              (Fault{Quantity::evap_lmtd, FaultKind::undefined_logarithm, Quantity::evap_lmtd}));
    EXPECT_GE(r.state.evap_temp, 14);
    EXPECT_TRUE(r.state.cond_u);  // the condenser coil came first
    EXPECT_FALSE(r.reached(Quantity::evap_lmtd));
    EXPECT_TRUE(r.reached(Quantity::cond_u));
}

TEST(PassFaults, OverflowIsAFaultNotAnInfiniteResult) {
    const PassResult r = recompute({32000, 32000, 101, 15, 18});
    EXPECT_EQ(r.fault,
              (Fault{Quantity::cond_flow_factor, FaultKind::overflow, Quantity::cond_flow_factor}));
    const PassResult huge = recompute({4, 4, 101, 1e308, 1e308});
    ASSERT_TRUE(huge.fault);
    EXPECT_EQ(huge.fault->kind, FaultKind::overflow);
}

}  // namespace
}  // namespace gelvor
