#pragma once

#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "layout/faces.h"
#include "layout/form1_layout.h"

// The bench window's controls as one table, which the desktop window and
// the browser page both build from: a row per control, each after its
// container, and the Tab stops in the order Tab goes.
namespace gelvor::layout {

enum class ControlKind {
    hotspot,  // a named part of the drawing under the pointer
    marker,   // a measuring point's letters on the drawing
    label,
    picture,
    gauge,
    thermometer,
    flow_bar,
    power_switch,
    tabs,
    frame,
    box,
    spin,
    caption,  // a heading of the results' table
    manual,
    line,     // a straight line over its container
    overlay,  // the cycle drawn over the P-h chart
};

// The pointer over a control: its kind's own, or the bench's arrows.
enum class Pointer { own, arrow, up_arrow };

// A tab control: its tabs, how many to a row, its pages' and captions' colours.
struct TabsSpec {
    std::span<const char* const> captions;
    int per_row;
    unsigned page_rgb, caption_rgb;
};

// A heading of the results' table: its background and its text's size.
struct CaptionLook {
    unsigned background_rgb;
    int font_pixels;
};

// A line's colour and width in pixels at 100 %.
struct LineLook {
    unsigned rgb;
    int pixels;
};

// The cycle's segments and letters, and the segments' width.
struct OverlayLook {
    std::span<const OverlaySpec> items;
    int line_pixels;
};

// What a kind needs beyond the common fields.
using ControlDetail =
    std::variant<std::monostate, const PictureSpec*, const SpinSpec*, const TabsSpec*, GaugeLook,
                 ThermometerLook, CaptionLook, LineLook, OverlayLook>;

struct ControlRow {
    std::string name;  // the control's object name
    ControlKind kind = ControlKind::label;
    std::string parent;      // "Form1" for the bench drawing, or an earlier row
    int page = -1;           // its page when the parent is a tab control
    TwipsRect rect;          // in the parent's twips; a line's is x1, y1, x2, y2
    std::string caption;     // a label's, frame's or heading's text; a box's start text
    std::string tip;         // the tool tip; an instrument's names it above its reading
    std::string accessible;  // what a screen reader calls it
    double min = 0, max = 0, start = 0;
    bool tab_stop = false;
    bool read_only = false;  // a box only a pass writes
    TextAlign align = TextAlign::left;
    Pointer pointer = Pointer::own;
    std::string buddy;  // the box a spin writes, the float a flow bar moves
    ControlDetail detail;

    template <class T>
    const T& get() const {
        return std::get<T>(detail);
    }
};

// Every control in building order: a container before what it holds, on
// each container the lower before the upper, and the Tab stops in Tab's order.
std::span<const ControlRow> control_table();

// The row named `name`; nullptr for none.
const ControlRow* find_control(std::string_view name);

}  // namespace gelvor::layout
