#pragma once

#include <QColor>
#include <QStringList>
#include <optional>
#include <vector>

#include "layout/faces.h"
#include "ui/widgets/instrument.h"

namespace gelvor::ui {

// A liquid-column thermometer: a one-pixel column rising from its bulb in a
// tinted tube, with major and minor ticks beside it and, for the room
// thermometer, their values. Its face is layout's, drawn at its design size.
class Thermometer : public Instrument {
    Q_OBJECT

  public:
    explicit Thermometer(QWidget* parent = nullptr);

    void setColumnColour(const QColor& c);
    void setTubeColour(const QColor& c);
    void setMajorTicks(int count);
    void setTickLabels(bool shown);
    // Majors at round values (1, 2 or 5 times a power of ten apart), about
    // `count` of them, in place of `setMajorTicks`' equal steps; 0 turns it off.
    void setDesiredTicks(int count);
    // The top of the column, in the widget's pixels, as it is drawn.
    double columnTop() const;
    // The values written beside the major ticks, bottom up, when shown.
    QStringList labels() const;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    // What the face is drawn from: the scale, the colours and the ticks.
    layout::ThermometerLook look() const;
    // The column's centre line, its bulb and the scale's ends, in logical pixels.
    layout::ThermometerFrame frame() const;
    layout::ThermometerLook look_;
    // The face as last drawn, made again when the look or the size changes.
    mutable std::optional<layout::Face> face_;
    mutable layout::ThermometerLook face_look_;
};

}  // namespace gelvor::ui
