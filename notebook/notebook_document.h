#pragma once

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

struct NotebookPoint {
    int number = 0;  // as the class refers to it: numbers are never reused until emptied
    PointSettings settings;
    std::string locale;  // the number format of every text, as a locale name ("es_ES")
    // Each notebook column's header and the text its display showed, in the
    // table's order, as recorded.
    std::vector<std::pair<std::string, std::string>> readings;
    std::string note;
    friend bool operator==(const NotebookPoint&, const NotebookPoint&) = default;
};

struct NotebookHeader {
    std::string students;
    std::string group;
    std::string date;  // ISO 8601, yyyy-mm-dd
    friend bool operator==(const NotebookHeader&, const NotebookHeader&) = default;
};

struct NotebookDocument {
    NotebookHeader header;
    std::vector<NotebookPoint> points;
    int next_number = 1;  // the number the next recorded point takes
    friend bool operator==(const NotebookDocument&, const NotebookDocument&) = default;
};

}  // namespace gelvor
