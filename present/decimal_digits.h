#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Doubles to decimal digits and back. A finite double as the 15 significant
// decimal digits that the displays work from, so that a value printed as
// 2.675 rounds as 2.675 and not as its slightly smaller binary neighbour.
namespace gelvor {

struct DecimalDigits {
    static constexpr int kCount = 15;
    std::array<char, kCount> digits{};  // '0'..'9', the first non-zero unless the value is 0
    int exponent = 0;                   // value = d.dddd × 10^exponent
    bool negative = false;
    friend bool operator==(const DecimalDigits&, const DecimalDigits&) = default;
};

DecimalDigits decimal_digits(double value);

// The same 15 digits as one whole number, 10^14 <= digits < 10^15, with
// |value| = digits × 10^(exponent - 14): for magnitudes from 1e-12 to below
// 1e15 (nothing outside), where whole-number arithmetic gets them exactly.
struct WholeDigits {
    std::uint64_t digits;
    int exponent;
};
std::optional<WholeDigits> whole_digits(double value);

// A finite magnitude's exact decimal value rounded to `decimals` places (0
// to 39), halves up, in ASCII with '.' before the decimals ("1234.5"): Qt's
// rounding for QLocale::toString(v, 'f', decimals).
std::string fixed_digits(double magnitude, int decimals);

// A number written the C locale's way ("-1.5e3", ".5", "+2") as the nearest
// double; nothing when it overflows, or when a number that is not zero
// would read as zero.
std::optional<double> c_number(std::string_view text);

// The same three by the C library's printf and strtod, which is how a build
// without floating-point std::to_chars and std::from_chars (the browser's)
// does them.
DecimalDigits decimal_digits_by_printf(double value);
std::string fixed_digits_by_printf(double magnitude, int decimals);
std::optional<double> c_number_by_strtod(std::string_view text);

}  // namespace gelvor
