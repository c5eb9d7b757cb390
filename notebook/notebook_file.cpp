#include "notebook/notebook_file.h"

#include "notebook/hand_results.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>
#include <set>
#include <utility>

#include "notebook/notebook_messages.h"

namespace gelvor {
namespace {

using Json = nlohmann::ordered_json;

// Bounds that no real notebook reaches; a file beyond them is damaged.
constexpr std::size_t kMaxText = 1000;
constexpr std::size_t kMaxNote = 20000;
constexpr std::size_t kMaxReadings = 200;
constexpr int kMaxPointNumber = 1'000'000'000;
constexpr std::size_t kMaxStudents = 100;
constexpr std::size_t kMaxAssignedPoints = 100;

constexpr const char* kNotANotebook = "El archivo no es un registro de Gelvor.";

// The reason a file is refused, as the user reads it.
struct Damage {
    std::string what;
};

std::string text_of(const Json& object, const char* key, std::size_t max,
                    const std::string& where) {
    const auto it = object.find(key);
    if (it == object.end())
        return {};
    if (!it->is_string() || it->get_ref<const std::string&>().size() > max)
        throw Damage{where + "«" + key + "» no es un texto válido"};
    return it->get<std::string>();
}

int whole_of(const Json& object, const char* key, int lo, int hi, const std::string& where) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_number_integer() || *it < lo || *it > hi)
        throw Damage{where + "«" + key + "» falta o no es un número entero de " +
                     std::to_string(lo) + " a " + std::to_string(hi)};
    return it->get<int>();
}

const Json& object_of(const Json& object, const char* key, const std::string& where) {
    const auto it = object.find(key);
    if (it == object.end() || !it->is_object())
        throw Damage{where + "falta «" + key + "»"};
    return *it;
}

bool iso_date(const std::string& d) {
    const auto digits = [&](std::size_t from, std::size_t n) {
        return std::all_of(d.begin() + static_cast<long>(from),
                           d.begin() + static_cast<long>(from + n),
                           [](char c) { return c >= '0' && c <= '9'; });
    };
    return d.empty() || (d.size() == 10 && digits(0, 4) && d[4] == '-' && digits(5, 2) &&
                         d[7] == '-' && digits(8, 2));
}

bool locale_name(const std::string& name) {
    return !name.empty() && name.size() <= 32 && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '-';
    });
}

NotebookPoint point_of(const Json& p, std::size_t index) {
    const std::string where = "en el punto " + std::to_string(index + 1) + ", ";
    if (!p.is_object())
        throw Damage{where + "no hay datos"};
    NotebookPoint point;
    point.number = whole_of(p, "number", 1, kMaxPointNumber, where);
    const Json& s = object_of(p, "settings", where);
    point.settings.evaporator_water_flow = whole_of(s, "evaporator_flow", 0, 50, where);
    point.settings.condenser_water_flow = whole_of(s, "condenser_flow", 0, 50, where);
    point.settings.barometer_text = text_of(s, "barometer", kMaxText, where);
    point.settings.water_text = text_of(s, "water", kMaxText, where);
    point.settings.ambient_text = text_of(s, "ambient", kMaxText, where);
    point.locale = text_of(p, "locale", kMaxText, where);
    if (!locale_name(point.locale))
        throw Damage{where + "«locale» no nombra un formato de números"};
    const Json& readings = object_of(p, "readings", where);
    if (readings.size() > kMaxReadings)
        throw Damage{where + "hay demasiadas lecturas"};
    for (const auto& [header, text] : readings.items()) {
        if (!text.is_string() || header.size() > kMaxText ||
            text.get_ref<const std::string&>().size() > kMaxText)
            throw Damage{where + "la lectura «" + header + "» no es un texto válido"};
        point.readings.emplace_back(header, text.get<std::string>());
    }
    point.note = text_of(p, "note", kMaxNote, where);
    if (p.contains("hand_results")) {
        const Json& hand = object_of(p, "hand_results", where);
        for (std::size_t k = 0; k < kHandResultCount; ++k)
            point.hand_results[k] = text_of(hand, hand_results()[k].key, kMaxText, where);
    }
    return point;
}

AssignedPoint assigned_point_of(const Json& p, std::size_t index) {
    const std::string where = "en el punto asignado " + std::to_string(index + 1) + ", ";
    if (!p.is_object())
        throw Damage{where + "no hay datos"};
    return {whole_of(p, "condenser_flow", 0, 50, where),
            whole_of(p, "evaporator_flow", 0, 50, where),
            whole_of(p, "barometer", 0, 100'000, where), whole_of(p, "water", -273, 1000, where),
            whole_of(p, "ambient", -273, 1000, where)};
}

Assignment assignment_of(const Json& a) {
    const std::string where = "en la práctica, ";
    if (!a.is_object())
        throw Damage{where + "no hay datos"};
    Assignment out;
    out.group = text_of(a, "group", kMaxText, where);
    out.seal = text_of(a, "seal", kMaxText, where);
    const auto students = a.find("students");
    const auto points = a.find("points");
    if (students == a.end() || !students->is_array() || students->size() > kMaxStudents)
        throw Damage{where + "falta la lista de alumnos"};
    for (const Json& name : *students) {
        if (!name.is_string() || name.get_ref<const std::string&>().size() > kMaxText)
            throw Damage{where + "un alumno no es un texto válido"};
        out.students.push_back(name.get<std::string>());
    }
    if (points == a.end() || !points->is_array() || points->size() > kMaxAssignedPoints)
        throw Damage{where + "falta la lista de puntos asignados"};
    for (std::size_t i = 0; i < points->size(); ++i)
        out.points.push_back(assigned_point_of((*points)[i], i));
    return out;
}

// Where the top object's "points" array lies, and each of its elements,
// found in one pass over the bytes that skips strings, so that the points
// can be parsed one at a time. Nothing when the array is not plainly there:
// the parser then reads the file whole.
struct PointsLayout {
    std::size_t begin = 0, end = 0;  // the array, brackets included
    std::vector<std::string_view> elements;
};

std::string_view trimmed(std::string_view s) {
    const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!s.empty() && space(s.front())) s.remove_prefix(1);
    while (!s.empty() && space(s.back())) s.remove_suffix(1);
    return s;
}

std::optional<PointsLayout> points_layout(std::string_view bytes) {
    int depth = 0;
    bool in_string = false, escaped = false, in_points = false;
    std::size_t string_start = 0, element_start = 0;
    std::string_view key;  // the last string closed in the top object
    std::size_t key_end = 0;
    PointsLayout layout;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (in_string) {
            if (escaped) {
                escaped = false;
            } else if (c == '\\') {
                escaped = true;
            } else if (c == '"') {
                in_string = false;
                if (depth == 1) {
                    key = bytes.substr(string_start, i + 1 - string_start);
                    key_end = i + 1;
                }
            }
        } else if (c == '"') {
            in_string = true;
            string_start = i;
        } else if (c == '[' || c == '{') {
            if (depth == 1 && c == '[' && key == "\"points\"" &&
                trimmed(bytes.substr(key_end, i - key_end)) == ":") {
                in_points = true;
                layout.begin = i;
                element_start = i + 1;
            }
            ++depth;
        } else if (in_points && depth == 2 && (c == ',' || c == ']')) {
            const std::string_view element =
                trimmed(bytes.substr(element_start, i - element_start));
            if (element.empty() && (c == ',' || !layout.elements.empty()))
                return std::nullopt;  // "[,": no JSON; the parser says so
            if (!element.empty())
                layout.elements.push_back(element);
            element_start = i + 1;
            if (c == ']') {
                layout.end = i + 1;
                return layout;
            }
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return std::nullopt;
}

}  // namespace

// The file's top object with the points left out when they were found
// apart, and the texts of those points.
struct NotebookReader::Parsed {
    Json top;
    std::vector<std::string_view> apart;
    const Json* points = nullptr;  // when not apart: the points in `top`
    std::set<int> numbers;
};

NotebookReader::NotebookReader(std::string bytes, const NumberStyle& style)
    : bytes_(std::move(bytes)), parsed_(std::make_unique<Parsed>()) {
    if (bytes_.size() > kNotebookMaxBytes) {
        error_ = notebook_too_large(style);
        return;
    }
    if (nested_deeper_than(bytes_, kNotebookMaxNesting)) {
        error_ = notebook_too_deep();
        return;
    }
    Parsed& p = *parsed_;
    const std::optional<PointsLayout> layout = points_layout(bytes_);
    if (layout) {
        const std::string_view all = bytes_;
        p.top = Json::parse(
            std::string(all.substr(0, layout->begin)) + "[]" + std::string(all.substr(layout->end)),
            nullptr, false);
    } else {
        p.top = Json::parse(bytes_, nullptr, false);
    }
    const Json& j = p.top;
    if (j.is_discarded() || !j.is_object() || j.value("format", Json()) != kNotebookFormat) {
        error_ = kNotANotebook;
        return;
    }
    const auto version = j.find("version");
    if (version == j.end() || !version->is_number_integer() || *version < 1) {
        error_ = "El registro está dañado: no dice su versión.";
        return;
    }
    if (*version > kNotebookVersion) {
        error_ = "El registro es de una versión más reciente de Gelvor (formato " +
                 std::to_string(version->get<long long>()) +
                 "); actualice el programa para abrirlo.";
        return;
    }
    try {
        document_.header.students = text_of(j, "students", kMaxText, "");
        document_.header.group = text_of(j, "group", kMaxText, "");
        document_.header.date = text_of(j, "date", kMaxText, "");
        if (!iso_date(document_.header.date))
            throw Damage{"la fecha no es del tipo 2026-12-08"};
        if (j.contains("assignment"))
            document_.assignment = assignment_of(j["assignment"]);
        const auto points = j.find("points");
        if (points == j.end() || !points->is_array())
            throw Damage{"falta la lista de puntos"};
        // Left out of `top` when found apart; a file that names its points
        // twice keeps those the parser kept.
        if (layout && points->empty())
            p.apart = layout->elements;
        else
            p.points = &*points;
        total_ = p.points ? p.points->size() : p.apart.size();
    } catch (const Damage& damage) {
        error_ = "El registro está dañado: " + damage.what + ".";
    }
}

NotebookReader::~NotebookReader() = default;

bool NotebookReader::read(std::size_t count) {
    Parsed& p = *parsed_;
    try {
        for (; count > 0 && error_.empty() && done() < total_; --count) {
            const std::size_t i = done();
            Json apart;
            if (!p.points) {
                apart = Json::parse(p.apart[i], nullptr, false);
                if (apart.is_discarded()) {
                    error_ = kNotANotebook;
                    break;
                }
            }
            document_.points.push_back(point_of(p.points ? (*p.points)[i] : apart, i));
            if (!p.numbers.insert(document_.points.back().number).second)
                throw Damage{"el número de punto " +
                             std::to_string(document_.points.back().number) + " está repetido"};
        }
        if (error_.empty() && done() == total_ && !finished_) {
            const int after_last = p.numbers.empty() ? 1 : *p.numbers.rbegin() + 1;
            document_.next_number = p.top.contains("next_point")
                                        ? std::max(after_last, whole_of(p.top, "next_point", 1,
                                                                        kMaxPointNumber + 1, ""))
                                        : after_last;
            finished_ = true;
        }
    } catch (const Damage& damage) {
        error_ = "El registro está dañado: " + damage.what + ".";
    }
    return error_.empty();
}

NotebookRead NotebookReader::result() {
    if (!error_.empty())
        return {std::nullopt, error_};
    if (!finished_)
        read(total_);
    if (!error_.empty())
        return {std::nullopt, error_};
    return {std::move(document_), {}};
}

std::string notebook_to_json(const NotebookDocument& d, std::string_view program) {
    Json j;
    j["format"] = kNotebookFormat;
    j["version"] = kNotebookVersion;
    j["program"] = std::string(program);
    j["students"] = d.header.students;
    j["group"] = d.header.group;
    j["date"] = d.header.date;
    j["next_point"] = d.next_number;
    if (d.assignment) {
        Json assigned = Json::array();
        for (const AssignedPoint& p : d.assignment->points) {
            assigned.push_back({{"condenser_flow", p.condenser_flow},
                                {"evaporator_flow", p.evaporator_flow},
                                {"barometer", p.barometer},
                                {"water", p.water},
                                {"ambient", p.ambient}});
        }
        j["assignment"] = {{"group", d.assignment->group},
                           {"students", d.assignment->students},
                           {"points", std::move(assigned)},
                           {"seal", d.assignment->seal}};
    }
    Json points = Json::array();
    for (const NotebookPoint& p : d.points) {
        Json readings = Json::object();
        for (const auto& [header, text] : p.readings) readings[header] = text;
        points.push_back({
            {"number", p.number},
            {"settings",
             {{"evaporator_flow", p.settings.evaporator_water_flow},
              {"condenser_flow", p.settings.condenser_water_flow},
              {"barometer", p.settings.barometer_text},
              {"water", p.settings.water_text},
              {"ambient", p.settings.ambient_text}}},
            {"locale", p.locale},
            {"readings", std::move(readings)},
            {"note", p.note},
        });
        Json hand = Json::object();
        for (std::size_t k = 0; k < kHandResultCount; ++k) {
            if (!p.hand_results[k].empty())
                hand[hand_results()[k].key] = p.hand_results[k];
        }
        if (!hand.empty())
            points.back()["hand_results"] = std::move(hand);
    }
    j["points"] = std::move(points);
    // Invalid UTF-8 in a text is written as U+FFFD rather than refused.
    return j.dump(1, ' ', false, Json::error_handler_t::replace) + '\n';
}

bool nested_deeper_than(std::string_view bytes, int levels) {
    int depth = 0;
    bool in_string = false, escaped = false;
    for (const char c : bytes) {
        if (in_string) {
            if (escaped)
                escaped = false;
            else if (c == '\\')
                escaped = true;
            else if (c == '"')
                in_string = false;
        } else if (c == '"') {
            in_string = true;
        } else if (c == '[' || c == '{') {
            if (++depth > levels)
                return true;
        } else if (c == ']' || c == '}') {
            --depth;
        }
    }
    return false;
}

NotebookRead notebook_from_json(std::string_view bytes, const NumberStyle& style) {
    if (bytes.size() > kNotebookMaxBytes)
        return {std::nullopt, notebook_too_large(style)};
    return NotebookReader(std::string(bytes), style).result();
}

}  // namespace gelvor
