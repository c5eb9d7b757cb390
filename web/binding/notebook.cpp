// The lab notebook in the page: the same history, points, marks, CSV and
// file as the desktop's, kept here for the page's one session. The page
// records the pass on show, undoes and redoes, shows the table, and saves
// and opens the file's bytes.
#include <emscripten/bind.h>

#include <string>
#include <vector>

#include "notebook/marked_point.h"
#include "notebook/notebook_file.h"
#include "notebook/notebook_history.h"
#include "notebook/notebook_messages.h"
#include "notebook/notebook_points.h"
#include "present/notebook_columns.h"
#include "texts/commands.h"
#include "texts/file_texts.h"
#include "version/version.h"
#include "web/binding/bench.h"
#include "web/binding/notebook.h"

namespace gelvor::web {
namespace {

NotebookHistory& history() {
    return notebook_history();
}

// The status line's word, and the bench's view that shows it.
val said(std::string message, session::Tone tone) {
    bench().say(std::move(message), tone);
    return bench_changes();
}

// Ctrl+L: the pass on show, exactly as shown, becomes the notebook's next
// point; the status line says so, or why not.
val record_point() {
    const session::ShownPass* pass = bench().pass_on_show();
    if (!pass)
        return said(kRecordNeedsMachine, session::Tone::warning);
    if (!recordable(pass->display))
        return said(record_refused(pass->display.fault_message), session::Tone::fault);
    history().record(point_on_show(*pass, page_locale(), style_of(page_locale())));
    return said(point_recorded(history().points().back().number), session::Tone::note);
}

// {headers, rows: [{cells, differing, marks}], canUndo, canRedo, undo,
// redo, unsaved}: each point's number, readings and note; `differing` the
// readings a pass of its settings no longer gives, `marks` why it is marked.
val notebook_table() {
    val headers = val::array();
    push(headers, text(kPointNumberHeader));
    for (const std::string& h : notebook_headers()) push(headers, text(h));
    push(headers, text(kNoteHeader));
    val rows = val::array();
    for (const MarkedPoint& p : history().points()) {
        val cells = val::array();
        push(cells, val(std::to_string(p.number)));
        for (const std::string& c : p.cells) push(cells, text(c));
        push(cells, text(p.note));
        val differing = val::array();
        for (int c : p.differing) push(differing, val(c + 1));  // after the number
        val row = val::object();
        row.set("cells", cells);
        row.set("differing", differing);
        row.set("marks", text(marks_explained(p)));
        push(rows, row);
    }
    const auto undo_caption = [](const char* command, const std::string& change) {
        std::string caption = command;
        std::erase(caption, '&');
        return change.empty() ? caption : caption + " " + change;
    };
    val out = val::object();
    out.set("headers", headers);
    out.set("rows", rows);
    out.set("canUndo", history().can_undo());
    out.set("canRedo", history().can_redo());
    out.set("undo", text(undo_caption(texts::command("deshacer")->caption, history().undo_name())));
    out.set("redo", text(undo_caption(texts::command("rehacer")->caption, history().redo_name())));
    out.set("unsaved", history().unsaved());
    return out;
}

void undo() {
    history().undo();
}

void redo() {
    history().redo();
}

// A file's bytes as a Uint8Array of its own: a string would lose the CSV's
// byte order mark to the browser's UTF-8 decoder.
val bytes_of(const std::string& file) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(file.size(),
                                            reinterpret_cast<const unsigned char*>(file.data())));
}

// The CSV as the desktop exports it, separated as the page's locale wants.
val notebook_csv_bytes() {
    std::vector<std::vector<std::string>> cells;
    for (const MarkedPoint& p : history().points()) cells.push_back(p.cells);
    return bytes_of(notebook_csv(history().document(), cells, style_of(page_locale()), true));
}

// The .gelvor file's bytes; the notebook counts as saved from here on.
val save_notebook() {
    history().mark_saved();
    return bytes_of(
        notebook_to_json(history().document(), "Gelvor " + std::string(version::kText)));
}

// A file's bytes (a Uint8Array) and its name: {opened, view}; when it is no
// notebook, the status line says why and the notebook on show stays as it was.
val open_notebook(const std::string& bytes, const std::string& file_name) {
    const NotebookRead read = notebook_from_json(bytes);
    if (read.document)
        history().open(*read.document);
    val out = val::object();
    out.set("opened", read.document.has_value());
    out.set("view", read.document
                        ? said("", session::Tone::note)
                        : said(open_refused(file_name, read.error), session::Tone::fault));
    return out;
}

bool notebook_unsaved() {
    return history().unsaved();
}

val notebook_texts() {
    val out = val::object();
    out.set("discardToOpen", text(kDiscardToOpen));
    out.set("extension", text(kNotebookExtension));
    std::string notebook_name = texts::kProposedNotebookName;
    notebook_name.replace(notebook_name.find("%1"), 2, kNotebookExtension);
    out.set("notebookName", text(notebook_name));
    out.set("csvName", text(texts::kProposedCsvName));
    out.set("mimeType", text(version::kNotebookMimeType));
    out.set("maxBytes", static_cast<double>(kNotebookMaxBytes));
    return out;
}

}  // namespace

// The page's notebook. Its date starts empty: the page fills it in.
NotebookHistory& notebook_history() {
    static NotebookHistory h([](const std::string& locale) { return style_of(locale); }, "");
    return h;
}

}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_notebook) {
    emscripten::function("recordPoint", &gelvor::web::record_point);
    emscripten::function("notebookTable", &gelvor::web::notebook_table);
    emscripten::function("undoNotebook", &gelvor::web::undo);
    emscripten::function("redoNotebook", &gelvor::web::redo);
    emscripten::function("notebookCsv", &gelvor::web::notebook_csv_bytes);
    emscripten::function("saveNotebook", &gelvor::web::save_notebook);
    emscripten::function("openNotebook", &gelvor::web::open_notebook);
    emscripten::function("notebookUnsaved", &gelvor::web::notebook_unsaved);
    emscripten::function("notebookTexts", &gelvor::web::notebook_texts);
}
