#include "present/chart_overlay.h"

#include <cmath>

namespace gelvor {

bool place_chart_overlay(double evap_temp, double cond_temp, ChartOverlay& out) {
    // Each value is rounded to single precision before it is used further,
    // exactly as the window stores it.
    const float yc = static_cast<float>(chart::level_y(cond_temp));
    const float ye = static_cast<float>(chart::level_y(evap_temp));
    const float xl = static_cast<float>(chart::saturated_liquid_x(yc));
    const float xv = static_cast<float>(chart::saturated_vapour_x(ye));
    const float xd = static_cast<float>(chart::compression_end_x(yc));
    // The letter offsets cannot overflow a finite float: they are far below
    // its spacing near the largest values.
    for (float v : {yc, ye, xl, xv, xd}) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    const auto offset = [](float v, float by) { return static_cast<float>(double(v) + by); };
    out.lines = {{
        {xl, yc, xl, ye},  // C to D
        {xl, ye, xv, ye},  // D to A
        {xv, ye, xd, yc},  // A to B
        {xd, yc, xl, yc},  // B to C
    }};
    out.labels = {{
        {offset(xv, 50), offset(ye, 50)},      // A: right of and below
        {offset(xd, 150), offset(yc, -150)},   // B: right of and above
        {offset(xl, -250), offset(yc, -150)},  // C: left of and above
        {offset(xl, -250), offset(ye, 50)},    // D: left of and below
    }};
    return true;
}

}  // namespace gelvor
