#include "classroom/seal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QStandardPaths>

#include "cli/file_error.h"
#include "cli/message_language.h"
#include "notebook/assignment.h"

namespace gelvor::classroom {
namespace {

constexpr qsizetype kKeyBytes = 32;

// A key file holds the key in hexadecimal and a line end, nothing else.
std::optional<QByteArray> key_in(const QByteArray& file) {
    const QByteArray text = file.trimmed();
    const QByteArray key = QByteArray::fromHex(text);
    if (text.size() != 2 * kKeyBytes || key.size() != kKeyBytes || key.toHex() != text.toLower())
        return std::nullopt;
    return key;
}

}  // namespace

std::string seal_of(const Assignment& a, const QByteArray& key) {
    return QMessageAuthenticationCode::hash(QByteArray::fromStdString(sealed_text(a)), key,
                                            QCryptographicHash::Sha256)
        .toHex()
        .toStdString();
}

bool seal_holds(const Assignment& a, const QByteArray& key) {
    const QByteArray given = QByteArray::fromStdString(a.seal);
    const QByteArray expected = QByteArray::fromStdString(seal_of(a, key));
    // Every byte compared, so that the time taken tells nothing of where they differ.
    if (given.size() != expected.size())
        return false;
    unsigned char differ = 0;
    for (qsizetype i = 0; i < given.size(); ++i)
        differ |= static_cast<unsigned char>(given[i] ^ expected[i]);
    return differ == 0;
}

QString default_key_path() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Gelvor/clave-del-profesor");
}

KeyRead read_key(const QString& path, Language language) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.exists())
        return {std::nullopt, cli::say(language, "No existe la clave del profesor «%1».",
                                       "The teacher's key \"%1\" does not exist.")
                                  .arg(shown)};
    if (!file.open(QIODevice::ReadOnly))
        return {std::nullopt, cli::say(language, "No se pudo leer la clave del profesor «%1»: %2.",
                                       "Cannot read the teacher's key \"%1\": %2.")
                                  .arg(shown, cli::file_error(file.errorString(), language))};
    const auto key = key_in(file.read(4 * kKeyBytes));
    if (!key)
        return {std::nullopt, cli::say(language, "«%1» no es una clave del profesor de Gelvor.",
                                       "\"%1\" is not a Gelvor teacher's key.")
                                  .arg(shown)};
    return {key, {}};
}

KeyRead read_or_make_key(const QString& path, Language language) {
    if (QFile::exists(path))
        return read_key(path, language);
    QByteArray key(kKeyBytes, '\0');
    for (char& byte : key) byte = static_cast<char>(QRandomGenerator::system()->bounded(256));
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Made readable by its owner alone from the start: a file made first and
    // restricted after could be opened by another user in between. A file
    // that appears meanwhile is not overwritten.
    QFile out(path);
    const bool written = out.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner) &&
                         out.write(key.toHex() + '\n') == 2 * kKeyBytes + 1 && out.flush();
    if (!written) {
        const QString cause = out.errorString();
        if (out.isOpen())
            out.remove();
        return {std::nullopt,
                cli::say(language, "No se pudo guardar la clave del profesor «%1»: %2.",
                         "Cannot save the teacher's key \"%1\": %2.")
                    .arg(QDir::toNativeSeparators(path), cli::file_error(cause, language))};
    }
    return {key, {}, true};
}

}  // namespace gelvor::classroom
