#pragma once

#include <QLocale>
#include <QString>
#include <array>
#include <span>
#include <vector>

namespace gelvor::ui::notebook {

// The five settings of a recorded point in the notebook's order: mc, me,
// pa, t1 and t4, ta.
inline constexpr int kSettingCount = 5;
using PointSettings = std::array<double, kSettingCount>;

// The notebook columns of the five settings, in that order.
std::array<int, kSettingCount> setting_columns();

// Points the chart may join with one line: all their settings are equal but
// one, the varying setting, so that the line shows what that setting does.
struct ChartSeries {
    std::vector<int> points;  // indices into the points given, in their order
    // What tells it from the other series: the settings that differ between
    // them, "me = 20 g/s" or "me = 10 g/s, ta = 25 ºC"; empty when alone.
    QString conditions;
};

// The varying setting is the quantity across when that is a setting (its
// index among the five); otherwise the setting with the most distinct values
// among the points, the first in the notebook's order among equals. Series
// come in ascending order of the settings that name them.
std::vector<ChartSeries> split_into_series(std::span<const PointSettings> points,
                                           int across_setting, const QLocale& locale);

}  // namespace gelvor::ui::notebook
