#include "present/number_text.h"
#include "present/reading_text.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <limits>

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
        EXPECT_EQ(general_number_text(c.value, u'.'), QString::fromLatin1(c.text)) << c.value;
    }
}

TEST(GeneralNumberText, UsesTheGivenSeparatorAndNeverShowsNonFiniteNumbers) {
    EXPECT_EQ(general_number_text(8.56439399381243, u','), QStringLiteral("8,56439399381243"));
    EXPECT_EQ(general_number_text(-1.5e-7, u','), QStringLiteral("-1,5E-07"));
    EXPECT_TRUE(general_number_text(std::numeric_limits<double>::infinity(), u'.').isEmpty());
    EXPECT_TRUE(general_number_text(std::numeric_limits<double>::quiet_NaN(), u'.').isEmpty());
}

// What a tool tip or a screen reader gives as an instrument's reading.
TEST(ReadingText, OneDecimalWithTheUnitInTheUsersFormat) {
    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    EXPECT_EQ(pressure_reading(73.46, spanish), "73,5 kPa");
    EXPECT_EQ(pressure_reading(-48.6171, QLocale::c()), "-48.6 kPa");
    EXPECT_EQ(pressure_reading(-0.04, spanish), "0,0 kPa");
    EXPECT_EQ(temperature_reading(23.37, spanish), QString::fromUtf8("23,4 ºC"));
    EXPECT_TRUE(temperature_reading(std::nullopt, spanish).contains("no circula agua"));
    EXPECT_EQ(flow_reading("Caudal de agua del evaporador", 4),
              "Caudal de agua del evaporador: 4 g/s");
    EXPECT_TRUE(readout_description("Text9").contains("t3"));
    EXPECT_TRUE(readout_description("Text7_12").contains("punto C"));
    EXPECT_TRUE(readout_description("GaugeX1").isEmpty());
}

}  // namespace
}  // namespace gelvor
