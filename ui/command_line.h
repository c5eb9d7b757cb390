#pragma once

#include <QString>
#include <optional>

namespace gelvor::ui {

// What the program's command line asks for.
struct CommandLine {
    // Set when the program ends here: after the help or the version (0), or
    // a usage error (one line and a hint on stderr, 2).
    std::optional<int> exit_status;
    QString notebook_file;  // a notebook to open, as an absolute path; empty for none
};

// Reads the command line before anything needs a window system, so that
// --help and --version work without a display. Help and errors speak the
// user's language (Spanish or English).
CommandLine read_command_line(int argc, char* argv[]);

// Until `accept_display()`, Qt's failure to reach a window system ends the
// program with one line on stderr in the user's language and status 1,
// instead of Qt's plugin texts and an abort.
void expect_display();
void accept_display();

}  // namespace gelvor::ui
