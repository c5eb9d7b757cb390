// gelvor-class: prepares a lab class, each group with its own sealed
// conditions, and reviews the notebooks the groups hand in.
#include <QCoreApplication>
#include <QGuiApplication>
#include <csignal>
#include <optional>

#include "classroom/command/class_actions.h"
#include "classroom/command/class_arguments.h"
#include "cli/command_line.h"
#include "cli/message_language.h"

namespace {

QtMessageHandler g_qt_output = nullptr;

// Qt Gui looks through the standard folders while it starts, and warns of a
// runtime folder that the command never uses.
void without_folder_warnings(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (!(type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: "))))
        g_qt_output(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    using namespace gelvor;
    // A write to a closed pipe then fails with EPIPE, which write_failed tells apart.
    std::signal(SIGPIPE, SIG_IGN);
    const QString program = QString::fromLatin1(class_command::kProgram);
    cli::StandardOutput out;
    std::optional<class_command::Request> request;
    {
        // The command line needs neither Qt Gui nor a display.
        QCoreApplication core(argc, argv);
        const cli::Language language = cli::message_language();
        cli::translate_parser(&core, language);
        QString error;
        QString reply;
        request =
            class_command::parse_arguments(QCoreApplication::arguments(), language, error, reply);
        if (!reply.isEmpty())
            return out.write(reply) && out.finish() ? 0 : cli::write_failed(out, program, language);
        if (!request)
            return cli::usage_error(program, error, language);
    }
    if (request->action == class_command::Action::review) {
        QCoreApplication app(argc, argv);
        return class_command::review(*request, out);
    }
    // The answer key's PDF needs Qt Gui's fonts, never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_qt_output = qInstallMessageHandler(without_folder_warnings);
    QGuiApplication app(argc, argv);
    qInstallMessageHandler(g_qt_output);
    return class_command::prepare(*request, out);
}
