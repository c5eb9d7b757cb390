#pragma once

#include <QMainWindow>
#include <array>
#include <memory>
#include <optional>

#include "present/pass.h"

class QLineEdit;

namespace gelvor::ui {

class CycleOverlay;
class DisplayBinding;
struct Form1Controls;
class Zoom;
namespace notebook {
class Notebook;
}

// The simulator's window: the bench drawing with its instruments and
// controls, the tabs with the settings, the results and the chart. The
// machine computes only while its switch is on, one pass per event.
class Form1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit Form1(QWidget* parent = nullptr);
    ~Form1() override;

    bool machineOn() const;
    // One recomputation from the settings as they stand in the controls.
    void marcha();

    // The settings as they stand in the controls now.
    PanelSettings panelSettings() const;
    // Enter in a setting box: that box's change handler runs as a spin click
    // would run it, with the typed text, and the spin keeps its position.
    void applyTypedSetting(Quantity box);
    // A setting box set to a value and applied: through its spin when the
    // value is one of the spin's positions, else as typed and applied.
    void setSetting(Quantity box, double value);
    // The value a setting box would apply: its text read as a number, or its
    // spin's position when the text is not a number.
    double settingToApply(Quantity box) const;
    // The last pass shown while the machine runs; unset while it is off.
    const std::optional<PassDisplay>& lastPass() const { return last_pass_; }
    Form1Controls& controls() { return *c_; }

    // The status line: a fault in red, a warning in amber, a note in black,
    // and where the bench's model is not physical, in violet.
    enum class Tone { fault, warning, note, validity };
    void showStatusMessage(const QString& message, Tone tone = Tone::fault);
    // One line each, in its own colour.
    void showStatusLines(const QList<std::pair<QString, Tone>>& lines);
    QLineEdit* settingBox(Quantity box) const;
    Zoom& zoom() { return *zoom_; }
    notebook::Notebook& notebook() { return *notebook_; }

  protected:
    // Closing the window ends the program: unsaved readings are asked about first.
    void closeEvent(QCloseEvent* event) override;

  signals:
    // After every pass has been shown, and after the machine is switched off.
    void passShown();

  private:
    void onFlowBarChanged(bool evaporator);
    void onBarometerSpin();
    void onAmbientSpin();
    void onWaterSpin();
    void onSettingChanged(Quantity box, std::optional<double> value);
    void onSwitchOperated();
    void onSettingTyped();
    void setApplied(Quantity box, const QString& text);
    void markPendingBoxes();
    void showMinimumFlowNotice();
    void showShortcuts();
    void quit();
    void showOverlayIfDrawn();
    void markSettingBoxes(const PassDisplay& pass);
    void hideOverlay();
    void clearResults();

    std::unique_ptr<Form1Controls> c_;
    std::unique_ptr<DisplayBinding> display_;
    std::unique_ptr<CycleOverlay> overlay_;
    Zoom* zoom_ = nullptr;  // a child of the window
    std::optional<PassDisplay> last_pass_;
    std::array<QString, kSettingBoxes.size()> applied_;  // each box's text last applied
    std::unique_ptr<notebook::Notebook> notebook_;       // last: it reads everything above
};

}  // namespace gelvor::ui
