#pragma once

#include <QWidget>
#include <vector>

#include "notebook/notebook_chart_model.h"

class QComboBox;
class QGraphicsTextItem;
class QPainter;
class QRectF;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace gelvor::ui::notebook {

class NotebookModel;

// The recorded points as a chart, as notebook/notebook_chart_model.h makes
// it: one quantity across and one or two up, chosen here or by one of the
// presets of the manual's exercises, drawn with Qt Charts.
class NotebookChart : public QWidget {
    Q_OBJECT

  public:
    explicit NotebookChart(const NotebookModel& model, QWidget* parent = nullptr);

    void applyPreset(const notebook_chart::Preset& preset);
    // The notebook columns chosen: across, up, and the second up (-1 for none).
    int xColumn() const;
    int yColumn() const;
    int y2Column() const;

    QChartView* view() const { return view_; }
    // Draws the chart at the top of `area` (a printed page), as wide as it,
    // whether or not its tab is on show.
    void render(QPainter& painter, const QRectF& area);
    // Redraws from the model; cheap enough for every recorded point.
    void refresh();
    // The bench's zoom: the chart's texts grow by `factor`.
    void setZoom(double factor);

  private:
    void fitPresetButtons(double zoom);
    void showEmptyMessage(bool empty);
    // `count` lines of the readings, made or dropped as needed.
    void keepLines(std::size_t count);

    const NotebookModel& model_;
    QComboBox* x_ = nullptr;
    QComboBox* y_ = nullptr;
    QComboBox* y2_ = nullptr;
    QChartView* view_ = nullptr;
    QChart* chart_ = nullptr;
    QLineSeries* saturation_ = nullptr;            // the bench's correlation
    QLineSeries* reference_saturation_ = nullptr;  // the reference equation
    std::vector<QLineSeries*> lines_;              // the readings; the chart owns them
    QGraphicsTextItem* empty_ = nullptr;           // how to record a point; the chart owns it
    double zoom_ = 1;
    QValueAxis* axis_x_ = nullptr;
    QValueAxis* axis_y_ = nullptr;
    QValueAxis* axis_y2_ = nullptr;
};

}  // namespace gelvor::ui::notebook
