#pragma once

#include <QObject>
#include <array>
#include <optional>

#include "layout/zoom_steps.h"
#include "ui/twips.h"

class QAction;
class QMainWindow;
class QWidget;

namespace gelvor::ui {

// Puts a control at its twips in its container, at the zoom of the window it
// belongs to, and remembers them so that each later zoom puts it there again.
// On a tab page the container is the tab control itself, under its strip.
void place(QWidget* control, const TwipsRect& twips);
// Where `place` put a control, in twips; nothing for a control it did not place.
std::optional<TwipsRect> placed_at(const QWidget* control);

// The main window's zoom for the projector: every placed control, every
// font, every picture and the chart overlay grow by the same factor, in
// steps, as far as the window still fits its screen. At 100 % the window is
// exactly as laid out. The window takes the size of its content.
class Zoom : public QObject {
    Q_OBJECT

  public:
    static constexpr std::array<int, 5> kSteps = layout::kZoomSteps;

    // `canvas` is the window's central widget, sized to the layout area.
    Zoom(QMainWindow* window, QWidget* canvas, QWidget* status_bar);

    int percent() const { return percent_; }
    double factor() const { return percent_ / 100.0; }
    // Any of kSteps, whether or not the window then fits its screen.
    void setPercent(int percent);

    // The menu commands: one step up if it fits the screen, one down, 100 %.
    void attach(QAction* zoom_in, QAction* zoom_out, QAction* original);
    bool fitsScreen(int percent) const;
    void zoomIn();
    void zoomOut();

  signals:
    // After every change of the zoom, for the program's other windows.
    void zoomed(double factor);

  private:
    void apply();
    void scaleFonts() const;
    void placeControls() const;
    void fitTexts() const;
    void updateActions() const;

    QMainWindow* window_;
    QWidget* canvas_;
    QWidget* status_bar_;
    int percent_ = 100;
    QAction* in_ = nullptr;
    QAction* out_ = nullptr;
    QAction* original_ = nullptr;
};

}  // namespace gelvor::ui
