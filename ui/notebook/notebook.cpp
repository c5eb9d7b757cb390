#include "ui/notebook/notebook.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "model/settings_ranges.h"
#include "present/notebook_columns.h"
#include "ui/form1.h"
#include "ui/form1_controls.h"
#include "ui/notebook/notebook_window.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "ui/widgets/spin_control.h"

namespace gelvor::ui::notebook {

QMenu* add_menu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QStringLiteral("&Registro"));
    menu->setObjectName(QStringLiteral("Registro"));
    menu->setAccessibleName(QStringLiteral("Registro de lecturas"));
    const struct {
        const char* name;
        const char* text;
        QKeySequence key;
    } kActions[] = {
        {"fijarCondiciones", "&Fijar condiciones…", QKeySequence(Qt::Key_F2)},
        {"anotarLecturas", "&Anotar lecturas", QKeySequence(Qt::CTRL | Qt::Key_L)},
        {"verRegistro", "&Ver registro", QKeySequence(Qt::CTRL | Qt::Key_R)},
        {"borrarRegistro", "&Borrar registro", QKeySequence()},
    };
    for (const auto& a : kActions) {
        QAction* action = menu->addAction(QString::fromUtf8(a.text));
        action->setObjectName(QLatin1String(a.name));
        action->setShortcut(a.key);
    }
    return menu;
}

Notebook::Notebook(Form1& form, QMenu* menu) : form_(form) {
    const auto on = [&](const char* name, void (Notebook::*slot)()) {
        QAction* a = menu->findChild<QAction*>(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
    };
    on("fijarCondiciones", &Notebook::askConditions);
    on("anotarLecturas", &Notebook::record);
    on("verRegistro", &Notebook::showWindow);
    on("borrarRegistro", &Notebook::askAndClear);
    connect(&form_, &Form1::passShown, this, &Notebook::onPassShown);
}

Notebook::~Notebook() = default;

void Notebook::say(const QString& message, Form1::Tone tone) {
    form_.showStatusMessage(message, tone);
}

Conditions Notebook::presentConditions() const {
    Form1Controls& c = form_.controls();
    return {flow_from_bar(c.condenser_bar->value()), flow_from_bar(c.evaporator_bar->value()),
            c.barometer_spin->position(), c.water_spin->position(), c.ambient_spin->position()};
}

void Notebook::applyConditions(const Conditions& v) {
    Form1Controls& c = form_.controls();
    // Each assignment that changes a value runs that control's handler at once.
    c.condenser_bar->setValue(bar_from_flow(v.condenser_flow));
    c.evaporator_bar->setValue(bar_from_flow(v.evaporator_flow));
    c.barometer_spin->setPosition(v.barometer);
    c.water_spin->setPosition(v.water);
    c.ambient_spin->setPosition(v.ambient);
}

void Notebook::askConditions() {
    ConditionsDialog dialog(presentConditions(), &form_);
    if (dialog.exec() == QDialog::Accepted) {
        applyConditions(dialog.conditions());
    }
}

void Notebook::onPassShown() {
    if (form_.lastPass()) {
        pass_settings_ = form_.panelSettings();
    }
    showLiveState();
}

// The diagram draws the cycle on show while the machine runs.
void Notebook::showLiveState() {
    if (!window_ || !window_->isVisible()) {
        return;
    }
    const auto& pass = form_.lastPass();
    window_->setLiveState(
        pass && recordable(*pass)
            ? std::optional(
                  recompute(read_settings(pass_settings_, qt::number_style(QLocale()))).state)
            : std::nullopt);
}

void Notebook::record() {
    const auto& pass = form_.lastPass();
    if (!form_.machineOn() || !pass) {
        say(QStringLiteral("Encienda la máquina para anotar lecturas"), Form1::Tone::warning);
        return;
    }
    if (!recordable(*pass)) {
        say(QStringLiteral("No se anotan lecturas mientras el cálculo falle: ") +
                qt::to_qstring(pass->fault_message),
            Form1::Tone::fault);
        return;
    }
    // The settings the pass read, not what has been typed since.
    const int number = model_.record(pass_settings_, *pass, QLocale());
    say(QStringLiteral("Lecturas anotadas como punto %1 del registro").arg(number));
}

void Notebook::showWindow() {
    if (!window_) {
        window_ = std::make_unique<NotebookWindow>(model_, &form_);
        // Beside the bench, as far as the screen allows.
        const QRect bench = form_.frameGeometry();
        const QRect screen = form_.screen()->availableGeometry();
        window_->move(
            std::max(screen.left(), std::min(bench.right() + 8, screen.right() - window_->width())),
            bench.top());
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    showLiveState();
}

void Notebook::askAndClear() {
    if (model_.count() == 0) {
        say(QStringLiteral("El registro ya está vacío"));
        return;
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Borrar registro"),
                    QStringLiteral("¿Borrar las %1 lecturas anotadas? No se podrán recuperar.")
                        .arg(model_.count()),
                    QMessageBox::Ok | QMessageBox::Cancel, &form_);
    box.setObjectName(QStringLiteral("confirmarBorrado"));
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Borrar"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancelar"));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Ok) {
        model_.clear();
        say(QStringLiteral("Registro borrado"));
    }
}

}  // namespace gelvor::ui::notebook
