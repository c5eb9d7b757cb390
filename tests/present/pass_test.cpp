#include "present/pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "present/number_text.h"
#include "tests/worked_example.h"

namespace gelvor {
namespace {

const NumberStyle& kSpanish = spanish_number_style();
const NumberStyle& kEnglish = english_number_style();

std::map<std::string, DisplayWrite> by_target(const PassDisplay& p) {
    std::map<std::string, DisplayWrite> m;
    for (const DisplayWrite& w : p.writes) {
        m.emplace(w.target, w);
    }
    return m;
}
std::string text(const PassDisplay& p, const char* target) {
    const auto m = by_target(p);
    const auto it = m.find(target);
    return it == m.end() ? std::string() : it->second.text;
}
bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}
// An English number text with the style's decimal point.
std::string with_point(std::string english, const NumberStyle& style) {
    std::string out;
    for (char c : english) out += c == '.' ? style.decimal_point : std::string(1, c);
    return out;
}

TEST(DisplayWrites, ACompletePassWritesEveryDisplayInTheBenchOrder) {
    const char* expected[] = {
        "Text6",    "Text5",    "GaugeX2",  "Text7_0",  "Text7_15", "ter_5",    "Text7_16",
        "Text7_1",  "Text11",   "Text7_4",  "Text7_9",  "Text7_14", "Text7_7",  "GaugeX1",
        "Text7_5",  "Text7_10", "Text7_31", "ter_4",    "Text7_11", "Text12",   "Text7_13",
        "Text7_18", "Text7_3",  "Text7_19", "Text7_23", "Text7_20", "Text7_29", "Text7_8",
        "ter_2",    "Text10",   "ter_1",    "Text9",    "Text7_28", "Text7_27", "Text7_26",
        "Text7_2",  "Text7_12", "Text7_17", "Text7_30", "Text7_21", "Text7_22", "Text7_24",
        "Text7_25"};
    const PassDisplay p = run_pass(PanelSettings{}, kEnglish);
    ASSERT_TRUE(p.complete());
    ASSERT_EQ(p.writes.size(), std::size(expected));
    for (std::size_t i = 0; i < p.writes.size(); ++i) {
        EXPECT_STREQ(p.writes[i].target, expected[i]) << "write " << i + 1;
        EXPECT_STRNE(p.writes[i].target, "Text7_6");  // B's temperature is never written
    }
    EXPECT_TRUE(p.overlay);
    EXPECT_TRUE(p.unreached().empty());
    EXPECT_TRUE(p.fault_message.empty());
}

TEST(DisplayWrites, StateAfterSwitchOnInBothSeparators) {
    for (const NumberStyle* style : {&kEnglish, &kSpanish}) {
        const auto dec = [&](const char* english) { return with_point(english, *style); };
        const PassDisplay p = run_pass(PanelSettings{}, *style);
        auto w = by_target(p);
        EXPECT_EQ(text(p, "Text6"), dec("4.0 g/s"));
        EXPECT_EQ(text(p, "Text5"), dec("4.0 g/s"));
        EXPECT_EQ(text(p, "Text7_0"), dec("46.7 kPa"));
        EXPECT_EQ(text(p, "Text7_5"), dec("174.5 kPa"));
        EXPECT_EQ(text(p, "Text7_1"), dec("3.2 \u00BAC"));
        EXPECT_EQ(text(p, "Text7_11"), dec("39.7 \u00BAC"));
        EXPECT_EQ(text(p, "Text7_31"), dec("3.74"));
        EXPECT_EQ(text(p, "Text7_13"), dec("235.4 kJ/kg"));
        EXPECT_EQ(text(p, "Text7_3"), dec("392.3 kJ/kg"));
        EXPECT_EQ(text(p, "Text7_19"), dec("17.2 %"));
        EXPECT_EQ(text(p, "Text7_29"), dec(".8 g/s"));  // no zero before the separator
        EXPECT_NEAR(w["GaugeX2"].position, -54.3323, 0.5e-4);
        EXPECT_NEAR(w["GaugeX1"].position, 73.5349, 0.5e-4);
        EXPECT_NEAR(w["ter_5"].position, 3.2017, 0.5e-4);
        EXPECT_NEAR(w["ter_4"].position, 39.7208, 0.5e-4);
        // Fixed texts and the boxes that always agree.
        EXPECT_EQ(text(p, "Text7_4"), "1");
        EXPECT_EQ(text(p, "Text7_9"), "sobrecalent");
        EXPECT_EQ(text(p, "Text7_14"), "0");
        EXPECT_EQ(text(p, "Text7_7"), "-");
        EXPECT_EQ(text(p, "Text7_0"), text(p, "Text7_15"));
        EXPECT_EQ(text(p, "Text7_5"), text(p, "Text7_10"));
        EXPECT_EQ(text(p, "Text7_13"), text(p, "Text7_18"));
        EXPECT_EQ(text(p, "Text7_1"), text(p, "Text7_16"));
        EXPECT_EQ(text(p, "Text7_1"), text(p, "Text11"));
    }
}

TEST(DisplayWrites, WorkedExampleOfTheCoilsReachesItsBoxes) {
    const BenchState points = testing::worked_example_state_points();
    const BenchInputs in{20, 20, 101, 15, 18};
    for (const NumberStyle* style : {&kEnglish, &kSpanish}) {
        const auto dec = [&](const char* english) { return with_point(english, *style); };
        const PassDisplay p =
            show_pass(PanelSettings{}, in, recompute_from_state_points(in, points), *style);
        EXPECT_EQ(text(p, "Text7_23"), dec("174.1 W"));
        EXPECT_EQ(text(p, "Text7_20"), dec("211.3 W"));
        EXPECT_EQ(text(p, "Text7_29"), dec("1.0 g/s"));
        EXPECT_EQ(text(p, "Text7_8"), dec("428.4 kJ/kg"));
        EXPECT_EQ(text(p, "Text7_28"), dec("55.2 W"));
        EXPECT_EQ(text(p, "Text7_27"), dec("3.7"));
        EXPECT_EQ(text(p, "Text7_26"), dec("3.0"));
        EXPECT_EQ(text(p, "Text7_2"), dec("2.6 kg/m3"));
        EXPECT_EQ(text(p, "Text7_30"), dec("34.5 %"));
        EXPECT_EQ(text(p, "Text7_21"), dec("13.8 \u00BAC"));
        EXPECT_EQ(text(p, "Text7_22"), dec("458.0 W/m2\u00BAC"));
        EXPECT_EQ(text(p, "Text7_24"), dec("9.0 \u00BAC"));
        EXPECT_EQ(text(p, "Text7_25"), dec("569.3 W/m2\u00BAC"));
        EXPECT_EQ(text(p, "Text10"), dec("13.043690248566"));
    }
}

TEST(DisplayWrites, CoilsWithoutWaterShowEmptyBoxesAndZeroThermometers) {
    // No evaporator water with te below zero; no condenser water.
    const PassDisplay p = run_pass({0, 0, "950", "10", "15"}, kEnglish);
    ASSERT_TRUE(p.complete());
    auto w = by_target(p);
    ASSERT_TRUE(w["ter_5"].position < 0);
    EXPECT_EQ(text(p, "Text6"), ".0 g/s");
    EXPECT_EQ(text(p, "Text5"), "0.0 g/s");
    for (const char* empty : {"Text10", "Text9", "Text7_21", "Text7_22", "Text7_24", "Text7_25"}) {
        EXPECT_TRUE(w.contains(empty)) << empty;
        EXPECT_TRUE(w[empty].text.empty()) << empty;
    }
    EXPECT_EQ(w["ter_2"].position, 0);
    EXPECT_EQ(w["ter_1"].position, 0);
}

TEST(DisplayWrites, EachBoxIsReadOnceSoBothLocalesGiveOneResult) {
    // "15,5" typed under Spanish settings and "15.5" under English ones are one
    // water temperature everywhere in the pass: same digits, other separator.
    const PassDisplay es = run_pass({20, 20, "1010", "18", "15,5"}, kSpanish);
    const PassDisplay en = run_pass({20, 20, "1010", "18", "15.5"}, kEnglish);
    ASSERT_TRUE(es.complete() && en.complete());
    for (std::size_t i = 0; i < en.writes.size(); ++i) {
        EXPECT_EQ(es.writes[i].text, with_point(en.writes[i].text, kSpanish))
            << en.writes[i].target;
        EXPECT_EQ(es.writes[i].position, en.writes[i].position) << en.writes[i].target;
    }
    // The typed half degree reaches the outlet temperatures.
    EXPECT_NE(text(en, "Text10"), text(run_pass({20, 20, "1010", "18", "15"}, kEnglish), "Text10"));
}

TEST(FaultedPasses, ABoxWithoutANumberStopsAfterTheFlows) {
    for (const NumberStyle* style : {&kEnglish, &kSpanish}) {
        const PassDisplay p = run_pass({4, 4, "abc", "18", "15"}, *style);
        ASSERT_FALSE(p.complete());
        ASSERT_EQ(p.writes.size(), 2u);
        EXPECT_STREQ(p.writes[1].target, "Text5");
        EXPECT_EQ(p.fault_message, "La presión barométrica no es un número válido: «abc»");
        EXPECT_EQ(p.unreached().size(), 41u);
        EXPECT_STREQ(p.unreached().front(), "GaugeX2");
        EXPECT_FALSE(p.overlay);
        EXPECT_EQ(p.unreadable_box(), Quantity::barometric_pressure);
        EXPECT_FALSE(p.read_box(Quantity::barometric_pressure));
        EXPECT_FALSE(p.read_box(Quantity::ambient_temperature));  // never reached
    }
    // The water box is read before the ambient one.
    const PassDisplay ambient = run_pass({4, 4, "1010", "x", "15"}, kEnglish);
    EXPECT_EQ(ambient.unreadable_box(), Quantity::ambient_temperature);
    EXPECT_TRUE(ambient.read_box(Quantity::barometric_pressure));
    EXPECT_TRUE(ambient.read_box(Quantity::water_inlet_temperature));
    EXPECT_TRUE(run_pass({4, 4, "1010", "", "15"}, kEnglish)
                    .fault_message.starts_with("La temperatura ambiente"));
    EXPECT_TRUE(run_pass({4, 4, "1010", "18", "1e999"}, kEnglish)
                    .fault_message.starts_with("La temperatura de entrada de agua"));
    // The other locale's separator is not a number here, and the message says
    // which one the box wants.
    EXPECT_EQ(run_pass({4, 4, "1010", "18", "15,5"}, kEnglish).fault_message,
              "La temperatura de entrada de agua no es un número válido: «15,5»; use el punto "
              "decimal: 15.5");
    EXPECT_EQ(run_pass({4, 4, "1010", "18", "15.5"}, kSpanish).fault_message,
              "La temperatura de entrada de agua no es un número válido: «15.5»; use la coma "
              "decimal: 15,5");
}

TEST(FaultedPasses, MessagesStayShortWhateverWasTyped) {
    const std::string huge(100000, '9');
    const PassDisplay p = run_pass({4, 4, huge + 'x', "18", "15"}, kEnglish);
    ASSERT_FALSE(p.complete());
    EXPECT_LT(p.fault_message.size(), 120u);
    const PassDisplay control = run_pass({4, 4, "1\n0\t1\u0007", "18", "15"}, kEnglish);
    EXPECT_FALSE(contains(control.fault_message, "\n"));
    EXPECT_FALSE(contains(control.fault_message, "\u0007"));
}

// The typed text is counted and cleaned in UTF-16 units, as the window's box
// holds it: 24 of them, a character that straddles the 24th whole, control
// and format characters of the first plane and lone surrogates as U+FFFD.
TEST(FaultedPasses, MessagesQuoteTheTypedTextAsTheBoxHoldsIt) {
    const auto quoted = [](const std::string& typed) {
        const std::string m = run_pass({4, 4, typed, "18", "15"}, kEnglish).fault_message;
        return m.substr(m.find("\u00AB"));
    };
    const std::string a23(23, 'a');
    EXPECT_EQ(quoted(a23 + "xy"), "\u00AB" + a23 + "x\u2026\u00BB");
    EXPECT_EQ(quoted(a23 + "x"), "\u00AB" + a23 + "x\u00BB");
    std::string accents;
    for (int i = 0; i < 30; ++i) accents += "\u00E9";
    EXPECT_EQ(quoted(accents), "\u00AB" + accents.substr(0, 48) + "\u2026\u00BB");
    EXPECT_EQ(quoted(a23 + "\U0001F600b"), "\u00AB" + a23 + "\U0001F600\u2026\u00BB");
    // U+200E, a lone surrogate, a format character beyond the first plane.
    EXPECT_EQ(quoted("\u200E5\xED\xA0\x80\U000E0001"), "\u00AB\uFFFD5\uFFFD\U000E0001\u00BB");
}

// The corner of the settings where te reaches the water inlet temperature:
// only the evaporator's Atlm and U are undefined; the cycle is drawn at te and tc.
TEST(FaultedPasses, EvaporatorLogarithmLeavesOnlyItsTwoBoxesEmptyAndDrawsTheCycle) {
    for (const PanelSettings& s :
         {PanelSettings{50, 20, "1070", "50", "14"}, PanelSettings{50, 30, "1070", "50", "14"}}) {
        const PassDisplay p = run_pass(s, kEnglish);
        ASSERT_FALSE(p.complete());
        EXPECT_EQ(p.fault->step, Quantity::evap_lmtd);
        EXPECT_EQ(p.writes.size(), 41u);
        ASSERT_EQ(p.unreached().size(), 2u);
        EXPECT_STREQ(p.unreached()[0], "Text7_24");
        EXPECT_STREQ(p.unreached()[1], "Text7_25");
        EXPECT_EQ(p.fault_message,
                  "No se puede calcular Atlm del evaporador: te no es menor que t1");
        const BenchState state = recompute(read_settings(s, kEnglish)).state;
        ChartOverlay expected{};
        ASSERT_TRUE(place_chart_overlay(state.evap_temp, state.cond_temp, expected));
        ASSERT_TRUE(p.overlay);
        EXPECT_EQ(p.overlay->lines[1].y1, expected.lines[1].y1);  // the evaporator level at te
        EXPECT_EQ(p.overlay->lines[3].y1, expected.lines[3].y1);  // the condenser level at tc
        EXPECT_EQ(p.overlay->labels[1].left, expected.labels[1].left);
        EXPECT_TRUE(p.read_box(Quantity::ambient_temperature));
    }
}

TEST(FaultedPasses, ArithmeticFaultsNameTheBoxesTypedOutOfRange) {
    const PassDisplay p = run_pass({4, 4, "1010", "1e308", "1e308"}, kEnglish);
    ASSERT_FALSE(p.complete());
    EXPECT_EQ(p.fault->kind, FaultKind::overflow);
    EXPECT_TRUE(contains(p.fault_message, "la temperatura ambiente (10 a 50 ºC)"));
    EXPECT_TRUE(contains(p.fault_message, "la temperatura de entrada de agua"));
    EXPECT_FALSE(contains(p.fault_message, "presión barométrica"));
    // In range, the evaporator logarithm names no box.
    EXPECT_FALSE(contains(run_pass({50, 20, "1070", "50", "14"}, kEnglish).fault_message, "rango"));
}

TEST(FaultedPasses, ABarometerFarBelowItsRangeIsNotShownAsNegativePressures) {
    const PassDisplay p = run_pass({4, 4, "500", "18", "15"}, kEnglish);
    ASSERT_FALSE(p.complete());
    ASSERT_EQ(p.writes.size(), 3u);  // the flows and the evaporator manometer
    EXPECT_STREQ(p.writes[2].target, "GaugeX2");
    EXPECT_TRUE(contains(p.fault_message, "presión absoluta del evaporador"));
}

// A box typed outside its spin's range: the pass computes the typed value as
// it stands, and a warning names the box.
PanelSettings with_box(Quantity box, const std::string& text) {
    PanelSettings s{20, 20, "1010", "18", "15"};
    (box == Quantity::barometric_pressure   ? s.barometer_text
     : box == Quantity::ambient_temperature ? s.ambient_text
                                            : s.water_text) = text;
    return s;
}

TEST(RangeWarnings, EachBoxOutsideItsRangeWarnsAndComputesAsTyped) {
    struct Case {
        Quantity box;
        const char* warning;
        std::array<double, 4> values;  // just and far below, just and far above
    };
    const Case cases[] = {
        {Quantity::barometric_pressure,
         "Presión barométrica fuera del rango del banco (950 a 1070 mbar): los resultados son "
         "una extrapolación",
         {949.5, 700, 1070.5, 1200}},
        {Quantity::ambient_temperature,
         "Temperatura ambiente fuera del rango del banco (10 a 50 ºC): los resultados son una "
         "extrapolación",
         {9.5, -10, 50.5, 70}},
        {Quantity::water_inlet_temperature,
         "Temperatura de entrada de agua fuera del rango del banco (14 a 16 ºC): los resultados "
         "son una extrapolación",
         {13.5, 5, 16.5, 99}},
    };
    for (const NumberStyle* style : {&kSpanish, &kEnglish}) {
        for (const Case& c : cases) {
            for (const double v : c.values) {
                SCOPED_TRACE(style->decimal_point + " " + std::to_string(v));
                const PanelSettings s = with_box(c.box, general_number_text(v, *style));
                const PassDisplay p = run_pass(s, *style);
                ASSERT_TRUE(p.complete()) << p.fault_message;
                ASSERT_EQ(p.range_warnings.size(), 1u);
                EXPECT_EQ(p.range_warnings[0].setting, c.box);
                EXPECT_EQ(p.range_warnings[0].text, c.warning);
                // Every display as the typed value gives it: nothing clamped.
                BenchInputs in{20, 20, 101, 15, 18};
                (c.box == Quantity::barometric_pressure   ? in.barometric_pressure
                 : c.box == Quantity::ambient_temperature ? in.ambient_temperature
                                                          : in.water_inlet_temperature) =
                    c.box == Quantity::barometric_pressure ? v / 10 : v;
                const PassDisplay unchecked = show_pass(s, in, recompute(in), *style);
                ASSERT_EQ(p.writes.size(), unchecked.writes.size());
                for (std::size_t i = 0; i < p.writes.size(); ++i) {
                    EXPECT_EQ(p.writes[i].text, unchecked.writes[i].text) << p.writes[i].target;
                    EXPECT_EQ(p.writes[i].position, unchecked.writes[i].position);
                }
                EXPECT_EQ(p.fault_message, "");
            }
        }
    }
}

TEST(RangeWarnings, TheLimitsAreInRangeAndAFaultTakesPrecedence) {
    for (const NumberStyle* style : {&kSpanish, &kEnglish}) {
        for (const PanelSettings& s : {PanelSettings{20, 20, "950", "10", "14"},
                                       PanelSettings{20, 20, "1070", "50", "16"}}) {
            EXPECT_TRUE(run_pass(s, *style).range_warnings.empty());
        }
        // Three boxes out at once: three warnings, in the order of the boxes.
        const PassDisplay three = run_pass({20, 20, "1100", "60", "17"}, *style);
        ASSERT_EQ(three.range_warnings.size(), 3u);
        EXPECT_EQ(three.range_warnings[2].setting, Quantity::water_inlet_temperature);
    }
    // A barometer too low to compute faults; the fault's message names the box.
    const PassDisplay low = run_pass({4, 4, "500", "18", "15"}, kEnglish);
    ASSERT_FALSE(low.complete());
    EXPECT_TRUE(low.range_warnings.empty());
    EXPECT_TRUE(
        low.fault_message.ends_with("Fuera de rango: la presión barométrica (950 a 1070 mbar)"));
    // A box without a number beside one out of range: the fault alone.
    const PassDisplay bad = run_pass({4, 4, "1010", "x", "99"}, kEnglish);
    ASSERT_FALSE(bad.complete());
    EXPECT_TRUE(bad.range_warnings.empty());
}

}  // namespace
}  // namespace gelvor
