#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

namespace gelvor {

// Formats a number with one of the displays' masks: "#"/"0" integer
// placeholders, "." and "0" decimal placeholders, then a suffix copied as it
// stands ("%" anywhere scales the value by 100). The integer part is never
// truncated; halves round away from zero; a value that rounds to zero is
// written without a sign. A non-finite value gives the empty text.
QString format_with_mask(double value, QStringView mask, QChar decimal_separator);

}  // namespace gelvor
