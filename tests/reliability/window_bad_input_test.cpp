// Every text of the bad-input corpus typed into the real window, under both
// locales: the window goes on, names the box, shows no non-finite number,
// empties what the pass did not reach, and a good value restores it all.
#include <QScrollBar>

#include "present/pass.h"
#include "tests/corpus/corpus.h"
#include "tests/ui/window_driver.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"

namespace gelvor::ui::testing {
namespace {

const char* box_control(corpus::Box b) {
    return b == corpus::Box::barometer ? "Text3" : b == corpus::Box::ambient ? "Text4" : "Text8";
}

class WindowBadInput : public WindowTest {
  protected:
    // An operator event that leaves the settings as they were: the
    // evaporator flow one step up and back down.
    void nudge() {
        raiseFlow("VScroll1");
        find<QScrollBar>("VScroll1")->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }

    void expect_all_displays_as(const PassDisplay& expected) {
        for (const DisplayWrite& w : expected.writes) {
            if (w.kind == DisplayWrite::Kind::text) {
                EXPECT_EQ(text(w.target), qt::to_qstring(w.text)) << w.target;
            } else {
                EXPECT_EQ(position(w.target), w.position) << w.target;
            }
        }
    }

    void run(const QLocale& locale) {
        QLocale::setDefault(locale);
        switchOnWith(20, 20);
        const PanelSettings good{20, 20, "1010", "18", "15"};
        const NumberStyle style = qt::number_style(locale);
        const PassDisplay good_pass = run_pass(good, style);
        ASSERT_TRUE(good_pass.complete());
        for (const corpus::Entry& e : corpus::load()) {
            SCOPED_TRACE(e.label.toStdString() + " in " + box_control(e.box) + ", " +
                         locale.name().toStdString());
            PanelSettings typed = good;
            (e.box == corpus::Box::barometer ? typed.barometer_text
             : e.box == corpus::Box::ambient ? typed.ambient_text
                                             : typed.water_text) = qt::to_utf8(e.text);
            retype(box_control(e.box), e.text);
            nudge();
            ASSERT_TRUE(form->isVisible());
            const PassDisplay expected = run_pass(typed, style);
            for (QLineEdit* box : form->findChildren<QLineEdit*>()) {
                if (box->objectName() == QLatin1String(box_control(e.box))) {
                    continue;  // what was typed
                }
                EXPECT_FALSE(box->text().contains(u"nan", Qt::CaseInsensitive) ||
                             box->text().contains(u"inf", Qt::CaseInsensitive))
                    << qPrintable(box->objectName());
            }
            if (!expected.complete()) {
                EXPECT_TRUE(status().contains(corpus::box_name(e.box), Qt::CaseInsensitive))
                    << status().toStdString();
                for (const char* target : expected.unreached()) {
                    if (QLatin1String(target).startsWith(QLatin1String("Text"))) {
                        EXPECT_TRUE(text(target).isEmpty()) << target;
                    }
                }
                EXPECT_EQ(overlayShown(), expected.overlay.has_value());
            }
            expect_all_displays_as(expected);

            retype(box_control(e.box), e.box == corpus::Box::barometer ? "1010"
                                       : e.box == corpus::Box::ambient ? "18"
                                                                       : "15");
            nudge();
            EXPECT_TRUE(status().isEmpty());
            EXPECT_TRUE(overlayShown());
            expect_all_displays_as(good_pass);
            if (HasFailure()) {
                return;
            }
        }
    }
};

TEST_F(WindowBadInput, SpanishSettings) {
    run(QLocale(QLocale::Spanish, QLocale::Spain));
}
TEST_F(WindowBadInput, EnglishSettings) {
    run(QLocale(QLocale::English, QLocale::UnitedStates));
}

}  // namespace
}  // namespace gelvor::ui::testing
