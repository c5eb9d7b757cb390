#include "ui/widgets/flow_bar.h"

#include <QPainter>

#include "ui/widgets/focus_ring.h"

namespace gelvor::ui {

FlowBar::FlowBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    setFocusPolicy(Qt::StrongFocus);
    track_focus_cue(this);
}

void FlowBar::paintEvent(QPaintEvent* e) {
    QScrollBar::paintEvent(e);
    QPainter p(this);
    paint_focus_ring(p, this, rect());
}

}  // namespace gelvor::ui
