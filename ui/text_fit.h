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
// A fitted box's own text size (0 if the box is not fitted), and a new one
// for it, as the window's zoom sets it; the text is fitted again at once.
int box_text_pixels(const QLineEdit* box);
void set_box_text_pixels(QLineEdit* box, int pixels);

}  // namespace gelvor::ui
