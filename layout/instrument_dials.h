#pragma once

#include <string>
#include <vector>

// How the bench's instruments are drawn: the manometers' dial and the
// thermometers' scale, in the logical pixels of an instrument's size at
// 100 % (its twips over 15), Y downwards. layout/faces.h makes their faces
// from these, which the desktop and the page draw and scale to the zoom.
namespace gelvor::layout {

struct Point {
    double x = 0, y = 0;
};

// Where a value stands on a scale, from 0 (minimum) to 1 (maximum); a value
// beyond the scale stands at its end, and one that is no number at 0.
double scale_fraction(double value, double min, double max);

// A scale's figure as the instruments write it: six significant digits, no
// trailing zeros ("-20", "11.6667", "0").
std::string scale_label(double value);

// The manometers: a 280-degree dial on a light-yellow face, a white section
// up to zero and a green one up to 30, the pointer on its hub and the unit
// under the centre. Angles are degrees counter-clockwise from three o'clock.
namespace dial {
inline constexpr double kStartAngle = 233;  // the minimum, lower left
inline constexpr double kSpan = 280;        // clockwise up to the maximum, lower right
inline constexpr double kArcRadius = 14;
inline constexpr double kHubSize = 5;
inline constexpr double kPointerWidth = 2;
inline constexpr double kPointerInset = 2;  // the pointer ends inside the arc
inline constexpr double kMajorTick = 3;
inline constexpr double kMinorTick = 1.5;
inline constexpr int kMajorTicks = 5;  // -100, -50, 0, 50, 100
inline constexpr int kMinorPerMajor = 4;
inline constexpr double kFaceRadius = kArcRadius + kMajorTick + 0.5;
inline constexpr double kSectionBand = 2.5;  // the colour sections, just inside the arc
inline constexpr unsigned kFaceRgb = 0xFFFF80;
inline constexpr unsigned kFaceEdgeRgb = 0x606060;
inline constexpr unsigned kHubRgb = 0x282828;
// The sections: white from the minimum to 0, green from 0 to 30.
struct Section {
    double to;
    unsigned rgb;
};
inline constexpr Section kSections[] = {{0, 0xFFFFFF}, {30, 0x00A000}};
// The middle of the scale is the one figure: at this size the two ends would
// not be legible beside the unit.
inline constexpr double kFigureInset = 6.5;  // its centre, inside the arc
inline constexpr int kFigurePixels = 7;
inline constexpr const char* kUnit = "KPa";
inline constexpr int kUnitPixels = 8;
inline constexpr double kUnitBelowCentre = 10;
}  // namespace dial

// The dial's angle for a fraction of the scale.
double dial_angle(double fraction);
// The hub: a little above the middle, as the dial's open side is at the bottom.
Point dial_centre(double width, double height);
// The point `radius` from `centre` at `degrees`.
Point polar(Point centre, double radius, double degrees);

struct DialTick {
    double angle;
    bool major;
};
// Majors at the scale's ends and between, minors between them, from the minimum.
std::vector<DialTick> dial_ticks();

// The thermometers: a one-pixel column rising from its bulb in a tinted
// tube, ticks to the right of it and, for the room thermometer, their values.
namespace column {
inline constexpr double kBulbRadius = 3;
inline constexpr double kTickMargin = 3;  // from the column's centre line
inline constexpr double kMajorTick = 3;
inline constexpr double kMinorTick = 2;
inline constexpr double kFigureGap = 2;  // between a major tick and its figure
inline constexpr int kFigurePixels = 9;
inline constexpr int kMajorTicks = 4;  // at equal steps, unless round values are asked for
inline constexpr unsigned kTubeEdgeRgb = 0x6E6E6E;
inline constexpr unsigned kColumnRgb = 0xFF0000;  // the library's own colour
inline constexpr unsigned kTubeRgb = 0xFFFFFF;
}  // namespace column

struct ScaleTick {
    double value;
    double fraction;  // of the scale, from the minimum
    bool major;
};
// With `desired_ticks` under 2, `major_ticks` majors at equal steps and a
// minor between two; otherwise majors at round values (1, 2 or 5 times a
// power of ten apart), as many as desired or a few less, a minor halfway.
std::vector<ScaleTick> thermometer_ticks(double min, double max, int major_ticks,
                                         int desired_ticks);

// The column's centre line, its bulb and the scale's ends.
struct ThermometerFrame {
    double x, bulb_y, top, bottom;
    double y_of(double fraction) const { return bottom - fraction * (bottom - top); }
};
// With figures the column stands left of centre to leave them room, and the
// scale ends half a figure's height (`figure_height`, the font's) below the top.
ThermometerFrame thermometer_frame(double width, double height, bool figures, double figure_height);

}  // namespace gelvor::layout
