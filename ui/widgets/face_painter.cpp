#include "ui/widgets/face_painter.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include "ui/look.h"

namespace gelvor::ui {
namespace {

namespace L = layout;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

Qt::PenCapStyle qt_cap(L::Cap cap) {
    switch (cap) {
        case L::Cap::flat:
            return Qt::FlatCap;
        case L::Cap::round:
            return Qt::RoundCap;
        default:
            return Qt::SquareCap;
    }
}

QPen qt_pen(const std::optional<L::Stroke>& stroke) {
    if (!stroke)
        return Qt::NoPen;
    return QPen(look::rgb(stroke->rgb), stroke->width, Qt::SolidLine, qt_cap(stroke->cap));
}

// A solid colour, or the shading from the top of `box` to its bottom.
QBrush qt_brush(const std::optional<L::Fill>& fill, const QRectF& box) {
    if (!fill)
        return Qt::NoBrush;
    if (!fill->bottom_rgb)
        return look::rgb(fill->rgb);
    QLinearGradient shading(box.topLeft(), box.bottomLeft());
    shading.setColorAt(0, look::rgb(fill->rgb));
    shading.setColorAt(1, look::rgb(*fill->bottom_rgb));
    return shading;
}

QPointF qt_point(L::Point p) {
    return {p.x, p.y};
}

QRectF qt_rect(const L::Rect& r) {
    return {r.x, r.y, r.width, r.height};
}

}  // namespace

double line_height(int pixels) {
    return QFontMetricsF(look::sans(pixels)).height();
}

void paint_shape(QPainter& p, const L::Shape& shape) {
    p.setRenderHint(QPainter::Antialiasing, !shape.crisp);
    p.setPen(qt_pen(shape.stroke));
    std::visit(
        Overloaded{
            [&](const L::Line& l) { p.drawLine(qt_point(l.from), qt_point(l.to)); },
            [&](const L::Rect& r) {
                const QRectF box = qt_rect(r);
                // A plain block on whole pixels: filled as such, with no edge to smooth.
                if (shape.crisp && !shape.stroke && shape.fill && !shape.fill->bottom_rgb) {
                    p.fillRect(box, look::rgb(shape.fill->rgb));
                    return;
                }
                p.setBrush(qt_brush(shape.fill, box));
                if (r.corner > 0)
                    p.drawRoundedRect(box, r.corner, r.corner);
                else
                    p.drawRect(box);
            },
            [&](const L::Ellipse& e) {
                const QPointF c = qt_point(e.centre);
                p.setBrush(
                    qt_brush(shape.fill, QRectF(c.x() - e.rx, c.y() - e.ry, 2 * e.rx, 2 * e.ry)));
                p.drawEllipse(c, e.rx, e.ry);
            },
            [&](const L::Arc& a) {
                p.setBrush(Qt::NoBrush);
                const QRectF box(a.centre.x - a.radius, a.centre.y - a.radius, 2 * a.radius,
                                 2 * a.radius);
                // Qt takes an arc's angles in sixteenths of a degree.
                p.drawArc(box, static_cast<int>(a.start * 16), static_cast<int>(a.span * 16));
            },
            [&](const L::Text& t) {
                p.setFont(look::sans(t.pixels));
                p.setPen(look::rgb(shape.fill ? shape.fill->rgb : 0));
                p.drawText(qt_rect(t.box),
                           (t.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter,
                           QString::fromStdString(t.words));
            },
        },
        shape.geometry);
}

void paint_face(QPainter& p, const L::Face& face, const L::Shape& moving) {
    for (const L::Shape& s : face.shapes) paint_shape(p, s.part == L::Part::fixed ? s : moving);
}

void paint_face(QPainter& p, const L::Face& face, L::Part position) {
    for (const L::Shape& s : face.shapes) {
        if (s.part == L::Part::fixed || s.part == position)
            paint_shape(p, s);
    }
}

}  // namespace gelvor::ui
