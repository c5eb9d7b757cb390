#include "ui/widgets/rocker_switch.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "layout/faces.h"
#include "ui/widgets/face_painter.h"
#include "ui/widgets/focus_ring.h"

namespace gelvor::ui {

RockerSwitch::RockerSwitch(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    track_focus_cue(this);
}

void RockerSwitch::setActive(bool on) {
    if (on == active_)
        return;
    active_ = on;
    update();
    QAccessible::State checked;
    checked.checked = true;
    QAccessibleStateChangeEvent flipped(this, checked);
    QAccessible::updateAccessibility(&flipped);
    emit activeChanged(on);
}

void RockerSwitch::setDesignSize(const QSize& size) {
    design_.setDesignSize(size);
    update();
}

void RockerSwitch::operate() {
    setActive(!active_);
    emit operated();
}

void RockerSwitch::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    pressed_ = true;
}

void RockerSwitch::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressed_)
        return QWidget::mouseReleaseEvent(e);
    pressed_ = false;
    if (rect().contains(e->position().toPoint()))
        operate();
}

void RockerSwitch::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Space && !e->isAutoRepeat()) {
        operate();
        return;
    }
    QWidget::keyPressEvent(e);
}

void RockerSwitch::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setTransform(design_.toWidget(size()));
    const QSizeF box = design_.extent(size());
    paint_face(p, layout::rocker_switch_face(box.width(), box.height()),
               active_ ? layout::Part::on : layout::Part::off);
    paint_focus_ring(p, this, rect());
}

}  // namespace gelvor::ui
