#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "notebook/marked_point.h"
#include "present/number_style.h"

// The notebook's chart as numbers and texts, for every front end: one
// quantity across and one or two up, each a column of the notebook. A line
// joins only points taken at the same settings but one, in the order of the
// quantity across, so that each line shows one setting's effect, and is
// named by what tells it from the others ("me = 20 g/s"). With a saturation
// temperature against an absolute pressure, the saturation curves of the
// bench's correlation and of the reference equation go underneath. The
// desktop turns the model into Qt Charts, the page into SVG.
namespace gelvor::notebook_chart {

// The notebook columns on the axes.
struct AxisChoice {
    int across = 0;
    int up = 0;
    int second_up = -1;  // none
    friend bool operator==(const AxisChoice&, const AxisChoice&) = default;
};

// The manual's exercises, as the chart offers them: its object name
// ("presetQcQe"), its caption and the quantities it puts on the axes.
struct Preset {
    const char* name;
    const char* caption;
    AxisChoice choice;
};
std::span<const Preset> presets();
// The preset of that object name, or none.
const Preset* find_preset(std::string_view name);

// The five settings of a recorded point in the notebook's order: mc, me,
// pa, t1 and t4, ta.
inline constexpr int kSettingCount = 5;
using PointSettings = std::array<double, kSettingCount>;
// The notebook columns of the five settings, in that order.
std::array<int, kSettingCount> setting_columns();

// Points that one line may join: all their settings are equal but one, the
// varying setting.
struct Series {
    std::vector<int> points;  // indices into the points given, in their order
    // What tells it from the other series: the settings that differ between
    // them, "me = 20 g/s" or "me = 10 g/s, ta = 25 ºC"; empty when alone.
    std::string conditions;
};
// The varying setting is the quantity across when that is a setting (its
// index among the five); otherwise the setting with the most distinct values
// among the points, the first in the notebook's order among equals. Series
// come in ascending order of the settings that name them.
std::vector<Series> split_into_series(std::span<const PointSettings> points, int across_setting,
                                      const NumberStyle& style);

struct XY {
    double x = 0, y = 0;
    friend bool operator==(const XY&, const XY&) = default;
};

enum class CurveKind { reading, bench_saturation, reference_saturation };

struct Curve {
    CurveKind kind = CurveKind::reading;
    std::string name;        // in the legend
    std::vector<XY> points;  // in the order of x
    unsigned rgb = 0;
    double width = 2;
    bool dashed = false;
    bool markers = false;  // each point marked
    bool right = false;    // on the second axis up
};

// An axis as Qt Charts' value axis lays it out: a range of nice numbers
// with evenly spaced ticks, labelled with as many decimals as tell the
// ticks apart, and one more.
struct Axis {
    double min = 0, max = 1;
    int tick_count = 5;
    std::vector<double> ticks;        // from min to max
    std::vector<std::string> labels;  // one for each tick
    std::string title;
    bool shown = true;
};

enum class LegendPlace { top, right };

struct ChartModel {
    // The saturation curves first where they are drawn, then the readings:
    // the legend's order.
    std::vector<Curve> curves;
    Axis across, up, second_up;  // second_up shown only for a quantity of another unit
    LegendPlace legend = LegendPlace::top;
    // Said in the middle of the plot when no reading is drawn; empty otherwise.
    std::string message;
};

// The chart of the recorded points for a choice of axes; the line names and
// tick labels in `style`. A choice of columns that do not exist draws
// nothing and says so.
ChartModel chart_model(std::span<const MarkedPoint> points, AxisChoice choice,
                       const NumberStyle& style);

// A value axis over [lo, hi], with a little air around the values; a single
// value gets a unit either side; no values, 0 to 1.
Axis value_axis(double lo, double hi, std::string title, const NumberStyle& style);

// The choices of the axes' selectors, in order: the columns' headers, and
// before them, for the second quantity up, the choice of none.
std::vector<std::string> axis_choices(bool second);

}  // namespace gelvor::notebook_chart
