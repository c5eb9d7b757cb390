// One bench pass for the page, as the window shows it: the settings come in
// as the page's controls hold them, and the display writes, the chart
// overlay and the status line go out as plain JavaScript values.
#include "web/binding/pass.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "layout/form1_layout.h"
#include "model/settings_ranges.h"
#include "present/box_reading.h"
#include "present/fault_message.h"
#include "present/operator_notices.h"
#include "present/pass.h"
#include "web/binding/instruments.h"

namespace gelvor::web {
namespace {

// The setting boxes, their quantities and where the settings keep their text.
struct SettingBox {
    const char* name;
    Quantity quantity;
    std::string PanelSettings::*text;
};
constexpr SettingBox kSettingBoxes[] = {
    {"Text3", Quantity::barometric_pressure, &PanelSettings::barometer_text},
    {"Text8", Quantity::water_inlet_temperature, &PanelSettings::water_text},
    {"Text4", Quantity::ambient_temperature, &PanelSettings::ambient_text},
};

const SettingBox* box_named(const std::string& name) {
    for (const SettingBox& b : kSettingBoxes) {
        if (name == b.name)
            return &b;
    }
    return nullptr;
}

// A flow as a bar sets it: a whole number of g/s within the bar's range.
int bar_flow(const val& v) {
    const double flow = v.isNumber() ? v.as<double>() : kFlowRange.min;
    if (std::isnan(flow))
        return kFlowRange.min;
    return static_cast<int>(
        std::clamp(std::round(flow), double{kFlowRange.min}, double{kFlowRange.max}));
}

nlohmann::json write_of(const DisplayWrite& w, const NumberStyle& style) {
    nlohmann::json out = {{"target", w.target}};
    if (w.kind == DisplayWrite::Kind::text) {
        out["text"] = w.text;
    } else if (const layout::InstrumentSpec* instrument = find_instrument(w.target)) {
        out["pose"] = instrument_pose(*instrument, w.position, w.unset, style);
    }
    return out;
}

nlohmann::json overlay_of(const ChartOverlay& overlay) {
    nlohmann::json lines = nlohmann::json::array();
    for (const ChartSegment& s : overlay.lines)
        lines.push_back({{"x1", s.x1}, {"y1", s.y1}, {"x2", s.x2}, {"y2", s.y2}});
    nlohmann::json labels = nlohmann::json::array();
    for (const ChartLabel& l : overlay.labels) labels.push_back({{"left", l.left}, {"top", l.top}});
    return {{"lines", lines}, {"labels", labels}};
}

}  // namespace

PanelSettings panel_settings(const val& settings) {
    PanelSettings p;
    p.evaporator_water_flow = bar_flow(settings["evaporatorFlow"]);
    p.condenser_water_flow = bar_flow(settings["condenserFlow"]);
    for (const SettingBox& b : kSettingBoxes) {
        const val t = settings[b.name];
        p.*b.text = t.isString() ? t.as<std::string>() : std::string();
    }
    return p;
}

namespace {

// {writes: [{target, text} or {target, pose}], unreached: [target], overlay:
// {lines, labels} or null, complete, status, statusLines: [{text, tone:
// "fault" | "warning" | "validity"}], boxes: {Text3: "read" | "unreadable" |
// "out of range" | "unreached"}}.
val run_pass_for_page(const val& settings, const std::string& locale) {
    const NumberStyle& style = style_of(locale);
    const PassDisplay pass = run_pass(panel_settings(settings), style);
    nlohmann::json writes = nlohmann::json::array();
    for (const DisplayWrite& w : pass.writes) writes.push_back(write_of(w, style));
    nlohmann::json unreached = nlohmann::json::array();
    for (const char* target : pass.unreached()) unreached.push_back(target);
    nlohmann::json boxes = nlohmann::json::object();
    for (const SettingBox& b : kSettingBoxes) {
        const bool out_of_range =
            std::any_of(pass.range_warnings.begin(), pass.range_warnings.end(),
                        [&b](const RangeWarning& w) { return w.setting == b.quantity; });
        boxes[b.name] = pass.unreadable_box() == b.quantity ? "unreadable"
                        : !pass.read_box(b.quantity)        ? "unreached"
                        : out_of_range                      ? "out of range"
                                                            : "read";
    }
    nlohmann::json lines = nlohmann::json::array();
    if (!pass.complete())
        lines.push_back({{"text", pass.fault_message}, {"tone", "fault"}});
    for (const RangeWarning& w : pass.range_warnings)
        lines.push_back({{"text", w.text}, {"tone", "warning"}});
    for (const ValidityNote& n : pass.validity_notes)
        lines.push_back({{"text", n.text}, {"tone", "validity"}});
    return to_js({{"writes", writes},
                  {"unreached", unreached},
                  {"overlay", pass.overlay ? overlay_of(*pass.overlay) : nlohmann::json()},
                  {"complete", pass.complete()},
                  {"status", pass.status_message()},
                  {"statusLines", lines},
                  {"boxes", boxes}});
}

// Enter in a setting box: {value} the number its text reads as, or null;
// and when it reads none, {fault} the message a pass would give for it.
val apply_box(const std::string& box, const val& settings, const std::string& locale) {
    const NumberStyle& style = style_of(locale);
    const SettingBox* b = box_named(box);
    val out = val::object();
    if (!b)
        return out;
    const PanelSettings panel = panel_settings(settings);
    const std::optional<double> value = read_box_number(panel.*b->text, style);
    out.set("value", value ? val(*value) : val::null());
    if (!value) {
        const BenchInputs inputs = read_settings(panel, style);
        out.set("fault",
                text(fault_message(Fault{b->quantity, FaultKind::not_a_number, b->quantity}, panel,
                                   inputs, {}, style)));
    }
    return out;
}

// The switch operated with a coil without water: {title, text, flow}, the
// notice and the flow both bars are then set to; null when both run.
val minimum_flow_rule(int evaporator_flow, int condenser_flow) {
    if (evaporator_flow != kFlowRange.min && condenser_flow != kFlowRange.min)
        return val::null();
    val out = val::object();
    out.set("title", text(kNoticeTitle));
    out.set("text", text(minimum_flow_notice()));
    out.set("flow", kMinimumRunningFlow);
    return out;
}

// A flow bar at `flow` g/s: {floatTop} where its float stands (twips), and
// {text} what a screen reader says.
val flow_bar(int flow) {
    val out = val::object();
    out.set("floatTop", float_top_twips(bar_from_flow(flow)));
    out.set("text", std::to_string(flow) + " g/s");
    return out;
}

// An instrument that a setting moves (the room and water inlet thermometers).
val instrument_at(const std::string& name, double position, const std::string& locale) {
    const layout::InstrumentSpec* instrument = find_instrument(name);
    return instrument ? to_js(instrument_pose(*instrument, position, false, style_of(locale)))
                      : val::null();
}

}  // namespace
}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_pass) {
    emscripten::function("runPass", &gelvor::web::run_pass_for_page);
    emscripten::function("applyBox", &gelvor::web::apply_box);
    emscripten::function("minimumFlowRule", &gelvor::web::minimum_flow_rule);
    emscripten::function("flowBar", &gelvor::web::flow_bar);
    emscripten::function("instrumentAt", &gelvor::web::instrument_at);
}
