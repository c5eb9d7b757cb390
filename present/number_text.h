#pragma once

#include <QChar>
#include <QString>

namespace gelvor {

// A number as the program's plain text for it, without a mask: up to 15
// significant digits, trailing zeros of the fraction dropped, no grouping, a
// "0" before the separator below 1 and a leading "-" for negatives. Very large
// or very small magnitudes take an exponent ("1.5E+15", "2E-06"). A value that
// shows as zero has no sign; a non-finite value gives the empty text.
QString general_number_text(double value, QChar decimal_separator);

}  // namespace gelvor
