#pragma once

#include <string>
#include <string_view>

#include "present/number_style.h"

namespace gelvor {

// Formats a number with one of the displays' masks (UTF-8): "#"/"0" integer
// placeholders, "." and "0" decimal placeholders, then a suffix copied as it
// stands ("%" anywhere scales the value by 100). The integer part is never
// truncated; halves round away from zero; a value that rounds to zero is
// written without a sign. A non-finite value gives the empty text. Only the
// style's decimal point is used: the digits are always Latin, never grouped.
std::string format_with_mask(double value, std::string_view mask, const NumberStyle& style);

}  // namespace gelvor
