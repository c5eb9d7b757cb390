#include "present/reading_text.h"

#include <charconv>
#include <cmath>

#include "present/number_text.h"

namespace gelvor {
namespace {

std::string one_decimal(double v, const NumberStyle& style) {
    // A reading that rounds to zero has no sign.
    const double rounded = std::round(v * 10) / 10;
    return fixed_number_text(rounded == 0 ? 0.0 : rounded, 1, style);
}

// Text7: index = 5 x column + row; columns A to D, rows as the table's.
std::string state_point_description(int index) {
    static const char* const kRows[] = {"Presión absoluta", "Temperatura", "Densidad", "Entalpía",
                                        "Título"};
    static const char* const kUnits[] = {" (kPa)", " (ºC)", " (kg/m3)", " (kJ/kg)", ""};
    const int row = index % 5;
    const char point = static_cast<char>('A' + index / 5);
    return std::string(kRows[row]) + " del punto " + point + kUnits[row];
}

struct Description {
    std::string_view target;
    const char* text;
};

constexpr Description kDescriptions[] = {
    {"Text6", "Gasto de agua del evaporador me (g/s)"},
    {"Text5", "Gasto de agua del condensador mc (g/s)"},
    {"Text11", "Temperatura de evaporación te (ºC)"},
    {"Text12", "Temperatura de condensación tc (ºC)"},
    {"Text10", "Temperatura de salida de agua del evaporador t2 (ºC)"},
    {"Text9", "Temperatura de salida de agua del condensador t3 (ºC)"},
    {"Text7_20", "Calor total del condensador Qc (W)"},
    {"Text7_21", "Diferencia de temperaturas media logarítmica del condensador (ºC)"},
    {"Text7_22", "Coeficiente global de transmisión de calor del condensador U (W/m2K)"},
    {"Text7_23", "Calor total del evaporador Qe (W)"},
    {"Text7_24", "Diferencia de temperaturas media logarítmica del evaporador (ºC)"},
    {"Text7_25", "Coeficiente global de transmisión de calor del evaporador U (W/m2K)"},
    {"Text7_26", "Coeficiente de rendimiento como máquina frigorífica"},
    {"Text7_27", "Coeficiente de rendimiento como bomba de calor"},
    {"Text7_28", "Potencia del compresor (W)"},
    {"Text7_29", "Gasto de refrigerante R-11 (g/s)"},
    {"Text7_30", "Rendimiento volumétrico del compresor (%)"},
    {"Text7_31", "Relación de presiones Pcond/Pevap del compresor"},
};

}  // namespace

std::string pressure_reading(double kpa, const NumberStyle& style) {
    return one_decimal(kpa, style) + " kPa";
}

std::string temperature_reading(std::optional<double> celsius, const NumberStyle& style) {
    if (!celsius) {
        return "Sin lectura: no circula agua";
    }
    return one_decimal(*celsius, style) + " ºC";
}

std::string flow_reading(std::string_view flow_name, int grams_per_second) {
    return std::string(flow_name) + ": " + std::to_string(grams_per_second) + " g/s";
}

std::string readout_description(std::string_view target) {
    constexpr std::string_view kPoint = "Text7_";
    if (target.starts_with(kPoint)) {
        const std::string_view digits = target.substr(kPoint.size());
        int index = -1;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), index);
        if (error == std::errc() && end == digits.data() + digits.size() && index >= 0 &&
            index < 20) {
            return state_point_description(index);
        }
    }
    for (const Description& d : kDescriptions) {
        if (d.target == target) {
            return d.text;
        }
    }
    return {};
}

}  // namespace gelvor
