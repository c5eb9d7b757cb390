#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "present/number_style.h"
#include "present/pass.h"
#include "session/bench_view.h"
#include "session/conditions.h"

// The bench as the operator works it, for every front end: the five
// settings as typed and as applied, the switch, the last pass and every
// decision about what the window shows. A front end forwards what the
// operator does as intents and draws view(); each intent computes at most
// one pass.
namespace gelvor::session {

enum class FlowBar { evaporator, condenser };  // VScroll1, VScroll2

// A front end that names its controls: the bar or the setting box of that
// name ("VScroll2", "Text4"); the evaporator's bar and the water's box for
// any other name.
FlowBar flow_bar_named(std::string_view bar);
Quantity setting_named(std::string_view box);

// A pass on show: the settings it read, as the recomputation read them, its
// result and what the displays show of it.
struct ShownPass {
    PanelSettings settings;
    BenchInputs inputs;
    PassResult result;
    PassDisplay display;
};

class BenchSession {
  public:
    explicit BenchSession(const NumberStyle& style = spanish_number_style());

    // The user's way with numbers: the next pass reads and writes them so.
    void set_number_style(const NumberStyle& style) { style_ = style; }
    const NumberStyle& number_style() const { return style_; }

    // A flow bar moved to `flow` g/s, or stepped; clamped to its range.
    void set_flow(FlowBar bar, int flow);
    void step_flow(FlowBar bar, int steps);
    // A setting box's text as the operator edits it: nothing is applied.
    void type(Quantity box, std::string text);
    // Enter in a setting box: its handler runs as a spin click would run it,
    // with the typed number, and the spin stays where it is.
    void apply(Quantity box);
    // A spin moved to `position`, or stepped; it writes its box and applies it.
    void set_spin(Quantity box, int position);
    void step_spin(Quantity box, int steps);
    // The switch: true when a coil had no water, so that the minimum-flow
    // notice is to be shown before the view; both flows are then set to the
    // least the machine runs with.
    bool operate_switch();
    // All five settings, each control that differs moved as the operator
    // would move it, and then one pass.
    void set_conditions(const Conditions& conditions);
    // A message of the program's own on the status line.
    void say(std::string text, Tone tone);

    const BenchView& view() const { return view_; }
    // The pass on show while the machine runs; null while it is off.
    const ShownPass* pass_on_show() const { return pass_ ? &*pass_ : nullptr; }
    // The settings as they stand in the controls now.
    PanelSettings settings() const;
    // What "Fijar condiciones" starts from: the value each box would apply,
    // its spin's position where its text is not a number.
    Conditions conditions_to_apply() const;
    // How many passes have been computed, for those who check that each
    // intent computes at most one.
    long passes_computed() const { return passes_; }

  private:
    FlowView& flow(FlowBar bar);
    bool move_flow(FlowBar bar, int flow);
    SettingView& setting(Quantity box);
    const SettingView& setting(Quantity box) const;
    DisplayView& display(const char* target);
    // A setting's change handler: the box's text is applied and the
    // thermometers the setting moves follow its number, before the pass or
    // after it.
    void change_setting(Quantity box, std::optional<double> value, bool& pass_due);
    void move_thermometers(Quantity box, std::optional<double> value, bool after_pass);
    void write_box(Quantity box, std::string text);
    void after_change(const std::optional<Quantity>& box, std::optional<double> value,
                      bool pass_due);
    void marcha();
    void switched_off();
    void mark_pending();

    NumberStyle style_;
    BenchView view_;
    std::array<std::string, 3> applied_;  // each box's text as last applied
    std::optional<ShownPass> pass_;       // while the machine runs
    long passes_ = 0;
};

}  // namespace gelvor::session
