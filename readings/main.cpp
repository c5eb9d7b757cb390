// gelvor-readings: prints what the simulator window shows for one pass, or a
// CSV table of operating points, for teachers preparing the exercise.
#include <QCoreApplication>
#include <QStringList>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

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

int write_failed(const Output& out) {
    print_error(QStringLiteral("gelvor-readings: cannot write the output: %1\n")
                    .arg(QString::fromLocal8Bit(std::strerror(out.error()))));
    return kWriteError;
}

// Settings outside the bench's ranges still compute; the operator hears of it
// on stderr, once per setting, and stdout stays the table it always was.
void warn(QStringList& warned, const gelvor::PassDisplay& pass) {
    for (const gelvor::RangeWarning& w : pass.range_warnings) {
        const QString text = gelvor::qt::to_qstring(w.text);
        if (!warned.contains(text)) {
            warned << text;
            print_error("gelvor-readings: " + text + u'\n');
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    using namespace gelvor;
    // A closed pipe then fails the write with EPIPE instead of killing the program silently.
    std::signal(SIGPIPE, SIG_IGN);
    QCoreApplication app(argc, argv);
    QString error;
    QString reply;
    const auto request = readings::parse_arguments(QCoreApplication::arguments(), error, reply);
    Output out;
    if (!reply.isEmpty()) {
        return out.write(reply) && out.finish() ? 0 : write_failed(out);
    }
    if (!request) {
        print_error("gelvor-readings: " + error + "\nPruebe --help\n");
        return kUsageError;
    }

    QStringList warned;
    if (!request->csv) {
        const PassDisplay pass = run_pass(request->settings, request->style);
        if (!(out.write(readings::pass_lines(pass)) && out.finish())) {
            return write_failed(out);
        }
        warn(warned, pass);
        return pass.complete() ? 0 : 1;
    }

    bool all_complete = true;
    out.write(readings::csv_header(*request));
    const qint64 rows = readings::sweep_rows(*request);
    for (qint64 row = 0; row < rows && out.ok(); ++row) {
        const PanelSettings settings = readings::sweep_row(*request, row);
        const PassDisplay pass = run_pass(settings, request->style);
        all_complete = all_complete && pass.complete();
        out.write(readings::csv_row(*request, settings, pass));
        warn(warned, pass);
    }
    if (!out.finish()) {
        return write_failed(out);
    }
    return all_complete ? 0 : 1;
}
