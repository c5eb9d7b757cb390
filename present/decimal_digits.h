#pragma once

#include <array>

// A finite double as the 15 significant decimal digits that the displays
// work from, so that a value printed as 2.675 rounds as 2.675 and not as its
// slightly smaller binary neighbour.
namespace gelvor {

struct DecimalDigits {
    static constexpr int kCount = 15;
    std::array<char, kCount> digits{};  // '0'..'9', the first non-zero unless the value is 0
    int exponent = 0;                   // value = d.dddd × 10^exponent
    bool negative = false;
};

DecimalDigits decimal_digits(double value);

}  // namespace gelvor
