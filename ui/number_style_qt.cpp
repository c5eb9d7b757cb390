#include "ui/number_style_qt.h"

#include <QStringList>
#include <optional>
#include <string>
#include <utility>

#include "present/text_units.h"
#include "ui/text_qt.h"

namespace gelvor::qt {
namespace {

int characters(const QString& s) {
    return static_cast<int>(s.toUcs4().size());
}

// Qt has no getter for a locale's group sizes: they are read off the
// numbers it writes, with group separators whatever its options say.
DigitGrouping grouping_of(QLocale locale) {
    DigitGrouping g;
    locale.setNumberOptions(QLocale::DefaultNumberOptions);
    const QString separator = locale.groupSeparator();
    if (separator.isEmpty()) {
        return g;
    }
    const QStringList groups = locale.toString(1e18, 'f', 0).split(separator);
    if (groups.size() < 3) {
        return g;
    }
    g.least = characters(groups.back());
    g.higher = characters(groups[groups.size() - 2]);
    double power = 1;
    for (int digits = 1; digits <= 19; ++digits, power *= 10) {
        if (locale.toString(power, 'f', 0).contains(separator)) {
            g.top = digits - g.least;
            break;
        }
    }
    return g;
}

// The exponent mark in every case that Qt's case-insensitive comparison
// takes for it; none when the mark is longer than one character.
std::string exponent_marks(const QString& mark) {
    const auto codes = mark.toUcs4();
    if (codes.size() != 1) {
        return {};
    }
    const char32_t c = codes.front();
    std::u32string marks;
    for (char32_t variant :
         {c, QChar::toLower(c), QChar::toUpper(c), QChar::toTitleCase(c), QChar::toCaseFolded(c)}) {
        if (QChar::toCaseFolded(variant) == QChar::toCaseFolded(c) &&
            marks.find(variant) == std::u32string::npos) {
            marks += variant;
        }
    }
    std::string utf8;
    for (char32_t m : marks) text::append_utf8(utf8, m);
    return utf8;
}

NumberStyle style_of(const QLocale& locale) {
    NumberStyle s;
    s.decimal_point = to_utf8(locale.decimalPoint());
    s.group_separator = to_utf8(locale.groupSeparator());
    s.minus_sign = to_utf8(locale.negativeSign());
    s.plus_sign = to_utf8(locale.positiveSign());
    const auto zero = locale.zeroDigit().toUcs4();
    s.zero_digit = zero.isEmpty() ? U'0' : zero.front();
    s.grouping = grouping_of(locale);
    s.groups_written = !locale.numberOptions().testFlag(QLocale::OmitGroupSeparator);
    s.exponent_marks = exponent_marks(locale.exponential());
    // Latin e and E read as an exponent in most locales whatever their mark,
    // but not where the locale keeps the letter for something else (Swedish
    // has "e" as its list separator): toDouble says.
    for (char16_t e : {u'e', u'E'}) {
        bool ok = false;
        const QString probe = QStringLiteral("1") + QChar(e) + QStringLiteral("1");
        if (s.exponent_marks.find(static_cast<char>(e)) == std::string::npos &&
            locale.toDouble(probe, &ok) == 10 && ok) {
            s.exponent_letters += static_cast<char>(e);
        }
    }
    return s;
}

}  // namespace

NumberStyle number_style(const QLocale& locale) {
    thread_local std::optional<std::pair<QLocale, NumberStyle>> last;
    if (!last || last->first != locale) {
        last.emplace(locale, style_of(locale));
    }
    return last->second;
}

}  // namespace gelvor::qt
