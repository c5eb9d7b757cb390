#include "notebook/notebook_points.h"

#include <algorithm>
#include <string_view>

#include "notebook/hand_results.h"
#include "present/notebook_columns.h"
#include "present/table_text.h"

namespace gelvor {

PanelSettings panel_settings(const PointSettings& s) {
    PanelSettings p;
    p.evaporator_water_flow = s.evaporator_water_flow;
    p.condenser_water_flow = s.condenser_water_flow;
    p.barometer_text = s.barometer_text;
    p.water_text = s.water_text;
    p.ambient_text = s.ambient_text;
    return p;
}

PointSettings point_settings(const PanelSettings& s) {
    return {s.evaporator_water_flow, s.condenser_water_flow, s.barometer_text, s.water_text,
            s.ambient_text};
}

NotebookPoint notebook_point(const PanelSettings& settings, const PassDisplay& pass,
                             std::string locale, const NumberStyle& style) {
    NotebookPoint point;
    point.settings = {settings.evaporator_water_flow, settings.condenser_water_flow,
                      settings.barometer_text, settings.water_text, settings.ambient_text};
    point.locale = std::move(locale);
    const std::vector<std::string> headers = notebook_headers();
    std::vector<std::string> cells = notebook_row(settings, pass, style);
    for (std::size_t c = 0; c < headers.size(); ++c)
        point.readings.emplace_back(headers[c], std::move(cells[c]));
    return point;
}

std::vector<std::string> point_cells(const NotebookPoint& point, const NumberStyle& style,
                                     std::vector<int>& differing) {
    const PanelSettings settings = panel_settings(point.settings);
    const std::vector<std::string> now = notebook_row(settings, run_pass(settings, style), style);
    std::vector<std::string> cells = now;
    differing.clear();
    for (const auto& [header, text] : point.readings) {
        const int c = notebook_column(header);
        if (c < 0)
            continue;  // a column this program no longer has
        cells[static_cast<std::size_t>(c)] = text;
        if (text != now[static_cast<std::size_t>(c)])
            differing.push_back(c);
    }
    std::sort(differing.begin(), differing.end());
    return cells;
}

std::string csv_text_cell(std::string text) {
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        text.insert(0, 1, '\'');
    return text;
}

std::string notebook_csv(const NotebookDocument& d,
                         const std::vector<std::vector<std::string>>& cells,
                         const NumberStyle& style, bool byte_order_mark) {
    const char separator = csv_separator(style);
    std::string out = byte_order_mark ? "\xEF\xBB\xBF" : "";
    std::vector<std::string> fields{kPointNumberHeader};
    for (std::string& h : notebook_headers()) fields.push_back(std::move(h));
    fields.push_back(kNoteHeader);
    for (std::size_t k = 0; k < kHandResultCount; ++k) fields.push_back(hand_result_header(k));
    fields.insert(fields.end(), std::begin(kWhoHeaders), std::end(kWhoHeaders));
    out += csv_record(fields, separator);
    for (std::size_t r = 0; r < d.points.size() && r < cells.size(); ++r) {
        const NotebookPoint& p = d.points[r];
        fields = {std::to_string(p.number)};
        fields.insert(fields.end(), cells[r].begin(), cells[r].end());
        // What the class typed may not run in a spreadsheet; the readings are numbers.
        fields.push_back(csv_text_cell(p.note));
        for (const std::string& typed : p.hand_results)
            fields.push_back(check_hand_result(typed, 1.0, kDefaultTolerance, style) ==
                                     HandCheck::unreadable
                                 ? csv_text_cell(typed)
                                 : typed);
        fields.push_back(csv_text_cell(d.header.students));
        fields.push_back(csv_text_cell(d.header.group));
        fields.push_back(d.header.date);
        out += csv_record(fields, separator);
    }
    return out;
}

}  // namespace gelvor
