#pragma once

#include <string>
#include <vector>

#include "notebook/notebook_document.h"
#include "present/number_style.h"
#include "present/pass.h"

// A notebook's points and the passes behind them, for every front end: a
// point made from the pass on show, a stored point's texts checked against a
// pass of its settings, and the notebook as a CSV table.
namespace gelvor {

PanelSettings panel_settings(const PointSettings& settings);
PointSettings point_settings(const PanelSettings& settings);

// The point a pass showed, not yet numbered, its texts in `style` (the number
// format named `locale`).
NotebookPoint notebook_point(const PanelSettings& settings, const PassDisplay& pass,
                             std::string locale, const NumberStyle& style);

// A stored point's texts in the notebook's column order, as recorded; a
// column the point lacks (written by an older program) gets what a pass of
// its settings shows. `differing` receives the columns whose recorded text
// that pass no longer gives. `style` is the point's number format.
std::vector<std::string> point_cells(const NotebookPoint& point, const NumberStyle& style,
                                     std::vector<int>& differing);

// The table's headers around the notebook's columns.
inline constexpr const char* kPointNumberHeader = "N.\u00BA";
inline constexpr const char* kNoteHeader = "Nota";
inline constexpr const char* kWhoHeaders[] = {"Alumnos", "Grupo", "Fecha"};

// A text the class typed, as a CSV cell that a spreadsheet shows as text:
// one that would start a formula ("=", "+", "-", "@", a tab or a carriage
// return first) takes an apostrophe before it.
std::string csv_text_cell(std::string text);

// The notebook as RFC 4180 CSV: the point's number, its readings (`cells`,
// one row of texts per point as point_cells gives them), its note, the
// group's own results, then the students, the group and the date on every
// row, so that a spreadsheet reads one table; the note, the students, the
// group and any hand result that is no number as csv_text_cell writes them.
// Separated as `style` wants; with a UTF-8 byte order mark first when
// `byte_order_mark`, so that a spreadsheet reads the accents.
std::string notebook_csv(const NotebookDocument& document,
                         const std::vector<std::vector<std::string>>& cells,
                         const NumberStyle& style, bool byte_order_mark);

}  // namespace gelvor
