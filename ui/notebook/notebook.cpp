#include "ui/notebook/notebook.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "model/settings_ranges.h"
#include "notebook/notebook_messages.h"
#include "present/notebook_columns.h"
#include "ui/form1.h"
#include "ui/form1_controls.h"
#include "ui/notebook/notebook_commands.h"
#include "ui/notebook/notebook_window.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "ui/widgets/spin_control.h"
#include "ui/zoom.h"

namespace gelvor::ui::notebook {
namespace {

struct ActionSpec {
    const char* name;
    const char* text;
    QKeySequence key;
};

void add_actions(QMenu* menu, QAction* before, std::initializer_list<ActionSpec> actions_to_add) {
    for (const ActionSpec& a : actions_to_add) {
        auto* action = new QAction(QString::fromUtf8(a.text), menu);
        action->setObjectName(QLatin1String(a.name));
        action->setShortcut(a.key);
        menu->insertAction(before, action);
    }
}

}  // namespace

QMenu* add_menu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(QStringLiteral("&Registro"));
    menu->setObjectName(QStringLiteral("Registro"));
    menu->setAccessibleName(QStringLiteral("Registro de lecturas"));
    add_actions(menu, nullptr,
                {
                    {"fijarCondiciones", "&Fijar condiciones…", QKeySequence(Qt::Key_F2)},
                    {"anotarLecturas", kRecordCaption, QKeySequence(Qt::CTRL | Qt::Key_L)},
                    {"verRegistro", "&Ver registro", QKeySequence(Qt::CTRL | Qt::Key_R)},
                    {"borrarRegistro", "&Borrar registro", QKeySequence()},
                });
    return menu;
}

void add_file_actions(QMenu* archivo, QAction* before) {
    add_actions(archivo, before,
                {
                    {"abrirRegistro", kOpenCaption, QKeySequence(Qt::CTRL | Qt::Key_O)},
                    {"guardarRegistro", kSaveCaption, QKeySequence(Qt::CTRL | Qt::Key_S)},
                    {"guardarRegistroComo", "Guardar registro &como…",
                     QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
                });
    archivo->insertSeparator(before);
}

Notebook::Notebook(Form1& form, QMenu* menu, QMenu* archivo)
    : form_(form), files_(model_, stack_), recovery_(model_, stack_, files_) {
    const auto on = [&](QMenu* in, const char* name, auto slot) {
        QAction* a = in->findChild<QAction*>(QLatin1String(name));
        connect(a, &QAction::triggered, this, slot);
    };
    on(menu, "fijarCondiciones", &Notebook::askConditions);
    on(menu, "anotarLecturas", &Notebook::record);
    on(menu, "verRegistro", &Notebook::showWindow);
    on(menu, "borrarRegistro", &Notebook::askAndClear);
    on(archivo, "abrirRegistro", [this] { files_.askAndOpen(dialogParent()); });
    on(archivo, "guardarRegistro", [this] { files_.save(dialogParent()); });
    on(archivo, "guardarRegistroComo", [this] { files_.saveAs(dialogParent()); });

    menu->addSeparator();
    QAction* undo = stack_.createUndoAction(menu, QStringLiteral("&Deshacer"));
    undo->setObjectName(QStringLiteral("deshacer"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = stack_.createRedoAction(menu, QStringLiteral("&Rehacer"));
    redo->setObjectName(QStringLiteral("rehacer"));
    redo->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    menu->addAction(undo);
    menu->addAction(redo);

    connect(&model_, &NotebookModel::noteEditRequested, this, [this](int row, const QString& note) {
        stack_.push(new NoteCommand(model_, row, note));
    });
    connect(&files_, &NotebookFiles::stateChanged, this, &Notebook::showFileState);
    connect(&form_, &Form1::passShown, this, &Notebook::onPassShown);
    connect(&form_.zoom(), &Zoom::zoomed, this, [this](double factor) {
        if (window_)
            window_->setZoom(factor);
    });
}

Notebook::~Notebook() = default;

QList<KeyGroup> Notebook::keyGroups() const {
    return {NotebookWindow::keys(),
            {QStringLiteral("Fijar condiciones"),
             {},
             {{key_names({Qt::ALT | Qt::Key_1, Qt::ALT | Qt::Key_2, Qt::ALT | Qt::Key_3}),
               QStringLiteral("Poner los caudales de un punto del ejercicio y aceptar")}}}};
}

void Notebook::say(const QString& message, Form1::Tone tone) {
    form_.showStatusMessage(message, tone);
}

// Dialogs open over the window the user is working in.
QWidget* Notebook::dialogParent() const {
    QWidget* active = QApplication::activeWindow();
    return active && (active == window_.get() || active == &form_) ? active : &form_;
}

// The values the boxes would apply, typed or not.
Conditions Notebook::presentConditions() const {
    Form1Controls& c = form_.controls();
    return {flow_from_bar(c.condenser_bar->value()), flow_from_bar(c.evaporator_bar->value()),
            form_.settingToApply(Quantity::barometric_pressure),
            form_.settingToApply(Quantity::water_inlet_temperature),
            form_.settingToApply(Quantity::ambient_temperature)};
}

void Notebook::applyConditions(const Conditions& v) {
    Form1Controls& c = form_.controls();
    // Each assignment that changes a value runs that control's handler at once.
    c.condenser_bar->setValue(bar_from_flow(v.condenser_flow));
    c.evaporator_bar->setValue(bar_from_flow(v.evaporator_flow));
    form_.setSetting(Quantity::barometric_pressure, v.barometer);
    form_.setSetting(Quantity::water_inlet_temperature, v.water);
    form_.setSetting(Quantity::ambient_temperature, v.ambient);
}

void Notebook::askConditions() {
    ConditionsDialog dialog(presentConditions(), dialogParent());
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
    if (!pass || !recordable(*pass)) {
        window_->setLiveState(std::nullopt);
        return;
    }
    const bool flagged = std::ranges::any_of(pass->validity_notes, [](const ValidityNote& n) {
        return n.issue == ValidityIssue::discharge_in_dome;
    });
    window_->setLiveState(
        recompute(read_settings(pass_settings_, qt::number_style(QLocale()))).state, flagged);
}

void Notebook::record() {
    const auto& pass = form_.lastPass();
    if (!form_.machineOn() || !pass) {
        say(qt::to_qstring(kRecordNeedsMachine), Form1::Tone::warning);
        return;
    }
    if (!recordable(*pass)) {
        say(qt::to_qstring(record_refused(pass->fault_message)), Form1::Tone::fault);
        return;
    }
    // The settings the pass read, not what has been typed since.
    auto* command =
        new RecordCommand(model_, NotebookModel::pointOf(pass_settings_, *pass, QLocale()));
    stack_.push(command);
    say(qt::to_qstring(point_recorded(command->number())));
}

void Notebook::showWindow() {
    if (!window_) {
        window_ = std::make_unique<NotebookWindow>(model_, stack_, &form_);
        // The bench's commands work from the notebook too, with their keys.
        for (QAction* menu : form_.menuBar()->actions()) {
            if (menu->menu())
                window_->addActions(menu->menu()->actions());
        }
        if (form_.zoom().factor() != 1)
            window_->setZoom(form_.zoom().factor());
        showFileState();
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

// The notebook window's title: the file's name, marked while it has unsaved changes.
void Notebook::showFileState() {
    if (!window_)
        return;
    window_->setWindowTitle(
        QStringLiteral("%1[*] — Registro de lecturas").arg(files_.displayName()));
    window_->setWindowModified(!stack_.isClean());
}

void Notebook::askAndClear() {
    if (model_.count() == 0) {
        say(QStringLiteral("El registro ya está vacío"));
        return;
    }
    QMessageBox box(QMessageBox::Question, QStringLiteral("Borrar registro"),
                    QStringLiteral("¿Borrar las %1 lecturas anotadas? Se puede deshacer con "
                                   "Deshacer (Ctrl+Z).")
                        .arg(model_.count()),
                    QMessageBox::Ok | QMessageBox::Cancel, dialogParent());
    box.setObjectName(QStringLiteral("confirmarBorrado"));
    box.button(QMessageBox::Ok)->setText(QStringLiteral("Borrar"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Cancelar"));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Ok) {
        stack_.push(new ClearCommand(model_));
        say(QStringLiteral("Registro borrado"));
    }
}

bool Notebook::maybeSave(const QString& what) {
    return files_.maybeSave(dialogParent(), what);
}

void Notebook::start(const QString& path) {
    recovery_.offer(&form_);
    if (!path.isEmpty() && files_.open(&form_, path))
        showWindow();
}

void Notebook::finish() {
    recovery_.forget();
}

}  // namespace gelvor::ui::notebook
