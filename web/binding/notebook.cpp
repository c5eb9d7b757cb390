// The lab notebook in the page: the same history, points, marks, CSV and
// file as the desktop's, kept here for the page's one session. The page
// records the pass on show, undoes and redoes, shows the table a few rows at
// a time, and saves the file's bytes.
#include "web/binding/notebook.h"

#include <emscripten/bind.h>

#include <algorithm>
#include <string>
#include <vector>

#include "layout/window_look.h"
#include "notebook/hand_results.h"
#include "notebook/marked_point.h"
#include "notebook/notebook_file.h"
#include "notebook/notebook_messages.h"
#include "notebook/notebook_points.h"
#include "notebook/notebook_table.h"
#include "texts/commands.h"
#include "texts/dialog_texts.h"
#include "texts/file_texts.h"
#include "texts/notebook_window_texts.h"
#include "texts/recovery_texts.h"
#include "version/version.h"
#include "web/binding/bench.h"

namespace gelvor::web {
namespace {

using Json = nlohmann::json;

NotebookHistory& history() {
    return notebook_history();
}

// A name as the desktop's save dialog completes it: with the notebook's
// extension when it has none.
std::string with_extension(std::string name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 == name.size())
        name += std::string(name.ends_with('.') ? "" : ".") + kNotebookExtension;
    return name;
}

std::string proposed_name() {
    std::string name = texts::kProposedNotebookName;
    name.replace(name.find("%1"), 2, kNotebookExtension);
    return name;
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

std::string undo_caption(const char* command, const std::string& change) {
    std::string caption = texts::command(command)->caption;
    std::erase(caption, '&');
    return change.empty() ? caption : caption + " " + change;
}

// {count, title, unsaved, keep, canUndo, canRedo, undo, redo, header}: what
// the notebook's title, buttons and fields show; `keep` while closing the
// page would lose readings, so that the browser keeps a copy.
val notebook_state() {
    const NotebookHistory& h = history();
    const std::string& file = notebook_file_name();
    const Json out = {
        {"count", h.count()},
        {"title", notebook_window_title(file.empty() ? texts::kUntitled : file, h.unsaved())},
        {"unsaved", h.unsaved()},
        {"keep", h.something_to_lose(!file.empty())},
        {"canUndo", h.can_undo()},
        {"canRedo", h.can_redo()},
        {"undo", undo_caption("deshacer", h.undo_name())},
        {"redo", undo_caption("rehacer", h.redo_name())},
        {"header",
         {{"students", h.header().students},
          {"group", h.header().group},
          {"date", h.header().date}}},
        // A notebook the teacher handed out: which of its points are still to take.
        {"assignment",
         h.assignment() ? assignment_status(h.assignment()->group, h.points_taken()) : ""},
    };
    return to_js(out);
}

// The rows from `from` up to `to`, each {cells, unreadable, unreadableText,
// warning, differing, warned, validity, marks}: the hand results that read as
// no number, and why; every table column's text; the columns filled as read
// out of range, and as no longer given; the number's marks, and what they
// mean.
val notebook_rows(int from, int to) {
    const NotebookHistory& h = history();
    Json rows = Json::array();
    for (int r = std::max(0, from); r < std::min(to, h.count()); ++r) {
        const MarkedPoint& p = h.point(r);
        Json cells = Json::array();
        for (int c = 0; c < table_column_count(); ++c) cells.push_back(table_cell(p, c));
        Json warning = Json::array();
        for (const SettingOutOfRange& o : p.out_of_range) warning.push_back(table_column(o.column));
        Json differing = Json::array();
        for (int c : p.differing) differing.push_back(table_column(c));
        // A hand result the review could not read: shown as wrong now, and why.
        const NumberStyle style = style_of(p.locale);
        Json unreadable = Json::array();
        for (std::size_t k = 0; k < kHandResultCount; ++k) {
            if (check_hand_result(p.hand_results[k], 1.0, kDefaultTolerance, style) ==
                HandCheck::unreadable)
                unreadable.push_back(hand_table_column(k));
        }
        rows.push_back({{"cells", std::move(cells)},
                        {"unreadable", std::move(unreadable)},
                        {"unreadableText", hand_result_unreadable(style.decimal_point)},
                        {"warning", std::move(warning)},
                        {"differing", std::move(differing)},
                        {"warned", p.warned()},
                        {"validity", !p.validity.empty()},
                        {"marks", p.marked() ? marks_explained(p) : ""}});
    }
    return to_js(rows);
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
    cells.reserve(history().points().size());
    for (const MarkedPoint& p : history().points()) cells.push_back(p.cells);
    return bytes_of(notebook_csv(history().document(), cells, style_of(page_locale()), true));
}

// {bytes, name}: the .gelvor file, named `name` (with its extension added
// where it has none), or as it was last saved or opened; the notebook
// counts as saved in it from here on.
val save_notebook(const std::string& name) {
    std::string& file = notebook_file_name();
    file = with_extension(!name.empty() ? name : !file.empty() ? file : proposed_name());
    history().mark_saved();
    val out = val::object();
    out.set("bytes", bytes_of(notebook_to_json(history().document(),
                                               "Gelvor " + std::string(version::kText))));
    out.set("name", text(file));
    return out;
}

// The page's notebook starts dated `today` (yyyy-mm-dd), as the desktop's
// does, with nothing to undo.
void start_notebook(const std::string& today) {
    NotebookHistory& h = history();
    if (h.count() == 0 && !h.can_undo() && !h.can_redo() && h.header().date.empty()) {
        NotebookHeader header;
        header.date = today;
        h.open(header, std::nullopt, {}, 1);
    }
}

// Before unsaved readings would be lost to `what` ("open": another file;
// "recover": the browser's copy), the desktop's question: {title, text,
// save, discard, cancel}; Save is its default.
val unsaved_question(const std::string& what) {
    const std::string& file = notebook_file_name();
    std::string question = texts::kUnsavedQuestion;
    question.replace(question.find("%1"), 2, file.empty() ? texts::kUntitled : file);
    question.replace(question.find("%2"), 2,
                     what == "recover" ? texts::kToRecover : texts::kToOpenAnother);
    val out = val::object();
    out.set("title", text(kNotebookTitle));
    out.set("text", text(question));
    out.set("save", text(texts::kSaveCaption));
    out.set("discard", text(texts::kDiscardCaption));
    out.set("cancel", text(texts::kCancelCaption));
    return out;
}

bool notebook_unsaved() {
    return history().unsaved();
}

// The notebook's own words and the names its files take.
val notebook_texts() {
    namespace T = texts;
    Json headers = Json::array();
    for (int c = 0; c < table_column_count(); ++c) headers.push_back(table_header(c));
    // The cells typed in place, each with its name for a screen reader ("%1": the point).
    Json editable = Json::array({{{"column", note_table_column()}, {"name", T::kPointNoteName}}});
    for (std::size_t k = 0; k < kHandResultCount; ++k) {
        std::string name = T::kPointHandResultName;
        name.replace(name.find("%2"), 2, hand_result_header(k));
        editable.push_back({{"column", hand_table_column(k)}, {"name", name}});
    }
    const Json out = {
        {"extension", kNotebookExtension},
        {"fileName", notebook_file_name().empty() ? proposed_name() : notebook_file_name()},
        {"untitled", T::kUntitled},
        {"csvName", T::kProposedCsvName},
        {"mimeType", version::kNotebookMimeType},
        {"maxBytes", kNotebookMaxBytes},
        {"headers", headers},
        {"noteColumn", note_table_column()},
        {"editable", editable},
        {"assignmentName", T::kAssignmentStatusName},
        {"tableName", T::kReadingsTableName},
        {"tabsName", T::kNotebookTabsName},
        {"tabs", {T::kReadingsTab, T::kChartTab, T::kDiagramTab}},
        {"fields",
         {{{"id", "alumnos"}, {"label", T::kStudentsLabel}, {"name", T::kStudentsName}},
          {{"id", "grupo"}, {"label", T::kGroupLabel}, {"name", T::kGroupName}},
          {{"id", "fecha"}, {"label", T::kDateLabel}, {"name", T::kDateName}}}},
        {"marksName", T::kPointMarksName},
        {"noteName", T::kPointNoteName},
        {"colours",
         {{"warning-fill", css_colour(layout::colours::kWarningFill)},
          {"differing-fill", css_colour(layout::colours::kDifferingFill)},
          {"validity-dot", css_colour(layout::colours::kValidityText)}}},
    };
    return to_js(out);
}

}  // namespace

val said(std::string message, session::Tone tone) {
    bench().say(std::move(message), tone);
    return bench_changes();
}

// The page's notebook. Its date starts empty: the page fills it in.
NotebookHistory& notebook_history() {
    static NotebookHistory h([](const std::string& locale) { return style_of(locale); }, "");
    return h;
}

std::string& notebook_file_name() {
    static std::string name;
    return name;
}

}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_notebook) {
    emscripten::function("recordPoint", &gelvor::web::record_point);
    emscripten::function("startNotebook", &gelvor::web::start_notebook);
    emscripten::function("notebookState", &gelvor::web::notebook_state);
    emscripten::function("notebookRows", &gelvor::web::notebook_rows);
    emscripten::function("undoNotebook", &gelvor::web::undo);
    emscripten::function("redoNotebook", &gelvor::web::redo);
    emscripten::function("notebookCsv", &gelvor::web::notebook_csv_bytes);
    emscripten::function("saveNotebook", &gelvor::web::save_notebook);
    emscripten::function("notebookUnsaved", &gelvor::web::notebook_unsaved);
    emscripten::function("unsavedQuestion", &gelvor::web::unsaved_question);
    emscripten::function("notebookTexts", &gelvor::web::notebook_texts);
}
