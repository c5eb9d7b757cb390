#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "model/bench.h"
#include "notebook/marked_point.h"
#include "notebook/notebook_picture.h"
#include "present/ph_chart.h"
#include "session/bench_session.h"

// The notebook's p-h diagram of R-11 as shapes, for every front end: the
// chart's axes, dome and lines from present/ph_chart, with their labels,
// ticks and titles; every recorded cycle faint and one in the schematic's
// colours; the title and the caption. The desktop strokes the shapes with
// QPainter (its widget, a printed page and an exported file), the page as
// SVG.
namespace gelvor::ph_diagram {

using picture::Box;
using picture::Shape;
using picture::TextMeasure;

// A pass's cycle as the diagram draws it. Computed once per pass and kept:
// its ideal compression costs some tens of microseconds.
struct DiagramCycle {
    ph_chart::CycleGeometry geometry;
    // B ringed in red: a discharge that the fluid cannot have as drawn.
    bool flagged = false;
};
// None when the pass's points cannot be drawn. `flagged`: B is not physical
// there (the pass's validity note).
std::optional<DiagramCycle> diagram_cycle(const BenchState& state, bool flagged);
// A recorded point's cycle.
std::optional<DiagramCycle> point_cycle(const MarkedPoint& point);
// The machine's present cycle: none while it is off or its pass could not
// be recorded.
std::optional<DiagramCycle> live_cycle(const session::ShownPass* pass);

// What one drawing shows.
struct DiagramContent {
    ph_chart::ChartRange range = ph_chart::ChartRange::whole_dome;
    double zoom = 1;  // the bench's zoom: texts, lines and markers
    NumberStyle style;
    std::string subject;  // "punto 3", "estado actual de la máquina"; empty: none
    const DiagramCycle* highlighted = nullptr;  // in the schematic's colours
    std::vector<const DiagramCycle*> faint;     // the other recorded cycles
    std::optional<std::size_t> hovered;         // one of `faint`, drawn darker
    std::string hovered_name;                   // "Punto 4", beside it
};

// The diagram of a notebook: the selected row's cycle stands out, or with
// none selected the machine's present one; the other rows' cycles are
// faint, their rows in `faint_rows`, and the hovered row's is named. Each
// row has its point's number and its cycle, if it can be drawn.
struct NotebookDiagram {
    DiagramContent content;
    std::vector<int> faint_rows;  // the row of each of content.faint
};
NotebookDiagram notebook_diagram(std::span<const int> numbers,
                                 std::span<const std::optional<DiagramCycle>> cycles,
                                 const DiagramCycle* live, std::optional<int> selected,
                                 std::optional<int> hovered);

// The diagram's title, with the cycle it shows; and that with what the
// diagram shows, for a screen reader.
std::string diagram_title(const DiagramContent& content);
std::string diagram_summary(const DiagramContent& content);

// Maps the chart onto a plot rectangle: enthalpy linearly across, absolute
// pressure logarithmically up.
class PlotMapping {
  public:
    PlotMapping(const ph_chart::ChartGeometry& chart, const Box& plot);
    picture::Point operator()(ph_chart::ChartPoint point) const;
    const Box& plot() const { return plot_; }

  private:
    Box plot_;
    double h_min_, h_span_, log_p_min_, log_p_span_;
};

// Where the parts stand within `area`: the title above, the plot with room
// left and below for the ticks and the axis titles, and below those the
// caption, as tall as it is with every note, so that the axes never move.
struct DiagramFrame {
    Box area, title, plot, caption;
    double zoom = 1;
    // Whether the plot is big enough to draw in.
    bool drawable() const { return plot.width > 20 && plot.height > 20; }
};
DiagramFrame diagram_frame(const Box& area, double zoom, const TextMeasure& measure);

// A picture of the diagram on its own (an exported file, the page's) is
// this tall for its width, and at least kMinHeight at 100 %.
inline constexpr double kDiagramProportion = 680.0 / 900.0;
inline constexpr double kMinHeight = 320;

// What only the range, the size and the zoom change, which a screen may
// keep between repaints: the grid, the axes with their ticks and titles,
// and the chart's lines.
std::vector<Shape> backdrop_shapes(const DiagramFrame& frame, ph_chart::ChartRange range,
                                   const NumberStyle& style, const TextMeasure& measure);
// The rest, drawn over the backdrop: the lines' labels, the cycles, the
// plot's frame, the title and the caption.
std::vector<Shape> content_shapes(const DiagramFrame& frame, const DiagramContent& content,
                                  const TextMeasure& measure);
// All of it, on white.
picture::Picture diagram_picture(const Box& area, const DiagramContent& content,
                                 const TextMeasure& measure);

// How near, in pixels at 100 %, the pointer must come to a cycle's outline.
inline constexpr double kHoverPixels = 6;
// The faint cycle (its index in content.faint) whose outline passes nearest
// `at`, when near enough and within the plot.
std::optional<std::size_t> faint_cycle_at(const DiagramFrame& frame, const DiagramContent& content,
                                          picture::Point at);

}  // namespace gelvor::ph_diagram
