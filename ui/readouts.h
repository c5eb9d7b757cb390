#pragma once

class QLineEdit;

namespace gelvor::ui {

// A box that only the recomputation writes: its text can be selected and
// copied but not typed over, it is no Tab stop, it tells a screen reader
// which quantity it shows, and it shows the start of its text again when
// the focus leaves it.
void make_readout(QLineEdit* box);

}  // namespace gelvor::ui
