#include "ui/widgets/halo_label.h"

#include <QPainter>

namespace gelvor::ui {

void HaloLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = contentsRect();
    const int flags = int(alignment());
    p.setPen(QColor(255, 255, 240));
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0) {
                p.drawText(r.translated(dx, dy), flags, text());
            }
        }
    }
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(r, flags, text());
}

}  // namespace gelvor::ui
