#pragma once

#include <string>
#include <string_view>

// The desktop's boxes hold UTF-16 text, and Qt reads and quotes it unit by
// unit. Box texts reach this layer as UTF-8, a lone surrogate in its own
// three-byte form (as the window's boxes may hold one), so that the readings
// and messages made from them here are the window's to the byte.
namespace gelvor::text {

// The UTF-16 units of a UTF-8 text; each byte of a malformed sequence is one
// U+FFFD.
std::u16string utf16_units(std::string_view utf8);

// Appends one code point, or a lone surrogate in its three-byte form.
void append_utf8(std::string& out, char32_t code);

// UTF-16 units back to UTF-8: pairs as one character, lone surrogates alone.
std::string utf8_of(std::u16string_view units);

// Qt's white space (QChar::isSpace): what surrounds a number harmlessly.
bool is_space(char16_t unit);

// Control and format characters of the Basic Multilingual Plane, which a
// message shows as U+FFFD rather than let them act on the line.
bool is_control_or_format(char16_t unit);

inline bool is_high_surrogate(char16_t u) {
    return (u & 0xFC00) == 0xD800;
}
inline bool is_low_surrogate(char16_t u) {
    return (u & 0xFC00) == 0xDC00;
}

}  // namespace gelvor::text
