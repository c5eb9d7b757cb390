// The start: the splash first, closed by a character key, a click on its
// frame's bare background or its timer, and then the main window, once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/form1.h"
#include "ui/splash.h"
#include "ui/startup.h"

namespace gelvor::ui {
namespace {

class StartupTest : public ::testing::Test {
  protected:
    void SetUp() override {
        startup.start();
        splash = startup.splash();
        ASSERT_NE(splash, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));
    }
    int mainWindows() const {
        int n = 0;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<Form1*>(w) && w->isVisible())
                ++n;
        return n;
    }
    QWidget* frame() const { return splash->findChild<QWidget*>("Frame1"); }

    Startup startup;
    QSignalSpy shown{&startup, &Startup::mainWindowShown};
    Splash* splash = nullptr;
};

TEST_F(StartupTest, ShowsTheProductAndItsVersion) {
    EXPECT_EQ(splash->objectName(), "frmSplash");
    EXPECT_EQ(splash->findChild<QLabel*>("lblProductName")->text(), "Gelvor");
    EXPECT_EQ(splash->findChild<QLabel*>("lblVersion")->text(),
              QString::fromUtf8("Versión: 2.1.0"));
    EXPECT_EQ(splash->size(), QSize(492, 283));
    EXPECT_EQ(splash->findChild<QTimer*>("Timer1")->interval(), 5000);
    EXPECT_EQ(startup.mainWindow(), nullptr);
}

TEST_F(StartupTest, ACharacterKeyClosesItButShiftOrAnArrowDoesNot) {
    QTest::keyClick(splash, Qt::Key_Shift);
    QTest::keyClick(splash, Qt::Key_Left);
    QTest::keyClick(splash, Qt::Key_F1);
    EXPECT_EQ(shown.count(), 0);
    QTest::keyClick(splash, Qt::Key_Return);
    EXPECT_EQ(shown.count(), 1);
    ASSERT_NE(startup.mainWindow(), nullptr);
    EXPECT_TRUE(startup.mainWindow()->isVisible());
    EXPECT_FALSE(splash->isVisible());
}

TEST_F(StartupTest, OnlyTheFramesBareBackgroundTakesTheClick) {
    QTest::mouseClick(splash->findChild<QWidget*>("lblVersion"), Qt::LeftButton);
    QTest::mouseClick(splash->findChild<QWidget*>("iLabelX1"), Qt::LeftButton);
    QTest::mouseClick(splash->findChild<QWidget*>("imgLogo"), Qt::LeftButton);
    QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(3, 3));  // the margin around the frame
    EXPECT_EQ(shown.count(), 0);
    QTest::mouseClick(frame(), Qt::LeftButton, {}, QPoint(frame()->width() - 12, 150));
    EXPECT_EQ(shown.count(), 1);
}

TEST_F(StartupTest, TheTimerClosesItWhenNothingElseDoes) {
    splash->findChild<QTimer*>("Timer1")->start(20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return shown.count() == 1; }, 2000));
    EXPECT_EQ(mainWindows(), 1);
}

TEST_F(StartupTest, TheMainWindowIsShownExactlyOnce) {
    auto* timer = splash->findChild<QTimer*>("Timer1");
    timer->setInterval(30);
    QTest::keyClick(splash, Qt::Key_A);
    EXPECT_FALSE(timer->isActive());
    QTest::qWait(80);
    EXPECT_EQ(shown.count(), 1);
    EXPECT_EQ(mainWindows(), 1);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return startup.splash() == nullptr; }, 1000));  // and it is gone
}

}  // namespace
}  // namespace gelvor::ui
