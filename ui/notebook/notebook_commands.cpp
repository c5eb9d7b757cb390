#include "ui/notebook/notebook_commands.h"

#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

// One change of the history on the stack. Pushing it redoes nothing: the
// history has already made the change.
class HistoryStep : public QUndoCommand {
  public:
    HistoryStep(NotebookHistory& history, const NotebookHistory::Change& change)
        : history_(history), kind_(change.kind), merged_(change.merged) {
        setText(qt::to_qstring(change.name));
    }
    void redo() override {
        if (!pushed_) {
            pushed_ = true;
            return;
        }
        history_.redo();
    }
    void undo() override { history_.undo(); }
    int id() const override { return kind_ == 0 ? -1 : kind_; }
    bool mergeWith(const QUndoCommand* other) override {
        return static_cast<const HistoryStep*>(other)->merged_;
    }

  private:
    NotebookHistory& history_;
    int kind_;
    bool merged_;
    bool pushed_ = false;
};

}  // namespace

void push_change(QUndoStack& stack, NotebookHistory& history,
                 const std::optional<NotebookHistory::Change>& change) {
    if (change)
        stack.push(new HistoryStep(history, *change));
}

void follow_clean_state(QUndoStack& stack, NotebookHistory& history) {
    QObject::connect(&stack, &QUndoStack::cleanChanged, &stack, [&stack, &history](bool clean) {
        if (clean)
            history.mark_saved();
        else if (stack.cleanIndex() < 0)
            history.mark_unsaved();
    });
}

}  // namespace gelvor::ui::notebook
