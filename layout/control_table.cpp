#include "layout/control_table.h"

#include <algorithm>
#include <vector>

#include "layout/window_look.h"
#include "model/settings_ranges.h"

namespace gelvor::layout {
namespace {

constexpr TabsSpec kSSTab2Look{kSSTab2Tabs, kSSTab2TabsPerRow, kSSTab2PageRgb, kSSTab2CaptionRgb};
constexpr TabsSpec kSSTab1Look{kSSTab1Tabs, kSSTab1TabsPerRow,
                               colours::system_colour(kSSTab1PageColourIndex), kSSTab1CaptionRgb};

// &H00BBGGRR as 0xRRGGBB; 0 is `otherwise`.
unsigned rgb_of_bgr(unsigned bgr, unsigned otherwise) {
    if (bgr == 0)
        return otherwise;
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

// A setting box is a spin's buddy; every other box is a read-out.
const SpinSpec* spin_writing(std::string_view box) {
    const auto all = spins();
    const auto it =
        std::find_if(all.begin(), all.end(), [box](const SpinSpec& s) { return box == s.buddy; });
    return it == all.end() ? nullptr : &*it;
}

class Table {
  public:
    ControlRow& add(std::string name, ControlKind kind, std::string parent, int page,
                    const TwipsRect& rect) {
        ControlRow row;
        row.name = std::move(name);
        row.kind = kind;
        row.parent = std::move(parent);
        row.page = page;
        row.rect = rect;
        rows_.push_back(std::move(row));
        return rows_.back();  // filled in before the next row is added
    }

    ControlRow& label(const LabelSpec& s, ControlKind kind, const char* parent, int page = -1) {
        ControlRow& row = add(s.name, kind, parent, page, s.rect);
        row.caption = s.caption;
        row.tip = s.tooltip ? s.tooltip : "";
        row.accessible = s.tooltip ? s.tooltip : s.caption;
        return row;
    }

    void picture(const PictureSpec& s, const char* parent, int page = -1) {
        ControlRow& row = add(s.name, ControlKind::picture, parent, page, s.rect);
        row.accessible = s.accessible;
        row.detail = &s;
    }

    ControlRow& instrument(const InstrumentSpec& s, ControlKind kind, const char* parent) {
        ControlRow& row = add(s.name, kind, parent, -1, s.rect);
        row.min = s.min;
        row.max = s.max;
        row.start = s.start;
        row.tip = s.accessible;
        return row;
    }

    void gauge(const InstrumentSpec& s) {
        ControlRow& row = instrument(s, ControlKind::gauge, kFormName);
        row.accessible = s.accessible;
        row.detail = GaugeLook{s.min, s.max, row.name == kLoweredBevelGauge};
    }

    // The room thermometer writes the values of its scale, at round values.
    void thermometer(const InstrumentSpec& s, const char* parent, bool room = false) {
        ControlRow& row = instrument(s, ControlKind::thermometer, parent);
        row.accessible = std::string(kThermometerAccessible) + s.accessible;
        ThermometerLook look{s.min, s.max};
        look.column_rgb = rgb_of_bgr(s.column_bgr, column::kColumnRgb);
        look.tube_rgb = rgb_of_bgr(s.tube_bgr, column::kTubeRgb);
        look.figures = room;
        look.desired_ticks = room ? kRoomThermometerTicks : 0;
        row.detail = look;
    }

    void flow_bar(const ScrollSpec& s) {
        ControlRow& row = add(s.name, ControlKind::flow_bar, kFormName, -1, s.rect);
        row.accessible = s.accessible;
        row.min = kFlowRange.min;
        row.max = kFlowRange.max;
        row.start = kFlowRange.initial;
        row.tab_stop = true;
        row.buddy = s.float_name;
    }

    void tabs(const char* name, const TwipsRect& rect, const TabsSpec& look,
              const char* accessible) {
        ControlRow& row = add(name, ControlKind::tabs, kFormName, -1, rect);
        row.accessible = accessible;
        row.tab_stop = true;
        row.detail = &look;
    }

    // A box, and right after it the spin that writes it, if any, in the same
    // container: Tab goes from a setting box to its spin.
    void box(const BoxSpec& s, const char* parent, int page = -1, Pointer pointer = Pointer::own) {
        ControlRow& row = add(s.name, ControlKind::box, parent, page, s.rect);
        row.caption = s.text;
        row.align = s.align;
        row.accessible = s.accessible;
        row.pointer = pointer;
        const SpinSpec* spin = spin_writing(s.name);
        row.read_only = spin == nullptr;
        row.tab_stop = !row.read_only;
        if (spin) {
            ControlRow& r = add(spin->name, ControlKind::spin, parent, page, spin->rect);
            r.accessible = spin->accessible;
            r.min = spin->range.min;
            r.max = spin->range.max;
            r.start = spin->range.initial;
            r.tab_stop = true;
            r.buddy = spin->buddy;
            r.detail = spin;
        }
    }

    std::vector<ControlRow> rows() && { return std::move(rows_); }

  private:
    std::vector<ControlRow> rows_;
};

// The drawing and what lies on it: its own marks under the pictures,
// instruments and controls; the switch between the two flow bars, as Tab goes.
void add_bench(Table& t) {
    const auto spots = hot_spots();
    for (std::size_t i = 0; i < spots.size(); ++i) {
        const bool own = static_cast<int>(i) == kNormalPointerHotSpot;
        t.label(spots[i], ControlKind::hotspot, kFormName).pointer =
            own ? Pointer::own : Pointer::up_arrow;
    }
    for (const LabelSpec& m : markers()) t.label(m, ControlKind::marker, kFormName);
    for (const PictureSpec& f : floats()) t.picture(f, kFormName);
    for (const PictureSpec& p : running_pictures()) t.picture(p, kFormName);
    for (const InstrumentSpec& g : gauges()) t.gauge(g);
    for (const InstrumentSpec& s : thermometers()) t.thermometer(s, kFormName);
    const ScrollSpec& evaporator = flow_bars()[0];
    const ScrollSpec& condenser = flow_bars()[1];
    t.flow_bar(condenser);
    ControlRow& power = t.add(kSwitchName, ControlKind::power_switch, kFormName, -1, kSwitch);
    power.tip = power.accessible = kSwitchTip;
    power.tab_stop = true;
    t.flow_bar(evaporator);
}

void add_lower_tabs(Table& t) {
    t.tabs(kSSTab2Name, kSSTab2, kSSTab2Look, kSSTab2Accessible);
    const PictureSpec& schematic = sstab2_pictures()[0];
    const PictureSpec& chart = sstab2_pictures()[1];
    t.picture(schematic, kSSTab2Name, 0);
    t.picture(chart, kSSTab2Name, 1);
    ControlRow& cycle = t.add("Line1", ControlKind::overlay, chart.name, -1,
                              {0, 0, chart.rect.width, chart.rect.height});
    cycle.detail = OverlayLook{overlay(), kOverlayLinePixels};
}

void add_datos(Table& t) {
    ControlRow& frame = t.add(kFrame1Name, ControlKind::frame, kSSTab1Name, datos, kFrame1);
    frame.caption = frame.accessible = kFrame1Caption;
    for (const LabelSpec& l : frame_labels()) t.label(l, ControlKind::label, kFrame1Name);
    t.picture(kBarometer, kFrame1Name);
    ControlRow& mercury = t.add("Line2", ControlKind::line, kFrame1Name, -1, kMercuryLine);
    mercury.accessible = kMercuryAccessible;
    mercury.detail = LineLook{colours::system_colour(kMercuryLineColourIndex), kMercuryLinePixels};
    for (const BoxSpec& b : frame_boxes()) t.box(b, kFrame1Name);
    t.thermometer(kRoomThermometer, kFrame1Name, true);
    for (const LabelSpec& l : datos_labels()) t.label(l, ControlKind::label, kSSTab1Name, datos);
    for (const BoxSpec& b : datos_boxes()) t.box(b, kSSTab1Name, datos);
}

void add_resultados(Table& t) {
    for (const CaptionSpec& s : result_captions()) {
        ControlRow& row = t.add("l9_" + std::to_string(s.index), ControlKind::caption, kSSTab1Name,
                                resultados, s.rect);
        row.caption = s.caption;
        const bool density = s.index == kDensityCaption;
        std::string_view words(s.caption);
        words = words.substr(0, words.find_last_not_of(' ') + 1);
        row.accessible = density ? std::string(kDensityAccessible) : std::string(words);
        row.detail =
            CaptionLook{colours::system_colour(s.head ? kHeadColourIndex : kCaptionColourIndex),
                        density ? kDensityCaptionPixels : kDefaultFontPixels};
    }
    const auto boxes = result_boxes();
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const bool arrow = static_cast<int>(i) == kArrowPointerBox;
        t.box(boxes[i], kSSTab1Name, resultados, arrow ? Pointer::arrow : Pointer::own);
    }
}

void add_right_tabs(Table& t) {
    t.tabs(kSSTab1Name, kSSTab1, kSSTab1Look, kSSTab1Accessible);
    add_datos(t);
    add_resultados(t);
    ControlRow& manual = t.add("Text2", ControlKind::manual, kSSTab1Name, practicas, kText2);
    manual.accessible = kManualAccessible;
    manual.tab_stop = true;
    t.picture(sstab1_pictures()[0], kSSTab1Name, relacion);
    t.picture(sstab1_pictures()[1], kSSTab1Name, fotografia);
}

std::vector<ControlRow> make_table() {
    Table t;
    add_bench(t);
    add_lower_tabs(t);
    add_right_tabs(t);
    return std::move(t).rows();
}

}  // namespace

std::span<const ControlRow> control_table() {
    static const std::vector<ControlRow> rows = make_table();
    return rows;
}

const ControlRow* find_control(std::string_view name) {
    for (const ControlRow& row : control_table()) {
        if (row.name == name)
            return &row;
    }
    return nullptr;
}

}  // namespace gelvor::layout
