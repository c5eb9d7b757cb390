// Renders every picture of the program to PNG, at its own size and at three
// times that, and lays the bench pictures and the chart overlay out the way
// the main window does, so that they can be looked at and judged.
//
//   gelvor-asset-preview OUTPUT_DIR

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>
#include <span>

#include "assets/assets.h"
#include "layout/form1_layout.h"
#include "model/settings_ranges.h"
#include "present/chart_overlay.h"

namespace {

namespace layout = gelvor::layout;
using gelvor::layout::kTwipsPerPixel;
using gelvor::layout::TwipsRect;

// A control of the window's layout tables, by its name.
template <class Entry>
const Entry& named(std::span<const Entry> table, const char* name) {
    for (const Entry& s : table) {
        if (QLatin1String(s.name) == QLatin1String(name)) {
            return s;
        }
    }
    std::fprintf(stderr, "the window has no control %s\n", name);
    std::exit(1);
}

QImage blank(int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

void draw_svg(QPainter& painter, const char* path, const QRectF& where) {
    QSvgRenderer renderer{QString::fromLatin1(path)};
    renderer.render(&painter, where);
}

QRectF pixels(const TwipsRect& p, int scale) {
    return {p.left / kTwipsPerPixel * scale, p.top / kTwipsPerPixel * scale,
            p.width / kTwipsPerPixel * scale, p.height / kTwipsPerPixel * scale};
}

// A picture box shows its bitmap unscaled from its top-left corner.
void draw_at(QPainter& painter, const char* name, int width, int height, int scale) {
    const auto& p = named(layout::running_pictures(), name);
    const QRectF box = pixels(p.rect, scale);
    draw_svg(painter, p.resource, QRectF(box.topLeft(), QSizeF(width * scale, height * scale)));
}

// An image control stretches its picture into its own rectangle.
// A scroll value below 0 leaves the float at its design position, as when
// the window opens.
void draw_float(QPainter& painter, const char* name, int scroll_value, int scale) {
    const auto& p = named(layout::floats(), name);
    QRectF box = pixels(p.rect, scale);
    if (scroll_value >= 0) {
        box.moveTop(gelvor::float_top_twips(scroll_value) / kTwipsPerPixel * scale);
    }
    draw_svg(painter, p.resource, box);
}

bool save(const QImage& image, const QString& dir, const QString& name) {
    const QString path = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QString suffix(int scale) {
    return scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
}

// The machine off or on, and the scroll-bar values that place the floats
// (-1: the float stays at its design position, as when the window opens).
struct BenchScene {
    bool running;
    int condenser_scroll;   // VScroll2
    int evaporator_scroll;  // VScroll1
};

QImage bench_composite(const BenchScene& scene, int scale) {
    using namespace gelvor::assets;
    QImage image = blank(382, 264, scale);
    QPainter painter(&image);
    draw_svg(painter, kBenchDrawing, QRectF(0, 0, 382 * scale, 264 * scale));
    draw_at(painter, "c_0", 53, 60, scale);
    if (scene.running) {
        draw_at(painter, "Picture1_0", 45, 68, scale);
        draw_at(painter, "Picture1_1", 53, 60, scale);
        draw_at(painter, "Picture1_2", 28, 37, scale);
    }
    draw_float(painter, "Image2", scene.condenser_scroll, scale);
    draw_float(painter, "Image1", scene.evaporator_scroll, scale);
    return image;
}

// Stand-ins for the window's instruments and controls, only to judge how the
// drawing looks with them in place: dials, thermometer columns, the rocker
// switch and the scroll bars' arrow buttons.
void draw_widget_stand_in(QPainter& painter, const char* control, const TwipsRect& at, int scale) {
    const QRectF r = pixels(at, scale);
    const QString name = QString::fromLatin1(control);
    painter.setPen(QPen(Qt::black, 0.6 * scale));
    if (name.startsWith(QLatin1String("Gauge"))) {
        const double radius = 15.5 * scale;
        painter.setBrush(QColor(255, 255, 128));
        painter.drawEllipse(r.center(), radius, radius);
        painter.drawLine(r.center(), r.center() + QPointF(-0.5 * radius, -0.6 * radius));
    } else if (name.startsWith(QLatin1String("ter"))) {
        const double x = r.center().x();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(192, 0, 0), 1.0 * scale));
        painter.drawLine(QPointF(x, r.top() + 4 * scale), QPointF(x, r.bottom() - 3 * scale));
        painter.setBrush(QColor(192, 0, 0));
        painter.drawEllipse(QPointF(x, r.bottom() - 3 * scale), 1.5 * scale, 1.5 * scale);
        painter.setPen(QPen(Qt::black, 0.5 * scale));
        for (int k = 0; k < 4; ++k) {
            const double y = r.top() + (4 + k * (r.height() / scale - 10) / 3) * scale;
            painter.drawLine(QPointF(x + 1.5 * scale, y), QPointF(x + 4 * scale, y));
        }
    } else if (name == QLatin1String("Interruptor")) {
        painter.setBrush(QColor(64, 64, 64));
        painter.drawRoundedRect(r.adjusted(2 * scale, 1 * scale, -2 * scale, -1 * scale), 2 * scale,
                                2 * scale);
        painter.setBrush(QColor(200, 30, 30));
        painter.drawRect(r.adjusted(5 * scale, 4 * scale, -5 * scale, -r.height() / 2));
    } else {
        painter.setBrush(QColor(212, 208, 200));
        painter.drawRect(r.adjusted(0, 0, 0, -r.height() / 2));
        painter.drawRect(r.adjusted(0, r.height() / 2, 0, 0));
    }
}

// The running bench with the window's widgets stood in for and its markers
// written, to judge the room the drawing leaves for them.
QImage bench_layout(int scale) {
    QImage image = bench_composite({true, 30, 30}, scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const auto& w : layout::gauges()) {
        draw_widget_stand_in(painter, w.name, w.rect, scale);
    }
    for (const auto& w : layout::thermometers()) {
        draw_widget_stand_in(painter, w.name, w.rect, scale);
    }
    draw_widget_stand_in(painter, "Interruptor", layout::kSwitch, scale);
    for (const auto& w : layout::flow_bars()) {
        draw_widget_stand_in(painter, w.name, w.rect, scale);
    }
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(11 * scale);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const auto& m : layout::markers()) {
        const QPointF at = pixels(m.rect, scale).topLeft();
        painter.drawText(QRectF(at, QSizeF(20 * scale, 13 * scale)), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromUtf8(m.caption));
    }
    return image;
}

// The P-h chart with a cycle drawn over it as the window does, for
// te = 5 °C and tc = 33 °C, and the two saturation lines of the overlay
// drawn thin along the whole dome.
QImage chart_with_cycle(int scale) {
    namespace chart = gelvor::chart;
    QImage image = blank(264, 226, scale);
    QPainter painter(&image);
    draw_svg(painter, gelvor::assets::kPhChart, QRectF(0, 0, 264 * scale, 226 * scale));
    painter.setRenderHint(QPainter::Antialiasing);
    const double k = scale / kTwipsPerPixel;
    const auto pt = [k](double x, double y) { return QPointF(x * k, y * k); };

    painter.setPen(QPen(QColor(128, 128, 128), 0.7 * scale, Qt::DashLine));
    painter.drawLine(pt(chart::saturated_liquid_x(1500), 1500),
                     pt(chart::saturated_liquid_x(3150), 3150));
    painter.drawLine(pt(chart::saturated_vapour_x(1500), 1500),
                     pt(chart::saturated_vapour_x(3150), 3150));

    const double yc = chart::level_y(33.0), ye = chart::level_y(5.0);
    const double xl = chart::saturated_liquid_x(yc);
    const double xv = chart::saturated_vapour_x(ye);
    const double xd = chart::compression_end_x(yc);
    const struct {
        QPointF a, b;
        QColor colour;
    } lines[] = {
        {pt(xl, yc), pt(xl, ye), QColor(0, 192, 0)},
        {pt(xl, ye), pt(xv, ye), QColor(0, 0, 255)},
        {pt(xv, ye), pt(xd, yc), QColor(255, 0, 0)},
        {pt(xd, yc), pt(xl, yc), QColor(128, 0, 0)},
    };
    for (const auto& l : lines) {
        painter.setPen(QPen(l.colour, 3 * scale, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(l.a, l.b);
    }
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (int scale : {1, 3}) {
        for (const auto& picture : gelvor::assets::kPictures) {
            QSvgRenderer renderer{QString::fromLatin1(picture.path)};
            if (!renderer.isValid()) {
                std::fprintf(stderr, "cannot read %s\n", picture.path);
                ok = false;
                continue;
            }
            QImage image = blank(picture.width, picture.height, scale);
            QPainter painter(&image);
            renderer.render(&painter, QRectF(0, 0, image.width(), image.height()));
            painter.end();
            const QString name = QFileInfo(QString::fromLatin1(picture.path)).baseName();
            ok = save(image, dir, name + suffix(scale)) && ok;
        }
        ok = save(bench_composite({false, -1, -1}, scale), dir, "bench_at_start" + suffix(scale)) &&
             ok;
        ok = save(bench_composite({true, 30, 30}, scale), dir, "bench_running" + suffix(scale)) &&
             ok;
    }
    ok = save(bench_layout(3), dir, QStringLiteral("bench_layout@3x")) && ok;
    ok = save(chart_with_cycle(3), dir, QStringLiteral("ph_chart_cycle@3x")) && ok;
    return ok ? 0 : 1;
}
