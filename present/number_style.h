#pragma once

#include <string>

// How the user's locale writes and reads numbers. The desktop fills one from
// its QLocale; the browser takes one of the tables below. Texts are UTF-8.
namespace gelvor {

// Where group separators go in a number's integer part: `least` digits next
// to the decimal point, `higher` digits in each group before those, and none
// at all unless the leftmost group would hold at least `top` digits. Spanish
// writes 1234 and 12.345, English 1,234; Indian English writes 12,34,567.
struct DigitGrouping {
    int top = 1;
    int higher = 3;
    int least = 3;
    friend bool operator==(const DigitGrouping&, const DigitGrouping&) = default;
};

struct NumberStyle {
    std::string decimal_point = ".";
    std::string group_separator = ",";
    std::string minus_sign = "-";  // may be more than one character ("\u200E-" in Hebrew)
    std::string plus_sign = "+";
    char32_t zero_digit = U'0';  // the locale's digits are the ten from here
    DigitGrouping grouping;
    bool groups_written = true;  // false: written numbers have no group separators
    // The characters that read as the start of an exponent: the locale's own
    // mark in either case ("Ee"); empty where the mark is longer ("×10^").
    std::string exponent_marks = "eE";
    // Latin letters that read as an exponent where the mark is another
    // ("E" in Swedish, whose mark is "×10^"). They are read as letters: a
    // digit group may go on after them, as it may not after the mark.
    std::string exponent_letters;
    friend bool operator==(const NumberStyle&, const NumberStyle&) = default;
};

// Spain's Spanish (es_ES) and the United States' English (en_US).
const NumberStyle& spanish_number_style();
const NumberStyle& english_number_style();

}  // namespace gelvor
