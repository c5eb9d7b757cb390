#pragma once

#include <optional>

namespace gelvor::ui {

// Reads the program's command line before anything needs a window system, so
// that --help and --version work without a display. Returns the exit status
// when the program ends here: after the help or the version, or a usage error
// (one line and a hint on stderr, status 2).
std::optional<int> read_command_line(int argc, char* argv[]);

}  // namespace gelvor::ui
