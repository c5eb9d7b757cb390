#pragma once

#include <QRect>
#include <cmath>

// The window's layout is kept in twips, as the bench software was drawn; it
// becomes pixels here and nowhere else. Qt scales these logical pixels for
// high-density screens and QT_SCALE_FACTOR.
namespace gelvor::ui {

inline constexpr double kTwipsPerPixel = 15.0;

inline int px(double twips) {
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

inline QRect px(const TwipsRect& r) {
    return {px(r.left), px(r.top), px(r.width), px(r.height)};
}

}  // namespace gelvor::ui
