#include "present/mask_format.h"

#include <cmath>
#include <string>

#include "present/decimal_digits.h"

namespace gelvor {
namespace {

struct Mask {
    bool zero_before_point = false;  // last integer placeholder is "0"
    int decimals = 0;
    bool percent = false;
    QStringView suffix;
};

Mask parse_mask(QStringView mask) {
    Mask m;
    qsizetype i = 0;
    while (i < mask.size() && (mask[i] == u'#' || mask[i] == u'0')) {
        m.zero_before_point = mask[i] == u'0';
        ++i;
    }
    if (i < mask.size() && mask[i] == u'.') {
        ++i;
        while (i < mask.size() && (mask[i] == u'0' || mask[i] == u'#')) {
            ++m.decimals;
            ++i;
        }
    }
    m.suffix = mask.mid(i);
    m.percent = mask.contains(u'%');
    return m;
}

// The magnitude's digits rounded to `decimals` places, halves away from zero,
// as an integer digit string whose last `decimals` digits are the fraction.
std::string rounded_digits(const DecimalDigits& d, int decimals) {
    const int kept = d.exponent + 1 + decimals;  // significant digits that survive
    std::string out;
    if (kept < 0) {
        return std::string(static_cast<std::size_t>(decimals) + 1, '0');
    }
    const int take = kept < DecimalDigits::kCount ? kept : DecimalDigits::kCount;
    out.assign(d.digits.begin(), d.digits.begin() + take);
    out.append(static_cast<std::size_t>(kept - take), '0');
    if (kept < DecimalDigits::kCount && d.digits[kept] >= '5') {
        int i = kept - 1;
        for (; i >= 0 && out[i] == '9'; --i) {
            out[i] = '0';
        }
        if (i >= 0) {
            ++out[i];
        } else {
            out.insert(out.begin(), '1');
        }
    }
    // Room for at least one integer digit before the fraction.
    if (static_cast<int>(out.size()) <= decimals) {
        out.insert(0, static_cast<std::size_t>(decimals) + 1 - out.size(), '0');
    }
    return out;
}

}  // namespace

QString format_with_mask(double value, QStringView mask, QChar decimal_separator) {
    const Mask m = parse_mask(mask);
    const double scaled = m.percent ? value * 100 : value;
    if (!std::isfinite(scaled)) {
        return {};
    }
    const std::string digits = rounded_digits(decimal_digits(scaled), m.decimals);
    const auto integer_length = digits.size() - static_cast<std::size_t>(m.decimals);
    const bool integer_is_zero = digits.find_first_not_of('0') >= integer_length;
    const bool is_zero = digits.find_first_not_of('0') == std::string::npos;

    QString out;
    out.reserve(static_cast<qsizetype>(digits.size()) + m.suffix.size() + 3);
    if (scaled < 0 && !is_zero) {
        out += u'-';
    }
    if (!integer_is_zero) {
        const auto first = digits.find_first_not_of('0');
        out += QLatin1StringView(digits.data() + first, integer_length - first);
    } else if (m.zero_before_point) {
        out += u'0';
    }
    if (m.decimals > 0) {
        out += decimal_separator;
        out += QLatin1StringView(digits.data() + integer_length, m.decimals);
    }
    out += m.suffix;
    return out;
}

}  // namespace gelvor
