#include "ui/widgets/picture.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/twips.h"

namespace gelvor::ui {
namespace {

constexpr int kBorder = 2;

void draw_sunken(QPainter& p, const QRect& r) {
    p.setPen(QColor(128, 128, 128));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(Qt::white);
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
    const QRect in = r.adjusted(1, 1, -1, -1);
    p.setPen(QColor(64, 64, 64));
    p.drawLine(in.topLeft(), in.topRight());
    p.drawLine(in.topLeft(), in.bottomLeft());
    p.setPen(QColor(212, 208, 200));
    p.drawLine(in.bottomLeft(), in.bottomRight());
    p.drawLine(in.topRight(), in.bottomRight());
}

}  // namespace

Picture::Picture(const QString& resource, Fit fit, bool border, QWidget* parent)
    : QWidget(parent), resource_(resource), fit_(fit), border_(border) {}

Picture::~Picture() = default;

void Picture::setLeft(float twips) {
    left_ = twips;
    move(px(twips) + offset_.x(), y());
}

void Picture::setTop(float twips) {
    top_ = twips;
    move(x(), px(twips) + offset_.y());
}

QRect Picture::inner() const {
    return border_ ? rect().adjusted(kBorder, kBorder, -kBorder, -kBorder) : rect();
}

QWidget* Picture::area() {
    if (!area_) {
        area_ = new QWidget(this);
        area_->setGeometry(inner());
        area_->show();
    }
    return area_;
}

QSvgRenderer* Picture::renderer() const {
    if (!loaded_) {
        loaded_ = true;
        if (QFile::exists(resource_)) {
            renderer_ = std::make_unique<QSvgRenderer>(resource_);
            if (!renderer_->isValid())
                renderer_.reset();
        }
    }
    return renderer_.get();
}

bool Picture::hasPicture() const {
    return renderer() != nullptr;
}

void Picture::resizeEvent(QResizeEvent*) {
    cache_ = QPixmap();
    if (area_)
        area_->setGeometry(inner());
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect in = inner();
    if (QSvgRenderer* svg = renderer()) {
        const QSize size = fit_ == Fit::stretched ? in.size() : svg->defaultSize();
        const qreal dpr = devicePixelRatioF();
        if (cache_.isNull() || cache_.devicePixelRatio() != dpr) {
            cache_ = QPixmap((QSizeF(size) * dpr).toSize());
            cache_.setDevicePixelRatio(dpr);
            cache_.fill(Qt::transparent);
            QPainter cp(&cache_);
            svg->render(&cp, QRectF(QPointF(0, 0), QSizeF(size)));
        }
        p.save();
        p.setClipRect(in);
        p.drawPixmap(in.topLeft(), cache_);
        p.restore();
    }
    if (border_)
        draw_sunken(p, rect().adjusted(0, 0, -1, -1));
}

}  // namespace gelvor::ui
