#include "ui/widgets/overlay_shapes.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/twips.h"

namespace gelvor::ui {

LineShape::LineShape(const QColor& colour, int width_px, QWidget* parent)
    : QWidget(parent), colour_(colour), width_(width_px) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void LineShape::setLine(float x1, float y1, float x2, float y2) {
    placed_ = true;
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int margin = static_cast<int>(penWidth()) / 2 + 1;
    const QPointF a = px_point(std::min(x1, x2), std::min(y1, y2), zoom_);
    const QPointF b = px_point(std::max(x1, x2), std::max(y1, y2), zoom_);
    const int left = static_cast<int>(std::floor(a.x())) - margin;
    const int top = static_cast<int>(std::floor(a.y())) - margin;
    const int right = static_cast<int>(std::ceil(b.x())) + margin;
    const int bottom = static_cast<int>(std::ceil(b.y())) + margin;
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

void LineShape::setZoom(double zoom) {
    zoom_ = zoom;
    if (placed_)
        setLine(x1_, y1_, x2_, y2_);
}

double LineShape::penWidth() const {
    return width_ * zoom_;
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Round ends, so that a segment of no length still shows as a dot.
    p.setPen(QPen(colour_, penWidth(), Qt::SolidLine, Qt::RoundCap));
    const QPointF origin = pos();
    p.drawLine(px_point(x1_, y1_, zoom_) - origin, px_point(x2_, y2_, zoom_) - origin);
}

PlacedLabel::PlacedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
}

void PlacedLabel::place(float left, float top) {
    placed_ = true;
    left_ = left;
    top_ = top;
    adjustSize();
    move(px(left, zoom_), px(top, zoom_));
}

void PlacedLabel::setZoom(double zoom) {
    zoom_ = zoom;
    if (placed_)
        place(left_, top_);
}

}  // namespace gelvor::ui
