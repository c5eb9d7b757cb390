#pragma once

#include <array>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMainWindow;
class QPlainTextEdit;
class QScrollBar;
class QWidget;

namespace gelvor::ui {

class Instrument;
class LineShape;
class Picture;
class PlacedLabel;
class RockerSwitch;
class SpinControl;
class TabControl;

// The controls that the window's handlers read and move. Everything else of
// the layout is built alongside and found by name when needed.
struct Form1Controls {
    Picture* canvas = nullptr;  // the bench drawing under everything
    RockerSwitch* power = nullptr;
    QScrollBar* evaporator_bar = nullptr;    // VScroll1
    QScrollBar* condenser_bar = nullptr;     // VScroll2
    Picture* evaporator_float = nullptr;     // Image1
    Picture* condenser_float = nullptr;      // Image2
    SpinControl* barometer_spin = nullptr;   // UpDown1
    SpinControl* ambient_spin = nullptr;     // UpDown2
    SpinControl* water_spin = nullptr;       // UpDown3
    QLineEdit* barometer_box = nullptr;      // Text3
    QLineEdit* ambient_box = nullptr;        // Text4
    QLineEdit* water_box = nullptr;          // Text8
    Instrument* room_thermometer = nullptr;  // iThermometerX1
    std::array<Instrument*, 6> ter{};
    std::array<Picture*, 3> running{};            // Picture1_0..2
    std::array<QLineEdit*, 32> results{};         // Text7_0..31
    std::array<LineShape*, 4> cycle_lines{};      // Line1_0..3
    std::array<PlacedLabel*, 4> cycle_letters{};  // Label2_0..3
    TabControl* sstab1 = nullptr;
    TabControl* sstab2 = nullptr;
    QLabel* status_line = nullptr;
    QAction* exit_action = nullptr;  // ce
    std::array<QAction*, 3> zoom{};  // ampliar, reducir, tamanoOriginal
    QMenu* file_menu = nullptr;      // Ar
    QMenu* notebook_menu = nullptr;  // Registro
    QMenu* help_menu = nullptr;      // ay
};

// Builds every control of the main window into `window`, at its start state.
Form1Controls build_form1(QMainWindow* window);

}  // namespace gelvor::ui
