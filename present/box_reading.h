#pragma once

#include <optional>
#include <string_view>

#include "present/number_style.h"

namespace gelvor {

// A setting box's text (UTF-8) as a number, read the way Qt 6.4's
// QLocale::toDouble reads it in the style's locale: surrounding blanks
// ignored, the locale's decimal and group separators, group sizes that
// follow the locale's grouping, its digits and signs besides the Latin ones,
// an exponent. Anything that is not a finite number ("", "abc", "1e999",
// "nan", "inf", "1.0000" in Spanish) gives no value.
std::optional<double> read_box_number(std::string_view text, const NumberStyle& style);

}  // namespace gelvor
