// The commands of the page, from the program's one table: each with its
// caption and its keys as the page matches them against a key press and as
// aria-keyshortcuts names them.
#include <emscripten/bind.h>

#include <cctype>
#include <string>
#include <string_view>
#include <utility>

#include "texts/commands.h"
#include "web/binding/web_values.h"

namespace gelvor::web {
namespace {

using Json = nlohmann::json;

// Qt's portable names of keys and the browser's, where they differ.
constexpr std::pair<std::string_view, std::string_view> kKeyNames[] = {
    {"Del", "Delete"},   {"PgDown", "PageDown"}, {"PgUp", "PageUp"},    {"Esc", "Escape"},
    {"Up", "ArrowUp"},   {"Down", "ArrowDown"},  {"Left", "ArrowLeft"}, {"Right", "ArrowRight"},
    {"Return", "Enter"}, {"Space", " "},
};

// "Ctrl+Shift+Z" as {ctrl, shift, alt, key, symbol, aria}: `key` as the
// browser's KeyboardEvent.key gives it (a letter in lower case), `symbol`
// when the key is typed with whatever shift it takes ("+").
Json key_of(std::string_view portable) {
    Json out = {{"ctrl", false}, {"shift", false}, {"alt", false}};
    std::string aria;
    for (const auto& [modifier, field, name] :
         {std::tuple{"Ctrl+", "ctrl", "Control+"}, std::tuple{"Shift+", "shift", "Shift+"},
          std::tuple{"Alt+", "alt", "Alt+"}}) {
        if (portable.starts_with(modifier) && portable.size() > std::string_view(modifier).size()) {
            portable.remove_prefix(std::string_view(modifier).size());
            out[field] = true;
            aria += name;
        }
    }
    std::string key(portable);
    for (const auto& [qt, browser] : kKeyNames) {
        if (portable == qt)
            key = browser;
    }
    const bool single = key.size() == 1;
    out["symbol"] = single && !std::isalnum(static_cast<unsigned char>(key[0]));
    aria += single && key != " " ? std::string(1, static_cast<char>(std::toupper(key[0])))
            : key == " "         ? "Space"
                                 : key;
    if (single)
        key[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(key[0])));
    out["key"] = key;
    out["aria"] = aria;
    return out;
}

// {name: {caption, keys: [...]}} for every command.
val commands() {
    Json out = Json::object();
    for (const texts::Command& c : texts::commands()) {
        Json keys = Json::array();
        for (const char* k : c.keys) {
            if (k)
                keys.push_back(key_of(k));
        }
        out[c.name] = {{"caption", c.caption}, {"keys", keys}};
    }
    return to_js(out);
}

}  // namespace
}  // namespace gelvor::web

EMSCRIPTEN_BINDINGS(gelvor_commands) {
    emscripten::function("commands", &gelvor::web::commands);
}
