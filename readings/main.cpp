// gelvor-readings: prints what the simulator window shows for one pass, or a
// CSV table of operating points, for teachers preparing the exercise.
#include <QCoreApplication>
#include <QStringList>
#include <csignal>

#include "cli/command_line.h"
#include "cli/message_language.h"
#include "readings/readings.h"
#include "ui/text_qt.h"

namespace {

const QString kProgram = QStringLiteral("gelvor-readings");

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
            gelvor::cli::print_error(kProgram + QStringLiteral(": ") + text + u'\n');
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
    cli::StandardOutput out;
    if (!reply.isEmpty()) {
        return out.write(reply) && out.finish() ? 0 : cli::write_failed(out, kProgram, language);
    }
    if (!request) {
        return cli::usage_error(kProgram, error, language);
    }
    if (request->saturation) {
        return out.write(readings::saturation_table_text(*request)) && out.finish()
                   ? 0
                   : cli::write_failed(out, kProgram, language);
    }

    QStringList warned;
    if (!request->csv) {
        const PassDisplay pass = run_pass(request->settings, request->style, language);
        if (!(out.write(readings::pass_lines(pass)) && out.finish())) {
            return cli::write_failed(out, kProgram, language);
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
        return cli::write_failed(out, kProgram, language);
    }
    return all_complete ? 0 : 1;
}
