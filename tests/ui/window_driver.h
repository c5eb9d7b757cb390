#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QScrollBar>
#include <QTest>
#include <QTextDocumentFragment>
#include <QTimer>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/form1.h"

namespace gelvor::ui::testing {

// Texts of the notebook's points as the window's tests compare them.
inline QStringList qt_texts(const std::vector<std::string>& texts) {
    QStringList out;
    for (const std::string& t : texts) out << QString::fromStdString(t);
    return out;
}

// Accepts every modal message box as soon as it shows, noting what it said.
class NoticeCatcher {
  public:
    NoticeCatcher() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->button(QMessageBox::Ok))
                return;  // a question is the test's to answer
            ++count;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->buttons().size();
            box->button(QMessageBox::Ok)->click();
        });
        timer_.start();
    }

    int count = 0;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    qsizetype buttons = 0;

  private:
    QTimer timer_;
};

// Runs `trigger`, and answers each modal dialog of kind T that it opens,
// one after the other, with `answer`; returns how many opened.
template <class T>
int answer_modals(const std::function<void()>& trigger, const std::function<void(T*)>& answer) {
    int seen = 0;
    QPointer<QWidget> last;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || (last == dialog && dialog->isVisible()))
            return;
        last = dialog;
        ++seen;
        answer(dialog);
    });
    poll.start();
    trigger();
    return seen;
}

// Makes `window` the one that gets the keys, as a click on it would: a
// shortcut goes to the window the platform has focused.
inline bool activate(QWidget* window) {
    window->activateWindow();
    for (int i = 0; i < 200 && QGuiApplication::focusWindow() != window->windowHandle(); ++i)
        QTest::qWait(5);
    return QGuiApplication::focusWindow() == window->windowHandle();
}

// A control that a test names but the window lacks (or holds as another
// kind). Google Test reports it as that test's failure, and the suite goes on.
struct MissingControl : std::runtime_error {
    explicit MissingControl(const char* name)
        : std::runtime_error(std::string("the window has no control named ") + name +
                             " of the kind asked for") {}
};

// A shown main window and the operator's hands on it.
class WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QLocale::setDefault(QLocale::c());
        form = std::make_unique<Form1>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    template <class T = QWidget>
    T* find(const char* name) const {
        T* w = form->findChild<T*>(QLatin1String(name));
        if (!w)
            throw MissingControl(name);
        return w;
    }
    QString text(const char* box) const { return find<QLineEdit>(box)->text(); }
    double position(const char* name) const { return find(name)->property("position").toDouble(); }
    float top(const char* picture) const { return find(picture)->property("top").toFloat(); }
    bool on() const { return find("Interruptor")->property("active").toBool(); }
    // As it reads, whether or not its lines are in several colours.
    QString status() const {
        const QLabel* line = find<QLabel>("statusLine");
        return line->textFormat() == Qt::RichText
                   ? QTextDocumentFragment::fromHtml(line->text()).toPlainText()
                   : line->text();
    }
    bool overlayShown() const {
        for (const char* n : {"Line1_0", "Line1_1", "Line1_2", "Line1_3", "Label2_0", "Label2_1",
                              "Label2_2", "Label2_3"})
            if (find(n)->isHidden())
                return false;
        return true;
    }

    void operateSwitch() { QTest::mouseClick(find("Interruptor"), Qt::LeftButton); }
    // A bar's Value: 50 is no water, 50 - Value the flow in g/s.
    void setBar(const char* bar, int value) { find<QScrollBar>(bar)->setValue(value); }
    void raiseFlow(const char* bar) {
        find<QScrollBar>(bar)->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    void clickSpin(const char* spin, bool up) {
        QWidget* s = find(spin);
        QTest::mouseClick(s, Qt::LeftButton, {}, QPoint(s->width() / 2, up ? 2 : s->height() - 3));
    }
    void setSpin(const char* spin, int position) { find(spin)->setProperty("position", position); }
    void type(const char* box, const QString& t) {
        QLineEdit* b = find<QLineEdit>(box);
        b->selectAll();
        QTest::keyClicks(b, t);
    }
    // Any text in place of the box's, in one edit, as an input method
    // commits it: the box tells the window, as it does of typing.
    void retype(const char* box, const QString& t) {
        QLineEdit* b = find<QLineEdit>(box);
        QInputMethodEvent commit;
        commit.setCommitString(t, -b->cursorPosition(), int(b->text().size()));
        QCoreApplication::sendEvent(b, &commit);
    }
    // Switches on with both flows set first, so that no notice interrupts.
    void switchOnWith(int evaporator_gs, int condenser_gs) {
        setBar("VScroll1", 50 - evaporator_gs);
        setBar("VScroll2", 50 - condenser_gs);
        operateSwitch();
        ASSERT_TRUE(on());
    }

    NoticeCatcher notices;
    std::unique_ptr<Form1> form;
};

}  // namespace gelvor::ui::testing
