#include "rendering.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdlib>

namespace gelvor::assets::testing {

QImage render(const char* path, int width, int height, int scale) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QSvgRenderer renderer{QString::fromLatin1(path)};
    QPainter painter(&image);
    renderer.render(&painter, QRectF(0, 0, image.width(), image.height()));
    return image;
}

QString source(const char* path) {
    QFile file(QString::fromLatin1(path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

double mean_difference(const QImage& a, const QRect& in_a, const QImage& b, const QRect& in_b) {
    long total = 0;
    for (int y = 0; y < in_a.height(); ++y) {
        for (int x = 0; x < in_a.width(); ++x) {
            const QRgb p = a.pixel(in_a.x() + x, in_a.y() + y);
            const QRgb q = b.pixel(in_b.x() + x, in_b.y() + y);
            total += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                     std::abs(qBlue(p) - qBlue(q));
        }
    }
    return double(total) / (3.0 * in_a.width() * in_a.height());
}

}  // namespace gelvor::assets::testing
