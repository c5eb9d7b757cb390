#include "ui/notebook/notebook_commands.h"

#include <algorithm>
#include <numeric>

namespace gelvor::ui::notebook {

RecordCommand::RecordCommand(NotebookModel& model, RecordedPoint point)
    : model_(model), point_(std::move(point)), next_number_before_(model.nextNumber()) {
    setText(QStringLiteral("anotar lecturas"));
}

void RecordCommand::redo() {
    model_.setNextNumber(next_number_before_);
    point_.number = model_.append(point_);
}

void RecordCommand::undo() {
    model_.takeRows({model_.count() - 1});
    model_.setNextNumber(next_number_before_);
}

RemoveRowsCommand::RemoveRowsCommand(NotebookModel& model, std::vector<int> rows)
    : model_(model), rows_(std::move(rows)) {
    std::sort(rows_.begin(), rows_.end());
    rows_.erase(std::unique(rows_.begin(), rows_.end()), rows_.end());
    setText(rows_.size() == 1 ? QStringLiteral("quitar una fila")
                              : QStringLiteral("quitar %1 filas").arg(rows_.size()));
}

void RemoveRowsCommand::redo() {
    removed_ = model_.takeRows(rows_);
}

void RemoveRowsCommand::undo() {
    model_.insertPoints(removed_);
    removed_.clear();
}

ClearCommand::ClearCommand(NotebookModel& model)
    : model_(model), next_number_before_(model.nextNumber()) {
    setText(QStringLiteral("borrar el registro"));
}

void ClearCommand::redo() {
    std::vector<int> all(static_cast<std::size_t>(model_.count()));
    std::iota(all.begin(), all.end(), 0);
    removed_ = model_.takeRows(all);
    model_.setNextNumber(1);
}

void ClearCommand::undo() {
    model_.insertPoints(removed_);
    removed_.clear();
    model_.setNextNumber(next_number_before_);
}

NoteCommand::NoteCommand(NotebookModel& model, int row, QString note)
    : model_(model), row_(row), before_(model.point(row).note), after_(std::move(note)) {
    setText(QStringLiteral("cambiar la nota del punto %1").arg(model.point(row).number));
}

void NoteCommand::redo() {
    model_.setNote(row_, after_);
}

void NoteCommand::undo() {
    model_.setNote(row_, before_);
}

bool NoteCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const NoteCommand*>(other);
    if (next->row_ != row_)
        return false;
    after_ = next->after_;
    return true;
}

HeaderCommand::HeaderCommand(NotebookModel& model, NotebookHeader header)
    : model_(model), before_(model.header()), after_(std::move(header)) {
    setText(QStringLiteral("cambiar los datos del registro"));
}

void HeaderCommand::redo() {
    model_.setHeader(after_);
}

void HeaderCommand::undo() {
    model_.setHeader(before_);
}

bool HeaderCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const HeaderCommand*>(other);
    // One field typed on: the same fields changed as by this edit.
    const auto changed = [](const NotebookHeader& a, const NotebookHeader& b) {
        return std::array{a.students != b.students, a.group != b.group, a.date != b.date};
    };
    if (changed(before_, after_) != changed(after_, next->after_))
        return false;
    after_ = next->after_;
    return true;
}

}  // namespace gelvor::ui::notebook
