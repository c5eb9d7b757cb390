#pragma once

#include <QDialog>

class QDoubleSpinBox;
class QSpinBox;

namespace gelvor::ui::notebook {

// The five settings at once, within their controls' ranges: the flows in
// whole g/s, the others to a tenth, as the boxes may hold them.
struct Conditions {
    int condenser_flow = 0;   // g/s
    int evaporator_flow = 0;  // g/s
    double barometer = 0;     // mbar
    double water = 0;         // ºC
    double ambient = 0;       // ºC
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
    QDoubleSpinBox* barometer_ = nullptr;
    QDoubleSpinBox* water_ = nullptr;
    QDoubleSpinBox* ambient_ = nullptr;
};

}  // namespace gelvor::ui::notebook
