// gelvor-readings: prints what the simulator window shows for one pass, or a
// CSV table of operating points, for teachers preparing the exercise.
#include <QCoreApplication>
#include <QStringList>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include "cli/file_error.h"
#include "cli/message_language.h"
#include "readings/readings.h"
#include "ui/text_qt.h"

namespace {

// Exit statuses beyond 0 (every pass complete) and 1 (a pass faulted).
constexpr int kUsageError = 2;
constexpr int kWriteError = 3;

// Standard output that remembers its first write error, so that a full disk
// or a closed pipe is never reported as success.
class Output {
  public:
    bool write(const QString& text) {
        const QByteArray bytes = text.toUtf8();
        const auto size = static_cast<std::size_t>(bytes.size());
        if (ok() && std::fwrite(bytes.constData(), 1, size, stdout) != size) {
            error_ = errno;
        }
        return ok();
    }
    // Flushes what is buffered; true when everything was written.
    bool finish() {
        if (ok() && std::fflush(stdout) != 0) {
            error_ = errno;
        }
        return ok();
    }
    bool ok() const { return error_ == 0; }
    int error() const { return error_; }

  private:
    int error_ = 0;
};

void print_error(const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
}

// A reader that stopped reading (`head`) ends the program quietly, killed
// by SIGPIPE as the standard tools are; any other write error is told.
int write_failed(const Output& out, gelvor::cli::Language language) {
    if (out.error() == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    const QString cause = QString::fromLocal8Bit(std::strerror(out.error()));
    print_error(gelvor::cli::say(language, "gelvor-readings: no se pudo escribir la salida: %1\n",
                                 "gelvor-readings: cannot write the output: %1\n")
                    .arg(language == gelvor::cli::Language::spanish
                             ? gelvor::cli::spanish_file_error(cause)
                             : cause));
    return kWriteError;
}

// Settings outside the bench's ranges still compute, and some give what no
// real machine could; the operator hears of it on stderr, once each, and
// stdout stays the table it always was.
void warn(QStringList& warned, const gelvor::PassDisplay& pass) {
    QStringList lines;
    for (const gelvor::RangeWarning& w : pass.range_warnings)
        lines << gelvor::qt::to_qstring(w.text);
    for (const gelvor::ValidityNote& n : pass.validity_notes)
        lines << gelvor::qt::to_qstring(n.text);
    for (const QString& text : lines) {
        if (!warned.contains(text)) {
            warned << text;
            print_error("gelvor-readings: " + text + u'\n');
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace gelvor;
    // A write to a closed pipe then fails with EPIPE, which write_failed tells apart.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    const cli::Language language = cli::message_language();
    cli::translate_parser(&app, language);
    QString error;
    QString reply;
    const auto request =
        readings::parse_arguments(QCoreApplication::arguments(), language, error, reply);
    Output out;
    if (!reply.isEmpty()) {
        return out.write(reply) && out.finish() ? 0 : write_failed(out, language);
    }
    if (!request) {
        print_error("gelvor-readings: " + error + u'\n' +
                    cli::say(language, "Pruebe --help", "Try --help") + u'\n');
        return kUsageError;
    }
    if (request->saturation) {
        return out.write(readings::saturation_table_text(*request)) && out.finish()
                   ? 0
                   : write_failed(out, language);
    }

    QStringList warned;
    if (!request->csv) {
        const PassDisplay pass = run_pass(request->settings, request->style, language);
        if (!(out.write(readings::pass_lines(pass)) && out.finish())) {
            return write_failed(out, language);
        }
        warn(warned, pass);
        return pass.complete() ? 0 : 1;
    }

    bool all_complete = true;
    out.write(readings::csv_header(*request));
    const qint64 rows = readings::sweep_rows(*request);
    for (qint64 row = 0; row < rows && out.ok(); ++row) {
        const PanelSettings settings = readings::sweep_row(*request, row);
        const PassDisplay pass = run_pass(settings, request->style, language);
        all_complete = all_complete && pass.complete();
        out.write(readings::csv_row(*request, settings, pass));
        warn(warned, pass);
    }
    if (!out.finish()) {
        return write_failed(out, language);
    }
    return all_complete ? 0 : 1;
}
