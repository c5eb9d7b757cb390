#pragma once

#include <QObject>
#include <QUndoStack>
#include <memory>

#include "present/pass.h"
#include "ui/form1.h"
#include "ui/help.h"
#include "ui/notebook/conditions_dialog.h"
#include "ui/notebook/notebook_files.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/recovery.h"

class QMenu;
class QMenuBar;

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
// through the controls' own handlers, records the points the window shows,
// keeps them as a document with its file, undo history and recovery file,
// and keeps the notebook window. It only reads the bench window and moves
// its controls as the operator would.
class Notebook : public QObject {
    Q_OBJECT

  public:
    Notebook(Form1& form, QMenu* menu, QMenu* archivo);
    ~Notebook() override;

    // Moves each control that differs, through its own change handler, in
    // the order condenser flow, evaporator flow, barometer, water, ambient.
    void applyConditions(const Conditions& conditions);
    Conditions presentConditions() const;
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

    NotebookModel& model() { return model_; }
    QUndoStack& undoStack() { return stack_; }
    NotebookFiles& files() { return files_; }
    Recovery& recovery() { return recovery_; }
    NotebookWindow* window() const { return window_.get(); }
    // The keys of the notebook's window and dialogs, for the shortcuts dialog.
    QList<KeyGroup> keyGroups() const;

  private:
    void askConditions();
    void askAndClear();
    void onPassShown();
    void showLiveState();
    void showFileState();
    void say(const QString& message, Form1::Tone tone = Form1::Tone::note);
    QWidget* dialogParent() const;

    Form1& form_;
    NotebookModel model_;  // the document's points and header
    QUndoStack stack_;     // every change to the model; clean when saved
    NotebookFiles files_;  // where the model is kept
    Recovery recovery_;    // where it is kept safe meanwhile
    std::unique_ptr<NotebookWindow> window_;
    PanelSettings pass_settings_;  // what the last pass read
};

}  // namespace gelvor::ui::notebook
