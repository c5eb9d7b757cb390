#pragma once

#include <QObject>
#include <memory>

#include "present/pass.h"
#include "ui/form1.h"
#include "ui/notebook/conditions_dialog.h"
#include "ui/notebook/notebook_model.h"

class QMenu;
class QMenuBar;

namespace gelvor::ui {}

namespace gelvor::ui::notebook {

class NotebookWindow;

// The menu "&Registro" with its actions: fijarCondiciones (F2),
// anotarLecturas (Ctrl+L), verRegistro (Ctrl+R) and borrarRegistro.
QMenu* add_menu(QMenuBar* bar);

// The lab notebook of the bench window: sets the operating conditions
// through the controls' own handlers, records the points the window shows,
// and keeps the notebook window. It only reads the window and moves its
// controls as the operator would.
class Notebook : public QObject {
    Q_OBJECT

  public:
    Notebook(Form1& form, QMenu* menu);
    ~Notebook() override;

    // Moves each control that differs, through its own change handler, in
    // the order condenser flow, evaporator flow, barometer, water, ambient.
    void applyConditions(const Conditions& conditions);
    Conditions presentConditions() const;
    // Appends the point on show, or says on the status line why not.
    void record();
    void showWindow();

    NotebookModel& model() { return model_; }
    NotebookWindow* window() const { return window_.get(); }

  private:
    void askConditions();
    void askAndClear();
    void onPassShown();
    void showLiveState();
    void say(const QString& message, Form1::Tone tone = Form1::Tone::note);

    Form1& form_;
    NotebookModel model_;
    std::unique_ptr<NotebookWindow> window_;
    PanelSettings pass_settings_;  // what the last pass read
};

}  // namespace gelvor::ui::notebook
