#include "present/decimal_digits.h"

#include <charconv>
#include <cmath>

namespace gelvor {

DecimalDigits decimal_digits(double value) {
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
}

}  // namespace gelvor
