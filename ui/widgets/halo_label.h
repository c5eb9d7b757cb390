#pragma once

#include <QLabel>

namespace gelvor::ui {

// A transparent label whose text carries a thin pale halo, so that a
// measuring-point marker stays legible where it lies over a pipe or a
// thermometer of the bench drawing.
class HaloLabel : public QLabel {
    Q_OBJECT

  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace gelvor::ui
