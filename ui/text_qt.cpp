#include "ui/text_qt.h"

#include "present/text_units.h"

namespace gelvor::qt {

std::string to_utf8(const QString& text) {
    return text::utf8_of(
        std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

QString to_qstring(std::string_view utf8) {
    const std::u16string units = text::utf16_units(utf8);
    return QString(reinterpret_cast<const QChar*>(units.data()),
                   static_cast<qsizetype>(units.size()));
}

}  // namespace gelvor::qt
