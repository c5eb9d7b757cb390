#include "layout/faces.h"

#include <cmath>

#include "layout/window_look.h"

namespace gelvor::layout {
namespace {

namespace D = dial;
namespace C = column;

constexpr unsigned kBlack = 0x000000;

Stroke pen(unsigned rgb, double width = 1, Cap cap = Cap::square) {
    return {rgb, width, cap};
}

Fill solid(unsigned rgb) {
    return {rgb, std::nullopt};
}

Shape shape(Geometry geometry, std::optional<Stroke> stroke, std::optional<Fill> fill,
            bool crisp = false, Part part = Part::fixed) {
    return {std::move(geometry), stroke, fill, crisp, part};
}

Shape line(Point from, Point to, Stroke stroke, bool crisp = false) {
    return shape(Line{from, to}, stroke, std::nullopt, crisp);
}

Shape figure(Rect box, bool centred, int pixels, std::string words, bool crisp = false) {
    return shape(Text{box, centred, pixels, std::move(words)}, std::nullopt, solid(kBlack), crisp);
}

// The needle from the hub to just inside the arc, at `degrees`.
Shape needle_at(double width, double height, double degrees) {
    const Point c = dial_centre(width, height);
    return shape(Line{c, polar(c, D::kArcRadius - D::kPointerInset, degrees)},
                 pen(kBlack, D::kPointerWidth, Cap::round), std::nullopt, false, Part::needle);
}

}  // namespace

Face gauge_face(double width, double height, const GaugeLook& look, LineHeight line_height) {
    Face face{width, height, {}};
    auto& out = face.shapes;
    if (look.lowered_bevel) {
        const Stroke shadow = pen(colours::kBevelShadow), light = pen(colours::kBevelLight);
        out.push_back(line({0, 0}, {width, 0}, shadow));
        out.push_back(line({0, 0}, {0, height}, shadow));
        out.push_back(line({0, height - 0.5}, {width, height - 0.5}, light));
        out.push_back(line({width - 0.5, 0}, {width - 0.5, height}, light));
    }
    const Point c = dial_centre(width, height);
    out.push_back(shape(Ellipse{c, D::kFaceRadius, D::kFaceRadius}, pen(D::kFaceEdgeRgb),
                        solid(D::kFaceRgb)));

    // The colour sections as bands just inside the arc.
    double from = look.min;
    for (const D::Section& s : D::kSections) {
        const double a0 = dial_angle(scale_fraction(from, look.min, look.max));
        const double a1 = dial_angle(scale_fraction(s.to, look.min, look.max));
        out.push_back(shape(Arc{c, D::kArcRadius - D::kSectionBand / 2, a0, a1 - a0},
                            pen(s.rgb, D::kSectionBand, Cap::flat), std::nullopt));
        from = s.to;
    }

    // The arc line and its ticks, outwards.
    out.push_back(
        shape(Arc{c, D::kArcRadius, D::kStartAngle, -D::kSpan}, pen(kBlack), std::nullopt));
    for (const DialTick& t : dial_ticks()) {
        const double length = t.major ? D::kMajorTick : D::kMinorTick;
        out.push_back(line(polar(c, D::kArcRadius, t.angle),
                           polar(c, D::kArcRadius + length, t.angle), pen(kBlack)));
    }

    const Point mid = polar(c, D::kArcRadius - D::kFigureInset, dial_angle(0.5));
    const double figure_height = line_height(D::kFigurePixels);
    out.push_back(figure({mid.x - 8, mid.y - figure_height / 2, 16, figure_height, 0}, true,
                         D::kFigurePixels, scale_label((look.min + look.max) / 2)));
    out.push_back(figure({c.x - 12, c.y + D::kUnitBelowCentre - 5, 24, 10, 0}, true, D::kUnitPixels,
                         D::kUnit));

    out.push_back(needle_at(width, height, 0));
    out.push_back(
        shape(Ellipse{c, D::kHubSize / 2, D::kHubSize / 2}, std::nullopt, solid(D::kHubRgb)));
    return face;
}

Shape gauge_needle(double width, double height, double fraction) {
    return needle_at(width, height, dial_angle(fraction));
}

ThermometerFrame thermometer_frame(double width, double height, const ThermometerLook& look,
                                   LineHeight line_height) {
    return thermometer_frame(width, height, look.figures, line_height(C::kFigurePixels));
}

Face thermometer_face(double width, double height, const ThermometerLook& look,
                      LineHeight line_height) {
    Face face{width, height, {}};
    auto& out = face.shapes;
    const ThermometerFrame f = thermometer_frame(width, height, look, line_height);
    const double x = f.x;

    // Tube, outlined, then the bulb and the column.
    const Stroke edge = pen(C::kTubeEdgeRgb);
    out.push_back(shape(Rect{x - 1.5, f.top - 1.5, 3, f.bulb_y - f.top + 1.5, 1.5}, edge,
                        solid(look.tube_rgb)));
    out.push_back(shape(Ellipse{{x, f.bulb_y}, C::kBulbRadius, C::kBulbRadius}, edge,
                        solid(look.column_rgb)));
    out.push_back(thermometer_column(f, look.column_rgb, 0));

    // Ticks to the right of the column, values beside the majors.
    const double figure_height = line_height(C::kFigurePixels);
    for (const ScaleTick& t :
         thermometer_ticks(look.min, look.max, look.major_ticks, look.desired_ticks)) {
        const double y = std::round(f.y_of(t.fraction)) + 0.5;
        const double x0 = x + C::kTickMargin;
        out.push_back(
            line({x0, y}, {x0 + (t.major ? C::kMajorTick : C::kMinorTick), y}, pen(kBlack), true));
        if (t.major && look.figures) {
            const double at = x0 + C::kMajorTick + C::kFigureGap;
            out.push_back(figure({at, y - figure_height / 2, width - at, figure_height, 0}, false,
                                 C::kFigurePixels, scale_label(t.value), true));
        }
    }
    return face;
}

Shape thermometer_column(const ThermometerFrame& frame, unsigned rgb, double fraction) {
    const double level = frame.y_of(fraction);
    return shape(Rect{frame.x - 0.5, level, 1, frame.bulb_y - level, 0}, std::nullopt, solid(rgb),
                 true, Part::column);
}

Face rocker_switch_face(double width, double height) {
    // The housing one pixel inside the border, the rocker inside it; each
    // half of the rocker pressed in or standing out.
    const Rect housing{1.5, 1.5, width - 1.5 - 1.5, height - 1.5 - 1.5, 3};
    const Rect rocker{housing.x + 2.5, housing.y + 2.5, housing.width - 2.5 - 2.5,
                      housing.height - 2.5 - 2.5, 0};
    const double mid = rocker.y + rocker.height / 2;
    const Rect upper{rocker.x, rocker.y, rocker.width, mid - rocker.y, 0};
    const Rect lower{rocker.x, mid, rocker.width, rocker.y + rocker.height - mid, 0};
    const Point on_at{upper.x + upper.width / 2, upper.y + upper.height / 2};
    const Point off_at{lower.x + lower.width / 2, lower.y + lower.height / 2};

    constexpr unsigned kShadow = 0x696969, kLit = 0xEBEBEB, kDim = 0x969696;
    Face face{width, height, {}};
    auto& out = face.shapes;
    out.push_back(shape(housing, pen(0x141414), solid(0x3C3C3C)));
    // The half pressed in lies in shadow; the other stands out towards the light.
    for (const Part state : {Part::off, Part::on}) {
        const bool on = state == Part::on;
        out.push_back(shape(on ? upper : lower, std::nullopt, solid(kShadow), false, state));
        out.push_back(shape(on ? lower : upper, std::nullopt,
                            Fill{on ? kDim : kLit, on ? kLit : kDim}, false, state));
    }
    out.push_back(shape(rocker, pen(0x1E1E1E), std::nullopt));
    // "I" on the upper half, "O" on the lower; the lit mark tells the position.
    for (const Part state : {Part::off, Part::on}) {
        const unsigned rgb = state == Part::on ? 0xE61E1E : 0x3C3C3C;
        out.push_back(shape(Line{{on_at.x, on_at.y - 3}, {on_at.x, on_at.y + 3}}, pen(rgb, 1.5),
                            std::nullopt, false, state));
    }
    for (const Part state : {Part::off, Part::on}) {
        const unsigned rgb = state == Part::on ? 0x3C3C3C : 0x141414;
        out.push_back(shape(Ellipse{off_at, 2.5, 2.5}, pen(rgb, 1.2), std::nullopt, false, state));
    }
    return face;
}

}  // namespace gelvor::layout
