#pragma once

#include <vector>

#include "session/bench_view.h"

class QLineEdit;
class QWidget;

namespace gelvor::ui {

class Instrument;

// Carries the session's displays to the widgets they name: text boxes get
// their texts, instruments their positions. The names are looked up once.
class DisplayBinding {
  public:
    DisplayBinding(QWidget* root, const std::vector<session::DisplayView>& displays);

    // Draws the displays that differ from `before` (all of them without it).
    void draw(const std::vector<session::DisplayView>& now,
              const std::vector<session::DisplayView>* before) const;

  private:
    struct Target {
        QLineEdit* box = nullptr;
        Instrument* instrument = nullptr;
    };
    std::vector<Target> targets_;  // in the order of the session's displays
};

}  // namespace gelvor::ui
