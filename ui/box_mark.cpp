#include "ui/box_mark.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyle>

#include "texts/bench_texts.h"
#include "ui/look.h"
#include "ui/text_qt.h"

namespace gelvor::ui {
namespace {

const char* const kFrameProperty = "gelvorBoxMark";
const char* const kPendingProperty = "gelvorPending";

QColor colour_of(BoxMark mark) {
    return mark == BoxMark::fault ? look::kFaultMark : look::kWarningMark;
}

// Lies over the box, above its neighbours (a spin overlaps its box by a
// pixel or two), lets the mouse through and paints only the frame. It
// follows the box wherever the box goes.
class MarkFrame : public QWidget {
  public:
    explicit MarkFrame(QLineEdit* box) : QWidget(box->parentWidget()), box_(box) {
        setObjectName(box->objectName() + QStringLiteral("_mark"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        box->installEventFilter(this);
        follow();
    }
    BoxMark mark = BoxMark::none;

    void follow() {
        setGeometry(box_->geometry());
        setVisible(mark != BoxMark::none && !box_->isHidden());
        raise();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(colour_of(mark), 2));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    bool eventFilter(QObject*, QEvent* e) override {
        switch (e->type()) {
            case QEvent::Move:
            case QEvent::Resize:
            case QEvent::Show:
            case QEvent::Hide:
                follow();
                break;
            default:
                break;
        }
        return false;
    }

  private:
    QWidget* box_;  // only its place and visibility, also while it is destroyed
};

MarkFrame* frame_of(const QLineEdit* box) {
    return static_cast<MarkFrame*>(box->property(kFrameProperty).value<QObject*>());
}

}  // namespace

void mark_box(QLineEdit* box, BoxMark mark) {
    MarkFrame* frame = frame_of(box);
    if (!frame) {
        if (mark == BoxMark::none || !box->parentWidget())
            return;
        frame = new MarkFrame(box);
        // The frame goes with the box.
        QObject::connect(box, &QObject::destroyed, frame, &QObject::deleteLater);
        box->setProperty(kFrameProperty, QVariant::fromValue<QObject*>(frame));
    }
    frame->mark = mark;
    frame->setAccessibleName(
        qt::to_qstring(mark == BoxMark::fault ? texts::kFaultBoxName : texts::kWarningBoxName));
    frame->follow();
    frame->update();
}

BoxMark box_mark(const QLineEdit* box) {
    const MarkFrame* frame = frame_of(box);
    return frame ? frame->mark : BoxMark::none;
}

void mark_pending(QLineEdit* box, bool pending) {
    if (is_pending(box) == pending)
        return;
    box->setProperty(kPendingProperty, pending);
    QPalette colours = box->palette();
    colours.setColor(QPalette::Base, pending ? look::kPendingFill
                                             : box->style()->standardPalette().color(
                                                   QPalette::Active, QPalette::Base));
    box->setPalette(colours);
    update_box_tip(box);
}

void update_box_tip(QLineEdit* box) {
    QStringList tip;
    if (is_pending(box))
        tip << QString::fromUtf8(kApplyHint);
    if (box->property(kTextCutProperty).toBool())
        tip << box->text();
    box->setToolTip(tip.join(u'\n'));
}

bool is_pending(const QLineEdit* box) {
    return box->property(kPendingProperty).toBool();
}

}  // namespace gelvor::ui
