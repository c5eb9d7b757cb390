#pragma once

#include <QString>
#include <string>
#include <string_view>

// QString and the UTF-8 of the plain layers, both ways and without loss: a
// lone surrogate, which a box may hold, keeps its own three-byte form where
// QString::toUtf8 would make it "?", and a leading U+FEFF stays where
// QString::fromUtf8 would drop it. Round trips give back the same QString.
namespace gelvor::qt {

std::string to_utf8(const QString& text);
QString to_qstring(std::string_view utf8);

}  // namespace gelvor::qt
