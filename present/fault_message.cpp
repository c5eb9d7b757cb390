#include "present/fault_message.h"

#include "present/pass.h"
#include "present/range_warning.h"

namespace gelvor {
namespace {

// How a typed text appears inside a message: at most a few dozen characters,
// with control characters made visible, so that any text fits one line.
QString quoted(const QString& text) {
    constexpr qsizetype kShown = 24;
    QString shown;
    for (qsizetype i = 0; i < text.size() && shown.size() < kShown; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            shown += c;
            shown += text[++i];
        } else if (c.isSurrogate() || c.category() == QChar::Other_Control ||
                   c.category() == QChar::Other_Format) {
            shown += QChar(QChar::ReplacementCharacter);
        } else {
            shown += c;
        }
    }
    if (shown.size() < text.size()) {
        shown += u'\u2026';
    }
    return "\u00AB" + shown + "\u00BB";
}

QString box_fault(Quantity box, const PanelSettings& settings) {
    struct Box {
        const char* name;
        const QString* text;
    };
    const Box b = box == Quantity::barometric_pressure
                      ? Box{"La presión barométrica", &settings.barometer_text}
                  : box == Quantity::ambient_temperature
                      ? Box{"La temperatura ambiente", &settings.ambient_text}
                      : Box{"La temperatura de entrada de agua", &settings.water_text};
    const QString name = QString::fromUtf8(b.name);
    if (b.text->trimmed().isEmpty()) {
        return name + " no es un número válido: la casilla está vacía";
    }
    return name + " no es un número válido: " + quoted(*b.text);
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

QString logarithm_reason(Quantity step, const BenchInputs& in, const BenchState& s) {
    const double t_in = in.water_inlet_temperature;
    if (step == Quantity::evap_lmtd) {
        return s.evap_temp >= t_in ? QStringLiteral("te no es menor que t1")
                                   : QStringLiteral("t2 no es mayor que te");
    }
    return s.cond_temp <= t_in
               ? QStringLiteral("tc no es mayor que la temperatura de entrada de agua")
               : QStringLiteral("t3 no es menor que tc");
}

// The boxes whose typed values lie outside the ranges their spins allow: the
// likely cause of an arithmetic fault, named so the operator knows what to fix.
QString out_of_range_boxes(const BenchInputs& in) {
    const QString names = out_of_range_names(in);
    return names.isEmpty() ? QString() : ". Fuera de rango: " + names;
}

}  // namespace

QString fault_message(const Fault& fault, const PanelSettings& settings, const BenchInputs& inputs,
                      const BenchState& state) {
    const QString cannot = "No se puede calcular " + QString::fromUtf8(quantity_name(fault.step));
    switch (fault.kind) {
        case FaultKind::not_a_number:
            return box_fault(fault.quantity, settings);
        case FaultKind::non_positive_pressure: {
            QString name = QString::fromUtf8(quantity_name(fault.step));
            name[0] = name[0].toUpper();
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
