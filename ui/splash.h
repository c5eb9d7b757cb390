#pragma once

#include <QTimer>
#include <QWidget>

class QFrame;

namespace gelvor::ui {

// The window that names the program while it starts. It goes away on the
// first character key, a click on its frame's bare background, or after
// five seconds, whichever comes first, and says so once through `dismissed`.
class Splash : public QWidget {
    Q_OBJECT

  public:
    explicit Splash(QWidget* parent = nullptr);

  signals:
    void dismissed();

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    void dismiss();
    QFrame* frame_ = nullptr;
    QTimer timer_;
    bool dismissed_ = false;
};

}  // namespace gelvor::ui
