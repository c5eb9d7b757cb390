#pragma once

#include <array>

// The cycle A-B-C-D sketched over the pressure-enthalpy chart picture. Only
// the evaporating and condensing temperatures place it: a pressure level's
// height is linear in its saturation temperature, and the points sit on three
// straight lines laid over the chart's saturated-liquid side, saturated-vapour
// side and end of compression. Coordinates are twips of the chart's picture
// box (15 per pixel, Y downwards), single precision like the window's own.
namespace gelvor {

namespace chart {
inline constexpr int kZeroCelsiusY = 2535;  // Y of a 0 °C saturation level
inline constexpr double kYPerCelsius = -16.33;
inline double level_y(double saturation_temp) {
    return kZeroCelsiusY + (kYPerCelsius * saturation_temp);
}
inline double saturated_liquid_x(double y) {
    return 2559.2 - 0.7551 * y;
}
inline double saturated_vapour_x(double y) {
    return 3218 - 0.38776 * y;
}
inline double compression_end_x(double y) {
    return 4269 - 0.78 * y;
}
}  // namespace chart

struct ChartSegment {
    float x1, y1, x2, y2;
};
struct ChartLabel {
    float left, top;
};

// Line1_0..3 are C-D (expansion), D-A (evaporation), A-B (compression) and
// B-C (condensation); Label2_0..3 are the letters A, B, C, D.
struct ChartOverlay {
    std::array<ChartSegment, 4> lines;
    std::array<ChartLabel, 4> labels;
};

// Places the overlay; false (overlay untouched) if a coordinate overflows.
bool place_chart_overlay(double evap_temp, double cond_temp, ChartOverlay& out);

}  // namespace gelvor
