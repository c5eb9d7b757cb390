// The bench window's controls for the page: the rows of the control table
// as JSON, parents first and in the order Tab goes, each with its name,
// kind, container and place in twips, and what it shows.
#include <emscripten/bind.h>

#include <string>
#include <string_view>

#include "assets/pictures.h"
#include "layout/control_table.h"
#include "layout/narrow_layout.h"
#include "layout/press_repeat.h"
#include "layout/window_look.h"
#include "layout/zoom_steps.h"
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

const char* kind_name(L::ControlKind kind) {
    switch (kind) {
        case L::ControlKind::hotspot:
            return "hotspot";
        case L::ControlKind::marker:
            return "marker";
        case L::ControlKind::label:
            return "label";
        case L::ControlKind::picture:
            return "picture";
        case L::ControlKind::gauge:
            return "gauge";
        case L::ControlKind::thermometer:
            return "thermometer";
        case L::ControlKind::flow_bar:
            return "flowbar";
        case L::ControlKind::power_switch:
            return "switch";
        case L::ControlKind::tabs:
            return "tabs";
        case L::ControlKind::frame:
            return "frame";
        case L::ControlKind::box:
            return "box";
        case L::ControlKind::spin:
            return "spin";
        case L::ControlKind::caption:
            return "caption";
        case L::ControlKind::manual:
            return "manual";
        case L::ControlKind::line:
            return "line";
        case L::ControlKind::overlay:
            return "overlay";
    }
    return "";
}

// The CSS cursor of a pointer the bench gives a control.
const char* cursor_name(L::Pointer pointer) {
    return pointer == L::Pointer::arrow ? "default" : "n-resize";
}

const char* part_name(L::NarrowPart part) {
    switch (part) {
        case L::NarrowPart::band:
            return "band";
        case L::NarrowPart::whole:
            return "whole";
        case L::NarrowPart::picture:
            return "picture";
        case L::NarrowPart::form:
            return "form";
        default:
            return "drawing";
    }
}

// Where the control goes when the page is narrower than the window or worked
// by touch: {part, wideColumn, and on a form its cell: row, column, rows,
// columns, over}.
Json narrow(const L::ControlRow& r) {
    const L::NarrowPlace place = L::narrow_place(r);
    Json out = {{"part", part_name(place.part)}, {"wideColumn", place.wide_column}};
    if (place.part == L::NarrowPart::form) {
        const L::FormCell& c = place.cell;
        out["row"] = c.row;
        out["column"] = c.column;
        out["rows"] = c.rows;
        out["columns"] = c.columns;
        if (c.over)
            out["over"] = c.over;
    }
    return out;
}

Json repeat(const L::PressRepeat& r) {
    return {{"delay", r.delay_ms}, {"interval", r.interval_ms}};
}

void add_picture(Json& row, const L::PictureSpec& s) {
    row["picture"] = file_name(s.resource);
    row["natural"] = natural_size(s.resource);
    row["stretched"] = s.stretched;
    row["border"] = s.border;
    row["visible"] = s.visible;
}

void add_spin(Json& row, const L::SpinSpec& s) {
    Json thermometers = nlohmann::json::array();
    for (const char* t : s.thermometers) {
        if (t)
            thermometers.push_back(t);
    }
    row["thermometers"] = thermometers;
    row["thermometersAfterPass"] = s.thermometers_after_pass;
}

void add_tabs(Json& row, const L::TabsSpec& s) {
    Json captions = nlohmann::json::array();
    for (const char* t : s.captions) captions.push_back(std::string(t));
    row["captions"] = captions;
    row["perRow"] = s.per_row;
    Json forms = Json::array();
    for (std::size_t page = 0; page < s.captions.size(); ++page)
        forms.push_back(
            L::narrow_form_page(row["name"].get<std::string>(), static_cast<int>(page)));
    row["formPages"] = forms;
    row["rowTwips"] = L::kTabRowTwips;
    row["pageColour"] = css_colour(s.page_rgb);
    row["captionColour"] = css_colour(s.caption_rgb);
}

void add_overlay(Json& row, const L::OverlayLook& look) {
    Json items = nlohmann::json::array();
    for (const L::OverlaySpec& s : look.items) {
        items.push_back({{"line", s.line},
                         {"lineColour", css_colour(s.line_rgb)},
                         {"letterName", s.letter_name},
                         {"letter", s.letter},
                         {"letterColour", css_colour(s.letter_rgb)},
                         {"letterLabel", s.letter_accessible}});
    }
    row["items"] = items;
    row["linePixels"] = look.line_pixels;
}

// A row of the control table as the page reads it: the fields its kind has.
Json control(const L::ControlRow& r) {
    using K = L::ControlKind;
    Json row = nlohmann::json::object();
    row["name"] = r.name;
    row["kind"] = kind_name(r.kind);
    row["parent"] = r.parent;
    row["page"] = r.page;
    row["rect"] = rect(r.rect);
    row["tabStop"] = r.tab_stop;
    row["label"] = r.accessible;
    row["narrow"] = narrow(r);
    if (r.pointer != L::Pointer::own)
        row["pointer"] = cursor_name(r.pointer);
    switch (r.kind) {
        case K::hotspot:
        case K::marker:
        case K::label:
            row["text"] = r.caption;
            row["tip"] = r.tip;
            break;
        case K::frame:
            row["text"] = r.caption;
            break;
        case K::picture:
            add_picture(row, *r.get<const L::PictureSpec*>());
            break;
        case K::gauge:
        case K::thermometer:
            row["min"] = r.min;
            row["max"] = r.max;
            row["start"] = r.start;
            [[fallthrough]];
        case K::power_switch:
            row["tip"] = r.tip;
            row["face"] = control_face(r);
            break;
        case K::flow_bar:
            row["min"] = r.min;
            row["max"] = r.max;
            row["start"] = r.start;
            row["float"] = r.buddy;
            row["repeat"] = repeat(L::kFlowBarRepeat);
            break;
        case K::spin:
            row["min"] = r.min;
            row["max"] = r.max;
            row["start"] = r.start;
            row["buddy"] = r.buddy;
            row["repeat"] = repeat(L::kSpinRepeat);
            add_spin(row, *r.get<const L::SpinSpec*>());
            break;
        case K::tabs:
            add_tabs(row, *r.get<const L::TabsSpec*>());
            break;
        case K::box:
            row["text"] = r.caption;
            row["align"] = align_name(r.align);
            row["readOnly"] = r.read_only;
            if (!r.read_only)
                row["keyboard"] = "decimal";  // a setting takes a number: a phone offers its digits
            row["description"] = std::string(readout_description(r.name));
            break;
        case K::caption: {
            const auto& look = r.get<L::CaptionLook>();
            row["text"] = r.caption;
            row["background"] = css_colour(look.background_rgb);
            row["fontPixels"] = look.font_pixels;
            break;
        }
        case K::line: {
            const auto& look = r.get<L::LineLook>();
            row["colour"] = css_colour(look.rgb);
            row["pixels"] = look.pixels;
            break;
        }
        case K::overlay:
            add_overlay(row, r.get<L::OverlayLook>());
            break;
        case K::manual:
            break;
    }
    return row;
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
    form["name"] = L::kFormName;
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

    Json controls = nlohmann::json::array();
    for (const L::ControlRow& row : L::control_table()) controls.push_back(control(row));

    Json steps = nlohmann::json::array();
    for (int s : L::kZoomSteps) steps.push_back(Json(s));
    Json out = nlohmann::json::object();
    out["form"] = form;
    out["controls"] = controls;
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
