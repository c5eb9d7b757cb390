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

using Json = nlohmann::json;

namespace L = layout;

// The page finds a picture by its file name.
std::string file_name(std::string_view resource) {
    return std::string(resource.substr(resource.rfind('/') + 1));
}

// A picture's own size in pixels at 100 %.
Json natural_size(std::string_view resource) {
    Json out = nlohmann::json::object();
    for (const assets::Picture& p : assets::kPictures) {
        if (resource == p.path) {
            out["width"] = p.width;
            out["height"] = p.height;
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
    Json& add(std::string_view name, const char* kind, const char* parent, int page,
              const L::TwipsRect& r) {
        Json row = nlohmann::json::object();
        row["name"] = std::string(name);
        row["kind"] = kind;
        row["parent"] = parent;
        row["page"] = page;
        row["rect"] = rect(r);
        const auto stop = std::find(std::begin(L::kTabOrder), std::end(L::kTabOrder), name);
        row["tabStop"] = stop != std::end(L::kTabOrder);
        list_.push_back(std::move(row));
        return list_.back();  // filled in before the next row is added
    }
    const Json& list() const { return list_; }

  private:
    Json list_ = nlohmann::json::array();
};

void add_picture(Rows& rows, const L::PictureSpec& s, const char* parent, int page) {
    Json& row = rows.add(s.name, "picture", parent, page, s.rect);
    row["picture"] = file_name(s.resource);
    row["natural"] = natural_size(s.resource);
    row["stretched"] = s.stretched;
    row["border"] = s.border;
    row["visible"] = s.visible;
    row["label"] = std::string(s.accessible);
}

void add_label(Rows& rows, const L::LabelSpec& s, const char* kind, const char* parent, int page) {
    Json& row = rows.add(s.name, kind, parent, page, s.rect);
    row["text"] = std::string(s.caption);
    row["label"] = std::string(s.tooltip ? s.tooltip : s.caption);
    row["tip"] = std::string(s.tooltip ? s.tooltip : "");
}

void add_instrument(Rows& rows, const L::InstrumentSpec& s, const char* kind, const char* parent,
                    int page) {
    Json& row = rows.add(s.name, kind, parent, page, s.rect);
    row["min"] = s.min;
    row["max"] = s.max;
    row["start"] = s.start;
    const bool gauge = std::string_view(kind) == "gauge";
    row["label"] =
        gauge ? std::string(s.accessible) : L::kThermometerAccessible + std::string(s.accessible);
    // The tool tip names the instrument, or a thermometer's measuring point,
    // above its reading.
    row["tip"] = std::string(s.accessible);
    row["face"] = instrument_face(s);
}

// A setting box is a spin's buddy; every other box is a read-out.
bool is_setting(std::string_view box) {
    return std::any_of(L::spins().begin(), L::spins().end(),
                       [box](const L::SpinSpec& s) { return box == s.buddy; });
}

void add_box(Rows& rows, const L::BoxSpec& s, const char* parent, int page) {
    Json& row = rows.add(s.name, "box", parent, page, s.rect);
    row["text"] = std::string(s.text);
    row["align"] = align_name(s.align);
    row["readOnly"] = !is_setting(s.name);
    row["label"] = std::string(s.accessible);
    row["description"] = std::string(readout_description(s.name));
}

void add_spin(Rows& rows, const L::SpinSpec& s, const char* parent, int page) {
    Json& row = rows.add(s.name, "spin", parent, page, s.rect);
    row["min"] = s.range.min;
    row["max"] = s.range.max;
    row["start"] = s.range.initial;
    row["buddy"] = s.buddy;
    row["label"] = std::string(s.accessible);
    Json thermometers = nlohmann::json::array();
    for (const char* t : s.thermometers) {
        if (t)
            thermometers.push_back(t);
    }
    row["thermometers"] = thermometers;
    row["thermometersAfterPass"] = s.thermometers_after_pass;
}

Json captions(std::span<const char* const> tabs) {
    Json out = nlohmann::json::array();
    for (const char* t : tabs) out.push_back(std::string(t));
    return out;
}

void add_tabs(Rows& rows, const char* name, const L::TwipsRect& r,
              std::span<const char* const> tabs, int per_row, unsigned page_rgb,
              unsigned caption_rgb, const char* accessible) {
    Json& row = rows.add(name, "tabs", "Form1", -1, r);
    row["captions"] = captions(tabs);
    row["perRow"] = per_row;
    row["rowTwips"] = L::kTabRowTwips;
    row["pageColour"] = css_colour(page_rgb);
    row["captionColour"] = css_colour(caption_rgb);
    row["label"] = std::string(accessible);
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
            Json& power = rows.add("Interruptor", "switch", "Form1", -1, L::kSwitch);
            power["label"] = std::string(L::kSwitchTip);
            power["tip"] = std::string(L::kSwitchTip);
            continue;
        }
        Json& bar = rows.add(s->name, "flowbar", "Form1", -1, s->rect);
        bar["min"] = kFlowRange.min;
        bar["max"] = kFlowRange.max;
        bar["start"] = kFlowRange.initial;
        bar["label"] = std::string(s->accessible);
        bar["float"] = s == &evaporator ? L::floats()[0].name : L::floats()[1].name;
    }
}

void add_lower_tabs(Rows& rows) {
    add_tabs(rows, "SSTab2", L::kSSTab2, L::kSSTab2Tabs, L::kSSTab2TabsPerRow, L::kSSTab2PageRgb,
             L::kSSTab2CaptionRgb, L::kSSTab2Accessible);
    add_picture(rows, L::sstab2_pictures()[0], "SSTab2", 0);
    add_picture(rows, L::sstab2_pictures()[1], "SSTab2", 1);
    Json overlay = nlohmann::json::array();
    for (const L::OverlaySpec& s : L::overlay()) {
        Json item = nlohmann::json::object();
        item["line"] = s.line;
        item["lineColour"] = css_colour(s.line_rgb);
        item["letterName"] = s.letter_name;
        item["letter"] = s.letter;
        item["letterColour"] = css_colour(s.letter_rgb);
        overlay.push_back(item);
    }
    Json& chart =
        rows.add("Line1", "overlay", L::sstab2_pictures()[1].name, -1,
                 {0, 0, L::sstab2_pictures()[1].rect.width, L::sstab2_pictures()[1].rect.height});
    chart["items"] = overlay;
    chart["linePixels"] = L::kOverlayLinePixels;
}

void add_datos(Rows& rows) {
    constexpr int page = L::datos;
    Json& frame = rows.add("Frame1", "frame", "SSTab1", page, L::kFrame1);
    frame["text"] = std::string(L::kFrame1Caption);
    frame["label"] = std::string(L::kFrame1Caption);
    for (const auto& l : L::frame_labels()) add_label(rows, l, "label", "Frame1", -1);
    add_picture(rows, L::kBarometer, "Frame1", -1);
    Json& mercury = rows.add("Line2", "line", "Frame1", -1, L::kMercuryLine);
    mercury["colour"] = css_colour(L::colours::system_colour(L::kMercuryLineColourIndex));
    mercury["pixels"] = L::kMercuryLinePixels;
    mercury["label"] = std::string(L::kMercuryAccessible);
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
        Json& row = rows.add(name, "caption", "SSTab1", page, s.rect);
        row["text"] = std::string(s.caption);
        const bool density = s.index == L::kDensityCaption;
        row["label"] = std::string(density ? std::string(L::kDensityAccessible) : s.caption);
        row["background"] = css_colour(
            L::colours::system_colour(s.head ? L::kHeadColourIndex : L::kCaptionColourIndex));
        row["fontPixels"] = density ? L::kDensityCaptionPixels : L::kDefaultFontPixels;
    }
    for (const auto& b : L::result_boxes()) add_box(rows, b, "SSTab1", page);
}

void add_right_tabs(Rows& rows) {
    add_tabs(rows, "SSTab1", L::kSSTab1, L::kSSTab1Tabs, L::kSSTab1TabsPerRow,
             L::colours::system_colour(L::kSSTab1PageColourIndex), L::kSSTab1CaptionRgb,
             L::kSSTab1Accessible);
    add_datos(rows);
    add_resultados(rows);
    Json& manual = rows.add("Text2", "manual", "SSTab1", L::practicas, L::kText2);
    manual["label"] = std::string(L::kManualAccessible);
    add_picture(rows, L::sstab1_pictures()[0], "SSTab1", L::relacion);
    add_picture(rows, L::sstab1_pictures()[1], "SSTab1", L::fotografia);
}

Json colours() {
    namespace K = L::colours;
    Json out = nlohmann::json::object();
    const std::pair<const char*, unsigned> named[] = {
        {"bevel-light", K::kBevelLight},       {"bevel-shadow", K::kBevelShadow},
        {"bevel-dark", K::kBevelDarkShadow},   {"tab-light", K::kTabLight},
        {"button-face", K::system_colour(15)}, {"fault-mark", K::kFaultMark},
        {"warning-mark", K::kWarningMark},     {"fault-text", K::kFaultText},
        {"warning-text", K::kWarningText},     {"validity-text", K::kValidityText},
        {"pending-fill", K::kPendingFill},     {"differing-fill", K::kDifferingFill},
        {"focus-ring", K::kFocusRing},
    };
    for (const auto& [name, rgb] : named) out[name] = css_colour(rgb);
    return out;
}

// The page's own words: the names of its groups of commands ("&" before a
// key).
Json page_texts() {
    Json out = nlohmann::json::object();
    out["zoomMenu"] = std::string(L::kVer.caption);
    out["notebook"] = std::string(kNotebookTitle);
    return out;
}

// {form, controls, zoomSteps, colours, texts}.
val window_layout() {
    Json form = nlohmann::json::object();
    form["name"] = "Form1";
    form["caption"] = std::string(L::kCaption);
    form["rect"] = rect(L::kClientArea);
    form["statusTwips"] = L::kStatusLineTwips;
    form["statusLabel"] = std::string(L::kStatusLineAccessible);
    form["picture"] = file_name(assets::kBenchDrawing);
    form["natural"] = natural_size(assets::kBenchDrawing);
    form["background"] = css_colour(L::colours::system_colour(9));
    form["label"] = std::string(L::kBenchAccessible);
    form["fontPixels"] = L::kDefaultFontPixels;
    form["smallestCaptionPixels"] = L::kSmallestCaptionPixels;
    form["smallestBoxTextPixels"] = L::kSmallestBoxTextPixels;

    Rows rows;
    add_bench(rows);
    add_lower_tabs(rows);
    add_right_tabs(rows);

    Json steps = nlohmann::json::array();
    for (int s : L::kZoomSteps) steps.push_back(Json(s));
    Json out = nlohmann::json::object();
    out["form"] = form;
    out["controls"] = rows.list();
    out["zoomSteps"] = steps;
    out["colours"] = colours();
    out["texts"] = page_texts();
    return to_js(out);
}

}  // namespace
}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_layout) {
    emscripten::function("windowLayout", &gelvor::web::window_layout);
}
