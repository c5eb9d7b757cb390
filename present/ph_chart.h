#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "model/bench.h"

// The geometry of a true pressure-enthalpy chart of R-11 by its reference
// equation of state, as plain numbers: the axes and their ticks, the
// saturation dome, isotherms, isentropes and lines of constant quality, and
// one pass's cycle with its ideal compression. A widget or a page only maps
// (h, p) onto its plot, enthalpy linearly and pressure logarithmically, and
// strokes the lines; the texts of ticks and labels are the caller's.
namespace gelvor::ph_chart {

struct ChartPoint {
    double h;  // kJ/kg
    double p;  // kPa absolute
};
using Polyline = std::vector<ChartPoint>;

struct Axis {
    double min = 0, max = 0;
    std::vector<double> ticks;  // from min to max
};

// A line of one temperature, entropy or quality, in the pieces that lie
// within the axes (most have one), with where its label goes.
struct ChartLine {
    double value = 0;  // ºC, kJ/(kg K) or a fraction
    std::vector<Polyline> pieces;
    ChartPoint label_anchor{};  // on the line, within the axes
};

enum class ChartRange : std::uint8_t {
    whole_dome,    // up to the critical point, with room for a hot discharge
    bench_region,  // the pressures and enthalpies the bench reaches
};

struct ChartGeometry {
    Axis enthalpy;  // linear
    Axis pressure;  // logarithmic
    // From the bottom of the axes up to the critical point, or to the top of
    // the axes where that comes first.
    Polyline saturated_liquid;
    Polyline saturated_vapour;
    std::optional<ChartPoint> critical_point;  // set when within the axes
    std::vector<ChartLine> isotherms;          // across liquid, dome and vapour
    std::vector<ChartLine> isentropes;         // in the vapour
    std::vector<ChartLine> quality_lines;      // x = 0.1 to 0.9
};

// The chart of a range, computed when first asked for and then kept: it
// never changes, and takes some tens of milliseconds to compute.
const ChartGeometry& chart_geometry(ChartRange range);
// The same computed anew.
ChartGeometry build_chart_geometry(ChartRange range);

// One pass's cycle on the chart. Compute it once per cycle and keep it: the
// ideal compression costs some tens of microseconds.
struct CycleGeometry {
    std::array<ChartPoint, 4> points{};  // A, B, C, D at the pass's enthalpies
    // From A', saturated vapour at the evaporating pressure, along its
    // isentrope up to the condensing pressure, ending at the point reached;
    // empty when there is no compression or the equation cannot follow it.
    Polyline ideal_compression;
};
// None when a point's enthalpy is not finite or its pressure not positive.
std::optional<CycleGeometry> cycle_geometry(const BenchState& state);

// Hovering and clicking: cycles as mapped onto the plot, in its own units.
struct PlotPoint {
    double x, y;
};
using PlotCycle = std::array<PlotPoint, 4>;  // A, B, C, D
// The cycle whose outline A-B-C-D-A passes nearest to `at`, if that is
// within `tolerance`; the first of equals.
std::optional<std::size_t> nearest_cycle(std::span<const PlotCycle> cycles, PlotPoint at,
                                         double tolerance);

}  // namespace gelvor::ph_chart
