#include "cli/message_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace gelvor::cli {

Language message_language() {
    const QStringList languages = QLocale::system().uiLanguages();
    return !languages.isEmpty() && languages.front().startsWith(QLatin1String("es"))
               ? Language::spanish
               : Language::english;
}

QString say(Language language, const char* spanish, const char* english) {
    return QString::fromUtf8(language == Language::spanish ? spanish : english);
}

void translate_parser(QCoreApplication* app, Language language) {
    if (language != Language::spanish)
        return;
    auto* qt = new QTranslator(app);
    if (qt->load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                 QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
}

}  // namespace gelvor::cli
