#pragma once

#include <QLocale>
#include <QString>
#include <optional>

namespace gelvor {

// A setting box's text as a number, read with the locale's decimal and
// grouping separators; surrounding blanks are ignored. Anything that is not
// a finite number ("", "abc", "1e999", "nan", "inf") gives no value.
std::optional<double> read_box_number(const QString& text, const QLocale& locale);

}  // namespace gelvor
