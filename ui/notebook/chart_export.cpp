#include "ui/notebook/chart_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>

#include "texts/file_texts.h"
#include "ui/text_qt.h"
#include "version/version.h"

namespace gelvor::ui::notebook {
namespace {

constexpr double kPngScale = 2;
constexpr int kScreenDpi = 96;  // the logical pixels' resolution

}  // namespace

QString picture_filter() {
    return qt::to_qstring(texts::kPictureFilter);
}

QByteArray picture_bytes(const QString& path, const QSizeF& size, const QString& title,
                         const Drawing& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    const QRectF area(QPointF(0, 0), size);
    if (QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(size.toSize());
        svg.setViewBox(area);
        svg.setResolution(kScreenDpi);  // the size it has on a screen
        svg.setTitle(title);
        svg.setDescription(QStringLiteral("Gelvor %1").arg(QLatin1String(version::kText)));
        QPainter painter(&svg);
        draw(painter, area);
        painter.end();
        return bytes;
    }
    QImage image((size * kPngScale).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(kPngScale);
    image.fill(Qt::white);
    QPainter painter(&image);
    draw(painter, area);
    painter.end();
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace gelvor::ui::notebook
