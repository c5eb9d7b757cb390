#pragma once

#include <QString>
#include <string>
#include <vector>

#include "classroom/command/class_arguments.h"
#include "cli/command_line.h"
#include "notebook/review.h"

// What gelvor-class does once its command line is read: each returns the
// exit status, having written its report to `out` and its errors to stderr.
namespace gelvor::class_command {

// Exit status: the list of groups or the teacher's key could not be used.
inline constexpr int kInputError = 1;

int prepare(const Request& request, cli::StandardOutput& out);
int review(const Request& request, cli::StandardOutput& out);

// Rows of cells as lines of columns, each column as wide as its widest cell
// in characters as a terminal shows them (not bytes), two spaces apart.
// Control characters in a cell show as U+FFFD, so that a file's texts can
// neither break the table nor drive the terminal.
QString aligned_table(const std::vector<std::vector<std::string>>& rows);

// The class table as the command prints it: aligned, or as CSV.
QString review_text(const std::vector<ReviewRow>& rows, const Request& request);

// Whether no seal holds although several files hold an assignment: the
// key is most likely not the one the class was prepared with.
bool no_seal_holds(const std::vector<ReviewRow>& rows);

}  // namespace gelvor::class_command
