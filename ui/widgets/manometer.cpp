#include "ui/widgets/manometer.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "ui/look.h"

namespace gelvor::ui {
namespace {

constexpr double kStartAngle = 233;  // the minimum, lower left
constexpr double kSpan = 280;        // clockwise up to the maximum, lower right
constexpr double kArcRadius = 14;
constexpr double kHubSize = 5;
constexpr double kPointerWidth = 2;
constexpr double kMajorTick = 3;
constexpr double kMinorTick = 1.5;
constexpr int kMajorTicks = 5;  // -100, -50, 0, 50, 100
constexpr int kMinorPerMajor = 4;
const QColor kFace = look::bgr(0x0080FFFF);
const QColor kSecondSection{0, 160, 0};

QPointF polar(QPointF centre, double radius, double degrees) {
    const double r = degrees * std::numbers::pi / 180;
    return {centre.x() + radius * std::cos(r), centre.y() - radius * std::sin(r)};
}

// Tick values as the dial writes them: significant digits, no trailing zeros.
QString tick_text(double v) {
    return QString::number(v, 'g', 6);
}

}  // namespace

Manometer::Manometer(QWidget* parent) : Instrument(parent) {
    setRange(-100, 100);
}

void Manometer::setLoweredBevel(bool on) {
    lowered_bevel_ = on;
    update();
}

double Manometer::angleOf(double fraction) const {
    return kStartAngle - kSpan * fraction;
}

// The dial sits a little above the middle: its open side is at the bottom.
QPointF Manometer::centre() const {
    const QSizeF box = designExtent();
    return {box.width() / 2.0, box.height() / 2.0 + 0.5};
}

QPointF Manometer::tip() const {
    return polar(centre(), kArcRadius - 2, angleOf(fraction()));
}

QPointF Manometer::needleTip() const {
    return designToWidget().map(tip());
}

void Manometer::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setTransform(designToWidget());
    const QRectF box(QPointF(0, 0), designExtent());
    if (lowered_bevel_) {
        p.setPen(look::kBevelShadow);
        p.drawLine(box.topLeft(), box.topRight());
        p.drawLine(box.topLeft(), box.bottomLeft());
        p.setPen(look::kBevelLight);
        p.drawLine(QPointF(box.left(), box.bottom() - 0.5),
                   QPointF(box.right(), box.bottom() - 0.5));
        p.drawLine(QPointF(box.right() - 0.5, box.top()), QPointF(box.right() - 0.5, box.bottom()));
    }

    const QPointF centre = this->centre();
    const double face_radius = kArcRadius + kMajorTick + 0.5;
    p.setPen(QPen(QColor(96, 96, 96), 1));
    p.setBrush(kFace);
    p.drawEllipse(centre, face_radius, face_radius);

    // Colour sections as bands just inside the arc.
    const double band = 2.5;
    const QRectF band_rect(centre.x() - kArcRadius + band / 2, centre.y() - kArcRadius + band / 2,
                           2 * kArcRadius - band, 2 * kArcRadius - band);
    auto section = [&](double from, double to, const QColor& colour) {
        const double a0 = angleOf(fractionOf(from));
        const double a1 = angleOf(fractionOf(to));
        p.setPen(QPen(colour, band, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(band_rect, static_cast<int>(a0 * 16), static_cast<int>((a1 - a0) * 16));
    };
    section(positionMin(), 0, Qt::white);
    section(0, 30, kSecondSection);

    // The arc line and its ticks, outwards.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    const QRectF arc_rect(centre.x() - kArcRadius, centre.y() - kArcRadius, 2 * kArcRadius,
                          2 * kArcRadius);
    p.drawArc(arc_rect, static_cast<int>(kStartAngle * 16), static_cast<int>(-kSpan * 16));
    const int steps = (kMajorTicks - 1) * kMinorPerMajor;
    for (int i = 0; i <= steps; ++i) {
        const double a = angleOf(double(i) / steps);
        const double len = i % kMinorPerMajor == 0 ? kMajorTick : kMinorTick;
        p.drawLine(polar(centre, kArcRadius, a), polar(centre, kArcRadius + len, a));
    }

    // Tick label: the middle of the scale under the top of the arc. At this
    // size the values at the two ends would not be legible beside the unit.
    const QFont small = look::sans(7);
    const QFontMetricsF fm(small);
    p.setFont(small);
    const QPointF mid_at = polar(centre, kArcRadius - 6.5, angleOf(0.5));
    const QString mid = tick_text((positionMin() + positionMax()) / 2);
    p.drawText(QRectF(mid_at.x() - 8, mid_at.y() - fm.height() / 2, 16, fm.height()),
               Qt::AlignCenter, mid);

    // Unit, 10 pixels below the centre.
    QFont unit = look::sans(8);
    p.setFont(unit);
    p.drawText(QRectF(centre.x() - 12, centre.y() + 10 - 5, 24, 10), Qt::AlignCenter,
               QStringLiteral("KPa"));

    // Pointer and hub.
    p.setPen(QPen(Qt::black, kPointerWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, tip());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 40, 40));
    p.drawEllipse(centre, kHubSize / 2, kHubSize / 2);
}

}  // namespace gelvor::ui
