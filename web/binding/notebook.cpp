// The lab notebook in the page: the same document, points, CSV and file as
// the desktop's, kept here for the page's one session. The page records the
// pass on show, shows the table, and saves and opens the file's bytes.
#include <emscripten/bind.h>

#include <string>
#include <vector>

#include "notebook/notebook_file.h"
#include "notebook/notebook_messages.h"
#include "notebook/notebook_points.h"
#include "present/notebook_columns.h"
#include "version/version.h"
#include "web/binding/pass.h"

namespace gelvor::web {
namespace {

// The page's notebook, and whether it holds readings not yet saved.
struct Session {
    NotebookDocument document;
    bool unsaved = false;
};

Session& session() {
    static Session s;
    return s;
}

val said(const std::string& message, const char* tone) {
    val out = val::object();
    out.set("message", text(message));
    out.set("tone", tone);
    return out;
}

// Ctrl+L: the pass on show, of `settings` (null while the machine is off),
// becomes the notebook's next point. {recorded, message, tone} for the status line.
val record_point(const val& settings, const std::string& locale) {
    if (settings.isNull() || settings.isUndefined()) {
        val out = said(kRecordNeedsMachine, "warning");
        out.set("recorded", false);
        return out;
    }
    const NumberStyle& style = style_of(locale);
    const PanelSettings panel = panel_settings(settings);
    const PassDisplay pass = run_pass(panel, style);
    if (!recordable(pass)) {
        val out = said(record_refused(pass.fault_message), "fault");
        out.set("recorded", false);
        return out;
    }
    NotebookDocument& d = session().document;
    NotebookPoint point = notebook_point(panel, pass, locale, style);
    point.number = d.next_number++;
    d.points.push_back(std::move(point));
    session().unsaved = true;
    val out = said(point_recorded(d.points.back().number), "note");
    out.set("recorded", true);
    return out;
}

// Each point's cells as recorded, in its own number format.
std::vector<std::vector<std::string>> all_cells(std::vector<std::vector<int>>* differing) {
    std::vector<std::vector<std::string>> cells;
    for (const NotebookPoint& p : session().document.points) {
        std::vector<int> changed;
        cells.push_back(point_cells(p, style_of(p.locale), changed));
        if (differing)
            differing->push_back(std::move(changed));
    }
    return cells;
}

// {headers, rows: [{cells, differing}]}: the point's number, its readings
// and its note; `differing` the readings a pass of its settings no longer gives.
val notebook_table() {
    val headers = val::array();
    push(headers, text(kPointNumberHeader));
    for (const std::string& h : notebook_headers()) push(headers, text(h));
    push(headers, text(kNoteHeader));
    std::vector<std::vector<int>> differing;
    const std::vector<std::vector<std::string>> cells = all_cells(&differing);
    val rows = val::array();
    const auto& points = session().document.points;
    for (std::size_t r = 0; r < points.size(); ++r) {
        val row_cells = val::array();
        push(row_cells, val(std::to_string(points[r].number)));
        for (const std::string& c : cells[r]) push(row_cells, text(c));
        push(row_cells, text(points[r].note));
        val changed = val::array();
        for (int c : differing[r]) push(changed, val(c + 1));  // after the number
        val row = val::object();
        row.set("cells", row_cells);
        row.set("differing", changed);
        push(rows, row);
    }
    val out = val::object();
    out.set("headers", headers);
    out.set("rows", rows);
    return out;
}

// A file's bytes as a Uint8Array of its own: a string would lose the CSV's
// byte order mark to the browser's UTF-8 decoder.
val bytes_of(const std::string& file) {
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(file.size(),
                                            reinterpret_cast<const unsigned char*>(file.data())));
}

// The CSV as the desktop exports it, separated as `locale` wants.
val notebook_csv_bytes(const std::string& locale) {
    return bytes_of(notebook_csv(session().document, all_cells(nullptr), style_of(locale), true));
}

// The .gelvor file's bytes; the notebook counts as saved from here on.
val save_notebook() {
    session().unsaved = false;
    return bytes_of(notebook_to_json(session().document, "Gelvor " + std::string(version::kText)));
}

// A file's bytes (a Uint8Array) and its name: {opened} and, when it is no
// notebook, {message} why; the notebook on show then stays as it was.
val open_notebook(const std::string& bytes, const std::string& file_name) {
    val out = val::object();
    NotebookRead read = notebook_from_json(bytes);
    out.set("opened", read.document.has_value());
    if (!read.document) {
        out.set("message", text(open_refused(file_name, read.error)));
        return out;
    }
    session().document = std::move(*read.document);
    session().unsaved = false;
    return out;
}

bool notebook_unsaved() {
    return session().unsaved;
}

val notebook_texts() {
    val out = val::object();
    out.set("discardToOpen", text(kDiscardToOpen));
    out.set("extension", text(kNotebookExtension));
    out.set("mimeType", text(version::kNotebookMimeType));
    out.set("maxBytes", static_cast<double>(kNotebookMaxBytes));
    return out;
}

}  // namespace
}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_notebook) {
    emscripten::function("recordPoint", &gelvor::web::record_point);
    emscripten::function("notebookTable", &gelvor::web::notebook_table);
    emscripten::function("notebookCsv", &gelvor::web::notebook_csv_bytes);
    emscripten::function("saveNotebook", &gelvor::web::save_notebook);
    emscripten::function("openNotebook", &gelvor::web::open_notebook);
    emscripten::function("notebookUnsaved", &gelvor::web::notebook_unsaved);
    emscripten::function("notebookTexts", &gelvor::web::notebook_texts);
}
