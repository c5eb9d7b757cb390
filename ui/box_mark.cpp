#include "ui/box_mark.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>

namespace gelvor::ui {
namespace {

const char* const kMarkName = "boxMark";

QColor colour_of(BoxMark mark) {
    return mark == BoxMark::fault ? QColor(220, 0, 0) : QColor(240, 160, 0);
}

// Covers the box, lets the mouse through and paints only the frame.
class MarkFrame : public QWidget {
  public:
    explicit MarkFrame(QLineEdit* box) : QWidget(box) {
        setObjectName(QLatin1String(kMarkName));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setGeometry(box->rect());
        box->installEventFilter(this);
    }
    BoxMark mark = BoxMark::none;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(QPen(colour_of(mark), 2));
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Resize)
            setGeometry(static_cast<QWidget*>(watched)->rect());
        return false;
    }
};

MarkFrame* frame_of(const QLineEdit* box) {
    return box->findChild<MarkFrame*>(QLatin1String(kMarkName), Qt::FindDirectChildrenOnly);
}

}  // namespace

void mark_box(QLineEdit* box, BoxMark mark) {
    MarkFrame* frame = frame_of(box);
    if (!frame) {
        if (mark == BoxMark::none)
            return;
        frame = new MarkFrame(box);
    }
    frame->mark = mark;
    frame->setAccessibleName(mark == BoxMark::fault ? QStringLiteral("Casilla con fallo")
                                                    : QStringLiteral("Casilla con aviso"));
    frame->setVisible(mark != BoxMark::none);
    frame->raise();
    frame->update();
}

BoxMark box_mark(const QLineEdit* box) {
    const MarkFrame* frame = frame_of(box);
    return frame ? frame->mark : BoxMark::none;
}

}  // namespace gelvor::ui
