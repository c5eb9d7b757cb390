#include "classroom/seal.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QStandardPaths>

#include "cli/file_error.h"
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

KeyRead read_or_make_key(const QString& path) {
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            return {std::nullopt, QStringLiteral("No se pudo leer la clave del profesor «%1»: %2.")
                                      .arg(QDir::toNativeSeparators(path),
                                           cli::spanish_file_error(file.errorString()))};
        const auto key = key_in(file.read(4 * kKeyBytes));
        if (!key)
            return {std::nullopt, QStringLiteral("«%1» no es una clave del profesor de Gelvor.")
                                      .arg(QDir::toNativeSeparators(path))};
        return {key, {}};
    }
    QByteArray key(kKeyBytes, '\0');
    for (char& byte : key) byte = static_cast<char>(QRandomGenerator::system()->bounded(256));
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly) ||
        !out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        out.write(key.toHex() + '\n') != 2 * kKeyBytes + 1 || !out.commit()) {
        return {std::nullopt, QStringLiteral("No se pudo guardar la clave del profesor «%1»: %2.")
                                  .arg(QDir::toNativeSeparators(path),
                                       cli::spanish_file_error(out.errorString()))};
    }
    return {key, {}, true};
}

}  // namespace gelvor::classroom
