#pragma once

#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "model/bench.h"
#include "present/ph_chart.h"

class QPainter;

// The p-h diagram of R-11 drawn with a QPainter from the chart's geometry:
// axes, dome and lines from present/ph_chart, every recorded cycle faint and
// one in the schematic's colours. The widget, a printed page and an exported
// file all draw through here.
namespace gelvor::ui::notebook {

// A pass's cycle as the diagram draws it. Computed once per pass and kept:
// its ideal compression costs some tens of microseconds.
struct DiagramCycle {
    ph_chart::CycleGeometry geometry;
    // B ringed in red: a discharge that the fluid cannot have as drawn.
    bool flagged = false;
};
// None when the pass's points cannot be drawn. Flagged when B lies at or
// inside the dome, or when the compression does as well as the isentropic
// one or better.
// `flagged`: B is not physical there (the pass's validity note), and is ringed.
std::optional<DiagramCycle> diagram_cycle(const BenchState& state, bool flagged);

// What one drawing shows.
struct DiagramContent {
    ph_chart::ChartRange range = ph_chart::ChartRange::whole_dome;
    double zoom = 1;  // the bench's zoom: texts, lines and markers
    QString subject;  // "punto 3", "estado actual de la máquina"; empty: none
    const DiagramCycle* highlighted = nullptr;  // in the schematic's colours
    std::vector<const DiagramCycle*> faint;     // the other recorded cycles
    std::optional<std::size_t> hovered;         // one of `faint`, drawn darker
    QString hovered_name;                       // "Punto 4", beside it
};

// Maps the chart onto a plot rectangle: enthalpy linearly across, absolute
// pressure logarithmically up.
class PlotMapping {
  public:
    PlotMapping(const ph_chart::ChartGeometry& chart, const QRectF& plot);
    QPointF operator()(ph_chart::ChartPoint point) const;
    const QRectF& plot() const { return plot_; }

  private:
    QRectF plot_;
    double h_min_, h_span_, log_p_min_, log_p_span_;
};

// Where the plot stands within `area`: room above for the title, left and
// below for the ticks and the axis titles, and below those for the caption.
QRectF diagram_plot(const QRectF& area, const DiagramContent& content);

// What only the range, the size and the zoom change (the grid, the axes and
// the chart's lines), kept as a picture between a screen's repaints.
struct DiagramBackdrop {
    QPixmap picture;
    QSizeF size;
    double zoom = 0;
    ph_chart::ChartRange range{};
    qreal ratio = 0;
};

// Draws the diagram into `area`; with a backdrop, from it, first drawn
// into it when it does not match. A print or an SVG file is drawn without.
void draw_diagram(QPainter& painter, const QRectF& area, const DiagramContent& content,
                  DiagramBackdrop* backdrop = nullptr);

}  // namespace gelvor::ui::notebook
