#include "present/validity.h"

#include "present/pass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace gelvor {
namespace {

std::vector<ValidityIssue> issues_at(int evaporator_flow, int condenser_flow, double water,
                                     double ambient, Language language = Language::spanish) {
    const BenchInputs in{static_cast<std::int16_t>(evaporator_flow),
                         static_cast<std::int16_t>(condenser_flow), 101.0, water, ambient};
    std::vector<ValidityIssue> out;
    const PassResult pass = recompute(in);
    for (const ValidityNote& n : validity_notes(in, pass, ideal_cycle(pass.state), language, ","))
        out.push_back(n.issue);
    return out;
}

using I = ValidityIssue;

TEST(Validity, EachPlaceWhereTheModelIsNotPhysicalHasItsNoteAndTheExerciseNone) {
    // The manual's three points: (mc, me) = (20, 20), (4, 20), (40, 10) g/s.
    EXPECT_TRUE(issues_at(20, 20, 15, 18).empty());
    EXPECT_TRUE(issues_at(20, 4, 15, 18).empty());
    EXPECT_TRUE(issues_at(10, 40, 15, 18).empty());
    // A hot room puts B inside the dome.
    EXPECT_EQ(issues_at(20, 20, 15, 50), std::vector{I::discharge_in_dome});
    // The evaporator water held just above te, with 1 g/s through each coil.
    EXPECT_EQ(issues_at(1, 1, 14, 10), std::vector{I::evaporator_outlet_held});
    // A coil without water while the machine runs.
    EXPECT_EQ(issues_at(20, 0, 15, 18), std::vector{I::condenser_without_water});
    const auto dry_evaporator = issues_at(0, 20, 15, 18);
    EXPECT_TRUE(std::ranges::find(dry_evaporator, I::evaporator_without_water) !=
                dry_evaporator.end());
    EXPECT_TRUE(std::ranges::find(dry_evaporator, I::evaporator_outlet_held) ==
                dry_evaporator.end());  // no water to hold: the dry coil's note says it
    // Typed settings far out of range turn the compressor's power negative.
    const auto absurd = issues_at(20, 20, 100, 200);
    EXPECT_TRUE(std::ranges::find(absurd, I::non_positive_performance) != absurd.end());
}

TEST(Validity, AFaultWinsAndTheTextsSpeakTheLanguageAndSeparatorAsked) {
    // A fault wins, as the pass shows it.
    const PassDisplay faulted = run_pass({20, 20, "1010", "50", "abc"}, spanish_number_style());
    EXPECT_TRUE(faulted.validity_notes.empty());
    EXPECT_EQ(faulted.status_message(), faulted.fault_message);
    const PassDisplay hot = run_pass({20, 20, "1010", "50", "15"}, spanish_number_style());
    ASSERT_EQ(hot.validity_notes.size(), 1u);
    EXPECT_EQ(hot.status_message(), hot.validity_notes[0].text);

    const BenchInputs held{1, 1, 101.0, 14, 10};
    const PassResult pass = recompute(held);
    const IdealCycle ideal = ideal_cycle(pass.state);
    const auto es = validity_notes(held, pass, ideal, Language::spanish, ",");
    const auto en = validity_notes(held, pass, ideal, Language::english, ".");
    ASSERT_EQ(es.size(), 1u);
    ASSERT_EQ(en.size(), 1u);
    EXPECT_NE(es[0].text.find("te + 0,01 \u00BAC"), std::string::npos) << es[0].text;
    EXPECT_EQ(en[0].text.rfind("The evaporator water", 0), 0u) << en[0].text;
    EXPECT_NE(en[0].text.find("te + 0.01"), std::string::npos) << en[0].text;
}

}  // namespace
}  // namespace gelvor
