#include "present/mask_format.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "present/decimal_digits.h"

namespace gelvor {
namespace {

constexpr int kMaxDecimals = ParsedMask::kMaxDecimals;

// The magnitude's digits rounded to `decimals` places, halves away from zero:
// an integer digit string whose last `decimals` digits are the fraction, with
// at least one digit before them. Room for the largest double's 309 digits,
// the decimals, a carry and leading zeros.
class RoundedDigits {
  public:
    RoundedDigits(const DecimalDigits& d, int decimals) {
        const int kept = d.exponent + 1 + decimals;  // significant digits that survive
        const int take = std::clamp(kept, 0, DecimalDigits::kCount);
        begin_ = buf_ + kHeadRoom;
        std::copy_n(d.digits.begin(), take, begin_);
        std::fill_n(begin_ + take, std::max(kept - take, 0), '0');
        end_ = begin_ + std::max(kept, 0);
        if (kept >= 0 && kept < DecimalDigits::kCount && d.digits[kept] >= '5') {
            char* p = end_ - 1;
            for (; p >= begin_ && *p == '9'; --p) {
                *p = '0';
            }
            if (p >= begin_) {
                ++*p;
            } else {
                *--begin_ = '1';
            }
        }
        while (end_ - begin_ <= decimals) {
            *--begin_ = '0';
        }
    }
    const char* begin() const { return begin_; }
    const char* end() const { return end_; }

  private:
    static constexpr int kHeadRoom = kMaxDecimals + 2;
    char buf_[kHeadRoom + 310 + kMaxDecimals];
    char* begin_;
    char* end_;
};

// Writes v's decimal digits ending at `end`, `count` of them (zeros in
// front as needed) or, when count is not positive, all of them; returns
// where they begin.
char* digits_before(char* end, std::uint64_t v, int count) {
    do {
        *--end = static_cast<char>('0' + v % 10);
        v /= 10;
    } while (--count > 0 || (count < 0 && v != 0));
    return end;
}

// v / 10^k, k from 0 to 15: each divisor a constant, which the compiler
// turns into a multiplication, where a divisor known only at run time
// costs a slow division.
std::uint64_t divided_by_power_of_ten(std::uint64_t v, int k) {
    switch (k) {
        case 0:
            return v;
        case 1:
            return v / 10;
        case 2:
            return v / 100;
        case 3:
            return v / 1'000;
        case 4:
            return v / 10'000;
        case 5:
            return v / 100'000;
        case 6:
            return v / 1'000'000;
        case 7:
            return v / 10'000'000;
        case 8:
            return v / 100'000'000;
        case 9:
            return v / 1'000'000'000;
        case 10:
            return v / 10'000'000'000;
        case 11:
            return v / 100'000'000'000;
        case 12:
            return v / 1'000'000'000'000;
        case 13:
            return v / 10'000'000'000'000;
        case 14:
            return v / 100'000'000'000'000;
        default:
            return v / 1'000'000'000'000'000;
    }
}
constexpr std::uint64_t kPowersOfTen[] = {1,
                                          10,
                                          100,
                                          1'000,
                                          10'000,
                                          100'000,
                                          1'000'000,
                                          10'000'000,
                                          100'000'000,
                                          1'000'000'000,
                                          10'000'000'000,
                                          100'000'000'000,
                                          1'000'000'000'000,
                                          10'000'000'000'000,
                                          100'000'000'000'000,
                                          1'000'000'000'000'000};

// The displays' own case, by far the most common: a value whose 15 digits
// are one whole number and a mask of a few decimals. The value times
// 10^decimals rounded as RoundedDigits rounds it (on the first digit
// dropped, halves up), as a whole number; nothing in other cases.
constexpr int kMaxWholeDecimals = 3;
std::optional<std::uint64_t> rounded_whole(double scaled, int decimals) {
    const auto whole = whole_digits(scaled);
    if (!whole || decimals > kMaxWholeDecimals) {
        return std::nullopt;
    }
    const int kept = whole->exponent + 1 + decimals;  // below 15 + 4: fits 64 bits
    if (kept < 0) {
        return 0;
    }
    if (kept >= DecimalDigits::kCount) {
        return whole->digits * kPowersOfTen[kept - DecimalDigits::kCount];
    }
    const int dropped = DecimalDigits::kCount - kept;
    const std::uint64_t kept_digits = divided_by_power_of_ten(whole->digits, dropped);
    const std::uint64_t rest = whole->digits - kept_digits * kPowersOfTen[dropped];
    return kept_digits + (rest >= kPowersOfTen[dropped] / 2 ? 1 : 0);
}

}  // namespace

std::string format_with_mask(double value, std::string_view mask, const NumberStyle& style) {
    return format_with_mask(value, ParsedMask(mask), style);
}

std::string format_with_mask(double value, const ParsedMask& m, const NumberStyle& style) {
    std::string out;
    format_with_mask(value, m, style, out);
    return out;
}

void format_with_mask(double value, const ParsedMask& m, const NumberStyle& style,
                      std::string& out) {
    out.clear();
    const double scaled = m.percent ? value * 100 : value;
    if (!std::isfinite(scaled)) {
        return;
    }
    const std::string& point_text = style.decimal_point;
    const auto rounded = rounded_whole(scaled, m.decimals);
    if (rounded && m.suffix.size() <= ParsedMask::kSuffixBlock && point_text.size() <= 8) {
        // Written backwards from the end of a buffer: suffix, decimals,
        // point, integer part (at most 19 digits), sign.
        char buf[ParsedMask::kSuffixBlock + 8 + 24];
        char* const end = buf + sizeof buf;
        std::copy(m.suffix_block.begin(), m.suffix_block.end(), end - ParsedMask::kSuffixBlock);
        char* at = end - m.suffix.size();
        const std::uint64_t integer = divided_by_power_of_ten(*rounded, m.decimals);
        if (m.decimals > 0) {
            at = digits_before(at, *rounded - integer * kPowersOfTen[m.decimals], m.decimals);
            for (std::size_t i = point_text.size(); i > 0; --i) {  // mostly one byte
                *--at = point_text[i - 1];
            }
        }
        if (integer > 0) {
            at = digits_before(at, integer, -1);
        } else if (m.zero_before_point) {
            *--at = '0';
        }
        if (scaled < 0 && *rounded != 0) {
            *--at = '-';  // a value that rounds to zero keeps no sign
        }
        out.assign(at, end);
        return;
    }
    const RoundedDigits digits(decimal_digits(scaled), m.decimals);
    const char* point = digits.end() - m.decimals;
    const char* first = std::find_if(digits.begin(), digits.end(), [](char c) { return c != '0'; });

    out.reserve((digits.end() - digits.begin()) + m.suffix.size() + 4);
    if (scaled < 0 && first != digits.end()) {
        out += '-';  // a value that rounds to zero keeps no sign
    }
    if (first < point) {
        out.append(first, point);
    } else if (m.zero_before_point) {
        out += '0';
    }
    if (m.decimals > 0) {
        out += point_text;
        out.append(point, m.decimals);
    }
    out += m.suffix;
}

}  // namespace gelvor
