#include "ui/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>

#include "model/settings_ranges.h"
#include "present/operator_notices.h"
#include "texts/file_texts.h"
#include "ui/box_mark.h"
#include "ui/cycle_overlay.h"
#include "ui/display_binding.h"
#include "ui/form1_controls.h"
#include "ui/help.h"
#include "ui/notebook/notebook.h"
#include "ui/number_style_qt.h"
#include "ui/status_line.h"
#include "ui/text_qt.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/rocker_switch.h"
#include "ui/widgets/spin_control.h"
#include "ui/zoom.h"

namespace gelvor::ui {

using session::FlowBar;

Form1::Form1(QWidget* parent)
    : QMainWindow(parent),
      session_(qt::number_style(QLocale())),
      c_(std::make_unique<Form1Controls>(build_form1(this))) {
    display_ = std::make_unique<DisplayBinding>(this, session_.view().displays);
    overlay_ = std::make_unique<CycleOverlay>(c_->cycle_lines, c_->cycle_letters);
    connectControls();
    zoom_ = new Zoom(this, c_->canvas, statusBar());
    zoom_->attach(c_->zoom[0], c_->zoom[1], c_->zoom[2]);
    draw();
    notebook_ = std::make_unique<notebook::Notebook>(*this, c_->notebook_menu, c_->file_menu);
}

Form1::~Form1() = default;

// Each control forwards what the operator did with it, and nothing else.
void Form1::connectControls() {
    const auto bar = [this](QScrollBar* b, FlowBar which) {
        connect(b, &QScrollBar::valueChanged, this, [this, which](int v) {
            act([&](auto& s) { s.set_flow(which, flow_from_bar(v)); });
        });
    };
    bar(c_->evaporator_bar, FlowBar::evaporator);
    bar(c_->condenser_bar, FlowBar::condenser);
    for (Quantity box : kSettingBoxes) {
        connect(spin(box), &SpinControl::positionChanged, this,
                [this, box](int p) { act([&](auto& s) { s.set_spin(box, p); }); });
        // Enter and the keypad's Enter apply the typed text.
        connect(settingBox(box), &QLineEdit::returnPressed, this,
                [this, box] { act([&](auto& s) { s.apply(box); }); });
        connect(settingBox(box), &QLineEdit::textEdited, this, [this, box](const QString& t) {
            act([&](auto& s) { s.type(box, qt::to_utf8(t)); });
        });
    }
    connect(c_->power, &RockerSwitch::operated, this, &Form1::operateSwitch);
    connect(c_->exit_action, &QAction::triggered, this, &Form1::quit);
    connect(c_->help_menu->findChild<QAction*>(QStringLiteral("atajos")), &QAction::triggered, this,
            [this] { show_shortcuts(this, key_groups()); });
    connect(c_->help_menu->findChild<QAction*>(QStringLiteral("acercaDe")), &QAction::triggered,
            this, [this] { show_about(this); });
}

void Form1::act(const std::function<void(session::BenchSession&)>& intent) {
    session_.set_number_style(qt::number_style(QLocale()));
    intent(session_);
    draw();
}

// The switch has moved: the minimum-flow notice comes before the window
// shows what followed.
void Form1::operateSwitch() {
    session_.set_number_style(qt::number_style(QLocale()));
    if (session_.operate_switch()) {
        QMessageBox box(QMessageBox::Critical, qt::to_qstring(kNoticeTitle),
                        qt::to_qstring(minimum_flow_notice()), QMessageBox::Ok, this);
        box.setObjectName(QStringLiteral("minimumFlowNotice"));
        box.exec();
    }
    draw();
}

// "Salir" ends the program at once, unless the notebook has readings that
// would be lost and the user cancels.
void Form1::quit() {
    if (!notebook_->maybeSave(qt::to_qstring(texts::kToQuit)))
        return;
    notebook_->finish();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!notebook_->maybeSave(qt::to_qstring(texts::kToQuit))) {
        event->ignore();
        return;
    }
    notebook_->finish();
    QMainWindow::closeEvent(event);
}

QLineEdit* Form1::settingBox(Quantity box) const {
    return box == Quantity::barometric_pressure   ? c_->barometer_box
           : box == Quantity::ambient_temperature ? c_->ambient_box
                                                  : c_->water_box;
}

SpinControl* Form1::spin(Quantity box) const {
    return box == Quantity::barometric_pressure   ? c_->barometer_spin
           : box == Quantity::ambient_temperature ? c_->ambient_spin
                                                  : c_->water_spin;
}

// The session's view onto the widgets: only what changed since the last
// drawing, without their change signals.
void Form1::draw() {
    const session::BenchView& v = session_.view();
    const session::BenchView* was = drawn_ ? &*drawn_ : nullptr;
    c_->power->setActive(v.machine_on);
    Picture* floats[] = {c_->evaporator_float, c_->condenser_float};
    QScrollBar* bars[] = {c_->evaporator_bar, c_->condenser_bar};
    for (std::size_t i = 0; i < v.flows.size(); ++i) {
        if (was && was->flows[i] == v.flows[i])
            continue;
        const QSignalBlocker quiet(bars[i]);
        bars[i]->setValue(bar_from_flow(v.flows[i].flow));
        floats[i]->setTop(v.flows[i].float_top);
    }
    drawSettings(v, was);
    display_->draw(v.displays, was ? &was->displays : nullptr);
    if (v.cycle && (!was || !session::same_cycle(was->cycle, v.cycle)))
        overlay_->place(*v.cycle);
    overlay_->setShown(v.machine_on && v.cycle_shown);
    for (std::size_t i = 0; i < v.pictures.size(); ++i) {
        if (!was || was->pictures[i] != v.pictures[i])
            findChild<Picture*>(QLatin1String(v.pictures[i].name))->setVisible(v.pictures[i].shown);
    }
    if (!was || was->status != v.status)
        show_status_lines(this, c_->status_line, v.status);
    const bool new_pass =
        !was || was->machine_on != v.machine_on || passes_drawn_ != session_.passes_computed();
    drawn_ = v;
    passes_drawn_ = session_.passes_computed();
    if (new_pass)
        emit passShown();
}

void Form1::drawSettings(const session::BenchView& v, const session::BenchView* was) {
    for (std::size_t i = 0; i < v.settings.size(); ++i) {
        const session::SettingView& s = v.settings[i];
        if (was && was->settings[i] == s)
            continue;
        SpinControl* arrows = spin(s.quantity);
        {
            const QSignalBlocker quiet(arrows);
            arrows->setPosition(s.spin_position);
        }
        QLineEdit* box = settingBox(s.quantity);
        if (box->text() != qt::to_qstring(s.text)) {
            box->setText(qt::to_qstring(s.text));
            box->setCursorPosition(0);
        }
        mark_box(box, s.mark);
        mark_pending(box, s.pending);
    }
}

}  // namespace gelvor::ui
