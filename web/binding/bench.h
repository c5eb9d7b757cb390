#pragma once

#include <string>

#include "session/bench_session.h"
#include "web/binding/web_values.h"

namespace gelvor::web {

// The page's one bench, as the operator works it.
session::BenchSession& bench();
// The page's locale ("es_ES" or "en_US"), which its numbers follow.
const std::string& page_locale();
// What the page is to draw of the bench since it last drew it.
val bench_changes();

}  // namespace gelvor::web
