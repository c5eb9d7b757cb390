#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <memory>
#include <optional>

class QSvgRenderer;

namespace gelvor::ui {

// A picture drawn from a vector resource, either at its own size at the
// inner top left or stretched over the inner area, optionally inside a
// sunken border. A missing resource leaves the area blank. Children that
// belong inside the border go on `area()`.
class Picture : public QWidget {
    Q_OBJECT
    Q_PROPERTY(float left READ left WRITE setLeft)
    Q_PROPERTY(float top READ top WRITE setTop)

  public:
    enum class Fit { natural, stretched };

    Picture(const QString& resource, Fit fit, bool border, QWidget* parent = nullptr);
    ~Picture() override;

    // Position in twips in the parent, as the program moves it.
    float left() const { return left_; }
    float top() const { return top_; }
    void setLeft(float twips);
    void setTop(float twips);
    // Pixels from the container's twips origin to the parent's (a tab page
    // lies under its tab strip).
    void setContainerOffset(const QPoint& offset) { offset_ = offset; }

    // The window's zoom: twips positions, the picture at its own size and
    // the border grow with it.
    void setZoom(double zoom);
    double zoom() const { return zoom_; }

    QWidget* area();
    bool hasPicture() const;

  protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    QRect inner() const;
    int frameWidth() const;
    QString resource_;
    Fit fit_;
    bool border_;
    float left_ = 0, top_ = 0;
    QPoint offset_;
    double zoom_ = 1;
    QWidget* area_ = nullptr;
    // Whether the resource is a picture, known once it has been read.
    mutable std::optional<bool> present_;
    QPixmap cache_;  // the picture as drawn for the present size and zoom
    std::unique_ptr<QSvgRenderer> read() const;
};

}  // namespace gelvor::ui
