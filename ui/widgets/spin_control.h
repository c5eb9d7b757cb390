#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include "ui/widgets/design_scale.h"

class QLineEdit;

namespace gelvor::ui {

// Up and down arrows bound to a text box: a click on the upper half raises
// the position by one, on the lower half lowers it, within the range, and
// writes it into the box before `positionChanged` is emitted. Typing into
// the box leaves the position alone. Held down, the arrows repeat. The Up
// and Down keys, in the spin or in its box, and the mouse wheel over either
// act as the arrows.
class SpinControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int position READ position WRITE setPosition NOTIFY positionChanged)
    Q_PROPERTY(int positionMin READ positionMin)
    Q_PROPERTY(int positionMax READ positionMax)

  public:
    SpinControl(int min, int max, int start, QWidget* parent = nullptr);

    int position() const { return position_; }
    int positionMin() const { return min_; }
    int positionMax() const { return max_; }
    void setBuddy(QLineEdit* box);
    // The size the drawing is laid out for; the window's zoom scales it.
    void setDesignSize(const QSize& size);
    // Moves within the range and writes the box; no event if nothing moved.
    void setPosition(int value);
    void stepBy(int steps);

  signals:
    void positionChanged(int position);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    bool stepByKey(int key);
    bool stepByWheel(QWheelEvent* e);
    void repeat();
    int min_, max_, position_;
    int held_ = 0;                  // +1 upper arrow, -1 lower arrow, 0 none
    int wheel_ = 0;                 // eighths of a degree turned but not yet stepped
    bool stepping_in_box_ = false;  // a key in the box steps: its cursor stays put
    QPointer<QLineEdit> buddy_;
    QTimer repeat_;
    DesignScale design_;
};

}  // namespace gelvor::ui
