#include "notebook/notebook_file.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <set>

#include "notebook/notebook_messages.h"

namespace gelvor {
namespace {

using Json = nlohmann::ordered_json;

// Bounds that no real notebook reaches; a file beyond them is damaged.
constexpr std::size_t kMaxText = 1000;
constexpr std::size_t kMaxNote = 20000;
constexpr std::size_t kMaxReadings = 200;
constexpr int kMaxPointNumber = 1'000'000'000;

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
    return point;
}

NotebookDocument document_of(const Json& j) {
    NotebookDocument d;
    d.header.students = text_of(j, "students", kMaxText, "");
    d.header.group = text_of(j, "group", kMaxText, "");
    d.header.date = text_of(j, "date", kMaxText, "");
    if (!iso_date(d.header.date))
        throw Damage{"la fecha no es del tipo 2026-12-08"};
    const auto points = j.find("points");
    if (points == j.end() || !points->is_array())
        throw Damage{"falta la lista de puntos"};
    std::set<int> numbers;
    for (std::size_t i = 0; i < points->size(); ++i) {
        d.points.push_back(point_of((*points)[i], i));
        if (!numbers.insert(d.points.back().number).second)
            throw Damage{"el número de punto " + std::to_string(d.points.back().number) +
                         " está repetido"};
    }
    const int after_last = numbers.empty() ? 1 : *numbers.rbegin() + 1;
    d.next_number =
        j.contains("next_point")
            ? std::max(after_last, whole_of(j, "next_point", 1, kMaxPointNumber + 1, ""))
            : after_last;
    return d;
}

}  // namespace

std::string notebook_to_json(const NotebookDocument& d, std::string_view program) {
    Json j;
    j["format"] = kNotebookFormat;
    j["version"] = kNotebookVersion;
    j["program"] = std::string(program);
    j["students"] = d.header.students;
    j["group"] = d.header.group;
    j["date"] = d.header.date;
    j["next_point"] = d.next_number;
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
    if (nested_deeper_than(bytes, kNotebookMaxNesting))
        return {std::nullopt, notebook_too_deep()};
    const Json j = Json::parse(bytes, nullptr, false);
    if (j.is_discarded() || !j.is_object() || j.value("format", Json()) != kNotebookFormat)
        return {std::nullopt, "El archivo no es un registro de Gelvor."};
    const auto version = j.find("version");
    if (version == j.end() || !version->is_number_integer() || *version < 1)
        return {std::nullopt, "El registro está dañado: no dice su versión."};
    if (*version > kNotebookVersion)
        return {std::nullopt, "El registro es de una versión más reciente de Gelvor (formato " +
                                  std::to_string(version->get<long long>()) +
                                  "); actualice el programa para abrirlo."};
    try {
        return {document_of(j), {}};
    } catch (const Damage& damage) {
        return {std::nullopt, "El registro está dañado: " + damage.what + "."};
    }
}

}  // namespace gelvor
