#include "ui/display_binding.h"

#include <QLineEdit>
#include <QWidget>

#include "ui/text_qt.h"
#include "ui/widgets/instrument.h"

namespace gelvor::ui {

DisplayBinding::DisplayBinding(QWidget* root) {
    for (const char* name : display_targets()) {
        QWidget* w = root->findChild<QWidget*>(QLatin1String(name));
        Target t{qobject_cast<QLineEdit*>(w), qobject_cast<Instrument*>(w)};
        Q_ASSERT_X(t.box || t.instrument, "DisplayBinding", name);
        targets_.emplace(name, t);
    }
}

const DisplayBinding::Target* DisplayBinding::find(const char* name) const {
    const auto it = targets_.find(name);
    return it == targets_.end() ? nullptr : &it->second;
}

void DisplayBinding::apply(const PassDisplay& pass) const {
    for (const DisplayWrite& w : pass.writes) {
        const Target* t = find(w.target);
        if (!t)
            continue;
        if (w.kind == DisplayWrite::Kind::text && t->box) {
            t->box->setText(qt::to_qstring(w.text));
            t->box->setCursorPosition(0);  // a text longer than its box shows its beginning
        }
        if (w.kind == DisplayWrite::Kind::position && t->instrument) {
            if (w.unset)
                t->instrument->setUnset();
            else
                t->instrument->setPosition(w.position);
        }
    }
    for (const char* name : pass.unreached()) {
        const Target* t = find(name);
        if (t && t->box)
            t->box->clear();
    }
}

}  // namespace gelvor::ui
