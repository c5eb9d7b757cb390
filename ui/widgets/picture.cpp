#include "ui/widgets/picture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/twips.h"
#include "ui/widgets/bevel.h"

namespace gelvor::ui {
namespace {

// The sunken border: two frames of one pixel each at the window's normal size.
constexpr int kBorderFrames = 2;

}  // namespace

Picture::Picture(const QString& resource, Fit fit, bool border, QWidget* parent)
    : QWidget(parent), resource_(resource), fit_(fit), border_(border) {}

Picture::~Picture() = default;

void Picture::setLeft(float twips) {
    left_ = twips;
    move(px(twips, zoom_) + offset_.x(), y());
}

void Picture::setTop(float twips) {
    top_ = twips;
    move(x(), px(twips, zoom_) + offset_.y());
}

void Picture::setZoom(double zoom) {
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    cache_ = QPixmap();
    if (area_)
        area_->setGeometry(inner());
    update();
}

int Picture::frameWidth() const {
    return bevel::edge_width(zoom_);
}

QRect Picture::inner() const {
    const int b = border_ ? kBorderFrames * frameWidth() : 0;
    return rect().adjusted(b, b, -b, -b);
}

QWidget* Picture::area() {
    if (!area_) {
        area_ = new QWidget(this);
        area_->setGeometry(inner());
        area_->show();
    }
    return area_;
}

std::unique_ptr<QSvgRenderer> Picture::read() const {
    std::unique_ptr<QSvgRenderer> svg;
    if (QFile::exists(resource_)) {
        svg = std::make_unique<QSvgRenderer>(resource_);
        if (!svg->isValid())
            svg.reset();
    }
    present_ = svg != nullptr;
    return svg;
}

bool Picture::hasPicture() const {
    if (!present_)
        read();
    return *present_;
}

void Picture::resizeEvent(QResizeEvent*) {
    cache_ = QPixmap();
    if (area_)
        area_->setGeometry(inner());
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect in = inner();
    const qreal dpr = devicePixelRatioF();
    const bool stale = cache_.isNull() || cache_.devicePixelRatio() != dpr;
    if (stale && present_.value_or(true) && !(fit_ == Fit::stretched && in.isEmpty())) {
        // The picture is read only to draw it into the cache, and let go
        // afterwards: its parsed form is larger than the drawing. A new size
        // or zoom reads it again. At its own size a picture grows with the
        // window's zoom; it is drawn anew from its vector source, so it
        // stays sharp.
        if (const auto svg = read()) {
            const QSize size =
                fit_ == Fit::stretched ? in.size() : (QSizeF(svg->defaultSize()) * zoom_).toSize();
            cache_ = QPixmap((QSizeF(size) * dpr).toSize());
            cache_.setDevicePixelRatio(dpr);
            cache_.fill(Qt::transparent);
            QPainter cp(&cache_);
            svg->render(&cp, QRectF(QPointF(0, 0), QSizeF(size)));
        }
    }
    if (!cache_.isNull()) {
        p.save();
        p.setClipRect(in);
        p.drawPixmap(in.topLeft(), cache_);
        p.restore();
    }
    if (border_)
        bevel::sunken(p, rect(), frameWidth());
}

}  // namespace gelvor::ui
