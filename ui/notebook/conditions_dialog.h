#pragma once

#include <QDialog>

class QSpinBox;

namespace gelvor::ui::notebook {

// The five settings at once, as whole numbers within their controls' ranges.
struct Conditions {
    int condenser_flow = 0;   // g/s
    int evaporator_flow = 0;  // g/s
    int barometer = 0;        // mbar
    int water = 0;            // ºC
    int ambient = 0;          // ºC
};

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
    QSpinBox* barometer_ = nullptr;
    QSpinBox* water_ = nullptr;
    QSpinBox* ambient_ = nullptr;
};

}  // namespace gelvor::ui::notebook
