#include "ui/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

#include "version/version.h"

namespace gelvor::ui {
namespace {

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

int usage_error(const QString& message) {
    print(stderr, "gelvor: " + message + "\nPruebe --help\n");
    return 2;
}

}  // namespace

std::optional<int> read_command_line(int argc, char* argv[]) {
    if (argc <= 1) {
        return std::nullopt;  // as the menu starts it: nothing to read
    }
    QCoreApplication core(argc, argv);  // needs no display
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QStringLiteral(
        "Simulator of the test bench of an R-11 refrigerating machine and heat pump, for\n"
        "laboratory practice. The window is in Spanish."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
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
        return usage_error(parser.errorText());
    }
    if (!parser.positionalArguments().isEmpty()) {
        return usage_error("unexpected argument \"" + parser.positionalArguments().front() + "\"");
    }
    if (parser.isSet(help)) {
        print(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(QStringLiteral("help-all"))) {
        QString text =
            parser.helpText() + QStringLiteral("\nQt's options, read by the window system:\n");
        for (const char* name : kQtOptionsWithValue) {
            text += QStringLiteral("  -%1 <value>\n").arg(QString::fromLatin1(name));
        }
        for (const char* name : kQtFlags) {
            text += QStringLiteral("  -%1\n").arg(QString::fromLatin1(name));
        }
        print(stdout, text);
        return 0;
    }
    if (parser.isSet(version)) {
        print(stdout, QStringLiteral("gelvor %1\n").arg(QString::fromLatin1(version::kText)));
        return 0;
    }
    return std::nullopt;
}

}  // namespace gelvor::ui
