#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>
#include <vector>

namespace gelvor::ui {

// A tabbed container with one or more rows of tabs of equal width. The rows
// stay where they are whichever tab is chosen: the first row lies next to
// the page, the others behind it, so a tab is always at the same spot. Each
// page lies under the strip, but its controls are placed in the tab
// control's own coordinates.
class TabControl : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int currentIndex READ currentIndex WRITE setCurrentIndex NOTIFY currentChanged)

  public:
    TabControl(const QStringList& captions, int tabs_per_row, QWidget* parent = nullptr);

    int count() const { return static_cast<int>(captions_.size()); }
    QString caption(int index) const { return captions_.value(index); }
    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    QWidget* page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    int rowCount() const;
    int stripHeight() const;
    // Where a tab is drawn.
    QRect tabRect(int index) const;

    void setColours(const QColor& page, const QColor& caption);
    // The window's zoom: the rows of tabs and the edges grow with it.
    void setZoom(double zoom);

  signals:
    void currentChanged(int index);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent*) override;

  private:
    int rowTop(int visual_row) const;
    int edgeWidth() const;
    void layoutPages();
    QStringList captions_;
    int per_row_;
    int current_ = 0;
    double zoom_ = 1;
    std::vector<QWidget*> pages_;
    QColor page_colour_{Qt::white};
    QColor caption_colour_{Qt::black};
};

}  // namespace gelvor::ui
