#include "ui/widgets/thermometer.h"

#include <QPainter>
#include <algorithm>

#include "ui/widgets/face_painter.h"

namespace gelvor::ui {

Thermometer::Thermometer(QWidget* parent) : Instrument(parent) {}

void Thermometer::setColumnColour(const QColor& c) {
    look_.column_rgb = c.rgb() & 0xFFFFFF;
    update();
}

void Thermometer::setTubeColour(const QColor& c) {
    look_.tube_rgb = c.rgb() & 0xFFFFFF;
    update();
}

void Thermometer::setMajorTicks(int count) {
    look_.major_ticks = std::max(2, count);
    update();
}

void Thermometer::setTickLabels(bool shown) {
    look_.figures = shown;
    update();
}

void Thermometer::setDesiredTicks(int count) {
    look_.desired_ticks = count;
    update();
}

layout::ThermometerLook Thermometer::look() const {
    layout::ThermometerLook look = look_;
    look.min = positionMin();
    look.max = positionMax();
    return look;
}

QStringList Thermometer::labels() const {
    const layout::ThermometerLook l = look();
    QStringList out;
    for (const layout::ScaleTick& t :
         layout::thermometer_ticks(l.min, l.max, l.major_ticks, l.desired_ticks)) {
        if (t.major)
            out << QString::fromStdString(layout::scale_label(t.value));
    }
    return out;
}

layout::ThermometerFrame Thermometer::frame() const {
    const QSizeF box = designExtent();
    return layout::thermometer_frame(box.width(), box.height(), look(), line_height);
}

double Thermometer::columnTop() const {
    const layout::ThermometerFrame f = frame();
    return designToWidget().map(QPointF(f.x, f.y_of(fraction()))).y();
}

void Thermometer::paintEvent(QPaintEvent*) {
    const QSizeF box = designExtent();
    const layout::ThermometerLook now = look();
    if (!face_ || face_look_ != now || face_->width != box.width() ||
        face_->height != box.height()) {
        face_ = layout::thermometer_face(box.width(), box.height(), now, line_height);
        face_look_ = now;
    }
    QPainter p(this);
    p.setTransform(designToWidget());
    paint_face(p, *face_, layout::thermometer_column(frame(), now.column_rgb, fraction()));
}

}  // namespace gelvor::ui
