#pragma once

#include <QByteArray>
#include <QSizeF>
#include <QString>
#include <functional>

class QPainter;
class QRectF;

namespace gelvor::ui::notebook {

// Draws a picture into a rectangle of `size` logical pixels.
using Drawing = std::function<void(QPainter& painter, const QRectF& area)>;

// The file filter of an exported picture, PNG first.
QString picture_filter();
// A picture as a file holds it: SVG when the path ends in ".svg", else PNG
// at twice the logical size, sharp on paper and on a projector.
QByteArray picture_bytes(const QString& path, const QSizeF& size, const QString& title,
                         const Drawing& draw);

}  // namespace gelvor::ui::notebook
