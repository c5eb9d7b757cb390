#include "ui/widgets/bevel.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/look.h"

namespace gelvor::ui::bevel {

int edge_width(double zoom) {
    return std::max(1, static_cast<int>(std::lround(zoom)));
}

void frame(QPainter& p, const QRect& r, const QColor& top_left, const QColor& bottom_right,
           int width) {
    p.fillRect(QRect(r.left(), r.top(), r.width(), width), top_left);
    p.fillRect(QRect(r.left(), r.top(), width, r.height()), top_left);
    p.fillRect(QRect(r.left(), r.bottom() - width + 1, r.width(), width), bottom_right);
    p.fillRect(QRect(r.right() - width + 1, r.top(), width, r.height()), bottom_right);
}

void sunken(QPainter& p, const QRect& r, int width) {
    frame(p, r, look::kBevelShadow, look::kBevelLight, width);
    frame(p, r.adjusted(width, width, -width, -width), look::kBevelDarkShadow,
          look::system_colour(15), width);
}

}  // namespace gelvor::ui::bevel
