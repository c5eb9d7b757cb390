#include "ui/widgets/tab_control.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>

#include "layout/form1_layout.h"
#include "ui/look.h"
#include "ui/twips.h"
#include "ui/widgets/bevel.h"
#include "ui/widgets/focus_ring.h"

namespace gelvor::ui {
namespace {

// Part of `r` on a grid of u-pixel cells anchored at its corners, from cell
// (x0, y0) to cell (x1, y1), both included. Indices from 0 count from the left
// or top edge, negative ones from the right or bottom (-1 is the last).
QRect cells(const QRect& r, int u, int x0, int y0, int x1, int y1) {
    auto first = [u](int lo, int hi, int c) {
        return c >= 0 ? lo + c * u : hi + (c + 1) * u - u + 1;
    };
    return QRect(
        QPoint(first(r.left(), r.right(), x0), first(r.top(), r.bottom(), y0)),
        QPoint(first(r.left(), r.right(), x1) + u - 1, first(r.top(), r.bottom(), y1) + u - 1));
}

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
    return px(visual_row * layout::kTabRowTwips, zoom_);
}

void TabControl::setZoom(double zoom) {
    zoom_ = zoom;
    layoutPages();
    update();
}

int TabControl::edgeWidth() const {
    return bevel::edge_width(zoom_);
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
    const int u = edgeWidth();
    const QRect page_rect(0, stripHeight(), width(), height() - stripHeight());
    p.fillRect(page_rect, page_colour_);

    // Raised page border, lit from the top left; the current tab opens into
    // it when it lies in the front row.
    const bool front = current_ < per_row_;
    const QRect cur = front ? tabRect(current_).adjusted(0, 0, -u, 0) : QRect(0, 0, 1, 1);
    const QRect top_edge = cells(page_rect, u, 0, 0, -1, 0);
    p.fillRect(cells(page_rect, u, 0, 0, 0, -1), look::kTabLight);
    p.fillRect(top_edge.adjusted(0, 0, cur.left() - top_edge.right(), 0), look::kTabLight);
    p.fillRect(top_edge.adjusted(cur.right() - top_edge.left(), 0, 0, 0), look::kTabLight);
    p.fillRect(cells(page_rect, u, 0, -1, -1, -1), look::kBevelDarkShadow);
    p.fillRect(cells(page_rect, u, -1, 0, -1, -1), look::kBevelDarkShadow);
    p.fillRect(cells(page_rect, u, 1, -2, -2, -2), look::kBevelShadow);
    p.fillRect(cells(page_rect, u, -2, 1, -2, -2), look::kBevelShadow);

    p.setFont(font());
    for (int i = 0; i < count(); ++i) {
        const bool current = i == current_;
        const QRect r = tabRect(i).adjusted(current ? 0 : u, current ? -u : u,
                                            current ? -u : -2 * u, current ? u : 0);
        p.fillRect(cells(r, u, 1, 1, -2, -1), page_colour_);
        p.fillRect(cells(r, u, 0, 2, 0, -1), look::kTabLight);
        p.fillRect(cells(r, u, 1, 1, 1, 1), look::kTabLight);
        p.fillRect(cells(r, u, 2, 0, -3, 0), look::kTabLight);
        p.fillRect(cells(r, u, -2, 1, -2, 1), look::kBevelDarkShadow);
        p.fillRect(cells(r, u, -1, 2, -1, -1), look::kBevelDarkShadow);
        p.fillRect(cells(r, u, -2, 2, -2, -1), look::kBevelShadow);

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
