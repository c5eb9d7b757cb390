#include "notebook/notebook_table.h"

#include "notebook/hand_results.h"
#include "notebook/notebook_points.h"
#include "present/notebook_columns.h"
#include "present/table_text.h"

namespace gelvor {

int note_table_column() {
    return static_cast<int>(notebook_columns().size()) + 1;
}

int hand_table_column(std::size_t which) {
    return note_table_column() + 1 + static_cast<int>(which);
}

int hand_result_of(int column) {
    const int which = column - hand_table_column(0);
    return which >= 0 && which < static_cast<int>(kHandResultCount) ? which : -1;
}

int table_column_count() {
    return hand_table_column(kHandResultCount);
}

std::string table_header(int column) {
    if (column == kNumberTableColumn)
        return kPointNumberHeader;
    if (column == note_table_column())
        return kNoteHeader;
    if (const int which = hand_result_of(column); which >= 0)
        return hand_result_header(static_cast<std::size_t>(which));
    return notebook_columns()[static_cast<std::size_t>(column - 1)].header;
}

std::string table_cell(const MarkedPoint& p, int column) {
    if (column == kNumberTableColumn)
        return std::to_string(p.number);
    if (column == note_table_column())
        return p.note;
    if (const int which = hand_result_of(column); which >= 0)
        return p.hand_results[static_cast<std::size_t>(which)];
    const auto c = static_cast<std::size_t>(column - 1);
    return c < p.cells.size() ? p.cells[c] : std::string();
}

std::string tab_separated(const std::vector<MarkedPoint>& points, const std::vector<int>& rows,
                          const std::vector<int>& columns) {
    std::vector<std::string> fields;
    for (int c : columns) fields.push_back(table_header(c));
    std::string out = tsv_line(fields);
    for (int r : rows) {
        if (r < 0 || r >= static_cast<int>(points.size()))
            continue;
        fields.clear();
        for (int c : columns) fields.push_back(table_cell(points[static_cast<std::size_t>(r)], c));
        out += tsv_line(fields);
    }
    return out;
}

}  // namespace gelvor
