#include "present/decimal_digits.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <version>

#if defined(__cpp_lib_to_chars)
#include <charconv>
#endif

namespace gelvor {
namespace {

constexpr int kMaxDecimals = 40;
// Room for the largest double's 309 digits, a point and the decimals.
using FixedBuffer = char[320 + kMaxDecimals];

// printf's decimal point is the C library locale's, which need not be "."
// nor one byte: the digits are taken around it.
std::string digits_around_point(std::string_view printed, int decimals) {
    std::string digits;
    for (char c : printed) {
        if (c >= '0' && c <= '9') {
            digits += c;
        }
    }
    if (decimals > 0) {
        digits.insert(digits.size() - decimals, 1, '.');
    }
    return digits;
}

// "12.95" rounded up at its last digit, which goes: "13.0".
std::string rounded_up_without_last(std::string s) {
    s.pop_back();
    if (s.back() == '.') {
        s.pop_back();
    }
    for (int i = static_cast<int>(s.size()) - 1; i >= 0; --i) {
        if (s[i] == '.') {
            continue;
        }
        if (s[i] != '9') {
            ++s[i];
            return s;
        }
        s[i] = '0';
    }
    return '1' + s;
}

// The C library rounds an exact half to even, Qt rounds it up. An exact half
// at `decimals` places is a magnitude whose lowest binary digit is worth
// 2^-(decimals + 1).
template <class Printed>
std::string halves_up(double magnitude, int decimals, Printed printed) {
    decimals = std::clamp(decimals, 0, kMaxDecimals - 1);
    if (magnitude < 0x1p52 && std::fmod(std::ldexp(magnitude, decimals + 1), 2.0) == 1.0) {
        return rounded_up_without_last(printed(magnitude, decimals + 1));
    }
    return printed(magnitude, decimals);
}

std::string printf_fixed(double magnitude, int decimals) {
    FixedBuffer buf;
    const int size = std::snprintf(buf, sizeof buf, "%.*f", decimals, magnitude);
    return digits_around_point(std::string_view(buf, static_cast<std::size_t>(size)), decimals);
}

// The displays' numbers, from 1e-12 to below 1e15, by whole-number
// arithmetic: x = m 2^e times 10^k is m 5^k 2^(e + k), exact in 128 bits
// for k up to 27, then rounded at the binary point, halves to even as the C
// library and std::to_chars round them. Some ten times quicker than either.
__extension__ using Wide = unsigned __int128;

constexpr int kMaxScale = 27;  // 5^27 < 2^64
constexpr std::array<std::uint64_t, kMaxScale + 1> kPowersOfFive = [] {
    std::array<std::uint64_t, kMaxScale + 1> p{};
    p[0] = 1;
    for (int k = 1; k <= kMaxScale; ++k) {
        p[k] = p[k - 1] * 5;
    }
    return p;
}();

constexpr std::uint64_t kSmallest15Digits = 100'000'000'000'000;
constexpr std::uint64_t kBeyond15Digits = 1'000'000'000'000'000;

// m 2^e 10^k rounded to a whole number, for 0 <= k <= 27.
std::uint64_t scaled_and_rounded(std::uint64_t m, int e, int k) {
    const Wide product = static_cast<Wide>(m) * kPowersOfFive[k];
    const int shift = e + k;
    if (shift >= 0) {
        return static_cast<std::uint64_t>(product << shift);
    }
    const int s = -shift;
    const Wide whole = product >> s, rest = product - (whole << s), half = Wide(1) << (s - 1);
    const bool up = rest > half || (rest == half && (whole & 1) != 0);
    return static_cast<std::uint64_t>(whole) + (up ? 1 : 0);
}

}  // namespace

std::optional<WholeDigits> whole_digits(double value) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-12 && magnitude < 1e15)) {
        return std::nullopt;
    }
    std::uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int e = biased - 1075;
    // floor(log2(x) log10(2)): the decimal exponent or one below it.
    int exponent = ((biased - 1023) * 78913) >> 18;
    std::uint64_t n = scaled_and_rounded(m, e, DecimalDigits::kCount - 1 - exponent);
    if (n >= kBeyond15Digits) {  // one below, or rounded up to the next power of 10
        ++exponent;
        // Just below 1e15, rounded up to it: beyond the whole numbers' reach.
        if (exponent >= DecimalDigits::kCount)
            return std::nullopt;
        n = scaled_and_rounded(m, e, DecimalDigits::kCount - 1 - exponent);
    }
    if (n < kSmallest15Digits || n >= kBeyond15Digits) {
        return std::nullopt;
    }
    return WholeDigits{n, exponent};
}

DecimalDigits decimal_digits(double value) {
    if (const auto whole = whole_digits(value)) {
        DecimalDigits d;
        d.negative = value < 0;
        d.exponent = whole->exponent;
        // Two halves of 7 and 8 digits, each its own chain of divisions.
        std::uint64_t high = whole->digits / 100'000'000, low = whole->digits % 100'000'000;
        for (int i = DecimalDigits::kCount - 1; i >= 7; --i, low /= 10) {
            d.digits[i] = static_cast<char>('0' + low % 10);
        }
        for (int i = 6; i >= 0; --i, high /= 10) {
            d.digits[i] = static_cast<char>('0' + high % 10);
        }
        return d;
    }
#if defined(__cpp_lib_to_chars)
    DecimalDigits d;
    d.negative = value < 0;
    // "d.dddddddddddddde±XX": one digit, the point, 14 digits, the exponent.
    char buf[32];
    const auto end = std::to_chars(buf, buf + sizeof buf, std::fabs(value),
                                   std::chars_format::scientific, DecimalDigits::kCount - 1)
                         .ptr;
    d.digits[0] = buf[0];
    for (int i = 1; i < DecimalDigits::kCount; ++i) {
        d.digits[i] = buf[i + 1];
    }
    const char* exponent = buf + DecimalDigits::kCount + 2;  // past "e"
    if (*exponent == '+') {
        ++exponent;
    }
    std::from_chars(exponent, end, d.exponent);
    return d;
#else
    return decimal_digits_by_printf(value);
#endif
}

std::string fixed_digits(double magnitude, int decimals) {
#if defined(__cpp_lib_to_chars)
    return halves_up(magnitude, decimals, [](double m, int places) {
        FixedBuffer buf;
        const auto end =
            std::to_chars(buf, buf + sizeof buf, m, std::chars_format::fixed, places).ptr;
        return std::string(buf, end);
    });
#else
    return fixed_digits_by_printf(magnitude, decimals);
#endif
}

DecimalDigits decimal_digits_by_printf(double value) {
    DecimalDigits d;
    d.negative = value < 0;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", DecimalDigits::kCount - 1, std::fabs(value));
    const char* e = std::strchr(buf, 'e');
    const std::string digits = digits_around_point(std::string_view(buf, e - buf), 0);
    std::copy_n(digits.begin(), DecimalDigits::kCount, d.digits.begin());
    d.exponent = std::atoi(e + 1);
    return d;
}

std::string fixed_digits_by_printf(double magnitude, int decimals) {
    return halves_up(magnitude, decimals, printf_fixed);
}

std::optional<double> c_number(std::string_view text) {
#if defined(__cpp_lib_to_chars)
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;  // out of range either way, or not a number
    }
    return value;
#else
    return c_number_by_strtod(text);
#endif
}

// strtod reads with the C library's locale, which is the C locale where this
// is used. It accepts more forms than these texts have ("inf", "0x1p3").
std::optional<double> c_number_by_strtod(std::string_view text) {
    const std::string s(text);
    char* end = nullptr;
    const double value = std::strtod(s.c_str(), &end);
    const bool not_zero = s.find_first_of("123456789") < s.find_first_of("eE");
    if (end != s.c_str() + s.size() || !std::isfinite(value) || (value == 0 && not_zero)) {
        return std::nullopt;
    }
    return value;
}

}  // namespace gelvor
