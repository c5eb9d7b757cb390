#include "ui/form1.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QStatusBar>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "layout/form1_layout.h"
#include "model/settings_ranges.h"
#include "present/box_reading.h"
#include "present/fault_message.h"
#include "present/number_text.h"
#include "present/operator_notices.h"
#include "present/pass.h"
#include "ui/box_mark.h"
#include "ui/cycle_overlay.h"
#include "ui/display_binding.h"
#include "ui/form1_controls.h"
#include "ui/help.h"
#include "ui/look.h"
#include "ui/notebook/notebook.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "ui/widgets/instrument.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/rocker_switch.h"
#include "ui/widgets/spin_control.h"
#include "ui/zoom.h"

namespace gelvor::ui {
namespace {

// Where a setting box stands in the order a pass reads them.
std::size_t setting_index(Quantity box) {
    return static_cast<std::size_t>(std::ranges::find(kSettingBoxes, box) - kSettingBoxes.begin());
}

constexpr int kMinimumFlowValue = bar_from_flow(kMinimumRunningFlow);

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
    for (Quantity box : kSettingBoxes) {
        setApplied(box, settingBox(box)->text());
        // Enter and the keypad's Enter.
        connect(settingBox(box), &QLineEdit::returnPressed, this,
                [this, box] { applyTypedSetting(box); });
        connect(settingBox(box), &QLineEdit::textEdited, this, &Form1::onSettingTyped);
    }
    connect(c_->exit_action, &QAction::triggered, this, &Form1::quit);
    connect(c_->help_menu->findChild<QAction*>(QStringLiteral("atajos")), &QAction::triggered, this,
            &Form1::showShortcuts);
    connect(c_->help_menu->findChild<QAction*>(QStringLiteral("acercaDe")), &QAction::triggered,
            this, [this] { show_about(this); });
    zoom_ = new Zoom(this, c_->canvas, statusBar());
    zoom_->attach(c_->zoom[0], c_->zoom[1], c_->zoom[2]);

    // Load step: no cycle on the chart and an empty results panel.
    hideOverlay();
    clearResults();
    notebook_ = std::make_unique<notebook::Notebook>(*this, c_->notebook_menu, c_->file_menu);
}

Form1::~Form1() = default;

// "Salir" ends the program at once, unless the notebook has readings that
// would be lost and the user cancels.
void Form1::quit() {
    if (!notebook_->maybeSave(QStringLiteral("salir")))
        return;
    notebook_->finish();
    QCoreApplication::exit(0);
}

void Form1::closeEvent(QCloseEvent* event) {
    if (!notebook_->maybeSave(QStringLiteral("salir"))) {
        event->ignore();
        return;
    }
    notebook_->finish();
    QMainWindow::closeEvent(event);
}

bool Form1::machineOn() const {
    return c_->power->active();
}

PanelSettings Form1::panelSettings() const {
    PanelSettings settings;
    settings.evaporator_water_flow = flow_from_bar(c_->evaporator_bar->value());
    settings.condenser_water_flow = flow_from_bar(c_->condenser_bar->value());
    settings.barometer_text = qt::to_utf8(c_->barometer_box->text());
    settings.ambient_text = qt::to_utf8(c_->ambient_box->text());
    settings.water_text = qt::to_utf8(c_->water_box->text());
    return settings;
}

void Form1::marcha() {
    const PanelSettings settings = panelSettings();
    last_pass_ = run_pass(settings, qt::number_style(QLocale()));
    const PassDisplay& pass = *last_pass_;
    // What the pass read is applied, as typed.
    for (Quantity box : kSettingBoxes) {
        if (pass.read_box(box) || pass.unreadable_box() == box)
            setApplied(
                box, qt::to_qstring(box == Quantity::barometric_pressure   ? settings.barometer_text
                                    : box == Quantity::ambient_temperature ? settings.ambient_text
                                                                           : settings.water_text));
    }
    markPendingBoxes();
    display_->apply(pass);
    if (pass.overlay)
        overlay_->place(*pass.overlay);
    markSettingBoxes(pass);
    QList<std::pair<QString, Tone>> lines;
    if (!pass.complete())
        lines.append({qt::to_qstring(pass.fault_message), Tone::fault});
    for (const RangeWarning& w : pass.range_warnings)
        lines.append({qt::to_qstring(w.text), Tone::warning});
    for (const ValidityNote& n : pass.validity_notes)
        lines.append({qt::to_qstring(n.text), Tone::validity});
    showStatusLines(lines);
    showOverlayIfDrawn();
    emit passShown();
}

QLineEdit* Form1::settingBox(Quantity box) const {
    switch (box) {
        case Quantity::barometric_pressure:
            return c_->barometer_box;
        case Quantity::ambient_temperature:
            return c_->ambient_box;
        default:
            return c_->water_box;
    }
}

// A box keeps its red frame until a pass reads a number from it, and its
// amber frame while the pass reads it outside its range. A box the pass did
// not reach keeps what it had.
void Form1::markSettingBoxes(const PassDisplay& pass) {
    for (Quantity box : kSettingBoxes) {
        if (pass.unreadable_box() == box) {
            mark_box(settingBox(box), BoxMark::fault);
        } else if (pass.read_box(box)) {
            const bool out_of_range = std::ranges::any_of(
                pass.range_warnings, [box](const RangeWarning& w) { return w.setting == box; });
            mark_box(settingBox(box), out_of_range ? BoxMark::warning : BoxMark::none);
        }
    }
}

// The status line grows to the lines a message needs, and back to one.
void Form1::showStatusMessage(const QString& message, Tone tone) {
    showStatusLines(message.isEmpty() ? QList<std::pair<QString, Tone>>()
                                      : QList<std::pair<QString, Tone>>{{message, tone}});
}

// The status line grows to the lines a message needs, and back to one.
// Typed text in a message is never read as markup.
void Form1::showStatusLines(const QList<std::pair<QString, Tone>>& lines) {
    const auto colour = [](Tone tone) {
        return tone == Tone::fault      ? look::kFaultText
               : tone == Tone::warning  ? look::kWarningText
               : tone == Tone::validity ? look::kValidityText
                                        : QColor(Qt::black);
    };
    QLabel* line = c_->status_line;
    const bool one_tone =
        std::ranges::all_of(lines, [&](const auto& l) { return l.second == lines.front().second; });
    if (one_tone) {
        QPalette colours = line->palette();
        colours.setColor(QPalette::WindowText,
                         colour(lines.isEmpty() ? Tone::note : lines.front().second));
        line->setPalette(colours);
        line->setTextFormat(Qt::PlainText);
        QStringList texts;
        for (const auto& l : lines) texts << l.first;
        line->setText(texts.join(u'\n'));
    } else {
        QStringList html;
        for (const auto& [text, tone] : lines) {
            html << QStringLiteral("<span style=\"color:%1\">%2</span>")
                        .arg(colour(tone).name(), text.toHtmlEscaped());
        }
        line->setTextFormat(Qt::RichText);
        line->setText(html.join(QStringLiteral("<br>")));
    }
    QStatusBar* bar = statusBar();
    const int one_line = px(layout::kStatusLineTwips);
    const int padding = one_line - line->fontMetrics().height();
    const int height = lines.isEmpty()
                           ? one_line
                           : std::max(one_line, line->heightForWidth(line->width()) + padding);
    const int shrink = bar->height() - height;
    if (shrink == 0)
        return;
    bar->setFixedHeight(height);
    // Back to the window's own size once a long message has gone.
    if (shrink > 0 && windowState() == Qt::WindowNoState) {
        layout()->activate();  // the smaller minimum first, then the size
        resize(width(), this->height() - shrink);
    }
}

void Form1::onFlowBarChanged(bool evaporator) {
    Picture* flt = evaporator ? c_->evaporator_float : c_->condenser_float;
    const QScrollBar* bar = evaporator ? c_->evaporator_bar : c_->condenser_bar;
    flt->setTop(float_top_twips(bar->value()));
    if (machineOn())
        marcha();
}

void Form1::onBarometerSpin() {
    onSettingChanged(Quantity::barometric_pressure, c_->barometer_spin->position());
}

void Form1::onAmbientSpin() {
    onSettingChanged(Quantity::ambient_temperature, c_->ambient_spin->position());
}

void Form1::onWaterSpin() {
    onSettingChanged(Quantity::water_inlet_temperature, c_->water_spin->position());
}

// A setting's change, from its spin or from Enter in its box: the box's text
// is applied, its thermometers follow the number, before or after the pass
// the change runs while the machine is on, as the bench's handlers did.
// Without a number, only the pass runs.
void Form1::onSettingChanged(Quantity box, std::optional<double> value) {
    QLineEdit* edit = settingBox(box);
    setApplied(box, edit->text());
    markPendingBoxes();
    const layout::SpinSpec& spin = layout::spin_of_box(qt::to_utf8(edit->objectName()));
    const auto move = [&](bool after_pass) {
        if (!value || spin.thermometers_after_pass != after_pass)
            return;
        for (const char* name : spin.thermometers) {
            if (name)
                findChild<Instrument*>(QLatin1String(name))->setPosition(*value);
        }
    };
    move(false);
    if (machineOn())
        marcha();
    move(true);
}

// The spin's handler, with the typed number where the spin's position would
// be; the spin stays where it was.
void Form1::applyTypedSetting(Quantity box) {
    QLineEdit* edit = settingBox(box);
    const std::optional<double> value =
        read_box_number(qt::to_utf8(edit->text()), qt::number_style(QLocale()));
    onSettingChanged(box, value);
    if (machineOn())
        return;
    if (!value) {
        // Nothing computes while the machine is off, but the box says at once why it is refused.
        const PanelSettings settings = panelSettings();
        const NumberStyle style = qt::number_style(QLocale());
        mark_box(edit, BoxMark::fault);
        showStatusMessage(
            qt::to_qstring(fault_message(Fault{box, FaultKind::not_a_number, box}, settings,
                                         read_settings(settings, style), {}, style)));
    } else if (box_mark(edit) == BoxMark::fault) {
        mark_box(edit, BoxMark::none);
        showStatusMessage(QString());
    }
}

double Form1::settingToApply(Quantity box) const {
    const SpinControl* spin = box == Quantity::barometric_pressure   ? c_->barometer_spin
                              : box == Quantity::ambient_temperature ? c_->ambient_spin
                                                                     : c_->water_spin;
    return read_box_number(qt::to_utf8(settingBox(box)->text()), qt::number_style(QLocale()))
        .value_or(spin->position());
}

void Form1::setSetting(Quantity box, double value) {
    SpinControl* spin = box == Quantity::barometric_pressure   ? c_->barometer_spin
                        : box == Quantity::ambient_temperature ? c_->ambient_spin
                                                               : c_->water_spin;
    QLineEdit* edit = settingBox(box);
    const NumberStyle style = qt::number_style(QLocale());
    if (read_box_number(qt::to_utf8(edit->text()), style) == value) {
        if (is_pending(edit))
            applyTypedSetting(box);  // as typed; a control already there is left alone
        return;
    }
    const bool a_position =
        value == std::round(value) && value >= spin->positionMin() && value <= spin->positionMax();
    if (a_position) {
        spin->setPosition(static_cast<int>(value));  // writes the box and runs the handler
        return;
    }
    edit->setText(qt::to_qstring(general_number_text(value, style)));
    edit->setCursorPosition(0);
    applyTypedSetting(box);
}

void Form1::setApplied(Quantity box, const QString& text) {
    applied_[setting_index(box)] = text;
}

// A box whose text differs from what was last applied shows it, and the
// status line says how to apply it.
void Form1::markPendingBoxes() {
    bool any = false;
    for (Quantity box : kSettingBoxes) {
        const bool pending = settingBox(box)->text() != applied_[setting_index(box)];
        mark_pending(settingBox(box), pending);
        any = any || pending;
    }
    const QString hint = QString::fromUtf8(kApplyHint);
    if (any && c_->status_line->text().isEmpty())
        showStatusMessage(hint, Tone::note);
    else if (!any && c_->status_line->text() == hint)
        showStatusMessage(QString());
}

void Form1::onSettingTyped() {
    const QString hint = QString::fromUtf8(kApplyHint);
    markPendingBoxes();
    QLineEdit* typed = qobject_cast<QLineEdit*>(sender());
    if (typed && is_pending(typed))
        showStatusMessage(hint, Tone::note);
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
        showOverlayIfDrawn();
    } else {
        last_pass_.reset();
        hideOverlay();
        clearResults();
        showStatusMessage(QString());
        for (Quantity box : kSettingBoxes) {
            if (box_mark(settingBox(box)) == BoxMark::warning)
                mark_box(settingBox(box), BoxMark::none);
        }
        emit passShown();
    }
}

// The keys of the bench window, then those of the notebook.
void Form1::showShortcuts() {
    QList<KeyGroup> groups;
    KeyGroup bench{QStringLiteral("Banco"), {}, {}};
    for (QAction* menu : menuBar()->actions()) {
        if (menu->menu())
            bench.commands += menu->menu()->actions();
    }
    const auto keys = [](std::initializer_list<QKeySequence> k) { return key_names(k); };
    bench.fixed = {
        {keys({Qt::Key_Tab, Qt::SHIFT | Qt::Key_Tab}),
         QStringLiteral("Pasar de un control al siguiente o al anterior")},
        {keys({Qt::Key_Up, Qt::Key_Down}),
         QStringLiteral("Subir o bajar el caudal o el ajuste que tiene el foco, también desde su "
                        "casilla")},
        {keys({Qt::Key_Space}), QStringLiteral("Accionar el interruptor")},
        {keys({Qt::Key_Return, Qt::Key_Enter}),
         QStringLiteral("Aplicar lo escrito en una casilla de ajuste")},
        {keys({Qt::Key_Left, Qt::Key_Right}), QStringLiteral("Elegir la pestaña")},
    };
    groups << bench;
    groups << notebook_->keyGroups();
    show_shortcuts(this, groups);
}

void Form1::showMinimumFlowNotice() {
    QMessageBox box(QMessageBox::Critical, qt::to_qstring(kNoticeTitle),
                    qt::to_qstring(minimum_flow_notice()), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("minimumFlowNotice"));
    box.exec();
}

// The cycle shows exactly while the machine runs and its last pass drew it.
void Form1::showOverlayIfDrawn() {
    overlay_->setShown(machineOn() && last_pass_ && last_pass_->overlay.has_value());
}

void Form1::hideOverlay() {
    overlay_->setShown(false);
}

void Form1::clearResults() {
    for (QLineEdit* box : c_->results) box->clear();
}

}  // namespace gelvor::ui
