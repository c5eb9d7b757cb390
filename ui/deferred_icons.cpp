#include "ui/deferred_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QWidget>

namespace gelvor::ui {
namespace {

// An icon the style makes when it is first asked for a picture of it.
class DeferredIcon : public QIconEngine {
  public:
    DeferredIcon(const QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        // QPointer holds only non-const objects; neither is changed here.
        : style_(const_cast<QStyle*>(style)),
          which_(which),
          widget_(const_cast<QWidget*>(widget)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    QIconEngine* clone() const override { return new DeferredIcon(*this); }

  private:
    const QIcon& icon() {
        if (!made_ && style_) {
            icon_ = style_->standardIcon(which_, nullptr, widget_);
            made_ = true;
        }
        return icon_;
    }
    QPointer<QStyle> style_;
    QStyle::StandardPixmap which_;
    QPointer<QWidget> widget_;
    QIcon icon_;
    bool made_ = false;
};

class DeferringStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton && !option)
            return QIcon(new DeferredIcon(baseStyle(), which, widget));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

QStyle* style_deferring_overflow_icon(const QString& base) {
    return new DeferringStyle(base);
}

void defer_menu_overflow_icon(QApplication* app) {
    QApplication::setStyle(style_deferring_overflow_icon(app->style()->name()));
}

}  // namespace gelvor::ui
