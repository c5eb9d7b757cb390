#include "session/bench_session.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "layout/form1_layout.h"
#include "model/settings_ranges.h"
#include "present/box_reading.h"
#include "present/fault_message.h"
#include "present/number_text.h"
#include "present/operator_notices.h"

namespace gelvor::session {
namespace {

namespace L = layout;

// Each setting box, the quantity it sets and where the pass's settings keep its text.
struct BoxSpec {
    Quantity quantity;
    const char* box;
    std::string PanelSettings::*text;
};
constexpr BoxSpec kBoxes[] = {
    {Quantity::barometric_pressure, "Text3", &PanelSettings::barometer_text},
    {Quantity::water_inlet_temperature, "Text8", &PanelSettings::water_text},
    {Quantity::ambient_temperature, "Text4", &PanelSettings::ambient_text},
};
static_assert(std::size(kBoxes) == kSettingBoxes.size());

std::size_t box_index(Quantity box) {
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
        if (kBoxes[i].quantity == box)
            return i;
    }
    return 0;
}

const L::SpinSpec& spin_of(Quantity box) {
    return L::spin_of_box(kBoxes[box_index(box)].box);
}

// A display as the window shows it before any pass: its layout's start.
DisplayView start_display(const char* target) {
    const std::string_view name = target;
    for (const L::InstrumentSpec& i : L::gauges()) {
        if (name == i.name)
            return {target, true, {}, i.start};
    }
    for (const L::InstrumentSpec& i : L::thermometers()) {
        if (name == i.name)
            return {target, true, {}, i.start};
    }
    if (name == L::kRoomThermometer.name)
        return {target, true, {}, L::kRoomThermometer.start};
    for (const auto& boxes : {L::datos_boxes(), L::result_boxes(), L::frame_boxes()}) {
        for (const L::BoxSpec& b : boxes) {
            if (name == b.name)
                return {target, false, b.text};
        }
    }
    return {target, false, {}};
}

bool is_result_box(std::string_view target) {
    return target.starts_with("Text7_");
}

}  // namespace

FlowBar flow_bar_named(std::string_view bar) {
    return bar == L::flow_bars()[1].name ? FlowBar::condenser : FlowBar::evaporator;
}

Quantity setting_named(std::string_view box) {
    for (const BoxSpec& b : kBoxes) {
        if (box == b.box)
            return b.quantity;
    }
    return Quantity::water_inlet_temperature;
}

bool same_cycle(const std::optional<ChartOverlay>& a, const std::optional<ChartOverlay>& b) {
    if (!a || !b)
        return !a && !b;
    for (std::size_t i = 0; i < a->lines.size(); ++i) {
        const ChartSegment &x = a->lines[i], &y = b->lines[i];
        if (x.x1 != y.x1 || x.y1 != y.y1 || x.x2 != y.x2 || x.y2 != y.y2)
            return false;
        if (a->labels[i].left != b->labels[i].left || a->labels[i].top != b->labels[i].top)
            return false;
    }
    return true;
}

BenchSession::BenchSession(const NumberStyle& style) : style_(style) {
    for (std::size_t i = 0; i < view_.flows.size(); ++i) {
        const L::ScrollSpec& bar = L::flow_bars()[i];
        const L::PictureSpec& flt = *std::find_if(
            L::floats().begin(), L::floats().end(),
            [&bar](const L::PictureSpec& p) { return std::string_view(p.name) == bar.float_name; });
        // The floats stand where the layout put them until their bar moves.
        view_.flows[i] = {bar.name, flt.name, kFlowRange.initial, static_cast<float>(flt.rect.top)};
    }
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
        const L::SpinSpec& spin = spin_of(kBoxes[i].quantity);
        view_.settings[i] = {kBoxes[i].quantity, kBoxes[i].box, spin.name,
                             std::to_string(spin.range.initial), spin.range.initial};
        applied_[i] = view_.settings[i].text;
    }
    for (const char* target : display_targets()) {
        view_.displays.push_back(start_display(target));
        // The window's load step: an empty results panel.
        if (is_result_box(target))
            view_.displays.back().text.clear();
    }
    for (const L::SpinSpec& spin : L::spins()) {
        for (const char* t : spin.thermometers) {
            if (t)
                view_.displays.push_back(start_display(t));
        }
    }
    for (const L::PictureSpec& p : L::running_pictures())
        view_.pictures.push_back({p.name, p.visible});
}

FlowView& BenchSession::flow(FlowBar bar) {
    return view_.flows[bar == FlowBar::evaporator ? 0 : 1];
}

SettingView& BenchSession::setting(Quantity box) {
    return view_.settings[box_index(box)];
}

const SettingView& BenchSession::setting(Quantity box) const {
    return view_.settings[box_index(box)];
}

DisplayView& BenchSession::display(const char* target) {
    const std::string_view name = target;
    return *std::find_if(view_.displays.begin(), view_.displays.end(),
                         [name](const DisplayView& d) { return name == d.target; });
}

PanelSettings BenchSession::settings() const {
    PanelSettings s;
    s.evaporator_water_flow = view_.flows[0].flow;
    s.condenser_water_flow = view_.flows[1].flow;
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) s.*kBoxes[i].text = view_.settings[i].text;
    return s;
}

Conditions BenchSession::conditions_to_apply() const {
    const auto value = [this](Quantity box) {
        const SettingView& s = setting(box);
        return read_box_number(s.text, style_).value_or(s.spin_position);
    };
    return {view_.flows[1].flow, view_.flows[0].flow, value(Quantity::barometric_pressure),
            value(Quantity::water_inlet_temperature), value(Quantity::ambient_temperature)};
}

// A bar moved within its range and its float with it; false when it stayed.
bool BenchSession::move_flow(FlowBar bar, int value) {
    FlowView& f = flow(bar);
    const int clamped = std::clamp(value, kFlowRange.min, kFlowRange.max);
    if (clamped == f.flow)
        return false;
    f.flow = clamped;
    f.float_top = float_top_twips(bar_from_flow(clamped));
    return true;
}

// A bar's change: its float moves, and the machine computes if it runs.
void BenchSession::set_flow(FlowBar bar, int value) {
    if (move_flow(bar, value))
        after_change(std::nullopt, std::nullopt, true);
}

void BenchSession::step_flow(FlowBar bar, int steps) {
    set_flow(bar, flow(bar).flow + steps);
}

void BenchSession::type(Quantity box, std::string text) {
    SettingView& s = setting(box);
    s.text = std::move(text);
    mark_pending();
    if (s.pending)
        view_.status = {{kApplyHint, Tone::note}};
}

void BenchSession::apply(Quantity box) {
    const std::optional<double> value = read_box_number(setting(box).text, style_);
    bool pass_due = false;
    change_setting(box, value, pass_due);
    after_change(box, value, pass_due);
}

void BenchSession::set_spin(Quantity box, int position) {
    const L::SpinSpec& spin = spin_of(box);
    const int clamped = std::clamp(position, spin.range.min, spin.range.max);
    SettingView& s = setting(box);
    if (clamped == s.spin_position)
        return;
    s.spin_position = clamped;
    write_box(box, std::to_string(clamped));
    bool pass_due = false;
    change_setting(box, clamped, pass_due);
    after_change(box, clamped, pass_due);
}

void BenchSession::step_spin(Quantity box, int steps) {
    set_spin(box, setting(box).spin_position + steps);
}

void BenchSession::write_box(Quantity box, std::string text) {
    setting(box).text = std::move(text);
}

void BenchSession::change_setting(Quantity box, std::optional<double> value, bool& pass_due) {
    applied_[box_index(box)] = setting(box).text;
    // A number applied mends the box, whether or not a pass comes to read it.
    if (value && setting(box).mark == BoxMark::fault) {
        setting(box).mark = BoxMark::none;
        if (!view_.machine_on)
            view_.status.clear();
    }
    move_thermometers(box, value, false);
    pass_due = true;
}

// Which thermometers a setting moves, and whether before its pass or after
// it, is the spin's row of the layout: the room's before, the water's after.
void BenchSession::move_thermometers(Quantity box, std::optional<double> value, bool after_pass) {
    const L::SpinSpec& spin = spin_of(box);
    if (!value || spin.thermometers_after_pass != after_pass)
        return;
    for (const char* t : spin.thermometers) {
        if (t) {
            DisplayView& d = display(t);
            d.position = *value;
            d.unset = false;
        }
    }
}

// What follows every change: one pass while the machine runs, the
// thermometers that wait for it, and the marks. While it is off a box that
// reads no number says at once why it is refused.
void BenchSession::after_change(const std::optional<Quantity>& box, std::optional<double> value,
                                bool pass_due) {
    if (pass_due && view_.machine_on)
        marcha();
    if (box)
        move_thermometers(*box, value, true);
    if (box && !view_.machine_on) {
        SettingView& s = setting(*box);
        if (!value) {
            s.mark = BoxMark::fault;
            const PanelSettings now = settings();
            view_.status = {{fault_message(Fault{*box, FaultKind::not_a_number, *box}, now,
                                           read_settings(now, style_), {}, style_),
                             Tone::fault}};
        }
    }
    mark_pending();
}

// One recomputation from the settings as they stand; what it read is applied.
void BenchSession::marcha() {
    ShownPass p;
    p.settings = settings();
    p.inputs = read_settings(p.settings, style_);
    p.result = recompute(p.inputs);
    p.display = show_pass(p.settings, p.inputs, p.result, style_);
    ++passes_;
    const PassDisplay& shown = p.display;
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
        const Quantity q = kBoxes[i].quantity;
        SettingView& s = view_.settings[i];
        if (shown.unreadable_box() == q) {
            applied_[i] = s.text;
            s.mark = BoxMark::fault;
        } else if (shown.read_box(q)) {
            applied_[i] = s.text;
            const bool out_of_range =
                std::any_of(shown.range_warnings.begin(), shown.range_warnings.end(),
                            [q](const RangeWarning& w) { return w.setting == q; });
            s.mark = out_of_range ? BoxMark::warning : BoxMark::none;
        }
    }
    // The writes come in the order of the displays; a faulted pass empties
    // the boxes it did not reach, and the instruments keep their needles.
    for (std::size_t i = 0; i < shown.writes.size(); ++i) {
        const DisplayWrite& w = shown.writes[i];
        DisplayView& d = view_.displays[i];
        if (w.kind == DisplayWrite::Kind::text) {
            d.text = w.text;
        } else {
            d.position = w.position;
            d.unset = w.unset;
        }
    }
    for (std::size_t i = shown.writes.size(); i < display_targets().size(); ++i) {
        if (!view_.displays[i].instrument)
            view_.displays[i].text.clear();
    }
    if (shown.overlay)
        view_.cycle = shown.overlay;
    view_.cycle_shown = shown.overlay.has_value();
    view_.status.clear();
    if (!shown.complete())
        view_.status.push_back({shown.fault_message, Tone::fault});
    for (const RangeWarning& w : shown.range_warnings)
        view_.status.push_back({w.text, Tone::warning});
    for (const ValidityNote& n : shown.validity_notes)
        view_.status.push_back({n.text, Tone::validity});
    pass_ = std::move(p);
}

bool BenchSession::operate_switch() {
    view_.machine_on = !view_.machine_on;
    // The minimum-flow rule, on every operation of the switch.
    const bool notice =
        view_.flows[0].flow == kFlowRange.min || view_.flows[1].flow == kFlowRange.min;
    if (notice) {
        move_flow(FlowBar::evaporator, kMinimumRunningFlow);
        move_flow(FlowBar::condenser, kMinimumRunningFlow);
    }
    // The pictures of the running machine show exactly while it runs; the
    // evaporator at rest stays under them.
    const auto start = L::running_pictures();
    for (std::size_t i = 0; i < start.size(); ++i) {
        if (!start[i].visible)
            view_.pictures[i].shown = view_.machine_on;
    }
    if (view_.machine_on)
        marcha();
    else
        switched_off();
    mark_pending();
    return notice;
}

// Switching off empties the results panel and hides the cycle; the other
// displays keep the last pass's values, and a box keeps its red frame.
void BenchSession::switched_off() {
    pass_.reset();
    view_.cycle_shown = false;
    for (DisplayView& d : view_.displays) {
        if (is_result_box(d.target))
            d.text.clear();
    }
    view_.status.clear();
    for (SettingView& s : view_.settings) {
        if (s.mark == BoxMark::warning)
            s.mark = BoxMark::none;
    }
}

void BenchSession::set_conditions(const Conditions& c) {
    bool pass_due = move_flow(FlowBar::condenser, c.condenser_flow);
    pass_due = move_flow(FlowBar::evaporator, c.evaporator_flow) || pass_due;
    // A box is moved through its spin when the value is one of its
    // positions, else written as a number and applied; a box that already
    // reads the value is applied only if it was typed and not yet applied.
    std::array<std::optional<double>, 3> moved{};
    for (const auto& [box, value] : {std::pair{Quantity::barometric_pressure, c.barometer},
                                     std::pair{Quantity::water_inlet_temperature, c.water},
                                     std::pair{Quantity::ambient_temperature, c.ambient}}) {
        SettingView& s = setting(box);
        if (read_box_number(s.text, style_) == value) {
            if (!s.pending)
                continue;
        } else {
            const L::SpinSpec& spin = spin_of(box);
            const bool a_position = value == std::round(value) && spin.range.contains(value);
            if (a_position)
                s.spin_position = static_cast<int>(value);
            write_box(box, a_position ? std::to_string(s.spin_position)
                                      : general_number_text(value, style_));
        }
        change_setting(box, value, pass_due);
        moved[box_index(box)] = value;
    }
    if (pass_due && view_.machine_on)
        marcha();
    for (std::size_t i = 0; i < moved.size(); ++i) {
        if (moved[i])
            move_thermometers(kBoxes[i].quantity, moved[i], true);
    }
    mark_pending();
}

void BenchSession::say(std::string text, Tone tone) {
    view_.status.clear();
    if (!text.empty())
        view_.status.push_back({std::move(text), tone});
}

// A box whose text differs from what was last applied is marked, and the
// status line, when it has nothing else to say, says how to apply it.
void BenchSession::mark_pending() {
    bool any = false;
    for (std::size_t i = 0; i < std::size(kBoxes); ++i) {
        SettingView& s = view_.settings[i];
        s.pending = s.text != applied_[i];
        any = any || s.pending;
    }
    const bool hint_shown = view_.status.size() == 1 && view_.status[0].text == kApplyHint;
    if (any && view_.status.empty())
        view_.status = {{kApplyHint, Tone::note}};
    else if (!any && hint_shown)
        view_.status.clear();
}

}  // namespace gelvor::session
