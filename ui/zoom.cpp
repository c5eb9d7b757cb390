#include "ui/zoom.h"

#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "layout/form1_layout.h"
#include "ui/look.h"
#include "ui/text_fit.h"
#include "ui/widgets/instrument.h"
#include "ui/widgets/overlay_shapes.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/rocker_switch.h"
#include "ui/widgets/spin_control.h"
#include "ui/widgets/tab_control.h"

namespace gelvor::ui {
namespace {

// Kept on the widgets themselves, so that a control built after a zoom finds it too.
constexpr const char* kTwips = "placedTwips";          // on a placed control
constexpr const char* kFactor = "zoomFactor";          // on the window
constexpr const char* kBasePixels = "zoomBasePixels";  // an own font's size at 100 %; 0: inherited
constexpr const char* kBaseBoxPixels = "zoomBaseBoxPixels";  // a fitted box's own text size
constexpr const char* kBaseTabStop = "zoomBaseTabStop";
constexpr const char* kBaseFont = "zoomBaseFont";  // a drop-down menu's font at 100 %

double factor_of(const QWidget* w) {
    const QVariant f = w->window()->property(kFactor);
    return f.isValid() ? f.toDouble() : 1.0;
}

int scaled(int pixels, double factor) {
    return static_cast<int>(std::lround(pixels * factor));
}

// A control on a tab page stands in the tab control's coordinates.
int strip_above(const QWidget* w) {
    const QWidget* page = w->parentWidget();
    const auto* tab = page ? qobject_cast<const TabControl*>(page->parentWidget()) : nullptr;
    return tab ? tab->stripHeight() : 0;
}

void put(QWidget* w, const TwipsRect& r, double factor) {
    const QRect g = px(r, factor).translated(0, -strip_above(w));
    if (r.width == 0) {  // sized to its caption
        w->adjustSize();
        w->move(g.topLeft());
    } else {
        w->setGeometry(g);
    }
    if (auto* p = qobject_cast<Picture*>(w)) {
        // The program moves some pictures: they keep their own twips.
        p->setZoom(factor);
        p->setContainerOffset(QPoint(0, -strip_above(w)));
        p->setLeft(p->left());
        p->setTop(p->top());
    }
}

}  // namespace

void place(QWidget* control, const TwipsRect& twips) {
    control->setProperty(kTwips, QRectF(twips.left, twips.top, twips.width, twips.height));
    // Our painted controls draw for their size at 100 % and scale from it.
    const QSize design = px(twips).size();
    if (auto* i = qobject_cast<Instrument*>(control))
        i->setDesignSize(design);
    else if (auto* s = qobject_cast<RockerSwitch*>(control))
        s->setDesignSize(design);
    else if (auto* spin = qobject_cast<SpinControl*>(control))
        spin->setDesignSize(design);
    if (auto* p = qobject_cast<Picture*>(control)) {
        p->setLeft(static_cast<float>(twips.left));
        p->setTop(static_cast<float>(twips.top));
    }
    put(control, twips, factor_of(control));
}

std::optional<TwipsRect> placed_at(const QWidget* control) {
    const QVariant v = control->property(kTwips);
    if (!v.isValid())
        return std::nullopt;
    const QRectF r = v.toRectF();
    return TwipsRect{r.left(), r.top(), r.width(), r.height()};
}

Zoom::Zoom(QMainWindow* window, QWidget* canvas, QWidget* status_bar)
    : QObject(window), window_(window), canvas_(canvas), status_bar_(status_bar) {
    window_->setProperty(kFactor, 1.0);
}

void Zoom::setPercent(int percent) {
    if (percent == percent_ || std::find(kSteps.begin(), kSteps.end(), percent) == kSteps.end())
        return;
    percent_ = percent;
    apply();
}

void Zoom::apply() {
    const double f = factor();
    window_->setProperty(kFactor, f);
    scaleFonts();
    placeControls();
    fitTexts();
    canvas_->setMinimumSize(px(layout::kClientArea, f).size());
    status_bar_->setFixedHeight(px(layout::kStatusLineTwips, f));
    // The window takes the size of its content, unless it fills the screen.
    if (!(window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
        window_->layout()->invalidate();
        window_->layout()->activate();
        window_->resize(window_->minimumSizeHint());
    }
    updateActions();
    emit zoomed(f);
}

// The window's font reaches every control that has none of its own; the
// others keep their own size, scaled.
void Zoom::scaleFonts() const {
    const double f = factor();
    window_->setFont(look::sans(scaled(look::kDefaultPixels, f)));
    for (QWidget* w : window_->findChildren<QWidget*>()) {
        if (auto* menu = qobject_cast<QMenu*>(w)) {
            if (!menu->property(kBaseFont).isValid())
                menu->setProperty(kBaseFont, menu->font());
            QFont font = menu->property(kBaseFont).value<QFont>();
            if (font.pixelSize() > 0)
                font.setPixelSize(scaled(font.pixelSize(), f));
            else
                font.setPointSizeF(font.pointSizeF() * f);
            menu->setFont(font);
            continue;
        }
        if (w->window() != window_)
            continue;  // the program's other windows zoom themselves
        if (auto* box = qobject_cast<QLineEdit*>(w); box && box_text_pixels(box) > 0) {
            if (!box->property(kBaseBoxPixels).isValid())
                box->setProperty(kBaseBoxPixels, box_text_pixels(box));
            continue;  // fitted to its new width below
        }
        if (!w->property(kBasePixels).isValid())
            w->setProperty(kBasePixels,
                           w->testAttribute(Qt::WA_SetFont) ? w->font().pixelSize() : 0);
        const int base = w->property(kBasePixels).toInt();
        if (base > 0) {
            QFont font = w->font();
            font.setPixelSize(scaled(base, f));
            w->setFont(font);
        } else if (w->testAttribute(Qt::WA_SetFont)) {
            w->setFont(QFont());  // a size fitted at another zoom: inherit again
        }
        if (auto* text = qobject_cast<QPlainTextEdit*>(w)) {
            if (!text->property(kBaseTabStop).isValid())
                text->setProperty(kBaseTabStop, text->tabStopDistance());
            text->setTabStopDistance(text->property(kBaseTabStop).toDouble() * f);
        }
    }
}

// Parents come before their children, so a tab control's strip has its new
// height before the controls on its pages are put under it.
void Zoom::placeControls() const {
    const double f = factor();
    for (QWidget* w : window_->findChildren<QWidget*>()) {
        if (const auto r = placed_at(w))
            put(w, *r, f);
        if (auto* tab = qobject_cast<TabControl*>(w))
            tab->setZoom(f);
        else if (auto* picture = qobject_cast<Picture*>(w))
            picture->setZoom(f);
        else if (auto* line = qobject_cast<LineShape*>(w))
            line->setZoom(f);
        else if (auto* letter = qobject_cast<PlacedLabel*>(w))
            letter->setZoom(f);
    }
}

void Zoom::fitTexts() const {
    const double f = factor();
    for (QWidget* w : window_->findChildren<QWidget*>()) {
        if (auto* box = qobject_cast<QLineEdit*>(w)) {
            const QVariant base = box->property(kBaseBoxPixels);
            if (base.isValid())
                set_box_text_pixels(box, scaled(base.toInt(), f));
        } else if (auto* label = qobject_cast<QLabel*>(w)) {
            const auto r = placed_at(label);
            if (r && r->width > 0)
                fit_caption(label);
        }
    }
}

bool Zoom::fitsScreen(int percent) const {
    const QScreen* screen = window_->screen();
    if (!screen)
        return true;
    const QSize frame = window_->frameGeometry().size() - window_->size();
    const QSize content = window_->minimumSizeHint() * (double(percent) / percent_);
    const QSize room = screen->availableGeometry().size();
    return content.width() + frame.width() <= room.width() &&
           content.height() + frame.height() <= room.height();
}

void Zoom::zoomIn() {
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent_);
    if (next != kSteps.end() && fitsScreen(*next))
        setPercent(*next);
}

void Zoom::zoomOut() {
    const auto at = std::lower_bound(kSteps.begin(), kSteps.end(), percent_);
    if (at != kSteps.begin())
        setPercent(*std::prev(at));
}

void Zoom::attach(QAction* zoom_in, QAction* zoom_out, QAction* original) {
    in_ = zoom_in;
    out_ = zoom_out;
    original_ = original;
    connect(in_, &QAction::triggered, this, &Zoom::zoomIn);
    connect(out_, &QAction::triggered, this, &Zoom::zoomOut);
    connect(original_, &QAction::triggered, this, [this] { setPercent(100); });
    updateActions();
}

void Zoom::updateActions() const {
    if (!in_)
        return;
    const auto next = std::upper_bound(kSteps.begin(), kSteps.end(), percent_);
    in_->setEnabled(next != kSteps.end() && fitsScreen(*next));
    out_->setEnabled(percent_ > kSteps.front());
    original_->setEnabled(percent_ != kSteps.front());
}

}  // namespace gelvor::ui
