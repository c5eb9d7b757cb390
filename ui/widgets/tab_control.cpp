#include "ui/widgets/tab_control.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "ui/twips.h"
#include "ui/widgets/focus_ring.h"

namespace gelvor::ui {
namespace {

// A row of tabs is 420 hundredths of a millimetre high.
constexpr double kRowTwips = 420 * 1440 / 2540.0;
// Edges as the classic raised look, the lit side grey enough to show on white.
const QColor kLight{176, 176, 176};
const QColor kShadow{128, 128, 128};
const QColor kDarkShadow{64, 64, 64};

}  // namespace

TabControl::TabControl(const QStringList& captions, int tabs_per_row, QWidget* parent)
    : QWidget(parent), captions_(captions), per_row_(std::max(1, tabs_per_row)) {
    setFocusPolicy(Qt::StrongFocus);
    track_focus_cue(this);
    for (int i = 0; i < count(); ++i) {
        auto* p = new QWidget(this);
        p->setObjectName(QStringLiteral("page_%1").arg(i));
        p->setAccessibleName(captions_.at(i));
        p->setVisible(i == current_);
        pages_.push_back(p);
    }
    layoutPages();
}

int TabControl::rowCount() const {
    return (count() + per_row_ - 1) / per_row_;
}

int TabControl::rowTop(int visual_row) const {
    return px(visual_row * kRowTwips);
}

int TabControl::stripHeight() const {
    return rowTop(rowCount());
}

void TabControl::setColours(const QColor& page, const QColor& caption) {
    page_colour_ = page;
    caption_colour_ = caption;
    update();
}

void TabControl::setCurrentIndex(int index) {
    if (index < 0 || index >= count() || index == current_)
        return;
    page(current_)->hide();
    current_ = index;
    page(current_)->show();
    update();
    // A screen reader hears the tab chosen, as for Qt's own tab bars.
    if (QAccessible::isActive()) {
        if (hasFocus()) {
            QAccessibleEvent focus(this, QAccessible::Focus);
            focus.setChild(index);
            QAccessible::updateAccessibility(&focus);
        }
        QAccessibleEvent chosen(this, QAccessible::Selection);
        chosen.setChild(index);
        QAccessible::updateAccessibility(&chosen);
    }
    emit currentChanged(index);
}

QRect TabControl::tabRect(int index) const {
    // The first row at the bottom, next to the page; the later ones above it.
    const int visual = rowCount() - 1 - index / per_row_;
    const int col = index % per_row_;
    const int left = static_cast<int>(std::lround(double(width()) * col / per_row_));
    const int right = static_cast<int>(std::lround(double(width()) * (col + 1) / per_row_));
    return QRect(left, rowTop(visual), right - left, rowTop(visual + 1) - rowTop(visual));
}

void TabControl::layoutPages() {
    const QRect area(0, stripHeight(), width(), height() - stripHeight());
    for (QWidget* p : pages_) p->setGeometry(area);
}

void TabControl::resizeEvent(QResizeEvent*) {
    layoutPages();
}

void TabControl::mousePressEvent(QMouseEvent* e) {
    for (int i = 0; i < count(); ++i) {
        if (tabRect(i).contains(e->position().toPoint())) {
            setCurrentIndex(i);
            setFocus(Qt::MouseFocusReason);
            return;
        }
    }
    QWidget::mousePressEvent(e);
}

void TabControl::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Right || e->key() == Qt::Key_Down)
        return setCurrentIndex((current_ + 1) % count());
    if (e->key() == Qt::Key_Left || e->key() == Qt::Key_Up)
        return setCurrentIndex((current_ + count() - 1) % count());
    QWidget::keyPressEvent(e);
}

void TabControl::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int strip = stripHeight();
    const QRect page_rect(0, strip, width() - 1, height() - strip - 1);
    p.fillRect(page_rect, page_colour_);

    // Raised page border, lit from the top left; the current tab opens into
    // it when it lies in the front row.
    const bool front = current_ < per_row_;
    const QRect cur = front ? tabRect(current_).adjusted(0, 0, -1, 0) : QRect(0, 0, 1, 1);
    p.setPen(kLight);
    p.drawLine(page_rect.topLeft(), page_rect.bottomLeft());
    p.drawLine(page_rect.topLeft(), QPoint(cur.left(), page_rect.top()));
    p.drawLine(QPoint(cur.right(), page_rect.top()), page_rect.topRight());
    p.setPen(kDarkShadow);
    p.drawLine(page_rect.bottomLeft(), page_rect.bottomRight());
    p.drawLine(page_rect.topRight(), page_rect.bottomRight());
    p.setPen(kShadow);
    p.drawLine(page_rect.bottomLeft() + QPoint(1, -1), page_rect.bottomRight() + QPoint(-1, -1));
    p.drawLine(page_rect.topRight() + QPoint(-1, 1), page_rect.bottomRight() + QPoint(-1, -1));

    p.setFont(font());
    for (int i = 0; i < count(); ++i) {
        const bool current = i == current_;
        const QRect r = tabRect(i).adjusted(current ? 0 : 1, current ? -1 : 1, current ? -1 : -2,
                                            current ? 1 : 0);
        p.fillRect(r.adjusted(1, 1, -1, 0), page_colour_);
        p.setPen(kLight);
        p.drawLine(r.bottomLeft(), r.topLeft() + QPoint(0, 2));
        p.drawLine(r.topLeft() + QPoint(1, 1), r.topLeft() + QPoint(1, 1));
        p.drawLine(r.topLeft() + QPoint(2, 0), r.topRight() + QPoint(-2, 0));
        p.setPen(kDarkShadow);
        p.drawLine(r.topRight() + QPoint(-1, 1), r.topRight() + QPoint(-1, 1));
        p.drawLine(r.topRight() + QPoint(0, 2), r.bottomRight());
        p.setPen(kShadow);
        p.drawLine(r.topRight() + QPoint(-1, 2), r.bottomRight() + QPoint(-1, 0));

        // A current tab behind the front row tells itself by a bold caption.
        QFont caption_font = font();
        caption_font.setBold(current && !front);
        p.setFont(caption_font);
        p.setPen(caption_colour_);
        p.drawText(r, Qt::AlignCenter, captions_.at(i));
        if (current)
            paint_focus_ring(p, this, r.adjusted(2, 1, -1, 0));
    }
}

}  // namespace gelvor::ui
