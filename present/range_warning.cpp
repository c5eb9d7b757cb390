#include "present/range_warning.h"

#include <cmath>

#include "model/settings_ranges.h"

namespace gelvor {
namespace {

struct Checked {
    Quantity setting;
    const SettingRange& range;
    double per_unit;   // the pass's value for one unit of the box: mbar are read as kPa
    const char* name;  // lower case, with its article
    const char* unit;
    const char* english;  // capitalised, for an English-speaking user
};

// The boxes in the window's order: Text3, Text4, Text8.
const Checked kChecked[] = {
    {Quantity::barometric_pressure, kBarometerRange, 10, "la presión barométrica", "mbar",
     "The barometric pressure"},
    {Quantity::ambient_temperature, kAmbientRange, 1, "la temperatura ambiente", "\u00BAC",
     "The ambient temperature"},
    {Quantity::water_inlet_temperature, kWaterInletRange, 1, "la temperatura de entrada de agua",
     "\u00BAC", "The water inlet temperature"},
};

double value_of(const Checked& c, const BenchInputs& in) {
    switch (c.setting) {
        case Quantity::barometric_pressure:
            return in.barometric_pressure;
        case Quantity::ambient_temperature:
            return in.ambient_temperature;
        default:
            return in.water_inlet_temperature;
    }
}

// Compared in the pass's own unit, with the limits converted as the box's
// text is, so that a box at a limit is in range.
bool out_of_range(const Checked& c, const BenchInputs& in) {
    const double v = value_of(c, in);
    return std::isfinite(v) && (v < c.range.min / c.per_unit || v > c.range.max / c.per_unit);
}

std::string range_text(const Checked& c, Language language = Language::spanish) {
    return "(" + std::to_string(c.range.min) + (language == Language::spanish ? " a " : " to ") +
           std::to_string(c.range.max) + " " + c.unit + ")";
}

// "la presión barométrica" as "Presión barométrica": the names start with a
// Latin letter after their article.
std::string without_article(const Checked& c) {
    std::string name = c.name;
    name.erase(0, name.find(' ') + 1);
    if (name[0] >= 'a' && name[0] <= 'z') {
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
    }
    return name;
}

}  // namespace

std::vector<RangeWarning> range_warnings(const BenchInputs& inputs, Language language) {
    std::vector<RangeWarning> out;
    for (const Checked& c : kChecked) {
        if (!out_of_range(c, inputs))
            continue;
        out.push_back(
            {c.setting, language == Language::spanish
                            ? without_article(c) + " fuera del rango del banco " + range_text(c) +
                                  ": los resultados son una extrapolaci\u00F3n"
                            : std::string(c.english) + " is outside the bench's range " +
                                  range_text(c, language) + ": the results are an extrapolation"});
    }
    return out;
}

std::string out_of_range_names(const BenchInputs& inputs) {
    std::string names;
    for (const Checked& c : kChecked) {
        if (out_of_range(c, inputs)) {
            names += (names.empty() ? "" : ", ") + std::string(c.name) + ' ' + range_text(c);
        }
    }
    return names;
}

}  // namespace gelvor
