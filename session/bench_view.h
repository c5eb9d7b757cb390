#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/bench.h"
#include "present/chart_overlay.h"

// What the bench window shows after an operator's intent, as one plain
// value: every front end draws it and decides nothing of its own. Texts are
// UTF-8; names are the controls' names.
namespace gelvor::session {

// The status line's lines: a fault in red, a warning in amber, a note in
// black, and where the bench's model is not physical, in violet.
enum class Tone { fault, warning, note, validity };

struct StatusLine {
    std::string text;
    Tone tone = Tone::note;
    friend bool operator==(const StatusLine&, const StatusLine&) = default;
};

// A frame over a setting box: red for a text that made a pass fail, amber
// for a number outside the spin's range.
enum class BoxMark { none, warning, fault };

// A water flow's bar and the float of its flowmeter.
struct FlowView {
    const char* bar;            // "VScroll1"
    const char* float_picture;  // "Image1"
    int flow = 0;               // g/s
    float float_top = 0;        // twips
    friend bool operator==(const FlowView&, const FlowView&) = default;
};

// A setting box and its spin.
struct SettingView {
    Quantity quantity;
    const char* box;        // "Text3"
    const char* spin;       // "UpDown1"
    std::string text;       // as it stands in the box
    int spin_position = 0;  // the spin keeps its own position under a typed text
    BoxMark mark = BoxMark::none;
    bool pending = false;  // typed and not yet applied
    friend bool operator==(const SettingView&, const SettingView&) = default;
};

// A text box's text, or an instrument's position; an unset position (no
// water flows through that coil) has no reading and shows 0.
struct DisplayView {
    const char* target;
    bool instrument = false;
    std::string text;
    double position = 0;
    bool unset = false;
    friend bool operator==(const DisplayView&, const DisplayView&) = default;
};

struct PictureView {
    const char* name;
    bool shown = false;
    friend bool operator==(const PictureView&, const PictureView&) = default;
};

struct BenchView {
    bool machine_on = false;
    std::array<FlowView, 2> flows;        // evaporator (VScroll1), condenser (VScroll2)
    std::array<SettingView, 3> settings;  // in the order a pass reads them: Text3, Text8, Text4
    // What the passes write, in their order, then the thermometers that the
    // settings move themselves.
    std::vector<DisplayView> displays;
    bool cycle_shown = false;           // Line1_0..3 and Label2_0..3 on the P-h chart
    std::optional<ChartOverlay> cycle;  // where the last pass that drew it placed them
    std::vector<PictureView> pictures;  // the running machine's, and the evaporator at rest
    std::vector<StatusLine> status;
};

bool same_cycle(const std::optional<ChartOverlay>& a, const std::optional<ChartOverlay>& b);

}  // namespace gelvor::session
