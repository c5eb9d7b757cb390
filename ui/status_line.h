#pragma once

#include <vector>

#include "session/bench_view.h"

class QLabel;
class QMainWindow;

namespace gelvor::ui {

// Shows the status line's lines, each in its tone's colour; the line grows
// to the lines they need, and the window back to its size once they have
// gone. Typed text in a message is never read as markup.
void show_status_lines(QMainWindow* window, QLabel* line,
                       const std::vector<session::StatusLine>& lines);

}  // namespace gelvor::ui
