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

using Json = nlohmann::json;

namespace D = layout::dial;
namespace C = layout::column;
using layout::Point;

// Liberation Sans stands for the window's fonts; its ascent and descent are
// 0.905 and 0.212 of its size, the height of a line of figures.
constexpr double kFontHeight = 0.905 + 0.212;

bool is_gauge(const layout::InstrumentSpec& instrument) {
    return std::string_view(instrument.name).starts_with("GaugeX");
}

bool is_room(const layout::InstrumentSpec& instrument) {
    return std::string_view(instrument.name) == layout::kRoomThermometer.name;
}

// The drawing's logical size: the instrument's pixels at 100 %.
double design_width(const layout::InstrumentSpec& instrument) {
    return layout::px(instrument.rect.width);
}
double design_height(const layout::InstrumentSpec& instrument) {
    return layout::px(instrument.rect.height);
}

using Attr = std::pair<const char*, Json>;

// One SVG element: its tag and attributes.
Json shape(const char* tag, std::initializer_list<Attr> attrs) {
    Json out = nlohmann::json::object();
    out["tag"] = tag;
    Json a = nlohmann::json::object();
    for (const auto& [name, value] : attrs) a[name] = value;
    out["attrs"] = a;
    return out;
}

Json colour(unsigned rgb) {
    return Json(css_colour(rgb));
}

Json line(Point a, Point b, unsigned rgb, double width) {
    return shape("line", {{"x1", Json(a.x)},
                          {"y1", Json(a.y)},
                          {"x2", Json(b.x)},
                          {"y2", Json(b.y)},
                          {"stroke", colour(rgb)},
                          {"stroke-width", Json(width)}});
}

Json figure(Point at, const std::string& words, int pixels, const char* anchor) {
    Json out = shape("text", {{"x", Json(at.x)},
                              {"y", Json(at.y)},
                              {"font-size", Json(pixels)},
                              {"text-anchor", Json(anchor)},
                              {"dominant-baseline", Json("central")}});
    out["text"] = std::string(words);
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

Json gauge_face(const layout::InstrumentSpec& instrument) {
    const double w = design_width(instrument), h = design_height(instrument);
    const Point c = layout::dial_centre(w, h);
    Json shapes = nlohmann::json::array();
    if (std::string_view(instrument.name) == layout::kLoweredBevelGauge) {
        using namespace layout::colours;
        shapes.push_back(line({0, 0}, {w, 0}, kBevelShadow, 1));
        shapes.push_back(line({0, 0}, {0, h}, kBevelShadow, 1));
        shapes.push_back(line({0, h - 0.5}, {w, h - 0.5}, kBevelLight, 1));
        shapes.push_back(line({w - 0.5, 0}, {w - 0.5, h}, kBevelLight, 1));
    }
    shapes.push_back(shape("circle", {{"cx", Json(c.x)},
                                      {"cy", Json(c.y)},
                                      {"r", Json(D::kFaceRadius)},
                                      {"fill", colour(D::kFaceRgb)},
                                      {"stroke", colour(D::kFaceEdgeRgb)}}));
    double from = instrument.min;
    for (const D::Section& s : D::kSections) {
        const double a0 =
            layout::dial_angle(layout::scale_fraction(from, instrument.min, instrument.max));
        const double a1 =
            layout::dial_angle(layout::scale_fraction(s.to, instrument.min, instrument.max));
        shapes.push_back(
            shape("path", {{"d", Json(arc_path(c, D::kArcRadius - D::kSectionBand / 2, a0, a1))},
                           {"fill", Json("none")},
                           {"stroke", colour(s.rgb)},
                           {"stroke-width", Json(D::kSectionBand)}}));
        from = s.to;
    }
    shapes.push_back(shape(
        "path", {{"d", Json(arc_path(c, D::kArcRadius, D::kStartAngle, D::kStartAngle - D::kSpan))},
                 {"fill", Json("none")},
                 {"stroke", Json("#000000")}}));
    for (const layout::DialTick& t : layout::dial_ticks()) {
        const double length = t.major ? D::kMajorTick : D::kMinorTick;
        shapes.push_back(line(layout::polar(c, D::kArcRadius, t.angle),
                              layout::polar(c, D::kArcRadius + length, t.angle), 0, 1));
    }
    shapes.push_back(figure(
        layout::polar(c, D::kArcRadius - D::kFigureInset, layout::dial_angle(0.5)),
        layout::scale_label((instrument.min + instrument.max) / 2), D::kFigurePixels, "middle"));
    shapes.push_back(figure({c.x, c.y + D::kUnitBelowCentre}, D::kUnit, D::kUnitPixels, "middle"));
    Json needle = shape("line", {{"x1", Json(c.x)},
                                 {"y1", Json(c.y)},
                                 {"x2", Json(c.x + D::kArcRadius - D::kPointerInset)},
                                 {"y2", Json(c.y)},
                                 {"stroke", Json("#000000")},
                                 {"stroke-width", Json(D::kPointerWidth)},
                                 {"stroke-linecap", Json("round")}});
    needle["part"] = "needle";
    shapes.push_back(needle);
    shapes.push_back(shape("circle", {{"cx", Json(c.x)},
                                      {"cy", Json(c.y)},
                                      {"r", Json(D::kHubSize / 2)},
                                      {"fill", colour(D::kHubRgb)}}));
    Json out = nlohmann::json::object();
    out["width"] = w;
    out["height"] = h;
    out["shapes"] = shapes;
    return out;
}

layout::ThermometerFrame frame_of(const layout::InstrumentSpec& instrument) {
    return layout::thermometer_frame(design_width(instrument), design_height(instrument),
                                     is_room(instrument), C::kFigurePixels * kFontHeight);
}

Json thermometer_face(const layout::InstrumentSpec& instrument) {
    const layout::ThermometerFrame f = frame_of(instrument);
    const std::string column =
        instrument.column_bgr ? css_colour_bgr(instrument.column_bgr) : css_colour(C::kColumnRgb);
    const std::string tube =
        instrument.tube_bgr ? css_colour_bgr(instrument.tube_bgr) : css_colour(C::kTubeRgb);
    Json shapes = nlohmann::json::array();
    shapes.push_back(shape("rect", {{"x", Json(f.x - 1.5)},
                                    {"y", Json(f.top - 1.5)},
                                    {"width", Json(3)},
                                    {"height", Json(f.bulb_y - f.top + 1.5)},
                                    {"rx", Json(1.5)},
                                    {"fill", Json(tube)},
                                    {"stroke", colour(C::kTubeEdgeRgb)}}));
    shapes.push_back(shape("circle", {{"cx", Json(f.x)},
                                      {"cy", Json(f.bulb_y)},
                                      {"r", Json(C::kBulbRadius)},
                                      {"fill", Json(column)},
                                      {"stroke", colour(C::kTubeEdgeRgb)}}));
    Json level = shape("rect", {{"x", Json(f.x - 0.5)},
                                {"width", Json(1)},
                                {"fill", Json(column)},
                                {"shape-rendering", Json("crispEdges")}});
    level["part"] = "column";
    shapes.push_back(level);
    const int desired = is_room(instrument) ? layout::kRoomThermometerTicks : 0;
    for (const layout::ScaleTick& t :
         layout::thermometer_ticks(instrument.min, instrument.max, C::kMajorTicks, desired)) {
        const double y = std::round(f.y_of(t.fraction)) + 0.5;
        const double x0 = f.x + C::kTickMargin;
        Json tick = line({x0, y}, {x0 + (t.major ? C::kMajorTick : C::kMinorTick), y}, 0, 1);
        tick["attrs"]["shape-rendering"] = "crispEdges";
        shapes.push_back(tick);
        if (t.major && is_room(instrument))
            shapes.push_back(figure({x0 + C::kMajorTick + C::kFigureGap, y},
                                    layout::scale_label(t.value), C::kFigurePixels, "start"));
    }
    Json out = nlohmann::json::object();
    out["width"] = design_width(instrument);
    out["height"] = design_height(instrument);
    out["shapes"] = shapes;
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

Json instrument_face(const layout::InstrumentSpec& instrument) {
    return is_gauge(instrument) ? gauge_face(instrument) : thermometer_face(instrument);
}

nlohmann::json instrument_pose(const layout::InstrumentSpec& instrument, double position,
                               bool unset, const NumberStyle& style) {
    const double fraction = layout::scale_fraction(position, instrument.min, instrument.max);
    nlohmann::json out = {{"value", position}};
    if (is_gauge(instrument)) {
        out["text"] = pressure_reading(position, style);
        out["rotate"] = -layout::dial_angle(fraction);
    } else {
        out["text"] = temperature_reading(unset ? std::nullopt : std::optional(position), style);
        const layout::ThermometerFrame f = frame_of(instrument);
        const double top = f.y_of(fraction);
        out["columnY"] = top;
        out["columnHeight"] = f.bulb_y - top;
    }
    return out;
}

}  // namespace gelvor::web
