#pragma once

#include <QPointF>
#include <QRect>

#include "layout/twips.h"

// Twips become Qt's pixels here and nowhere else. Qt scales these logical
// pixels for high-density screens and QT_SCALE_FACTOR.
namespace gelvor::ui {

using layout::kTwipsPerPixel;
using layout::px;
using layout::px_exact;
using layout::TwipsRect;

inline QPointF px_point(double x_twips, double y_twips, double zoom = 1.0) {
    return {px_exact(x_twips, zoom), px_exact(y_twips, zoom)};
}

inline QRect px(const TwipsRect& r, double zoom = 1.0) {
    return {px(r.left, zoom), px(r.top, zoom), px(r.width, zoom), px(r.height, zoom)};
}

}  // namespace gelvor::ui
