#include "notebook/notebook_chart_model.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "model/r11.h"
#include "model/r11_reference.h"
#include "notebook/notebook_picture.h"
#include "present/notebook_columns.h"
#include "present/number_text.h"
#include "texts/chart_texts.h"

namespace gelvor::notebook_chart {
namespace {

constexpr int kSaturationSteps = 60;
constexpr std::size_t kLegendRow = 2;  // legend entries that fit in a row above the plot
constexpr int kTicks = 5;              // what a value axis starts from

int column(const char* header) {
    return notebook_column(header);
}

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
std::string condition_text(int setting, double value, const NumberStyle& style) {
    const std::string header =
        notebook_columns()[static_cast<std::size_t>(
                               setting_columns()[static_cast<std::size_t>(setting)])]
            .header;
    const std::size_t open = header.rfind(" (");
    std::string name = open == std::string::npos ? header : header.substr(0, open);
    const std::string unit = open == std::string::npos
                                 ? std::string()
                                 : ' ' + header.substr(open + 2, header.size() - open - 3);
    for (std::size_t comma; (comma = name.find(", ")) != std::string::npos;)
        name.replace(comma, 2, " = ");
    return name + " = " + picture::short_number_text(value, style) + unit;
}

std::string unit_of(const std::string& header) {
    const std::size_t open = header.rfind('(');
    return open == std::string::npos ? std::string() : header.substr(open);
}

struct Range {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    void add(double v) {
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    bool empty() const { return lo > hi; }
};

// The lines' colours: one per series, so that the two quantities of one
// series share it; a single series keeps blue for the first quantity and
// red for the second.
constexpr unsigned kLineColours[] = {0x0000FF, 0xDC0000, 0x009600, 0xE67800, 0x8200AA,
                                     0x008C8C, 0x8C5014, 0xC8008C, 0x5A5A5A, 0x787800};
constexpr unsigned kBenchSaturationRgb = 0x969696;
constexpr unsigned kReferenceSaturationRgb = 0x3C3C3C;

// Heckbert's nice numbers: 1, 2 or 5 times a power of ten, the next one up
// or the nearest.
double nice_number(double x, bool up) {
    const double power = std::pow(10.0, std::floor(std::log10(x)));
    const double q = x / power;
    double nice;
    if (up)
        nice = q <= 1 ? 1 : q <= 2 ? 2 : q <= 5 ? 5 : 10;
    else
        nice = q < 1.5 ? 1 : q < 3 ? 2 : q < 7 ? 5 : 10;
    return nice * power;
}

// The points of one series with both quantities, in the order of the one across.
std::vector<XY> series_points(std::span<const MarkedPoint> points, const Series& series, int x,
                              int y, Range& xr, Range& yr) {
    std::vector<XY> out;
    for (int r : series.points) {
        const auto& v = points[static_cast<std::size_t>(r)].values;
        const double px = v[static_cast<std::size_t>(x)], py = v[static_cast<std::size_t>(y)];
        if (std::isfinite(px) && std::isfinite(py)) {
            out.push_back({px, py});
            xr.add(px);
            yr.add(py);
        }
    }
    std::stable_sort(out.begin(), out.end(), [](XY a, XY b) { return a.x < b.x; });
    return out;
}

bool is_pressure(int c) {
    return c == column("Pe abs (kPa)") || c == column("Pc abs (kPa)");
}
bool is_saturation_temperature(int c) {
    return c == column("te (\u00BAC)") || c == column("tc (\u00BAC)");
}

}  // namespace

std::span<const Preset> presets() {
    static const Preset kPresets[] = {
        {"presetQcQe",
         texts::kHeatFlowsPreset,
         {column("mc (g/s)"), column("Qc (W)"), column("Qe (W)")}},
        {"presetTePe", texts::kTePePreset, {column("Pe abs (kPa)"), column("te (\u00BAC)"), -1}},
        {"presetCopTc",
         texts::kCopTcPreset,
         {column("tc (\u00BAC)"), column("COP maq frigorifica"), column("COP bomba de calor")}},
    };
    return kPresets;
}

const Preset* find_preset(std::string_view name) {
    for (const Preset& p : presets())
        if (name == p.name)
            return &p;
    return nullptr;
}

std::array<int, kSettingCount> setting_columns() {
    return {column("mc (g/s)"), column("me (g/s)"), column("pa (mbar)"), column("t1, t4 (\u00BAC)"),
            column("ta (\u00BAC)")};
}

std::vector<Series> split_into_series(std::span<const PointSettings> points, int across_setting,
                                      const NumberStyle& style) {
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

    std::vector<Series> out;
    for (int index : order) {
        const PointSettings& p = points[static_cast<std::size_t>(index)];
        if (out.empty() ||
            other_settings_before(points[static_cast<std::size_t>(out.back().points.front())], p)) {
            out.push_back({});
        }
        out.back().points.push_back(index);
    }
    // Only the settings that differ between series name them.
    for (Series& series : out) {
        const PointSettings& first = points[static_cast<std::size_t>(series.points.front())];
        for (int k = 0; k < kSettingCount; ++k) {
            if (k == varying || distinct[static_cast<std::size_t>(k)] <= 1)
                continue;
            if (!series.conditions.empty())
                series.conditions += ", ";
            series.conditions += condition_text(k, first[static_cast<std::size_t>(k)], style);
        }
    }
    return out;
}

Axis value_axis(double lo, double hi, std::string title, const NumberStyle& style) {
    Axis axis;
    axis.title = std::move(title);
    if (lo <= hi && std::isfinite(lo) && std::isfinite(hi)) {
        const double pad = hi > lo ? (hi - lo) * 0.06 : std::max(1.0, std::abs(lo) * 0.05);
        const double min = lo - pad, max = hi + pad;
        const double step = nice_number(nice_number(max - min, true) / (kTicks - 1), false);
        const double first = std::floor(min / step), last = std::ceil(max / step);
        axis.tick_count = static_cast<int>(last - first) + 1;
        axis.min = first * step;
        axis.max = last * step;
    }
    const double spacing = (axis.max - axis.min) / (axis.tick_count - 1);
    const int decimals = std::max(static_cast<int>(-std::floor(std::log10(spacing))), 0) + 1;
    for (int i = 0; i < axis.tick_count; ++i) {
        const double value = axis.min + (i * (axis.max - axis.min) / (axis.tick_count - 1));
        axis.ticks.push_back(value);
        axis.labels.push_back(fixed_number_text(value, decimals, style));
    }
    return axis;
}

ChartModel chart_model(std::span<const MarkedPoint> points, AxisChoice choice,
                       const NumberStyle& style) {
    ChartModel out;
    const std::vector<std::string> headers = notebook_headers();
    const int columns = static_cast<int>(headers.size());
    const int x = choice.across, y = choice.up, y2 = choice.second_up;
    if (x < 0 || x >= columns || y < 0 || y >= columns || y2 >= columns) {
        out.across = value_axis(1, 0, "", style);
        out.up = value_axis(1, 0, "", style);
        out.second_up = value_axis(1, 0, "", style);
        out.second_up.shown = false;
        out.message = texts::kNoValues;
        return out;
    }
    const auto header = [&](int c) { return headers[static_cast<std::size_t>(c)]; };
    const bool second = y2 >= 0;
    // A second quantity of the same unit shares the axis on the left.
    const bool shared = second && unit_of(header(y2)) == unit_of(header(y));

    const auto settings_of = setting_columns();
    std::vector<PointSettings> settings(points.size());
    for (std::size_t r = 0; r < points.size(); ++r)
        for (std::size_t k = 0; k < settings_of.size(); ++k)
            settings[r][k] = points[r].values[static_cast<std::size_t>(settings_of[k])];
    const auto across = std::find(settings_of.begin(), settings_of.end(), x);
    const std::vector<Series> groups =
        split_into_series(settings, static_cast<int>(across - settings_of.begin()), style);

    std::vector<Curve> lines;
    Range xr, yr, y2r;
    const int quantities = second ? 2 : 1;
    for (int q = 0; q < quantities; ++q) {
        const int c = q == 0 ? y : y2;
        const bool right = q == 1 && !shared;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            std::vector<XY> xy = series_points(points, groups[g], x, c, xr, right ? y2r : yr);
            if (xy.empty())
                continue;
            std::string name = groups[g].conditions;
            if (name.empty())
                name = header(c);
            else if (second)
                name = header(c) + ", " + name;
            const std::size_t colour = groups.size() == 1 ? static_cast<std::size_t>(q) : g;
            lines.push_back({CurveKind::reading, std::move(name), std::move(xy),
                             kLineColours[colour % std::size(kLineColours)], 2,
                             q == 1 && groups.size() > 1, true, right});
        }
    }

    // The saturation curves under a saturation temperature against an absolute pressure.
    const bool curve = is_pressure(x) && !xr.empty() &&
                       (is_saturation_temperature(y) || (second && is_saturation_temperature(y2)));
    if (curve) {
        const bool curve_right = !is_saturation_temperature(y) && second && !shared;
        Curve fit{CurveKind::bench_saturation,
                  texts::kBenchSaturation,
                  {},
                  kBenchSaturationRgb,
                  1.5,
                  true,
                  false,
                  curve_right};
        Curve reference{CurveKind::reference_saturation,
                        texts::kReferenceSaturation,
                        {},
                        kReferenceSaturationRgb,
                        1.2,
                        false,
                        false,
                        curve_right};
        const double lo = xr.lo - (xr.hi - xr.lo) * 0.06 - 1,
                     hi = xr.hi + (xr.hi - xr.lo) * 0.06 + 1;
        Range& r = curve_right ? y2r : yr;
        for (int i = 0; i <= kSaturationSteps; ++i) {
            const double p = lo + (hi - lo) * i / kSaturationSteps;
            if (p <= 0)
                continue;
            fit.points.push_back({p, saturation_temperature(p)});
            r.add(fit.points.back().y);
            if (const auto s = r11ref::saturation_at_pressure(p)) {
                reference.points.push_back({p, s->t});
                r.add(s->t);
            }
        }
        out.curves.push_back(std::move(fit));
        out.curves.push_back(std::move(reference));
    }
    const std::size_t entries = lines.size() + out.curves.size();
    const bool nothing = lines.empty();
    for (Curve& line : lines) out.curves.push_back(std::move(line));

    out.across = value_axis(xr.lo, xr.hi, header(x), style);
    out.up = value_axis(yr.lo, yr.hi, shared ? header(y) + ", " + header(y2) : header(y), style);
    out.second_up = value_axis(y2r.lo, y2r.hi, second ? header(y2) : std::string(), style);
    out.second_up.shown = second && !shared;
    // Beside the plot when the names would not fit in a row above it.
    out.legend = entries > kLegendRow ? LegendPlace::right : LegendPlace::top;
    if (nothing)
        out.message = points.empty() ? texts::kNoPoints : texts::kNoValues;
    return out;
}

std::vector<std::string> axis_choices(bool second) {
    std::vector<std::string> out;
    if (second)
        out.push_back(texts::kNoSecondUp);
    for (const std::string& h : notebook_headers()) out.push_back(h);
    return out;
}

}  // namespace gelvor::notebook_chart
