#include "cli/command_line.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "cli/file_error.h"
#include "texts/command_line_texts.h"

namespace gelvor::cli {

bool StandardOutput::write(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const auto size = static_cast<std::size_t>(bytes.size());
    if (ok() && std::fwrite(bytes.constData(), 1, size, stdout) != size)
        error_ = errno;
    return ok();
}

bool StandardOutput::finish() {
    if (ok() && std::fflush(stdout) != 0)
        error_ = errno;
    return ok();
}

void print_error(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

int usage_error(const QString& program, const QString& error, Language language) {
    print_error(program + QStringLiteral(": ") + error + u'\n' +
                say(language, texts::kTryHelp.spanish, texts::kTryHelp.english) + u'\n');
    return kUsageError;
}

int write_failed(const StandardOutput& out, const QString& program, Language language) {
    if (out.error() == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    const QString cause = QString::fromLocal8Bit(std::strerror(out.error()));
    print_error(program + say(language, ": no se pudo escribir la salida: %1\n",
                              ": cannot write the output: %1\n")
                              .arg(file_error(cause, language)));
    return kWriteError;
}

std::optional<QLocale> locale_named(const QString& name, Language language, QString& error) {
    const QLocale locale(name);
    if (locale.language() == QLocale::C && name != QLatin1String("C") &&
        name != QLatin1String("POSIX")) {
        error =
            say(language, "formato de números desconocido «%1»", "unknown locale \"%1\"").arg(name);
        return std::nullopt;
    }
    return locale;
}

}  // namespace gelvor::cli
