#include "present/box_reading.h"

#include <gtest/gtest.h>

namespace gelvor {
namespace {

const QLocale kSpanish(QLocale::Spanish, QLocale::Spain);
const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

TEST(BoxReading, ReadsNumbersTheLocaleWay) {
    EXPECT_EQ(read_box_number("1010", kSpanish), 1010);
    EXPECT_EQ(read_box_number("15,5", kSpanish), 15.5);
    EXPECT_EQ(read_box_number("15.5", kEnglish), 15.5);
    EXPECT_EQ(read_box_number(" 18 ", kEnglish), 18);
    EXPECT_EQ(read_box_number("-3", kSpanish), -3);
    EXPECT_EQ(read_box_number("1e3", kEnglish), 1000);
}

TEST(BoxReading, AnythingThatIsNotAFiniteNumberGivesNoValue) {
    for (const QLocale& locale : {kSpanish, kEnglish}) {
        for (const char* text : {"", "   ", "abc", "1e999", "-1e999", "nan", "inf", "-inf",
                                 "12,5,3", "15abc", "--5", "+", "0x10", "1.2.3"}) {
            EXPECT_FALSE(read_box_number(QString::fromUtf8(text), locale))
                << '"' << text << "\" in " << locale.name().toStdString();
        }
    }
    // The other locale's decimal separator is not read as one.
    EXPECT_NE(read_box_number("15,5", kEnglish), 15.5);
    EXPECT_NE(read_box_number("15.5", kSpanish), 15.5);
}

}  // namespace
}  // namespace gelvor
