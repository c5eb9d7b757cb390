#pragma once

#include <QString>

#include "present/language.h"

namespace gelvor::cli {

using Language = gelvor::Language;

// The cause of a file or write error in Spanish, in lower case: Qt and the C
// library name many causes in English only ("Read-only file system").
QString spanish_file_error(const QString& cause);

// The cause in the language of the message around it: Spanish as above,
// English as Qt and the C library give it.
QString file_error(const QString& cause, Language language);

}  // namespace gelvor::cli
