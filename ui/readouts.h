#pragma once

class QLineEdit;

namespace gelvor::ui {

// A box that only the recomputation writes: its text can be selected and
// copied but not typed over, it is no Tab stop, it tells a screen reader
// which quantity it shows, and it shows the start of its text again when
// the focus leaves it.
void make_readout(QLineEdit* box);

// A setting box shows the start of its text whenever the focus leaves it,
// so that a narrow box never shows "5,5" for "15,5"; whoever writes it sets
// the start in view too.
void keep_start_shown(QLineEdit* box);

}  // namespace gelvor::ui
