#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "cli/message_language.h"
#include "notebook/hand_results.h"
#include "present/number_style.h"

// The command line of gelvor-class: a lab class prepared for its groups, or
// the notebooks they hand in reviewed.
namespace gelvor::class_command {

inline constexpr const char* kProgram = "gelvor-class";

enum class Action { prepare, review };

struct Request {
    Action action = Action::review;
    QString groups;                        // prepare: the teacher's list of groups
    QString folder;                        // prepare: where the class's files go
    std::optional<quint32> seed;           // prepare: none, one is chosen
    QStringList files;                     // review: the notebooks handed in
    double tolerance = kDefaultTolerance;  // review: a fraction
    bool csv = false;                      // review: the table as CSV
    QString key;                           // the teacher's key file
    NumberStyle style;                     // the answer key's and the marks' numbers
    cli::Language language = cli::Language::english;
};

// Reads the options (the application must exist). Returns the request; or
// nothing with `reply` set to the help or the version text asked for; or
// nothing with `error` set on a usage error. Help and errors in `language`.
std::optional<Request> parse_arguments(const QStringList& arguments, cli::Language language,
                                       QString& error, QString& reply);

}  // namespace gelvor::class_command
