#pragma once

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The lab notebook as a document: the points a class recorded, each with its
// settings, the texts its displays showed and a note, and who recorded them
// and when. Texts are UTF-8.
namespace gelvor {

// The five settings of a point, as the pass that was recorded read them.
struct PointSettings {
    int evaporator_water_flow = 0;  // g/s
    int condenser_water_flow = 0;   // g/s
    std::string barometer_text;     // the boxes' texts as typed: mbar, ºC, ºC
    std::string water_text;
    std::string ambient_text;
    friend bool operator==(const PointSettings&, const PointSettings&) = default;
};

// The group's own results for a point, worked out by hand from its
// readings, each as typed in the point's number format ("" where none):
// Qe, Qc, Wc, the two COPs, Ue, Uc and the volumetric efficiency, in the
// order of notebook/hand_results.h.
inline constexpr std::size_t kHandResultCount = 8;
using HandResults = std::array<std::string, kHandResultCount>;

struct NotebookPoint {
    int number = 0;  // as the class refers to it: numbers are never reused until emptied
    PointSettings settings;
    std::string locale;  // the number format of every text, as a locale name ("es_ES")
    // Each notebook column's header and the text its display showed, in the
    // table's order, as recorded.
    std::vector<std::pair<std::string, std::string>> readings;
    std::string note;
    HandResults hand_results;
    friend bool operator==(const NotebookPoint&, const NotebookPoint&) = default;
};

struct NotebookHeader {
    std::string students;
    std::string group;
    std::string date;  // ISO 8601, yyyy-mm-dd
    friend bool operator==(const NotebookHeader&, const NotebookHeader&) = default;
};

// A point the teacher assigned: the five settings to take it at, the flows
// in g/s, the barometer in mbar, the water inlet and the room in ºC.
struct AssignedPoint {
    int condenser_flow = 0;
    int evaporator_flow = 0;
    int barometer = 0;
    int water = 0;
    int ambient = 0;
    friend bool operator==(const AssignedPoint&, const AssignedPoint&) = default;
};

// What the teacher handed a group: who, the points to take, and the seal
// that shows nobody changed them without the teacher's key.
struct Assignment {
    std::string group;
    std::vector<std::string> students;
    std::vector<AssignedPoint> points;
    std::string seal;  // HMAC-SHA256 of its sealed text, in hexadecimal
    friend bool operator==(const Assignment&, const Assignment&) = default;
};

struct NotebookDocument {
    NotebookHeader header;
    std::optional<Assignment> assignment;  // a notebook handed out by the teacher
    std::vector<NotebookPoint> points;
    int next_number = 1;  // the number the next recorded point takes
    friend bool operator==(const NotebookDocument&, const NotebookDocument&) = default;
};

}  // namespace gelvor
