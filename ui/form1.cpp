#include "ui/form1.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <cstdint>

#include "present/pass.h"
#include "ui/cycle_overlay.h"
#include "ui/display_binding.h"
#include "ui/form1_controls.h"
#include "ui/widgets/instrument.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/rocker_switch.h"
#include "ui/widgets/spin_control.h"

namespace gelvor::ui {
namespace {

// A bar at its lowest (Value 50) lets no water through its coil.
constexpr int kNoFlow = 50;
constexpr int kMinimumFlowValue = 46;  // 4 g/s

const char* const kMinimumFlowText =
    "Para el correcto funcionamiento de la máquina, deben circular al menos 4 g/s de agua por los "
    "serpentines "
    "del evaporador y del condensador";

// The flowmeter float stands 9.6 twips higher for each g/s: the bar's
// Value times 480 in 16 bits, over 50, from 1564 twips.
float float_top(int value) {
    const auto product = static_cast<std::int16_t>(value * 480);
    return static_cast<float>(static_cast<double>(product) / 50.0 + 1564.0);
}

}  // namespace

Form1::Form1(QWidget* parent)
    : QMainWindow(parent), c_(std::make_unique<Form1Controls>(build_form1(this))) {
    display_ = std::make_unique<DisplayBinding>(this);
    overlay_ = std::make_unique<CycleOverlay>(c_->cycle_lines, c_->cycle_letters);

    connect(c_->evaporator_bar, &QScrollBar::valueChanged, this,
            [this] { onFlowBarChanged(true); });
    connect(c_->condenser_bar, &QScrollBar::valueChanged, this,
            [this] { onFlowBarChanged(false); });
    connect(c_->barometer_spin, &SpinControl::positionChanged, this, &Form1::onBarometerSpin);
    connect(c_->ambient_spin, &SpinControl::positionChanged, this, &Form1::onAmbientSpin);
    connect(c_->water_spin, &SpinControl::positionChanged, this, &Form1::onWaterSpin);
    connect(c_->power, &RockerSwitch::operated, this, &Form1::onSwitchOperated);
    connect(c_->exit_action, &QAction::triggered, this, [] { QCoreApplication::exit(0); });

    // Load step: no cycle on the chart and an empty results panel.
    hideOverlay();
    clearResults();
}

Form1::~Form1() = default;

bool Form1::machineOn() const {
    return c_->power->active();
}

void Form1::marcha() {
    PanelSettings settings;
    settings.evaporator_water_flow = kNoFlow - c_->evaporator_bar->value();
    settings.condenser_water_flow = kNoFlow - c_->condenser_bar->value();
    settings.barometer_text = c_->barometer_box->text();
    settings.ambient_text = c_->ambient_box->text();
    settings.water_text = c_->water_box->text();

    const PassDisplay pass = run_pass(settings, QLocale());
    display_->apply(pass);
    last_pass_complete_ = pass.complete();
    if (pass.overlay)
        overlay_->place(*pass.overlay);
    c_->status_line->setText(pass.fault_message);
    showOverlayIfComplete();
}

void Form1::onFlowBarChanged(bool evaporator) {
    Picture* flt = evaporator ? c_->evaporator_float : c_->condenser_float;
    const QScrollBar* bar = evaporator ? c_->evaporator_bar : c_->condenser_bar;
    flt->setTop(float_top(bar->value()));
    if (machineOn())
        marcha();
}

void Form1::onBarometerSpin() {
    if (machineOn())
        marcha();
}

void Form1::onAmbientSpin() {
    c_->room_thermometer->setPosition(c_->ambient_spin->position());
    if (machineOn())
        marcha();
}

void Form1::onWaterSpin() {
    if (machineOn())
        marcha();
    c_->ter[0]->setPosition(c_->water_spin->position());
    c_->ter[3]->setPosition(c_->water_spin->position());
}

void Form1::onSwitchOperated() {
    if (c_->evaporator_bar->value() == kNoFlow || c_->condenser_bar->value() == kNoFlow) {
        showMinimumFlowNotice();
        // Each change runs that bar's own handler at once.
        c_->evaporator_bar->setValue(kMinimumFlowValue);
        c_->condenser_bar->setValue(kMinimumFlowValue);
    }
    if (machineOn())
        marcha();
    const bool on = machineOn();
    for (Picture* p : c_->running) p->setVisible(on);
    if (on) {
        showOverlayIfComplete();
    } else {
        hideOverlay();
        clearResults();
    }
}

void Form1::showMinimumFlowNotice() {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("AVISO"),
                    QString::fromUtf8(kMinimumFlowText), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("minimumFlowNotice"));
    box.exec();
}

// The cycle shows exactly while the machine runs and its last pass completed.
void Form1::showOverlayIfComplete() {
    overlay_->setShown(machineOn() && last_pass_complete_);
}

void Form1::hideOverlay() {
    overlay_->setShown(false);
}

void Form1::clearResults() {
    for (QLineEdit* box : c_->results) box->clear();
}

}  // namespace gelvor::ui
