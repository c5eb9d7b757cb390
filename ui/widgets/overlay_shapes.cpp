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
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    const int margin = width_ / 2 + 1;
    const int left = static_cast<int>(std::floor(std::min(x1, x2) / kTwipsPerPixel)) - margin;
    const int top = static_cast<int>(std::floor(std::min(y1, y2) / kTwipsPerPixel)) - margin;
    const int right = static_cast<int>(std::ceil(std::max(x1, x2) / kTwipsPerPixel)) + margin;
    const int bottom = static_cast<int>(std::ceil(std::max(y1, y2) / kTwipsPerPixel)) + margin;
    setGeometry(left, top, right - left + 1, bottom - top + 1);
    update();
}

void LineShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Round ends, so that a segment of no length still shows as a dot.
    p.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::RoundCap));
    const QPointF origin = pos();
    p.drawLine(QPointF(x1_ / kTwipsPerPixel, y1_ / kTwipsPerPixel) - origin,
               QPointF(x2_ / kTwipsPerPixel, y2_ / kTwipsPerPixel) - origin);
}

PlacedLabel::PlacedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
}

void PlacedLabel::place(float left, float top) {
    left_ = left;
    top_ = top;
    adjustSize();
    move(px(left), px(top));
}

}  // namespace gelvor::ui
