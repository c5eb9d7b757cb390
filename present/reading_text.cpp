#include "present/reading_text.h"

#include <QHash>
#include <cmath>

namespace gelvor {
namespace {

QString one_decimal(double v, const QLocale& locale) {
    // A reading that rounds to zero has no sign.
    const double rounded = std::round(v * 10) / 10;
    return locale.toString(rounded == 0 ? 0.0 : rounded, 'f', 1);
}

// Text7: index = 5 x column + row; columns A to D, rows as the table's.
QString state_point_description(int index) {
    static const char* const kRows[] = {"Presión absoluta", "Temperatura", "Densidad", "Entalpía",
                                        "Título"};
    static const char* const kUnits[] = {" (kPa)", " (ºC)", " (kg/m3)", " (kJ/kg)", ""};
    const int row = index % 5;
    const QChar point = QChar(u'A' + index / 5);
    return QString::fromUtf8(kRows[row]) + " del punto " + point + QString::fromUtf8(kUnits[row]);
}

const QHash<QString, QString>& other_descriptions() {
    static const QHash<QString, QString> kTable = [] {
        const char* const pairs[][2] = {
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
        QHash<QString, QString> t;
        for (const auto& p : pairs) t.insert(QLatin1String(p[0]), QString::fromUtf8(p[1]));
        return t;
    }();
    return kTable;
}

}  // namespace

QString pressure_reading(double kpa, const QLocale& locale) {
    return one_decimal(kpa, locale) + " kPa";
}

QString temperature_reading(std::optional<double> celsius, const QLocale& locale) {
    if (!celsius) {
        return QStringLiteral("Sin lectura: no circula agua");
    }
    return one_decimal(*celsius, locale) + QString::fromUtf8(" ºC");
}

QString flow_reading(const QString& flow_name, int grams_per_second) {
    return flow_name + ": " + QString::number(grams_per_second) + " g/s";
}

QString readout_description(const char* target) {
    const QString name = QLatin1String(target);
    if (name.startsWith(u"Text7_")) {
        bool ok = false;
        const int index = name.mid(6).toInt(&ok);
        if (ok && index >= 0 && index < 20) {
            return state_point_description(index);
        }
    }
    return other_descriptions().value(name);
}

}  // namespace gelvor
