#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Every command of the program's windows with its caption and keys, and the
// keys that are not commands, for every front end: the desktop makes its
// actions and its list of keys from here, and the page its buttons and keys.
// Captions are UTF-8, "&" before the letter that chooses a command in its menu.
namespace gelvor::texts {

// Where a command is offered.
enum class Place {
    file_menu,         // "&Archivo"
    class_menu,        // "&Archivo", the teacher's tools
    view_menu,         // "&Ver"
    notebook_menu,     // "&Registro"
    help_menu,         // "A&yuda"
    notebook_toolbar,  // the notebook window's toolbar
    notebook_window,   // keys of the notebook window alone
    conditions,        // keys of "Fijar condiciones"
    bench,             // keys of the bench window that are no commands
};

struct Command {
    const char* name;     // the action's object name, and the page's button's id
    const char* caption;  // what its menu item or button says
    // As Qt writes keys portably ("Ctrl+Shift+Z", "Del", "F2"); null past the last.
    std::array<const char*, 3> keys;
    Place place;
};

// In the order of their menus and toolbars.
std::span<const Command> commands();
// The command named so; nullptr for another name.
const Command* command(std::string_view name);

// Keys that are no command, and what they do, for the list of keys.
struct KeyUse {
    std::array<const char*, 3> keys;
    const char* what;
    Place place;
};
std::span<const KeyUse> key_uses();

// The list of keys in groups, each with its title and the places whose
// commands and keys it lists; the bench's first.
struct KeyGroup {
    const char* title;
    std::span<const Place> places;
};
std::span<const KeyGroup> key_groups();

// A key as the list of keys names it in Spanish ("Control+Mayúsculas+S"
// for "Ctrl+Shift+S"), as Qt's Spanish translation writes it, for a front
// end without Qt.
std::string key_name(std::string_view portable);

// The group's lines: its commands that have keys (the caption without "&"
// or "…") and the keys that are no command, each with its keys' names
// joined by help_texts.h's kOtherKey.
struct KeyLine {
    std::string keys;
    std::string what;
};
std::vector<KeyLine> key_lines(const KeyGroup& group);

}  // namespace gelvor::texts
