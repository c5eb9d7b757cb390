#pragma once

#include <string>
#include <vector>

#include "notebook/marked_point.h"

// The notebook as its table shows it, for every front end: the point's
// number, one column per notebook quantity, the note, then the group's own
// results ("Mis resultados", notebook/hand_results.h); each cell's text,
// and the tab-separated text that copying the table gives.
namespace gelvor {

inline constexpr int kNumberTableColumn = 0;
// The table column of a notebook quantity.
inline int table_column(int notebook_column) {
    return notebook_column + 1;
}
int note_table_column();
// The table column of hand result `which`, and the hand result a table
// column holds (-1 for none).
int hand_table_column(std::size_t which);
int hand_result_of(int column);
int table_column_count();

std::string table_header(int column);
std::string table_cell(const MarkedPoint& point, int column);

// The given rows and columns of `points`, each in ascending order, as
// tab-separated text with a header line first.
std::string tab_separated(const std::vector<MarkedPoint>& points, const std::vector<int>& rows,
                          const std::vector<int>& columns);

}  // namespace gelvor
