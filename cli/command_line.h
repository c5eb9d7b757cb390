#pragma once

#include <QLocale>
#include <QString>
#include <optional>

#include "cli/message_language.h"

// What the command-line programs share beyond their language: their exit
// statuses, a standard output that tells a full disk from a reader that
// went away, and how a usage error and a locale's name are told.
namespace gelvor::cli {

inline constexpr int kUsageError = 2;
inline constexpr int kWriteError = 3;

// Standard output that remembers its first write error, so that a full disk
// or a closed pipe is never reported as success.
class StandardOutput {
  public:
    bool write(const QString& text);
    // Flushes what is buffered; true when everything was written.
    bool finish();
    bool ok() const { return error_ == 0; }
    int error() const { return error_; }

  private:
    int error_ = 0;
};

// A program's texts in the user's language: words("Hola", "Hello").
class Words {
  public:
    explicit Words(Language language) : language_(language) {}
    QString operator()(const char* spanish, const char* english) const {
        return say(language_, spanish, english);
    }

  private:
    Language language_;
};

// Writes to standard error as it is, in UTF-8.
void print_error(const QString& text);

// "program: error" and the hint to --help on stderr; returns kUsageError.
int usage_error(const QString& program, const QString& error, Language language);

// A reader that stopped reading (`head`) ends the program quietly, killed
// by SIGPIPE as the standard tools are; any other write error is told on
// stderr and kWriteError returned. SIGPIPE must be ignored until then, so
// that the write fails with EPIPE instead.
int write_failed(const StandardOutput& out, const QString& program, Language language);

// The locale that --locale names; or none, with `error` set, when Qt knows
// no such name.
std::optional<QLocale> locale_named(const QString& name, Language language, QString& error);

}  // namespace gelvor::cli
