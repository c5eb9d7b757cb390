#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "present/number_style.h"

// The notebook's pictures (its chart and its p-h diagram) as lists of simple
// shapes in logical pixels, Y downwards: the desktop strokes a list with
// QPainter and the page turns it into SVG, so that both draw the same thing.
// Where a text goes depends on how wide it is, which only the front end's
// font knows: the lists are made with the front end's TextMeasure.
namespace gelvor::picture {

struct Point {
    double x = 0, y = 0;
};

// A rectangle with a rectangle's rules for its edges: a point on an edge is
// inside it, two rectangles that only touch do not overlap.
struct Box {
    double x = 0, y = 0, width = 0, height = 0;

    double left() const { return x; }
    double top() const { return y; }
    double right() const { return x + width; }
    double bottom() const { return y + height; }
    Point centre() const { return {x + width / 2, y + height / 2}; }
    bool contains(Point p) const {
        return p.x >= x && p.x <= right() && p.y >= y && p.y <= bottom();
    }
    bool contains(const Box& b) const {
        return b.x >= x && b.right() <= right() && b.y >= y && b.bottom() <= bottom();
    }
    bool overlaps(const Box& b) const {
        return x < b.right() && b.x < right() && y < b.bottom() && b.y < bottom();
    }
    // Grown by `dx` and `dy` on every side (shrunk when negative).
    Box grown(double dx, double dy) const {
        return {x - dx, y - dy, width + 2 * dx, height + 2 * dy};
    }
    friend bool operator==(const Box&, const Box&) = default;
};

struct Colour {
    unsigned rgb = 0;  // 0xRRGGBB
    int alpha = 255;
    friend bool operator==(const Colour&, const Colour&) = default;
};

// How a stroke ends: at its end point, half its width beyond it, or rounded.
enum class Cap { flat, square, round };

struct Pen {
    Colour colour;
    double width = 1;
    bool dashed = false;  // dashes four widths long, two apart
    Cap cap = Cap::square;
};

using Polyline = std::vector<Point>;

// Lines drawn as one stroke: where they cross, the colour is laid once.
struct Path {
    std::vector<Polyline> pieces;
    bool closed = false;  // each piece back to its start
};
// Straight lines, each its own stroke unless `together`.
struct Segments {
    std::vector<std::pair<Point, Point>> lines;
    bool together = false;
};
struct Circle {
    Point centre;
    double radius = 0;
};
struct Rectangle {
    Box box;
};

enum class Align { start, centre, end };

// Text in a box: one line placed across and up as aligned (up: a line's
// height, ascent and descent, at the top or in the middle of the box), or,
// `wrapped`, words broken into lines as wide as the box from its top. With
// a turn, the box stands in a frame moved to `origin` and turned `turn`
// degrees clockwise (negative: anticlockwise).
struct Text {
    Box box;
    std::string words;
    int pixels = 11;
    bool bold = false;
    Align across = Align::start;
    Align up = Align::start;
    bool wrapped = false;
    Point origin;
    double turn = 0;
};

// One line of `words` in `box`.
Text words_in(const Box& box, std::string words, int pixels, bool bold = false,
              Align across = Align::start, Align up = Align::start);

// A text's box turned about `origin`, or its words wrapped (see Text).
Text turned(Text text, Point origin, double turn);
Text wrapped(Text text);

using Geometry = std::variant<Path, Segments, Circle, Rectangle, Text>;

struct Shape {
    Geometry geometry;
    std::optional<Pen> pen;      // a text's colour is its fill
    std::optional<Colour> fill;  // a rectangle's alone is laid as it is
    bool smooth = true;          // antialiased
    bool clipped = false;        // kept within the picture's clip box
    std::string tip;             // what the shape is, under the pointer (a line's name)
};

struct Picture {
    double width = 0, height = 0;
    Colour background{0xFFFFFF};
    Box clip;                   // what the clipped shapes stay within
    std::vector<Shape> shapes;  // in drawing order
};

// How wide and tall the front end's font sets a text, in logical pixels:
// Liberation Sans (or Arial, with the same metrics) at a size in pixels.
class TextMeasure {
  public:
    virtual ~TextMeasure() = default;
    virtual double width(std::string_view words, int pixels, bool bold) const = 0;
    // A line's height: ascent and descent.
    virtual double height(int pixels, bool bold) const = 0;
    // From one line's top to the next one's.
    virtual double line_spacing(int pixels, bool bold) const { return height(pixels, bold); }
    // The height of `words` wrapped to `width`.
    virtual double wrapped_height(std::string_view words, double width, int pixels) const;
};

// Words broken into lines no wider than `width` where they can be, at the
// spaces; a word wider than that stands alone on its line.
std::vector<std::string> wrap_words(std::string_view words, double width, int pixels, bool bold,
                                    const TextMeasure& measure);

// A number as the pictures write it (a tick, a line's value, a setting in a
// line's name): up to six significant digits, in the style's decimal point
// and without groups, "1013,25" or "0,1".
std::string short_number_text(double value, const NumberStyle& style);

// A text of texts/ with "%1", "%2"... filled in, in order.
std::string fill_in(std::string_view pattern, std::initializer_list<std::string> values);

}  // namespace gelvor::picture
