#include "web/binding/instruments.h"

#include <cmath>
#include <string>
#include <utility>
#include <variant>

#include "present/reading_text.h"

namespace gelvor::web {
namespace {

using Json = nlohmann::json;
namespace L = layout;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// Liberation Sans stands for the window's fonts; its ascent and descent are
// 0.905 and 0.212 of its size, the height of a line of figures.
double line_height(int pixels) {
    return pixels * (0.905 + 0.212);
}

// A control's face at its size at 100 %.
L::Face face_of(const L::ControlRow& row) {
    const double w = L::px(row.rect.width), h = L::px(row.rect.height);
    if (row.kind == L::ControlKind::gauge)
        return L::gauge_face(w, h, row.get<L::GaugeLook>(), line_height);
    if (row.kind == L::ControlKind::thermometer)
        return L::thermometer_face(w, h, row.get<L::ThermometerLook>(), line_height);
    return L::rocker_switch_face(w, h);
}

bool has_face(const L::ControlRow& row) {
    return row.kind == L::ControlKind::gauge || row.kind == L::ControlKind::thermometer ||
           row.kind == L::ControlKind::power_switch;
}

const char* part_name(L::Part part) {
    switch (part) {
        case L::Part::needle:
            return "needle";
        case L::Part::column:
            return "column";
        case L::Part::on:
            return "on";
        case L::Part::off:
            return "off";
        default:
            return nullptr;
    }
}

// The arc as an SVG path: SVG's angles run clockwise, Y being downwards.
std::string arc_path(const L::Arc& a) {
    const L::Point from = L::polar(a.centre, a.radius, a.start);
    const L::Point to = L::polar(a.centre, a.radius, a.start + a.span);
    const bool large = std::abs(a.span) > 180;
    const bool clockwise = a.span < 0;
    return "M " + std::to_string(from.x) + ' ' + std::to_string(from.y) + " A " +
           std::to_string(a.radius) + ' ' + std::to_string(a.radius) + " 0 " + (large ? '1' : '0') +
           ' ' + (clockwise ? '1' : '0') + ' ' + std::to_string(to.x) + ' ' + std::to_string(to.y);
}

// The element's tag and where it stands.
std::pair<const char*, Json> geometry(const L::Geometry& g) {
    return std::visit(
        Overloaded{
            [](const L::Line& l) -> std::pair<const char*, Json> {
                return {"line",
                        {{"x1", l.from.x}, {"y1", l.from.y}, {"x2", l.to.x}, {"y2", l.to.y}}};
            },
            [](const L::Rect& r) -> std::pair<const char*, Json> {
                Json a = {{"x", r.x}, {"y", r.y}, {"width", r.width}, {"height", r.height}};
                if (r.corner > 0)
                    a["rx"] = r.corner;
                return {"rect", a};
            },
            [](const L::Ellipse& e) -> std::pair<const char*, Json> {
                if (e.rx == e.ry)
                    return {"circle", {{"cx", e.centre.x}, {"cy", e.centre.y}, {"r", e.rx}}};
                return {"ellipse",
                        {{"cx", e.centre.x}, {"cy", e.centre.y}, {"rx", e.rx}, {"ry", e.ry}}};
            },
            [](const L::Arc& a) -> std::pair<const char*, Json> {
                return {"path", {{"d", arc_path(a)}}};
            },
            [](const L::Text& t) -> std::pair<const char*, Json> {
                const double x = t.centred ? t.box.x + t.box.width / 2 : t.box.x;
                return {"text",
                        {{"x", x},
                         {"y", t.box.y + t.box.height / 2},
                         {"font-size", t.pixels},
                         {"text-anchor", t.centred ? "middle" : "start"},
                         {"dominant-baseline", "central"}}};
            },
        },
        g);
}

// A shading from the top of the shape's box to its bottom, named `id`.
Json shading(const L::Fill& fill, const std::string& id) {
    Json stops = Json::array();
    stops.push_back(
        {{"tag", "stop"}, {"attrs", {{"offset", 0}, {"stop-color", css_colour(fill.rgb)}}}});
    stops.push_back({{"tag", "stop"},
                     {"attrs", {{"offset", 1}, {"stop-color", css_colour(*fill.bottom_rgb)}}}});
    return {{"tag", "linearGradient"},
            {"attrs", {{"id", id}, {"x1", 0}, {"y1", 0}, {"x2", 0}, {"y2", 1}}},
            {"children", stops}};
}

// The shape's elements: its shading, if any, then the shape.
void add_shape(Json& out, const L::Shape& s, const std::string& id) {
    auto [tag, attrs] = geometry(s.geometry);
    const bool is_line = std::holds_alternative<L::Line>(s.geometry);
    const bool is_text = std::holds_alternative<L::Text>(s.geometry);
    // Only a line and an arc have ends.
    const bool has_ends = is_line || std::holds_alternative<L::Arc>(s.geometry);
    if (s.stroke) {
        attrs["stroke"] = css_colour(s.stroke->rgb);
        attrs["stroke-width"] = s.stroke->width;
        if (has_ends && s.stroke->cap != L::Cap::flat)
            attrs["stroke-linecap"] = s.stroke->cap == L::Cap::round ? "round" : "square";
    }
    if (s.fill && s.fill->bottom_rgb) {
        out.push_back(shading(*s.fill, id));
        attrs["fill"] = "url(#" + id + ")";
    } else if (s.fill) {
        attrs["fill"] = css_colour(s.fill->rgb);
    } else if (!is_line) {
        attrs["fill"] = "none";
    }
    if (s.crisp && !is_text)
        attrs["shape-rendering"] = "crispEdges";
    Json element = {{"tag", tag}, {"attrs", attrs}};
    if (const auto* t = std::get_if<L::Text>(&s.geometry))
        element["text"] = t->words;
    if (const char* part = part_name(s.part))
        element["part"] = part;
    out.push_back(std::move(element));
}

}  // namespace

const L::InstrumentSpec* find_instrument(std::string_view name) {
    for (const auto& list : {L::gauges(), L::thermometers()}) {
        for (const L::InstrumentSpec& s : list) {
            if (name == s.name)
                return &s;
        }
    }
    return name == L::kRoomThermometer.name ? &L::kRoomThermometer : nullptr;
}

Json control_face(const L::ControlRow& row) {
    if (!has_face(row))
        return nullptr;
    const L::Face face = face_of(row);
    Json shapes = Json::array();
    for (std::size_t i = 0; i < face.shapes.size(); ++i)
        add_shape(shapes, face.shapes[i], row.name + "-shading-" + std::to_string(i));
    return {{"width", face.width}, {"height", face.height}, {"shapes", shapes}};
}

Json instrument_pose(const L::InstrumentSpec& instrument, double position, bool unset,
                     const NumberStyle& style) {
    const L::ControlRow& row = *L::find_control(instrument.name);
    const double fraction = L::scale_fraction(position, row.min, row.max);
    Json out = {{"value", position}};
    if (row.kind == L::ControlKind::gauge) {
        out["text"] = pressure_reading(position, style);
        out["rotate"] = -L::dial_angle(fraction);  // from three o'clock, as the face draws it
    } else {
        out["text"] = temperature_reading(unset ? std::nullopt : std::optional(position), style);
        const auto& look = row.get<L::ThermometerLook>();
        const L::ThermometerFrame frame =
            L::thermometer_frame(L::px(row.rect.width), L::px(row.rect.height), look, line_height);
        const L::Shape shape = L::thermometer_column(frame, look.column_rgb, fraction);
        const auto& column = std::get<L::Rect>(shape.geometry);
        out["columnY"] = column.y;
        out["columnHeight"] = column.height;
    }
    return out;
}

}  // namespace gelvor::web
