#include "notebook/assignment.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>

#include "model/settings_ranges.h"
#include "present/box_reading.h"
#include "present/notebook_columns.h"
#include "present/table_text.h"

namespace gelvor {
namespace {

std::string_view trimmed(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::string said(Language language, const char* spanish, const char* english) {
    return language == Language::spanish ? spanish : english;
}

std::string line_error(Language language, std::size_t line, const std::string& what) {
    return said(language, "En la línea ", "Line ") + std::to_string(line) +
           said(language, " de la lista de grupos, ", " of the list of groups: ") + what + ".";
}

// A whole number from lo to hi, both included, from the generator alone.
int drawn(std::mt19937& rng, int lo, int hi) {
    return lo + static_cast<int>(rng() % static_cast<unsigned>(hi - lo + 1));
}

// The bench's model holds there: a complete pass, nothing out of range, no
// validity note.
bool physical(const AssignedPoint& p) {
    const PassDisplay pass = run_pass(panel_settings(p), spanish_number_style());
    return pass.complete() && recordable(pass) && pass.range_warnings.empty() &&
           pass.validity_notes.empty();
}

}  // namespace

GroupsRead read_groups(std::string_view text, Language language) {
    GroupsRead out;
    std::set<std::string> names, files;
    std::size_t line_number = 0;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        ++line_number;
        if (line.empty() || line.front() == '#')
            continue;
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return {{},
                    line_error(language, line_number,
                               said(language, "falta «:» entre el grupo y sus alumnos",
                                    "the \":\" between the group and its students is missing"))};
        Group g{std::string(trimmed(line.substr(0, colon))), {}};
        if (g.name.empty())
            return {{},
                    line_error(language, line_number,
                               said(language, "falta el nombre del grupo",
                                    "the group's name is missing"))};
        std::string_view rest = line.substr(colon + 1);
        while (!rest.empty()) {
            const std::size_t comma = std::min(rest.find(','), rest.size());
            const std::string_view name = trimmed(rest.substr(0, comma));
            if (!name.empty())
                g.students.emplace_back(name);
            rest.remove_prefix(std::min(comma + 1, rest.size()));
        }
        if (!names.insert(g.name).second || !files.insert(file_name_of(g.name)).second)
            return {{},
                    line_error(language, line_number,
                               language == Language::spanish
                                   ? "el grupo «" + g.name + "» ya está en la lista"
                                   : "the group \"" + g.name + "\" is already in it")};
        out.groups.push_back(std::move(g));
    }
    if (out.groups.empty())
        out.error = said(language, "La lista de grupos no tiene ningún grupo.",
                         "The list of groups holds no group.");
    return out;
}

std::vector<AssignedPoint> draw_points(std::mt19937& rng) {
    std::vector<AssignedPoint> points;
    for (const session::ExerciseFlows& manual : session::kExercisePoints) {
        const auto around = [&](int flow) {
            return drawn(rng, std::max(kMinimumRunningFlow, flow - 3), flow + 3);
        };
        AssignedPoint p;
        // Some draws fall where the model is not physical (a warm room
        // with little water): drawn again, as many times as it takes.
        do {
            p = {around(manual.condenser), around(manual.evaporator),
                 drawn(rng, kBarometerRange.min, kBarometerRange.max),
                 drawn(rng, kWaterInletRange.min, kWaterInletRange.max),
                 drawn(rng, kAmbientRange.min, kAmbientRange.max)};
        } while (!physical(p));
        points.push_back(p);
    }
    return points;
}

std::string sealed_text(const Assignment& a) {
    nlohmann::json points = nlohmann::json::array();
    for (const AssignedPoint& p : a.points)
        points.push_back({p.condenser_flow, p.evaporator_flow, p.barometer, p.water, p.ambient});
    const nlohmann::json sealed = {"gelvor-practica", a.group, a.students, points};
    return sealed.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

NotebookDocument assignment_notebook(const Assignment& a) {
    NotebookDocument d;
    for (const std::string& s : a.students)
        d.header.students += (d.header.students.empty() ? "" : ", ") + s;
    d.header.group = a.group;
    d.assignment = a;
    return d;
}

PanelSettings panel_settings(const AssignedPoint& p) {
    PanelSettings s;
    s.evaporator_water_flow = p.evaporator_flow;
    s.condenser_water_flow = p.condenser_flow;
    s.barometer_text = std::to_string(p.barometer);
    s.water_text = std::to_string(p.water);
    s.ambient_text = std::to_string(p.ambient);
    return s;
}

session::Conditions conditions_of(const AssignedPoint& p) {
    return {p.condenser_flow, p.evaporator_flow, double(p.barometer), double(p.water),
            double(p.ambient)};
}

std::optional<std::size_t> assigned_point_taken(const PointSettings& s, const Assignment& a,
                                                const NumberStyle& style) {
    const auto reads = [&style](const std::string& text, int value) {
        return read_box_number(text, style) == std::optional<double>(value);
    };
    for (std::size_t i = 0; i < a.points.size(); ++i) {
        const AssignedPoint& p = a.points[i];
        if (s.condenser_water_flow == p.condenser_flow &&
            s.evaporator_water_flow == p.evaporator_flow && reads(s.barometer_text, p.barometer) &&
            reads(s.water_text, p.water) && reads(s.ambient_text, p.ambient))
            return i;
    }
    return std::nullopt;
}

std::vector<std::string> answer_key_headers() {
    std::vector<std::string> headers{"grupo", "punto"};
    for (std::string& h : notebook_headers()) headers.push_back(std::move(h));
    return headers;
}

std::vector<std::vector<std::string>> answer_key_rows(const std::vector<Assignment>& assignments,
                                                      const NumberStyle& style) {
    std::vector<std::vector<std::string>> rows;
    for (const Assignment& a : assignments) {
        for (std::size_t i = 0; i < a.points.size(); ++i) {
            const PanelSettings settings = panel_settings(a.points[i]);
            std::vector<std::string> row{a.group, std::to_string(i + 1)};
            for (std::string& cell : notebook_row(settings, run_pass(settings, style), style))
                row.push_back(std::move(cell));
            rows.push_back(std::move(row));
        }
    }
    return rows;
}

std::string answer_key_csv(const std::vector<Assignment>& assignments, const NumberStyle& style) {
    const char separator = csv_separator(style);
    std::string out = csv_record(answer_key_headers(), separator);
    for (const auto& row : answer_key_rows(assignments, style)) out += csv_record(row, separator);
    return out;
}

std::string file_name_of(std::string_view group) {
    std::string name;
    for (char c : group) {
        const bool unfit = static_cast<unsigned char>(c) < 0x20 || c == 0x7F ||
                           std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        name += unfit ? '_' : c;
    }
    const auto first = name.find_first_not_of(". ");
    name = first == std::string::npos ? std::string() : name.substr(first);
    while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
    return name.empty() ? "grupo" : name;
}

}  // namespace gelvor
