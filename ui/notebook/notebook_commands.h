#pragma once

#include <QUndoStack>
#include <optional>

#include "notebook/notebook_history.h"

// The desktop's undo stack follows the notebook's history: each change made
// in the history is pushed as a step whose undo and redo are the history's,
// so that Qt gives the Undo and Redo actions and the clean state.
namespace gelvor::ui::notebook {

// Pushes a change the history has just made (nothing when there was none);
// a change that merged into the one before merges on the stack too.
void push_change(QUndoStack& stack, NotebookHistory& history,
                 const std::optional<NotebookHistory::Change>& change);

// Keeps the history's saved mark where the stack's clean state is.
void follow_clean_state(QUndoStack& stack, NotebookHistory& history);

}  // namespace gelvor::ui::notebook
