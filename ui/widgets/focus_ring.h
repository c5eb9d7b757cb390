#pragma once

class QPainter;
class QRect;
class QWidget;

// Keyboard focus on our painted controls: a ring just inside the given
// rectangle, in the focus colour. As on Windows, the focus that the window
// hands to its first control when it opens is not shown until a key is
// pressed or the focus moves; from then on it shows wherever it goes.
namespace gelvor::ui {

// Lets a control remember how it got the focus. Call once per control.
void track_focus_cue(QWidget* control);

// Draws the ring if the control has the focus and it is to be shown.
void paint_focus_ring(QPainter& p, const QWidget* control, const QRect& around);

}  // namespace gelvor::ui
