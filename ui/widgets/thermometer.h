#pragma once

#include <QColor>

#include "ui/widgets/instrument.h"

namespace gelvor::ui {

// A liquid-column thermometer: a one-pixel column rising from its bulb in a
// tinted tube, with major and minor ticks beside it and, for the room
// thermometer, their values.
class Thermometer : public Instrument {
    Q_OBJECT

  public:
    explicit Thermometer(QWidget* parent = nullptr);

    void setColumnColour(const QColor& c);
    void setTubeColour(const QColor& c);
    void setMajorTicks(int count);
    void setTickLabels(bool shown);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QColor column_{255, 0, 0};
    QColor tube_{Qt::white};
    int major_ticks_ = 4;
    bool tick_labels_ = false;
};

}  // namespace gelvor::ui
