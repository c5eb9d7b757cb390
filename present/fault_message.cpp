#include "present/fault_message.h"

#include <algorithm>
#include <string_view>

#include "present/box_reading.h"
#include "present/number_text.h"
#include "present/pass.h"
#include "present/range_warning.h"
#include "present/text_units.h"

namespace gelvor {
namespace {

// How a typed text appears inside a message: at most a few dozen characters,
// with control characters made visible, so that any text fits one line.
// Counted in UTF-16 units, as the window's boxes hold the text.
std::string quoted(std::string_view typed) {
    constexpr std::size_t kShown = 24;
    const std::u16string text = text::utf16_units(typed);
    std::u16string shown;
    for (std::size_t i = 0; i < text.size() && shown.size() < kShown; ++i) {
        const char16_t c = text[i];
        if (text::is_high_surrogate(c) && i + 1 < text.size() &&
            text::is_low_surrogate(text[i + 1])) {
            shown += c;
            shown += text[++i];
        } else if (text::is_high_surrogate(c) || text::is_low_surrogate(c) ||
                   text::is_control_or_format(c)) {
            shown += u'\uFFFD';
        } else {
            shown += c;
        }
    }
    if (shown.size() < text.size()) {
        shown += u'\u2026';
    }
    return "\u00AB" + text::utf8_of(shown) + "\u00BB";
}

// Blank: nothing but Qt's white space.
bool blank(std::string_view typed) {
    const std::u16string text = text::utf16_units(typed);
    return std::all_of(text.begin(), text.end(), text::is_space);
}

// A number typed with the other decimal separator, as the box wants it
// written; empty when the text is no number either way.
std::string decimal_hint(std::string_view typed, const NumberStyle& style) {
    NumberStyle other = style;
    std::swap(other.decimal_point, other.group_separator);
    const std::optional<double> value = read_box_number(typed, other);
    if (!value)
        return {};
    const std::string separator = style.decimal_point == ","   ? "la coma decimal"
                                  : style.decimal_point == "." ? "el punto decimal"
                                                               : "el separador decimal \u00AB" +
                                                                     style.decimal_point + "\u00BB";
    return "; use " + separator + ": " + general_number_text(*value, style);
}

std::string box_fault(Quantity box, const PanelSettings& settings, const NumberStyle& style) {
    struct Box {
        const char* name;
        const std::string* text;
    };
    const Box b = box == Quantity::barometric_pressure
                      ? Box{"La presión barométrica", &settings.barometer_text}
                  : box == Quantity::ambient_temperature
                      ? Box{"La temperatura ambiente", &settings.ambient_text}
                      : Box{"La temperatura de entrada de agua", &settings.water_text};
    const std::string name = b.name;
    if (blank(*b.text)) {
        return name + " no es un número válido: la casilla está vacía";
    }
    return name + " no es un número válido: " + quoted(*b.text) + decimal_hint(*b.text, style);
}

const char* quantity_name(Quantity q) {
    using Q = Quantity;
    switch (q) {
        case Q::evap_gauge_pressure:
            return "la presión manométrica del evaporador";
        case Q::evap_pressure:
            return "la presión absoluta del evaporador";
        case Q::evap_temp:
            return "la temperatura de evaporación te";
        case Q::cond_flow_factor:
            return "el factor de caudal del condensador";
        case Q::cond_gauge_pressure:
            return "la presión manométrica del condensador";
        case Q::cond_pressure:
            return "la presión absoluta del condensador";
        case Q::pressure_ratio:
            return "la relación Pcond/Pevap";
        case Q::cond_temp:
            return "la temperatura de condensación tc";
        case Q::h3:
            return "la entalpía del punto C";
        case Q::h1:
            return "la entalpía del punto A";
        case Q::evap_liquid_enthalpy:
            return "la entalpía del líquido a te";
        case Q::evap_inlet_quality:
            return "el título del punto D";
        case Q::evap_ambient_gain:
            return "el calor del ambiente al evaporador";
        case Q::evap_heat_flow:
            return "Qe";
        case Q::cond_ambient_loss:
            return "el calor del condensador al ambiente";
        case Q::cond_heat_flow:
            return "Qc";
        case Q::refrigerant_mass_flow:
            return "el gasto de R-11";
        case Q::h2:
            return "la entalpía del punto B";
        case Q::water_heat_flows:
            return "el calor intercambiado con el agua";
        case Q::evap_water_outlet_temp:
            return "la temperatura de salida de agua t2";
        case Q::cond_water_outlet_temp:
            return "la temperatura de salida de agua t3";
        case Q::compressor_power:
            return "la potencia del compresor";
        case Q::cop_heat_pump:
            return "el COP de la bomba de calor";
        case Q::cop_refrigerator:
            return "el COP de la máquina frigorífica";
        case Q::suction_density:
            return "la densidad del punto A";
        case Q::cond_outlet_density:
            return "la densidad del punto C";
        case Q::evap_liquid_density:
            return "la densidad del líquido a te";
        case Q::evap_inlet_density:
            return "la densidad del punto D";
        case Q::suction_volume_flow:
            return "el caudal aspirado por el compresor";
        case Q::volumetric_efficiency:
            return "el rendimiento volumétrico";
        case Q::cond_lmtd:
            return "Atlm del condensador";
        case Q::cond_u:
            return "U del condensador";
        case Q::evap_lmtd:
            return "Atlm del evaporador";
        case Q::evap_u:
            return "U del evaporador";
        case Q::chart:
            return "el ciclo sobre el diagrama P-h";
        default:
            return "el resultado";
    }
}

const char* logarithm_reason(Quantity step, const BenchInputs& in, const BenchState& s) {
    const double t_in = in.water_inlet_temperature;
    if (step == Quantity::evap_lmtd) {
        return s.evap_temp >= t_in ? "te no es menor que t1" : "t2 no es mayor que te";
    }
    return s.cond_temp <= t_in ? "tc no es mayor que la temperatura de entrada de agua"
                               : "t3 no es menor que tc";
}

// The boxes whose typed values lie outside the ranges their spins allow: the
// likely cause of an arithmetic fault, named so the operator knows what to fix.
std::string out_of_range_boxes(const BenchInputs& in) {
    const std::string names = out_of_range_names(in);
    return names.empty() ? std::string() : ". Fuera de rango: " + names;
}

}  // namespace

std::string fault_message(const Fault& fault, const PanelSettings& settings,
                          const BenchInputs& inputs, const BenchState& state,
                          const NumberStyle& style) {
    const std::string cannot = std::string("No se puede calcular ") + quantity_name(fault.step);
    switch (fault.kind) {
        case FaultKind::not_a_number:
            return box_fault(fault.quantity, settings, style);
        case FaultKind::non_positive_pressure: {
            // The names start with their article's Latin letter.
            std::string name = quantity_name(fault.step);
            if (name[0] >= 'a' && name[0] <= 'z') {
                name[0] = static_cast<char>(name[0] - 'a' + 'A');
            }
            return name + " no es positiva" + out_of_range_boxes(inputs);
        }
        case FaultKind::undefined_logarithm:
            return cannot + ": " + logarithm_reason(fault.step, inputs, state) +
                   out_of_range_boxes(inputs);
        case FaultKind::division_by_zero:
            return cannot + ": división por cero" + out_of_range_boxes(inputs);
        case FaultKind::overflow:
            return cannot + ": el resultado es demasiado grande" + out_of_range_boxes(inputs);
    }
    return cannot;
}

}  // namespace gelvor
