// Prints what the page says before its scripts run, from the program's texts;
// the build runs it under node. "head": {description, noscript} as JSON;
// "manifest ICON": the web app manifest, with ICON as its icon.
#include <nlohmann/json.hpp>

#include <cstdio>
#include <string>
#include <string_view>

#include "texts/command_line_texts.h"
#include "texts/page_texts.h"

namespace {

// The program's description on one line.
std::string description() {
    std::string text = gelvor::texts::kProgramDescription.spanish;
    for (char& c : text) {
        if (c == '\n')
            c = ' ';
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    using nlohmann::json;
    const std::string_view what = argc > 1 ? argv[1] : "";
    json out;
    if (what == "head") {
        out = {{"description", description()}, {"noscript", gelvor::texts::kNoScript}};
    } else if (what == "manifest" && argc > 2) {
        out = {{"name", gelvor::texts::kPageName},
               {"short_name", gelvor::texts::kPageName},
               {"description", description()},
               {"lang", "es"},
               {"start_url", "./"},
               {"scope", "./"},
               {"display", "standalone"},
               {"icons",
                json::array({{{"src", argv[2]}, {"sizes", "any"}, {"type", "image/svg+xml"}}})}};
    } else {
        std::fputs("usage: head_texts head | manifest ICON\n", stderr);
        return 2;
    }
    std::puts(out.dump(2).c_str());
    return 0;
}
