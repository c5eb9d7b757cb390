#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/bench.h"
#include "notebook/notebook_document.h"
#include "present/notebook_columns.h"
#include "present/number_style.h"
#include "session/bench_session.h"

// One point of the notebook as the class sees it: what it recorded, and the
// marks the program derives from it for the table, the chart and the p-h
// diagram.
namespace gelvor {

struct MarkedPoint {
    int number = 0;
    PanelSettings settings;          // as the pass read them
    std::string locale;              // the number format of every text ("es_ES")
    std::vector<std::string> cells;  // the notebook's row: display texts without units
    std::string note;
    HandResults hand_results;  // the group's own, as typed

    // Derived, never saved.
    std::vector<double> values;  // the cells read as numbers; NaN where empty
    std::vector<SettingOutOfRange> out_of_range;
    BenchState state;                   // the pass behind the texts
    std::vector<std::string> validity;  // where the bench's model is not physical here
    bool discharge_flagged = false;     // among them, B: ringed on the p-h diagram
    std::vector<int> differing;         // columns whose text a pass of the settings no longer gives
    // In a notebook the teacher handed out: the assigned point it was taken
    // at (from 0), or none when taken at other settings.
    std::optional<std::size_t> assigned;
    bool outside_assignment = false;  // handed out, and taken at no assigned point

    bool warned() const {
        return !out_of_range.empty() || !differing.empty() || outside_assignment;
    }
    bool marked() const { return warned() || !validity.empty(); }
};

// The pass on show as a point, exactly as its displays show it, not yet
// numbered; its texts are in `style`, the number format named `locale`.
MarkedPoint point_on_show(const session::ShownPass& pass, std::string locale,
                          const NumberStyle& style);
// A point as a file holds it, with its marks: its texts are kept as
// recorded, and those one pass of its settings no longer gives are marked.
// `style` is the point's number format.
MarkedPoint point_from_file(const NotebookPoint& stored, const NumberStyle& style);
NotebookPoint stored_point(const MarkedPoint& point);

// What a marked point's marks mean, one sentence a line, for its tool tip.
std::string marks_explained(const MarkedPoint& point);

}  // namespace gelvor
