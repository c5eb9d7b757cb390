#include "present/notebook_columns.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "model/settings_ranges.h"
#include "present/box_reading.h"
#include "present/mask_format.h"

namespace gelvor {
namespace {

using F = NotebookColumn::From;

// Condenser before evaporator, as the manual lists its symbols; then the
// results tab block by block.
constexpr NotebookColumn kColumns[] = {
    {"mc (g/s)", F::display, "Text5", " g/s", nullptr},
    {"me (g/s)", F::display, "Text6", " g/s", nullptr},
    {"pa (mbar)", F::barometer, "Text3", nullptr, nullptr},
    {"t1, t4 (\u00BAC)", F::water, "Text8", nullptr, nullptr},
    {"ta (\u00BAC)", F::ambient, "Text4", nullptr, nullptr},
    {"Pc man (kPa)", F::display, "GaugeX1", nullptr, "##0.0"},
    {"Pe man (kPa)", F::display, "GaugeX2", nullptr, "##0.0"},
    {"tc (\u00BAC)", F::display, "Text12", " \u00BAC", nullptr},
    {"te (\u00BAC)", F::display, "Text11", " \u00BAC", nullptr},
    {"t3 (\u00BAC)", F::display, "Text9", nullptr, nullptr},
    {"t2 (\u00BAC)", F::display, "Text10", nullptr, nullptr},
    {"Pc abs (kPa)", F::display, "Text7_5", " kPa", nullptr},
    {"Pe abs (kPa)", F::display, "Text7_0", " kPa", nullptr},
    {"\u03C1A (kg/m3)", F::display, "Text7_2", " kg/m3", nullptr},
    {"\u03C1C (kg/m3)", F::display, "Text7_12", " kg/m3", nullptr},
    {"\u03C1D (kg/m3)", F::display, "Text7_17", " kg/m3", nullptr},
    {"hA (kJ/kg)", F::display, "Text7_3", " kJ/kg", nullptr},
    {"hB (kJ/kg)", F::display, "Text7_8", " kJ/kg", nullptr},
    {"hC (kJ/kg)", F::display, "Text7_13", " kJ/kg", nullptr},
    {"hD (kJ/kg)", F::display, "Text7_18", " kJ/kg", nullptr},
    {"T\u00EDtulo D (%)", F::display, "Text7_19", " %", nullptr},
    {"Qc (W)", F::display, "Text7_20", " W", nullptr},
    {"Atlm c (\u00BAC)", F::display, "Text7_21", " \u00BAC", nullptr},
    {"Uc (W/m2K)", F::display, "Text7_22", " W/m2\u00BAC", nullptr},
    {"Qe (W)", F::display, "Text7_23", " W", nullptr},
    {"Atlm e (\u00BAC)", F::display, "Text7_24", " \u00BAC", nullptr},
    {"Ue (W/m2K)", F::display, "Text7_25", " W/m2\u00BAC", nullptr},
    {"COP maq frigorifica", F::display, "Text7_26", nullptr, nullptr},
    {"COP bomba de calor", F::display, "Text7_27", nullptr, nullptr},
    {"Potencia compresor (W)", F::display, "Text7_28", " W", nullptr},
    {"Gasto R-11 (g/s)", F::display, "Text7_29", " g/s", nullptr},
    {"rend. vol compresor (%)", F::display, "Text7_30", " %", nullptr},
    {"Pcond/Pevap compresor", F::display, "Text7_31", nullptr, nullptr},
    // Beside the bench's figures, the ideal ones to compare them with.
    {"COP Carnot maq frigorifica", F::carnot_refrigerator, "", nullptr, "##0.00"},
    {"COP Carnot bomba de calor", F::carnot_heat_pump, "", nullptr, "##0.00"},
    {"rend. isentropico (%)", F::isentropic_efficiency, "", nullptr, "##0.0"},
    {"tB (\u00BAC)", F::discharge_temp, "", nullptr, "##0.0"},
};
constexpr int kColumnCount = static_cast<int>(std::size(kColumns));

// Where each display column's write stands in a pass; the order of the
// writes is fixed, so a pass's write k is always the same display.
std::array<int, kColumnCount> write_indices() {
    std::array<int, kColumnCount> out{};
    const auto& targets = display_targets();
    for (int c = 0; c < kColumnCount; ++c) {
        out[c] = -1;
        for (int k = 0; k < kDisplayWriteCount; ++k) {
            if (std::strcmp(targets[k], kColumns[c].target) == 0) {
                out[c] = k;
            }
        }
    }
    return out;
}

// The evaporator coil figures that an undefined logarithm leaves unwritten.
bool evaporator_coil_figure(const char* target) {
    return std::strcmp(target, "Text7_24") == 0 || std::strcmp(target, "Text7_25") == 0;
}

// A figure of the ideal cycle, with its column's mask; empty when unknown.
std::string ideal_cell(const NotebookColumn& column, const std::optional<IdealCycle>& ideal,
                       const NumberStyle& style) {
    if (!ideal)
        return {};
    std::optional<double> value;
    switch (column.from) {
        case F::carnot_refrigerator:
            value = ideal->carnot_cop_refrigerator;
            break;
        case F::carnot_heat_pump:
            value = ideal->carnot_cop_heat_pump;
            break;
        case F::isentropic_efficiency:
            if (ideal->isentropic_efficiency)
                value = *ideal->isentropic_efficiency * 100;
            break;
        default:
            value = ideal->discharge_temp;
    }
    return value ? format_with_mask(*value, column.reading, style) : std::string();
}

std::string cell_of(const NotebookColumn& column, const DisplayWrite& w, const NumberStyle& style) {
    if (w.kind == DisplayWrite::Kind::position) {
        return format_with_mask(w.position, column.reading, style);
    }
    const std::string_view unit = column.unit ? column.unit : "";
    if (!unit.empty() && w.text.ends_with(unit)) {
        return w.text.substr(0, w.text.size() - unit.size());
    }
    return w.text;
}

}  // namespace

std::span<const NotebookColumn> notebook_columns() {
    return kColumns;
}

std::vector<std::string> notebook_headers() {
    std::vector<std::string> out;
    out.reserve(kColumnCount);
    for (const NotebookColumn& c : kColumns) out.emplace_back(c.header);
    return out;
}

int notebook_column(std::string_view header) {
    for (int c = 0; c < kColumnCount; ++c) {
        if (header == kColumns[c].header) {
            return c;
        }
    }
    return -1;
}

std::vector<std::string> notebook_row(const PanelSettings& settings, const PassDisplay& pass,
                                      const NumberStyle& style) {
    static const std::array<int, kColumnCount> kWriteOf = write_indices();
    std::vector<std::string> row;
    row.reserve(kColumnCount);
    for (int c = 0; c < kColumnCount; ++c) {
        const NotebookColumn& column = kColumns[c];
        switch (column.from) {
            case F::barometer:
                row.push_back(settings.barometer_text);
                break;
            case F::water:
                row.push_back(settings.water_text);
                break;
            case F::ambient:
                row.push_back(settings.ambient_text);
                break;
            case F::display: {
                const int k = kWriteOf[c];
                row.push_back(k >= 0 && k < static_cast<int>(pass.writes.size())
                                  ? cell_of(column, pass.writes[k], style)
                                  : std::string());
                break;
            }
            default:
                row.push_back(ideal_cell(column, pass.ideal_cycle, style));
        }
    }
    return row;
}

bool recordable(const PassDisplay& pass) {
    const auto unreached = pass.unreached();
    return std::all_of(unreached.begin(), unreached.end(), evaporator_coil_figure);
}

std::vector<SettingOutOfRange> settings_out_of_range(const PanelSettings& settings,
                                                     const NumberStyle& style) {
    struct Setting {
        F from;
        const std::string* text;
        const SettingRange* range;
        const char* name;
        const char* unit;
    };
    const Setting kSettings[] = {
        {F::barometer, &settings.barometer_text, &kBarometerRange, "Presión barométrica", "mbar"},
        {F::water, &settings.water_text, &kWaterInletRange, "Temperatura de entrada de agua",
         "\u00BAC"},
        {F::ambient, &settings.ambient_text, &kAmbientRange, "Temperatura ambiente", "\u00BAC"},
    };
    std::vector<SettingOutOfRange> out;
    for (const Setting& s : kSettings) {
        const auto value = read_box_number(*s.text, style);
        if (!value || s.range->contains(*value)) {
            continue;  // a box that is not a number is a fault, not a range
        }
        const auto column = std::find_if(std::begin(kColumns), std::end(kColumns),
                                         [&](const NotebookColumn& c) { return c.from == s.from; });
        out.push_back({static_cast<int>(column - std::begin(kColumns)),
                       std::string(s.name) + " fuera del rango del banco (" +
                           std::to_string(s.range->min) + " a " + std::to_string(s.range->max) +
                           " " + s.unit + "): los resultados son una extrapolación"});
    }
    return out;
}

}  // namespace gelvor
