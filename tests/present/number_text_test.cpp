#include "present/number_text.h"
#include "present/reading_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

#include "present/decimal_digits.h"

namespace gelvor {
namespace {

TEST(GeneralNumberText, FifteenSignificantDigitsWithoutTrailingZeros) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {13.043690248566, "13.043690248566"},
        {13.04369024856596, "13.043690248566"},
        {15, "15"},
        {3.21, "3.21"},
        {0.5, "0.5"},
        {-0.25, "-0.25"},
        {-12.5, "-12.5"},
        {100, "100"},
        {0, "0"},
        {-0.0, "0"},
        {0.0001, "0.0001"},
        {0.00001, "0.00001"},
        {0.000001, "1E-06"},
        {123456789012345, "123456789012345"},
        {1e15, "1E+15"},
        {-2.5e20, "-2.5E+20"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(general_number_text(c.value, english_number_style()), c.text) << c.value;
    }
}

TEST(GeneralNumberText, UsesTheGivenSeparatorAndNeverShowsNonFiniteNumbers) {
    const NumberStyle& spanish = spanish_number_style();
    EXPECT_EQ(general_number_text(8.56439399381243, spanish), "8,56439399381243");
    EXPECT_EQ(general_number_text(-1.5e-7, spanish), "-1,5E-07");
    EXPECT_EQ(general_number_text(123456789.5, spanish), "123456789,5");  // never grouped
    EXPECT_TRUE(general_number_text(std::numeric_limits<double>::infinity(), spanish).empty());
    EXPECT_TRUE(general_number_text(std::numeric_limits<double>::quiet_NaN(), spanish).empty());
}

// The browser's C++ library has no floating-point std::to_chars nor
// from_chars; its printf and strtod must give the same digits and numbers,
// exact halves, denormals, overflow and underflow included.
TEST(DecimalDigits, ByTheCLibraryTheSameAsByCharconv) {
    std::mt19937_64 rng(20261208);
    const auto digits = [&](int count) {
        std::string s;
        for (int i = 0; i < count; ++i) s += char('0' + rng() % 10);
        return s;
    };
    // Either end of the whole-number digits, rounding up to the next power of ten.
    for (double v : {std::nextafter(1e15, 0.0), 999999999999999.9, 99999999999999.99,
                     std::nextafter(1e-12, 1.0), 9.9999999999999999e-13}) {
        ASSERT_EQ(decimal_digits(v), decimal_digits_by_printf(v)) << v;
        ASSERT_EQ(decimal_digits(-v), decimal_digits_by_printf(-v)) << v;
    }
    for (int k = 0; k < 20000; ++k) {
        double v = 0;
        const std::uint64_t bits = rng();
        std::memcpy(&v, &bits, sizeof v);
        if (k % 2) {
            v = std::ldexp(double(rng() >> 11), int(rng() % 70) - 60);  // halves among them
        }
        if (std::isfinite(v)) {
            ASSERT_EQ(decimal_digits(v), decimal_digits_by_printf(v)) << v;
            const int decimals = int(rng() % 4);
            ASSERT_EQ(fixed_digits(std::fabs(v), decimals),
                      fixed_digits_by_printf(std::fabs(v), decimals))
                << v;
        }
        const std::string text = std::string(rng() % 3 == 0 ? "-"
                                             : rng() % 2    ? "+"
                                                            : "") +
                                 digits(int(rng() % 30)) + "." + digits(int(rng() % 30)) + "e" +
                                 std::to_string(int(rng() % 700) - 350);
        const std::optional<double> a = c_number(text), b = c_number_by_strtod(text);
        ASSERT_EQ(a.has_value(), b.has_value()) << text;
        if (a) {
            ASSERT_EQ(std::memcmp(&*a, &*b, sizeof(double)), 0) << text;
        }
    }
    EXPECT_EQ(fixed_digits(0.25, 1), "0.3");
    EXPECT_EQ(fixed_digits(2.5, 0), "3");
    EXPECT_EQ(fixed_digits(9.75, 1), "9.8");
    EXPECT_EQ(c_number("4.9e-324"), 4.9e-324);
    EXPECT_FALSE(c_number("2e-324"));
    EXPECT_EQ(c_number("0e999999"), 0.0);
    EXPECT_FALSE(c_number("1e309"));
}

// What a tool tip or a screen reader gives as an instrument's reading.
TEST(ReadingText, OneDecimalWithTheUnitInTheUsersFormat) {
    const NumberStyle& spanish = spanish_number_style();
    EXPECT_EQ(pressure_reading(73.46, spanish), "73,5 kPa");
    EXPECT_EQ(pressure_reading(-48.6171, english_number_style()), "-48.6 kPa");
    EXPECT_EQ(pressure_reading(-0.04, spanish), "0,0 kPa");
    EXPECT_EQ(temperature_reading(23.37, spanish), "23,4 ºC");
    EXPECT_EQ(temperature_reading(std::nullopt, spanish), "Sin lectura: no circula agua");
    EXPECT_EQ(flow_reading("Caudal de agua del evaporador", 4),
              "Caudal de agua del evaporador: 4 g/s");
    EXPECT_EQ(readout_description("Text9"),
              "Temperatura de salida de agua del condensador t3 (ºC)");
    EXPECT_EQ(readout_description("Text7_12"), "Densidad del punto C (kg/m3)");
    EXPECT_EQ(readout_description("GaugeX1"), "");
    // Far from the bench's values, the locale's own groups and digits, as
    // QLocale writes them: Spanish groups only from five integer digits.
    EXPECT_EQ(pressure_reading(1234.5, spanish), "1234,5 kPa");
    EXPECT_EQ(pressure_reading(-1234567.25, spanish), "-1234.567,3 kPa");
    EXPECT_EQ(pressure_reading(12345678, english_number_style()), "12,345,678.0 kPa");
}

}  // namespace
}  // namespace gelvor
