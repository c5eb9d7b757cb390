#pragma once

#include "layout/faces.h"

class QPainter;

// Paints the faces of layout/faces.h with QPainter, in the face's logical
// pixels: the painter's transform scales them to the control's size.
namespace gelvor::ui {

// The height of a line of the window's text at `pixels`: what a face's
// figures are centred and spaced by.
double line_height(int pixels);

void paint_shape(QPainter& p, const layout::Shape& shape);

// Every shape of `face`, its moving part (the needle, the column) as `moving`.
void paint_face(QPainter& p, const layout::Face& face, const layout::Shape& moving);

// The fixed shapes of `face` and those of `position`, layout::Part::on or off.
void paint_face(QPainter& p, const layout::Face& face, layout::Part position);

}  // namespace gelvor::ui
