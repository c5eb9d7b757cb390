#include "ui/notebook/ph_diagram_drawing.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "layout/form1_layout.h"
#include "texts/chart_texts.h"
#include "texts/unit_texts.h"
#include "ui/look.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

using ph_chart::ChartGeometry;
using ph_chart::ChartLine;
using ph_chart::Polyline;

// The segments as the bench's chart draws them: Line1_0..3 are C-D, D-A,
// A-B, B-C; A-B is the compression.
constexpr int kSegmentFrom[4] = {2, 3, 0, 1};
constexpr int kSegmentTo[4] = {3, 0, 1, 2};
constexpr int kCompression = 2;
constexpr int kB = 1;

// The chart's lines faint enough for the cycles to stand out; each family's
// labels a shade darker than its lines.
struct LineStyle {
    QColor line, label;
};
const LineStyle kIsotherms{{228, 186, 158}, {160, 84, 36}};
const LineStyle kIsentropes{{166, 208, 166}, {46, 120, 46}};
const LineStyle kQualityLines{{176, 190, 224}, {56, 76, 146}};
const QColor kGrid{238, 238, 238};
const QColor kDome{60, 60, 60};
const QColor kFaintCycle{110, 120, 155, 170};
const QColor kHoveredCycle{20, 20, 20};
const QColor kRing{220, 0, 0};
const QColor kHalo{255, 255, 255, 225};

// Sizes at 100 %, in pixels; the zoom scales every one.
constexpr double kTickPixels = 11, kLabelPixels = 10, kTitlePixels = 12, kLetterPixels = 13;
constexpr double kCaptionPixels = 10;
constexpr double kTickLength = 4, kMarkerRadius = 4, kRingRadius = 9, kEndRadius = 3;
constexpr double kCycleWidth = 2.5, kFaintWidth = 1, kHoveredWidth = 2, kIdealWidth = 1.5;
constexpr double kChartLineWidth = 0.9, kDomeWidth = 1.6;
constexpr double kLabelStep = 8;  // between the places a line's label may take
constexpr int kLabelTries = 40;

QFont font_at(double pixels, double zoom, bool bold = false) {
    return look::sans(std::max(1, static_cast<int>(std::lround(pixels * zoom))), bold);
}

// The user's decimal separator, and no thousands separator in "10000".
QString number(double v) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(v, 'g', 6);
}

// The caption, with only the notes that apply; `every_note` gives them all,
// for the room the caption takes, so that the axes never move.
QString caption(const DiagramContent& c, bool every_note = false) {
    QStringList parts{qt::to_qstring(texts::kSaturatedANote), qt::to_qstring(texts::kDomeNote),
                      qt::to_qstring(texts::kLinesNote)};
    if (every_note || (c.highlighted && !c.highlighted->geometry.ideal_compression.empty())) {
        parts << qt::to_qstring(texts::kIdealEndNote);
    }
    const bool flagged =
        (c.highlighted && c.highlighted->flagged) ||
        std::any_of(c.faint.begin(), c.faint.end(), [](const auto* f) { return f->flagged; });
    if (every_note || flagged) {
        parts << qt::to_qstring(texts::kRedCircleNote);
    }
    if (every_note || !c.faint.empty())
        parts << qt::to_qstring(texts::kGreyCyclesNote);
    return parts.join(u' ');
}

struct Layout {
    QRectF title, plot, caption;
    QFont ticks, title_font, caption_font;
};

Layout layout_of(const QRectF& area, const DiagramContent& c) {
    const double z = c.zoom;
    Layout l;
    l.ticks = font_at(kTickPixels, z);
    l.title_font = font_at(kTitlePixels, z, true);
    l.caption_font = font_at(kCaptionPixels, z);
    const QFontMetricsF ticks(l.ticks), title(l.title_font), caption_metrics(l.caption_font);
    const double line = ticks.height();
    l.title = QRectF(area.left(), area.top(), area.width(), title.height() * 1.7);
    const double margin = 6 * z;
    const QRectF wide(area.left() + margin, 0, area.width() - 2 * margin, 1e6);
    const double caption_height =
        caption_metrics.boundingRect(wide, Qt::TextWordWrap | Qt::AlignLeft, caption(c, true))
            .height();
    l.caption = QRectF(wide.left(), area.bottom() - caption_height - margin / 2, wide.width(),
                       caption_height);
    // Left: the rotated axis title and the pressure ticks; below: the
    // enthalpy ticks and the axis title; right: half the last tick's label.
    const double left = area.left() + line * 1.5 +
                        ticks.horizontalAdvance(QStringLiteral("10000")) + (kTickLength + 4) * z;
    const double right =
        area.right() - std::max(line, ticks.horizontalAdvance(QStringLiteral("600")) / 2 + margin);
    const double bottom = l.caption.top() - margin - line * 2.4 - kTickLength * z;
    l.plot = QRectF(QPointF(left, l.title.bottom()), QPointF(right, bottom));
    return l;
}

QPainterPath path_of(const PlotMapping& map, const Polyline& line) {
    QPainterPath path;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (i == 0)
            path.moveTo(map(line[i]));
        else
            path.lineTo(map(line[i]));
    }
    return path;
}

std::vector<QPointF> pixels_of(const PlotMapping& map, const Polyline& line) {
    std::vector<QPointF> out;
    out.reserve(line.size());
    for (const auto& p : line) out.push_back(map(p));
    return out;
}

void draw_grid_and_axes(QPainter& painter, const Layout& l, const PlotMapping& map,
                        const ChartGeometry& g, double z) {
    const QRectF& plot = map.plot();
    painter.setPen(QPen(kGrid, 1));
    for (double h : g.enthalpy.ticks) {
        const double x = map({h, g.pressure.min}).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    }
    for (double p : g.pressure.ticks) {
        const double y = map({g.enthalpy.min, p}).y();
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }

    painter.setFont(l.ticks);
    painter.setPen(QPen(Qt::black, z));
    const QFontMetricsF fm(l.ticks);
    const double line = fm.height(), tick = kTickLength * z;
    // Every tick marked; every k-th numbered, so that no two numbers touch.
    double widest = 0;
    for (double h : g.enthalpy.ticks) widest = std::max(widest, fm.horizontalAdvance(number(h)));
    const double spacing = g.enthalpy.ticks.size() > 1
                               ? plot.width() / double(g.enthalpy.ticks.size() - 1)
                               : plot.width();
    const auto every =
        static_cast<std::size_t>(std::max(1.0, std::ceil((widest + 8 * z) / spacing)));
    for (std::size_t i = 0; i < g.enthalpy.ticks.size(); ++i) {
        const double x = map({g.enthalpy.ticks[i], g.pressure.min}).x();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + tick));
        if (i % every == 0) {
            painter.drawText(QRectF(x - widest, plot.bottom() + tick, 2 * widest, line),
                             Qt::AlignHCenter | Qt::AlignTop, number(g.enthalpy.ticks[i]));
        }
    }
    double last_label = std::numeric_limits<double>::infinity();
    for (double p : g.pressure.ticks) {
        const double y = map({g.enthalpy.min, p}).y();
        painter.drawLine(QPointF(plot.left() - tick, y), QPointF(plot.left(), y));
        if (last_label - y >= line) {
            painter.drawText(
                QRectF(plot.left() - tick - 2 * z - 100 * line, y - line / 2, 100 * line, line),
                Qt::AlignRight | Qt::AlignVCenter, number(p));
            last_label = y;
        }
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + tick + line * 1.1, plot.width(), line),
                     Qt::AlignHCenter | Qt::AlignTop, qt::to_qstring(texts::kEnthalpyAxis));
    painter.save();
    painter.translate(
        plot.left() - tick - 2 * z - fm.horizontalAdvance(QStringLiteral("10000")) - line * 1.3,
        plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot.height() / 2, 0, plot.height(), line),
                     Qt::AlignHCenter | Qt::AlignTop, qt::to_qstring(texts::kPressureAxis));
    painter.restore();
}

// Whether the segment a-b passes through `r`.
bool crosses(const QRectF& r, QPointF a, QPointF b) {
    if (std::max(a.x(), b.x()) < r.left() || std::min(a.x(), b.x()) > r.right() ||
        std::max(a.y(), b.y()) < r.top() || std::min(a.y(), b.y()) > r.bottom())
        return false;
    if (r.contains(a) || r.contains(b))
        return true;
    // The corners on both sides of the segment's line.
    const auto side = [&](QPointF c) {
        return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
    };
    const double s1 = side(r.topLeft()), s2 = side(r.topRight()), s3 = side(r.bottomLeft()),
                 s4 = side(r.bottomRight());
    return !((s1 > 0 && s2 > 0 && s3 > 0 && s4 > 0) || (s1 < 0 && s2 < 0 && s3 < 0 && s4 < 0));
}

// Puts the lines' labels each on its line, on a white halo, where it stays
// within the plot, clear of the dome and of every label before it.
class LabelPlacer {
  public:
    LabelPlacer(const QRectF& bounds, std::vector<std::vector<QPointF>> obstacles)
        : bounds_(bounds), obstacles_(std::move(obstacles)) {}

    // The first place along `pixels`, from `start` pixels on, that is free.
    std::optional<QRectF> place(const std::vector<QPointF>& pixels, QSizeF box, double start,
                                double step, int most_tries = kLabelTries) {
        double travelled = 0, next = start;
        int tries = 0;
        for (std::size_t i = 0; i + 1 < pixels.size() && tries < most_tries; ++i) {
            const QPointF a = pixels[i], b = pixels[i + 1];
            const double length = std::hypot(b.x() - a.x(), b.y() - a.y());
            while (next <= travelled + length && tries < most_tries) {
                const double f = length > 0 ? (next - travelled) / length : 0;
                const QRectF r(a + (b - a) * f - QPointF(box.width() / 2, box.height() / 2), box);
                if (take(r))
                    return r;
                next += step;
                ++tries;
            }
            travelled += length;
        }
        return std::nullopt;
    }
    void reserve(const QRectF& r) { taken_.push_back(r); }
    bool take(const QRectF& r) {
        if (!bounds_.contains(r))
            return false;
        for (const QRectF& t : taken_)
            if (t.intersects(r))
                return false;
        for (const auto& line : obstacles_)
            for (std::size_t i = 0; i + 1 < line.size(); ++i)
                if (crosses(r, line[i], line[i + 1]))
                    return false;
        taken_.push_back(r);
        return true;
    }

  private:
    QRectF bounds_;
    std::vector<std::vector<QPointF>> obstacles_;
    std::vector<QRectF> taken_;
};

void draw_label(QPainter& painter, const QRectF& r, const QString& text, const QColor& colour) {
    painter.fillRect(r, kHalo);
    painter.setPen(colour);
    painter.drawText(r, Qt::AlignCenter, text);
}

// Where an isotherm's label goes: on its level stretch across the dome,
// from the vapour's side, where it reads as the temperature of that
// pressure; without one, where the line enters the axes or not at all, so
// that close lines are not labelled out of order.
struct IsothermLabelPath {
    std::vector<QPointF> pixels;
    int tries;  // places to try along it
};
IsothermLabelPath isotherm_label_path(const PlotMapping& map, const ChartLine& line) {
    for (const Polyline& piece : line.pieces) {
        for (std::size_t i = 0; i + 1 < piece.size(); ++i) {
            if (piece[i].p == piece[i + 1].p && piece[i + 1].h > piece[i].h)
                return {{map(piece[i + 1]), map(piece[i])}, kLabelTries};
        }
    }
    return {pixels_of(map, line.pieces.front()), 2};
}

void draw_chart_lines(QPainter& painter, const PlotMapping& map, const ChartGeometry& g, double z) {
    // A family in one stroke: one call to the rasterizer rather than dozens.
    const auto stroke = [&](const std::vector<ChartLine>& lines, const QColor& colour) {
        QPainterPath family;
        for (const ChartLine& l : lines)
            for (const Polyline& piece : l.pieces) family.addPath(path_of(map, piece));
        painter.setPen(QPen(colour, kChartLineWidth * z));
        painter.drawPath(family);
    };
    painter.setBrush(Qt::NoBrush);
    stroke(g.quality_lines, kQualityLines.line);
    stroke(g.isentropes, kIsentropes.line);
    stroke(g.isotherms, kIsotherms.line);

    // The dome: up the liquid line to the critical point, down the vapour's.
    QPainterPath dome = path_of(map, g.saturated_liquid);
    Polyline vapour(g.saturated_vapour.rbegin(), g.saturated_vapour.rend());
    QPainterPath down = path_of(map, vapour);
    if (g.critical_point)
        dome.connectPath(down);
    else
        dome.addPath(down);
    painter.setPen(QPen(kDome, kDomeWidth * z));
    painter.drawPath(dome);
}

std::array<QPointF, 4> cycle_pixels(const PlotMapping& map, const DiagramCycle& c) {
    std::array<QPointF, 4> out{};
    for (std::size_t i = 0; i < 4; ++i) out[i] = map(c.geometry.points[i]);
    return out;
}

void draw_ring(QPainter& painter, QPointF at, double radius, const QPen& pen) {
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(at, radius, radius);
}

// The faint cycles as plain lines, all in one call, and their rings; the
// hovered one darker over them. A path of fifty overlapping outlines would
// take the rasterizer milliseconds.
void draw_faint(QPainter& painter, const PlotMapping& map, const DiagramContent& c) {
    const double z = c.zoom, ring = kRingRadius * 0.8 * z;
    QList<QLineF> lines;
    QList<QPointF> rings;
    for (std::size_t i = 0; i < c.faint.size(); ++i) {
        if (i == c.hovered)
            continue;
        const auto points = cycle_pixels(map, *c.faint[i]);
        for (std::size_t k = 0; k < 4; ++k) lines.append(QLineF(points[k], points[(k + 1) % 4]));
        if (c.faint[i]->flagged)
            rings.append(points[kB]);
    }
    QColor faint_ring = kRing;
    faint_ring.setAlpha(150);
    painter.setBrush(Qt::NoBrush);
    // Past one pixel, that is zoomed, antialiasing would cost milliseconds
    // more; the lines are mostly level or upright and gain nothing from it.
    painter.setPen(QPen(kFaintCycle, kFaintWidth * z));
    painter.setRenderHint(QPainter::Antialiasing, kFaintWidth * z <= 1);
    painter.drawLines(lines);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(faint_ring, kFaintWidth * z));
    for (QPointF b : rings) painter.drawEllipse(b, ring, ring);
    if (c.hovered && *c.hovered < c.faint.size()) {
        const DiagramCycle& hovered = *c.faint[*c.hovered];
        const auto points = cycle_pixels(map, hovered);
        painter.setPen(QPen(kHoveredCycle, kHoveredWidth * z));
        painter.drawPolygon(points.data(), 4);
        if (hovered.flagged)
            draw_ring(painter, points[kB], ring, QPen(kRing, kFaintWidth * z));
    }
}

// The letter of a point beside it: A and D below, B and C above, A and B
// to the right, C and D to the left.
QRectF letter_box(std::size_t point, QPointF at, QSizeF size, double gap) {
    const bool right = point < 2, below = point == 0 || point == 3;
    return QRectF(QPointF(right ? at.x() + gap : at.x() - gap - size.width(),
                          below ? at.y() + gap * 0.5 : at.y() - gap * 0.5 - size.height()),
                  size);
}

// Where the cycle that stands out falls on the plot, with its texts: the
// chart's labels keep clear of all of it.
struct CycleMarks {
    std::array<QPointF, 4> points{};
    std::vector<QPointF> outline;  // A-B-C-D-A
    std::vector<QPointF> ideal;    // A' to 2s
    std::array<std::optional<QRectF>, 4> letters;
    std::optional<QRectF> end_label;  // "2s"
    QFont font;
};

CycleMarks marks_of(const PlotMapping& map, const DiagramCycle& c, double z) {
    CycleMarks m;
    m.points = cycle_pixels(map, c);
    m.outline.assign(m.points.begin(), m.points.end());
    m.outline.push_back(m.points[0]);
    m.ideal = pixels_of(map, c.geometry.ideal_compression);
    m.font = font_at(kLetterPixels, z, true);
    const QFontMetricsF fm(m.font);
    const QRectF& plot = map.plot();
    for (std::size_t i = 0; i < 4; ++i) {
        if (!plot.contains(m.points[i]))
            continue;  // nor a text for a point off the plot
        const QSizeF size(fm.horizontalAdvance(QLatin1String(layout::overlay()[i].letter)) + 2 * z,
                          fm.height());
        const double gap = (i == kB && c.flagged ? kRingRadius + 2 : 6) * z;
        m.letters[i] = letter_box(i, m.points[i], size, gap);
    }
    if (!m.ideal.empty() && plot.contains(m.ideal.back())) {
        const QSizeF size(fm.horizontalAdvance(qt::to_qstring(texts::kIdealEndLabel)), fm.height());
        // Clear of B's ring when 2s falls within it.
        const QPointF from_b = m.ideal.back() - m.points[kB];
        const bool in_ring = c.flagged && std::hypot(from_b.x(), from_b.y()) < kRingRadius * z;
        const double gap = (in_ring ? kRingRadius : 4) * z;
        m.end_label =
            QRectF(m.ideal.back() - QPointF(size.width() + gap, size.height() + gap), size);
    }
    return m;
}

void draw_line_labels(QPainter& painter, const PlotMapping& map, const ChartGeometry& g, double z,
                      const CycleMarks* cycle) {
    const QFont font = font_at(kLabelPixels, z);
    painter.setFont(font);
    const QFontMetricsF fm(font);
    std::vector<std::vector<QPointF>> obstacles{pixels_of(map, g.saturated_liquid),
                                                pixels_of(map, g.saturated_vapour)};
    if (cycle) {
        obstacles.push_back(cycle->outline);
        obstacles.push_back(cycle->ideal);
    }
    LabelPlacer placer(map.plot().adjusted(1, 1, -1, -1), std::move(obstacles));
    if (cycle) {
        for (const auto& letter : cycle->letters)
            if (letter)
                placer.reserve(*letter);
        if (cycle->end_label)
            placer.reserve(*cycle->end_label);
        const double r = kRingRadius * z;
        for (QPointF p : cycle->points)
            placer.reserve(QRectF(p - QPointF(r, r), QSizeF(2 * r, 2 * r)));
    }
    const auto box = [&](const QString& text) {
        return QSizeF(fm.horizontalAdvance(text) + 4 * z, fm.height());
    };
    const double step = kLabelStep * z;

    if (g.critical_point) {
        const QPointF c = map(*g.critical_point);
        painter.setPen(Qt::NoPen);
        painter.setBrush(kDome);
        painter.drawEllipse(c, 2.5 * z, 2.5 * z);
        const QString text = qt::to_qstring(texts::kCriticalPoint);
        const QSizeF size = box(text);
        for (QPointF centre : {c - QPointF(0, size.height() / 2 + 4 * z),
                               c + QPointF(size.width() / 2 + 6 * z, 0)}) {
            const QRectF r(centre - QPointF(size.width() / 2, size.height() / 2), size);
            if (placer.take(r)) {
                draw_label(painter, r, text, kDome);
                break;
            }
        }
        painter.setBrush(Qt::NoBrush);
    }
    for (const ChartLine& l : g.isotherms) {
        const QString text = number(l.value) + qt::to_qstring(texts::kCelsiusUnit);
        const QSizeF size = box(text);
        const IsothermLabelPath path = isotherm_label_path(map, l);
        const bool level = path.tries == kLabelTries;
        const double start = level ? size.width() / 2 + 6 * z : size.height();
        if (const auto r = placer.place(path.pixels, size, start, step, path.tries))
            draw_label(painter, *r, text, kIsotherms.label);
    }
    for (const ChartLine& l : g.quality_lines) {
        const QString text = number(l.value);
        const QSizeF size = box(text);
        if (const auto r =
                placer.place(pixels_of(map, l.pieces.front()), size, size.height(), step))
            draw_label(painter, *r, text, kQualityLines.label);
    }
    for (const ChartLine& l : g.isentropes) {
        const QString text = number(l.value);
        const QSizeF size = box(text);
        std::vector<QPointF> from_top = pixels_of(map, l.pieces.back());
        std::reverse(from_top.begin(), from_top.end());
        if (const auto r = placer.place(from_top, size, size.height(), step))
            draw_label(painter, *r, text, kIsentropes.label);
    }
}

void draw_highlighted(QPainter& painter, const PlotMapping& map, const DiagramCycle& c,
                      const CycleMarks& m, double z) {
    const auto overlay = layout::overlay();
    const QColor compression = QColor::fromRgb(overlay[kCompression].line_rgb);

    painter.setClipRect(map.plot());
    if (!m.ideal.empty()) {
        painter.setPen(QPen(compression, kIdealWidth * z, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(m.ideal.data(), static_cast<int>(m.ideal.size()));
    }
    for (std::size_t k = 0; k < 4; ++k) {
        painter.setPen(QPen(QColor::fromRgb(overlay[k].line_rgb), kCycleWidth * z, Qt::SolidLine,
                            Qt::RoundCap));
        painter.drawLine(m.points[kSegmentFrom[k]], m.points[kSegmentTo[k]]);
    }
    if (c.flagged)
        draw_ring(painter, m.points[kB], kRingRadius * z, QPen(kRing, 2 * z));
    painter.setClipping(false);

    painter.setFont(m.font);
    if (m.end_label) {
        painter.setPen(QPen(compression, kIdealWidth * z));
        painter.setBrush(Qt::white);
        painter.drawEllipse(m.ideal.back(), kEndRadius * z, kEndRadius * z);
        draw_label(painter, *m.end_label, qt::to_qstring(texts::kIdealEndLabel), compression);
    }
    for (std::size_t i = 0; i < 4; ++i) {
        if (m.letters[i]) {
            draw_label(painter, *m.letters[i], QString::fromLatin1(overlay[i].letter),
                       QColor::fromRgb(overlay[i].letter_rgb));
        }
    }
    // The markers last, over everything; only for the points on the plot.
    painter.setPen(Qt::NoPen);
    for (std::size_t i = 0; i < 4; ++i) {
        if (!m.letters[i])
            continue;
        painter.setBrush(QColor::fromRgb(overlay[i].letter_rgb));
        painter.drawEllipse(m.points[i], kMarkerRadius * z, kMarkerRadius * z);
    }
}

}  // namespace

std::optional<DiagramCycle> diagram_cycle(const BenchState& state, bool flagged) {
    auto geometry = ph_chart::cycle_geometry(state);
    if (!geometry)
        return std::nullopt;
    return DiagramCycle{std::move(*geometry), flagged};
}

PlotMapping::PlotMapping(const ChartGeometry& chart, const QRectF& plot)
    : plot_(plot),
      h_min_(chart.enthalpy.min),
      h_span_(chart.enthalpy.max - chart.enthalpy.min),
      log_p_min_(std::log10(chart.pressure.min)),
      log_p_span_(std::log10(chart.pressure.max) - std::log10(chart.pressure.min)) {}

QPointF PlotMapping::operator()(ph_chart::ChartPoint point) const {
    return {plot_.left() + (point.h - h_min_) / h_span_ * plot_.width(),
            plot_.bottom() - (std::log10(point.p) - log_p_min_) / log_p_span_ * plot_.height()};
}

QRectF diagram_plot(const QRectF& area, const DiagramContent& content) {
    return layout_of(area, content).plot;
}

void draw_diagram(QPainter& painter, const QRectF& area, const DiagramContent& c,
                  DiagramBackdrop* backdrop) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const Layout l = layout_of(area, c);
    const double z = c.zoom;
    if (l.plot.width() > 20 && l.plot.height() > 20) {
        const ChartGeometry& g = ph_chart::chart_geometry(c.range);
        const PlotMapping map(g, l.plot);
        const auto draw_backdrop = [&](QPainter& p) {
            draw_grid_and_axes(p, l, map, g, z);
            p.setClipRect(l.plot);
            draw_chart_lines(p, map, g, z);
            p.setClipping(false);
        };
        if (backdrop) {
            const qreal ratio = painter.device()->devicePixelRatio();
            if (backdrop->size != area.size() || backdrop->zoom != z ||
                backdrop->range != c.range || backdrop->ratio != ratio) {
                backdrop->picture = QPixmap((area.size() * ratio).toSize());
                backdrop->picture.setDevicePixelRatio(ratio);
                backdrop->picture.fill(Qt::white);
                QPainter p(&backdrop->picture);
                p.setRenderHint(QPainter::Antialiasing);
                p.translate(-area.topLeft());
                draw_backdrop(p);
                p.end();
                backdrop->size = area.size();
                backdrop->zoom = z;
                backdrop->range = c.range;
                backdrop->ratio = ratio;
            }
            painter.drawPixmap(area.topLeft(), backdrop->picture);
        } else {
            draw_backdrop(painter);
        }
        painter.setClipRect(l.plot);
        std::optional<CycleMarks> marks;
        if (c.highlighted)
            marks = marks_of(map, *c.highlighted, z);
        draw_line_labels(painter, map, g, z, marks ? &*marks : nullptr);
        draw_faint(painter, map, c);
        painter.setClipping(false);
        painter.setPen(QPen(Qt::black, z));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(l.plot);
        if (marks)
            draw_highlighted(painter, map, *c.highlighted, *marks, z);
        if (c.hovered && *c.hovered < c.faint.size() && !c.hovered_name.isEmpty()) {
            // Named beside its B, above the line of condensation.
            const QPointF b = map(c.faint[*c.hovered]->geometry.points[kB]);
            painter.setFont(font_at(kTickPixels, z, true));
            const QFontMetricsF fm(painter.font());
            const QSizeF size(fm.horizontalAdvance(c.hovered_name) + 4 * z, fm.height());
            QRectF r(b + QPointF(8 * z, -8 * z - size.height()), size);
            r.moveRight(std::min(r.right(), l.plot.right() - 1));
            r.moveTop(std::max(r.top(), l.plot.top() + 1));
            draw_label(painter, r, c.hovered_name, kHoveredCycle);
        }
    }
    painter.setFont(l.title_font);
    painter.setPen(Qt::black);
    painter.drawText(l.title, Qt::AlignCenter,
                     c.subject.isEmpty() ? qt::to_qstring(texts::kDiagramTitle)
                                         : qt::to_qstring(texts::kDiagramTitleOf).arg(c.subject));
    painter.setFont(l.caption_font);
    painter.setPen(QColor(70, 70, 70));
    painter.drawText(l.caption, Qt::TextWordWrap | Qt::AlignLeft, caption(c));
    painter.restore();
}

}  // namespace gelvor::ui::notebook
