// The machine as the operator works it: the switch sequence with its
// minimum-flow rule, the flow bars and floats, the spins and their boxes.
#include <QAction>
#include <QClipboard>
#include <QHelpEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <cstdlib>

#include "model/settings_ranges.h"
#include "present/pass.h"
#include "tests/ui/window_driver.h"
#include "ui/box_mark.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "ui/translations.h"

namespace gelvor::ui::testing {
namespace {

const char* const kResults[] = {
    "Text7_0",  "Text7_1",  "Text7_2",  "Text7_3",  "Text7_4",  "Text7_5",  "Text7_6",  "Text7_7",
    "Text7_8",  "Text7_9",  "Text7_10", "Text7_11", "Text7_12", "Text7_13", "Text7_14", "Text7_15",
    "Text7_16", "Text7_17", "Text7_18", "Text7_19", "Text7_20", "Text7_21", "Text7_22", "Text7_23",
    "Text7_24", "Text7_25", "Text7_26", "Text7_27", "Text7_28", "Text7_29", "Text7_30", "Text7_31"};

using SwitchSequence = WindowTest;

TEST_F(SwitchSequence, SwitchingOnWithoutWaterWarnsAndSetsBothFlowsToFour) {
    operateSwitch();
    ASSERT_EQ(notices.count, 1);
    EXPECT_EQ(notices.title, "AVISO");
    EXPECT_EQ(notices.text,
              QString::fromUtf8("Para el correcto funcionamiento de la máquina, deben circular al "
                                "menos 4 g/s de agua por los serpentines del evaporador y del "
                                "condensador"));
    EXPECT_EQ(notices.icon, QMessageBox::Critical);
    EXPECT_EQ(notices.buttons, 1);

    EXPECT_TRUE(on());
    EXPECT_EQ(find<QScrollBar>("VScroll1")->value(), 46);
    EXPECT_EQ(find<QScrollBar>("VScroll2")->value(), 46);
    EXPECT_EQ(top("Image1"), 2005.6f);
    EXPECT_EQ(top("Image2"), 2005.6f);
    EXPECT_EQ(text("Text6"), "4.0 g/s");
    EXPECT_EQ(text("Text5"), "4.0 g/s");
    EXPECT_EQ(text("Text7_5"), "174.5 kPa");  // point B right after switch-on
    for (const char* p : {"Picture1_0", "Picture1_1", "Picture1_2"})
        EXPECT_TRUE(find(p)->isVisible()) << p;
    EXPECT_TRUE(overlayShown());
    EXPECT_TRUE(status().isEmpty());
}

TEST_F(SwitchSequence, OneGramPerSecondOnEachCoilPassesWithoutNotice) {
    switchOnWith(1, 1);
    EXPECT_EQ(notices.count, 0);
    EXPECT_EQ(text("Text6"), "1.0 g/s");
    EXPECT_EQ(text("Text5"), "1.0 g/s");
}

TEST_F(SwitchSequence, OneDryCoilSetsBothFlowsToFour) {
    setBar("VScroll2", 30);  // condenser 20 g/s, evaporator none
    operateSwitch();
    EXPECT_EQ(notices.count, 1);
    EXPECT_EQ(text("Text6"), "4.0 g/s");
    EXPECT_EQ(text("Text5"), "4.0 g/s");
}

TEST_F(SwitchSequence, SwitchingOffWithoutWaterAlsoWarnsThenEmptiesTheResults) {
    switchOnWith(20, 20);
    setBar("VScroll1", 50);  // the bars themselves allow no water while running
    EXPECT_EQ(notices.count, 0);
    EXPECT_EQ(text("Text6"), ".0 g/s");
    operateSwitch();
    EXPECT_FALSE(on());
    EXPECT_EQ(notices.count, 1);
    EXPECT_EQ(find<QScrollBar>("VScroll1")->value(), 46);
    EXPECT_EQ(find<QScrollBar>("VScroll2")->value(), 46);
    for (const char* r : kResults) EXPECT_TRUE(text(r).isEmpty()) << r;
}

TEST_F(SwitchSequence, SwitchingOffEmptiesResultsButKeepsInstrumentsAndReadouts) {
    switchOnWith(20, 20);
    const double gauge = position("GaugeX1");
    const double te = position("ter_5");
    const QString flow = text("Text5");
    const QString tc = text("Text12");
    ASSERT_NE(gauge, 20.0);  // the design reading was overwritten
    operateSwitch();
    EXPECT_FALSE(on());
    for (const char* r : kResults) EXPECT_TRUE(text(r).isEmpty()) << r;
    EXPECT_EQ(position("GaugeX1"), gauge);
    EXPECT_EQ(position("ter_5"), te);
    EXPECT_EQ(text("Text5"), flow);
    EXPECT_EQ(text("Text12"), tc);
    for (const char* p : {"Picture1_0", "Picture1_1", "Picture1_2"})
        EXPECT_FALSE(find(p)->isVisible()) << p;
    EXPECT_TRUE(find("c_0")->isVisible());
    EXPECT_FALSE(overlayShown());
}

TEST_F(SwitchSequence, BoxSixStaysEmptyWhileEveryOtherResultIsFilled) {
    switchOnWith(20, 20);
    operateSwitch();
    operateSwitch();
    ASSERT_TRUE(on());
    for (const char* r : kResults) EXPECT_EQ(text(r).isEmpty(), QLatin1String(r) == "Text7_6") << r;
}

TEST_F(SwitchSequence, SpaceBarOperatesTheFocusedSwitch) {
    setBar("VScroll1", 30);
    setBar("VScroll2", 30);
    QWidget* power = find("Interruptor");
    power->setFocus();
    QTest::keyClick(power, Qt::Key_Space);
    EXPECT_TRUE(on());
    EXPECT_EQ(text("Text6"), "20.0 g/s");
}

TEST_F(SwitchSequence, RunningPictureOfTheEvaporatorLiesAboveTheOneAtRest) {
    const QObjectList& order = find("c_0")->parent()->children();
    EXPECT_GT(order.indexOf(find("Picture1_1")), order.indexOf(find("c_0")));
}

// Ending the event loop ends every later one in the same process, so the
// program is run in a process of its own.
TEST(Salir, EndsTheProgramAtOnceWithTheMachineRunning) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    auto run = [] {
        Form1 form;
        form.show();
        form.findChild<QScrollBar*>("VScroll1")->setValue(30);
        form.findChild<QScrollBar*>("VScroll2")->setValue(30);
        QTest::mouseClick(form.findChild<QWidget*>("Interruptor"), Qt::LeftButton);
        if (!form.session().view().machine_on)
            std::_Exit(2);
        QTimer::singleShot(0, [&] { form.findChild<QAction*>("ce")->trigger(); });
        QTimer::singleShot(3000, [] { QCoreApplication::exit(1); });  // not ended: fail, not hang
        std::_Exit(QApplication::exec());  // at once, as the program ends
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "");
}

// Qt's own texts speak Spanish once its translations are loaded.
TEST_F(SwitchSequence, QtsOwnTextsAreSpanish) {
    ASSERT_TRUE(install_qt_translations(qApp)) << "qt6-translations-l10n is missing";
    QMessageBox box(QMessageBox::Critical, "AVISO", "", QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text().remove(u'&'), "Aceptar");
    std::unique_ptr<QMenu> menu(find<QLineEdit>("Text3")->createStandardContextMenu());
    QStringList items;
    for (QAction* a : menu->actions()) items << a->text().remove(u'&').section(u'\t', 0, 0);
    EXPECT_TRUE(items.contains("Copiar")) << items.join(", ").toStdString();
}

// The manual's exercise on the rates of refrigeration: three operating
// points, set with the keyboard alone from the window as it opens.
TEST_F(SwitchSequence, TheExercisesThreePointsAreReachedByKeyboardAlone) {
    auto press = [](Qt::Key key, int times = 1, Qt::KeyboardModifiers mods = {}) {
        for (int i = 0; i < times; ++i) QTest::keyClick(QApplication::focusWidget(), key, mods);
    };
    find("VScroll2")->setFocus(Qt::ActiveWindowFocusReason);  // the first stop, as it opens
    ASSERT_TRUE(find("VScroll2")->hasFocus());
    press(Qt::Key_Up, 20);  // condenser 20 g/s
    press(Qt::Key_Tab, 2);
    ASSERT_TRUE(find("VScroll1")->hasFocus());
    press(Qt::Key_Up, 20);  // evaporator 20 g/s
    press(Qt::Key_Tab, 1, Qt::ShiftModifier);
    ASSERT_TRUE(find("Interruptor")->hasFocus());
    press(Qt::Key_Space);
    ASSERT_TRUE(on());
    EXPECT_EQ(notices.count, 0);
    EXPECT_EQ(text("Text5"), "20.0 g/s");
    EXPECT_EQ(text("Text6"), "20.0 g/s");
    const QString qe_first = text("Text7_23");

    press(Qt::Key_Tab, 1, Qt::ShiftModifier);
    press(Qt::Key_Down, 16);  // condenser 4 g/s
    EXPECT_EQ(text("Text5"), "4.0 g/s");
    EXPECT_EQ(text("Text6"), "20.0 g/s");
    EXPECT_NE(text("Text7_23"), qe_first);

    press(Qt::Key_Up, 36);  // condenser 40 g/s
    press(Qt::Key_Tab, 2);
    press(Qt::Key_Down, 10);  // evaporator 10 g/s
    EXPECT_EQ(text("Text5"), "40.0 g/s");
    EXPECT_EQ(text("Text6"), "10.0 g/s");
    EXPECT_EQ(find<QScrollBar>("VScroll2")->value(), 10);
    EXPECT_EQ(top("Image1"), float_top_twips(40));
    EXPECT_TRUE(status().isEmpty());
}

// Read-outs show what the bench computed: they can be copied, not overwritten.
TEST_F(SwitchSequence, ReadoutsCanBeCopiedButNotTypedInto) {
    switchOnWith(20, 20);
    for (const char* box :
         {"Text5", "Text6", "Text9", "Text10", "Text11", "Text12", "Text7_0", "Text7_31"}) {
        QLineEdit* b = find<QLineEdit>(box);
        const QString shown = b->text();
        b->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(b, "99");
        QTest::keyClick(b, Qt::Key_Backspace);
        EXPECT_EQ(b->text(), shown) << box;
        b->selectAll();
        b->copy();
        EXPECT_EQ(QApplication::clipboard()->text(), shown) << box;
    }
    for (const char* box : {"Text3", "Text4", "Text8"}) {
        type(box, "1");
        EXPECT_EQ(text(box), "1") << box;
    }
    EXPECT_FALSE(find<QPlainTextEdit>("Text2")->isReadOnly());
}

// "23,3701720436139" in a box that holds five figures: its beginning shows
// after each write and again when the focus leaves it.
TEST_F(SwitchSequence, AReadoutShowsTheStartOfItsTextWhenTheFocusLeaves) {
    switchOnWith(20, 20);
    QLineEdit* t3 = find<QLineEdit>("Text9");
    EXPECT_EQ(t3->cursorPosition(), 0);
    t3->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(t3, Qt::Key_End);
    ASSERT_EQ(t3->cursorPosition(), t3->text().size());
    find("Text3")->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(t3->cursorPosition(), 0);
}

using FlowBars = WindowTest;

TEST_F(FlowBars, MovingABarWhileOffMovesItsFloatButComputesNothing) {
    setBar("VScroll1", 0);
    setBar("VScroll2", 25);
    EXPECT_EQ(top("Image1"), 1564.0f);
    EXPECT_EQ(top("Image2"), 1804.0f);
    EXPECT_EQ(find("Image2")->y(), 120);  // 1804 twips
    EXPECT_EQ(text("Text6"), "0");
    EXPECT_EQ(text("Text5"), "0");
    setBar("VScroll1", 50);
    EXPECT_EQ(top("Image1"), 2044.0f);
}

TEST_F(FlowBars, AnArrowStepWhileOnRecomputesAtOnce) {
    switchOnWith(20, 20);
    const QString te = text("Text11");
    raiseFlow("VScroll1");
    EXPECT_EQ(text("Text6"), "21.0 g/s");
    EXPECT_NE(text("Text11"), te);  // more evaporator water, higher te
}

using Spins = WindowTest;

struct SpinCase {
    const char* spin;
    const char* box;
    int min, max, start;
};

TEST_F(Spins, ArrowsStepByOneWithinTheirRangeAndWriteTheBox) {
    const SpinCase cases[] = {{"UpDown1", "Text3", 950, 1070, 1010},
                              {"UpDown2", "Text4", 10, 50, 18},
                              {"UpDown3", "Text8", 14, 16, 15}};
    for (const SpinCase& c : cases) {
        SCOPED_TRACE(c.spin);
        EXPECT_EQ(find(c.spin)->property("position").toInt(), c.start);
        EXPECT_EQ(text(c.box), QString::number(c.start));
        clickSpin(c.spin, true);
        EXPECT_EQ(text(c.box), QString::number(c.start + 1));
        setSpin(c.spin, c.max);
        clickSpin(c.spin, true);
        EXPECT_EQ(find(c.spin)->property("position").toInt(), c.max);
        EXPECT_EQ(text(c.box), QString::number(c.max));
        setSpin(c.spin, c.min);
        clickSpin(c.spin, false);
        EXPECT_EQ(find(c.spin)->property("position").toInt(), c.min);
        EXPECT_EQ(text(c.box), QString::number(c.min));
    }
}

TEST_F(Spins, FirstLowerClickOfTheAmbientSpinGivesSeventeen) {
    clickSpin("UpDown2", false);
    EXPECT_EQ(text("Text4"), "17");
}

TEST_F(Spins, TypingIntoTheBoxMovesNoSpin) {
    type("Text3", "1020");
    EXPECT_EQ(text("Text3"), "1020");
    EXPECT_EQ(find("UpDown1")->property("position").toInt(), 1010);
    clickSpin("UpDown1", true);
    EXPECT_EQ(text("Text3"), "1011");
}

TEST_F(Spins, AmbientSpinMovesTheRoomThermometerAndComputesNothingWhileOff) {
    EXPECT_EQ(position("iThermometerX1"), 20.0);  // the design reading until first moved
    clickSpin("UpDown2", true);
    EXPECT_EQ(position("iThermometerX1"), 19.0);
    EXPECT_EQ(text("Text11"), "0");
    for (const char* r : kResults) EXPECT_TRUE(text(r).isEmpty()) << r;
}

TEST_F(Spins, WaterSpinMovesBothInletThermometersOnOrOff) {
    clickSpin("UpDown3", false);
    EXPECT_EQ(position("ter_0"), 14.0);
    EXPECT_EQ(position("ter_3"), 14.0);
    switchOnWith(20, 20);
    clickSpin("UpDown3", true);
    EXPECT_EQ(position("ter_0"), 15.0);
    EXPECT_EQ(position("ter_3"), 15.0);
}

TEST_F(Spins, TypedBarometricPressureCountsOnlyAtTheNextEvent) {
    switchOnWith(4, 4);
    ASSERT_EQ(text("Text7_0"), "46.7 kPa");
    type("Text3", "1020");
    EXPECT_EQ(text("Text7_0"), "46.7 kPa");
    raiseFlow("VScroll2");  // 5 g/s through the condenser: 0.06 kPa less in the evaporator
    EXPECT_EQ(text("Text7_0"), "47.6 kPa");  // 102.0 kPa of air pressure; 1010 mbar would give 46.6
}

// Enter applies what was typed, as the spin's click would, the spin left where
// it was; until then the box is marked and the status line says how.
TEST_F(Spins, EnterAppliesATypedSettingAndMendsItsFault) {
    switchOnWith(20, 20);
    QLineEdit* ambient = find<QLineEdit>("Text4");
    type("Text4", "25");
    EXPECT_TRUE(is_pending(ambient));
    EXPECT_EQ(ambient->toolTip(), kApplyHint);
    EXPECT_EQ(status(), kApplyHint);
    QTest::keyClick(ambient, Qt::Key_Return);
    EXPECT_FALSE(is_pending(ambient));
    EXPECT_TRUE(status().isEmpty());
    EXPECT_EQ(position("iThermometerX1"), 25.0);
    EXPECT_EQ(find("UpDown2")->property("position").toInt(), 18);
    for (const DisplayWrite& w :
         run_pass(form->session().settings(), qt::number_style(QLocale())).writes) {
        if (w.kind == DisplayWrite::Kind::text) {
            EXPECT_EQ(text(w.target), qt::to_qstring(w.text)) << w.target;
        }
    }

    // A refused text is named at once; the next Enter mends it, the keypad's too.
    QLineEdit* water = find<QLineEdit>("Text8");
    type("Text8", "abc");
    QTest::keyClick(water, Qt::Key_Return);
    EXPECT_EQ(box_mark(water), BoxMark::fault);
    EXPECT_TRUE(status().contains("abc"));
    type("Text8", "16");
    QTest::keyClick(water, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(box_mark(water), BoxMark::none);
    EXPECT_TRUE(status().isEmpty());
    EXPECT_EQ(position("ter_0"), 16.0);
    EXPECT_EQ(position("ter_3"), 16.0);

    // A narrow box shows the start of its text once the focus leaves it.
    water->setFocus();
    QTest::keyClicks(water, "5,25");
    water->clearFocus();
    EXPECT_EQ(water->cursorPosition(), 0);
}

// The worked example: both flows 25 g/s at the start settings.
struct WorkedExample {
    QLocale locale;
    char separator;
    friend void PrintTo(const WorkedExample& w, std::ostream* os) {
        *os << w.locale.name().toStdString();
    }
};

class WorkedExampleTest : public WindowTest, public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(WorkedExampleTest, ReachesEveryBoxInTheUsersSeparator) {
    QLocale::setDefault(GetParam().locale);
    switchOnWith(25, 25);
    auto expect = [&](const char* box, QString shown) {
        shown.replace('.', QLatin1Char(GetParam().separator));
        EXPECT_EQ(text(box), shown) << box;
    };
    expect("Text6", "25.0 g/s");
    expect("Text5", "25.0 g/s");
    expect("Text7_0", "52.4 kPa");
    expect("Text7_15", "52.4 kPa");
    expect("Text7_1", QString::fromUtf8("6.1 ºC"));
    expect("Text7_16", QString::fromUtf8("6.1 ºC"));
    expect("Text11", QString::fromUtf8("6.1 ºC"));
    expect("Text7_5", "95.2 kPa");
    expect("Text7_10", "95.2 kPa");
    expect("Text7_31", "1.82");
    expect("Text7_11", QString::fromUtf8("22.2 ºC"));
    expect("Text12", QString::fromUtf8("22.2 ºC"));
    expect("Text7_13", "219.6 kJ/kg");
    expect("Text7_18", "219.6 kJ/kg");
    expect("Text7_3", "393.8 kJ/kg");
    expect("Text7_19", "7.6 %");
    expect("Text7_4", "1");
    expect("Text7_9", "sobrecalent");
    expect("Text7_14", "0");
    expect("Text7_7", "-");
    EXPECT_NEAR(position("GaugeX2"), -48.6171, 1e-4);
    EXPECT_NEAR(position("GaugeX1"), -5.8402, 1e-4);
    EXPECT_NEAR(position("ter_5"), 6.0841, 1e-4);
    EXPECT_NEAR(position("ter_4"), 22.1686, 1e-4);
}

// A tool tip gives the reading at the moment it opens.
TEST_P(WorkedExampleTest, ToolTipsGiveTheReadingsInTheUsersSeparator) {
    QLocale::setDefault(GetParam().locale);
    switchOnWith(25, 25);
    auto tip = [&](const char* name) {
        QWidget* w = find(name);
        QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
        QCoreApplication::sendEvent(w, &e);
        QString t = w->toolTip();
        return t.replace(QLatin1Char(GetParam().separator), u'.');
    };
    EXPECT_EQ(tip("GaugeX1"), QString::fromUtf8("Manómetro presión condensador\n-5.8 kPa"));
    EXPECT_EQ(tip("GaugeX2"), QString::fromUtf8("Manómetro presión Evaporador\n-48.6 kPa"));
    EXPECT_EQ(tip("ter_4"), QString::fromUtf8("tc: temperatura de condensación\n22.2 ºC"));
    EXPECT_EQ(tip("iThermometerX1"), QString::fromUtf8("ta: temperatura ambiente\n20.0 ºC"));
    EXPECT_EQ(tip("VScroll1"), "Caudal de agua del evaporador: 25 g/s");
    EXPECT_EQ(tip("Image2"), "Caudal de agua del condensador: 25 g/s");
    raiseFlow("VScroll1");
    EXPECT_EQ(tip("Image1"), "Caudal de agua del evaporador: 26 g/s");
    setBar("VScroll2", 50);  // no condenser water: t3 has no reading
    EXPECT_EQ(tip("ter_1"), QString::fromUtf8("t3: agua a la salida del condensador\n"
                                              "Sin lectura: no circula agua"));
}

INSTANTIATE_TEST_SUITE_P(
    Separators, WorkedExampleTest,
    ::testing::Values(WorkedExample{QLocale::c(), '.'},
                      WorkedExample{QLocale(QLocale::Spanish, QLocale::Spain), ','}),
    [](const auto& info) { return info.param.separator == '.' ? "point" : "comma"; });

}  // namespace
}  // namespace gelvor::ui::testing
