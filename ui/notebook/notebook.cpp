#include "ui/notebook/notebook.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

#include "layout/form1_layout.h"
#include "model/settings_ranges.h"
#include "notebook/marked_point.h"
#include "notebook/notebook_messages.h"
#include "present/notebook_columns.h"
#include "texts/classroom_texts.h"
#include "texts/dialog_texts.h"
#include "ui/classroom/prepare_dialog.h"
#include "ui/classroom/review_window.h"
#include "ui/commands_qt.h"
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

// The table's commands offered at `place`, up to the first that `stop` names.
void add_commands(QMenu* menu, QAction* before, texts::Place place, const char* stop = nullptr) {
    for (const texts::Command& c : texts::commands()) {
        if (stop && std::string_view(c.name) == stop)
            return;
        if (c.place == place)
            menu->insertAction(before, make_action(c, menu));
    }
}

}  // namespace

QMenu* add_menu(QMenuBar* bar) {
    QMenu* menu = bar->addMenu(qt::to_qstring(layout::kRegistro.caption));
    menu->setObjectName(QLatin1String(layout::kRegistro.name));
    menu->setAccessibleName(qt::to_qstring(kNotebookTitle));
    // Undo and redo are the undo stack's own actions, added by the notebook.
    add_commands(menu, nullptr, texts::Place::notebook_menu, "deshacer");
    return menu;
}

void add_file_actions(QMenu* archivo, QAction* before) {
    add_commands(archivo, before, texts::Place::file_menu);
    archivo->insertSeparator(before);
    add_commands(archivo, before, texts::Place::class_menu);
    archivo->insertSeparator(before);
}

Notebook::Notebook(Form1& form, QMenu* menu, QMenu* archivo)
    : form_(form),
      history_(
          [](const std::string& locale) {
              return qt::number_style(QLocale(qt::to_qstring(locale)));
          },
          qt::to_utf8(QDate::currentDate().toString(Qt::ISODate))),  // today by default
      model_(history_),
      files_(model_, stack_),
      recovery_(model_, stack_, files_) {
    follow_clean_state(stack_, history_);
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
    on(archivo, "prepararPractica", [this] { classroom::PrepareDialog(dialogParent()).exec(); });
    on(archivo, "revisarEntregas", &Notebook::askAndReview);

    menu->addSeparator();
    const texts::Command& undo_command = *texts::command("deshacer");
    const texts::Command& redo_command = *texts::command("rehacer");
    QAction* undo = stack_.createUndoAction(menu, qt::to_qstring(undo_command.caption));
    undo->setObjectName(QLatin1String(undo_command.name));
    undo->setShortcuts(command_keys(undo_command));
    QAction* redo = stack_.createRedoAction(menu, qt::to_qstring(redo_command.caption));
    redo->setObjectName(QLatin1String(redo_command.name));
    redo->setShortcuts(command_keys(redo_command));
    menu->addAction(undo);
    menu->addAction(redo);

    connect(&model_, &NotebookModel::noteEditRequested, this, [this](int row, const QString& note) {
        push_change(stack_, history_, history_.set_note(row, qt::to_utf8(note)));
    });
    connect(&model_, &NotebookModel::handResultEditRequested, this,
            [this](int row, int which, const QString& text) {
                push_change(stack_, history_,
                            history_.set_hand_result(row, static_cast<std::size_t>(which),
                                                     qt::to_utf8(text)));
            });
    connect(&files_, &NotebookFiles::stateChanged, this, &Notebook::showFileState);
    connect(&form_, &Form1::passShown, this, &Notebook::showLiveState);
    connect(&form_.zoom(), &Zoom::zoomed, this, [this](double factor) {
        if (window_)
            window_->setZoom(factor);
    });
}

Notebook::~Notebook() = default;

void Notebook::say(std::string message, session::Tone tone) {
    form_.act([&](session::BenchSession& s) { s.say(std::move(message), tone); });
}

// Dialogs open over the window the user is working in.
QWidget* Notebook::dialogParent() const {
    QWidget* active = QApplication::activeWindow();
    return active && (active == window_.get() || active == &form_) ? active : &form_;
}

void Notebook::askConditions() {
    ConditionsDialog dialog(form_.session().conditions_to_apply(), history_.assignment(),
                            dialogParent());
    if (dialog.exec() == QDialog::Accepted) {
        const Conditions chosen = dialog.conditions();
        form_.act([&](session::BenchSession& s) { s.set_conditions(chosen); });
    }
}

// The diagram draws the cycle on show while the machine runs.
void Notebook::showLiveState() {
    if (!window_ || !window_->isVisible()) {
        return;
    }
    const session::ShownPass* pass = form_.session().pass_on_show();
    if (!pass || !recordable(pass->display)) {
        window_->setLiveState(std::nullopt);
        return;
    }
    const bool flagged = std::ranges::any_of(
        pass->display.validity_notes,
        [](const ValidityNote& n) { return n.issue == ValidityIssue::discharge_in_dome; });
    window_->setLiveState(pass->result.state, flagged);
}

// The pass on show, as its displays show it, becomes the next point.
void Notebook::record() {
    const session::ShownPass* pass = form_.session().pass_on_show();
    if (!pass) {
        say(kRecordNeedsMachine, session::Tone::warning);
        return;
    }
    if (!recordable(pass->display)) {
        say(record_refused(pass->display.fault_message), session::Tone::fault);
        return;
    }
    const QLocale locale;
    push_change(stack_, history_,
                history_.record(
                    point_on_show(*pass, qt::to_utf8(locale.name()), qt::number_style(locale))));
    say(point_recorded(history_.points().back().number));
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
    window_->setWindowTitle(files_.displayName() + QStringLiteral("[*] — ") +
                            qt::to_qstring(kNotebookTitle));
    window_->setWindowModified(!stack_.isClean());
}

// The teacher's review of the submissions chosen; a row opens its notebook.
void Notebook::askAndReview() {
    const QStringList paths =
        QFileDialog::getOpenFileNames(dialogParent(), qt::to_qstring(texts::kReviewTitle),
                                      QDir::homePath(), qt::to_qstring(texts::kSubmissionsFilter));
    if (paths.isEmpty())
        return;
    review_ = std::make_unique<classroom::ReviewWindow>(
        [this](const QString& path) {
            if (files_.open(dialogParent(), path))
                showWindow();
        },
        &form_);
    review_->review(paths);
    review_->show();
}

void Notebook::askAndClear() {
    if (model_.count() == 0) {
        say(kNotebookAlreadyEmpty);
        return;
    }
    QMessageBox box(QMessageBox::Question, qt::to_qstring(kClearTitle),
                    qt::to_qstring(clear_question(model_.count())),
                    QMessageBox::Ok | QMessageBox::Cancel, dialogParent());
    box.setObjectName(QStringLiteral("confirmarBorrado"));
    box.button(QMessageBox::Ok)->setText(qt::to_qstring(kClearButton));
    box.button(QMessageBox::Cancel)->setText(qt::to_qstring(texts::kCancelCaption));
    box.setDefaultButton(QMessageBox::Cancel);
    if (box.exec() == QMessageBox::Ok) {
        push_change(stack_, history_, history_.clear());
        say(kNotebookEmptied);
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
