#pragma once

#include <QWidget>

#include "ui/widgets/design_scale.h"

namespace gelvor::ui {

// The machine's two-position rocker switch, its face layout's. A click or
// the space bar flips it; `operated` follows each flip by the user, once
// `active` shows the new position. Setting `active` from code flips it
// without `operated`.
class RockerSwitch : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)

  public:
    explicit RockerSwitch(QWidget* parent = nullptr);

    bool active() const { return active_; }
    void setActive(bool on);
    // The size the drawing is laid out for; the window's zoom scales it.
    void setDesignSize(const QSize& size);
    // Flips it as the user does, `operated` included (a screen reader's press).
    void operate();

  signals:
    void activeChanged(bool on);
    void operated();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    bool active_ = false;
    bool pressed_ = false;
    DesignScale design_;
};

}  // namespace gelvor::ui
