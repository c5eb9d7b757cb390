#pragma once

#include <optional>

#include "layout/faces.h"
#include "ui/widgets/instrument.h"

namespace gelvor::ui {

// The bench's angular pressure gauge: a 280-degree dial on a light-yellow
// face, a white section up to zero and a second one up to 30, the pointer
// on its hub and the unit "KPa" under the centre. Its face is layout's,
// drawn at its design size.
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
    layout::GaugeLook look() const;
    // The needle at the position, in the dial's logical pixels.
    layout::Shape needle() const;
    bool lowered_bevel_ = false;
    // The face as last drawn, made again when the look or the size changes.
    mutable std::optional<layout::Face> face_;
    mutable layout::GaugeLook face_look_;
};

}  // namespace gelvor::ui
