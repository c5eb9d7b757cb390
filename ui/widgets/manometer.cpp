#include "ui/widgets/manometer.h"

#include <QPainter>
#include <QPainterPath>

#include "layout/instrument_dials.h"
#include "ui/look.h"

namespace gelvor::ui {
namespace {

namespace D = layout::dial;

QPointF qt_point(layout::Point p) {
    return {p.x, p.y};
}

QPointF polar(QPointF centre, double radius, double degrees) {
    return qt_point(layout::polar({centre.x(), centre.y()}, radius, degrees));
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
    return layout::dial_angle(fraction);
}

// The dial sits a little above the middle: its open side is at the bottom.
QPointF Manometer::centre() const {
    const QSizeF box = designExtent();
    return qt_point(layout::dial_centre(box.width(), box.height()));
}

QPointF Manometer::tip() const {
    return polar(centre(), D::kArcRadius - D::kPointerInset, angleOf(fraction()));
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
    p.setPen(QPen(look::rgb(D::kFaceEdgeRgb), 1));
    p.setBrush(look::rgb(D::kFaceRgb));
    p.drawEllipse(centre, D::kFaceRadius, D::kFaceRadius);

    // Colour sections as bands just inside the arc.
    const double band = D::kSectionBand;
    const QRectF band_rect(centre.x() - D::kArcRadius + band / 2,
                           centre.y() - D::kArcRadius + band / 2, 2 * D::kArcRadius - band,
                           2 * D::kArcRadius - band);
    auto section = [&](double from, double to, const QColor& colour) {
        const double a0 = angleOf(fractionOf(from));
        const double a1 = angleOf(fractionOf(to));
        p.setPen(QPen(colour, band, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(band_rect, static_cast<int>(a0 * 16), static_cast<int>((a1 - a0) * 16));
    };
    double from = positionMin();
    for (const D::Section& s : D::kSections) {
        section(from, s.to, look::rgb(s.rgb));
        from = s.to;
    }

    // The arc line and its ticks, outwards.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    const QRectF arc_rect(centre.x() - D::kArcRadius, centre.y() - D::kArcRadius, 2 * D::kArcRadius,
                          2 * D::kArcRadius);
    p.drawArc(arc_rect, static_cast<int>(D::kStartAngle * 16), static_cast<int>(-D::kSpan * 16));
    for (const layout::DialTick& t : layout::dial_ticks()) {
        const double len = t.major ? D::kMajorTick : D::kMinorTick;
        p.drawLine(polar(centre, D::kArcRadius, t.angle),
                   polar(centre, D::kArcRadius + len, t.angle));
    }

    // Tick label: the middle of the scale under the top of the arc. At this
    // size the values at the two ends would not be legible beside the unit.
    const QFont small = look::sans(D::kFigurePixels);
    const QFontMetricsF fm(small);
    p.setFont(small);
    const QPointF mid_at = polar(centre, D::kArcRadius - D::kFigureInset, angleOf(0.5));
    const QString mid =
        QString::fromStdString(layout::scale_label((positionMin() + positionMax()) / 2));
    p.drawText(QRectF(mid_at.x() - 8, mid_at.y() - fm.height() / 2, 16, fm.height()),
               Qt::AlignCenter, mid);

    // Unit, 10 pixels below the centre.
    QFont unit = look::sans(D::kUnitPixels);
    p.setFont(unit);
    p.drawText(QRectF(centre.x() - 12, centre.y() + D::kUnitBelowCentre - 5, 24, 10),
               Qt::AlignCenter, QString::fromUtf8(D::kUnit));

    // Pointer and hub.
    p.setPen(QPen(Qt::black, D::kPointerWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, tip());
    p.setPen(Qt::NoPen);
    p.setBrush(look::rgb(D::kHubRgb));
    p.drawEllipse(centre, D::kHubSize / 2, D::kHubSize / 2);
}

}  // namespace gelvor::ui
