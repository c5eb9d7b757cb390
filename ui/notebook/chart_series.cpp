#include "ui/notebook/chart_series.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <numeric>

#include "present/notebook_columns.h"

namespace gelvor::ui::notebook {
namespace {

// A setting that did not read as a number equals another such, and sorts
// after every number, so that every point belongs to one series.
bool same(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}
bool before(double a, double b) {
    return !std::isnan(a) && (std::isnan(b) || a < b);
}

int distinct_values(std::span<const PointSettings> points, int setting) {
    std::vector<double> values;
    values.reserve(points.size());
    for (const PointSettings& p : points) values.push_back(p[static_cast<std::size_t>(setting)]);
    std::sort(values.begin(), values.end(), before);
    return static_cast<int>(std::unique(values.begin(), values.end(), same) - values.begin());
}

// "me = 20 g/s", named as the column's header names the setting; "t1, t4"
// is both temperatures, "t1 = t4 = 15 ºC".
QString condition_text(int setting, double value, const QLocale& locale) {
    const QString header = QString::fromUtf8(
        notebook_columns()[static_cast<std::size_t>(
                               setting_columns()[static_cast<std::size_t>(setting)])]
            .header);
    const qsizetype open = header.lastIndexOf(QStringLiteral(" ("));
    QString name = open < 0 ? header : header.left(open);
    const QString unit = open < 0 ? QString() : u' ' + header.mid(open + 2).chopped(1);
    name.replace(QStringLiteral(", "), QStringLiteral(" = "));
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return name + QStringLiteral(" = ") + plain.toString(value, 'g', 6) + unit;
}

}  // namespace

std::array<int, kSettingCount> setting_columns() {
    return {notebook_column("mc (g/s)"), notebook_column("me (g/s)"), notebook_column("pa (mbar)"),
            notebook_column("t1, t4 (\u00BAC)"), notebook_column("ta (\u00BAC)")};
}

std::vector<ChartSeries> split_into_series(std::span<const PointSettings> points,
                                           int across_setting, const QLocale& locale) {
    std::array<int, kSettingCount> distinct{};
    for (int k = 0; k < kSettingCount; ++k)
        distinct[static_cast<std::size_t>(k)] = distinct_values(points, k);
    int varying = across_setting;
    if (varying < 0 || varying >= kSettingCount) {
        varying =
            static_cast<int>(std::max_element(distinct.begin(), distinct.end()) - distinct.begin());
    }
    const auto other_settings_before = [varying](const PointSettings& a, const PointSettings& b) {
        for (int k = 0; k < kSettingCount; ++k) {
            const auto i = static_cast<std::size_t>(k);
            if (k != varying && !same(a[i], b[i]))
                return before(a[i], b[i]);
        }
        return false;
    };
    std::vector<int> order(points.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return other_settings_before(points[static_cast<std::size_t>(a)],
                                     points[static_cast<std::size_t>(b)]);
    });

    std::vector<ChartSeries> out;
    for (int index : order) {
        const PointSettings& p = points[static_cast<std::size_t>(index)];
        if (out.empty() ||
            other_settings_before(points[static_cast<std::size_t>(out.back().points.front())], p)) {
            out.push_back({});
        }
        out.back().points.push_back(index);
    }
    // Only the settings that differ between series name them.
    for (ChartSeries& series : out) {
        QStringList conditions;
        const PointSettings& first = points[static_cast<std::size_t>(series.points.front())];
        for (int k = 0; k < kSettingCount; ++k) {
            if (k != varying && distinct[static_cast<std::size_t>(k)] > 1)
                conditions << condition_text(k, first[static_cast<std::size_t>(k)], locale);
        }
        series.conditions = conditions.join(QStringLiteral(", "));
    }
    return out;
}

}  // namespace gelvor::ui::notebook
