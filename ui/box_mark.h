#pragma once

#include "present/operator_notices.h"
#include "session/bench_view.h"

class QLineEdit;

namespace gelvor::ui {

// A frame drawn over a box's edge to draw the operator's eye to it: red for
// a text that made a pass fail, amber for a warning. The box itself, its
// text and its font stay as they are.
using session::BoxMark;

void mark_box(QLineEdit* box, BoxMark mark);
BoxMark box_mark(const QLineEdit* box);

// A setting box holding text typed but not yet applied: a pale fill behind
// its text and the tool tip kApplyHint, "Pulse Intro para aplicar".
using gelvor::kApplyHint;
void mark_pending(QLineEdit* box, bool pending);
bool is_pending(const QLineEdit* box);
// A box's tool tip: the hint while it is pending, and its whole text when
// the text is cut at the box's edge (the box's property kTextCutProperty).
inline constexpr const char* kTextCutProperty = "gelvorTextCut";
void update_box_tip(QLineEdit* box);

}  // namespace gelvor::ui
