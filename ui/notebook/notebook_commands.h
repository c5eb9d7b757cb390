#pragma once

#include <QUndoCommand>
#include <vector>

#include "ui/notebook/notebook_model.h"

// Every change a class makes to the notebook, undoable and redoable.
namespace gelvor::ui::notebook {

// "Anotar lecturas": the point on show, numbered when first recorded.
class RecordCommand : public QUndoCommand {
  public:
    RecordCommand(NotebookModel& model, RecordedPoint point);
    void redo() override;
    void undo() override;
    int number() const { return point_.number; }

  private:
    NotebookModel& model_;
    RecordedPoint point_;
    int next_number_before_;
};

// "Quitar filas": the rows given, in any order.
class RemoveRowsCommand : public QUndoCommand {
  public:
    RemoveRowsCommand(NotebookModel& model, std::vector<int> rows);
    void redo() override;
    void undo() override;

  private:
    NotebookModel& model_;
    std::vector<int> rows_;  // ascending
    std::vector<std::pair<int, RecordedPoint>> removed_;
};

// "Borrar registro": every point, and the numbers start again at 1.
class ClearCommand : public QUndoCommand {
  public:
    explicit ClearCommand(NotebookModel& model);
    void redo() override;
    void undo() override;

  private:
    NotebookModel& model_;
    std::vector<std::pair<int, RecordedPoint>> removed_;
    int next_number_before_;
};

// A point's note; typing on in the same note makes one edit.
class NoteCommand : public QUndoCommand {
  public:
    NoteCommand(NotebookModel& model, int row, QString note);
    void redo() override;
    void undo() override;
    int id() const override { return 1; }
    bool mergeWith(const QUndoCommand* other) override;

  private:
    NotebookModel& model_;
    int row_;
    QString before_, after_;
};

// The students, the group and the date; edits of one field merge.
class HeaderCommand : public QUndoCommand {
  public:
    HeaderCommand(NotebookModel& model, NotebookHeader header);
    void redo() override;
    void undo() override;
    int id() const override { return 2; }
    bool mergeWith(const QUndoCommand* other) override;

  private:
    NotebookModel& model_;
    NotebookHeader before_, after_;
};

}  // namespace gelvor::ui::notebook
