#pragma once

#include "ui/widgets/instrument.h"

namespace gelvor::ui {

// The bench's angular pressure gauge: a 280-degree dial on a light-yellow
// face, a white section up to zero and a second one up to 30, the pointer
// on its hub and the unit "KPa" under the centre.
class Manometer : public Instrument {
    Q_OBJECT

  public:
    explicit Manometer(QWidget* parent = nullptr);

    void setLoweredBevel(bool on);
    // Where the pointer ends, in the widget's pixels, as it is drawn.
    QPointF needleTip() const;

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    // Dial angle in degrees, counter-clockwise from three o'clock.
    double angleOf(double fraction) const;
    // Hub and pointer end in the dial's logical pixels.
    QPointF centre() const;
    QPointF tip() const;
    bool lowered_bevel_ = false;
};

}  // namespace gelvor::ui
