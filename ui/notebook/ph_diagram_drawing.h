#pragma once

#include <QPixmap>
#include <QRectF>
#include <QSizeF>
#include <span>

#include "notebook/notebook_picture.h"
#include "notebook/ph_diagram_picture.h"

class QPainter;

// The notebook's pictures stroked with a QPainter: the p-h diagram's shapes
// (notebook/ph_diagram_picture.h), for the widget, a printed page and an
// exported file alike, measured by the window's font.
namespace gelvor::ui::notebook {

// How the window's sans font sets a text.
const picture::TextMeasure& qt_text_measure();

QRectF rect_of(const picture::Box& box);
picture::Box box_of(const QRectF& rect);

// Strokes the shapes in order; those marked clipped within `clip`.
void draw_shapes(QPainter& painter, std::span<const picture::Shape> shapes, const QRectF& clip);

// Where the plot stands within `area` at a zoom.
QRectF diagram_plot(const QRectF& area, double zoom);

// What only the range, the size and the zoom change (the grid, the axes and
// the chart's lines), kept as a picture between a screen's repaints.
struct DiagramBackdrop {
    QPixmap picture;
    QSizeF size;
    double zoom = 0;
    ph_chart::ChartRange range{};
    NumberStyle style;
    qreal ratio = 0;
};

// Draws the diagram into `area`; with a backdrop, from it, first drawn
// into it when it does not match. A print or an SVG file is drawn without.
void draw_diagram(QPainter& painter, const QRectF& area, const ph_diagram::DiagramContent& content,
                  DiagramBackdrop* backdrop = nullptr);

}  // namespace gelvor::ui::notebook
