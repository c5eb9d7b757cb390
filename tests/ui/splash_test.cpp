// The start: the splash first, closed by a character key, a click on its
// frame's bare background or its timer, and then the main window, once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "notebook/notebook_file.h"
#include "tests/ui/window_driver.h"
#include "ui/form1.h"
#include "ui/notebook/notebook.h"
#include "ui/notebook/notebook_model.h"
#include "ui/notebook/recovery.h"
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

// After a crash the main window asks straight away whether to recover the
// notebook left behind. The Enter that closed the splash, repeating while
// held and then let go, a second press right behind it, a mnemonic or a
// click in that moment, do not answer for the user; a key pressed once the
// question has been seen does.
TEST_F(StartupTest, TheKeyThatClosesTheSplashDoesNotAnswerTheRecoveryQuestion) {
    NotebookDocument crashed;
    crashed.header.students = "Ana";
    const QString left = notebook::Recovery::folder() + "/999999.gelvor";
    ASSERT_TRUE(QDir().mkpath(notebook::Recovery::folder()));
    QFile file(left);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray::fromStdString(notebook_to_json(crashed, "Gelvor")));
    file.close();

    const auto held_return = [](QWindow* w, bool press, bool marked_as_repeat) {
        QTest::simulateEvent(w, press, Qt::Key_Return, {}, "\r", marked_as_repeat);
    };
    bool answered = false;
    const int asked = testing::answer_modals<QMessageBox>(
        [&] {
            QTest::keyPress(splash, Qt::Key_Return);
            EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 10000));
        },
        [&](QMessageBox* box) {
            EXPECT_EQ(box->objectName(), "recuperarRegistro");
            QWindow* w = box->windowHandle();
            held_return(w, true, true);
            held_return(w, false, false);
            QTest::keyClick(w, Qt::Key_Return);
            QTest::keyClick(w, Qt::Key_D);  // "&Descartar" without Alt
            QTest::keyClick(w, Qt::Key_D, Qt::AltModifier);
            const QWidget* discard = box->button(QMessageBox::Discard);
            QTest::mouseClick(w, Qt::LeftButton, {}, discard->mapTo(box, discard->rect().center()));
            EXPECT_TRUE(box->isVisible());
            // Held on after a quiet moment: X11 repeats it as a release and a
            // press, only some pairs marked as repeats.
            QTest::qWait(notebook::Recovery::kHeedAfterMs + 100);
            for (int i = 0; i < 4; ++i) {
                held_return(w, false, i == 0);
                held_return(w, true, i == 0);
                QTest::qWait(40);
            }
            held_return(w, false, false);
            EXPECT_TRUE(box->isVisible());
            QTest::qWait(notebook::Recovery::kHeedAfterMs + 100);
            answered = true;
            QTest::keyClick(w, Qt::Key_Return);  // "Recuperar", the default
            if (box->isVisible()) {
                ADD_FAILURE() << "a key pressed once the question was seen is not heeded";
                box->button(QMessageBox::Cancel)->click();
            }
        });
    QFile::remove(left);
    EXPECT_EQ(asked, 1);
    ASSERT_NE(startup.mainWindow(), nullptr);
    EXPECT_EQ(startup.mainWindow()->notebook().model().header().students, "Ana");
}

}  // namespace
}  // namespace gelvor::ui
