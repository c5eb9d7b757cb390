#include "ui/accessibility.h"

#include <QAccessibleWidget>
#include <QLocale>
#include <QPointer>
#include <QWindow>
#include <vector>

#include "model/settings_ranges.h"
#include "present/reading_text.h"
#include "texts/unit_texts.h"
#include "ui/number_style_qt.h"
#include "ui/text_qt.h"
#include "ui/widgets/flow_bar.h"
#include "ui/widgets/instrument.h"
#include "ui/widgets/manometer.h"
#include "ui/widgets/rocker_switch.h"
#include "ui/widgets/spin_control.h"
#include "ui/widgets/tab_control.h"

namespace gelvor::ui {
namespace {

// The machine switch: a button that stays pressed while the machine runs.
class SwitchAccessible : public QAccessibleWidget {
  public:
    explicit SwitchAccessible(RockerSwitch* w) : QAccessibleWidget(w, QAccessible::Button) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = power()->active();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction(), toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction())
            power()->operate();
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    RockerSwitch* power() const { return static_cast<RockerSwitch*>(widget()); }
};

// A manometer or thermometer: its position on its scale, read only.
class InstrumentAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    InstrumentAccessible(Instrument* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Value)
            return QAccessibleWidget::text(t);
        const NumberStyle style = qt::number_style(QLocale());
        if (qobject_cast<const Manometer*>(instrument()))
            return qt::to_qstring(pressure_reading(instrument()->position(), style));
        return qt::to_qstring(temperature_reading(
            instrument()->hasReading() ? std::optional(instrument()->position()) : std::nullopt,
            style));
    }
    QVariant currentValue() const override { return instrument()->position(); }
    void setCurrentValue(const QVariant&) override {}  // an instrument only indicates
    QVariant maximumValue() const override { return instrument()->positionMax(); }
    QVariant minimumValue() const override { return instrument()->positionMin(); }
    QVariant minimumStepSize() const override { return 0.0; }

  private:
    Instrument* instrument() const { return static_cast<Instrument*>(widget()); }
};

// A spin: its position, raised and lowered as by its arrows.
class SpinAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit SpinAccessible(SpinControl* w) : QAccessibleWidget(w, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? QString::number(spin()->position())
                                       : QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return spin()->position(); }
    void setCurrentValue(const QVariant& v) override { spin()->setPosition(v.toInt()); }
    QVariant maximumValue() const override { return spin()->positionMax(); }
    QVariant minimumValue() const override { return spin()->positionMin(); }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (action == increaseAction())
            spin()->stepBy(1);
        else if (action == decreaseAction())
            spin()->stepBy(-1);
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    SpinControl* spin() const { return static_cast<SpinControl*>(widget()); }
};

// A flow adjuster: a stepper of the flow in g/s, not of the bar's own
// value, which runs the other way (50 is no water).
class FlowBarAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
  public:
    explicit FlowBarAccessible(FlowBar* w) : QAccessibleWidget(w, QAccessible::SpinBox) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? QString::number(flow()) + qt::to_qstring(texts::kFlowUnit)
                                       : QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return flow(); }
    void setCurrentValue(const QVariant& v) override { bar()->setValue(bar_from_flow(v.toInt())); }
    QVariant maximumValue() const override { return kFlowRange.max; }
    QVariant minimumValue() const override { return kFlowRange.min; }
    QVariant minimumStepSize() const override { return 1; }

    QStringList actionNames() const override {
        return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
    }
    // As the bar's upper and lower arrows.
    void doAction(const QString& action) override {
        if (action == increaseAction())
            bar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else if (action == decreaseAction())
            bar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else
            QAccessibleWidget::doAction(action);
    }

  private:
    FlowBar* bar() const { return static_cast<FlowBar*>(widget()); }
    int flow() const { return flow_from_bar(bar()->value()); }
};

// One tab of a tab control: it has no widget of its own.
class PageTabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    PageTabAccessible(TabControl* tabs, int index) : tabs_(tabs), index_(index) {}

    bool isValid() const override { return tabs_ && index_ < tabs_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return tabs_ ? tabs_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(tabs_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? tabs_->caption(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!isValid())
            return s;
        s.selectable = true;
        s.selected = tabs_->currentIndex() == index_;
        s.focusable = true;
        s.focused = s.selected && tabs_->hasFocus();
        s.invisible = !tabs_->isVisible();
        return s;
    }
    QRect rect() const override {
        if (!isValid())
            return {};
        const QRect r = tabs_->tabRect(index_);
        return QRect(tabs_->mapToGlobal(r.topLeft()), r.size());
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && isValid())
            tabs_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QPointer<TabControl> tabs_;
    int index_;
};

// A tab control: its page tabs first, then its pages with their controls.
class TabControlAccessible : public QAccessibleWidget {
  public:
    explicit TabControlAccessible(TabControl* w) : QAccessibleWidget(w, QAccessible::PageTabList) {}
    ~TabControlAccessible() override {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return tabs()->count() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0)
            return nullptr;
        if (index >= tabs()->count())
            return QAccessibleWidget::child(index - tabs()->count());
        while (ids_.size() <= static_cast<std::size_t>(index)) {
            auto* tab = new PageTabAccessible(tabs(), static_cast<int>(ids_.size()));
            ids_.push_back(QAccessible::registerAccessibleInterface(tab));
        }
        return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* c) const override {
        for (std::size_t i = 0; i < ids_.size(); ++i)
            if (QAccessible::accessibleInterface(ids_[i]) == c)
                return static_cast<int>(i);
        const int page = QAccessibleWidget::indexOfChild(c);
        return page < 0 ? -1 : page + tabs()->count();
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint at = tabs()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < tabs()->count(); ++i)
            if (tabs()->tabRect(i).contains(at))
                return child(i);
        return QAccessibleWidget::childAt(x, y);
    }

  private:
    TabControl* tabs() const { return static_cast<TabControl*>(widget()); }
    mutable std::vector<QAccessible::Id> ids_;
};

QAccessibleInterface* gelvor_accessible(const QString&, QObject* object) {
    if (auto* power = qobject_cast<RockerSwitch*>(object))
        return new SwitchAccessible(power);
    if (auto* gauge = qobject_cast<Manometer*>(object))
        return new InstrumentAccessible(gauge, QAccessible::Dial);
    // A column on a scale that only indicates: a slider that cannot be moved.
    if (auto* column = qobject_cast<Instrument*>(object))
        return new InstrumentAccessible(column, QAccessible::Slider);
    if (auto* spin = qobject_cast<SpinControl*>(object))
        return new SpinAccessible(spin);
    if (auto* bar = qobject_cast<FlowBar*>(object))
        return new FlowBarAccessible(bar);
    if (auto* tabs = qobject_cast<TabControl*>(object))
        return new TabControlAccessible(tabs);
    return nullptr;
}

}  // namespace

void install_accessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(gelvor_accessible);
        return true;
    }();
    (void)installed;
}

}  // namespace gelvor::ui
