#pragma once

#include <QDialog>

#include "session/conditions.h"

class QDoubleSpinBox;
class QSpinBox;

namespace gelvor::ui::notebook {

using session::Conditions;

// frmCondiciones: the operating conditions in spin boxes, starting at the
// controls' present values, with the manual's three exercise points a
// keystroke away (Alt+1, Alt+2, Alt+3 set their flows and accept).
class ConditionsDialog : public QDialog {
    Q_OBJECT

  public:
    ConditionsDialog(const Conditions& present, QWidget* parent = nullptr);
    Conditions conditions() const;

  private:
    QSpinBox* condenser_ = nullptr;
    QSpinBox* evaporator_ = nullptr;
    QDoubleSpinBox* barometer_ = nullptr;
    QDoubleSpinBox* water_ = nullptr;
    QDoubleSpinBox* ambient_ = nullptr;
};

}  // namespace gelvor::ui::notebook
