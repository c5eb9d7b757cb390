// A notebook opened in the page, from a file or from the browser's copy,
// in steps that leave the page responsive: its header is read and checked
// as the desktop checks it, then its points are read and computed again a
// few at a time, and only then does the notebook on show change. Also the copy the
// browser keeps, and the question that offers it back.
#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <cstdio>
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "notebook/marked_point.h"
#include "notebook/notebook_file.h"
#include "notebook/notebook_messages.h"
#include "texts/dialog_texts.h"
#include "texts/recovery_texts.h"
#include "version/version.h"
#include "web/binding/bench.h"
#include "web/binding/notebook.h"

namespace gelvor::web {
namespace {

struct Opening {
    std::string name;
    bool recovered = false;  // the browser's copy: unsaved, and in no file
    std::unique_ptr<NotebookReader> reader;
    std::vector<MarkedPoint> points;
};

std::optional<Opening>& opening() {
    static std::optional<Opening> o;
    return o;
}

// The file refused: the view whose status line says why; the notebook on
// show stays as it was.
val refused(const std::string& name, const std::string& error) {
    opening().reset();
    val out = val::object();
    out.set("view", said(open_refused(name, error), session::Tone::fault));
    return out;
}

// A file's bytes (a Uint8Array) and its name: {total}, the points to read,
// once its header is; otherwise {view}.
val open_begin(const std::string& bytes, const std::string& name, bool recovered) {
    auto reader = std::make_unique<NotebookReader>(bytes, style_of(page_locale()));
    if (!reader->error().empty())
        return refused(name, reader->error());
    val out = val::object();
    out.set("total", static_cast<int>(reader->total()));
    opening() = Opening{name, recovered, std::move(reader), {}};
    opening()->points.reserve(opening()->reader->total());
    return out;
}

// Reads and computes points for about `milliseconds`: {done, total, text},
// or {view} once a point shows the file is no notebook.
val open_step(double milliseconds) {
    val out = val::object();
    if (!opening())
        return out;
    Opening& o = *opening();
    NotebookReader& r = *o.reader;
    const double until = emscripten_get_now() + milliseconds;
    while (o.points.size() < r.total() && emscripten_get_now() < until) {
        if (!r.read(1))
            return refused(o.name, r.error());
        const NotebookPoint& p = r.point(o.points.size());
        o.points.push_back(point_from_file(p, style_of(p.locale)));
    }
    const int done = static_cast<int>(o.points.size());
    const int total = static_cast<int>(r.total());
    out.set("done", done);
    out.set("total", total);
    out.set("text", text(opening_points(o.name, done, total)));
    return out;
}

// The notebook on show becomes the one opened: the view.
val open_end() {
    if (!opening() || opening()->points.size() != opening()->reader->total())
        return bench_changes();
    Opening o = std::move(*opening());
    opening().reset();
    NotebookRead read = o.reader->result();
    if (!read.document)
        return refused(o.name, read.error)["view"];
    NotebookHistory& h = notebook_history();
    h.open(read.document->header, read.document->assignment, std::move(o.points),
           read.document->next_number);
    if (o.recovered) {
        h.mark_unsaved();
        notebook_file_name().clear();
    } else {
        notebook_file_name() = o.name;
    }
    return said("", session::Tone::note);
}

void open_cancel() {
    opening().reset();
}

// What the status line says while a file is read, before its points.
std::string opening_text(const std::string& name) {
    return opening_file(name);
}

// A file larger than any notebook, refused before it is read: the view.
val refuse_large(const std::string& name) {
    return said(open_refused(name, notebook_too_large(style_of(page_locale()))),
                session::Tone::fault);
}

// The notebook as the browser keeps it, while closing the page would lose
// readings; otherwise nothing, and the browser forgets its copy.
std::string kept_notebook() {
    const NotebookHistory& h = notebook_history();
    if (!h.something_to_lose(!notebook_file_name().empty()))
        return {};
    return notebook_to_json(h.document(), "Gelvor " + std::string(version::kText));
}

std::string filled(std::string text, const std::string& first, const std::string& second) {
    text.replace(text.find("%1"), 2, first);
    text.replace(text.find("%2"), 2, second);
    return text;
}

// The desktop's question at start after a crash, for a copy the browser
// kept at `epoch_ms` with `points` readings: {title, text, recover,
// discard, later}. The time as Qt writes Spain's short format, in the
// browser's time zone.
val recovery_question(double epoch_ms, int points) {
    const std::time_t seconds = static_cast<std::time_t>(epoch_ms / 1000);
    std::tm local{};
    localtime_r(&seconds, &local);
    char when[32];
    std::snprintf(when, sizeof when, "%d/%d/%02d %d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_year % 100, local.tm_hour, local.tm_min);
    val out = val::object();
    out.set("title", text(texts::kRecoverTitle));
    out.set("text", text(filled(texts::kRecoverQuestion, when, std::to_string(points))));
    out.set("recover", text(texts::kRecoverCaption));
    out.set("discard", text(texts::kDiscardCaption));
    out.set("later", text(texts::kLaterCaption));
    return out;
}

}  // namespace
}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_notebook_open) {
    emscripten::function("openBegin", &gelvor::web::open_begin);
    emscripten::function("openStep", &gelvor::web::open_step);
    emscripten::function("openEnd", &gelvor::web::open_end);
    emscripten::function("openCancel", &gelvor::web::open_cancel);
    emscripten::function("openingText", &gelvor::web::opening_text);
    emscripten::function("refuseLarge", &gelvor::web::refuse_large);
    emscripten::function("keptNotebook", &gelvor::web::kept_notebook);
    emscripten::function("recoveryQuestion", &gelvor::web::recovery_question);
}
