#include "ui/widgets/instrument.h"

#include <QAccessible>

#include "layout/instrument_dials.h"

namespace gelvor::ui {

Instrument::Instrument(QWidget* parent) : QWidget(parent) {}

void Instrument::setPosition(double value) {
    has_reading_ = true;
    if (value == position_)
        return;
    position_ = value;
    update();
    QAccessibleValueChangeEvent moved(this, value);
    QAccessible::updateAccessibility(&moved);
    emit positionChanged(value);
}

void Instrument::setUnset() {
    setPosition(0);
    has_reading_ = false;
}

void Instrument::setPositionMin(double value) {
    min_ = value;
    update();
}

void Instrument::setPositionMax(double value) {
    max_ = value;
    update();
}

void Instrument::setRange(double min, double max) {
    min_ = min;
    max_ = max;
    update();
}

void Instrument::setDesignSize(const QSize& size) {
    design_.setDesignSize(size);
    update();
}

double Instrument::fraction() const {
    return fractionOf(position_);
}

double Instrument::fractionOf(double value) const {
    return layout::scale_fraction(value, min_, max_);
}

}  // namespace gelvor::ui
