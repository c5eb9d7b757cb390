#pragma once

#include <QColor>
#include <QRect>

class QPainter;

// Edges of the classic look, drawn as filled runs of pixels rather than pen
// lines: a filled run always covers whole device pixels, where a one-pixel
// pen line at a fractional device position (QT_SCALE_FACTOR 1.5) can round
// to the pixel just outside the widget and vanish.
namespace gelvor::ui::bevel {

// The top and left edges of `r` in `top_left`, then the bottom and right
// edges in `bottom_right`, each `width` pixels thick inside `r`.
void frame(QPainter& p, const QRect& r, const QColor& top_left, const QColor& bottom_right,
           int width = 1);

// The sunken border of a picture box: two such frames, `width` each.
void sunken(QPainter& p, const QRect& r, int width = 1);

// How thick an edge of one pixel at the window's normal size is drawn at a
// zoom: whole pixels, so that it stays crisp.
int edge_width(double zoom);

}  // namespace gelvor::ui::bevel
