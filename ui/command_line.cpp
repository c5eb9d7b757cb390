#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/message_language.h"
#include "version/version.h"

namespace gelvor::ui {
namespace {

using cli::Language;

// Qt's own options for every graphical program. The application reads them
// when it is created, after this; here they only must not be refused.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount"};

void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
}

CommandLine usage_error(Language language, const QString& message) {
    print(stderr,
          "gelvor: " + message + u'\n' + cli::say(language, "Pruebe --help", "Try --help") + u'\n');
    return {2, {}};
}

QString help_text(Language language, const QCommandLineParser& parser, bool with_qt_options) {
    QString text = parser.helpText();
    if (!with_qt_options)
        return text;
    text += u'\n' +
            cli::say(language, "Opciones de Qt, que lee el sistema de ventanas:",
                     "Qt's options, read by the window system:") +
            u'\n';
    for (const char* name : kQtOptionsWithValue) {
        text += QStringLiteral("  -%1 <%2>\n")
                    .arg(QString::fromLatin1(name), cli::say(language, "valor", "value"));
    }
    for (const char* name : kQtFlags) {
        text += QStringLiteral("  -%1\n").arg(QString::fromLatin1(name));
    }
    return text;
}

// Set while Qt starts its window system; the handler Qt had before.
QtMessageHandler g_previous_handler = nullptr;
bool g_expecting_display = false;

void on_qt_message(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const Language language = cli::message_language();
        const QByteArray display = qgetenv("DISPLAY");
        const QString line =
            display.isEmpty()
                ? cli::say(language,
                           "gelvor: no hay pantalla gráfica en la que abrir la ventana "
                           "(DISPLAY no está definida)",
                           "gelvor: there is no graphical display to open the window on "
                           "(DISPLAY is not set)")
                : cli::say(language, "gelvor: no se puede abrir la ventana en la pantalla «%1»",
                           "gelvor: cannot open the window on the display \"%1\"")
                      .arg(QString::fromLocal8Bit(display));
        print(stderr, line + u'\n');
        std::fflush(stderr);
        std::_Exit(1);
    }
    // Qt's plugin warnings that lead to the failure above say nothing more to the user.
    if (context.category && std::strncmp(context.category, "qt.qpa", 6) == 0)
        return;
    if (g_previous_handler)
        g_previous_handler(type, context, message);
    else
        print(stderr, message + u'\n');
}

}  // namespace

CommandLine read_command_line(int argc, char* argv[]) {
    if (argc <= 1) {
        return {};  // as the menu starts it: nothing to read
    }
    QCoreApplication core(argc, argv);  // needs no display
    const Language language = cli::message_language();
    cli::translate_parser(&core, language);
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(cli::say(
        language,
        "Simulador del banco de ensayo de una máquina frigorífica y bomba de calor de R-11,\n"
        "para las prácticas de laboratorio.",
        "Simulator of the test bench of an R-11 refrigerating machine and heat pump, for\n"
        "laboratory practice. The window is in Spanish."));
    parser.addPositionalArgument(cli::say(language, "registro", "notebook"),
                                 cli::say(language, "un registro de lecturas (.gelvor) que abrir",
                                          "a notebook of readings (.gelvor) to open"),
                                 cli::say(language, "[registro]", "[notebook]"));
    // Qt's own help and version options have no Spanish descriptions.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  cli::say(language, "Muestra esta ayuda.", "Displays this help."));
    const QCommandLineOption help_all(QStringLiteral("help-all"),
                                      cli::say(language, "Muestra esta ayuda y las opciones de Qt.",
                                               "Displays this help and Qt's options."));
    const QCommandLineOption version(
        {QStringLiteral("v"), QStringLiteral("version")},
        cli::say(language, "Muestra la versión.", "Displays the version."));
    parser.addOptions({help, help_all, version});
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), {}, QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    if (!parser.parse(QCoreApplication::arguments())) {
        return usage_error(language, parser.errorText());
    }
    if (parser.isSet(help) || parser.isSet(help_all)) {
        print(stdout, help_text(language, parser, parser.isSet(help_all)));
        return {0, {}};
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("gelvor %1\n").arg(QString::fromLatin1(version::kText)));
        return {0, {}};
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return usage_error(
            language, cli::say(language, "sobra el argumento «%1»", "unexpected argument \"%1\"")
                          .arg(files[1]));
    }
    return {std::nullopt,
            files.isEmpty() ? QString() : QFileInfo(files.front()).absoluteFilePath()};
}

void expect_display() {
    g_expecting_display = true;
    g_previous_handler = qInstallMessageHandler(on_qt_message);
}

void accept_display() {
    if (g_expecting_display) {
        qInstallMessageHandler(g_previous_handler);
        g_expecting_display = false;
    }
}

}  // namespace gelvor::ui
