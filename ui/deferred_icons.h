#pragma once

class QApplication;
class QStyle;
class QString;

namespace gelvor::ui {

// Wraps the application's style so that the menu bar's overflow arrow, which
// shows only when the menus do not fit in the bar, is read from Qt's images
// when it is first drawn rather than when the menu bar is made: reading it
// looks through Qt's image plugins, a good part of the main window's making.
// Call before the first widget is made; everything else is the style's own.
void defer_menu_overflow_icon(QApplication* app);
// That style over the style named `base`.
QStyle* style_deferring_overflow_icon(const QString& base);

}  // namespace gelvor::ui
