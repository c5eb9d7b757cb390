#include "present/ph_chart.h"

#include <algorithm>
#include <cmath>

#include "model/r11_reference.h"

namespace gelvor::ph_chart {
namespace {

// What each range shows, and how densely its lines are drawn.
struct RangeLayout {
    double h_min, h_max, h_tick_step;  // kJ/kg
    double p_min, p_max;               // kPa
    std::vector<double> p_tick_mantissas;
    double isotherm_from, isotherm_to, isotherm_step;     // ºC
    double isentrope_from, isentrope_to, isentrope_step;  // kJ/(kg K)
};
// The whole dome up to 10 MPa, with room for a discharge at 300 ºC.
const RangeLayout kWholeDome{150, 600, 50, 10, 10'000, {1, 2, 5}, -20, 300, 20, 1.65, 2.2, 0.05};
// Every pressure and enthalpy the bench reaches over its settings' ranges
// (35 to 230 kPa, 216 to 508 kJ/kg), with a margin.
const RangeLayout kBenchRegion{180, 520, 20, 20, 300, {1, 2, 3, 5}, -20, 120, 10, 1.68, 1.92, 0.04};

constexpr int kDomeSamples = 100;      // saturation temperatures up to the critical point
constexpr int kLiquidSamples = 8;      // along an isotherm's liquid part
constexpr int kVapourSamples = 32;     // along an isotherm's vapour part
constexpr int kIsentropeSamples = 40;  // along an isentrope, over the pressure axis
constexpr int kCompressionSamples = 6;

// `count` + 1 values from `from` to `to`, evenly spaced in their logarithm.
std::vector<double> log_spaced(double from, double to, int count) {
    std::vector<double> out;
    for (int k = 0; k <= count; ++k) {
        out.push_back(k == count ? to : from * std::pow(to / from, double(k) / count));
    }
    return out;
}

// `from`, `from` + `step`, ... up to `to`, each from its index so that
// rounding does not add up.
std::vector<double> stepped(double from, double to, double step) {
    std::vector<double> out;
    const int count = static_cast<int>(std::floor((to - from) / step + 1e-9));
    for (int k = 0; k <= count; ++k) {
        out.push_back(from + k * step);
    }
    return out;
}

std::vector<double> pressure_ticks(const RangeLayout& r) {
    std::vector<double> ticks;
    for (double decade = std::pow(10.0, std::floor(std::log10(r.p_min))); decade <= r.p_max;
         decade *= 10) {
        for (double m : r.p_tick_mantissas) {
            const double v = m * decade;
            if (v >= r.p_min * (1 - 1e-9) && v <= r.p_max * (1 + 1e-9)) {
                ticks.push_back(v);
            }
        }
    }
    return ticks;
}

// Cuts a line to the axes, in the plane the chart is drawn in (h against
// log p), where each segment is straight: Liang and Barsky's clipping of
// every segment, new pieces starting where the line comes back in.
std::vector<Polyline> clip(const Polyline& line, const RangeLayout& r) {
    const double y_min = std::log10(r.p_min), y_max = std::log10(r.p_max);
    // A point of the segment a-b; its ends as they are.
    const auto at = [&](ChartPoint a, ChartPoint b, double f) {
        if (f == 0 || f == 1) {
            return f == 0 ? a : b;
        }
        const double ya = std::log10(a.p), yb = std::log10(b.p);
        return ChartPoint{std::clamp(a.h + f * (b.h - a.h), r.h_min, r.h_max),
                          std::clamp(std::pow(10.0, ya + f * (yb - ya)), r.p_min, r.p_max)};
    };
    std::vector<Polyline> pieces;
    Polyline piece;
    const auto close_piece = [&] {
        if (piece.size() >= 2) {
            pieces.push_back(piece);
        }
        piece.clear();
    };
    for (std::size_t i = 0; i + 1 < line.size(); ++i) {
        const ChartPoint a = line[i], b = line[i + 1];
        const double x0 = a.h, y0 = std::log10(a.p);
        const double dx = b.h - x0, dy = std::log10(b.p) - y0;
        double f0 = 0, f1 = 1;
        // Keeps the part of the segment where direction * f <= room.
        const auto keep = [&](double direction, double room) {
            if (direction == 0) {
                return room >= 0;
            }
            const double f = room / direction;
            if (direction < 0) {
                f0 = std::max(f0, f);
            } else {
                f1 = std::min(f1, f);
            }
            return f0 <= f1;
        };
        if (!(keep(-dx, x0 - r.h_min) && keep(dx, r.h_max - x0) && keep(-dy, y0 - y_min) &&
              keep(dy, y_max - y0))) {
            close_piece();
            continue;
        }
        if (piece.empty() || f0 > 0) {
            close_piece();
            piece.push_back(at(a, b, f0));
        }
        piece.push_back(at(a, b, f1));
        if (f1 < 1) {
            close_piece();
        }
    }
    close_piece();
    return pieces;
}

enum class LabelAt { start, end };

// A line clipped to the axes, or none when nothing of it is left.
std::optional<ChartLine> chart_line(double value, const std::vector<Polyline>& raw,
                                    const RangeLayout& r, LabelAt label) {
    ChartLine out{value, {}, {}};
    for (const Polyline& part : raw) {
        for (Polyline& piece : clip(part, r)) {
            out.pieces.push_back(std::move(piece));
        }
    }
    if (out.pieces.empty()) {
        return std::nullopt;
    }
    out.label_anchor =
        label == LabelAt::start ? out.pieces.front().front() : out.pieces.back().back();
    return out;
}

// The saturation line from the bottom of the axes to the critical point,
// closer together towards the top, where the dome rounds off.
std::vector<r11ref::Saturation> saturation_samples(const RangeLayout& r) {
    std::vector<r11ref::Saturation> out;
    const auto bottom = r11ref::saturation_at_pressure(r.p_min);
    if (!bottom) {
        return out;
    }
    const double span = r11ref::kCriticalTemperature - bottom->t;
    for (int i = 0; i <= kDomeSamples; ++i) {
        const double rest = 1 - double(i) / kDomeSamples;
        const double t = i == kDomeSamples
                             ? r11ref::kCriticalTemperature
                             : r11ref::kCriticalTemperature - span * rest * rest * rest;
        if (const auto s = r11ref::saturation_at_temperature(t)) {
            out.push_back(*s);
        }
    }
    return out;
}

// A saturation line clipped to the axes: it rises all the way, so it stays
// in one piece.
Polyline clipped_whole(const Polyline& line, const RangeLayout& r) {
    const auto pieces = clip(line, r);
    return pieces.empty() ? Polyline{} : pieces.front();
}

// From the top of the pressure axis down: compressed liquid to the
// saturation pressure, across the dome, then the vapour down to the bottom.
std::optional<ChartLine> isotherm(double t, const RangeLayout& r) {
    Polyline line;
    const auto add_states = [&](const std::vector<double>& pressures) {
        for (double p : pressures) {
            if (const auto s = r11ref::state_at_pressure_temperature(p, t)) {
                line.push_back({s->h, p});
            }
        }
    };
    const auto sat =
        t < r11ref::kCriticalTemperature ? r11ref::saturation_at_temperature(t) : std::nullopt;
    if (!sat) {
        add_states(log_spaced(r.p_max, r.p_min, kLiquidSamples + kVapourSamples));
        return chart_line(t, {line}, r, LabelAt::end);
    }
    // Both saturated states come from the saturation line, not from (p, t).
    const bool dome_shown = sat->p >= r.p_min && sat->p <= r.p_max;
    if (sat->p < r.p_max) {
        auto liquid = log_spaced(r.p_max, std::max(sat->p, r.p_min), kLiquidSamples);
        if (dome_shown) {
            liquid.pop_back();
        }
        add_states(liquid);
    }
    if (dome_shown) {
        line.push_back({sat->liquid_enthalpy, sat->p});
        line.push_back({sat->vapour_enthalpy, sat->p});
    }
    if (sat->p > r.p_min) {
        auto vapour = log_spaced(std::min(sat->p, r.p_max), r.p_min, kVapourSamples);
        if (dome_shown) {
            vapour.erase(vapour.begin());
        }
        add_states(vapour);
    }
    return chart_line(t, {line}, r, LabelAt::end);
}

// Up the pressure axis while the entropy's state is vapour: where it dips
// into the dome, the line breaks.
std::optional<ChartLine> isentrope(double s, const RangeLayout& r) {
    std::vector<Polyline> parts(1);
    for (double p : log_spaced(r.p_min, r.p_max, kIsentropeSamples)) {
        const auto state = r11ref::state_at_pressure_entropy(p, s);
        if (state && !state->quality) {
            parts.back().push_back({state->h, p});
        } else if (!parts.back().empty()) {
            parts.emplace_back();
        }
    }
    return chart_line(s, parts, r, LabelAt::end);
}

ChartGeometry build(const RangeLayout& r) {
    ChartGeometry g;
    g.enthalpy = {r.h_min, r.h_max, stepped(r.h_min, r.h_max, r.h_tick_step)};
    g.pressure = {r.p_min, r.p_max, pressure_ticks(r)};

    const auto saturation = saturation_samples(r);
    Polyline liquid, vapour;
    for (const auto& s : saturation) {
        liquid.push_back({s.liquid_enthalpy, s.p});
        vapour.push_back({s.vapour_enthalpy, s.p});
    }
    g.saturated_liquid = clipped_whole(liquid, r);
    g.saturated_vapour = clipped_whole(vapour, r);
    if (!saturation.empty() && saturation.back().t == r11ref::kCriticalTemperature) {
        const ChartPoint top{saturation.back().liquid_enthalpy, saturation.back().p};
        if (top.h >= r.h_min && top.h <= r.h_max && top.p >= r.p_min && top.p <= r.p_max) {
            g.critical_point = top;
        }
    }

    for (int tenths = 1; tenths <= 9; ++tenths) {
        const double x = tenths / 10.0;
        Polyline line;
        for (const auto& s : saturation) {
            line.push_back({s.liquid_enthalpy + x * (s.vapour_enthalpy - s.liquid_enthalpy), s.p});
        }
        if (auto l = chart_line(x, {line}, r, LabelAt::start)) {
            g.quality_lines.push_back(std::move(*l));
        }
    }
    for (double t : stepped(r.isotherm_from, r.isotherm_to, r.isotherm_step)) {
        if (auto l = isotherm(t, r)) {
            g.isotherms.push_back(std::move(*l));
        }
    }
    for (double s : stepped(r.isentrope_from, r.isentrope_to, r.isentrope_step)) {
        if (auto l = isentrope(s, r)) {
            g.isentropes.push_back(std::move(*l));
        }
    }
    return g;
}

double squared_distance_to_segment(PlotPoint q, PlotPoint a, PlotPoint b) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length2 = dx * dx + dy * dy;
    const double f =
        length2 > 0 ? std::clamp(((q.x - a.x) * dx + (q.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
    const double ex = q.x - (a.x + f * dx), ey = q.y - (a.y + f * dy);
    return ex * ex + ey * ey;
}

}  // namespace

ChartGeometry build_chart_geometry(ChartRange range) {
    return build(range == ChartRange::whole_dome ? kWholeDome : kBenchRegion);
}

const ChartGeometry& chart_geometry(ChartRange range) {
    if (range == ChartRange::whole_dome) {
        static const ChartGeometry whole = build_chart_geometry(range);
        return whole;
    }
    static const ChartGeometry bench = build_chart_geometry(range);
    return bench;
}

std::optional<CycleGeometry> cycle_geometry(const BenchState& state) {
    const double pe = state.evap_pressure, pc = state.cond_pressure;
    CycleGeometry out;
    out.points = {ChartPoint{state.h1, pe}, {state.h2, pc}, {state.h3, pc}, {state.h4, pe}};
    for (const ChartPoint& point : out.points) {
        if (!std::isfinite(point.h) || !(point.p > 0) || !std::isfinite(point.p)) {
            return std::nullopt;
        }
    }
    const auto suction = pc > pe ? r11ref::saturation_at_pressure(pe) : std::nullopt;
    if (!suction) {
        return out;
    }
    out.ideal_compression.push_back({suction->vapour_enthalpy, pe});
    for (double p : log_spaced(pe, pc, kCompressionSamples)) {
        if (p == pe) {
            continue;
        }
        const auto reached = r11ref::state_at_pressure_entropy(p, suction->vapour_entropy);
        if (!reached) {
            out.ideal_compression.clear();
            break;
        }
        out.ideal_compression.push_back({reached->h, p});
    }
    return out;
}

std::optional<std::size_t> nearest_cycle(std::span<const PlotCycle> cycles, PlotPoint at,
                                         double tolerance) {
    if (!(tolerance >= 0)) {
        return std::nullopt;
    }
    std::optional<std::size_t> nearest;
    double best = tolerance * tolerance;  // squared distances throughout
    for (std::size_t i = 0; i < cycles.size(); ++i) {
        const PlotCycle& c = cycles[i];
        for (std::size_t k = 0; k < c.size(); ++k) {
            const double d = squared_distance_to_segment(at, c[k], c[(k + 1) % c.size()]);
            if (d < best || (!nearest && d == best)) {
                best = d;
                nearest = i;
            }
        }
    }
    return nearest;
}

}  // namespace gelvor::ph_chart
