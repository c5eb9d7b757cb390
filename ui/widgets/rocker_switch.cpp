#include "ui/widgets/rocker_switch.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

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
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(design_.toWidget(size()));
    const QRectF box(QPointF(0, 0), design_.extent(size()));
    // One pixel of border margin, then the housing and the rocker inside it.
    const QRectF housing = box.adjusted(1.5, 1.5, -1.5, -1.5);
    p.setPen(QPen(QColor(20, 20, 20), 1));
    p.setBrush(QColor(60, 60, 60));
    p.drawRoundedRect(housing, 3, 3);

    const QRectF rocker = housing.adjusted(2.5, 2.5, -2.5, -2.5);
    const double mid = rocker.center().y();
    const QRectF upper(rocker.left(), rocker.top(), rocker.width(), mid - rocker.top());
    const QRectF lower(rocker.left(), mid, rocker.width(), rocker.bottom() - mid);
    // The half pressed in lies in shadow; the other stands out towards the light.
    const QRectF& pressed = active_ ? upper : lower;
    const QRectF& raised = active_ ? lower : upper;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(105, 105, 105));
    p.drawRect(pressed);
    QLinearGradient light(raised.topLeft(), raised.bottomLeft());
    light.setColorAt(0, active_ ? QColor(150, 150, 150) : QColor(235, 235, 235));
    light.setColorAt(1, active_ ? QColor(235, 235, 235) : QColor(150, 150, 150));
    p.setBrush(light);
    p.drawRect(raised);
    p.setPen(QPen(QColor(30, 30, 30), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rocker);

    // "I" on the upper half, "O" on the lower; the lit mark tells the state.
    const QColor on_mark = active_ ? QColor(230, 30, 30) : QColor(60, 60, 60);
    const QColor off_mark = active_ ? QColor(60, 60, 60) : QColor(20, 20, 20);
    p.setPen(QPen(on_mark, 1.5));
    const QPointF uc = upper.center();
    p.drawLine(QPointF(uc.x(), uc.y() - 3), QPointF(uc.x(), uc.y() + 3));
    p.setPen(QPen(off_mark, 1.2));
    p.drawEllipse(lower.center(), 2.5, 2.5);

    paint_focus_ring(p, this, rect());
}

}  // namespace gelvor::ui
