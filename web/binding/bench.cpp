// The bench for the page: the page forwards what the operator does as the
// session's intents and gets back what changed in the view, to draw as it
// comes. Nothing about the bench is decided in the page.
#include "web/binding/bench.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/settings_ranges.h"
#include "present/operator_notices.h"
#include "present/reading_text.h"
#include "texts/unit_texts.h"
#include "web/binding/instruments.h"

namespace gelvor::web {
namespace {

using Json = nlohmann::json;
using session::BenchView;

struct Page {
    session::BenchSession session;
    std::string locale = "es_ES";
    std::optional<BenchView> sent;  // what the page was last given
};

Page& page() {
    static Page p;
    return p;
}

const char* tone_name(session::Tone tone) {
    switch (tone) {
        case session::Tone::fault:
            return "fault";
        case session::Tone::warning:
            return "warning";
        case session::Tone::validity:
            return "validity";
        default:
            return "note";
    }
}

const char* mark_name(session::BoxMark mark) {
    return mark == session::BoxMark::fault     ? "fault"
           : mark == session::BoxMark::warning ? "warning"
                                               : "";
}

Json display_json(const session::DisplayView& d, const NumberStyle& style) {
    Json out = {{"target", d.target}};
    if (!d.instrument)
        out["text"] = d.text;
    else if (const layout::InstrumentSpec* instrument = find_instrument(d.target))
        out["pose"] = instrument_pose(*instrument, d.position, d.unset, style);
    return out;
}

Json cycle_json(const ChartOverlay& overlay) {
    Json lines = Json::array();
    for (const ChartSegment& s : overlay.lines)
        lines.push_back({{"x1", s.x1}, {"y1", s.y1}, {"x2", s.x2}, {"y2", s.y2}});
    Json labels = Json::array();
    for (const ChartLabel& l : overlay.labels) labels.push_back({{"left", l.left}, {"top", l.top}});
    return {{"lines", lines}, {"labels", labels}};
}

// {on, flows, settings, displays, cycle, pictures, status}: the displays
// that changed since the page was last given the view (all the first time),
// everything else whole.
Json view_json(const BenchView& v, const BenchView* before, const NumberStyle& style) {
    Json flows = Json::array();
    for (std::size_t i = 0; i < v.flows.size(); ++i) {
        const session::FlowView& f = v.flows[i];
        flows.push_back({{"bar", f.bar},
                         {"float", f.float_picture},
                         {"flow", f.flow},
                         {"floatTop", f.float_top},
                         {"text", std::to_string(f.flow) + texts::kFlowUnit},
                         {"tip", flow_reading(layout::flow_bars()[i].accessible, f.flow)}});
    }
    Json settings = Json::array();
    for (const session::SettingView& s : v.settings) {
        settings.push_back({{"box", s.box},
                            {"spin", s.spin},
                            {"text", s.text},
                            {"position", s.spin_position},
                            {"mark", mark_name(s.mark)},
                            {"pending", s.pending}});
    }
    Json displays = Json::array();
    for (std::size_t i = 0; i < v.displays.size(); ++i) {
        if (!before || before->displays[i] != v.displays[i])
            displays.push_back(display_json(v.displays[i], style));
    }
    Json pictures = Json::array();
    for (const session::PictureView& p : v.pictures)
        pictures.push_back({{"name", p.name}, {"shown", p.shown}});
    Json status = Json::array();
    for (const session::StatusLine& l : v.status)
        status.push_back({{"text", l.text}, {"tone", tone_name(l.tone)}});
    Json cycle = {{"shown", v.machine_on && v.cycle_shown}};
    if (v.cycle)
        cycle["place"] = cycle_json(*v.cycle);
    return {{"on", v.machine_on},   {"flows", flows},         {"settings", settings},
            {"displays", displays}, {"cycle", cycle},         {"pictures", pictures},
            {"status", status},     {"applyHint", kApplyHint}};
}

}  // namespace

val bench_changes() {
    Page& p = page();
    const BenchView& now = p.session.view();
    const Json out = view_json(now, p.sent ? &*p.sent : nullptr, p.session.number_style());
    p.sent = now;
    return to_js(out);
}

namespace {

// The page starts, or starts again, in its locale: the whole view.
val start_bench(const std::string& locale) {
    Page& p = page();
    p.locale = locale.starts_with("en") ? "en_US" : "es_ES";
    p.session.set_number_style(style_of(p.locale));
    p.sent.reset();
    return bench_changes();
}

val step_flow(const std::string& bar, int steps) {
    page().session.step_flow(session::flow_bar_named(bar), steps);
    return bench_changes();
}

val step_spin(const std::string& box, int steps) {
    page().session.step_spin(session::setting_named(box), steps);
    return bench_changes();
}

val type_setting(const std::string& box, const std::string& text) {
    page().session.type(session::setting_named(box), text);
    return bench_changes();
}

val apply_setting(const std::string& box) {
    page().session.apply(session::setting_named(box));
    return bench_changes();
}

// "Fijar condiciones" accepted: each value within its control's range, to
// the tenth a box holds (the flows whole), as the desktop's dialog gives
// them; a value that is no number leaves the setting as it would apply.
val set_conditions(double condenser, double evaporator, double barometer, double water,
                   double ambient) {
    const session::Conditions now = page().session.conditions_to_apply();
    const auto within = [](double v, double present, const SettingRange& r, double scale) {
        if (!std::isfinite(v))
            return present;
        return std::clamp(std::round(v * scale) / scale, double(r.min), double(r.max));
    };
    page().session.set_conditions({
        static_cast<int>(within(condenser, now.condenser_flow, kFlowRange, 1)),
        static_cast<int>(within(evaporator, now.evaporator_flow, kFlowRange, 1)),
        within(barometer, now.barometer, kBarometerRange, 10),
        within(water, now.water, kWaterInletRange, 10),
        within(ambient, now.ambient, kAmbientRange, 10),
    });
    return bench_changes();
}

// The switch: {notice: {title, text, accept}} when the minimum-flow notice
// is to be shown first, and the view.
val operate_switch() {
    const bool notice = page().session.operate_switch();
    val out = bench_changes();
    if (notice) {
        val n = val::object();
        n.set("title", text(kNoticeTitle));
        n.set("text", text(minimum_flow_notice()));
        n.set("accept", text(kAcceptCaption));
        out.set("notice", n);
    }
    return out;
}

}  // namespace

session::BenchSession& bench() {
    return page().session;
}

const std::string& page_locale() {
    return page().locale;
}

}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_bench) {
    emscripten::function("startBench", &gelvor::web::start_bench);
    emscripten::function("stepFlow", &gelvor::web::step_flow);
    emscripten::function("stepSpin", &gelvor::web::step_spin);
    emscripten::function("typeSetting", &gelvor::web::type_setting);
    emscripten::function("applySetting", &gelvor::web::apply_setting);
    emscripten::function("operateSwitch", &gelvor::web::operate_switch);
    emscripten::function("setConditions", &gelvor::web::set_conditions);
}
