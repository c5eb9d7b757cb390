#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace gelvor::ui {

// A tool tip written the moment it opens, so that it gives the reading of
// that moment. The text is also left as the widget's tool tip.
void set_live_tip(QWidget* widget, std::function<QString()> text);

}  // namespace gelvor::ui
