#pragma once

#include <QDialog>

#include <optional>

#include "notebook/notebook_document.h"
#include "session/conditions.h"

class QDoubleSpinBox;
class QSpinBox;

namespace gelvor::ui::notebook {

using session::Conditions;

// frmCondiciones: the operating conditions in spin boxes, starting at the
// controls' present values, with the exercise's three points a keystroke
// away (Alt+1, Alt+2, Alt+3): the manual's set their flows, a group's own set
// all five settings, and accept.
class ConditionsDialog : public QDialog {
    Q_OBJECT

  public:
    // A notebook the teacher handed out offers the group's own points
    // instead of the manual's.
    ConditionsDialog(const Conditions& present, const std::optional<Assignment>& assignment,
                     QWidget* parent = nullptr);
    Conditions conditions() const;

  private:
    QSpinBox* condenser_ = nullptr;
    QSpinBox* evaporator_ = nullptr;
    QDoubleSpinBox* barometer_ = nullptr;
    QDoubleSpinBox* water_ = nullptr;
    QDoubleSpinBox* ambient_ = nullptr;
};

}  // namespace gelvor::ui::notebook
