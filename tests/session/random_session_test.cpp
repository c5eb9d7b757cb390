// A random operator on the bench session alone, without a window: flow
// steps, spin clicks, typed and applied texts, switch operations and whole
// conditions, with the view checked after each intent against what a pass
// of the same settings shows.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string_view>

#include "layout/form1_layout.h"
#include "model/settings_ranges.h"
#include "present/box_reading.h"
#include "present/operator_notices.h"
#include "session/bench_session.h"
#include "tests/random_texts.h"
#include "tests/test_environment.h"

namespace gelvor::session {
namespace {

using gelvor::testing::count_from_environment;
using gelvor::testing::random_box_text;
using gelvor::testing::seed_from_environment;

constexpr Quantity kBoxes[] = {Quantity::barometric_pressure, Quantity::water_inlet_temperature,
                               Quantity::ambient_temperature};

class RandomSession : public ::testing::Test {
  protected:
    // Performs one intent; returns whether it is one that computes while the machine runs.
    bool act(std::string& what) {
        const int kind = int(rng() % 100);
        if (kind < 30) {
            const FlowBar bar = rng() % 2 ? FlowBar::evaporator : FlowBar::condenser;
            const int step = rng() % 2 ? 1 : -1;
            const int before = s.view().flows[bar == FlowBar::evaporator ? 0 : 1].flow;
            s.step_flow(bar, step);
            what = "flow " + std::to_string(step);
            return s.view().flows[bar == FlowBar::evaporator ? 0 : 1].flow != before;
        }
        const Quantity box = kBoxes[rng() % 3];
        const SettingRange range = box == Quantity::barometric_pressure   ? kBarometerRange
                                   : box == Quantity::ambient_temperature ? kAmbientRange
                                                                          : kWaterInletRange;
        if (kind < 60) {
            const int before = setting(box).spin_position;
            s.step_spin(box, rng() % 2 ? 1 : -1);
            what = "spin";
            return setting(box).spin_position != before;
        }
        if (kind < 80) {
            const std::string text = random_box_text(rng, range.min, range.max);
            s.type(box, text);
            what = "type \"" + text + "\"";
            if (setting(box).pending) {
                EXPECT_EQ(s.view().status.front().text, kApplyHint);
            }
            if (rng() % 2)
                return false;
            s.apply(box);
            what += " Enter";
            return true;
        }
        if (kind < 92) {
            s.operate_switch();
            what = "switch";
            return true;
        }
        Conditions c{int(rng() % 51), int(rng() % 51),
                     double(kBarometerRange.min + int(rng() % 121)), 14 + (rng() % 21) / 10.0,
                     double(kAmbientRange.min + int(rng() % 41))};
        s.set_conditions(c);
        what = "conditions";
        return true;
    }

    const SettingView& setting(Quantity box) const {
        for (const SettingView& v : s.view().settings) {
            if (v.quantity == box)
                return v;
        }
        return s.view().settings[0];
    }

    void check(bool computing, long passes_before) {
        const BenchView& v = s.view();
        const long passes = s.passes_computed() - passes_before;
        EXPECT_LE(passes, 1);  // each intent computes at most one pass
        if (computing && v.machine_on) {
            EXPECT_EQ(passes, 1);
        }
        for (const PictureView& p : v.pictures) {
            const bool rest = std::string_view(p.name) == "c_0";
            EXPECT_EQ(p.shown, rest || v.machine_on) << p.name;
        }
        for (const SettingView& b : v.settings) {
            // A red frame is for a text that failed; a box the last pass did
            // not reach keeps what it had.
            const ShownPass* pass = s.pass_on_show();
            const bool unreached = pass && !pass->display.read_box(b.quantity) &&
                                   pass->display.unreadable_box() != b.quantity;
            if (b.mark == BoxMark::fault && !unreached) {
                EXPECT_TRUE(b.pending || !read_box_number(b.text, s.number_style())) << b.box;
            }
            if (b.mark == BoxMark::warning) {
                EXPECT_TRUE(v.machine_on) << b.box;
            }
        }
        if (!v.machine_on) {
            EXPECT_EQ(s.pass_on_show(), nullptr);
            EXPECT_FALSE(v.cycle_shown && v.machine_on);
            for (const DisplayView& d : v.displays) {
                if (std::string_view(d.target).starts_with("Text7_")) {
                    EXPECT_TRUE(d.text.empty()) << d.target;
                }
            }
            return;
        }
        ASSERT_NE(s.pass_on_show(), nullptr);
        // Every display shows what a pass of the settings it read computes.
        const PassDisplay expected = run_pass(s.pass_on_show()->settings, s.number_style());
        for (std::size_t i = 0; i < expected.writes.size(); ++i) {
            const DisplayWrite& w = expected.writes[i];
            if (w.kind == DisplayWrite::Kind::text) {
                EXPECT_EQ(v.displays[i].text, w.text) << w.target;
            } else
                EXPECT_EQ(v.displays[i].position, w.position) << w.target;
        }
        for (std::size_t i = expected.writes.size(); i < display_targets().size(); ++i) {
            if (!v.displays[i].instrument) {
                EXPECT_TRUE(v.displays[i].text.empty()) << v.displays[i].target;
            }
        }
        EXPECT_EQ(v.cycle_shown, expected.overlay.has_value());
        if (computing && passes == 1) {
            std::string lines;
            for (const StatusLine& l : v.status) lines += (lines.empty() ? "" : "\n") + l.text;
            EXPECT_EQ(lines, expected.status_message());
        }
    }

    void run(const NumberStyle& style, const char* name, int actions) {
        s.set_number_style(style);
        const unsigned seed = seed_from_environment() + unsigned(name[0]);
        rng.seed(seed);
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < actions; ++i) {
            std::string what;
            const long passes = s.passes_computed();
            const bool computing = act(what);
            SCOPED_TRACE("action " + std::to_string(i) + " (" + what + ") of seed " +
                         std::to_string(seed) + ", " + name);
            check(computing, passes);
            if (HasFailure())
                return;  // the first broken invariant, with its seed and action
        }
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        std::printf(
            "random operator on the session, %s, seed %u: %d actions, %ld passes, "
            "%.0f actions a second\n",
            name, seed, actions, s.passes_computed(), actions / seconds);
    }

    std::mt19937 rng;
    BenchSession s;
};

TEST_F(RandomSession, SpanishSettings) {
    run(spanish_number_style(), "es_ES",
        count_from_environment("GELVOR_RANDOM_SESSION_ACTIONS", 100000));
}

TEST_F(RandomSession, EnglishSettings) {
    run(english_number_style(), "en_US",
        count_from_environment("GELVOR_RANDOM_SESSION_ACTIONS", 100000));
}

}  // namespace
}  // namespace gelvor::session
