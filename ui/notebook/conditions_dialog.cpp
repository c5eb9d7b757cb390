#include "ui/notebook/conditions_dialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <type_traits>

#include "model/settings_ranges.h"

namespace gelvor::ui::notebook {
namespace {

template <typename Spin>
Spin* spin(const char* name, const char* label, const SettingRange& range, double value,
           const char* suffix, QWidget* parent) {
    auto* s = new Spin(parent);
    s->setObjectName(QLatin1String(name));
    s->setAccessibleName(QString::fromUtf8(label));
    s->setRange(range.min, range.max);
    if constexpr (std::is_same_v<Spin, QDoubleSpinBox>) {
        s->setDecimals(1);  // what a box may hold beyond its spin's whole positions
        s->setValue(value);
    } else {
        s->setValue(static_cast<int>(value));
    }
    s->setSuffix(QString::fromUtf8(suffix));
    s->setAlignment(Qt::AlignRight);
    return s;
}

}  // namespace

ConditionsDialog::ConditionsDialog(const Conditions& present, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCondiciones"));
    setWindowTitle(QStringLiteral("Fijar condiciones"));
    setAccessibleName(windowTitle());

    condenser_ = spin<QSpinBox>("caudalCondensador", "Gasto de agua condensador", kFlowRange,
                                present.condenser_flow, " g/s", this);
    evaporator_ = spin<QSpinBox>("caudalEvaporador", "Gasto de agua evaporador", kFlowRange,
                                 present.evaporator_flow, " g/s", this);
    barometer_ = spin<QDoubleSpinBox>("presionBarometrica", "Presión barométrica", kBarometerRange,
                                      present.barometer, " mbar", this);
    water_ = spin<QDoubleSpinBox>("temperaturaAgua", "Temperatura de entrada de agua",
                                  kWaterInletRange, present.water, " \u00BAC", this);
    ambient_ = spin<QDoubleSpinBox>("temperaturaAmbiente", "Temperatura ambiente", kAmbientRange,
                                    present.ambient, " \u00BAC", this);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Gasto de agua condensador &mc:"), condenser_);
    form->addRow(QStringLiteral("Gasto de agua evaporador m&e:"), evaporator_);
    form->addRow(QStringLiteral("Presión &barométrica:"), barometer_);
    form->addRow(QStringLiteral("Temperatura de entrada de &agua t1, t4:"), water_);
    form->addRow(QStringLiteral("&Temperatura ambiente:"), ambient_);

    auto* exercise = new QGroupBox(QStringLiteral("Puntos del ejercicio (mc, me)"), this);
    auto* points = new QHBoxLayout(exercise);
    for (int k = 0; k < 3; ++k) {
        const auto& p = session::kExercisePoints[static_cast<std::size_t>(k)];
        auto* b = new QPushButton(
            QStringLiteral("&%1) %2 y %3 g/s").arg(k + 1).arg(p.condenser).arg(p.evaporator),
            exercise);
        b->setObjectName(QStringLiteral("puntoEjercicio%1").arg(k + 1));
        b->setAccessibleName(QStringLiteral("Punto %1 del ejercicio").arg(k + 1));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, p] {
            condenser_->setValue(p.condenser);
            evaporator_->setValue(p.evaporator);
            accept();
        });
        points->addWidget(b);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(exercise);
    layout->addWidget(buttons);
}

Conditions ConditionsDialog::conditions() const {
    return {condenser_->value(), evaporator_->value(), barometer_->value(), water_->value(),
            ambient_->value()};
}

}  // namespace gelvor::ui::notebook
