#pragma once

#include <QString>

namespace gelvor::cli {

// The cause of a file or write error in Spanish, in lower case: Qt and the C
// library name many causes in English only ("Read-only file system").
QString spanish_file_error(const QString& cause);

}  // namespace gelvor::cli
