#pragma once

#include <span>
#include <string_view>

#include "layout/control_table.h"

// The bench window on a screen narrower than itself, or worked by touch: its
// parts one under another at the screen's width. The drawing with its
// instruments is scaled as one picture; the controls worked on it come out
// of it into a band under it, big enough for a finger; each tab control
// follows at full width, a page scaled as one picture or, where it holds
// settings or text to read, laid out as a form of rows.
namespace gelvor::layout {

enum class NarrowPart {
    drawing,  // stays on the drawing, scaled with it
    band,     // out of the drawing, at full width under it
    whole,    // a tab control at full width
    picture,  // on a page scaled as one picture, at its twips
    form,     // on a page laid out as a form, in its cell
};

// A cell of a form's grid: its first row and column (from 1) and how many of
// each it spans. `over` names the picture a line is drawn over: the line
// stands in that picture's cell, where its twips put it.
struct FormCell {
    int row = 0, column = 0, rows = 1, columns = 1;
    const char* over = nullptr;
};

// A form's columns: a box, its unit, its spin; a caption spans them on the
// row above.
inline constexpr int kFormColumns = 3;

struct NarrowPlace {
    NarrowPart part = NarrowPart::drawing;
    FormCell cell;  // a form's control's
    // On a screen wide enough for two columns, the column a part stands in:
    // the tab control on the window's right stands beside the others.
    int wide_column = 1;
};

NarrowPlace narrow_place(const ControlRow& row);

// A page laid out as a form, and the cell of every control on it.
struct FormEntry {
    const char* name;
    FormCell cell;
};
struct NarrowForm {
    const char* tabs;
    int page;
    std::span<const FormEntry> cells;
};
std::span<const NarrowForm> narrow_forms();

// Whether page `page` of tab control `tabs` is laid out as a form.
bool narrow_form_page(std::string_view tabs, int page);

}  // namespace gelvor::layout
