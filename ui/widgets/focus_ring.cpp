#include "ui/widgets/focus_ring.h"

#include <QEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QWidget>

#include "ui/look.h"

namespace gelvor::ui {
namespace {

const char* const kCueProperty = "gelvorFocusCue";
const QColor kRing = look::rgb(layout::colours::kFocusRing);

// Shared by every control: notes a focus that came by the operator's hand.
class FocusCue : public QObject {
  public:
    static FocusCue& instance() {
        static FocusCue cue;
        return cue;
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        auto* w = static_cast<QWidget*>(watched);
        if (e->type() == QEvent::FocusIn) {
            if (static_cast<QFocusEvent*>(e)->reason() != Qt::ActiveWindowFocusReason)
                w->setProperty(kCueProperty, true);
        } else if (e->type() == QEvent::KeyPress && !w->property(kCueProperty).toBool()) {
            w->setProperty(kCueProperty, true);
            w->update();
        }
        return false;
    }
};

}  // namespace

void track_focus_cue(QWidget* control) {
    control->installEventFilter(&FocusCue::instance());
}

void paint_focus_ring(QPainter& p, const QWidget* control, const QRect& around) {
    if (!control->hasFocus() || !control->property(kCueProperty).toBool())
        return;
    p.save();
    p.resetTransform();  // in the widget's own pixels, whatever the zoom
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kRing, 2));
    p.drawRect(QRectF(around).adjusted(1, 1, -1, -1));
    p.restore();
}

}  // namespace gelvor::ui
