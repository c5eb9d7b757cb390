#include "notebook/marked_point.h"

#include <algorithm>
#include <limits>

#include "notebook/notebook_messages.h"
#include "notebook/notebook_points.h"
#include "present/box_reading.h"

namespace gelvor {
namespace {

// The numbers, the settings' ranges, the state and the validity notes behind
// a point's texts, from the one pass that shows them.
void derive(MarkedPoint& p, const session::ShownPass& pass, const NumberStyle& style) {
    p.values.clear();
    p.values.reserve(p.cells.size());
    for (const std::string& cell : p.cells) {
        p.values.push_back(
            read_box_number(cell, style).value_or(std::numeric_limits<double>::quiet_NaN()));
    }
    p.out_of_range = settings_out_of_range(p.settings, style);
    p.state = pass.result.state;
    p.validity.clear();
    p.discharge_flagged = false;
    for (const ValidityNote& n : pass.display.validity_notes) {
        p.validity.push_back(n.text);
        p.discharge_flagged = p.discharge_flagged || n.issue == ValidityIssue::discharge_in_dome;
    }
}

session::ShownPass pass_of(const PanelSettings& settings, const NumberStyle& style) {
    session::ShownPass pass;
    pass.settings = settings;
    pass.inputs = read_settings(settings, style);
    pass.result = recompute(pass.inputs);
    pass.display = show_pass(settings, pass.inputs, pass.result, style);
    return pass;
}

}  // namespace

MarkedPoint point_on_show(const session::ShownPass& pass, std::string locale,
                          const NumberStyle& style) {
    MarkedPoint p;
    p.settings = pass.settings;
    p.locale = std::move(locale);
    p.cells = notebook_row(pass.settings, pass.display, style);
    derive(p, pass, style);
    return p;
}

MarkedPoint point_from_file(const NotebookPoint& stored, const NumberStyle& style) {
    MarkedPoint p;
    p.number = stored.number;
    p.settings = panel_settings(stored.settings);
    p.locale = stored.locale;
    p.note = stored.note;
    p.hand_results = stored.hand_results;
    const session::ShownPass pass = pass_of(p.settings, style);
    p.cells = notebook_row(p.settings, pass.display, style);
    const std::vector<std::string> now = p.cells;
    // A column the file lacks (written by an older program) shows what the
    // pass shows; one this program no longer has is left out.
    for (const auto& [header, text] : stored.readings) {
        const int c = notebook_column(header);
        if (c < 0)
            continue;
        p.cells[static_cast<std::size_t>(c)] = text;
        if (text != now[static_cast<std::size_t>(c)])
            p.differing.push_back(c);
    }
    std::sort(p.differing.begin(), p.differing.end());
    p.differing.erase(std::unique(p.differing.begin(), p.differing.end()), p.differing.end());
    derive(p, pass, style);
    return p;
}

NotebookPoint stored_point(const MarkedPoint& p) {
    NotebookPoint stored;
    stored.number = p.number;
    stored.settings = point_settings(p.settings);
    stored.locale = p.locale;
    const std::vector<std::string> headers = notebook_headers();
    for (std::size_t c = 0; c < headers.size() && c < p.cells.size(); ++c)
        stored.readings.emplace_back(headers[c], p.cells[c]);
    stored.note = p.note;
    stored.hand_results = p.hand_results;
    return stored;
}

std::string marks_explained(const MarkedPoint& p) {
    std::vector<std::string> lines;
    for (const SettingOutOfRange& o : p.out_of_range) lines.push_back(o.message);
    if (!p.differing.empty()) {
        std::vector<std::string> headers;
        for (int c : p.differing)
            headers.emplace_back(notebook_columns()[static_cast<std::size_t>(c)].header);
        lines.push_back(readings_differ(headers));
    }
    if (p.outside_assignment)
        lines.push_back(kOutsideAssignment);
    lines.insert(lines.end(), p.validity.begin(), p.validity.end());
    std::string out;
    for (const std::string& l : lines) out += (out.empty() ? "" : "\n") + l;
    return out;
}

}  // namespace gelvor
