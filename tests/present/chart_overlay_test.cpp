#include "present/chart_overlay.h"

#include <gtest/gtest.h>

namespace gelvor {
namespace {

ChartOverlay place(double te, double tc) {
    ChartOverlay o{};
    EXPECT_TRUE(place_chart_overlay(te, tc, o));
    return o;
}

TEST(ChartOverlay, CycleForZeroAndFortyDegrees) {
    const ChartOverlay o = place(0, 40);
    const float yc = static_cast<float>(2535 + (-16.33 * 40));
    EXPECT_EQ(yc, 1881.8f);
    EXPECT_EQ(o.lines[1].y1, 2535.0f);  // te = 0 sits exactly on the 0 °C level
    const float xl = static_cast<float>(2559.2 - 0.7551 * double(yc));
    const float xv = static_cast<float>(3218 - 0.38776 * 2535.0);
    const float xd = static_cast<float>(4269 - 0.78 * double(yc));
    EXPECT_NEAR(xl, 1138.25, 0.005);
    EXPECT_NEAR(xv, 2235.03, 0.005);
    EXPECT_NEAR(xd, 2801.20, 0.005);
    // Segments chained C-D, D-A, A-B, B-C, exact to the last bit.
    const ChartSegment expected[] = {
        {xl, yc, xl, 2535}, {xl, 2535, xv, 2535}, {xv, 2535, xd, yc}, {xd, yc, xl, yc}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(o.lines[k].x1, expected[k].x1) << k;
        EXPECT_EQ(o.lines[k].y1, expected[k].y1) << k;
        EXPECT_EQ(o.lines[k].x2, expected[k].x2) << k;
        EXPECT_EQ(o.lines[k].y2, expected[k].y2) << k;
    }
    EXPECT_NEAR(o.labels[0].left, 2285.03, 0.005);  // A
    EXPECT_EQ(o.labels[0].top, 2585.0f);
    EXPECT_NEAR(o.labels[1].left, 2951.20, 0.005);  // B
    EXPECT_EQ(o.labels[1].top, static_cast<float>(double(yc) - 150));
    EXPECT_NEAR(o.labels[2].left, 888.25, 0.005);  // C
    EXPECT_NEAR(o.labels[2].top, 1731.8, 0.005);
    EXPECT_NEAR(o.labels[3].left, 888.25, 0.005);  // D
    EXPECT_EQ(o.labels[3].top, 2585.0f);
}

TEST(ChartOverlay, CycleForFiveAndThirtyThreeDegrees) {
    const ChartOverlay o = place(5, 33);
    EXPECT_NEAR(o.lines[0].x1, 1051.94, 0.005);  // C
    EXPECT_NEAR(o.lines[0].y1, 1996.11, 0.005);
    EXPECT_NEAR(o.lines[1].x2, 2266.69, 0.005);  // A
    EXPECT_NEAR(o.lines[1].y2, 2453.35, 0.005);
    EXPECT_NEAR(o.lines[2].x2, 2712.03, 0.005);  // B
    EXPECT_NEAR(o.lines[2].y2, 1996.11, 0.005);
}

TEST(ChartOverlay, EqualTemperaturesCollapseTheExpansionToAPoint) {
    const ChartOverlay o = place(20, 20);
    EXPECT_EQ(o.lines[0].y1, o.lines[0].y2);
    EXPECT_EQ(o.lines[1].y1, o.lines[3].y1);
    EXPECT_EQ(o.labels[2].left, o.labels[3].left);
}

}  // namespace
}  // namespace gelvor
