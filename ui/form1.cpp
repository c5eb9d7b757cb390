#include "ui/form1.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>

#include "model/settings_ranges.h"
#include "present/pass.h"
#include "ui/cycle_overlay.h"
#include "ui/display_binding.h"
#include "ui/form1_controls.h"
#include "ui/notebook/notebook.h"
#include "ui/widgets/instrument.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/rocker_switch.h"
#include "ui/widgets/spin_control.h"

namespace gelvor::ui {
namespace {

constexpr int kMinimumFlowValue = bar_from_flow(kMinimumRunningFlow);

const char* const kMinimumFlowText =
    "Para el correcto funcionamiento de la máquina, deben circular al menos 4 g/s de agua por los "
    "serpentines "
    "del evaporador y del condensador";

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
    notebook_ = std::make_unique<notebook::Notebook>(*this, c_->notebook_menu);
}

Form1::~Form1() = default;

bool Form1::machineOn() const {
    return c_->power->active();
}

PanelSettings Form1::panelSettings() const {
    PanelSettings settings;
    settings.evaporator_water_flow = flow_from_bar(c_->evaporator_bar->value());
    settings.condenser_water_flow = flow_from_bar(c_->condenser_bar->value());
    settings.barometer_text = c_->barometer_box->text();
    settings.ambient_text = c_->ambient_box->text();
    settings.water_text = c_->water_box->text();
    return settings;
}

void Form1::marcha() {
    last_pass_ = run_pass(panelSettings(), QLocale());
    const PassDisplay& pass = *last_pass_;
    display_->apply(pass);
    if (pass.overlay)
        overlay_->place(*pass.overlay);
    c_->status_line->setText(pass.fault_message);
    showOverlayIfComplete();
    emit passShown();
}

void Form1::onFlowBarChanged(bool evaporator) {
    Picture* flt = evaporator ? c_->evaporator_float : c_->condenser_float;
    const QScrollBar* bar = evaporator ? c_->evaporator_bar : c_->condenser_bar;
    flt->setTop(float_top_twips(bar->value()));
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
    if (c_->evaporator_bar->value() == kNoFlowBarValue ||
        c_->condenser_bar->value() == kNoFlowBarValue) {
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
        last_pass_.reset();
        hideOverlay();
        clearResults();
        emit passShown();
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
    overlay_->setShown(machineOn() && last_pass_ && last_pass_->complete());
}

void Form1::hideOverlay() {
    overlay_->setShown(false);
}

void Form1::clearResults() {
    for (QLineEdit* box : c_->results) box->clear();
}

}  // namespace gelvor::ui
