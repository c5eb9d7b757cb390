#include "present/text_units.h"

#include <algorithm>
#include <iterator>

namespace gelvor::text {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

struct Range {
    char16_t first, last;
};

// Unicode 14's Zs, Zl and Zp with the C0 blanks and NEL, as QChar::isSpace.
constexpr Range kSpaces[] = {{0x0009, 0x000D}, {0x0020, 0x0020}, {0x0085, 0x0085}, {0x00A0, 0x00A0},
                             {0x1680, 0x1680}, {0x2000, 0x200A}, {0x2028, 0x2029}, {0x202F, 0x202F},
                             {0x205F, 0x205F}, {0x3000, 0x3000}};

// Unicode 14's Cc and the BMP's Cf, as QChar::category gives them.
constexpr Range kControlOrFormat[] = {
    {0x0000, 0x001F}, {0x007F, 0x009F}, {0x00AD, 0x00AD}, {0x0600, 0x0605},
    {0x061C, 0x061C}, {0x06DD, 0x06DD}, {0x070F, 0x070F}, {0x0890, 0x0891},
    {0x08E2, 0x08E2}, {0x180E, 0x180E}, {0x200B, 0x200F}, {0x202A, 0x202E},
    {0x2060, 0x2064}, {0x2066, 0x206F}, {0xFEFF, 0xFEFF}, {0xFFF9, 0xFFFB}};

template <std::size_t N>
bool in(const Range (&table)[N], char16_t u) {
    const auto after = std::upper_bound(std::begin(table), std::end(table), u,
                                        [](char16_t v, const Range& r) { return v < r.first; });
    return after != std::begin(table) && u <= std::prev(after)->last;
}

// The length of the sequence that `lead` starts, 0 for a byte no sequence starts with.
int sequence_length(unsigned char lead) {
    return lead < 0x80   ? 1
           : lead < 0xC2 ? 0
           : lead < 0xE0 ? 2
           : lead < 0xF0 ? 3
           : lead < 0xF5 ? 4
                         : 0;
}

// The code point of a well-formed sequence, or -1. Surrogates are well
// formed here: that is how a lone one travels.
long decode(const unsigned char* s, int length) {
    if (length == 1) {
        return s[0];
    }
    long code = s[0] & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((s[i] & 0xC0) != 0x80) {
            return -1;
        }
        code = (code << 6) | (s[i] & 0x3F);
    }
    constexpr long kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    return code < kLeast[length] || code > 0x10FFFF ? -1 : code;
}

}  // namespace

std::u16string utf16_units(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    const auto* s = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t n = utf8.size();
    for (std::size_t i = 0; i < n;) {
        const int length = sequence_length(s[i]);
        const long code = length > 0 && i + length <= n ? decode(s + i, length) : -1;
        if (code < 0) {
            out += kReplacement;
            ++i;
        } else if (code >= 0x10000) {
            out += static_cast<char16_t>(0xD7C0 + (code >> 10));
            out += static_cast<char16_t>(0xDC00 | (code & 0x3FF));
            i += length;
        } else {
            out += static_cast<char16_t>(code);
            i += length;
        }
    }
    return out;
}

void append_utf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::string utf8_of(std::u16string_view units) {
    std::string out;
    out.reserve(units.size());
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char16_t u = units[i];
        if (is_high_surrogate(u) && i + 1 < units.size() && is_low_surrogate(units[i + 1])) {
            append_utf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (units[++i] - 0xDC00));
        } else {
            append_utf8(out, u);
        }
    }
    return out;
}

bool is_space(char16_t unit) {
    return in(kSpaces, unit);
}

bool is_control_or_format(char16_t unit) {
    return in(kControlOrFormat, unit);
}

}  // namespace gelvor::text
