#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "cli/message_language.h"
#include "texts/command_line_texts.h"
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

QString say(Language language, const texts::Bilingual& text) {
    return cli::say(language, text.spanish, text.english);
}

void print(std::FILE* to, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), to);
}

CommandLine usage_error(Language language, const QString& message) {
    print(stderr, "gelvor: " + message + u'\n' + say(language, texts::kTryHelp) + u'\n');
    return {2, {}};
}

QString help_text(Language language, const QCommandLineParser& parser, bool with_qt_options) {
    QString text = parser.helpText();
    if (!with_qt_options)
        return text;
    text += u'\n' + say(language, texts::kQtOptionsHeading) + u'\n';
    for (const char* name : kQtOptionsWithValue) {
        text += QStringLiteral("  -%1 <%2>\n")
                    .arg(QString::fromLatin1(name), say(language, texts::kOptionValue));
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
                ? say(language, texts::kNoDisplay)
                : say(language, texts::kDisplayRefused).arg(QString::fromLocal8Bit(display));
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
    parser.setApplicationDescription(say(language, texts::kProgramDescription));
    parser.addPositionalArgument(say(language, texts::kNotebookArgument),
                                 say(language, texts::kNotebookArgumentHelp),
                                 say(language, texts::kNotebookArgumentSyntax));
    // Qt's own help and version options have no Spanish descriptions.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  say(language, texts::kHelpOption));
    const QCommandLineOption help_all(QStringLiteral("help-all"),
                                      say(language, texts::kHelpAllOption));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     say(language, texts::kVersionOption));
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
        return usage_error(language, say(language, texts::kUnexpectedArgument).arg(files[1]));
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
