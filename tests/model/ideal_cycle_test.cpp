#include "model/ideal_cycle.h"

#include <gtest/gtest.h>

#include "model/r11_reference.h"

namespace gelvor {
namespace {

BenchState pass_at(int evaporator_flow, int condenser_flow, double ambient = 18) {
    const PassResult r = recompute({static_cast<std::int16_t>(evaporator_flow),
                                    static_cast<std::int16_t>(condenser_flow), 101, 15, ambient});
    EXPECT_FALSE(r.fault);
    return r.state;
}

// The temperature at pressure p where a single-phase property reaches a
// value, by bisection over (p, t) states: another road than the one the
// figures take.
double temperature_where(double p, double value, double (*property)(const r11ref::State&)) {
    double lo = r11ref::saturation_at_pressure(p)->t, hi = 200;
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (lo + hi);
        (property(*r11ref::state_at_pressure_temperature(p, mid)) < value ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}
double enthalpy_of(const r11ref::State& s) {
    return s.h;
}
double entropy_of(const r11ref::State& s) {
    return s.s;
}

// The manual's three operating points for the refrigerating effect.
TEST(IdealCycle, TheExercisesThreePoints) {
    for (const auto& [me, mc] : {std::pair{20, 20}, {20, 4}, {10, 40}}) {
        SCOPED_TRACE(testing::Message() << "evaporator " << me << " g/s, condenser " << mc);
        const BenchState s = pass_at(me, mc);
        const IdealCycle c = ideal_cycle(s);
        const double te = s.evap_temp + 273.15, tc = s.cond_temp + 273.15;
        EXPECT_NEAR(*c.carnot_cop_refrigerator, te / (tc - te), 1e-12);
        EXPECT_NEAR(*c.carnot_cop_heat_pump, tc / (tc - te), 1e-12);

        const auto suction = *r11ref::saturation_at_pressure(s.evap_pressure);
        const double t2s = temperature_where(s.cond_pressure, suction.vapour_entropy, entropy_of);
        const double h2s = r11ref::state_at_pressure_temperature(s.cond_pressure, t2s)->h;
        EXPECT_NEAR(*c.isentropic_efficiency, (h2s - suction.vapour_enthalpy) / (s.h2 - s.h1),
                    1e-6);
        EXPECT_GT(*c.isentropic_efficiency, 0.3);
        EXPECT_LT(*c.isentropic_efficiency, 0.5);

        EXPECT_NEAR(*c.discharge_temp, temperature_where(s.cond_pressure, s.h2, enthalpy_of), 1e-6);
        EXPECT_FALSE(*c.discharge_in_dome);
    }
}

TEST(IdealCycle, DischargeInsideTheDomeAtAHighAmbient) {
    const BenchState s = pass_at(20, 20, 50);
    const auto condensing = *r11ref::saturation_at_pressure(s.cond_pressure);
    ASSERT_LT(s.h2, condensing.vapour_enthalpy);
    const IdealCycle c = ideal_cycle(s);
    EXPECT_TRUE(*c.discharge_in_dome);
    EXPECT_EQ(*c.discharge_temp, condensing.t);
}

TEST(IdealCycle, FiguresThatCannotBeComputedAreUnset) {
    BenchState flat = pass_at(20, 20);
    flat.h2 = flat.h1;  // no enthalpy gained
    flat.cond_temp = flat.evap_temp;
    const IdealCycle c = ideal_cycle(flat);
    EXPECT_FALSE(c.carnot_cop_refrigerator || c.carnot_cop_heat_pump || c.isentropic_efficiency);
    EXPECT_TRUE(c.discharge_temp);

    // A pass that faulted before its pressures (all zero) or one whose
    // condensing pressure is beyond the equation.
    const IdealCycle none = ideal_cycle(BenchState{});
    EXPECT_FALSE(none.suction_enthalpy || none.isentropic_efficiency || none.discharge_temp ||
                 none.discharge_in_dome);
    BenchState beyond = pass_at(20, 20);
    beyond.cond_pressure = 2 * r11ref::kMaxPressure;
    EXPECT_FALSE(ideal_cycle(beyond).isentropic_efficiency);
}

}  // namespace
}  // namespace gelvor
