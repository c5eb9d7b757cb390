#include "present/ph_chart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <vector>

#include "model/ideal_cycle.h"
#include "model/r11_reference.h"

namespace gelvor::ph_chart {
namespace {

TEST(PhChart, DomeClosesAtTheCriticalPoint) {
    const ChartGeometry& g = chart_geometry(ChartRange::whole_dome);
    ASSERT_TRUE(g.critical_point);
    EXPECT_EQ(g.critical_point->p, r11ref::kCriticalPressure);
    for (const Polyline* side : {&g.saturated_liquid, &g.saturated_vapour}) {
        EXPECT_EQ(side->front().p, g.pressure.min);
        EXPECT_EQ(side->back().p, r11ref::kCriticalPressure);
        EXPECT_NEAR(side->back().h, g.critical_point->h, 1e-9);
    }
    // The bench's region ends below it: the dome runs to the top of the axis.
    const ChartGeometry& bench = chart_geometry(ChartRange::bench_region);
    EXPECT_FALSE(bench.critical_point);
    EXPECT_NEAR(bench.saturated_vapour.back().p, bench.pressure.max, 1e-9);
}

TEST(PhChart, EveryLineAndLabelStaysWithinTheAxes) {
    for (const ChartRange range : {ChartRange::whole_dome, ChartRange::bench_region}) {
        const ChartGeometry& g = chart_geometry(range);
        const auto inside = [&](ChartPoint q) {
            return q.h >= g.enthalpy.min && q.h <= g.enthalpy.max && q.p >= g.pressure.min &&
                   q.p <= g.pressure.max;
        };
        std::vector<const Polyline*> lines{&g.saturated_liquid, &g.saturated_vapour};
        for (const auto* family : {&g.isotherms, &g.isentropes, &g.quality_lines}) {
            EXPECT_FALSE(family->empty());
            for (const ChartLine& line : *family) {
                EXPECT_TRUE(inside(line.label_anchor)) << line.value;
                for (const Polyline& piece : line.pieces) {
                    lines.push_back(&piece);
                }
            }
        }
        for (const Polyline* line : lines) {
            EXPECT_GE(line->size(), 2u);
            for (const ChartPoint& q : *line) {
                ASSERT_TRUE(inside(q)) << q.h << " kJ/kg, " << q.p << " kPa";
            }
        }
        for (const Axis* axis : {&g.enthalpy, &g.pressure}) {
            EXPECT_GE(axis->ticks.size(), 4u);
            EXPECT_TRUE(std::is_sorted(axis->ticks.begin(), axis->ticks.end()));
            EXPECT_GE(axis->ticks.front(), axis->min);
            EXPECT_LE(axis->ticks.back(), axis->max);
        }
    }
}

TEST(PhChart, IdealCompressionRunsFromSaturatedVapourToTheCondensingPressure) {
    const BenchState s = recompute({20, 4, 101, 15, 18}).state;
    const auto cycle = cycle_geometry(s);
    ASSERT_TRUE(cycle);
    EXPECT_EQ(cycle->points[1].h, s.h2);
    EXPECT_EQ(cycle->points[1].p, s.cond_pressure);
    const auto& line = cycle->ideal_compression;
    ASSERT_GE(line.size(), 2u);
    EXPECT_EQ(line.front().p, s.evap_pressure);
    EXPECT_EQ(line.front().h, r11ref::saturation_at_pressure(s.evap_pressure)->vapour_enthalpy);
    EXPECT_EQ(line.back().p, s.cond_pressure);
    EXPECT_NEAR(line.back().h, *ideal_cycle(s).isentropic_discharge_enthalpy, 1e-9);

    BenchState faulted = s;
    faulted.h2 = std::numeric_limits<double>::quiet_NaN();
    EXPECT_FALSE(cycle_geometry(faulted));
}

TEST(PhChart, HoveringFindsTheNearestCycleWithinTheTolerance) {
    const PlotCycle low{{{200, 300}, {250, 250}, {50, 250}, {50, 300}}};
    const PlotCycle high{{{200, 200}, {250, 150}, {50, 150}, {50, 200}}};
    const std::vector<PlotCycle> cycles{low, high};
    EXPECT_EQ(nearest_cycle(cycles, {120, 205}, 8), 1u);  // by high's D-A
    EXPECT_EQ(nearest_cycle(cycles, {120, 296}, 8), 0u);  // by low's D-A
    EXPECT_EQ(nearest_cycle(cycles, {120, 226}, 8), std::nullopt);
    EXPECT_EQ(nearest_cycle(cycles, {120, 226}, 30), 0u);  // 24 from low's B-C, 26 from high
    EXPECT_EQ(nearest_cycle({}, {0, 0}, 8), std::nullopt);
}

}  // namespace
}  // namespace gelvor::ph_chart
