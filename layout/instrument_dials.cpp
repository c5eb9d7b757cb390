#include "layout/instrument_dials.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace gelvor::layout {

double scale_fraction(double value, double min, double max) {
    if (!(max > min) || !std::isfinite(value))
        return 0;
    return std::clamp((value - min) / (max - min), 0.0, 1.0);
}

std::string scale_label(double value) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.6g", value);
    return buf;
}

double dial_angle(double fraction) {
    return dial::kStartAngle - dial::kSpan * fraction;
}

Point dial_centre(double width, double height) {
    return {width / 2.0, height / 2.0 + 0.5};
}

Point polar(Point centre, double radius, double degrees) {
    const double r = degrees * std::numbers::pi / 180;
    return {centre.x + radius * std::cos(r), centre.y - radius * std::sin(r)};
}

std::vector<DialTick> dial_ticks() {
    std::vector<DialTick> out;
    const int steps = (dial::kMajorTicks - 1) * dial::kMinorPerMajor;
    for (int i = 0; i <= steps; ++i)
        out.push_back({dial_angle(double(i) / steps), i % dial::kMinorPerMajor == 0});
    return out;
}

std::vector<ScaleTick> thermometer_ticks(double lo, double hi, int major_ticks, int desired_ticks) {
    std::vector<ScaleTick> out;
    if (!(hi > lo))
        return out;
    if (desired_ticks < 2) {
        const int steps = (std::max(2, major_ticks) - 1) * 2;
        for (int i = 0; i <= steps; ++i)
            out.push_back({lo + (hi - lo) * i / steps, double(i) / steps, i % 2 == 0});
        return out;
    }
    const double raw = (hi - lo) / (desired_ticks - 1);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = 10 * magnitude;
    for (double m : {1.0, 2.0, 5.0})
        if (m * magnitude >= raw * (1 - 1e-9)) {
            step = m * magnitude;
            break;
        }
    const double half = step / 2;
    for (long k = std::lround(std::ceil(lo / half - 1e-9)); k * half <= hi + 1e-9 * step; ++k)
        out.push_back({k * half, (k * half - lo) / (hi - lo), k % 2 == 0});
    return out;
}

ThermometerFrame thermometer_frame(double width, double height, bool figures,
                                   double figure_height) {
    ThermometerFrame f;
    f.x = figures ? std::floor(width * 0.3) + 0.5 : column::kBulbRadius + 0.5;
    f.bulb_y = height - 1 - column::kBulbRadius;
    f.top = figures ? std::ceil(figure_height / 2) + 1 : 2;
    f.bottom = f.bulb_y - column::kBulbRadius - 1;  // the scale's minimum
    return f;
}

}  // namespace gelvor::layout
