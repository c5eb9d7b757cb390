#include "present/number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "present/decimal_digits.h"
#include "present/text_units.h"

namespace gelvor {
namespace {

// Fixed notation for magnitudes in [1e-5, 1e15); an exponent outside.
constexpr int kSmallestFixedExponent = -5;
constexpr int kLargestFixedExponent = 14;

// Latin digits and the point as the locale writes them, its group separators
// put in between the integer part's groups.
std::string in_locale_digits(std::string_view digits, const NumberStyle& style) {
    const std::size_t point = std::min(digits.find('.'), digits.size());
    const DigitGrouping& g = style.grouping;
    std::string out;
    // Group separators go before these positions of the integer part,
    // counted from its first digit.
    std::string separators(point, '\0');
    if (style.groups_written) {
        for (int i = static_cast<int>(point) - g.least; i >= g.top && i < static_cast<int>(point);
             i -= std::max(g.higher, 1)) {
            separators[i] = 1;
        }
    }
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i < point && separators[i]) {
            out += style.group_separator;
        }
        if (digits[i] == '.') {
            out += style.decimal_point;
        } else {
            text::append_utf8(out, style.zero_digit + (digits[i] - '0'));
        }
    }
    return out;
}

}  // namespace

std::string general_number_text(double value, const NumberStyle& style) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0) {
        return "0";
    }
    const DecimalDigits d = decimal_digits(value);
    int significant = DecimalDigits::kCount;
    while (significant > 1 && d.digits[significant - 1] == '0') {
        --significant;
    }
    const auto digits = [&](int from, int to) {
        return std::string(d.digits.data() + from, d.digits.data() + to);
    };

    std::string out;
    if (d.negative) {
        out += '-';
    }
    if (d.exponent < kSmallestFixedExponent || d.exponent > kLargestFixedExponent) {
        out += d.digits[0];
        if (significant > 1) {
            out += style.decimal_point + digits(1, significant);
        }
        const int e = std::abs(d.exponent);
        out += d.exponent < 0 ? "E-" : "E+";
        out += (e < 10 ? "0" : "") + std::to_string(e);
        return out;
    }
    if (d.exponent < 0) {
        return out + "0" + style.decimal_point + std::string(-d.exponent - 1, '0') +
               digits(0, significant);
    }
    for (int i = 0; i <= d.exponent; ++i) {
        out += i < significant ? d.digits[i] : '0';
    }
    if (significant > d.exponent + 1) {
        out += style.decimal_point + digits(d.exponent + 1, significant);
    }
    return out;
}

std::string fixed_number_text(double value, int decimals, const NumberStyle& style) {
    if (std::isnan(value)) {
        return "nan";
    }
    const std::string sign = std::signbit(value) && value != 0 ? style.minus_sign : "";
    if (std::isinf(value)) {
        return sign + "inf";
    }
    return sign + in_locale_digits(fixed_digits(std::fabs(value), decimals), style);
}

}  // namespace gelvor
