#pragma once

#include <cmath>

// The window's layout is kept in twips, as the bench software was drawn; it
// becomes pixels at the window's zoom (1 is its normal size), 15 twips to a
// pixel at 96 dpi.
namespace gelvor::layout {

inline constexpr double kTwipsPerPixel = 15.0;

inline double px_exact(double twips, double zoom = 1.0) {
    return twips * zoom / kTwipsPerPixel;
}

inline int px(double twips, double zoom = 1.0) {
    return static_cast<int>(std::lround(px_exact(twips, zoom)));
}

struct TwipsRect {
    double left = 0, top = 0, width = 0, height = 0;
};

}  // namespace gelvor::layout
