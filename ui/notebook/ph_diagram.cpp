#include "ui/notebook/ph_diagram.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <vector>

#include "layout/form1_layout.h"
#include "model/r11.h"
#include "ui/look.h"

namespace gelvor::ui::notebook {
namespace {

// The diagram always covers the bench's working range and a good margin;
// a typed setting far outside it widens the axes up to these limits.
constexpr double kDefaultHMin = 160, kDefaultHMax = 460;
constexpr double kDefaultPMin = 10, kDefaultPMax = 500;
constexpr double kWidestHMin = 0, kWidestHMax = 1000;
constexpr double kWidestPMin = 1, kWidestPMax = 100000;

constexpr int kDomeSteps = 160;
constexpr double kMarkerRadius = 4;

// The segments as the chart draws them: Line1_0..3 are C-D, D-A, A-B, B-C.
constexpr int kSegmentFrom[4] = {2, 3, 0, 1};
constexpr int kSegmentTo[4] = {3, 0, 1, 2};

std::array<double, 4> enthalpies(const BenchState& s) {
    return {s.h1, s.h2, s.h3, s.h4};
}
std::array<double, 4> pressures(const BenchState& s) {
    return {s.evap_pressure, s.cond_pressure, s.cond_pressure, s.evap_pressure};
}

bool drawable(const BenchState& s) {
    for (double v : enthalpies(s))
        if (!std::isfinite(v))
            return false;
    for (double v : pressures(s))
        if (!std::isfinite(v) || v <= 0)
            return false;
    return true;
}

// 1, 2, 3 and 5 times each power of ten within the range.
std::vector<double> pressure_ticks(double lo, double hi) {
    std::vector<double> out;
    for (double decade = std::pow(10.0, std::floor(std::log10(lo))); decade <= hi; decade *= 10) {
        for (double m : {1.0, 2.0, 3.0, 5.0}) {
            const double v = m * decade;
            if (v >= lo * 0.999 && v <= hi * 1.001)
                out.push_back(v);
        }
    }
    return out;
}

QString number(double v) {
    return QLocale().toString(v, 'g', 6);
}

}  // namespace

PhDiagram::PhDiagram(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("diagramaPh"));
    setAccessibleName(QStringLiteral("Diagrama presión-entalpía del R-11 a escala"));
    setMinimumSize(420, 320);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
}

void PhDiagram::setZoom(double factor) {
    zoom_ = factor;
    update();
}

void PhDiagram::setCycle(const std::optional<BenchState>& state, const QString& what) {
    state_ = state && drawable(*state) ? state : std::nullopt;
    what_ = what;
    fitAxes();
    update();
}

void PhDiagram::fitAxes() {
    h_min_ = kDefaultHMin;
    h_max_ = kDefaultHMax;
    p_min_ = kDefaultPMin;
    p_max_ = kDefaultPMax;
    if (!state_)
        return;
    for (double h : enthalpies(*state_)) {
        h_min_ = std::max(kWidestHMin, std::min(h_min_, std::floor(h / 20 - 1) * 20));
        h_max_ = std::min(kWidestHMax, std::max(h_max_, std::ceil(h / 20 + 1) * 20));
    }
    for (double p : pressures(*state_)) {
        if (p / 1.2 < p_min_)
            p_min_ = std::max(kWidestPMin, std::pow(10.0, std::floor(std::log10(p / 1.2))));
        if (p * 1.2 > p_max_)
            p_max_ = std::min(kWidestPMax, std::pow(10.0, std::ceil(std::log10(p * 1.2))));
    }
}

QPointF PhDiagram::toPixel(double h, double p) const {
    const double fx = (h - h_min_) / (h_max_ - h_min_);
    const double fy =
        (std::log10(p) - std::log10(p_min_)) / (std::log10(p_max_) - std::log10(p_min_));
    return {plot_.left() + fx * plot_.width(), plot_.bottom() - fy * plot_.height()};
}

std::array<QPointF, 4> PhDiagram::cyclePixels() const {
    std::array<QPointF, 4> out{};
    if (!state_)
        return out;
    const auto h = enthalpies(*state_);
    const auto p = pressures(*state_);
    for (std::size_t i = 0; i < 4; ++i) out[i] = toPixel(h[i], p[i]);
    return out;
}

void PhDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    render(painter, rect());
}

void PhDiagram::print(QPainter& painter, const QRectF& target, const QSizeF& logical) {
    const QRectF shown = plot_;
    painter.save();
    painter.translate(target.topLeft());
    const double scale =
        std::min(target.width() / logical.width(), target.height() / logical.height());
    painter.scale(scale, scale);
    render(painter, QRectF(QPointF(0, 0), logical));
    painter.restore();
    plot_ = shown;  // the screen's axes stay as painted there
}

void PhDiagram::render(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const auto scaled = [this](double v) { return static_cast<int>(std::lround(v * zoom_)); };
    QFont font = look::sans(scaled(11));
    painter.setFont(font);
    const QFontMetricsF fm(font);
    const double line = fm.height();

    // Title above, caption below, tick labels left and under the plot.
    plot_ = area.adjusted(fm.horizontalAdvance(QStringLiteral("10000")) + line * 1.6, line * 2,
                          -line, -line * 5);
    painter.fillRect(area, Qt::white);

    // Grid and ticks.
    painter.setPen(QPen(QColor(225, 225, 225), 1));
    const double h_step = plot_.width() / ((h_max_ - h_min_) / 20) >= 36 ? 20 : 40;
    for (double h = std::ceil(h_min_ / h_step) * h_step; h <= h_max_ + 1e-9; h += h_step) {
        const double x = toPixel(h, p_min_).x();
        painter.drawLine(QPointF(x, plot_.top()), QPointF(x, plot_.bottom()));
    }
    const auto p_ticks = pressure_ticks(p_min_, p_max_);
    for (double p : p_ticks) {
        const double y = toPixel(h_min_, p).y();
        painter.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
    }
    painter.setPen(Qt::black);
    for (double h = std::ceil(h_min_ / h_step) * h_step; h <= h_max_ + 1e-9; h += h_step) {
        const double x = toPixel(h, p_min_).x();
        painter.drawLine(QPointF(x, plot_.bottom()), QPointF(x, plot_.bottom() + 4));
        painter.drawText(QRectF(x - 30, plot_.bottom() + 4, 60, line), Qt::AlignHCenter, number(h));
    }
    for (double p : p_ticks) {
        const double y = toPixel(h_min_, p).y();
        painter.drawLine(QPointF(plot_.left() - 4, y), QPointF(plot_.left(), y));
        painter.drawText(QRectF(area.left(), y - line / 2, plot_.left() - area.left() - 6, line),
                         Qt::AlignRight | Qt::AlignVCenter, number(p));
    }
    painter.drawRect(plot_);
    painter.drawText(QRectF(plot_.left(), plot_.bottom() + line + 4, plot_.width(), line),
                     Qt::AlignHCenter, QStringLiteral("h (kJ/kg)"));
    painter.save();
    painter.translate(area.left() + line * 0.2, plot_.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-plot_.height() / 2, 0, plot_.height(), line), Qt::AlignHCenter,
                     QStringLiteral("P abs (kPa)"));
    painter.restore();

    painter.setClipRect(plot_);
    // The saturation dome: liquid and vapour at the saturation temperature of each pressure.
    QPainterPath liquid, vapour;
    const double lo = std::log10(p_min_), hi = std::log10(p_max_);
    for (int i = 0; i <= kDomeSteps; ++i) {
        const double p = std::pow(10.0, lo + (hi - lo) * i / kDomeSteps);
        const double t = saturation_temperature(p);
        const QPointF l = toPixel(liquid_enthalpy(t), p), v = toPixel(vapour_enthalpy(t), p);
        if (i == 0) {
            liquid.moveTo(l);
            vapour.moveTo(v);
        } else {
            liquid.lineTo(l);
            vapour.lineTo(v);
        }
    }
    painter.setPen(QPen(QColor(90, 90, 90), 1.5 * zoom_));
    painter.drawPath(liquid);
    painter.drawPath(vapour);

    if (state_) {
        const auto points = cyclePixels();
        for (std::size_t k = 0; k < 4; ++k) {
            painter.setPen(QPen(QColor::fromRgb(layout::overlay()[k].line_rgb), 2 * zoom_));
            painter.drawLine(points[kSegmentFrom[k]], points[kSegmentTo[k]]);
        }
        QFont bold = look::sans(scaled(13), true);
        painter.setFont(bold);
        for (std::size_t i = 0; i < 4; ++i) {
            const QColor colour = QColor::fromRgb(layout::overlay()[i].letter_rgb);
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(points[i], kMarkerRadius * zoom_, kMarkerRadius * zoom_);
            painter.setPen(colour);
            // A and B stand right of the cycle, C and D left of it.
            const bool right = i < 2;
            const QPointF at = points[i] + QPointF(right ? 6 : -18, i == 0 || i == 3 ? 16 : -6);
            painter.drawText(at, QString::fromLatin1(layout::overlay()[i].letter));
        }
    }
    painter.setClipping(false);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), line * 1.8), Qt::AlignCenter,
                     QStringLiteral("R-11 a escala: %1")
                         .arg(state_ ? what_ : QStringLiteral("sin ciclo que dibujar")));
    painter.setPen(QColor(70, 70, 70));
    painter.drawText(
        QRectF(area.left() + 4, plot_.bottom() + line * 2.6, area.width() - 8, line * 2.4),
        Qt::AlignHCenter | Qt::TextWordWrap,
        QStringLiteral("Las entalpías son las calculadas por el programa con sus funciones de "
                       "propiedades; el dibujo de la pestaña «Diagr. P-h» es un esquema situado "
                       "solo con te y tc."));
    painter.restore();
}

}  // namespace gelvor::ui::notebook
