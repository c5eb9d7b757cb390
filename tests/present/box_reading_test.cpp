#include "present/box_reading.h"

#include <gtest/gtest.h>

#include <string>

namespace gelvor {
namespace {

const NumberStyle& kSpanish = spanish_number_style();
const NumberStyle& kEnglish = english_number_style();

TEST(BoxReading, ReadsNumbersTheLocaleWay) {
    EXPECT_EQ(read_box_number("1010", kSpanish), 1010);
    EXPECT_EQ(read_box_number("15,5", kSpanish), 15.5);
    EXPECT_EQ(read_box_number("15.5", kEnglish), 15.5);
    EXPECT_EQ(read_box_number(" 18 ", kEnglish), 18);
    EXPECT_EQ(read_box_number("-3", kSpanish), -3);
    EXPECT_EQ(read_box_number("1e3", kEnglish), 1000);
    // Signs, blanks and exponents as Qt takes them in every locale.
    EXPECT_EQ(read_box_number("\u22125", kSpanish), -5);  // the minus sign proper
    EXPECT_EQ(read_box_number("+15", kSpanish), 15);
    EXPECT_EQ(read_box_number("\u3000\t18\u00A0\n", kSpanish), 18);
    EXPECT_EQ(read_box_number("1,5E+1", kSpanish), 15);
    EXPECT_EQ(read_box_number(",5", kSpanish), 0.5);
    EXPECT_EQ(read_box_number("5.", kEnglish), 5);
    EXPECT_EQ(read_box_number("4.9e-324", kEnglish), 4.9e-324);
}

TEST(BoxReading, GroupSeparatorsOnlyBetweenGroupsOfTheLocalesSizes) {
    EXPECT_EQ(read_box_number("1,010", kEnglish), 1010);
    EXPECT_EQ(read_box_number("1,234,567.5", kEnglish), 1234567.5);
    EXPECT_EQ(read_box_number("12.345", kSpanish), 12345);
    EXPECT_EQ(read_box_number("1234.567", kSpanish), 1234567);  // as Qt writes it
    for (const char* text : {"1.010", "1.234.567", "1.0000", "10.00", "1.010,5", ".5"}) {
        EXPECT_FALSE(read_box_number(text, kSpanish)) << text;
    }
    for (const char* text : {"1,0000", "10,00", ",5", "1,", "1,000e1,000", "1.5,000"}) {
        EXPECT_FALSE(read_box_number(text, kEnglish)) << text;
    }
}

TEST(BoxReading, AnythingThatIsNotAFiniteNumberGivesNoValue) {
    for (const NumberStyle* style : {&kSpanish, &kEnglish}) {
        for (const char* text :
             {"",       "   ",   "abc",          "1e999", "-1e999",      "nan",   "inf",    "-inf",
              "12,5,3", "15abc", "--5",          "+",     "0x10",        "1.2.3", "1e-400", "1e",
              "e5",     "+-5",   "\u0661\u0665", "\xFF",  "\xED\xA0\x80"}) {
            EXPECT_FALSE(read_box_number(text, *style))
                << '"' << text << "\" with the point " << style->decimal_point;
        }
    }
    // The other locale's decimal separator is not read as one.
    EXPECT_NE(read_box_number("15,5", kEnglish), 15.5);
    EXPECT_NE(read_box_number("15.5", kSpanish), 15.5);
}

}  // namespace
}  // namespace gelvor
