#include "present/box_reading.h"

#include <string>

#include "present/decimal_digits.h"
#include "present/text_units.h"

namespace gelvor {
namespace {

using text::is_high_surrogate;

// One character of the text as Qt takes it: one UTF-16 unit, or two when the
// first is a high surrogate (whatever follows it).
struct Token {
    std::u16string_view units;
    std::string utf8() const { return text::utf8_of(units); }
    char32_t code() const {
        return units.size() == 2
                   ? (char32_t(units[0]) << 10) + units[1] - 0x35FDC00  // as QChar::surrogateToUcs4
                   : units[0];
    }
};

bool is_one_of(std::string_view characters, std::string_view utf8) {
    for (std::size_t at = characters.find(utf8); at != std::string_view::npos;
         at = characters.find(utf8, at + 1)) {
        // A whole character: the next one starts right after it.
        const std::size_t end = at + utf8.size();
        if (end == characters.size() || (characters[end] & 0xC0) != 0x80) {
            return (characters[at] & 0xC0) != 0x80;
        }
    }
    return false;
}

// What a character is in the locale's numbers, as the C locale writes it:
// a digit, '+', '-', '.', ',' (a group separator) or 'e' (the exponent
// mark); 0 for anything else.
char classify(const Token& t, const NumberStyle& style) {
    const std::string c = t.utf8();
    if (c == style.plus_sign || c == "+") {
        return '+';
    }
    if (c == style.minus_sign || c == "-" || c == "\u2212") {
        return '-';
    }
    if (c == style.decimal_point) {
        return '.';
    }
    if (is_one_of(style.exponent_marks, c)) {
        return 'e';
    }
    if (c == style.group_separator) {
        return ',';
    }
    // Blanks that look like the locale's no-break group separator read as one.
    if ((style.group_separator == "\u00A0" || style.group_separator == "\u202F") && c == " ") {
        return ',';
    }
    const char32_t code = t.code();
    if (code >= style.zero_digit && code < style.zero_digit + 10) {
        return static_cast<char>('0' + (code - style.zero_digit));
    }
    if (code >= U'0' && code <= U'9') {
        return static_cast<char>(code);
    }
    return 0;
}

// The text in the C locale's characters, with its group separators checked
// against the locale's grouping and dropped; nothing if it cannot be a number.
std::optional<std::string> c_locale_text(std::u16string_view units, const NumberStyle& style) {
    std::size_t begin = 0, end = units.size();
    while (begin < end && text::is_space(units[begin])) ++begin;
    while (end > begin && text::is_space(units[end - 1])) --end;
    if (begin == end) {
        return std::nullopt;
    }
    constexpr std::ptrdiff_t kNone = -1;
    std::ptrdiff_t decimal_at = kNone, exponent_at = kNone, separator_at = kNone;
    bool digits_started = false;
    int digits_in_group = 0;
    const DigitGrouping& g = style.grouping;
    std::string out;
    const auto is_digit = [](char c) { return c >= '0' && c <= '9'; };

    std::size_t i = begin;
    while (i < end) {
        // A high surrogate takes the unit after it along, even past the end.
        const std::size_t size = is_high_surrogate(units[i]) ? 2 : 1;
        const Token token{units.substr(i, size)};
        const auto at = static_cast<std::ptrdiff_t>(i - begin);
        char c = classify(token, style);
        if (c == 0) {
            const bool letter_e = token.units.size() == 1 &&
                                  (token.units[0] == u'e' || token.units[0] == u'E') &&
                                  is_one_of(style.exponent_letters, token.utf8());
            if (!letter_e) {
                return std::nullopt;  // a character no number has
            }
            c = 'e';
        } else if (c == '.') {
            if (decimal_at != kNone || exponent_at != kNone) {
                return std::nullopt;
            }
            decimal_at = at;
        } else if (c == 'e') {
            exponent_at = at;
        }
        i += size;

        if (!digits_started && is_digit(c)) {
            digits_started = true;
            digits_in_group = 1;
        } else if (c == ',') {
            // Group separators stand in the integer part only, between groups
            // of the locale's sizes.
            if (decimal_at != kNone || exponent_at != kNone || !digits_started) {
                return std::nullopt;
            }
            if (separator_at == kNone
                    ? digits_in_group < g.top || digits_in_group >= g.top + g.higher
                    : digits_in_group != g.higher) {
                return std::nullopt;
            }
            separator_at = at;
            digits_in_group = 0;
            continue;
        } else if (c == '.' || at == exponent_at) {
            if (separator_at != kNone) {
                if (digits_in_group != g.least) {
                    return std::nullopt;
                }
                separator_at = kNone;
            }
        } else if (digits_started && is_digit(c)) {
            ++digits_in_group;
        }
        out += c;
    }
    if (i != end) {
        return std::nullopt;  // a high surrogate at the end
    }
    if (separator_at != kNone && digits_in_group != g.least) {
        return std::nullopt;  // the last group is not whole
    }
    return out;
}

// [+-] (digits [. digits*] | . digits) [e [+-] digits], as the C locale writes a number.
bool well_formed(std::string_view s) {
    std::size_t i = 0;
    const auto digits = [&] {
        const std::size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        return i - from;
    };
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    std::size_t mantissa = digits();
    if (i < s.size() && s[i] == '.') {
        ++i;
        mantissa += digits();
    }
    if (mantissa == 0) {
        return false;
    }
    if (i < s.size() && s[i] == 'e') {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            ++i;
        if (digits() == 0) {
            return false;
        }
    }
    return i == s.size();
}

}  // namespace

std::optional<double> read_box_number(std::string_view text, const NumberStyle& style) {
    const std::u16string units = text::utf16_units(text);
    const std::optional<std::string> c_text = c_locale_text(units, style);
    if (!c_text || !well_formed(*c_text)) {
        return std::nullopt;
    }
    return c_number(*c_text);
}

}  // namespace gelvor
