#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "notebook/notebook_document.h"
#include "present/language.h"

// The teacher's seal on an assignment: an HMAC-SHA256 of its group,
// students and points under the teacher's key, and the key itself, random,
// kept in the teacher's user folder or in a file of the teacher's choosing.
namespace gelvor::classroom {

// The seal in hexadecimal.
std::string seal_of(const Assignment& assignment, const QByteArray& key);
// Whether the assignment's seal is the one the key gives.
bool seal_holds(const Assignment& assignment, const QByteArray& key);

// Where the teacher's key is kept when no file is named.
QString default_key_path();

struct KeyRead {
    std::optional<QByteArray> key;
    QString error;      // a sentence in `language`, when there is no key
    bool made = false;  // the file did not exist and was made now
};
// The key in `path`, made with 32 random bytes when the file does not exist
// (readable by its owner alone); a file that exists and holds no key is
// refused, never overwritten.
KeyRead read_or_make_key(const QString& path, Language language = Language::spanish);
// The key in `path`, never made: a review checks seals under the key that
// sealed them, and a new one would break them all.
KeyRead read_key(const QString& path, Language language = Language::spanish);

}  // namespace gelvor::classroom
