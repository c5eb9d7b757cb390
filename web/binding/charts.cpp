// The notebook's chart and p-h diagram in the page: the same models and
// shapes as the desktop's, from the page's notebook and bench, turned into
// SVG elements that the page only creates. Where a text goes depends on the
// page's font, which the page measures for the module.
#include <emscripten/bind.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "notebook/notebook_chart_model.h"
#include "notebook/notebook_chart_picture.h"
#include "notebook/notebook_picture.h"
#include "notebook/ph_diagram_picture.h"
#include "present/notebook_columns.h"
#include "texts/chart_texts.h"
#include "texts/file_texts.h"
#include "texts/notebook_window_texts.h"
#include "version/version.h"
#include "web/binding/bench.h"
#include "web/binding/notebook.h"
#include "web/binding/web_values.h"

namespace gelvor::web {
namespace {

using Json = nlohmann::json;
namespace P = picture;

constexpr std::size_t kMostCyclesKept = 2000;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

// The page's font as the page measures it: measure(text, pixels, bold)
// gives {width, ascent, descent} in CSS pixels. Each text is asked once.
class PageMeasure : public P::TextMeasure {
  public:
    explicit PageMeasure(val measure) : measure_(std::move(measure)) {}

    double width(std::string_view words, int pixels, bool bold) const override {
        auto key = std::tuple(std::string(words), pixels, bold);
        if (const auto found = widths_.find(key); found != widths_.end())
            return found->second;
        const double w = ask(std::get<0>(key), pixels, bold)["width"].as<double>();
        widths_.emplace(std::move(key), w);
        return w;
    }
    double height(int pixels, bool bold) const override {
        const auto [ascent, descent] = metrics(pixels, bold);
        return ascent + descent;
    }
    double ascent(int pixels, bool bold) const { return metrics(pixels, bold).first; }

  private:
    val ask(const std::string& words, int pixels, bool bold) const {
        return measure_(val(words), val(pixels), val(bold));
    }
    std::pair<double, double> metrics(int pixels, bool bold) const {
        const auto key = std::pair(pixels, bold);
        if (const auto found = metrics_.find(key); found != metrics_.end())
            return found->second;
        const val m = ask("", pixels, bold);
        const auto out = std::pair(m["ascent"].as<double>(), m["descent"].as<double>());
        metrics_.emplace(key, out);
        return out;
    }

    val measure_;
    mutable std::map<std::tuple<std::string, int, bool>, double> widths_;
    mutable std::map<std::pair<int, bool>, std::pair<double, double>> metrics_;
};

std::string colour_of(const P::Colour& c) {
    return css_colour(c.rgb);
}

void paint(Json& attrs, const P::Shape& s, bool has_ends) {
    if (s.pen) {
        attrs["stroke"] = colour_of(s.pen->colour);
        if (s.pen->colour.alpha < 255)
            attrs["stroke-opacity"] = s.pen->colour.alpha / 255.0;
        attrs["stroke-width"] = s.pen->width;
        // Qt's pens: square ends and bevelled corners unless told otherwise.
        if (has_ends && s.pen->cap != P::Cap::flat)
            attrs["stroke-linecap"] = s.pen->cap == P::Cap::round ? "round" : "square";
        attrs["stroke-linejoin"] = "bevel";
        if (s.pen->dashed)
            attrs["stroke-dasharray"] =
                std::to_string(4 * s.pen->width) + ' ' + std::to_string(2 * s.pen->width);
    }
    if (s.fill) {
        attrs["fill"] = colour_of(*s.fill);
        if (s.fill->alpha < 255)
            attrs["fill-opacity"] = s.fill->alpha / 255.0;
    } else {
        attrs["fill"] = "none";
    }
    if (!s.smooth)
        attrs["shape-rendering"] = "crispEdges";
}

// Two decimals are finer than any screen's pixel, and keep the text short.
std::string coordinate(double v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", v);
    std::string out = buffer;
    while (out.back() == '0') out.pop_back();
    if (out.back() == '.')
        out.pop_back();
    return out == "-0" ? "0" : out;
}

std::string path_data(const std::vector<P::Polyline>& pieces, bool closed) {
    std::string d;
    for (const P::Polyline& piece : pieces) {
        for (std::size_t i = 0; i < piece.size(); ++i) {
            d += (i == 0 ? (d.empty() ? "M" : " M") : " L") + coordinate(piece[i].x) + ' ' +
                 coordinate(piece[i].y);
        }
        if (closed && !piece.empty())
            d += " Z";
    }
    return d;
}

// One text element, or one a line of wrapped words: its baseline is the
// box's top, or its middle less half a line, plus the font's ascent.
void add_text(Json& out, const P::Text& t, const P::Shape& s, const PageMeasure& measure) {
    const double ascent = measure.ascent(t.pixels, t.bold);
    const double height = measure.height(t.pixels, t.bold);
    const double x = t.across == P::Align::start    ? t.box.x
                     : t.across == P::Align::centre ? t.box.x + t.box.width / 2
                                                    : t.box.right();
    Json attrs = {{"x", x},
                  {"font-size", t.pixels},
                  {"text-anchor", t.across == P::Align::start    ? "start"
                                  : t.across == P::Align::centre ? "middle"
                                                                 : "end"},
                  {"fill", colour_of(*s.fill)}};
    if (t.bold)
        attrs["font-weight"] = "bold";
    if (t.turn != 0)
        attrs["transform"] = "translate(" + coordinate(t.origin.x) + ' ' + coordinate(t.origin.y) +
                             ") rotate(" + coordinate(t.turn) + ')';
    const std::vector<std::string> lines =
        t.wrapped ? P::wrap_words(t.words, t.box.width, t.pixels, t.bold, measure)
                  : std::vector<std::string>{t.words};
    const double top = t.up == P::Align::centre ? t.box.y + (t.box.height - height) / 2 : t.box.y;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        attrs["y"] = top + ascent + i * measure.line_spacing(t.pixels, t.bold);
        out.push_back({{"tag", "text"}, {"attrs", attrs}, {"text", lines[i]}});
    }
}

void add_shape(Json& out, const P::Shape& s, const PageMeasure& measure) {
    const std::size_t before = out.size();
    std::visit(Overloaded{
                   [&](const P::Path& p) {
                       Json attrs = {{"d", path_data(p.pieces, p.closed)}};
                       paint(attrs, s, true);
                       out.push_back({{"tag", "path"}, {"attrs", attrs}});
                   },
                   [&](const P::Segments& g) {
                       if (g.lines.empty())
                           return;
                       std::vector<P::Polyline> pieces;
                       for (const auto& [a, b] : g.lines) pieces.push_back({a, b});
                       Json attrs = {{"d", path_data(pieces, false)}};
                       paint(attrs, s, true);
                       out.push_back({{"tag", "path"}, {"attrs", attrs}});
                   },
                   [&](const P::Circle& c) {
                       Json attrs = {{"cx", c.centre.x}, {"cy", c.centre.y}, {"r", c.radius}};
                       paint(attrs, s, false);
                       out.push_back({{"tag", "circle"}, {"attrs", attrs}});
                   },
                   [&](const P::Rectangle& r) {
                       Json attrs = {{"x", r.box.x},
                                     {"y", r.box.y},
                                     {"width", std::max(0.0, r.box.width)},
                                     {"height", std::max(0.0, r.box.height)}};
                       paint(attrs, s, false);
                       out.push_back({{"tag", "rect"}, {"attrs", attrs}});
                   },
                   [&](const P::Text& t) { add_text(out, t, s, measure); },
               },
               s.geometry);
    if (!s.tip.empty() && out.size() > before)
        out.back()["title"] = s.tip;
}

// The shapes as SVG elements, those kept within the clip box in groups
// clipped to it (`clip_id`).
Json elements_of(const std::vector<P::Shape>& shapes, const std::string& clip_id,
                 const PageMeasure& measure) {
    Json out = Json::array();
    Json* group = nullptr;
    for (const P::Shape& s : shapes) {
        if (s.clipped && !group) {
            out.push_back({{"tag", "g"},
                           {"attrs", {{"clip-path", "url(#" + clip_id + ")"}}},
                           {"children", Json::array()}});
            group = &out.back()["children"];
        } else if (!s.clipped) {
            group = nullptr;
        }
        add_shape(s.clipped ? *group : out, s, measure);
    }
    return out;
}

// A box too small for its texts has no size rather than a negative one.
Json box_of(const P::Box& b) {
    return {{"x", b.x},
            {"y", b.y},
            {"width", std::max(0.0, b.width)},
            {"height", std::max(0.0, b.height)}};
}

std::string file_name(const char* proposed, const std::string& kind) {
    std::string name = proposed;
    return name.substr(0, name.rfind('.') + 1) + kind;
}

// {width, height, background, clip, elements, title, description}: what
// the page draws, and the file's title and maker.
Json picture_json(const P::Picture& p, const std::string& clip_id, const char* title,
                  const PageMeasure& measure) {
    return {{"width", p.width},
            {"height", p.height},
            {"background", colour_of(p.background)},
            {"clip", box_of(p.clip)},
            {"clipId", clip_id},
            {"elements", elements_of(p.shapes, clip_id, measure)},
            {"title", title},
            {"maker", "Gelvor " + std::string(version::kText)}};
}

NumberStyle page_style() {
    return style_of(page_locale());
}

double number_or(const val& options, const char* name, double otherwise) {
    const val v = options[name];
    return v.isNumber() ? v.as<double>() : otherwise;
}

std::optional<int> row_or_none(const val& options, const char* name) {
    const val v = options[name];
    if (!v.isNumber())
        return std::nullopt;
    return static_cast<int>(v.as<double>());
}

double zoom_of(const val& options) {
    const double z = number_or(options, "zoom", 1);
    return std::isfinite(z) && z > 0 ? std::clamp(z, 0.25, 4.0) : 1;
}

// The size the page asks for, within sense: a width of its container, and
// the height the picture takes at that width unless it says; on a narrow
// screen, tall enough for its zoomed texts to leave room for the plot.
P::Box area_of(const val& options, double proportion, double min_height) {
    const double width = std::clamp(number_or(options, "width", 900), 1.0, 10'000.0);
    const double least = min_height * zoom_of(options);
    const double height = std::clamp(
        number_or(options, "height", std::max(width * proportion, least)), 1.0, 10'000.0);
    return {0, 0, width, height};
}

// The chart's buttons and selectors: {presets: [{id, caption}], label,
// axes: [{id, label, name, choices: [{value, text}]}], name, names of the files}.
val chart_controls() {
    Json presets = Json::array();
    for (const notebook_chart::Preset& p : notebook_chart::presets())
        presets.push_back({{"id", p.name}, {"caption", p.caption}});
    Json axes = Json::array();
    const struct {
        const char* id;
        const char* label;
        const char* name;
        bool second;
    } kAxes[] = {{"ejeHorizontal", texts::kAcrossLabel, texts::kAcrossName, false},
                 {"ejeVertical", texts::kUpLabel, texts::kUpName, false},
                 {"ejeVertical2", texts::kSecondUpLabel, texts::kSecondUpName, true}};
    for (const auto& a : kAxes) {
        Json choices = Json::array();
        int value = a.second ? -1 : 0;
        for (const std::string& text : notebook_chart::axis_choices(a.second))
            choices.push_back({{"value", value++}, {"text", text}});
        axes.push_back({{"id", a.id}, {"label", a.label}, {"name", a.name}, {"choices", choices}});
    }
    return to_js({{"presets", presets},
                  {"presetsLabel", texts::kExercisesLabel},
                  {"axes", axes},
                  {"name", texts::kChartName},
                  {"first", notebook_chart::presets().front().name}});
}

// {x, y, y2} of a preset by its id; null for none.
val chart_preset(const std::string& name) {
    const notebook_chart::Preset* p = notebook_chart::find_preset(name);
    if (!p)
        return val::null();
    return to_js({{"x", p->choice.across}, {"y", p->choice.up}, {"y2", p->choice.second_up}});
}

// The chart of the page's notebook for {x, y, y2, width, height, zoom}:
// the picture, what a screen reader is told of it, and the file names.
val notebook_chart(const val& options, const val& measure_fn) {
    const PageMeasure measure(measure_fn);
    const notebook_chart::AxisChoice choice{static_cast<int>(number_or(options, "x", 0)),
                                            static_cast<int>(number_or(options, "y", 0)),
                                            static_cast<int>(number_or(options, "y2", -1))};
    const NumberStyle style = page_style();
    const auto model = notebook_chart::chart_model(notebook_history().points(), choice, style);
    const P::Box area =
        area_of(options, notebook_chart::kChartProportion, notebook_chart::kChartMinHeight);
    const P::Picture picture =
        notebook_chart::chart_picture(model, area, zoom_of(options), measure);
    Json out = picture_json(picture, "graficaRegistro-plot", texts::kChartTitle, measure);
    out["summary"] = notebook_chart::chart_summary(model);
    out["files"] = {{"svg", file_name(texts::kProposedChartName, "svg")},
                    {"png", file_name(texts::kProposedChartName, "png")}};
    return to_js(out);
}

Json axis_json(const notebook_chart::Axis& a) {
    return {{"min", a.min},       {"max", a.max},     {"ticks", a.ticks},
            {"labels", a.labels}, {"title", a.title}, {"shown", a.shown}};
}

// The chart's model for {x, y, y2}, as the desktop's chart draws it: its
// curves with their names and points, and its axes.
val notebook_chart_model(const val& options) {
    const notebook_chart::AxisChoice choice{static_cast<int>(number_or(options, "x", 0)),
                                            static_cast<int>(number_or(options, "y", 0)),
                                            static_cast<int>(number_or(options, "y2", -1))};
    const auto model =
        notebook_chart::chart_model(notebook_history().points(), choice, page_style());
    Json curves = Json::array();
    for (const notebook_chart::Curve& c : model.curves) {
        Json points = Json::array();
        for (const notebook_chart::XY& p : c.points) points.push_back({p.x, p.y});
        curves.push_back({{"name", c.name},
                          {"reading", c.kind == notebook_chart::CurveKind::reading},
                          {"colour", css_colour(c.rgb)},
                          {"dashed", c.dashed},
                          {"right", c.right},
                          {"points", points}});
    }
    return to_js({{"curves", curves},
                  {"across", axis_json(model.across)},
                  {"up", axis_json(model.up)},
                  {"secondUp", axis_json(model.second_up)},
                  {"legend", model.legend == notebook_chart::LegendPlace::right ? "right" : "top"},
                  {"message", model.message}});
}

// The diagram's check box and what a screen reader calls the diagram.
val diagram_controls() {
    std::string caption = texts::kBenchRegionCaption;
    const std::size_t mark = caption.find('&');
    std::string key;
    if (mark != std::string::npos) {
        key = caption.substr(mark + 1, 1);
        caption.erase(mark, 1);
    }
    return to_js({{"regionCaption", caption},
                  {"regionKey", key},
                  {"regionTip", texts::kBenchRegionTip},
                  {"name", texts::kDiagramName},
                  {"description", texts::kDiagramDescription}});
}

// The page's notebook as the diagram shows it for {range, selected, hovered}.
struct PageDiagram {
    std::vector<std::optional<ph_diagram::DiagramCycle>> cycles;
    std::optional<ph_diagram::DiagramCycle> live;
    ph_diagram::NotebookDiagram diagram;
};

// Each recorded point's cycle, kept while its pass is the same: a cycle's
// ideal compression costs some tens of microseconds, and the page asks on
// every move of the pointer over the diagram.
const std::optional<ph_diagram::DiagramCycle>& cycle_of(const MarkedPoint& point) {
    using Key = std::tuple<double, double, double, double, double, double, bool>;
    static std::map<Key, std::optional<ph_diagram::DiagramCycle>> kept;
    const BenchState& s = point.state;
    const Key key{s.evap_pressure,        s.cond_pressure, s.h1, s.h2, s.h3, s.h4,
                  point.discharge_flagged};
    if (kept.size() > kMostCyclesKept)
        kept.clear();
    auto [at, added] = kept.try_emplace(key);
    if (added)
        at->second = ph_diagram::point_cycle(point);
    return at->second;
}

void diagram_of(PageDiagram& out, const val& options) {
    std::vector<int> numbers;
    for (const MarkedPoint& p : notebook_history().points()) {
        numbers.push_back(p.number);
        out.cycles.push_back(cycle_of(p));
    }
    out.live = ph_diagram::live_cycle(bench().pass_on_show());
    out.diagram = ph_diagram::notebook_diagram(numbers, out.cycles, out.live ? &*out.live : nullptr,
                                               row_or_none(options, "selected"),
                                               row_or_none(options, "hovered"));
    auto& c = out.diagram.content;
    c.range = options["range"].isString() && options["range"].as<std::string>() == "bench"
                  ? ph_chart::ChartRange::bench_region
                  : ph_chart::ChartRange::whole_dome;
    c.zoom = zoom_of(options);
    c.style = page_style();
}

// The diagram's box for the page's width, height and zoom in `options`.
P::Box diagram_area(const val& options) {
    return area_of(options, ph_diagram::kDiagramProportion, ph_diagram::kMinHeight);
}

// The diagram for {range: "bench" | "dome", selected, hovered, width,
// height, zoom, backdrop}: the grid, axes and chart lines apart (only when
// `backdrop` is true), which change with the range, the size and the zoom
// alone, and the rest over them; with its title for a screen reader.
val ph_diagram_picture(const val& options, const val& measure_fn) {
    const PageMeasure measure(measure_fn);
    PageDiagram d;
    diagram_of(d, options);
    const auto& c = d.diagram.content;
    const P::Box area = diagram_area(options);
    const ph_diagram::DiagramFrame frame = ph_diagram::diagram_frame(area, c.zoom, measure);
    P::Picture picture;
    picture.width = area.width;
    picture.height = area.height;
    picture.clip = frame.plot;
    picture.shapes = ph_diagram::content_shapes(frame, c, measure);
    Json out = picture_json(picture, "diagramaPh-plot", texts::kDiagramTitle, measure);
    if (options["backdrop"].isTrue()) {
        out["backdrop"] = elements_of(ph_diagram::backdrop_shapes(frame, c.range, c.style, measure),
                                      "diagramaPh-plot", measure);
    }
    out["summary"] = ph_diagram::diagram_summary(c);
    out["files"] = {{"svg", file_name(texts::kProposedDiagramName, "svg")},
                    {"png", file_name(texts::kProposedDiagramName, "png")}};
    return to_js(out);
}

// The row of the faint cycle at {x, y} of the diagram drawn for the same
// options; null when none is near.
val ph_diagram_row_at(const val& options, const val& measure_fn) {
    const PageMeasure measure(measure_fn);
    PageDiagram d;
    diagram_of(d, options);
    const auto& c = d.diagram.content;
    const auto frame = ph_diagram::diagram_frame(diagram_area(options), c.zoom, measure);
    const auto at = ph_diagram::faint_cycle_at(
        frame, c, {number_or(options, "x", -1), number_or(options, "y", -1)});
    return at ? val(d.diagram.faint_rows[*at]) : val::null();
}

}  // namespace
}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_charts) {
    emscripten::function("chartControls", &gelvor::web::chart_controls);
    emscripten::function("notebookChartPreset", &gelvor::web::chart_preset);
    emscripten::function("notebookChart", &gelvor::web::notebook_chart);
    emscripten::function("notebookChartModel", &gelvor::web::notebook_chart_model);
    emscripten::function("diagramControls", &gelvor::web::diagram_controls);
    emscripten::function("phDiagram", &gelvor::web::ph_diagram_picture);
    emscripten::function("phDiagramRowAt", &gelvor::web::ph_diagram_row_at);
}
