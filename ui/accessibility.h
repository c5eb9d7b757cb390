#pragma once

namespace gelvor::ui {

// Tells screen readers what our painted controls are: the machine switch is
// a toggle button, the manometers and thermometers give their readings, the
// spins are spin boxes and each tab control is a list of page tabs. Safe to
// call more than once; it must run before the first control is queried.
void install_accessibility();

}  // namespace gelvor::ui
