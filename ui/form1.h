#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

#include "session/bench_session.h"

class QLineEdit;

namespace gelvor::ui {

class CycleOverlay;
class DisplayBinding;
struct Form1Controls;
class SpinControl;
class Zoom;
namespace notebook {
class Notebook;
}

// The simulator's window: the bench drawing with its instruments and
// controls, the tabs with the settings, the results and the chart. It
// forwards what the operator does to the bench session and draws what the
// session then shows; the session decides everything about the bench.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    const session::BenchSession& session() const { return session_; }
    // An intent of the operator's, in the user's way with numbers; then the view is drawn.
    void act(const std::function<void(session::BenchSession&)>& intent);
    Form1Controls& controls() { return *c_; }
    Zoom& zoom() { return *zoom_; }
    notebook::Notebook& notebook() { return *notebook_; }

  signals:
    // After a pass has been drawn, and after the machine is switched off.
    void passShown();

  protected:
    // Closing the window ends the program: unsaved readings are asked about first.
    void closeEvent(QCloseEvent* event) override;

  private:
    void connectControls();
    void operateSwitch();
    void quit();
    void draw();
    void drawSettings(const session::BenchView& now, const session::BenchView* before);
    QLineEdit* settingBox(Quantity box) const;
    SpinControl* spin(Quantity box) const;

    session::BenchSession session_;  // the bench: every setting, the last pass, what shows
    std::unique_ptr<Form1Controls> c_;
    std::unique_ptr<DisplayBinding> display_;
    std::unique_ptr<CycleOverlay> overlay_;
    Zoom* zoom_ = nullptr;                     // a child of the window
    std::optional<session::BenchView> drawn_;  // what the widgets show now
    long passes_drawn_ = 0;
    std::unique_ptr<notebook::Notebook> notebook_;  // last: it reads everything above
};

}  // namespace gelvor::ui
