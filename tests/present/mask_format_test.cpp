#include "present/mask_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

namespace gelvor {
namespace {

struct Case {
    double value;
    const char* mask;
    const char* english;  // with "." as the separator; the Spanish text swaps in ","
};

class MaskFormat : public ::testing::TestWithParam<char> {
  protected:
    NumberStyle style() const {
        NumberStyle s;
        s.decimal_point = std::string(1, GetParam());
        return s;
    }
};

TEST_P(MaskFormat, FollowsTheDisplayMasks) {
    const Case cases[] = {
        {0, "##.0 g/s", ".0 g/s"},  // the two flow boxes differ exactly here
        {0, "#0.0 g/s", "0.0 g/s"},
        {4, "##.0 g/s", "4.0 g/s"},
        {50, "##.0 g/s", "50.0 g/s"},
        {0.005, "###.0 %", ".5 %"},
        {0.725, "###.0 %", "72.5 %"},
        {0.1722, "###.0 %", "17.2 %"},
        {1009.96, "###.0 kPa", "1010.0 kPa"},  // carries into a fourth digit
        {12345.6, "###.0 W", "12345.6 W"},     // never truncated
        {0.26, "###.0", ".3"},
        {0.26, "##0.0 kPa", "0.3 kPa"},
        {1.5, "###.00", "1.50"},
        {3.7399, "###.00", "3.74"},
        {-3.14, "##0.0 \u00BAC", "-3.1 \u00BAC"},
        {0.42, "##0.0 \u00BAC", "0.4 \u00BAC"},
        {-0.42, "##0.0 \u00BAC", "-0.4 \u00BAC"},
        {0.74, "###.0 g/s", ".7 g/s"},
        {2.5738, "###.0 kg/m3", "2.6 kg/m3"},  // unit digits are copied
        {457.9875, "###.0 W/m2\u00BAC", "458.0 W/m2\u00BAC"},
        // Halves away from zero, judged on the printed decimal value.
        {0.25, "###.0", ".3"},
        {-0.25, "###.0", "-.3"},
        {2.675, "###.00", "2.68"},
        {0.05, "##0.0 kPa", "0.1 kPa"},
        {9.95, "###.0", "10.0"},
        {99.999, "###.00", "100.00"},
        // Negative values that round to zero lose their sign.
        {-0.04, "##0.0 \u00BAC", "0.0 \u00BAC"},
        {-0.0, "###.0", ".0"},
        {-0.0004, "###.0 %", ".0 %"},
        // Far outside any bench value, still exact digits.
        {1e20, "###.0", "100000000000000000000.0"},
        {123456789012345678.0, "###.0", "123456789012346000.0"},
        {1e-300, "##0.0 kPa", "0.0 kPa"},
    };
    for (const Case& c : cases) {
        std::string expected = c.english;
        std::replace(expected.begin(), expected.end(), '.', GetParam());
        EXPECT_EQ(format_with_mask(c.value, c.mask, style()), expected)
            << c.value << " with " << c.mask;
    }
}

TEST_P(MaskFormat, NonFiniteValuesGiveTheEmptyText) {
    for (double v :
         {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_TRUE(format_with_mask(v, "###.0 W", style()).empty());
    }
    // Percent scaling of a huge value overflows: still nothing shown.
    EXPECT_TRUE(format_with_mask(1e307, "###.0 %", style()).empty());
}

TEST_P(MaskFormat, ExtremeValuesAndMasksStayWithinTheirDigits) {
    const std::string point(1, GetParam());
    EXPECT_EQ(format_with_mask(0.001, "#0.00", style()), "0" + point + "00");
    EXPECT_EQ(format_with_mask(0.009, "###.00", style()), point + "01");
    EXPECT_EQ(format_with_mask(1.7976931348623157e308, "###.0", style()).size(), 309u + 2);
    EXPECT_EQ(format_with_mask(4.9e-324, "0." + std::string(60, '0'), style()),
              "0" + point + std::string(40, '0'));  // at most 40 decimals
    EXPECT_EQ(format_with_mask(7, "", style()), "7");
    EXPECT_EQ(format_with_mask(7.25, "abc", style()), "7abc");
}

INSTANTIATE_TEST_SUITE_P(Separators, MaskFormat, ::testing::Values('.', ','),
                         [](const auto& info) { return info.param == '.' ? "point" : "comma"; });

}  // namespace
}  // namespace gelvor
