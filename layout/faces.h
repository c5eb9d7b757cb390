#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "layout/instrument_dials.h"

// The faces of the bench's painted controls as lists of simple shapes, in the
// logical pixels of a control's size at 100 %, Y downwards, colours as
// 0xRRGGBB. The desktop paints a list with QPainter and the page turns it
// into SVG, so that both draw the same thing; each scales it to the zoom.
namespace gelvor::layout {

// How a stroke ends: at its end point, half its width beyond it, or rounded.
enum class Cap { flat, square, round };

struct Stroke {
    unsigned rgb = 0;
    double width = 1;
    Cap cap = Cap::square;
};

// A solid fill, or with `bottom_rgb` a shading from `rgb` at the shape's top
// to `bottom_rgb` at its bottom. A text's fill is its colour.
struct Fill {
    unsigned rgb = 0;
    std::optional<unsigned> bottom_rgb;
};

struct Line {
    Point from, to;
};
struct Rect {
    double x = 0, y = 0, width = 0, height = 0;
    double corner = 0;  // the radius of rounded corners
};
struct Ellipse {
    Point centre;
    double rx = 0, ry = 0;
};
// Degrees counter-clockwise from three o'clock; a negative span goes clockwise.
struct Arc {
    Point centre;
    double radius = 0, start = 0, span = 0;
};
// One line of text, centred vertically in its box and set at its left or
// centred across it.
struct Text {
    Rect box;
    bool centred = false;
    int pixels = 0;
    std::string words;
};
using Geometry = std::variant<Line, Rect, Ellipse, Arc, Text>;

// What a shape is to its control: fixed, the part that shows the value, or
// drawn only with the switch on or off.
enum class Part { fixed, needle, column, on, off };

struct Shape {
    Geometry geometry;
    std::optional<Stroke> stroke;
    std::optional<Fill> fill;
    bool crisp = false;  // on whole pixels, without smoothing
    Part part = Part::fixed;
};

struct Face {
    double width = 0, height = 0;
    std::vector<Shape> shapes;  // in drawing order
};

// The height of a line of text at a size in pixels, as the front end's font
// sets it: what the figures on a scale are centred and spaced by.
using LineHeight = double (*)(int pixels);

// A manometer's face, its needle pointing to three o'clock: what shows a
// value turns it about the hub by the value's dial angle (`dial_angle`).
struct GaugeLook {
    double min = -100, max = 100;
    bool lowered_bevel = false;  // sunk into the bench's panel
    bool operator==(const GaugeLook&) const = default;
};
Face gauge_face(double width, double height, const GaugeLook& look, LineHeight line_height);
// The needle as it stands at `fraction` of the scale.
Shape gauge_needle(double width, double height, double fraction);

// A thermometer's face, its column at the foot of the scale: what shows a
// value gives it the height `thermometer_column` gives.
struct ThermometerLook {
    double min = 0, max = 100;
    unsigned column_rgb = column::kColumnRgb;
    unsigned tube_rgb = column::kTubeRgb;
    int major_ticks = column::kMajorTicks;
    int desired_ticks = 0;  // see thermometer_ticks
    bool figures = false;   // the values beside the major ticks
    bool operator==(const ThermometerLook&) const = default;
};
ThermometerFrame thermometer_frame(double width, double height, const ThermometerLook& look,
                                   LineHeight line_height);
Face thermometer_face(double width, double height, const ThermometerLook& look,
                      LineHeight line_height);
// The column up to `fraction` of the scale.
Shape thermometer_column(const ThermometerFrame& frame, unsigned rgb, double fraction);

// The rocker switch, on and off: the shapes of one position are marked with it.
Face rocker_switch_face(double width, double height);

}  // namespace gelvor::layout
