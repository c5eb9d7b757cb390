#include "ui/widgets/thermometer.h"

#include <QPainter>
#include <cmath>

#include "ui/look.h"

namespace gelvor::ui {
namespace {

constexpr double kBulbRadius = 3;
constexpr double kTickMargin = 3;  // from the column's centre line
constexpr double kMajorTick = 3;
constexpr double kMinorTick = 2;

}  // namespace

Thermometer::Thermometer(QWidget* parent) : Instrument(parent) {}

void Thermometer::setColumnColour(const QColor& c) {
    column_ = c;
    update();
}

void Thermometer::setTubeColour(const QColor& c) {
    tube_ = c;
    update();
}

void Thermometer::setMajorTicks(int count) {
    major_ticks_ = std::max(2, count);
    update();
}

void Thermometer::setTickLabels(bool shown) {
    tick_labels_ = shown;
    update();
}

void Thermometer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double w = width();
    const double h = height();
    const QFont label_font = look::sans(9);
    const QFontMetricsF fm(label_font);

    // With labels the column stands left of centre to leave them room.
    const double x = tick_labels_ ? std::floor(w * 0.3) + 0.5 : kBulbRadius + 0.5;
    const double bulb_y = h - 1 - kBulbRadius;
    const double top = tick_labels_ ? std::ceil(fm.height() / 2) + 1 : 2;
    const double bottom = bulb_y - kBulbRadius - 1;  // the scale's minimum
    auto y_of = [&](double fraction) { return bottom - fraction * (bottom - top); };

    // Tube, outlined, then the column and the bulb.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 110, 110), 1));
    p.setBrush(tube_);
    p.drawRoundedRect(QRectF(x - 1.5, top - 1.5, 3, bulb_y - top + 1.5), 1.5, 1.5);
    p.setBrush(column_);
    p.drawEllipse(QPointF(x, bulb_y), kBulbRadius, kBulbRadius);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    const double level = y_of(fraction());
    p.fillRect(QRectF(x - 0.5, level, 1, bulb_y - level), column_);

    // Ticks to the right: majors at equal steps, one minor between two majors.
    p.setPen(QPen(Qt::black, 1));
    const int steps = (major_ticks_ - 1) * 2;
    for (int i = 0; i <= steps; ++i) {
        const double y = std::round(y_of(double(i) / steps)) + 0.5;
        const bool major = i % 2 == 0;
        const double x0 = x + kTickMargin;
        p.drawLine(QPointF(x0, y), QPointF(x0 + (major ? kMajorTick : kMinorTick), y));
        if (major && tick_labels_) {
            const double value = positionMin() + (positionMax() - positionMin()) * i / steps;
            p.setFont(label_font);
            const QRectF r(x0 + kMajorTick + 2, y - fm.height() / 2, w - x0 - kMajorTick - 2,
                           fm.height());
            p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, QString::number(value, 'g', 6));
        }
    }
}

}  // namespace gelvor::ui
