// What a random operator types into a setting box.
#pragma once

#include <iterator>
#include <random>
#include <string>

namespace gelvor::testing {

// Half the time a number within the box's spin range, else anything: other
// numbers, tenths with either separator, and texts that are no number.
inline std::string random_box_text(std::mt19937& rng, int lo, int hi) {
    static const char* const odd[] = {
        "",     "abc",  "1e999", "nan", "12,5,3",    " ",
        "-",    "0",    "100",   "597", "1e308",     "\xF0\x9F\x98\x80",
        "15,5", "15.5", "1.010", "-40", "9999999999"};
    const auto within = [&] { return std::to_string(lo + int(rng() % unsigned(hi - lo + 1))); };
    switch (rng() % 6) {
        case 0:
        case 1:
        case 2:
            return within();
        case 3:
            return std::to_string(int(rng() % 2000) - 500);
        case 4:
            return within() + (rng() % 2 ? ',' : '.') + std::to_string(int(rng() % 10));
        default:
            return odd[rng() % std::size(odd)];
    }
}

}  // namespace gelvor::testing
