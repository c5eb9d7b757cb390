#pragma once

#include <QSize>
#include <QTransform>
#include <algorithm>

// Our painted controls draw in the pixels of the size they were designed
// for, as Qt's analog clock draws on its 200 x 200 face: the painter scales
// those logical pixels to the widget's size, so a zoomed control is the same
// vector drawing, larger and still sharp.
namespace gelvor::ui {

class DesignScale {
  public:
    // An empty size (the default) draws at the widget's own size, unscaled.
    void setDesignSize(const QSize& size) { design_ = size; }

    // The logical size the drawing fills.
    QSizeF extent(const QSize& widget) const {
        return design_.isEmpty() ? QSizeF(widget) : QSizeF(design_);
    }

    // From logical pixels to the widget's: one scale for both directions,
    // the drawing centred where the widget's rounding leaves a spare pixel.
    QTransform toWidget(const QSize& widget) const {
        const QSizeF e = extent(widget);
        if (e.isEmpty())
            return {};
        const double s = std::min(widget.width() / e.width(), widget.height() / e.height());
        QTransform t;
        t.translate((widget.width() - e.width() * s) / 2, (widget.height() - e.height() * s) / 2);
        t.scale(s, s);
        return t;
    }

  private:
    QSize design_;
};

}  // namespace gelvor::ui
