#pragma once

class QCoreApplication;

namespace gelvor::ui {

// Qt's own texts (a box's context menu, a message box's buttons) in Spanish,
// like the rest of the window, whatever the user's language. Returns false
// if Qt's Spanish translations are not installed; Qt's texts stay English.
bool install_qt_translations(QCoreApplication* app);

}  // namespace gelvor::ui
