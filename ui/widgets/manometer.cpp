#include "ui/widgets/manometer.h"

#include <QPainter>

#include "ui/widgets/face_painter.h"

namespace gelvor::ui {

Manometer::Manometer(QWidget* parent) : Instrument(parent) {
    setRange(-100, 100);
}

void Manometer::setLoweredBevel(bool on) {
    lowered_bevel_ = on;
    update();
}

layout::GaugeLook Manometer::look() const {
    return {positionMin(), positionMax(), lowered_bevel_};
}

layout::Shape Manometer::needle() const {
    const QSizeF box = designExtent();
    return layout::gauge_needle(box.width(), box.height(), fraction());
}

QPointF Manometer::needleTip() const {
    const layout::Point tip = std::get<layout::Line>(needle().geometry).to;
    return designToWidget().map(QPointF(tip.x, tip.y));
}

void Manometer::paintEvent(QPaintEvent*) {
    const QSizeF box = designExtent();
    const layout::GaugeLook now = look();
    if (!face_ || face_look_ != now || face_->width != box.width() ||
        face_->height != box.height()) {
        face_ = layout::gauge_face(box.width(), box.height(), now, line_height);
        face_look_ = now;
    }
    QPainter p(this);
    p.setTransform(designToWidget());
    paint_face(p, *face_, needle());
}

}  // namespace gelvor::ui
