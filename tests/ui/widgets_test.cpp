// Our own small controls: what the operator can do with each, and the
// order in which they tell the window about it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include "ui/widgets/manometer.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/rocker_switch.h"
#include "ui/widgets/spin_control.h"
#include "ui/widgets/tab_control.h"
#include "ui/widgets/thermometer.h"

namespace gelvor::ui {
namespace {

TEST(RockerSwitchTest, AClickFlipsItAndReportsOnceTheNewPositionShows) {
    RockerSwitch sw;
    sw.resize(24, 33);
    std::vector<bool> seen;
    QObject::connect(&sw, &RockerSwitch::operated, [&] { seen.push_back(sw.active()); });
    QTest::mouseClick(&sw, Qt::LeftButton);
    QTest::mouseClick(&sw, Qt::LeftButton);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_FALSE(sw.property("active").toBool());
}

TEST(RockerSwitchTest, SpaceBarFlipsItButCodeFlipsItSilently) {
    RockerSwitch sw;
    QSignalSpy operated(&sw, &RockerSwitch::operated);
    QTest::keyClick(&sw, Qt::Key_Space);
    EXPECT_TRUE(sw.active());
    EXPECT_EQ(operated.count(), 1);
    sw.setProperty("active", false);
    EXPECT_FALSE(sw.active());
    EXPECT_EQ(operated.count(), 1);
}

TEST(SpinControlTest, HalvesStepUpAndDownAndTheBoxIsWrittenFirst) {
    QLineEdit box(QStringLiteral("18"));
    SpinControl spin(10, 50, 18);
    spin.resize(13, 23);
    spin.setBuddy(&box);
    QStringList box_when_told;
    QObject::connect(&spin, &SpinControl::positionChanged, [&] { box_when_told << box.text(); });
    QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 3));
    QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 20));
    QTest::mouseClick(&spin, Qt::LeftButton, {}, QPoint(6, 20));
    EXPECT_EQ(box_when_told, (QStringList{"19", "18", "17"}));
    EXPECT_EQ(spin.position(), 17);
}

// Up and Down in the box and the wheel over the spin act as its arrows;
// every other key is the box's own.
TEST(SpinControlTest, KeysInItsBoxAndTheWheelStepItLikeItsArrows) {
    QLineEdit box(QStringLiteral("1010"));
    SpinControl spin(950, 1070, 1010);
    spin.resize(13, 23);
    spin.setBuddy(&box);
    QSignalSpy changed(&spin, &SpinControl::positionChanged);
    QTest::keyClick(&box, Qt::Key_Up);
    EXPECT_EQ(box.text(), "1011");
    QTest::keyClick(&box, Qt::Key_Down);
    QTest::keyClick(&box, Qt::Key_Down);
    EXPECT_EQ(box.text(), "1009");
    QTest::keyClick(&spin, Qt::Key_Up);
    EXPECT_EQ(spin.position(), 1010);
    QWheelEvent up(QPointF(6, 6), spin.mapToGlobal(QPointF(6, 6)), {}, QPoint(0, 120), Qt::NoButton,
                   {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&spin, &up);
    EXPECT_EQ(spin.position(), 1011);
    EXPECT_EQ(changed.count(), 5);
    QTest::keyClicks(&box, "7");
    EXPECT_EQ(box.text(), "10117");
    EXPECT_EQ(spin.position(), 1011);
}

TEST(SpinControlTest, AtItsLimitsItNeitherMovesNorTells) {
    QLineEdit box(QStringLiteral("typed"));
    SpinControl spin(14, 16, 16);
    spin.setBuddy(&box);
    QSignalSpy changed(&spin, &SpinControl::positionChanged);
    spin.stepBy(1);
    EXPECT_EQ(spin.position(), 16);
    EXPECT_EQ(box.text(), "typed");
    spin.setPosition(3);
    EXPECT_EQ(spin.position(), 14);
    EXPECT_EQ(box.text(), "14");
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(spin.property("positionMin").toInt(), 14);
    EXPECT_EQ(spin.property("positionMax").toInt(), 16);
}

// The same spot clicked twice gives the same tab: choosing one moves no row.
TEST(TabControlTest, AClickOnEachTabLeavesEveryTabWhereItWas) {
    TabControl tab({"0", "1", "2", "3", "4", "5"}, 3);
    tab.resize(326, 200);
    EXPECT_GT(tab.tabRect(0).top(), tab.tabRect(3).top());  // the first row is next to the page
    EXPECT_EQ(tab.tabRect(0).bottom() + 1, tab.stripHeight());
    std::vector<QRect> before;
    for (int i = 0; i < tab.count(); ++i) before.push_back(tab.tabRect(i));
    QSignalSpy changed(&tab, &TabControl::currentChanged);
    for (int i : {4, 1, 3, 5, 2, 0}) {
        QTest::mouseClick(&tab, Qt::LeftButton, {}, before[static_cast<std::size_t>(i)].center());
        EXPECT_EQ(tab.property("currentIndex").toInt(), i);
        EXPECT_TRUE(tab.page(i)->isVisibleTo(&tab));
        for (int k = 0; k < tab.count(); ++k)
            EXPECT_EQ(tab.tabRect(k), before[static_cast<std::size_t>(k)]) << i << " " << k;
    }
    EXPECT_EQ(changed.count(), 6);
    EXPECT_FALSE(tab.page(4)->isVisibleTo(&tab));
    EXPECT_EQ(tab.page(4)->geometry().top(), tab.stripHeight());
}

TEST(TabControlTest, ArrowKeysGoRoundTheTabs) {
    TabControl tab({"a", "b"}, 2);
    QTest::keyClick(&tab, Qt::Key_Left);
    EXPECT_EQ(tab.currentIndex(), 1);
    QTest::keyClick(&tab, Qt::Key_Right);
    EXPECT_EQ(tab.currentIndex(), 0);
}

TEST(InstrumentTest, KeepsAnyPositionItIsGivenWithinOrBeyondItsScale) {
    Manometer gauge;
    Thermometer column;
    column.setRange(-10, 30);
    for (QWidget* w : {static_cast<QWidget*>(&gauge), static_cast<QWidget*>(&column)}) {
        w->setProperty("position", 112.5);  // beyond the scale: drawn at its end
        EXPECT_EQ(w->property("position").toDouble(), 112.5);
        w->resize(46, 55);
        EXPECT_FALSE(w->grab().isNull());
    }
    EXPECT_EQ(gauge.property("positionMin").toDouble(), -100);
    EXPECT_EQ(gauge.property("positionMax").toDouble(), 100);
}

TEST(PictureTest, AMissingResourceDrawsNothingAndStillMoves) {
    QWidget parent;
    Picture pic(QStringLiteral(":/pictures/not_there.svg"), Picture::Fit::stretched, false,
                &parent);
    EXPECT_FALSE(pic.hasPicture());
    pic.resize(10, 10);
    EXPECT_FALSE(pic.grab().isNull());
    pic.setContainerOffset(QPoint(0, -32));
    pic.setTop(2005.6f);
    EXPECT_EQ(pic.property("top").toFloat(), 2005.6f);
    EXPECT_EQ(pic.y(), 134 - 32);
}

}  // namespace
}  // namespace gelvor::ui
