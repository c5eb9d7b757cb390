// What the class changes in the page's notebook, each an undoable change of
// the same history as the desktop's: a note or a hand result, who recorded it and when, rows
// taken out, the notebook emptied; and the chosen cells as the text that
// copying gives.
#include <emscripten/bind.h>

#include <set>
#include <string>
#include <vector>

#include "notebook/notebook_messages.h"
#include "notebook/notebook_table.h"
#include "texts/dialog_texts.h"
#include "web/binding/notebook.h"

namespace gelvor::web {
namespace {

NotebookHistory& history() {
    return notebook_history();
}

std::vector<int> ints(const val& array) {
    return array.isArray() ? emscripten::vecFromJSArray<int>(array) : std::vector<int>{};
}

// Typing on in the same note, or the same field, is one change.
void set_note(int row, const std::string& note) {
    history().set_note(row, note);
}

// A cell typed in place: the note, or one of the group's own results.
void set_cell(int row, int column, const std::string& text) {
    if (column == note_table_column())
        history().set_note(row, text);
    else if (const int which = hand_result_of(column); which >= 0)
        history().set_hand_result(row, static_cast<std::size_t>(which), text);
}

void set_header(const std::string& students, const std::string& group, const std::string& date) {
    history().set_header({students, group, date});
}

// Supr: the rows of the chosen cells, whatever their order.
void remove_rows(const val& rows) {
    history().remove_rows(ints(rows));
}

// "Borrar registro" asks first, as the desktop does: {title, text, accept,
// cancel}; with nothing to empty, {view} where the status line says so.
val ask_clear() {
    val out = val::object();
    if (history().count() == 0) {
        out.set("view", said(kNotebookAlreadyEmpty, session::Tone::note));
        return out;
    }
    out.set("title", text(kClearTitle));
    out.set("text", text(clear_question(history().count())));
    out.set("accept", text(kClearButton));
    out.set("cancel", text(texts::kCancelCaption));
    return out;
}

val clear_notebook() {
    history().clear();
    return said(kNotebookEmptied, session::Tone::note);
}

// The chosen rows and columns, any order, as tab-separated text under their
// headers; none chosen: the whole table.
std::string copied_text(const val& rows, const val& columns) {
    const std::vector<int> r = ints(rows), c = ints(columns);
    std::set<int> row_set(r.begin(), r.end()), column_set(c.begin(), c.end());
    if (row_set.empty() || column_set.empty()) {
        row_set.clear();
        column_set.clear();
        for (int i = 0; i < history().count(); ++i) row_set.insert(i);
        for (int i = 0; i < table_column_count(); ++i) column_set.insert(i);
    }
    return tab_separated(history().points(), {row_set.begin(), row_set.end()},
                         {column_set.begin(), column_set.end()});
}

}  // namespace
}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_notebook_edits) {
    emscripten::function("setNote", &gelvor::web::set_note);
    emscripten::function("setCell", &gelvor::web::set_cell);
    emscripten::function("setHeader", &gelvor::web::set_header);
    emscripten::function("removeRows", &gelvor::web::remove_rows);
    emscripten::function("askClear", &gelvor::web::ask_clear);
    emscripten::function("clearNotebook", &gelvor::web::clear_notebook);
    emscripten::function("copiedText", &gelvor::web::copied_text);
}
