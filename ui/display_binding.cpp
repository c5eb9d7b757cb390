#include "ui/display_binding.h"

#include <QLineEdit>
#include <QWidget>

#include "ui/text_qt.h"
#include "ui/widgets/instrument.h"

namespace gelvor::ui {

DisplayBinding::DisplayBinding(QWidget* root, const std::vector<session::DisplayView>& displays) {
    for (const session::DisplayView& d : displays) {
        QWidget* w = root->findChild<QWidget*>(QLatin1String(d.target));
        Target t{qobject_cast<QLineEdit*>(w), qobject_cast<Instrument*>(w)};
        Q_ASSERT_X(t.box || t.instrument, "DisplayBinding", d.target);
        targets_.push_back(t);
    }
}

void DisplayBinding::draw(const std::vector<session::DisplayView>& now,
                          const std::vector<session::DisplayView>* before) const {
    for (std::size_t i = 0; i < now.size() && i < targets_.size(); ++i) {
        const session::DisplayView& d = now[i];
        if (before && (*before)[i] == d)
            continue;
        const Target& t = targets_[i];
        if (t.box) {
            t.box->setText(qt::to_qstring(d.text));
            t.box->setCursorPosition(0);  // a text longer than its box shows its beginning
        } else if (t.instrument) {
            if (d.unset)
                t.instrument->setUnset();
            else
                t.instrument->setPosition(d.position);
        }
    }
}

}  // namespace gelvor::ui
