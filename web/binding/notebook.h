#pragma once

#include <string>

#include "notebook/notebook_history.h"
#include "session/bench_view.h"
#include "web/binding/web_values.h"

namespace gelvor::web {

// The page's one notebook, as the class records it.
NotebookHistory& notebook_history();
// The name of the file it was last saved to or opened from; empty while it has none.
std::string& notebook_file_name();
// The status line says `message`: the bench's view that shows it.
val said(std::string message, session::Tone tone);

}  // namespace gelvor::web
