#include "notebook/ph_diagram_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "layout/form1_layout.h"
#include "present/notebook_columns.h"
#include "present/validity.h"
#include "texts/chart_texts.h"
#include "texts/unit_texts.h"

namespace gelvor::ph_diagram {
namespace {

using ph_chart::ChartGeometry;
using ph_chart::ChartLine;
using picture::Align;
using picture::Colour;
using picture::Pen;
using picture::Point;
using picture::Polyline;
using picture::Text;

// The segments as the bench's chart draws them: Line1_0..3 are C-D, D-A,
// A-B, B-C; A-B is the compression.
constexpr std::size_t kSegmentFrom[4] = {2, 3, 0, 1};
constexpr std::size_t kSegmentTo[4] = {3, 0, 1, 2};
constexpr std::size_t kCompression = 2;
constexpr std::size_t kB = 1;

// The chart's lines faint enough for the cycles to stand out; each family's
// labels a shade darker than its lines.
struct LineStyle {
    unsigned line, label;
};
constexpr LineStyle kIsotherms{0xE4BA9E, 0xA05424};
constexpr LineStyle kIsentropes{0xA6D0A6, 0x2E782E};
constexpr LineStyle kQualityLines{0xB0BEE0, 0x384C92};
constexpr Colour kGrid{0xEEEEEE};
constexpr Colour kDome{0x3C3C3C};
constexpr Colour kBlack{0x000000};
constexpr Colour kFaintCycle{0x6E789B, 170};
constexpr Colour kHoveredCycle{0x141414};
constexpr Colour kRing{0xDC0000};
constexpr Colour kFaintRing{0xDC0000, 150};
constexpr Colour kHalo{0xFFFFFF, 225};
constexpr Colour kWhite{0xFFFFFF};
constexpr Colour kCaption{0x464646};

// Sizes at 100 %, in pixels; the zoom scales every one.
constexpr double kTickPixels = 11, kLabelPixels = 10, kTitlePixels = 12, kLetterPixels = 13;
constexpr double kCaptionPixels = 10;
constexpr double kTickLength = 4, kMarkerRadius = 4, kRingRadius = 9, kEndRadius = 3;
constexpr double kCycleWidth = 2.5, kFaintWidth = 1, kHoveredWidth = 2, kIdealWidth = 1.5;
constexpr double kChartLineWidth = 0.9, kDomeWidth = 1.6;
constexpr double kLabelStep = 8;  // between the places a line's label may take
constexpr int kLabelTries = 40;
// The widest numbers on the axes, which the room beside them is made for.
constexpr const char* kWidestPressure = "10000";
constexpr const char* kWidestEnthalpy = "600";

// A font's size in whole pixels, at least one.
int pixels_at(double pixels, double zoom) {
    return std::max(1, static_cast<int>(std::lround(pixels * zoom)));
}

Point operator+(Point a, Point b) {
    return {a.x + b.x, a.y + b.y};
}
Point operator-(Point a, Point b) {
    return {a.x - b.x, a.y - b.y};
}
Point operator*(Point a, double f) {
    return {a.x * f, a.y * f};
}

// The caption, with only the notes that apply; `every_note` gives them all,
// for the room the caption takes.
std::string caption(const DiagramContent* c) {
    const bool every_note = c == nullptr;
    std::string out =
        std::string(texts::kSaturatedANote) + ' ' + texts::kDomeNote + ' ' + texts::kLinesNote;
    if (every_note || (c->highlighted && !c->highlighted->geometry.ideal_compression.empty()))
        out = out + ' ' + texts::kIdealEndNote;
    const bool flagged = !every_note && ((c->highlighted && c->highlighted->flagged) ||
                                         std::any_of(c->faint.begin(), c->faint.end(),
                                                     [](const auto* f) { return f->flagged; }));
    if (every_note || flagged)
        out = out + ' ' + texts::kRedCircleNote;
    if (every_note || !c->faint.empty())
        out = out + ' ' + texts::kGreyCyclesNote;
    return out;
}

Shape stroke(picture::Geometry geometry, Pen pen, bool clipped = false) {
    return {std::move(geometry), pen, std::nullopt, true, clipped, {}};
}
Shape filled_shape(picture::Geometry geometry, Colour colour, bool clipped = false) {
    return {std::move(geometry), std::nullopt, colour, true, clipped, {}};
}
Shape text(Text t, Colour colour, bool clipped = false) {
    return {std::move(t), std::nullopt, colour, true, clipped, {}};
}

Polyline pixels_of(const PlotMapping& map, const ph_chart::Polyline& line) {
    Polyline out;
    out.reserve(line.size());
    for (const auto& p : line) out.push_back(map(p));
    return out;
}

void add_grid_and_axes(std::vector<Shape>& out, const DiagramFrame& f, const PlotMapping& map,
                       const ChartGeometry& g, const NumberStyle& style,
                       const TextMeasure& measure) {
    const Box& plot = map.plot();
    const double z = f.zoom;
    picture::Segments grid;
    for (double h : g.enthalpy.ticks) {
        const double x = map({h, g.pressure.min}).x;
        grid.lines.push_back({{x, plot.top()}, {x, plot.bottom()}});
    }
    for (double p : g.pressure.ticks) {
        const double y = map({g.enthalpy.min, p}).y;
        grid.lines.push_back({{plot.left(), y}, {plot.right(), y}});
    }
    out.push_back(stroke(std::move(grid), {kGrid, 1}));

    const int ticks = pixels_at(kTickPixels, z);
    const double line = measure.height(ticks, false), tick = kTickLength * z;
    const Pen black{kBlack, z};
    const auto number = [&](double v) { return picture::short_number_text(v, style); };
    // Every tick marked; every k-th numbered, so that no two numbers touch.
    double widest = 0;
    for (double h : g.enthalpy.ticks)
        widest = std::max(widest, measure.width(number(h), ticks, false));
    const double spacing =
        g.enthalpy.ticks.size() > 1 ? plot.width / double(g.enthalpy.ticks.size() - 1) : plot.width;
    const auto every =
        static_cast<std::size_t>(std::max(1.0, std::ceil((widest + 8 * z) / spacing)));
    for (std::size_t i = 0; i < g.enthalpy.ticks.size(); ++i) {
        const double x = map({g.enthalpy.ticks[i], g.pressure.min}).x;
        out.push_back(
            stroke(picture::Segments{{{{x, plot.bottom()}, {x, plot.bottom() + tick}}}}, black));
        if (i % every == 0) {
            out.push_back(
                text(picture::words_in({x - widest, plot.bottom() + tick, 2 * widest, line},
                                       number(g.enthalpy.ticks[i]), ticks, false, Align::centre),
                     kBlack));
        }
    }
    double last_label = std::numeric_limits<double>::infinity();
    for (double p : g.pressure.ticks) {
        const double y = map({g.enthalpy.min, p}).y;
        out.push_back(
            stroke(picture::Segments{{{{plot.left() - tick, y}, {plot.left(), y}}}}, black));
        if (last_label - y >= line) {
            out.push_back(
                text(picture::words_in(
                         {plot.left() - tick - 2 * z - 100 * line, y - line / 2, 100 * line, line},
                         number(p), ticks, false, Align::end, Align::centre),
                     kBlack));
            last_label = y;
        }
    }
    out.push_back(
        text(picture::words_in({plot.left(), plot.bottom() + tick + line * 1.1, plot.width, line},
                               texts::kEnthalpyAxis, ticks, false, Align::centre),
             kBlack));
    out.push_back(text(
        picture::turned(
            picture::words_in({-plot.height / 2, 0, plot.height, line}, texts::kPressureAxis, ticks,
                              false, Align::centre),
            {plot.left() - tick - 2 * z - measure.width(kWidestPressure, ticks, false) - line * 1.3,
             plot.centre().y},
            -90),
        kBlack));
}

void add_chart_lines(std::vector<Shape>& out, const PlotMapping& map, const ChartGeometry& g,
                     double z) {
    // A family in one stroke: one call to the rasterizer rather than dozens.
    const auto family = [&](const std::vector<ChartLine>& lines, unsigned rgb) {
        picture::Path path;
        for (const ChartLine& l : lines)
            for (const auto& piece : l.pieces) path.pieces.push_back(pixels_of(map, piece));
        out.push_back(stroke(std::move(path), {{rgb}, kChartLineWidth * z}, true));
    };
    family(g.quality_lines, kQualityLines.line);
    family(g.isentropes, kIsentropes.line);
    family(g.isotherms, kIsotherms.line);

    // The dome: up the liquid line to the critical point and on down the
    // vapour's; without the critical point, the two apart.
    picture::Path dome;
    dome.pieces.push_back(pixels_of(map, g.saturated_liquid));
    Polyline down = pixels_of(map, {g.saturated_vapour.rbegin(), g.saturated_vapour.rend()});
    if (g.critical_point)
        dome.pieces.back().insert(dome.pieces.back().end(), down.begin(), down.end());
    else
        dome.pieces.push_back(std::move(down));
    out.push_back(stroke(std::move(dome), {kDome, kDomeWidth * z}, true));
}

// Whether the segment a-b passes through `r`.
bool crosses(const Box& r, Point a, Point b) {
    if (std::max(a.x, b.x) < r.left() || std::min(a.x, b.x) > r.right() ||
        std::max(a.y, b.y) < r.top() || std::min(a.y, b.y) > r.bottom())
        return false;
    if (r.contains(a) || r.contains(b))
        return true;
    // The corners on both sides of the segment's line.
    const auto side = [&](Point c) {
        return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    };
    const double s1 = side({r.left(), r.top()}), s2 = side({r.right(), r.top()}),
                 s3 = side({r.left(), r.bottom()}), s4 = side({r.right(), r.bottom()});
    return !((s1 > 0 && s2 > 0 && s3 > 0 && s4 > 0) || (s1 < 0 && s2 < 0 && s3 < 0 && s4 < 0));
}

// Puts the lines' labels each on its line, on a white halo, where it stays
// within the plot, clear of the dome and of every label before it.
class LabelPlacer {
  public:
    LabelPlacer(const Box& bounds, std::vector<Polyline> obstacles)
        : bounds_(bounds), obstacles_(std::move(obstacles)) {}

    // The first place along `pixels`, from `start` pixels on, that is free.
    std::optional<Box> place(const Polyline& pixels, double width, double height, double start,
                             double step, int most_tries = kLabelTries) {
        double travelled = 0, next = start;
        int tries = 0;
        for (std::size_t i = 0; i + 1 < pixels.size() && tries < most_tries; ++i) {
            const Point a = pixels[i], b = pixels[i + 1];
            const double length = std::hypot(b.x - a.x, b.y - a.y);
            while (next <= travelled + length && tries < most_tries) {
                const double f = length > 0 ? (next - travelled) / length : 0;
                const Point corner = a + (b - a) * f - Point{width / 2, height / 2};
                const Box r{corner.x, corner.y, width, height};
                if (take(r))
                    return r;
                next += step;
                ++tries;
            }
            travelled += length;
        }
        return std::nullopt;
    }
    void reserve(const Box& r) { taken_.push_back(r); }
    bool take(const Box& r) {
        if (!bounds_.contains(r))
            return false;
        for (const Box& t : taken_)
            if (t.overlaps(r))
                return false;
        for (const auto& line : obstacles_)
            for (std::size_t i = 0; i + 1 < line.size(); ++i)
                if (crosses(r, line[i], line[i + 1]))
                    return false;
        taken_.push_back(r);
        return true;
    }

  private:
    Box bounds_;
    std::vector<Polyline> obstacles_;
    std::vector<Box> taken_;
};

// A label on its halo.
void add_label(std::vector<Shape>& out, const Box& r, std::string words, int pixels, bool bold,
               Colour colour, bool clipped) {
    out.push_back(filled_shape(picture::Rectangle{r}, kHalo, clipped));
    out.push_back(
        text(picture::words_in(r, std::move(words), pixels, bold, Align::centre, Align::centre),
             colour, clipped));
}

// Where an isotherm's label goes: on its level stretch across the dome,
// from the vapour's side, where it reads as the temperature of that
// pressure; without one, where the line enters the axes or not at all, so
// that close lines are not labelled out of order.
struct IsothermLabelPath {
    Polyline pixels;
    int tries;  // places to try along it
};
IsothermLabelPath isotherm_label_path(const PlotMapping& map, const ChartLine& line) {
    for (const auto& piece : line.pieces) {
        for (std::size_t i = 0; i + 1 < piece.size(); ++i) {
            if (piece[i].p == piece[i + 1].p && piece[i + 1].h > piece[i].h)
                return {{map(piece[i + 1]), map(piece[i])}, kLabelTries};
        }
    }
    return {pixels_of(map, line.pieces.front()), 2};
}

// Where the cycle that stands out falls on the plot, with its texts: the
// chart's labels keep clear of all of it.
struct CycleMarks {
    std::array<Point, 4> points{};
    Polyline outline;  // A-B-C-D-A
    Polyline ideal;    // A' to 2s
    std::array<std::optional<Box>, 4> letters;
    std::optional<Box> end_label;  // "2s"
    int pixels = 13;               // of the letters, bold
};

std::array<Point, 4> cycle_pixels(const PlotMapping& map, const DiagramCycle& c) {
    std::array<Point, 4> out{};
    for (std::size_t i = 0; i < 4; ++i) out[i] = map(c.geometry.points[i]);
    return out;
}

// The letter of a point beside it: A and D below, B and C above, A and B
// to the right, C and D to the left.
Box letter_box(std::size_t point, Point at, double width, double height, double gap) {
    const bool right = point < 2, below = point == 0 || point == 3;
    return {right ? at.x + gap : at.x - gap - width,
            below ? at.y + gap * 0.5 : at.y - gap * 0.5 - height, width, height};
}

CycleMarks marks_of(const PlotMapping& map, const DiagramCycle& c, double z,
                    const TextMeasure& measure) {
    CycleMarks m;
    m.points = cycle_pixels(map, c);
    m.outline.assign(m.points.begin(), m.points.end());
    m.outline.push_back(m.points[0]);
    m.ideal = pixels_of(map, c.geometry.ideal_compression);
    m.pixels = pixels_at(kLetterPixels, z);
    const double height = measure.height(m.pixels, true);
    const Box& plot = map.plot();
    const auto overlay = layout::overlay();
    for (std::size_t i = 0; i < 4; ++i) {
        if (!plot.contains(m.points[i]))
            continue;  // nor a text for a point off the plot
        const double width = measure.width(overlay[i].letter, m.pixels, true) + 2 * z;
        const double gap = (i == kB && c.flagged ? kRingRadius + 2 : 6) * z;
        m.letters[i] = letter_box(i, m.points[i], width, height, gap);
    }
    if (!m.ideal.empty() && plot.contains(m.ideal.back())) {
        const double width = measure.width(texts::kIdealEndLabel, m.pixels, true);
        // Clear of B's ring when 2s falls within it.
        const Point from_b = m.ideal.back() - m.points[kB];
        const bool in_ring = c.flagged && std::hypot(from_b.x, from_b.y) < kRingRadius * z;
        const double gap = (in_ring ? kRingRadius : 4) * z;
        const Point corner = m.ideal.back() - Point{width + gap, height + gap};
        m.end_label = Box{corner.x, corner.y, width, height};
    }
    return m;
}

void add_line_labels(std::vector<Shape>& out, const PlotMapping& map, const ChartGeometry& g,
                     double z, const NumberStyle& style, const CycleMarks* cycle,
                     const TextMeasure& measure) {
    const int pixels = pixels_at(kLabelPixels, z);
    const double line_height = measure.height(pixels, false);
    std::vector<Polyline> obstacles{pixels_of(map, g.saturated_liquid),
                                    pixels_of(map, g.saturated_vapour)};
    if (cycle) {
        obstacles.push_back(cycle->outline);
        obstacles.push_back(cycle->ideal);
    }
    LabelPlacer placer(map.plot().grown(-1, -1), std::move(obstacles));
    if (cycle) {
        for (const auto& letter : cycle->letters)
            if (letter)
                placer.reserve(*letter);
        if (cycle->end_label)
            placer.reserve(*cycle->end_label);
        const double r = kRingRadius * z;
        for (Point p : cycle->points) placer.reserve({p.x - r, p.y - r, 2 * r, 2 * r});
    }
    const auto width_of = [&](const std::string& words) {
        return measure.width(words, pixels, false) + 4 * z;
    };
    const auto label = [&](const Box& r, std::string words, unsigned rgb) {
        add_label(out, r, std::move(words), pixels, false, {rgb}, true);
    };
    const double step = kLabelStep * z;

    if (g.critical_point) {
        const Point c = map(*g.critical_point);
        out.push_back(filled_shape(picture::Circle{c, 2.5 * z}, kDome, true));
        const std::string words = texts::kCriticalPoint;
        const double width = width_of(words);
        for (Point centre :
             {c - Point{0, line_height / 2 + 4 * z}, c + Point{width / 2 + 6 * z, 0}}) {
            const Point corner = centre - Point{width / 2, line_height / 2};
            const Box r{corner.x, corner.y, width, line_height};
            if (placer.take(r)) {
                label(r, words, kDome.rgb);
                break;
            }
        }
    }
    for (const ChartLine& l : g.isotherms) {
        std::string words = picture::short_number_text(l.value, style) + texts::kCelsiusUnit;
        const double width = width_of(words);
        const IsothermLabelPath path = isotherm_label_path(map, l);
        const bool level = path.tries == kLabelTries;
        const double start = level ? width / 2 + 6 * z : line_height;
        if (const auto r = placer.place(path.pixels, width, line_height, start, step, path.tries))
            label(*r, std::move(words), kIsotherms.label);
    }
    for (const ChartLine& l : g.quality_lines) {
        std::string words = picture::short_number_text(l.value, style);
        if (const auto r = placer.place(pixels_of(map, l.pieces.front()), width_of(words),
                                        line_height, line_height, step))
            label(*r, std::move(words), kQualityLines.label);
    }
    for (const ChartLine& l : g.isentropes) {
        std::string words = picture::short_number_text(l.value, style);
        Polyline from_top = pixels_of(map, l.pieces.back());
        std::reverse(from_top.begin(), from_top.end());
        if (const auto r = placer.place(from_top, width_of(words), line_height, line_height, step))
            label(*r, std::move(words), kIsentropes.label);
    }
}

// The faint cycles as plain lines, all in one stroke, and their rings; the
// hovered one darker over them. One path of fifty overlapping outlines
// would take a rasterizer milliseconds.
void add_faint(std::vector<Shape>& out, const PlotMapping& map, const DiagramContent& c) {
    const double z = c.zoom, ring = kRingRadius * 0.8 * z;
    picture::Segments lines{{}, true};
    std::vector<Point> rings;
    for (std::size_t i = 0; i < c.faint.size(); ++i) {
        if (i == c.hovered)
            continue;
        const auto points = cycle_pixels(map, *c.faint[i]);
        for (std::size_t k = 0; k < 4; ++k) lines.lines.push_back({points[k], points[(k + 1) % 4]});
        if (c.faint[i]->flagged)
            rings.push_back(points[kB]);
    }
    // Past one pixel, that is zoomed, smoothing would cost milliseconds more;
    // the lines are mostly level or upright and gain nothing from it.
    Shape faint = stroke(std::move(lines), {kFaintCycle, kFaintWidth * z}, true);
    faint.smooth = kFaintWidth * z <= 1;
    out.push_back(std::move(faint));
    for (Point b : rings)
        out.push_back(stroke(picture::Circle{b, ring}, {kFaintRing, kFaintWidth * z}, true));
    if (c.hovered && *c.hovered < c.faint.size()) {
        const DiagramCycle& hovered = *c.faint[*c.hovered];
        const auto points = cycle_pixels(map, hovered);
        out.push_back(stroke(picture::Path{{Polyline(points.begin(), points.end())}, true},
                             {kHoveredCycle, kHoveredWidth * z}, true));
        if (hovered.flagged)
            out.push_back(
                stroke(picture::Circle{points[kB], ring}, {kRing, kFaintWidth * z}, true));
    }
}

void add_highlighted(std::vector<Shape>& out, const DiagramCycle& c, const CycleMarks& m,
                     double z) {
    const auto overlay = layout::overlay();
    const Colour compression{overlay[kCompression].line_rgb};
    if (!m.ideal.empty()) {
        out.push_back(
            stroke(picture::Path{{m.ideal}, false}, {compression, kIdealWidth * z, true}, true));
    }
    for (std::size_t k = 0; k < 4; ++k) {
        out.push_back(
            stroke(picture::Segments{{{m.points[kSegmentFrom[k]], m.points[kSegmentTo[k]]}}},
                   {{overlay[k].line_rgb}, kCycleWidth * z, false, picture::Cap::round}, true));
    }
    if (c.flagged)
        out.push_back(stroke(picture::Circle{m.points[kB], kRingRadius * z}, {kRing, 2 * z}, true));

    if (m.end_label) {
        Shape end =
            stroke(picture::Circle{m.ideal.back(), kEndRadius * z}, {compression, kIdealWidth * z});
        end.fill = kWhite;
        out.push_back(std::move(end));
        add_label(out, *m.end_label, texts::kIdealEndLabel, m.pixels, true, compression, false);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        if (m.letters[i])
            add_label(out, *m.letters[i], overlay[i].letter, m.pixels, true,
                      {overlay[i].letter_rgb}, false);
    }
    // The markers last, over everything; only for the points on the plot.
    for (std::size_t i = 0; i < 4; ++i) {
        if (m.letters[i])
            out.push_back(filled_shape(picture::Circle{m.points[i], kMarkerRadius * z},
                                       {overlay[i].letter_rgb}));
    }
}

}  // namespace

std::optional<DiagramCycle> diagram_cycle(const BenchState& state, bool flagged) {
    auto geometry = ph_chart::cycle_geometry(state);
    if (!geometry)
        return std::nullopt;
    return DiagramCycle{std::move(*geometry), flagged};
}

std::optional<DiagramCycle> point_cycle(const MarkedPoint& point) {
    return diagram_cycle(point.state, point.discharge_flagged);
}

std::optional<DiagramCycle> live_cycle(const session::ShownPass* pass) {
    if (!pass || !recordable(pass->display))
        return std::nullopt;
    const auto& notes = pass->display.validity_notes;
    const bool flagged = std::any_of(notes.begin(), notes.end(), [](const ValidityNote& n) {
        return n.issue == ValidityIssue::discharge_in_dome;
    });
    return diagram_cycle(pass->result.state, flagged);
}

NotebookDiagram notebook_diagram(std::span<const int> numbers,
                                 std::span<const std::optional<DiagramCycle>> cycles,
                                 const DiagramCycle* live, std::optional<int> selected,
                                 std::optional<int> hovered) {
    NotebookDiagram out;
    DiagramContent& c = out.content;
    const int rows = static_cast<int>(std::min(numbers.size(), cycles.size()));
    // -1: none, or a row that is not there.
    const int chosen = selected && *selected >= 0 && *selected < rows ? *selected : -1;
    const int pointed = hovered.value_or(-1);
    if (chosen >= 0) {
        const auto& cycle = cycles[static_cast<std::size_t>(chosen)];
        c.highlighted = cycle ? &*cycle : nullptr;
        c.subject = picture::fill_in(texts::kRecordedCycle,
                                     {std::to_string(numbers[static_cast<std::size_t>(chosen)])});
    } else if (live) {
        c.highlighted = live;
        c.subject = texts::kLiveCycle;
    } else {
        c.subject = rows == 0 ? texts::kNoCycle : texts::kChooseCycle;
    }
    for (int r = 0; r < rows; ++r) {
        const auto& cycle = cycles[static_cast<std::size_t>(r)];
        if (!cycle || r == chosen)
            continue;
        if (r == pointed) {
            c.hovered = c.faint.size();
            c.hovered_name = picture::fill_in(
                texts::kHoveredCycle, {std::to_string(numbers[static_cast<std::size_t>(r)])});
        }
        c.faint.push_back(&*cycle);
        out.faint_rows.push_back(r);
    }
    return out;
}

std::string diagram_title(const DiagramContent& c) {
    return c.subject.empty() ? std::string(texts::kDiagramTitle)
                             : picture::fill_in(texts::kDiagramTitleOf, {c.subject});
}

std::string diagram_summary(const DiagramContent& c) {
    return diagram_title(c) + ". " + texts::kDiagramDescription;
}

PlotMapping::PlotMapping(const ChartGeometry& chart, const Box& plot)
    : plot_(plot),
      h_min_(chart.enthalpy.min),
      h_span_(chart.enthalpy.max - chart.enthalpy.min),
      log_p_min_(std::log10(chart.pressure.min)),
      log_p_span_(std::log10(chart.pressure.max) - std::log10(chart.pressure.min)) {}

Point PlotMapping::operator()(ph_chart::ChartPoint point) const {
    return {plot_.left() + (point.h - h_min_) / h_span_ * plot_.width,
            plot_.bottom() - (std::log10(point.p) - log_p_min_) / log_p_span_ * plot_.height};
}

DiagramFrame diagram_frame(const Box& area, double zoom, const TextMeasure& measure) {
    const double z = zoom;
    DiagramFrame f;
    f.area = area;
    f.zoom = zoom;
    const int ticks = pixels_at(kTickPixels, z), title = pixels_at(kTitlePixels, z),
              caption_pixels = pixels_at(kCaptionPixels, z);
    const double line = measure.height(ticks, false);
    f.title = {area.left(), area.top(), area.width, measure.height(title, true) * 1.7};
    const double margin = 6 * z;
    const Box wide{area.left() + margin, 0, area.width - 2 * margin, 1e6};
    const double caption_height =
        measure.wrapped_height(caption(nullptr), wide.width, caption_pixels);
    f.caption = {wide.left(), area.bottom() - caption_height - margin / 2, wide.width,
                 caption_height};
    // Left: the turned axis title and the pressure ticks; below: the
    // enthalpy ticks and the axis title; right: half the last tick's label.
    const double left = area.left() + line * 1.5 + measure.width(kWidestPressure, ticks, false) +
                        (kTickLength + 4) * z;
    const double right =
        area.right() - std::max(line, measure.width(kWidestEnthalpy, ticks, false) / 2 + margin);
    const double bottom = f.caption.top() - margin - line * 2.4 - kTickLength * z;
    f.plot = {left, f.title.bottom(), right - left, bottom - f.title.bottom()};
    return f;
}

std::vector<Shape> backdrop_shapes(const DiagramFrame& frame, ph_chart::ChartRange range,
                                   const NumberStyle& style, const TextMeasure& measure) {
    std::vector<Shape> out;
    if (!frame.drawable())
        return out;
    const ChartGeometry& g = ph_chart::chart_geometry(range);
    const PlotMapping map(g, frame.plot);
    add_grid_and_axes(out, frame, map, g, style, measure);
    add_chart_lines(out, map, g, frame.zoom);
    return out;
}

std::vector<Shape> content_shapes(const DiagramFrame& frame, const DiagramContent& c,
                                  const TextMeasure& measure) {
    std::vector<Shape> out;
    const double z = c.zoom;
    if (frame.drawable()) {
        const ChartGeometry& g = ph_chart::chart_geometry(c.range);
        const PlotMapping map(g, frame.plot);
        std::optional<CycleMarks> marks;
        if (c.highlighted)
            marks = marks_of(map, *c.highlighted, z, measure);
        add_line_labels(out, map, g, z, c.style, marks ? &*marks : nullptr, measure);
        add_faint(out, map, c);
        out.push_back(stroke(picture::Rectangle{frame.plot}, {kBlack, z}));
        if (marks)
            add_highlighted(out, *c.highlighted, *marks, z);
        if (c.hovered && *c.hovered < c.faint.size() && !c.hovered_name.empty()) {
            // Named beside its B, above the line of condensation.
            const Point b = map(c.faint[*c.hovered]->geometry.points[kB]);
            const int pixels = pixels_at(kTickPixels, z);
            Box r{b.x + 8 * z, 0, measure.width(c.hovered_name, pixels, true) + 4 * z,
                  measure.height(pixels, true)};
            r.y = b.y - 8 * z - r.height;
            r.x = std::min(r.right(), frame.plot.right() - 1) - r.width;
            r.y = std::max(r.top(), frame.plot.top() + 1);
            add_label(out, r, c.hovered_name, pixels, true, kHoveredCycle, false);
        }
    }
    out.push_back(text(picture::words_in(frame.title, diagram_title(c), pixels_at(kTitlePixels, z),
                                         true, Align::centre, Align::centre),
                       kBlack));
    out.push_back(text(picture::wrapped(picture::words_in(frame.caption, caption(&c),
                                                          pixels_at(kCaptionPixels, z))),
                       kCaption));
    return out;
}

picture::Picture diagram_picture(const Box& area, const DiagramContent& content,
                                 const TextMeasure& measure) {
    picture::Picture out;
    out.width = area.right();
    out.height = area.bottom();
    const DiagramFrame frame = diagram_frame(area, content.zoom, measure);
    out.clip = frame.plot;
    out.shapes = backdrop_shapes(frame, content.range, content.style, measure);
    for (Shape& s : content_shapes(frame, content, measure)) out.shapes.push_back(std::move(s));
    return out;
}

std::optional<std::size_t> faint_cycle_at(const DiagramFrame& frame, const DiagramContent& content,
                                          Point at) {
    if (!frame.drawable() || !frame.plot.contains(at))
        return std::nullopt;
    const PlotMapping map(ph_chart::chart_geometry(content.range), frame.plot);
    std::vector<ph_chart::PlotCycle> cycles;
    for (const DiagramCycle* c : content.faint) {
        ph_chart::PlotCycle cycle{};
        for (std::size_t i = 0; i < 4; ++i) {
            const Point p = map(c->geometry.points[i]);
            cycle[i] = {p.x, p.y};
        }
        cycles.push_back(cycle);
    }
    return ph_chart::nearest_cycle(cycles, {at.x, at.y}, kHoverPixels * content.zoom);
}

}  // namespace gelvor::ph_diagram
