#include "ui/notebook/conditions_dialog.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <type_traits>

#include "model/settings_ranges.h"
#include "present/operator_notices.h"
#include "texts/conditions_texts.h"
#include "texts/dialog_texts.h"
#include "texts/unit_texts.h"
#include "ui/text_qt.h"

namespace gelvor::ui::notebook {
namespace {

template <typename Spin>
Spin* spin(const char* name, const char* label, const SettingRange& range, double value,
           const char* suffix, QWidget* parent) {
    auto* s = new Spin(parent);
    s->setObjectName(QLatin1String(name));
    s->setAccessibleName(qt::to_qstring(label));
    s->setRange(range.min, range.max);
    if constexpr (std::is_same_v<Spin, QDoubleSpinBox>) {
        s->setDecimals(1);  // what a box may hold beyond its spin's whole positions
        s->setValue(value);
    } else {
        s->setValue(static_cast<int>(value));
    }
    s->setSuffix(qt::to_qstring(suffix));
    s->setAlignment(Qt::AlignRight);
    return s;
}

}  // namespace

ConditionsDialog::ConditionsDialog(const Conditions& present,
                                   const std::optional<Assignment>& assignment, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmCondiciones"));
    setWindowTitle(qt::to_qstring(texts::kConditionsTitle));
    setAccessibleName(windowTitle());

    condenser_ = spin<QSpinBox>("caudalCondensador", texts::kCondenserFlowName, kFlowRange,
                                present.condenser_flow, texts::kFlowUnit, this);
    evaporator_ = spin<QSpinBox>("caudalEvaporador", texts::kEvaporatorFlowName, kFlowRange,
                                 present.evaporator_flow, texts::kFlowUnit, this);
    barometer_ = spin<QDoubleSpinBox>("presionBarometrica", texts::kBarometerName, kBarometerRange,
                                      present.barometer, texts::kMillibarUnit, this);
    water_ = spin<QDoubleSpinBox>("temperaturaAgua", texts::kWaterName, kWaterInletRange,
                                  present.water, texts::kCelsiusUnit, this);
    ambient_ = spin<QDoubleSpinBox>("temperaturaAmbiente", texts::kAmbientName, kAmbientRange,
                                    present.ambient, texts::kCelsiusUnit, this);

    auto* form = new QFormLayout;
    form->addRow(qt::to_qstring(texts::kCondenserFlowLabel), condenser_);
    form->addRow(qt::to_qstring(texts::kEvaporatorFlowLabel), evaporator_);
    form->addRow(qt::to_qstring(texts::kBarometerLabel), barometer_);
    form->addRow(qt::to_qstring(texts::kWaterLabel), water_);
    form->addRow(qt::to_qstring(texts::kAmbientLabel), ambient_);

    auto* exercise = new QGroupBox(
        assignment
            ? qt::to_qstring(texts::kAssignedPointsTitle).arg(qt::to_qstring(assignment->group))
            : qt::to_qstring(texts::kExercisePointsTitle),
        this);
    auto* points = assignment ? static_cast<QBoxLayout*>(new QVBoxLayout(exercise))
                              : static_cast<QBoxLayout*>(new QHBoxLayout(exercise));
    const std::size_t count = assignment ? std::min<std::size_t>(assignment->points.size(), 9)
                                         : session::kExercisePoints.size();
    for (std::size_t k = 0; k < count; ++k) {
        const int number = static_cast<int>(k) + 1;
        auto* b = new QPushButton(exercise);
        if (assignment) {
            const AssignedPoint& p = assignment->points[k];
            b->setText(qt::to_qstring(texts::kAssignedPointCaption)
                           .arg(number)
                           .arg(p.condenser_flow)
                           .arg(p.evaporator_flow)
                           .arg(p.barometer)
                           .arg(p.water)
                           .arg(p.ambient));
            connect(b, &QPushButton::clicked, this, [this, p] {
                condenser_->setValue(p.condenser_flow);
                evaporator_->setValue(p.evaporator_flow);
                barometer_->setValue(p.barometer);
                water_->setValue(p.water);
                ambient_->setValue(p.ambient);
                accept();
            });
        } else {
            const auto& p = session::kExercisePoints[k];
            b->setText(qt::to_qstring(texts::kExercisePointCaption)
                           .arg(number)
                           .arg(p.condenser)
                           .arg(p.evaporator));
            connect(b, &QPushButton::clicked, this, [this, p] {
                condenser_->setValue(p.condenser);
                evaporator_->setValue(p.evaporator);
                accept();
            });
        }
        b->setObjectName(QStringLiteral("puntoEjercicio%1").arg(number));
        b->setAccessibleName(qt::to_qstring(texts::kExercisePointName).arg(number));
        b->setAutoDefault(false);
        points->addWidget(b);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(qt::to_qstring(kAcceptCaption));
    buttons->button(QDialogButtonBox::Cancel)->setText(qt::to_qstring(texts::kCancelCaption));
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
