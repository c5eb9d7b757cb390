// The bench window's controls for the page, from the layout tables: one row
// per element, parents first and in the order Tab goes, each with its name,
// kind, container and place in twips, and what it shows.
#include <emscripten/bind.h>

#include <algorithm>
#include <string>
#include <string_view>

#include "assets/pictures.h"
#include "layout/form1_layout.h"
#include "layout/window_look.h"
#include "layout/zoom_steps.h"
#include "model/settings_ranges.h"
#include "notebook/notebook_messages.h"
#include "present/operator_notices.h"
#include "present/reading_text.h"
#include "web/binding/instruments.h"
#include "web/binding/web_values.h"

namespace gelvor::web {
namespace {

namespace L = layout;

// The page finds a picture by its file name.
std::string file_name(std::string_view resource) {
    return std::string(resource.substr(resource.rfind('/') + 1));
}

// A picture's own size in pixels at 100 %.
val natural_size(std::string_view resource) {
    val out = val::object();
    for (const assets::Picture& p : assets::kPictures) {
        if (resource == p.path) {
            out.set("width", p.width);
            out.set("height", p.height);
        }
    }
    return out;
}

const char* align_name(L::TextAlign align) {
    switch (align) {
        case L::TextAlign::right:
            return "right";
        case L::TextAlign::centre:
            return "center";
        default:
            return "left";
    }
}

class Rows {
  public:
    // A row in `parent` (on its tab page `page`, or -1).
    val add(std::string_view name, const char* kind, const char* parent, int page,
            const L::TwipsRect& r) {
        val row = val::object();
        row.set("name", text(name));
        row.set("kind", kind);
        row.set("parent", parent);
        row.set("page", page);
        row.set("rect", rect(r));
        const auto stop = std::find(std::begin(L::kTabOrder), std::end(L::kTabOrder), name);
        row.set("tabStop", stop != std::end(L::kTabOrder));
        push(list_, row);
        return row;
    }
    val list() const { return list_; }

  private:
    val list_ = val::array();
};

void add_picture(Rows& rows, const L::PictureSpec& s, const char* parent, int page) {
    val row = rows.add(s.name, "picture", parent, page, s.rect);
    row.set("picture", file_name(s.resource));
    row.set("natural", natural_size(s.resource));
    row.set("stretched", s.stretched);
    row.set("border", s.border);
    row.set("visible", s.visible);
    row.set("label", text(s.accessible));
}

void add_label(Rows& rows, const L::LabelSpec& s, const char* kind, const char* parent, int page) {
    val row = rows.add(s.name, kind, parent, page, s.rect);
    row.set("text", text(s.caption));
    row.set("label", text(s.tooltip ? s.tooltip : s.caption));
    row.set("tip", text(s.tooltip ? s.tooltip : ""));
}

void add_instrument(Rows& rows, const L::InstrumentSpec& s, const char* kind, const char* parent,
                    int page) {
    val row = rows.add(s.name, kind, parent, page, s.rect);
    row.set("min", s.min);
    row.set("max", s.max);
    row.set("start", s.start);
    const bool gauge = std::string_view(kind) == "gauge";
    row.set("label", text(gauge ? std::string(s.accessible)
                                : L::kThermometerAccessible + std::string(s.accessible)));
    row.set("tip", text(s.has_tooltip ? s.accessible : ""));
    row.set("face", instrument_face(s));
}

// A setting box is a spin's buddy; every other box is a read-out.
bool is_setting(std::string_view box) {
    return std::any_of(L::spins().begin(), L::spins().end(),
                       [box](const L::SpinSpec& s) { return box == s.buddy; });
}

void add_box(Rows& rows, const L::BoxSpec& s, const char* parent, int page) {
    val row = rows.add(s.name, "box", parent, page, s.rect);
    row.set("text", text(s.text));
    row.set("align", align_name(s.align));
    row.set("readOnly", !is_setting(s.name));
    row.set("label", text(s.accessible));
    row.set("description", text(readout_description(s.name)));
}

void add_spin(Rows& rows, const L::SpinSpec& s, const char* parent, int page) {
    val row = rows.add(s.name, "spin", parent, page, s.rect);
    row.set("min", s.range.min);
    row.set("max", s.range.max);
    row.set("start", s.range.initial);
    row.set("buddy", s.buddy);
    row.set("label", text(s.accessible));
}

val captions(std::span<const char* const> tabs) {
    val out = val::array();
    for (const char* t : tabs) push(out, text(t));
    return out;
}

void add_tabs(Rows& rows, const char* name, const L::TwipsRect& r,
              std::span<const char* const> tabs, int per_row, unsigned page_rgb,
              unsigned caption_rgb, const char* accessible) {
    val row = rows.add(name, "tabs", "Form1", -1, r);
    row.set("captions", captions(tabs));
    row.set("perRow", per_row);
    row.set("rowTwips", L::kTabRowTwips);
    row.set("pageColour", css_colour(page_rgb));
    row.set("captionColour", css_colour(caption_rgb));
    row.set("label", text(accessible));
}

// The drawing and what sits on it, the switch and bars in the order Tab goes.
void add_bench(Rows& rows) {
    for (std::size_t i = 0; i < L::hot_spots().size(); ++i) {
        add_label(rows, L::hot_spots()[i], "hotspot", "Form1", -1);
    }
    for (const auto& m : L::markers()) add_label(rows, m, "marker", "Form1", -1);
    for (const auto& f : L::floats()) add_picture(rows, f, "Form1", -1);
    for (const auto& p : L::running_pictures()) add_picture(rows, p, "Form1", -1);
    for (const auto& g : L::gauges()) add_instrument(rows, g, "gauge", "Form1", -1);
    for (const auto& t : L::thermometers()) add_instrument(rows, t, "thermometer", "Form1", -1);
    const L::ScrollSpec& evaporator = L::flow_bars()[0];
    const L::ScrollSpec& condenser = L::flow_bars()[1];
    for (const L::ScrollSpec* s :
         {&condenser, static_cast<const L::ScrollSpec*>(nullptr), &evaporator}) {
        if (!s) {
            val power = rows.add("Interruptor", "switch", "Form1", -1, L::kSwitch);
            power.set("label", text(L::kSwitchTip));
            power.set("tip", text(L::kSwitchTip));
            continue;
        }
        val bar = rows.add(s->name, "flowbar", "Form1", -1, s->rect);
        bar.set("min", kFlowRange.min);
        bar.set("max", kFlowRange.max);
        bar.set("start", kFlowRange.initial);
        bar.set("label", text(s->accessible));
        bar.set("float", s == &evaporator ? L::floats()[0].name : L::floats()[1].name);
    }
}

void add_lower_tabs(Rows& rows) {
    add_tabs(rows, "SSTab2", L::kSSTab2, L::kSSTab2Tabs, L::kSSTab2TabsPerRow, L::kSSTab2PageRgb,
             L::kSSTab2CaptionRgb, L::kSSTab2Accessible);
    add_picture(rows, L::sstab2_pictures()[0], "SSTab2", 0);
    add_picture(rows, L::sstab2_pictures()[1], "SSTab2", 1);
    val overlay = val::array();
    for (const L::OverlaySpec& s : L::overlay()) {
        val item = val::object();
        item.set("line", s.line);
        item.set("lineColour", css_colour(s.line_rgb));
        item.set("letterName", s.letter_name);
        item.set("letter", s.letter);
        item.set("letterColour", css_colour(s.letter_rgb));
        push(overlay, item);
    }
    val chart =
        rows.add("Line1", "overlay", L::sstab2_pictures()[1].name, -1,
                 {0, 0, L::sstab2_pictures()[1].rect.width, L::sstab2_pictures()[1].rect.height});
    chart.set("items", overlay);
    chart.set("linePixels", L::kOverlayLinePixels);
}

void add_datos(Rows& rows) {
    constexpr int page = L::datos;
    val frame = rows.add("Frame1", "frame", "SSTab1", page, L::kFrame1);
    frame.set("text", text(L::kFrame1Caption));
    frame.set("label", text(L::kFrame1Caption));
    for (const auto& l : L::frame_labels()) add_label(rows, l, "label", "Frame1", -1);
    add_picture(rows, L::kBarometer, "Frame1", -1);
    val mercury = rows.add("Line2", "line", "Frame1", -1, L::kMercuryLine);
    mercury.set("colour", css_colour(L::colours::system_colour(L::kMercuryLineColourIndex)));
    mercury.set("pixels", L::kMercuryLinePixels);
    mercury.set("label", text(L::kMercuryAccessible));
    // Each spin right after its box, as Tab goes.
    for (int i = 0; i < L::kSpinsInFrame; ++i) {
        add_box(rows, L::frame_boxes()[i], "Frame1", -1);
        add_spin(rows, L::spins()[i], "Frame1", -1);
    }
    add_instrument(rows, L::kRoomThermometer, "thermometer", "Frame1", -1);
    for (const auto& l : L::datos_labels()) add_label(rows, l, "label", "SSTab1", page);
    for (const auto& b : L::datos_boxes()) {
        add_box(rows, b, "SSTab1", page);
        for (const auto& s : L::spins().subspan(L::kSpinsInFrame)) {
            if (std::string_view(s.buddy) == b.name)
                add_spin(rows, s, "SSTab1", page);
        }
    }
}

void add_resultados(Rows& rows) {
    constexpr int page = L::resultados;
    for (const auto& s : L::result_captions()) {
        const std::string name = "l9_" + std::to_string(s.index);
        val row = rows.add(name, "caption", "SSTab1", page, s.rect);
        row.set("text", text(s.caption));
        const bool density = s.index == L::kDensityCaption;
        row.set("label", text(density ? std::string(L::kDensityAccessible) : s.caption));
        row.set("background", css_colour(L::colours::system_colour(
                                  s.head ? L::kHeadColourIndex : L::kCaptionColourIndex)));
        row.set("fontPixels", density ? L::kDensityCaptionPixels : L::kDefaultFontPixels);
    }
    for (const auto& b : L::result_boxes()) add_box(rows, b, "SSTab1", page);
}

void add_right_tabs(Rows& rows) {
    add_tabs(rows, "SSTab1", L::kSSTab1, L::kSSTab1Tabs, L::kSSTab1TabsPerRow,
             L::colours::system_colour(L::kSSTab1PageColourIndex), L::kSSTab1CaptionRgb,
             L::kSSTab1Accessible);
    add_datos(rows);
    add_resultados(rows);
    val manual = rows.add("Text2", "manual", "SSTab1", L::practicas, L::kText2);
    manual.set("label", text(L::kManualAccessible));
    add_picture(rows, L::sstab1_pictures()[0], "SSTab1", L::relacion);
    add_picture(rows, L::sstab1_pictures()[1], "SSTab1", L::fotografia);
}

val colours() {
    namespace K = L::colours;
    val out = val::object();
    const std::pair<const char*, unsigned> named[] = {
        {"bevel-light", K::kBevelLight},       {"bevel-shadow", K::kBevelShadow},
        {"bevel-dark", K::kBevelDarkShadow},   {"tab-light", K::kTabLight},
        {"button-face", K::system_colour(15)}, {"fault-mark", K::kFaultMark},
        {"warning-mark", K::kWarningMark},     {"fault-text", K::kFaultText},
        {"warning-text", K::kWarningText},     {"pending-fill", K::kPendingFill},
        {"differing-fill", K::kDifferingFill}, {"focus-ring", K::kFocusRing},
    };
    for (const auto& [name, rgb] : named) out.set(name, css_colour(rgb));
    return out;
}

// The page's own words: its commands' captions ("&" before a command's key)
// and the hint of a setting typed but not applied.
val page_texts() {
    val zoom = val::array();
    for (const L::MenuSpec& m : L::kZoomItems) push(zoom, text(m.caption));
    val out = val::object();
    out.set("zoom", zoom);
    out.set("zoomMenu", text(L::kVer.caption));
    out.set("notebook", text(kNotebookTitle));
    out.set("record", text(kRecordCaption));
    out.set("export", text(kExportCaption));
    out.set("save", text(kSaveCaption));
    out.set("open", text(kOpenCaption));
    out.set("accept", text(kAcceptCaption));
    out.set("applyHint", text(kApplyHint));
    return out;
}

// {form, controls, zoomSteps, colours, texts}.
val window_layout() {
    val form = val::object();
    form.set("name", "Form1");
    form.set("caption", text(L::kCaption));
    form.set("rect", rect(L::kClientArea));
    form.set("statusTwips", L::kStatusLineTwips);
    form.set("statusLabel", text(L::kStatusLineAccessible));
    form.set("picture", file_name(assets::kBenchDrawing));
    form.set("natural", natural_size(assets::kBenchDrawing));
    form.set("background", css_colour(L::colours::system_colour(9)));
    form.set("label", text(L::kBenchAccessible));
    form.set("fontPixels", L::kDefaultFontPixels);
    form.set("smallestCaptionPixels", L::kSmallestCaptionPixels);
    form.set("smallestBoxTextPixels", L::kSmallestBoxTextPixels);

    Rows rows;
    add_bench(rows);
    add_lower_tabs(rows);
    add_right_tabs(rows);

    val steps = val::array();
    for (int s : L::kZoomSteps) push(steps, val(s));
    val out = val::object();
    out.set("form", form);
    out.set("controls", rows.list());
    out.set("zoomSteps", steps);
    out.set("colours", colours());
    out.set("texts", page_texts());
    return out;
}

}  // namespace
}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_layout) {
    emscripten::function("windowLayout", &gelvor::web::window_layout);
}
