#pragma once

#include <QObject>
#include <QUndoStack>
#include <memory>

#include "notebook/notebook_history.h"
#include "ui/form1.h"
#include "ui/help.h"
#include "ui/notebook/conditions_dialog.h"
#include "ui/notebook/notebook_files.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/recovery.h"

class QMenu;
class QMenuBar;

namespace gelvor::ui::classroom {
class ReviewWindow;
}

namespace gelvor::ui::notebook {

class NotebookWindow;

// The menu "&Registro" with its actions: fijarCondiciones (F2),
// anotarLecturas (Ctrl+L), verRegistro (Ctrl+R) and borrarRegistro; the
// notebook adds deshacer (Ctrl+Z) and rehacer (Ctrl+Shift+Z, Ctrl+Y).
QMenu* add_menu(QMenuBar* bar);
// Under "&Archivo", before `before`: abrirRegistro (Ctrl+O),
// guardarRegistro (Ctrl+S) and guardarRegistroComo (Ctrl+Shift+S).
void add_file_actions(QMenu* archivo, QAction* before);

// The lab notebook of the bench window: sets the operating conditions
// through the bench session, records the pass the session has on show,
// keeps the points in the notebook's history with its file, undo stack and
// recovery file, and keeps the notebook window.
class Notebook : public QObject {
    Q_OBJECT

  public:
    Notebook(Form1& form, QMenu* menu, QMenu* archivo);
    ~Notebook() override;

    // Appends the point on show, or says on the status line why not.
    void record();
    void showWindow();
    // Asks to save unsaved readings before they would be lost by `what`
    // ("salir"); true when the caller may go on.
    bool maybeSave(const QString& what);
    // At start: offers notebooks a crash left unsaved, then opens `path` if any.
    void start(const QString& path);
    // The program ends: the recovery file goes.
    void finish();

    NotebookHistory& history() { return history_; }
    NotebookModel& model() { return model_; }
    QUndoStack& undoStack() { return stack_; }
    NotebookFiles& files() { return files_; }
    Recovery& recovery() { return recovery_; }
    NotebookWindow* window() const { return window_.get(); }

  private:
    void askConditions();
    void askAndClear();
    void askAndReview();
    void showLiveState();
    void showFileState();
    void say(std::string message, session::Tone tone = session::Tone::note);
    QWidget* dialogParent() const;

    Form1& form_;
    NotebookHistory history_;  // the points, the header and every change to them
    NotebookModel model_;      // the history as a table
    QUndoStack stack_;         // the history's changes, for Qt's actions; clean when saved
    NotebookFiles files_;      // where the notebook is kept
    Recovery recovery_;        // where it is kept safe meanwhile
    std::unique_ptr<NotebookWindow> window_;
    std::unique_ptr<classroom::ReviewWindow> review_;
};

}  // namespace gelvor::ui::notebook
