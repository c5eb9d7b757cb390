#include "cli/file_error.h"

namespace gelvor::cli {

QString spanish_file_error(const QString& qt_error) {
    static const char* const kCauses[][2] = {
        {"Permission denied", "permiso denegado"},
        {"No such file or directory", "no existe el archivo o la carpeta"},
        {"Read-only file system", "el sistema de archivos es de solo lectura"},
        {"No space left on device", "no queda espacio en el disco"},
        {"Disk quota exceeded", "se ha agotado la cuota de disco"},
        {"Is a directory", "es una carpeta"},
        {"Not a directory", "una parte de la ruta no es una carpeta"},
        {"File name too long", "el nombre del archivo es demasiado largo"},
        {"Input/output error", "error de entrada o salida del disco"},
        {"Too many open files", "hay demasiados archivos abiertos"},
        {"Operation not permitted", "operación no permitida"},
        {"File too large", "el archivo es demasiado grande"},
    };
    for (const auto& [english, spanish] : kCauses) {
        if (qt_error.contains(QLatin1String(english), Qt::CaseInsensitive))
            return QString::fromUtf8(spanish);
    }
    // Qt's own translation, or a cause we do not know: as it comes, in lower case.
    QString cause = qt_error.isEmpty() ? QStringLiteral("error desconocido") : qt_error;
    cause[0] = cause[0].toLower();
    return cause;
}

QString file_error(const QString& cause, Language language) {
    return language == Language::spanish ? spanish_file_error(cause) : cause;
}

}  // namespace gelvor::cli
