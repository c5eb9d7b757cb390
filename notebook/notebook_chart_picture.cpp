#include "notebook/notebook_chart_picture.h"

#include <algorithm>
#include <cmath>

#include "texts/chart_texts.h"

namespace gelvor::notebook_chart {
namespace {

using picture::Align;
using picture::Box;
using picture::Colour;
using picture::Point;
using picture::Shape;
using picture::Text;

// Qt Charts' light theme, as the desktop's chart shows it.
constexpr Colour kGrid{0xE2E2E2};
constexpr Colour kAxisLine{0xD6D6D6};
constexpr Colour kLabels{0x404044};
constexpr Colour kMessage{0x5A5A5A};

// Sizes at 100 %, in pixels; the zoom scales every one.
constexpr double kTextPixels = 11, kMessagePixels = 13;
constexpr double kMargin = 8, kTick = 5, kLabelGap = 3;
constexpr double kMarkerRadius = 2.5;
constexpr double kLegendLine = 12, kLegendGap = 6, kLegendSpacing = 16;
// The legend stands beside the plot only while the plot keeps this share
// of the width; on a narrow screen it goes above.
constexpr double kLeastPlotShare = 0.55;

int pixels_at(double pixels, double zoom) {
    return std::max(1, static_cast<int>(std::lround(pixels * zoom)));
}

Shape rule(Point a, Point b, Colour colour, bool clipped = false) {
    return {picture::Segments{{{a, b}}}, picture::Pen{colour, 1}, std::nullopt, false, clipped, {}};
}
Shape text(Text t, Colour colour) {
    return {std::move(t), std::nullopt, colour, true, false, {}};
}

// Where a value falls along an axis laid over [from, to] pixels.
double along(const Axis& axis, double value, double from, double to) {
    return from + (value - axis.min) / (axis.max - axis.min) * (to - from);
}

// Every k-th of `count` labels of at most `widest` pixels, so that no two
// touch over `length` pixels.
std::size_t label_step(double widest, std::size_t count, double length, double gap) {
    const double spacing = count > 1 ? length / double(count - 1) : length;
    return static_cast<std::size_t>(std::max(1.0, std::ceil((widest + gap) / spacing)));
}

double widest_label(const Axis& axis, int pixels, const picture::TextMeasure& measure) {
    double widest = 0;
    for (const std::string& l : axis.labels)
        widest = std::max(widest, measure.width(l, pixels, false));
    return widest;
}

struct LegendEntry {
    const Curve* curve;
    double width;  // its line and its name
};

// The legend's entries in rows no wider than `room`.
std::vector<std::vector<LegendEntry>> legend_rows(const std::vector<LegendEntry>& entries,
                                                  double room, double spacing) {
    std::vector<std::vector<LegendEntry>> rows;
    double used = 0;
    for (const LegendEntry& e : entries) {
        if (rows.empty() || (used + spacing + e.width > room && !rows.back().empty())) {
            rows.emplace_back();
            used = -spacing;
        }
        rows.back().push_back(e);
        used += spacing + e.width;
    }
    return rows;
}

void add_legend_entry(std::vector<Shape>& out, const LegendEntry& e, Point at, double row,
                      int pixels, double z) {
    const Curve& c = *e.curve;
    // On a pixel's middle for a line of an odd width, so that a thin one stays sharp.
    const double width = c.width * z;
    const double y =
        std::round(at.y + row / 2) + (static_cast<long>(std::lround(width)) % 2 == 1 ? 0.5 : 0);
    out.push_back({picture::Segments{{{{at.x, y}, {at.x + kLegendLine * z, y}}}},
                   picture::Pen{{c.rgb}, c.width * z, c.dashed, picture::Cap::flat}, std::nullopt,
                   true, false, c.name});
    const double x = at.x + (kLegendLine + kLegendGap) * z;
    out.push_back(text(picture::words_in({x, at.y, e.width - (x - at.x), row}, c.name, pixels,
                                         false, Align::start, Align::centre),
                       kLabels));
}

}  // namespace

picture::Picture chart_picture(const ChartModel& model, const Box& area, double zoom,
                               const picture::TextMeasure& measure) {
    const double z = zoom;
    picture::Picture out;
    out.width = area.right();
    out.height = area.bottom();
    auto& shapes = out.shapes;
    const int pixels = pixels_at(kTextPixels, z);
    const double line = measure.height(pixels, false);
    const double margin = kMargin * z, tick = kTick * z, gap = kLabelGap * z;
    const double row = line * 1.6;

    std::vector<LegendEntry> entries;
    double widest_entry = 0;
    for (const Curve& c : model.curves) {
        const double w = (kLegendLine + kLegendGap) * z + measure.width(c.name, pixels, false);
        entries.push_back({&c, w});
        widest_entry = std::max(widest_entry, w);
    }
    const double beside = widest_entry + 2 * margin;
    const bool right = model.legend == LegendPlace::right && !entries.empty() &&
                       area.width - beside >= area.width * kLeastPlotShare;
    const auto rows = right ? std::vector<std::vector<LegendEntry>>{}
                            : legend_rows(entries, area.width - 2 * margin, kLegendSpacing * z);

    // The plot, with room around it for the ticks' labels and the titles.
    const double up_labels = widest_label(model.up, pixels, measure);
    const double second_labels =
        model.second_up.shown ? widest_label(model.second_up, pixels, measure) : 0;
    const double last_across = model.across.labels.empty()
                                   ? 0
                                   : measure.width(model.across.labels.back(), pixels, false) / 2;
    Box plot;
    plot.x = area.left() + margin + line * 1.4 + up_labels + gap + tick;
    const double top =
        area.top() + margin + (rows.empty() ? line / 2 : rows.size() * row + line / 2);
    const double right_edge =
        area.right() - margin - (right ? beside : 0) -
        (model.second_up.shown ? tick + gap + second_labels + line * 1.4 : last_across);
    const double bottom = area.bottom() - margin - tick - gap - line * 2.4;
    plot.y = top;
    plot.width = std::max(1.0, right_edge - plot.x);
    plot.height = std::max(1.0, bottom - top);
    out.clip = plot;

    // The grid and the axes' lines, ticks and labels.
    const double x_of_min = plot.left(), x_of_max = plot.right();
    const auto x_of = [&](double v) { return along(model.across, v, x_of_min, x_of_max); };
    const auto y_of = [&](const Axis& a, double v) {
        return along(a, v, plot.bottom(), plot.top());
    };
    for (double v : model.across.ticks) {
        const double x = x_of(v);
        shapes.push_back(rule({x, plot.top()}, {x, plot.bottom()}, kGrid));
    }
    for (const Axis* a : {&model.up, &model.second_up}) {
        if (!a->shown)
            continue;
        for (double v : a->ticks) {
            const double y = y_of(*a, v);
            shapes.push_back(rule({plot.left(), y}, {plot.right(), y}, kGrid));
        }
    }
    shapes.push_back(rule({plot.left(), plot.top()}, {plot.left(), plot.bottom()}, kAxisLine));
    shapes.push_back(rule({plot.left(), plot.bottom()}, {plot.right(), plot.bottom()}, kAxisLine));
    if (model.second_up.shown)
        shapes.push_back(
            rule({plot.right(), plot.top()}, {plot.right(), plot.bottom()}, kAxisLine));

    const double across_widest = widest_label(model.across, pixels, measure);
    const std::size_t every =
        label_step(across_widest, model.across.ticks.size(), plot.width, 8 * z);
    for (std::size_t i = 0; i < model.across.ticks.size(); ++i) {
        const double x = x_of(model.across.ticks[i]);
        shapes.push_back(rule({x, plot.bottom()}, {x, plot.bottom() + tick}, kAxisLine));
        if (i % every == 0)
            shapes.push_back(
                text(picture::words_in(
                         {x - across_widest, plot.bottom() + tick + gap, 2 * across_widest, line},
                         model.across.labels[i], pixels, false, Align::centre),
                     kLabels));
    }
    for (const Axis* a : {&model.up, &model.second_up}) {
        if (!a->shown)
            continue;
        const bool left = a == &model.up;
        const double widest = left ? up_labels : second_labels;
        const std::size_t step = label_step(line, a->ticks.size(), plot.height, 2 * z);
        for (std::size_t i = 0; i < a->ticks.size(); ++i) {
            const double y = y_of(*a, a->ticks[i]);
            const double edge = left ? plot.left() : plot.right();
            shapes.push_back(rule({edge, y}, {left ? edge - tick : edge + tick, y}, kAxisLine));
            if (i % step != 0)
                continue;
            const double x = left ? edge - tick - gap - widest : edge + tick + gap;
            shapes.push_back(
                text(picture::words_in({x, y - line / 2, widest, line}, a->labels[i], pixels, false,
                                       left ? Align::end : Align::start, Align::centre),
                     kLabels));
        }
    }
    shapes.push_back(text(
        picture::words_in({plot.left(), plot.bottom() + tick + gap + line * 1.2, plot.width, line},
                          model.across.title, pixels, true, Align::centre),
        kLabels));
    shapes.push_back(
        text(picture::turned(picture::words_in({-plot.height / 2, 0, plot.height, line},
                                               model.up.title, pixels, true, Align::centre),
                             {area.left() + margin, plot.centre().y}, -90),
             kLabels));
    if (model.second_up.shown) {
        shapes.push_back(
            text(picture::turned(
                     picture::words_in({-plot.height / 2, 0, plot.height, line},
                                       model.second_up.title, pixels, true, Align::centre),
                     {plot.right() + tick + gap + second_labels + line * 1.4, plot.centre().y}, 90),
                 kLabels));
    }

    // The curves within the plot, each point of the readings marked.
    for (const Curve& c : model.curves) {
        const Axis& a = c.right ? model.second_up : model.up;
        picture::Polyline points;
        for (const XY& p : c.points) points.push_back({x_of(p.x), y_of(a, p.y)});
        if (points.size() > 1)
            shapes.push_back({picture::Path{{points}, false},
                              picture::Pen{{c.rgb}, c.width * z, c.dashed}, std::nullopt, true,
                              true, c.name});
        if (c.markers) {
            for (Point p : points)
                shapes.push_back({picture::Circle{p, kMarkerRadius * z}, std::nullopt,
                                  Colour{c.rgb}, true, true, c.name});
        }
    }

    // The legend, beside the plot or in rows above it, each row centred.
    if (right) {
        const double height = entries.size() * row;
        Point at{area.right() - margin - widest_entry, plot.centre().y - height / 2};
        for (const LegendEntry& e : entries) {
            add_legend_entry(shapes, e, at, row, pixels, z);
            at.y += row;
        }
    } else {
        double y = area.top() + margin;
        for (const auto& r : rows) {
            double width = 0;
            for (const LegendEntry& e : r) width += e.width;
            width += (r.size() - 1) * kLegendSpacing * z;
            double x = area.left() + (area.width - width) / 2;
            for (const LegendEntry& e : r) {
                add_legend_entry(shapes, e, {x, y}, row, pixels, z);
                x += e.width + kLegendSpacing * z;
            }
            y += row;
        }
    }

    if (!model.message.empty()) {
        const int message_pixels = pixels_at(kMessagePixels, z);
        const double width = plot.width * 0.8;
        const double height = measure.wrapped_height(model.message, width, message_pixels);
        shapes.push_back(
            text(picture::wrapped(picture::words_in(
                     {plot.centre().x - width / 2, plot.centre().y - height / 2, width, height},
                     model.message, message_pixels, false, Align::centre)),
                 kMessage));
    }
    return out;
}

std::string chart_summary(const ChartModel& model) {
    std::string up = model.up.title;
    if (model.second_up.shown)
        up = picture::fill_in(texts::kSummaryBoth, {up, model.second_up.title});
    std::string out = picture::fill_in(texts::kSummaryAxes, {up, model.across.title});
    for (const Curve& c : model.curves) {
        if (c.kind != CurveKind::reading)
            continue;
        out += ' ';
        out += c.points.size() == 1 ? picture::fill_in(texts::kSummaryLineOne, {c.name})
                                    : picture::fill_in(texts::kSummaryLine,
                                                       {c.name, std::to_string(c.points.size())});
    }
    if (!model.message.empty())
        out += ' ' + model.message;
    return out;
}

}  // namespace gelvor::notebook_chart
