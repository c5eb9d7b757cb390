#pragma once

#include <QRectF>
#include <QWidget>
#include <array>
#include <optional>
#include <vector>

#include "model/bench.h"
#include "present/ph_chart.h"
#include "ui/notebook/ph_diagram_drawing.h"

namespace gelvor::ui::notebook {

class NotebookModel;

// The true p-h chart of R-11 by its reference equation, on fixed axes that
// hold the whole dome or the bench's region, with every recorded cycle: the
// selected row's (or, with none selected, the machine's present one) in the
// schematic's letters and colours, the others faint. Hovering a faint cycle
// names it; clicking it asks for its row.
class PhDiagram : public QWidget {
    Q_OBJECT

  public:
    explicit PhDiagram(const NotebookModel& model, QWidget* parent = nullptr);

    void setRange(ph_chart::ChartRange range);
    ph_chart::ChartRange range() const { return range_; }
    // The row whose cycle stands out; none: the live state's.
    void setSelectedRow(std::optional<int> row);
    // The machine's present state; none while it is off.
    void setLiveState(const std::optional<BenchState>& state, bool flagged = false);
    // The bench's zoom: texts, lines and markers grow by `factor`.
    void setZoom(double factor);

    // Whether a cycle stands out.
    bool hasCycle() const { return highlighted() != nullptr; }
    // The axes for the widget's present size: the plot rectangle, enthalpy
    // in kJ/kg along it and absolute pressure in kPa up it, logarithmically.
    QRectF plotArea() const;
    double enthalpyMin() const;
    double enthalpyMax() const;
    double pressureMin() const;
    double pressureMax() const;
    // Where A, B, C, D of the cycle that stands out are, in widget pixels.
    std::array<QPointF, 4> cyclePixels() const;
    // The same for a recorded row's cycle; none when it cannot be drawn.
    std::optional<std::array<QPointF, 4>> rowPixels(int row) const;

    // Draws the diagram as on show, without the hovered cycle, into `area`.
    void render(QPainter& painter, const QRectF& area);
    // Draws it into `target` of a printed page, as a screen would show it at
    // `logical` pixels, scaled to fit.
    void print(QPainter& painter, const QRectF& target, const QSizeF& logical);

  signals:
    // A recorded cycle was clicked: its row in the notebook.
    void cycleClicked(int row);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent*) override;

  private:
    void recompute(int first, int last);
    void rebuild();
    const ph_diagram::DiagramCycle* highlighted() const;
    ph_diagram::NotebookDiagram content(bool with_hover) const;
    ph_diagram::PlotMapping mapping() const;
    std::optional<int> rowAt(QPointF at) const;
    void setHovered(std::optional<int> row);

    const NotebookModel& model_;
    std::vector<std::optional<ph_diagram::DiagramCycle>> recorded_;  // one per row of the model
    std::optional<ph_diagram::DiagramCycle> live_;
    std::optional<int> selected_;
    std::optional<int> hovered_;  // a row
    ph_chart::ChartRange range_ = ph_chart::ChartRange::whole_dome;
    double zoom_ = 1;
    DiagramBackdrop backdrop_;  // the screen's grid, axes and chart lines
};

}  // namespace gelvor::ui::notebook
