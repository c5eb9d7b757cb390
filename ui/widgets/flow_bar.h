#pragma once

#include <QScrollBar>

namespace gelvor::ui {

// A flow adjuster: a vertical scroll bar only as high as its two arrows.
// It takes the focus by click and by Tab, shows it, and the Up and Down
// keys act as its arrows.
class FlowBar : public QScrollBar {
    Q_OBJECT

  public:
    explicit FlowBar(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace gelvor::ui
