#pragma once

#include <QColor>
#include <QWidget>

namespace gelvor::ui {

// A transparent caption with a drop shadow, for large titles.
class ShadowLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

  public:
    explicit ShadowLabel(const QString& text, QWidget* parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString& text);
    void setColours(const QColor& text, const QColor& shadow);

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QString text_;
    QColor colour_{64, 64, 64};
    QColor shadow_{Qt::black};
    int margin_ = 2;  // outer margins
    int offset_ = 2;
};

}  // namespace gelvor::ui
