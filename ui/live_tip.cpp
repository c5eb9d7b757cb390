#include "ui/live_tip.h"

#include <QEvent>
#include <QWidget>

namespace gelvor::ui {
namespace {

class LiveTip : public QObject {
  public:
    LiveTip(QWidget* widget, std::function<QString()> text)
        : QObject(widget), text_(std::move(text)) {
        widget->installEventFilter(this);
        widget->setToolTip(text_());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::ToolTip)
            static_cast<QWidget*>(watched)->setToolTip(text_());
        return false;  // the widget shows its tool tip as usual
    }

  private:
    std::function<QString()> text_;
};

}  // namespace

void set_live_tip(QWidget* widget, std::function<QString()> text) {
    new LiveTip(widget, std::move(text));
}

}  // namespace gelvor::ui
