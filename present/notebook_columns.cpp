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
    {u"mc (g/s)", F::display, "Text5", u" g/s", nullptr},
    {u"me (g/s)", F::display, "Text6", u" g/s", nullptr},
    {u"pa (mbar)", F::barometer, "Text3", nullptr, nullptr},
    {u"t1, t4 (\u00BAC)", F::water, "Text8", nullptr, nullptr},
    {u"ta (\u00BAC)", F::ambient, "Text4", nullptr, nullptr},
    {u"Pc man (kPa)", F::display, "GaugeX1", nullptr, u"##0.0"},
    {u"Pe man (kPa)", F::display, "GaugeX2", nullptr, u"##0.0"},
    {u"tc (\u00BAC)", F::display, "Text12", u" \u00BAC", nullptr},
    {u"te (\u00BAC)", F::display, "Text11", u" \u00BAC", nullptr},
    {u"t3 (\u00BAC)", F::display, "Text9", nullptr, nullptr},
    {u"t2 (\u00BAC)", F::display, "Text10", nullptr, nullptr},
    {u"Pc abs (kPa)", F::display, "Text7_5", u" kPa", nullptr},
    {u"Pe abs (kPa)", F::display, "Text7_0", u" kPa", nullptr},
    {u"\u03C1A (kg/m3)", F::display, "Text7_2", u" kg/m3", nullptr},
    {u"\u03C1C (kg/m3)", F::display, "Text7_12", u" kg/m3", nullptr},
    {u"\u03C1D (kg/m3)", F::display, "Text7_17", u" kg/m3", nullptr},
    {u"hA (kJ/kg)", F::display, "Text7_3", u" kJ/kg", nullptr},
    {u"hB (kJ/kg)", F::display, "Text7_8", u" kJ/kg", nullptr},
    {u"hC (kJ/kg)", F::display, "Text7_13", u" kJ/kg", nullptr},
    {u"hD (kJ/kg)", F::display, "Text7_18", u" kJ/kg", nullptr},
    {u"T\u00EDtulo D (%)", F::display, "Text7_19", u" %", nullptr},
    {u"Qc (W)", F::display, "Text7_20", u" W", nullptr},
    {u"Atlm c (\u00BAC)", F::display, "Text7_21", u" \u00BAC", nullptr},
    {u"Uc (W/m2K)", F::display, "Text7_22", u" W/m2\u00BAC", nullptr},
    {u"Qe (W)", F::display, "Text7_23", u" W", nullptr},
    {u"Atlm e (\u00BAC)", F::display, "Text7_24", u" \u00BAC", nullptr},
    {u"Ue (W/m2K)", F::display, "Text7_25", u" W/m2\u00BAC", nullptr},
    {u"COP maq frigorifica", F::display, "Text7_26", nullptr, nullptr},
    {u"COP bomba de calor", F::display, "Text7_27", nullptr, nullptr},
    {u"Potencia compresor (W)", F::display, "Text7_28", u" W", nullptr},
    {u"Gasto R-11 (g/s)", F::display, "Text7_29", u" g/s", nullptr},
    {u"rend. vol compresor (%)", F::display, "Text7_30", u" %", nullptr},
    {u"Pcond/Pevap compresor", F::display, "Text7_31", nullptr, nullptr},
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

QString cell_of(const NotebookColumn& column, const DisplayWrite& w, QChar separator) {
    if (w.kind == DisplayWrite::Kind::position) {
        return format_with_mask(w.position, column.reading, separator);
    }
    const QStringView unit = column.unit ? QStringView(column.unit) : QStringView();
    if (!unit.isEmpty() && w.text.endsWith(unit)) {
        return w.text.chopped(unit.size());
    }
    return w.text;
}

}  // namespace

std::span<const NotebookColumn> notebook_columns() {
    return kColumns;
}

QStringList notebook_headers() {
    QStringList out;
    out.reserve(kColumnCount);
    for (const NotebookColumn& c : kColumns) out << QString::fromUtf16(c.header);
    return out;
}

int notebook_column(QStringView header) {
    for (int c = 0; c < kColumnCount; ++c) {
        if (header == QStringView(kColumns[c].header)) {
            return c;
        }
    }
    return -1;
}

QStringList notebook_row(const PanelSettings& settings, const PassDisplay& pass,
                         const QLocale& locale) {
    static const std::array<int, kColumnCount> kWriteOf = write_indices();
    const QChar separator = locale.decimalPoint().front();
    QStringList row;
    row.reserve(kColumnCount);
    for (int c = 0; c < kColumnCount; ++c) {
        const NotebookColumn& column = kColumns[c];
        switch (column.from) {
            case F::barometer:
                row << settings.barometer_text;
                break;
            case F::water:
                row << settings.water_text;
                break;
            case F::ambient:
                row << settings.ambient_text;
                break;
            case F::display: {
                const int k = kWriteOf[c];
                row << (k >= 0 && k < static_cast<int>(pass.writes.size())
                            ? cell_of(column, pass.writes[k], separator)
                            : QString());
            }
        }
    }
    return row;
}

bool recordable(const PassDisplay& pass) {
    const auto unreached = pass.unreached();
    return std::all_of(unreached.begin(), unreached.end(), evaporator_coil_figure);
}

std::vector<SettingOutOfRange> settings_out_of_range(const PanelSettings& settings,
                                                     const QLocale& locale) {
    struct Setting {
        F from;
        const QString* text;
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
        const auto value = read_box_number(*s.text, locale);
        if (!value || s.range->contains(*value)) {
            continue;  // a box that is not a number is a fault, not a range
        }
        const auto column = std::find_if(std::begin(kColumns), std::end(kColumns),
                                         [&](const NotebookColumn& c) { return c.from == s.from; });
        out.push_back({static_cast<int>(column - std::begin(kColumns)),
                       QStringLiteral("%1 fuera del rango del banco (%2 a %3 %4): los resultados "
                                      "son una extrapolación")
                           .arg(QString::fromUtf8(s.name))
                           .arg(s.range->min)
                           .arg(s.range->max)
                           .arg(QString::fromUtf8(s.unit))});
    }
    return out;
}

}  // namespace gelvor
