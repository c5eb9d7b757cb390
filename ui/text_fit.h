#pragma once

class QLabel;
class QLineEdit;

// Liberation Sans runs wider than the bitmap font the layout was drawn with.
// A text that would be cut off at its box steps down in size, a pixel at a
// time, as long as it stays legible.
namespace gelvor::ui {

// A caption: fitted once, when it is placed.
void fit_caption(QLabel* label);

// A box's text: refitted whenever it changes. A text that cannot fit even
// at the smallest size keeps the box's own size.
void keep_text_fitted(QLineEdit* box);

}  // namespace gelvor::ui
