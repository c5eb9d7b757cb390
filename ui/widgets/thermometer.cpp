#include "ui/widgets/thermometer.h"

#include <QPainter>
#include <cmath>

#include "layout/instrument_dials.h"
#include "ui/look.h"

namespace gelvor::ui {
namespace {

namespace C = layout::column;

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

void Thermometer::setDesiredTicks(int count) {
    desired_ticks_ = count;
    update();
}

std::vector<layout::ScaleTick> Thermometer::ticks() const {
    return layout::thermometer_ticks(positionMin(), positionMax(), major_ticks_, desired_ticks_);
}

QString Thermometer::labelOf(double value) {
    return QString::fromStdString(layout::scale_label(value));
}

QStringList Thermometer::labels() const {
    QStringList out;
    for (const layout::ScaleTick& t : ticks())
        if (t.major)
            out << labelOf(t.value);
    return out;
}

layout::ThermometerFrame Thermometer::frame() const {
    const QSizeF box = designExtent();
    const QFontMetricsF fm(look::sans(C::kFigurePixels));
    return layout::thermometer_frame(box.width(), box.height(), tick_labels_, fm.height());
}

double Thermometer::columnTop() const {
    const layout::ThermometerFrame f = frame();
    return designToWidget().map(QPointF(f.x, f.y_of(fraction()))).y();
}

void Thermometer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setTransform(designToWidget());
    const double w = designExtent().width();
    const QFont label_font = look::sans(C::kFigurePixels);
    const QFontMetricsF fm(label_font);
    const layout::ThermometerFrame f = frame();
    const double x = f.x;

    // Tube, outlined, then the column and the bulb.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(look::rgb(C::kTubeEdgeRgb), 1));
    p.setBrush(tube_);
    p.drawRoundedRect(QRectF(x - 1.5, f.top - 1.5, 3, f.bulb_y - f.top + 1.5), 1.5, 1.5);
    p.setBrush(column_);
    p.drawEllipse(QPointF(x, f.bulb_y), C::kBulbRadius, C::kBulbRadius);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    const double level = f.y_of(fraction());
    p.fillRect(QRectF(x - 0.5, level, 1, f.bulb_y - level), column_);

    // Ticks to the right of the column, values beside the majors.
    p.setPen(QPen(Qt::black, 1));
    p.setFont(label_font);
    for (const layout::ScaleTick& t : ticks()) {
        const double y = std::round(f.y_of(t.fraction)) + 0.5;
        const double x0 = x + C::kTickMargin;
        p.drawLine(QPointF(x0, y), QPointF(x0 + (t.major ? C::kMajorTick : C::kMinorTick), y));
        if (t.major && tick_labels_) {
            const double at = x0 + C::kMajorTick + C::kFigureGap;
            const QRectF r(at, y - fm.height() / 2, w - at, fm.height());
            p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, labelOf(t.value));
        }
    }
}

}  // namespace gelvor::ui
