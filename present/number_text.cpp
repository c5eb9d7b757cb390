#include "present/number_text.h"

#include <cmath>

#include "present/decimal_digits.h"

namespace gelvor {
namespace {

// Fixed notation for magnitudes in [1e-5, 1e15); an exponent outside.
constexpr int kSmallestFixedExponent = -5;
constexpr int kLargestFixedExponent = 14;

}  // namespace

QString general_number_text(double value, QChar decimal_separator) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0) {
        return QStringLiteral("0");
    }
    const DecimalDigits d = decimal_digits(value);
    int significant = DecimalDigits::kCount;
    while (significant > 1 && d.digits[significant - 1] == '0') {
        --significant;
    }
    const auto digit = [&](int i) { return QChar(QLatin1Char(d.digits[i])); };

    QString out;
    if (d.negative) {
        out += u'-';
    }
    if (d.exponent < kSmallestFixedExponent || d.exponent > kLargestFixedExponent) {
        out += digit(0);
        if (significant > 1) {
            out += decimal_separator;
            for (int i = 1; i < significant; ++i) {
                out += digit(i);
            }
        }
        out += d.exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
        const int e = std::abs(d.exponent);
        out += QString::number(e).rightJustified(2, u'0');
        return out;
    }
    if (d.exponent < 0) {
        out += u'0';
        out += decimal_separator;
        out += QString(-d.exponent - 1, u'0');
        for (int i = 0; i < significant; ++i) {
            out += digit(i);
        }
        return out;
    }
    for (int i = 0; i <= d.exponent; ++i) {
        out += i < significant ? digit(i) : QChar(u'0');
    }
    if (significant > d.exponent + 1) {
        out += decimal_separator;
        for (int i = d.exponent + 1; i < significant; ++i) {
            out += digit(i);
        }
    }
    return out;
}

}  // namespace gelvor
