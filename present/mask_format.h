#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>

#include "present/number_style.h"

namespace gelvor {

// Formats a number with one of the displays' masks (UTF-8): "#"/"0" integer
// placeholders, "." and "0" decimal placeholders, then a suffix copied as it
// stands ("%" anywhere scales the value by 100). The integer part is never
// truncated; halves round away from zero; a value that rounds to zero is
// written without a sign. A non-finite value gives the empty text. Only the
// style's decimal point is used: the digits are always Latin, never grouped.
std::string format_with_mask(double value, std::string_view mask, const NumberStyle& style);

// A mask read once, at compile time for a constant one, for the displays
// that format with the same mask on every pass.
struct ParsedMask {
    // Masks carry one or two decimals; beyond this many, extra placeholders
    // are ignored, which bounds the digits of any text.
    static constexpr int kMaxDecimals = 40;
    // A suffix this long or shorter is also kept at the end of a block of
    // this size, which the formatter copies whole: quicker than a copy of
    // its own length.
    static constexpr std::size_t kSuffixBlock = 24;

    bool zero_before_point = false;  // last integer placeholder is "0"
    int decimals = 0;
    bool percent = false;
    std::string_view suffix;
    std::array<char, kSuffixBlock> suffix_block{};  // the suffix at its end

    constexpr ParsedMask() = default;
    constexpr explicit ParsedMask(std::string_view mask) {
        std::size_t i = 0;
        while (i < mask.size() && (mask[i] == '#' || mask[i] == '0')) {
            zero_before_point = mask[i] == '0';
            ++i;
        }
        if (i < mask.size() && mask[i] == '.') {
            ++i;
            while (i < mask.size() && (mask[i] == '0' || mask[i] == '#')) {
                decimals = std::min(decimals + 1, kMaxDecimals);
                ++i;
            }
        }
        suffix = mask.substr(i);
        percent = mask.find('%') != std::string_view::npos;
        if (suffix.size() <= kSuffixBlock) {
            std::copy(suffix.begin(), suffix.end(), suffix_block.end() - suffix.size());
        }
    }
};

std::string format_with_mask(double value, const ParsedMask& mask, const NumberStyle& style);
// The same text into `out`, replacing what it held.
void format_with_mask(double value, const ParsedMask& mask, const NumberStyle& style,
                      std::string& out);

}  // namespace gelvor
