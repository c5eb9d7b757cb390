#pragma once

#include <QPointF>
#include <QRect>
#include <cmath>

// The window's layout is kept in twips, as the bench software was drawn; it
// becomes pixels here and nowhere else, at the window's zoom (1 is its
// normal size). Qt scales these logical pixels for high-density screens and
// QT_SCALE_FACTOR.
namespace gelvor::ui {

inline constexpr double kTwipsPerPixel = 15.0;

inline double px_exact(double twips, double zoom = 1.0) {
    return twips * zoom / kTwipsPerPixel;
}

inline QPointF px_point(double x_twips, double y_twips, double zoom = 1.0) {
    return {px_exact(x_twips, zoom), px_exact(y_twips, zoom)};
}

inline int px(double twips, double zoom = 1.0) {
    return static_cast<int>(std::lround(px_exact(twips, zoom)));
}

struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

inline QRect px(const TwipsRect& r, double zoom = 1.0) {
    return {px(r.left, zoom), px(r.top, zoom), px(r.width, zoom), px(r.height, zoom)};
}

}  // namespace gelvor::ui
