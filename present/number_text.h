#pragma once

#include <string>

#include "present/number_style.h"

namespace gelvor {

// A number as the program's plain text for it, without a mask: up to 15
// significant digits, trailing zeros of the fraction dropped, no grouping, a
// "0" before the separator below 1 and a leading "-" for negatives. Very large
// or very small magnitudes take an exponent ("1.5E+15", "2E-06"). A value that
// shows as zero has no sign; a non-finite value gives the empty text. Only
// the style's decimal point is used: the digits are always Latin.
std::string general_number_text(double value, const NumberStyle& style);

// A number with a fixed count of decimals in the locale's own way, as
// QLocale::toString(value, 'f', decimals) writes it: its digits, minus sign,
// decimal point and digit groups; exact halves rounded away from zero; "nan",
// "inf" and the minus sign before "inf" for values that are not finite.
std::string fixed_number_text(double value, int decimals, const NumberStyle& style);

}  // namespace gelvor
