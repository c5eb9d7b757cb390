#include "ui/widgets/shadow_label.h"

#include <QPainter>

namespace gelvor::ui {

ShadowLabel::ShadowLabel(const QString& text, QWidget* parent) : QWidget(parent), text_(text) {
    setAccessibleName(text);
}

void ShadowLabel::setText(const QString& text) {
    text_ = text;
    setAccessibleName(text);
    update();
}

void ShadowLabel::setColours(const QColor& text, const QColor& shadow) {
    colour_ = text;
    shadow_ = shadow;
    update();
}

void ShadowLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(font());
    const QRect area = rect().adjusted(margin_, margin_, -margin_ - offset_, -margin_ - offset_);
    p.setPen(shadow_);
    p.drawText(area.translated(offset_, offset_), Qt::AlignCenter, text_);
    p.setPen(colour_);
    p.drawText(area, Qt::AlignCenter, text_);
}

}  // namespace gelvor::ui
