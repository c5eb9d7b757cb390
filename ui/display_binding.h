#pragma once

#include <string_view>
#include <unordered_map>

#include "present/pass.h"

class QLineEdit;
class QWidget;

namespace gelvor::ui {

class Instrument;

// Carries a pass's display writes to the widgets they name: text boxes get
// their texts, instruments their positions. The names are looked up once.
class DisplayBinding {
  public:
    explicit DisplayBinding(QWidget* root);

    // Applies the writes in order; a faulted pass also empties the text
    // boxes it did not reach. Instruments it did not reach keep their needles.
    void apply(const PassDisplay& pass) const;

  private:
    struct Target {
        QLineEdit* box = nullptr;
        Instrument* instrument = nullptr;
    };
    const Target* find(const char* name) const;
    std::unordered_map<std::string_view, Target> targets_;
};

}  // namespace gelvor::ui
