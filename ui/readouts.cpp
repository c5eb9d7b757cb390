#include "ui/readouts.h"

#include <QFocusEvent>
#include <QLineEdit>

#include "present/reading_text.h"
#include "ui/text_qt.h"

namespace gelvor::ui {
namespace {

class StartOnLeave : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        // Not for its own context menu: that copies the selection. A box
        // being destroyed loses its focus too, and is no QLineEdit by then.
        if (e->type() == QEvent::FocusOut &&
            static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason) {
            if (auto* box = qobject_cast<QLineEdit*>(watched))
                box->setCursorPosition(0);
        }
        return false;
    }
};

}  // namespace

void make_readout(QLineEdit* box) {
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
    box->setCursor(Qt::IBeamCursor);  // its text can still be selected
    box->setAccessibleDescription(
        qt::to_qstring(readout_description(box->objectName().toLatin1().toStdString())));
    box->installEventFilter(new StartOnLeave(box));  // the display binding sets it after each write
}

void keep_start_shown(QLineEdit* box) {
    box->installEventFilter(new StartOnLeave(box));
}

}  // namespace gelvor::ui
