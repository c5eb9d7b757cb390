#include "web/binding/instruments.h"

#include <cmath>
#include <initializer_list>
#include <string>
#include <utility>

#include "layout/instrument_dials.h"
#include "layout/window_look.h"
#include "present/reading_text.h"

namespace gelvor::web {
namespace {

namespace D = layout::dial;
namespace C = layout::column;
using layout::Point;

// Liberation Sans stands for the window's fonts; its ascent and descent are
// 0.905 and 0.212 of its size, the height of a line of figures.
constexpr double kFontHeight = 0.905 + 0.212;

bool is_gauge(const layout::InstrumentSpec& spec) {
    return std::string_view(spec.name).starts_with("GaugeX");
}

bool is_room(const layout::InstrumentSpec& spec) {
    return std::string_view(spec.name) == layout::kRoomThermometer.name;
}

// The drawing's logical size: the instrument's pixels at 100 %.
double design_width(const layout::InstrumentSpec& spec) {
    return layout::px(spec.rect.width);
}
double design_height(const layout::InstrumentSpec& spec) {
    return layout::px(spec.rect.height);
}

using Attr = std::pair<const char*, val>;

// One SVG element: its tag and attributes.
val shape(const char* tag, std::initializer_list<Attr> attrs) {
    val out = val::object();
    out.set("tag", tag);
    val a = val::object();
    for (const auto& [name, value] : attrs) a.set(name, value);
    out.set("attrs", a);
    return out;
}

val colour(unsigned rgb) {
    return val(css_colour(rgb));
}

val line(Point a, Point b, unsigned rgb, double width) {
    return shape("line", {{"x1", val(a.x)},
                          {"y1", val(a.y)},
                          {"x2", val(b.x)},
                          {"y2", val(b.y)},
                          {"stroke", colour(rgb)},
                          {"stroke-width", val(width)}});
}

val figure(Point at, const std::string& words, int pixels, const char* anchor) {
    val out = shape("text", {{"x", val(at.x)},
                             {"y", val(at.y)},
                             {"font-size", val(pixels)},
                             {"text-anchor", val(anchor)},
                             {"dominant-baseline", val("central")}});
    out.set("text", text(words));
    return out;
}

// The arc of `radius` about `centre` clockwise from angle `from` to `to`.
std::string arc_path(Point centre, double radius, double from, double to) {
    const Point a = layout::polar(centre, radius, from);
    const Point b = layout::polar(centre, radius, to);
    const bool large = std::fabs(from - to) > 180;
    return "M " + std::to_string(a.x) + ' ' + std::to_string(a.y) + " A " + std::to_string(radius) +
           ' ' + std::to_string(radius) + " 0 " + (large ? '1' : '0') + " 1 " +
           std::to_string(b.x) + ' ' + std::to_string(b.y);
}

val gauge_face(const layout::InstrumentSpec& spec) {
    const double w = design_width(spec), h = design_height(spec);
    const Point c = layout::dial_centre(w, h);
    val shapes = val::array();
    if (std::string_view(spec.name) == layout::kLoweredBevelGauge) {
        using namespace layout::colours;
        push(shapes, line({0, 0}, {w, 0}, kBevelShadow, 1));
        push(shapes, line({0, 0}, {0, h}, kBevelShadow, 1));
        push(shapes, line({0, h - 0.5}, {w, h - 0.5}, kBevelLight, 1));
        push(shapes, line({w - 0.5, 0}, {w - 0.5, h}, kBevelLight, 1));
    }
    push(shapes, shape("circle", {{"cx", val(c.x)},
                                  {"cy", val(c.y)},
                                  {"r", val(D::kFaceRadius)},
                                  {"fill", colour(D::kFaceRgb)},
                                  {"stroke", colour(D::kFaceEdgeRgb)}}));
    double from = spec.min;
    for (const D::Section& s : D::kSections) {
        const double a0 = layout::dial_angle(layout::scale_fraction(from, spec.min, spec.max));
        const double a1 = layout::dial_angle(layout::scale_fraction(s.to, spec.min, spec.max));
        push(shapes,
             shape("path", {{"d", val(arc_path(c, D::kArcRadius - D::kSectionBand / 2, a0, a1))},
                            {"fill", val("none")},
                            {"stroke", colour(s.rgb)},
                            {"stroke-width", val(D::kSectionBand)}}));
        from = s.to;
    }
    push(shapes,
         shape("path",
               {{"d", val(arc_path(c, D::kArcRadius, D::kStartAngle, D::kStartAngle - D::kSpan))},
                {"fill", val("none")},
                {"stroke", val("#000000")}}));
    for (const layout::DialTick& t : layout::dial_ticks()) {
        const double length = t.major ? D::kMajorTick : D::kMinorTick;
        push(shapes, line(layout::polar(c, D::kArcRadius, t.angle),
                          layout::polar(c, D::kArcRadius + length, t.angle), 0, 1));
    }
    push(shapes,
         figure(layout::polar(c, D::kArcRadius - D::kFigureInset, layout::dial_angle(0.5)),
                layout::scale_label((spec.min + spec.max) / 2), D::kFigurePixels, "middle"));
    push(shapes, figure({c.x, c.y + D::kUnitBelowCentre}, D::kUnit, D::kUnitPixels, "middle"));
    val needle = shape("line", {{"x1", val(c.x)},
                                {"y1", val(c.y)},
                                {"x2", val(c.x + D::kArcRadius - D::kPointerInset)},
                                {"y2", val(c.y)},
                                {"stroke", val("#000000")},
                                {"stroke-width", val(D::kPointerWidth)},
                                {"stroke-linecap", val("round")}});
    needle.set("part", "needle");
    push(shapes, needle);
    push(shapes, shape("circle", {{"cx", val(c.x)},
                                  {"cy", val(c.y)},
                                  {"r", val(D::kHubSize / 2)},
                                  {"fill", colour(D::kHubRgb)}}));
    val out = val::object();
    out.set("width", w);
    out.set("height", h);
    out.set("shapes", shapes);
    return out;
}

layout::ThermometerFrame frame_of(const layout::InstrumentSpec& spec) {
    return layout::thermometer_frame(design_width(spec), design_height(spec), is_room(spec),
                                     C::kFigurePixels * kFontHeight);
}

val thermometer_face(const layout::InstrumentSpec& spec) {
    const layout::ThermometerFrame f = frame_of(spec);
    const std::string column =
        spec.column_bgr ? css_colour_bgr(spec.column_bgr) : css_colour(C::kColumnRgb);
    const std::string tube =
        spec.tube_bgr ? css_colour_bgr(spec.tube_bgr) : css_colour(C::kTubeRgb);
    val shapes = val::array();
    push(shapes, shape("rect", {{"x", val(f.x - 1.5)},
                                {"y", val(f.top - 1.5)},
                                {"width", val(3)},
                                {"height", val(f.bulb_y - f.top + 1.5)},
                                {"rx", val(1.5)},
                                {"fill", val(tube)},
                                {"stroke", colour(C::kTubeEdgeRgb)}}));
    push(shapes, shape("circle", {{"cx", val(f.x)},
                                  {"cy", val(f.bulb_y)},
                                  {"r", val(C::kBulbRadius)},
                                  {"fill", val(column)},
                                  {"stroke", colour(C::kTubeEdgeRgb)}}));
    val level = shape("rect", {{"x", val(f.x - 0.5)},
                               {"width", val(1)},
                               {"fill", val(column)},
                               {"shape-rendering", val("crispEdges")}});
    level.set("part", "column");
    push(shapes, level);
    const int desired = is_room(spec) ? layout::kRoomThermometerTicks : 0;
    for (const layout::ScaleTick& t :
         layout::thermometer_ticks(spec.min, spec.max, C::kMajorTicks, desired)) {
        const double y = std::round(f.y_of(t.fraction)) + 0.5;
        const double x0 = f.x + C::kTickMargin;
        val tick = line({x0, y}, {x0 + (t.major ? C::kMajorTick : C::kMinorTick), y}, 0, 1);
        tick["attrs"].set("shape-rendering", "crispEdges");
        push(shapes, tick);
        if (t.major && is_room(spec))
            push(shapes, figure({x0 + C::kMajorTick + C::kFigureGap, y},
                                layout::scale_label(t.value), C::kFigurePixels, "start"));
    }
    val out = val::object();
    out.set("width", design_width(spec));
    out.set("height", design_height(spec));
    out.set("shapes", shapes);
    return out;
}

}  // namespace

const layout::InstrumentSpec* find_instrument(std::string_view name) {
    for (const auto& list : {layout::gauges(), layout::thermometers()}) {
        for (const layout::InstrumentSpec& s : list) {
            if (name == s.name)
                return &s;
        }
    }
    return name == layout::kRoomThermometer.name ? &layout::kRoomThermometer : nullptr;
}

val instrument_face(const layout::InstrumentSpec& spec) {
    return is_gauge(spec) ? gauge_face(spec) : thermometer_face(spec);
}

val instrument_pose(const layout::InstrumentSpec& spec, double position, bool unset,
                    const NumberStyle& style) {
    const double fraction = layout::scale_fraction(position, spec.min, spec.max);
    val out = val::object();
    out.set("value", position);
    if (is_gauge(spec)) {
        out.set("text", text(pressure_reading(position, style)));
        out.set("rotate", -layout::dial_angle(fraction));
    } else {
        out.set("text",
                text(temperature_reading(unset ? std::nullopt : std::optional(position), style)));
        const layout::ThermometerFrame f = frame_of(spec);
        const double top = f.y_of(fraction);
        out.set("columnY", top);
        out.set("columnHeight", f.bulb_y - top);
    }
    return out;
}

}  // namespace gelvor::web
