#include "ui/widgets/spin_control.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <QScopedValueRollback>
#include <algorithm>

#include "layout/press_repeat.h"
#include "ui/look.h"
#include "ui/widgets/bevel.h"
#include "ui/widgets/focus_ring.h"

namespace gelvor::ui {
namespace {

void draw_button(QPainter& p, const QRect& r, bool sunk, bool up) {
    p.fillRect(r, look::system_colour(15));
    bevel::frame(p, r, sunk ? look::kBevelShadow : look::kBevelLight,
                 sunk ? look::kBevelLight : look::kBevelDarkShadow);
    const QPointF c = QRectF(r).center() + (sunk ? QPointF(0.5, 0.5) : QPointF(0, 0));
    const double hw = std::max(1.5, std::min(r.width(), r.height()) / 4.0);
    QPolygonF tri;
    if (up)
        tri << QPointF(c.x() - hw, c.y() + hw / 2) << QPointF(c.x() + hw, c.y() + hw / 2)
            << QPointF(c.x(), c.y() - hw / 2);
    else
        tri << QPointF(c.x() - hw, c.y() - hw / 2) << QPointF(c.x() + hw, c.y() - hw / 2)
            << QPointF(c.x(), c.y() + hw / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawPolygon(tri);
    p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

SpinControl::SpinControl(int min, int max, int start, QWidget* parent)
    : QWidget(parent), min_(min), max_(max), position_(std::clamp(start, min, max)) {
    setFocusPolicy(Qt::TabFocus);
    track_focus_cue(this);
    repeat_.setSingleShot(false);
    connect(&repeat_, &QTimer::timeout, this, &SpinControl::repeat);
}

void SpinControl::setBuddy(QLineEdit* box) {
    if (buddy_)
        buddy_->removeEventFilter(this);
    buddy_ = box;
    if (box)
        box->installEventFilter(this);
}

void SpinControl::setDesignSize(const QSize& size) {
    design_.setDesignSize(size);
    update();
}

void SpinControl::setPosition(int value) {
    value = std::clamp(value, min_, max_);
    if (value == position_)
        return;
    position_ = value;
    if (buddy_) {
        buddy_->setText(QString::number(position_));
        // A narrow box shows the start of its number, unless it is being typed in.
        if (!stepping_in_box_ && !buddy_->hasFocus())
            buddy_->setCursorPosition(0);
    }
    QAccessibleValueChangeEvent moved(this, position_);
    QAccessible::updateAccessibility(&moved);
    emit positionChanged(position_);
}

void SpinControl::stepBy(int steps) {
    setPosition(position_ + steps);
}

void SpinControl::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(e);
    held_ = e->position().y() < height() / 2.0 ? 1 : -1;
    update();
    stepBy(held_);
    repeat_.start(layout::kSpinRepeat.delay_ms);
}

void SpinControl::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(e);
    held_ = 0;
    repeat_.stop();
    update();
}

void SpinControl::repeat() {
    if (held_ == 0)
        return repeat_.stop();
    repeat_.setInterval(layout::kSpinRepeat.interval_ms);
    stepBy(held_);
}

bool SpinControl::stepByKey(int key) {
    if (key != Qt::Key_Up && key != Qt::Key_Down)
        return false;
    stepBy(key == Qt::Key_Up ? 1 : -1);
    return true;
}

// One step for each notch of the wheel (15 degrees), up raising the position.
bool SpinControl::stepByWheel(QWheelEvent* e) {
    wheel_ += e->angleDelta().y();
    const int steps = wheel_ / QWheelEvent::DefaultDeltasPerStep;
    wheel_ -= steps * QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0)
        stepBy(steps);
    e->accept();
    return true;
}

void SpinControl::keyPressEvent(QKeyEvent* e) {
    if (!stepByKey(e->key()))
        QWidget::keyPressEvent(e);
}

void SpinControl::wheelEvent(QWheelEvent* e) {
    stepByWheel(e);
}

// In the box, Up and Down and the wheel are the spin's; all else is the box's.
// The event's type is looked at first: a box being destroyed still sends
// events, and is no longer a QLineEdit to compare with.
bool SpinControl::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::KeyPress && watched == buddy_) {
        const QScopedValueRollback typing(stepping_in_box_, true);
        return stepByKey(static_cast<QKeyEvent*>(e)->key());
    }
    if (e->type() == QEvent::Wheel && watched == buddy_)
        return stepByWheel(static_cast<QWheelEvent*>(e));
    return QWidget::eventFilter(watched, e);
}

void SpinControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setTransform(design_.toWidget(size()));
    const QSize box = design_.extent(size()).toSize();
    const int half = box.height() / 2;
    draw_button(p, QRect(0, 0, box.width() - 1, half - 1), held_ == 1, true);
    draw_button(p, QRect(0, half, box.width() - 1, box.height() - half - 1), held_ == -1, false);
    paint_focus_ring(p, this, rect());
}

}  // namespace gelvor::ui
