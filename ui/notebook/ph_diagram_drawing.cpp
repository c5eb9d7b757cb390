#include "ui/notebook/ph_diagram_drawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <map>
#include <variant>

#include "ui/look.h"

namespace gelvor::ui::notebook {
namespace {

namespace P = picture;

template <class... Ts>
struct Overloaded : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

class QtTextMeasure : public P::TextMeasure {
  public:
    double width(std::string_view words, int pixels, bool bold) const override {
        return metrics(pixels, bold).horizontalAdvance(text_of(words));
    }
    double height(int pixels, bool bold) const override { return metrics(pixels, bold).height(); }
    double line_spacing(int pixels, bool bold) const override {
        return metrics(pixels, bold).lineSpacing();
    }
    double wrapped_height(std::string_view words, double width, int pixels) const override {
        return metrics(pixels, false)
            .boundingRect(QRectF(0, 0, width, 1e6), Qt::TextWordWrap | Qt::AlignLeft,
                          text_of(words))
            .height();
    }

  private:
    static QString text_of(std::string_view words) {
        return QString::fromUtf8(words.data(), static_cast<qsizetype>(words.size()));
    }
    const QFontMetricsF& metrics(int pixels, bool bold) const {
        const auto key = std::pair(pixels, bold);
        auto found = metrics_.find(key);
        if (found == metrics_.end())
            found = metrics_.emplace(key, QFontMetricsF(look::sans(pixels, bold))).first;
        return found->second;
    }
    mutable std::map<std::pair<int, bool>, QFontMetricsF> metrics_;
};

QColor colour_of(const P::Colour& c) {
    QColor out = QColor::fromRgb(c.rgb);
    out.setAlpha(c.alpha);
    return out;
}

QPointF point_of(P::Point p) {
    return {p.x, p.y};
}

QPolygonF polygon_of(const P::Polyline& line) {
    QPolygonF out;
    out.reserve(static_cast<qsizetype>(line.size()));
    for (P::Point p : line) out << point_of(p);
    return out;
}

QPen pen_of(const std::optional<P::Pen>& pen) {
    if (!pen)
        return Qt::NoPen;
    const Qt::PenCapStyle cap = pen->cap == P::Cap::round    ? Qt::RoundCap
                                : pen->cap == P::Cap::square ? Qt::SquareCap
                                                             : Qt::FlatCap;
    return QPen(colour_of(pen->colour), pen->width, pen->dashed ? Qt::DashLine : Qt::SolidLine,
                cap);
}

int flags_of(const P::Text& t) {
    int flags = t.across == P::Align::start    ? Qt::AlignLeft
                : t.across == P::Align::centre ? Qt::AlignHCenter
                                               : Qt::AlignRight;
    if (t.wrapped)
        return flags | Qt::TextWordWrap;
    return flags | (t.up == P::Align::centre ? Qt::AlignVCenter : Qt::AlignTop);
}

void draw_text(QPainter& painter, const P::Text& t, const P::Colour& colour) {
    // Changed only when it differs: an SVG file starts a group at each change.
    const QFont font = look::sans(t.pixels, t.bold);
    if (painter.font() != font)
        painter.setFont(font);
    const QPen pen(colour_of(colour));
    if (painter.pen() != pen)
        painter.setPen(pen);
    const QString words = QString::fromStdString(t.words);
    if (t.turn == 0) {
        painter.drawText(rect_of(t.box), flags_of(t), words);
        return;
    }
    painter.save();
    painter.translate(point_of(t.origin));
    painter.rotate(t.turn);
    painter.drawText(rect_of(t.box), flags_of(t), words);
    painter.restore();
}

void draw_shape(QPainter& painter, const P::Shape& s) {
    if (painter.testRenderHint(QPainter::Antialiasing) != s.smooth)
        painter.setRenderHint(QPainter::Antialiasing, s.smooth);
    std::visit(Overloaded{
                   [&](const P::Path& p) {
                       painter.setPen(pen_of(s.pen));
                       painter.setBrush(s.fill ? QBrush(colour_of(*s.fill)) : QBrush());
                       if (p.pieces.size() == 1 && p.closed) {
                           painter.drawPolygon(polygon_of(p.pieces.front()));
                       } else if (p.pieces.size() == 1) {
                           painter.drawPolyline(polygon_of(p.pieces.front()));
                       } else {
                           QPainterPath path;
                           for (const P::Polyline& piece : p.pieces) {
                               path.addPolygon(polygon_of(piece));
                               if (p.closed)
                                   path.closeSubpath();
                           }
                           painter.drawPath(path);
                       }
                   },
                   [&](const P::Segments& g) {
                       painter.setPen(pen_of(s.pen));
                       if (g.together) {
                           QList<QLineF> lines;
                           lines.reserve(static_cast<qsizetype>(g.lines.size()));
                           for (const auto& [a, b] : g.lines)
                               lines.append(QLineF(point_of(a), point_of(b)));
                           painter.drawLines(lines);
                       } else {
                           for (const auto& [a, b] : g.lines)
                               painter.drawLine(point_of(a), point_of(b));
                       }
                   },
                   [&](const P::Circle& c) {
                       painter.setPen(pen_of(s.pen));
                       painter.setBrush(s.fill ? QBrush(colour_of(*s.fill)) : QBrush());
                       painter.drawEllipse(point_of(c.centre), c.radius, c.radius);
                   },
                   [&](const P::Rectangle& r) {
                       if (s.fill && !s.pen) {
                           painter.fillRect(rect_of(r.box), colour_of(*s.fill));
                           return;
                       }
                       painter.setPen(pen_of(s.pen));
                       painter.setBrush(s.fill ? QBrush(colour_of(*s.fill)) : QBrush());
                       painter.drawRect(rect_of(r.box));
                   },
                   [&](const P::Text& t) { draw_text(painter, t, s.fill.value_or(P::Colour{})); },
               },
               s.geometry);
}

}  // namespace

const P::TextMeasure& qt_text_measure() {
    static const QtTextMeasure measure;
    return measure;
}

QRectF rect_of(const P::Box& box) {
    return {box.x, box.y, box.width, box.height};
}

P::Box box_of(const QRectF& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

void draw_shapes(QPainter& painter, std::span<const P::Shape> shapes, const QRectF& clip) {
    bool clipped = false;
    for (const P::Shape& s : shapes) {
        if (s.clipped != clipped) {
            if (s.clipped)
                painter.setClipRect(clip);
            else
                painter.setClipping(false);
            clipped = s.clipped;
        }
        draw_shape(painter, s);
    }
    if (clipped)
        painter.setClipping(false);
}

QRectF diagram_plot(const QRectF& area, double zoom) {
    return rect_of(ph_diagram::diagram_frame(box_of(area), zoom, qt_text_measure()).plot);
}

void draw_diagram(QPainter& painter, const QRectF& area, const ph_diagram::DiagramContent& c,
                  DiagramBackdrop* backdrop) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const P::TextMeasure& measure = qt_text_measure();
    const ph_diagram::DiagramFrame frame = ph_diagram::diagram_frame(box_of(area), c.zoom, measure);
    const QRectF plot = rect_of(frame.plot);
    if (frame.drawable()) {
        const auto backdrop_shapes = [&] {
            return ph_diagram::backdrop_shapes(frame, c.range, c.style, measure);
        };
        if (backdrop) {
            const qreal ratio = painter.device()->devicePixelRatio();
            if (backdrop->size != area.size() || backdrop->zoom != c.zoom ||
                backdrop->range != c.range || backdrop->ratio != ratio ||
                !(backdrop->style == c.style)) {
                backdrop->picture = QPixmap((area.size() * ratio).toSize());
                backdrop->picture.setDevicePixelRatio(ratio);
                backdrop->picture.fill(Qt::white);
                QPainter p(&backdrop->picture);
                p.setRenderHint(QPainter::Antialiasing);
                p.translate(-area.topLeft());
                draw_shapes(p, backdrop_shapes(), plot);
                p.end();
                backdrop->size = area.size();
                backdrop->zoom = c.zoom;
                backdrop->range = c.range;
                backdrop->style = c.style;
                backdrop->ratio = ratio;
            }
            painter.drawPixmap(area.topLeft(), backdrop->picture);
        } else {
            draw_shapes(painter, backdrop_shapes(), plot);
        }
    }
    draw_shapes(painter, ph_diagram::content_shapes(frame, c, measure), plot);
    painter.restore();
}

}  // namespace gelvor::ui::notebook
