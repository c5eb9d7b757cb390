#pragma once

#include <QWidget>

#include "ui/widgets/design_scale.h"

namespace gelvor::ui {

// An indicating instrument: a value on a fixed scale. Values beyond the scale
// are kept as given and drawn at the scale's end.
class Instrument : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double position READ position WRITE setPosition NOTIFY positionChanged)
    Q_PROPERTY(double positionMin READ positionMin WRITE setPositionMin)
    Q_PROPERTY(double positionMax READ positionMax WRITE setPositionMax)

  public:
    explicit Instrument(QWidget* parent = nullptr);

    double position() const { return position_; }
    // False after `setUnset`: no value, shown as 0 (a coil without water).
    bool hasReading() const { return has_reading_; }
    double positionMin() const { return min_; }
    double positionMax() const { return max_; }
    void setPosition(double value);
    void setUnset();
    void setPositionMin(double value);
    void setPositionMax(double value);
    void setRange(double min, double max);
    // The size the drawing is laid out for; the window's zoom scales it.
    void setDesignSize(const QSize& size);

  signals:
    void positionChanged(double value);

  protected:
    // Where the position stands on the scale, from 0 (minimum) to 1 (maximum).
    double fraction() const;
    double fractionOf(double value) const;
    // The drawing's logical size and its mapping onto the widget.
    QSizeF designExtent() const { return design_.extent(size()); }
    QTransform designToWidget() const { return design_.toWidget(size()); }

  private:
    double position_ = 0;
    bool has_reading_ = true;
    double min_ = 0;
    double max_ = 100;
    DesignScale design_;
};

}  // namespace gelvor::ui
