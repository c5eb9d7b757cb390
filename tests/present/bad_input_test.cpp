// Every text of the bad-input corpus in every box, under both locales.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cmath>

#include "present/pass.h"
#include "tests/corpus/corpus.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor {
namespace {

PanelSettings with_text(corpus::Box box, const QString& text) {
    PanelSettings s;
    (box == corpus::Box::barometer ? s.barometer_text
     : box == corpus::Box::ambient ? s.ambient_text
                                   : s.water_text) = qt::to_utf8(text);
    return s;
}

bool shows_non_finite(const DisplayWrite& w) {
    const QString text = qt::to_qstring(w.text);
    return !std::isfinite(w.position) || text.contains(u"nan", Qt::CaseInsensitive) ||
           text.contains(u"inf", Qt::CaseInsensitive);
}

TEST(BadInput, EveryCorpusTextFaultsCleanlyAndTheNextGoodPassRestoresAll) {
    const QList<corpus::Entry> entries = corpus::load();
    ASSERT_GE(entries.size(), 3 * 40);
    const PassDisplay good = run_pass(PanelSettings{}, spanish_number_style());
    for (const QLocale& locale : {QLocale(QLocale::Spanish, QLocale::Spain),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        for (const corpus::Entry& e : entries) {
            SCOPED_TRACE(e.label.toStdString() + " in " + corpus::box_name(e.box).toStdString() +
                         ", " + locale.name().toStdString());
            const NumberStyle style = qt::number_style(locale);
            const PassDisplay p = run_pass(with_text(e.box, e.text), style);
            EXPECT_EQ(p.writes.size() + p.unreached().size(), display_targets().size());
            for (const DisplayWrite& w : p.writes) {
                EXPECT_FALSE(shows_non_finite(w)) << w.target;
            }
            if (!p.complete()) {
                const QString message = qt::to_qstring(p.fault_message);
                EXPECT_TRUE(message.contains(corpus::box_name(e.box), Qt::CaseInsensitive))
                    << p.fault_message;
                EXPECT_LT(message.size(), 200);
                // Only a pass that stops at the evaporator's Atlm or U still draws the cycle.
                EXPECT_EQ(p.overlay.has_value(), p.fault->step >= Quantity::evap_lmtd);
            }
            const PassDisplay next = run_pass(PanelSettings{}, style);
            ASSERT_TRUE(next.complete());
            ASSERT_EQ(next.writes.size(), display_targets().size());
        }
    }
    EXPECT_EQ(good.writes.size(), display_targets().size());
}

TEST(BadInput, ACorpusFileThatCannotBeReadFailsTheTestThatLoadsIt) {
    EXPECT_NONFATAL_FAILURE(corpus::load(QStringLiteral("/nonexistent/bad_box_texts.txt")),
                            "/nonexistent/bad_box_texts.txt");
}

}  // namespace
}  // namespace gelvor
