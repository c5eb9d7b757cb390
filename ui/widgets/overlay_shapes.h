#pragma once

#include <QColor>
#include <QLabel>
#include <QWidget>

namespace gelvor::ui {

// A straight line between two points given in twips of its container, as
// the chart's cycle segments are placed. The widget covers just the line.
class LineShape : public QWidget {
    Q_OBJECT
    Q_PROPERTY(float x1 READ x1)
    Q_PROPERTY(float y1 READ y1)
    Q_PROPERTY(float x2 READ x2)
    Q_PROPERTY(float y2 READ y2)

  public:
    LineShape(const QColor& colour, int width_px, QWidget* parent = nullptr);

    float x1() const { return x1_; }
    float y1() const { return y1_; }
    float x2() const { return x2_; }
    float y2() const { return y2_; }
    void setLine(float x1, float y1, float x2, float y2);
    // The window's zoom: the twips become more pixels and the line widens.
    void setZoom(double zoom);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    double penWidth() const;
    QColor colour_;
    int width_;
    double zoom_ = 1;
    float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    bool placed_ = false;  // a line never set keeps its design-time place
};

// A label sized to its text whose top-left corner is placed in twips.
class PlacedLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(float left READ left)
    Q_PROPERTY(float top READ top)

  public:
    PlacedLabel(const QString& text, QWidget* parent = nullptr);

    float left() const { return left_; }
    float top() const { return top_; }
    void place(float left, float top);
    // The window's zoom; the label's font is the zoom's own business.
    void setZoom(double zoom);

  private:
    float left_ = 0, top_ = 0;
    double zoom_ = 1;
    bool placed_ = false;
};

}  // namespace gelvor::ui
