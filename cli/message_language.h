#pragma once

#include <QString>

#include "present/language.h"

class QCoreApplication;

// The programs speak Spanish to a Spanish-speaking user and English to
// everyone else, on the command line: help, usage errors and messages. The
// window itself is always in Spanish.
namespace gelvor::cli {

using Language = gelvor::Language;

// From the user's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
Language message_language();

// The text for the language: `spanish` or `english`, both UTF-8.
QString say(Language language, const char* spanish, const char* english);

// Qt's own texts of the command line parser ("Uso:", "Opciones:", an
// unknown option) in Spanish for a Spanish-speaking user; nothing to do for
// English, Qt's own language.
void translate_parser(QCoreApplication* app, Language language);

}  // namespace gelvor::cli
